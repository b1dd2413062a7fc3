#include "output/formati/carico.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/crc32c.h"

namespace {

// Little-endian numbers written out by hand, as the payload lays them.
std::string le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>(v >> 24)};
}
std::string le64(std::uint64_t v) {
  return le32(static_cast<std::uint32_t>(v)) + le32(static_cast<std::uint32_t>(v >> 32));
}

// A program of some bytes, the fields each with its length, the trailer.
std::string programma(const std::vector<std::string>& campi, const std::string& stub = "MZ\x90\x00 programma") {
  std::string dati;
  for (const std::string& c : campi) dati += le32(static_cast<std::uint32_t>(c.size())) + c;
  return stub + dati + "VOCARICO" + le64(dati.size()) + le32(crc32c(dati));
}

const std::vector<std::string> campi_prova = {
    "Prova", "7", "[generale]\r\n", "[generale]\r\n", "scheda\r\n", "rallentamenti\r\n", "note \xE8\r\n"};

TEST(Carico, AProgramWithoutPayloadRunsItsOwnScenario) {
  carico_scenario c;
  bool presente = true;
  EXPECT_TRUE(leggi_carico("MZ\x90\x00 solo il programma, lungo abbastanza per una coda", c, presente).ok());
  EXPECT_FALSE(presente);
  EXPECT_TRUE(leggi_carico("", c, presente).ok());
  EXPECT_FALSE(presente);
}

TEST(Carico, APayloadWrittenByHandIsReadFieldByField) {
  carico_scenario c;
  bool presente = false;
  ASSERT_TRUE(leggi_carico(programma(campi_prova), c, presente).ok());
  EXPECT_TRUE(presente);
  EXPECT_EQ(c.percorso, "Prova");
  EXPECT_EQ(c.treno, "7");
  EXPECT_EQ(c.linea, "[generale]\r\n");
  EXPECT_EQ(c.sorgente_treno, "[generale]\r\n");
  EXPECT_EQ(c.scheda, "scheda\r\n");
  EXPECT_EQ(c.rallentamenti, "rallentamenti\r\n");
  EXPECT_EQ(c.note, "note \xE8\r\n");
  // What the encoder writes is that same layout.
  EXPECT_EQ("MZ" + codifica_carico(c), programma(campi_prova, "MZ"));
}

// A damaged payload is refused with what is wrong, never read past its bytes.
TEST(Carico, ADamagedPayloadIsRefusedSayingWhy) {
  std::string un_byte = programma(campi_prova);
  un_byte[20] ^= 0x01;  // inside the source of the line
  std::string corto = programma(campi_prova);
  corto.erase(0, corto.size() - 30);  // the trailer says more than there is
  std::string oltre_la_fine;
  {
    // The last field claims more bytes than the payload has; the CRC matches.
    std::string dati;
    for (std::size_t k = 0; k + 1 < campi_prova.size(); ++k)
      dati += le32(static_cast<std::uint32_t>(campi_prova[k].size())) + campi_prova[k];
    dati += le32(1000) + "note";
    oltre_la_fine = "MZ" + dati + "VOCARICO" + le64(dati.size()) + le32(crc32c(dati));
  }
  std::vector<std::string> senza_nome = campi_prova;
  senza_nome[0] = "";
  std::vector<std::string> percorso_cattivo = campi_prova;
  percorso_cattivo[0] = "../x";
  std::vector<std::string> percorso_su = campi_prova;
  percorso_su[0] = "..";
  std::vector<std::string> treno_su = campi_prova;
  treno_su[1] = "..";
  std::vector<std::string> in_piu = campi_prova;
  in_piu.push_back("avanzo");
  const struct {
    const char* descrizione;
    std::string byte;
    const char* atteso;
  } casi[] = {
      {"one byte changed", un_byte, "CRC-32C 0x"},
      {"a trailer longer than the program", corto, "prima della coda ce ne sono"},
      {"a field past the end", oltre_la_fine, "il campo note a offset"},
      {"bytes after the last field", programma(in_piu), "byte dopo l'ultimo campo"},
      {"an empty route key", programma(senza_nome), "non \xC3\xA8 un nome di file"},
      {"a route key with a path", programma(percorso_cattivo), "non \xC3\xA8 un nome di file"},
      {"a route key ..", programma(percorso_su), "non \xC3\xA8 un nome di file"},
      {"a train number ..", programma(treno_su), "non \xC3\xA8 un nome di file"},
  };
  for (const auto& k : casi) {
    carico_scenario c;
    bool presente = false;
    const stato s = leggi_carico(k.byte, c, presente);
    EXPECT_TRUE(presente) << k.descrizione;
    ASSERT_FALSE(s.ok()) << k.descrizione;
    EXPECT_NE(s.messaggio().find(k.atteso), std::string::npos) << k.descrizione << ": " << s.messaggio();
    EXPECT_EQ(s.messaggio().rfind("carico dello scenario danneggiato: ", 0), 0u) << s.messaggio();
  }
}

}  // namespace
