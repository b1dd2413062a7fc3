#include "output/formati/file_piano.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <utility>

#include "output/formati/formati_di_prova.h"

namespace {

using namespace formati_di_prova;

using namespace std::string_literals;

// Three metres: the seeds as integers, one computed point, the rest empty.
tabella_piano piano_piccolo() {
  tabella_piano p;
  p.crea(2);
  p.metti(0, 0, valore_piano::da_intero(0));
  p.metti(0, 1, valore_piano::da_intero(0));
  p.metti(1, 0, valore_piano::da_intero(0));
  p.metti(1, 1, valore_piano::da_intero(1));
  p.metti(2, 0, valore_piano::da_reale(-2.5));
  return p;
}

const std::string byte_piano_piccolo =
    "\x02\x00\x00\x00"
    "\x02\x00\x00\x00"
    "\x05\x00\x00\x00\x00\x00\x00\x00\x04\xC0"  // first coordinates
    "\x02\x00\x00\x00"
    "\x02\x00\x01\x00"
    "\x00\x00"s;  // second coordinates

TEST(FilePiano, FirstCoordinatesThenSecondWithTagsZeroTwoFive) {
  EXPECT_EQ(codifica_piano(piano_piccolo()), byte_piano_piccolo);
}

TEST(FilePiano, PlanThatWasNeverBuiltWritesNothing) { EXPECT_EQ(codifica_piano(tabella_piano{}), ""); }

TEST(FilePiano, DecodedFileReencodesToTheSameBytes) {
  tabella_piano letto;
  const esito_decodifica e = decodifica_piano(byte_piano_piccolo, letto);
  ASSERT_TRUE(e.valido) << e.messaggio;
  ASSERT_EQ(letto.ultimo_metro(), 2);
  EXPECT_EQ(letto(2, 0).tag, tag_piano::reale);
  EXPECT_EQ(letto(2, 0).reale, -2.5);
  EXPECT_EQ(letto(1, 1).tag, tag_piano::intero);
  EXPECT_EQ(letto(1, 1).intero, 1);
  EXPECT_EQ(letto(2, 1).tag, tag_piano::vuoto);
  EXPECT_TRUE(stessi_byte(codifica_piano(letto), byte_piano_piccolo, campi_piano(byte_piano_piccolo)));
}

TEST(FilePiano, DamagedFilesAreRefusedWithTheOffset) {
  const std::string& b = byte_piano_piccolo;  // values start at 0, 4, 8, 18, 22, 26; 28 bytes
  struct caso {
    const char* nome;
    std::string byte;
    std::size_t offset;
    const char* guasto;
  };
  const caso casi[] = {
      {"unknown tag", b.substr(0, 8) + "\x03\x00"s + b.substr(10), 8, "valore 2 ha il tag sconosciuto 3"},
      {"tag with high byte", b.substr(0, 4) + "\x02\x01"s + b.substr(6), 4, "valore 1 ha il tag sconosciuto 258"},
      {"half a tag", b.substr(0, 5), 4, "valore 1 troncato nel suo tag"},
      {"integer cut", b.substr(0, 7), 6, "valore 1 troncato: il tag 2 vuole altri 2 byte, ne restano 1"},
      {"real cut", b.substr(0, 17), 10, "valore 2 troncato: il tag 5 vuole altri 8 byte, ne restano 7"},
      {"odd count", b.substr(0, 26), 26, "numero dispari di valori (5)"},
      {"extra value", b + "\x00\x00"s, 30, "numero dispari di valori (7)"},
  };
  for (const auto& c : casi) {
    tabella_piano letto = piano_piccolo();
    const esito_decodifica e = decodifica_piano(c.byte, letto);
    EXPECT_FALSE(e.valido) << c.nome;
    EXPECT_EQ(e.offset, c.offset) << c.nome << ": " << e.messaggio;
    EXPECT_NE(e.messaggio.find("offset " + std::to_string(c.offset) + ": "), std::string::npos) << e.messaggio;
    EXPECT_NE(e.messaggio.find(c.guasto), std::string::npos) << c.nome << ": " << e.messaggio;
    EXPECT_TRUE(stessi_byte(codifica_piano(letto), byte_piano_piccolo, campi_piano(byte_piano_piccolo)))
        << "a refused file leaves the plan as it was";
  }
}

}  // namespace

namespace {

// Random plans, whole or damaged: whatever decodes re-encodes to the same
// bytes, whatever the bit pattern of the reals.
TEST(FilePiano, AnythingThatDecodesReencodesToTheSameBytes) {
  std::mt19937 gen(318);
  int accettati = 0;
  for (int prova = 0; prova < 300; ++prova) {
    std::string byte;
    const int valori = 2 * static_cast<int>(gen() % 6);
    for (int v = 0; v < valori; ++v) {
      const std::uint16_t tag = std::array<std::uint16_t, 3>{0, 2, 5}[gen() % 3];
      char valore[10];
      char* p = valore;
      metti_u16(p, tag);
      if (tag == 2) metti_i16(p, static_cast<std::int16_t>(gen()));
      if (tag == 5) metti_u64(p, (static_cast<std::uint64_t>(gen()) << 32) | gen());
      byte.append(valore, p);
    }
    if (prova % 3 == 1 && !byte.empty()) byte[gen() % byte.size()] = static_cast<char>(gen());
    if (prova % 3 == 2) byte.resize(gen() % (byte.size() + 1));
    tabella_piano letto;
    if (!decodifica_piano(byte, letto).valido) continue;
    ++accettati;
    EXPECT_TRUE(stessi_byte(codifica_piano(letto), byte, campi_piano(byte))) << "trial " << prova;
    // Encoded in the plan's own slots: the same bytes, and the plan is gone.
    EXPECT_TRUE(stessi_byte(codifica_piano(std::move(letto)), byte, campi_piano(byte))) << "trial " << prova;
    EXPECT_FALSE(letto.esiste());
  }
  EXPECT_GT(accettati, 100);
}

}  // namespace
