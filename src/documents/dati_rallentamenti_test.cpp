#include "documents/dati_rallentamenti.h"

#include <gtest/gtest.h>

#include <string>

#include "content/scrivi_righe.h"
#include "documents/dati_scheda.h"
#include "documents/documento_di_prova.h"
#include "test_support/form_di_prova.h"

namespace {

using namespace prova_documenti;

std::string scrivi_ordine(cartella_memoria& dir) {
  dati_rallentamenti(form_nella_cartella(dir));
  return leggi_tutto(dir, "Velstra_Ordoven_318_rallentamenti.txt");
}

TEST(DatiRallentamenti, ReplacesAnOlderLongerOrderWithExactly46CrLfLines) {
  cartella_memoria dir;
  scrivi_tutto(dir, "Velstra_Ordoven_318_rallentamenti.txt", std::string(9000, 'z') + "\r\n");
  const std::string byte = scrivi_ordine(dir);
  EXPECT_EQ(byte.size(), 3276u);
  const auto letto = dividi_righe(byte);
  EXPECT_TRUE(letto.solo_crlf);
  ASSERT_EQ(letto.righe.size(), 46u);
  EXPECT_EQ(byte, documento_atteso("Velstra_Ordoven_318_rallentamenti.txt"));
  EXPECT_EQ(byte.find("riferimento fine del file"), std::string::npos);
}

const std::string riga_vuota_rallentamenti =
    " |   |                            |            |          |         |            |";
const std::string chiusura = " |___|____________________________|____________|__________|_________|____________|";

struct riga_attesa_dati_rallentamenti {
  std::size_t numero;  // from 1
  std::string testo;
};

TEST(DatiRallentamenti, EveryLineStandsAtItsNumber) {
  cartella_memoria dir;
  const auto righe = dividi_righe(scrivi_ordine(dir)).righe;
  ASSERT_EQ(righe.size(), 46u);
  const riga_attesa_dati_rallentamenti attese[] = {
      {1, ""},
      {2, std::string(32, ' ') + "Modulo M. 3"},
      {3, std::string(27, ' ') + "ORDINE DI RALLENTAMENTO"},
      {4, " " + std::string(80, '_')},
      {5, "  Linea  MILANO PRATO"},
      {6, ""},
      {7, "  Si ordina al macchinista del treno 318 di effettuare i seguenti rallentamenti"},
      {8, "  " + std::string(79, '_')},
      {9, " |   |                            |Inizio dopo |          |         |            |"},
      {10, " | N.|      FRA LE STAZIONI       | il cippo   | Velocit\xE0 |Lunghezza|Prescrizioni|"},
      {11, " |   |   (o nelle Stazioni di)    |chilometrico|          |  metri  | specifiche |"},
      {12, chiusura},
      {13, " | 1 | SECUGNAGO-CASALPUSTERLENGO |    165     |    40    |   400   |    A-B-C   |"},
      {14, " | 2 |    S.BENEDETTO SAMBRO      |     57     |    90    |   450   |      E     |"},
      {38, chiusura},
      {39, ""},
      {40, std::string(14, ' ') + "Prescrizioni specifiche"},
      {41, " A - Da rispettare con tutto il treno (per i treni viaggiatori)"},
      {42, " B - Interessa anche la stazione di CASALPUSTERLENGO"},
      {43, " C - Da rispettare dalle ore 07.30 alle ore 20.30 di tutti"},
      {44, "     i giorni esclusi i FESTIVI e i PREFESTIVI"},
      {45, " D - Rallentamento N. ... e N. ...  sono contigui"},
      {46, " E - Segnale di avviso non preceduto da tavole distanziometriche"},
  };
  for (const auto& a : attese) EXPECT_EQ(righe[a.numero - 1], a.testo) << "line " << a.numero;
  for (std::size_t n = 15; n <= 37; ++n) EXPECT_EQ(righe[n - 1], riga_vuota_rallentamenti) << "line " << n;
}

TEST(DatiRallentamenti, TableLinesHaveTheirBarsAtTheSameColumns) {
  cartella_memoria dir;
  const auto righe = dividi_righe(scrivi_ordine(dir)).righe;
  ASSERT_EQ(righe.size(), 46u);
  const std::vector<std::size_t> barre = {1, 5, 34, 47, 58, 68, 81};
  for (std::size_t n = 9; n <= 38; ++n) {
    EXPECT_EQ(righe[n - 1].size(), 82u) << "line " << n;
    EXPECT_EQ(colonne_di(righe[n - 1], '|'), barre) << "line " << n;
  }
}

TEST(DatiRallentamenti, OnlyTheSpeedHeadingLeavesAsciiAsOneWindows1252Byte) {
  cartella_memoria dir;
  const std::string byte = scrivi_ordine(dir);
  EXPECT_EQ(byte_non_ascii(byte), "\xE0");
  const auto righe = dividi_righe(byte).righe;
  ASSERT_EQ(righe.size(), 46u);
  EXPECT_NE(righe[9].find("Velocit\xE0 "), std::string::npos);
  EXPECT_EQ(byte.find('\t'), std::string::npos);
}

// The order names the same two termini the timetable sheet runs between.
TEST(DatiRallentamenti, LineOfTheOrderNamesTheTerminiOfTheSheet) {
  const auto ordine = dividi_righe(testo_righe(righe_rallentamenti())).righe;
  const auto scheda = dividi_righe(testo_righe(righe_scheda())).righe;
  ASSERT_EQ(ordine.size(), 46u);
  ASSERT_EQ(scheda.size(), 202u);
  auto stazione = [](const std::string& riga, std::size_t colonna) {
    const std::string s = riga.substr(colonna, 67 - colonna);
    return s.substr(0, s.find_last_not_of(' ') + 1);
  };
  const std::string prima = stazione(scheda[5], 45);     // page 1, "da:"
  const std::string ultima = stazione(scheda[107], 45);  // page 3, "a:"
  EXPECT_EQ(prima, "MILANO");
  EXPECT_EQ(ultima, "PRATO");
  EXPECT_EQ(ordine[4], "  Linea  " + prima + " " + ultima);
}

}  // namespace
