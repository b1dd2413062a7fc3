#include "output/formati/file_scenario.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <stdexcept>

#include "base/stato.h"
#include "output/formati/formati_di_prova.h"

namespace {

using namespace formati_di_prova;

using namespace std::string_literals;

std::unique_ptr<tabella_stazioni> tabella_vuota() { return std::make_unique<tabella_stazioni>(); }

stazione stazione_piena() {
  stazione s;
  s.tipo = 25;
  s.inizio = 9800;
  s.fine = -1;
  s.progressiva = 0x01020304;
  s.campo_5 = 7;
  s.nome =
      "Ci\xE0"
      "a";  // one byte per Windows-1252 character
  s.campo_7 = 610;
  s.campo_8 = -2;
  s.campo_9 = 13;
  s.campo_10 = 14;
  s.campo_11 = 15;
  s.campo_12 = 0x12;
  s.campo_13 = 0x13;
  s.campo_14 = 0x14;
  s.campo_15 = 0xF5;
  s.orario = 33703;
  return s;
}

const std::string byte_stazione_piena =
    "\x19"
    "\x48\x26\x00\x00"
    "\xFF\xFF\xFF\xFF"
    "\x04\x03\x02\x01"
    "\x07"
    "\x04\x00"
    "Ci\xE0"
    "a"
    "\x62\x02"
    "\xFE\xFF"
    "\x0D\x00"
    "\x0E\x00"
    "\x0F\x00"
    "\x12\x13\x14\xF5"
    "\xA7\x83\x00\x00"s;

TEST(FileScenario, EmptyTableIs87EntriesOf34ZeroBytes) {
  EXPECT_EQ(codifica_stazioni(*tabella_vuota()), std::string(87 * 34, '\0'));
}

TEST(FileScenario, EntryTakes34PlusNameBytesInFieldOrder) {
  auto t = tabella_vuota();
  (*t)[1] = stazione_piena();
  (*t)[85].nome = "Velstra_Ordoven";
  (*t)[85].campo_7 = 610;
  (*t)[86].nome = "318";
  const std::string byte = codifica_stazioni(*t);
  ASSERT_EQ(byte.size(), 87u * 34u + 4u + 15u + 3u);
  EXPECT_EQ(byte.substr(34, 38), byte_stazione_piena);
  // Entry 85 starts after 85 entries, one of them 4 bytes longer.
  const std::size_t voce_85 = 85 * 34 + 4;
  EXPECT_EQ(byte.substr(voce_85 + 14, 2), "\x0F\x00"s);
  EXPECT_EQ(byte.substr(voce_85 + 16, 15), "Velstra_Ordoven");
  EXPECT_EQ(byte.substr(voce_85 + 16 + 15, 2), "\x62\x02");
  EXPECT_EQ(byte.substr(voce_85 + 34 + 15 + 14, 5),
            "\x03\x00"
            "318"s);
}

TEST(FileScenario, NameTooLongForItsLengthFieldIsRefused) {
  auto t = tabella_vuota();
  (*t)[80].nome = std::string(65535, 'a');
  EXPECT_EQ(codifica_stazioni(*t).size(), 87u * 34u + 65535u);
  (*t)[80].nome += 'a';
  EXPECT_THROW(codifica_stazioni(*t), interruzione);
}

std::string file_di_prova() {
  auto t = tabella_vuota();
  (*t)[0] = stazione_piena();
  (*t)[0].nome = "";
  (*t)[1] = stazione_piena();
  (*t)[80].nome = "( INIZIO )";
  (*t)[86] = stazione_piena();
  return codifica_stazioni(*t);
}

TEST(FileScenario, DecodedFileReencodesToTheSameBytes) {
  const std::string byte = file_di_prova();
  auto letto = tabella_vuota();
  const esito_decodifica e = decodifica_stazioni(byte, *letto);
  ASSERT_TRUE(e.valido) << e.messaggio;
  EXPECT_EQ((*letto)[1].nome,
            "Ci\xE0"
            "a");
  EXPECT_EQ((*letto)[86].orario, 33703);
  EXPECT_EQ((*letto)[80].nome, "( INIZIO )");
  EXPECT_TRUE(stessi_byte(codifica_stazioni(*letto), byte, campi_stazioni(byte)));
}

TEST(FileScenario, DamagedFilesAreRefusedWithTheOffsetAndField) {
  const std::string buono = file_di_prova();
  // Entry 0: 34 bytes; entry 1 starts at 34 and holds a name of 4 bytes.
  const std::size_t fine_86 = buono.size();
  struct caso {
    const char* nome;
    std::string byte;
    std::size_t offset;
    const char* guasto;
  };
  const caso casi[] = {
      {"empty", "", 0, "voce 0 troncata in tipo"},
      {"inside inizio", buono.substr(0, 3), 1, "voce 0 troncata in inizio (servono 4 byte, ne restano 2)"},
      {"inside the name length", buono.substr(0, 34 + 15), 34 + 14, "voce 1 troncata in lunghezza di nome"},
      {"inside the name", buono.substr(0, 34 + 18), 34 + 16, "voce 1 troncata in nome (servono 4 byte, ne restano 2)"},
      {"inside orario of 86", buono.substr(0, fine_86 - 1), fine_86 - 4, "voce 86 troncata in orario"},
      {"trailing bytes", buono + "xyz", fine_86, "3 byte dopo la voce 86"},
      {"name length past the end", buono.substr(0, 34 + 14) + "\xFF\xFF" + buono.substr(34 + 16), 34 + 16,
       "voce 1 troncata in nome (servono 65535 byte"},
  };
  for (const auto& c : casi) {
    auto letto = tabella_vuota();
    (*letto)[3].nome = "kept";
    const esito_decodifica e = decodifica_stazioni(c.byte, *letto);
    EXPECT_FALSE(e.valido) << c.nome;
    EXPECT_EQ(e.offset, c.offset) << c.nome << ": " << e.messaggio;
    EXPECT_NE(e.messaggio.find("offset " + std::to_string(c.offset) + ": "), std::string::npos) << e.messaggio;
    EXPECT_NE(e.messaggio.find(c.guasto), std::string::npos) << c.nome << ": " << e.messaggio;
    EXPECT_EQ((*letto)[3].nome, "kept") << c.nome;
  }
}

}  // namespace

namespace {

TEST(FileScenario, AnythingThatDecodesReencodesToTheSameBytes) {
  std::mt19937 gen(86);
  int accettati = 0;
  for (int prova = 0; prova < 200; ++prova) {
    auto t = tabella_vuota();
    for (auto& s : *t) {
      s.tipo = static_cast<std::uint8_t>(gen());
      s.inizio = static_cast<std::int32_t>(gen());
      s.nome.assign(gen() % 4, static_cast<char>(gen()));
      s.campo_11 = static_cast<std::int16_t>(gen());
      s.orario = static_cast<std::int32_t>(gen());
    }
    std::string byte = codifica_stazioni(*t);
    // Damage some: a length field or any byte changed, or the end cut.
    if (prova % 3 == 1) byte[gen() % byte.size()] = static_cast<char>(gen());
    if (prova % 3 == 2) byte.resize(gen() % (byte.size() + 1));
    auto letto = tabella_vuota();
    if (!decodifica_stazioni(byte, *letto).valido) continue;
    ++accettati;
    EXPECT_TRUE(stessi_byte(codifica_stazioni(*letto), byte, campi_stazioni(byte))) << "trial " << prova;
  }
  EXPECT_GT(accettati, 60);
}

}  // namespace
