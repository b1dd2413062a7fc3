#include "output/formati/file_tracciato.h"

#include <gtest/gtest.h>

#include "output/formati/formati_di_prova.h"

namespace {

using namespace formati_di_prova;

using namespace std::string_literals;

cella cella_piena() {
  cella c;
  c.tipo = 1;
  c.valore_1 = 42;
  c.valore_2 = -2;
  c.valore_3 = 0x1234;
  c.valore_4 = 8;
  c.valore_5 = 0xFE;
  c.valore_6 = 81;
  c.montagna = 3;
  c.velocita = 24;
  c.pendenza = 97;
  c.aderenza = 200;
  return c;
}

const std::string byte_cella_piena = "\x01\x2A\x00\xFE\xFF\x34\x12\x08\x00\xFE\x51\x03\x18\x61\xC8"s;

TEST(FileTracciato, FifteenBytesACellInFieldOrder) {
  std::vector<cella> percorso(60);
  percorso[57] = cella_piena();
  percorso[1].valore_1 = 5121;
  const std::string byte = codifica_tracciato(percorso);
  ASSERT_EQ(byte.size(), 60u * 15u);
  EXPECT_EQ(byte.substr(57 * 15, 15), byte_cella_piena);
  EXPECT_EQ(byte.substr(16, 2), "\x01\x14");
  EXPECT_EQ(byte.substr(0, 15), std::string(15, '\0'));
  EXPECT_EQ(byte.substr(58 * 15), std::string(2 * 15, '\0'));
}

TEST(FileTracciato, DecodedFileReencodesToTheSameBytes) {
  std::vector<cella> percorso(3);
  percorso[2] = cella_piena();
  const std::string byte = codifica_tracciato(percorso);
  std::vector<cella> letto;
  const esito_decodifica e = decodifica_tracciato(byte, letto);
  ASSERT_TRUE(e.valido) << e.messaggio;
  ASSERT_EQ(letto.size(), 3u);
  EXPECT_EQ(letto[2].valore_2, -2);
  EXPECT_EQ(letto[2].aderenza, 200);
  EXPECT_TRUE(stessi_byte(codifica_tracciato(letto), byte, campo_tracciato));
}

TEST(FileTracciato, RefusesPartialCellsAndTracksWithoutCellOne) {
  struct caso {
    std::size_t lunghezza;
    std::size_t offset;
    const char* guasto;
  };
  const caso casi[] = {
      {0, 0, "almeno le celle 0 e 1"},
      {15, 15, "almeno le celle 0 e 1"},
      {29, 15, "cella 1 troncata: 14 byte su 15"},
      {31, 30, "cella 2 troncata: 1 byte su 15"},
      {44, 30, "cella 2 troncata: 14 byte su 15"},
  };
  for (const auto& c : casi) {
    std::vector<cella> letto(7);
    const esito_decodifica e = decodifica_tracciato(std::string(c.lunghezza, '\x05'), letto);
    EXPECT_FALSE(e.valido) << c.lunghezza;
    EXPECT_EQ(e.offset, c.offset) << c.lunghezza;
    EXPECT_NE(e.messaggio.find("offset " + std::to_string(c.offset) + ": "), std::string::npos) << e.messaggio;
    EXPECT_NE(e.messaggio.find(c.guasto), std::string::npos) << e.messaggio;
    EXPECT_EQ(letto.size(), 7u) << "a refused file leaves the cells as they were";
  }
}

}  // namespace
