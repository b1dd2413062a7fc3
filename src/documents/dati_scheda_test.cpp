#include "documents/dati_scheda.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/scrivi_righe.h"
#include "documents/documento_di_prova.h"
#include "documents/scheda_di_prova.h"
#include "test_support/form_di_prova.h"

namespace {

using namespace prova_documenti;

std::string scrivi_scheda(cartella_memoria& dir) {
  dati_scheda(form_nella_cartella(dir));
  return leggi_tutto(dir, "Velstra_Ordoven_318_scheda_treno.txt");
}

TEST(DatiScheda, ReplacesAnOlderLongerSheetWith202CrLfLines) {
  cartella_memoria dir;
  scrivi_tutto(dir, "Velstra_Ordoven_318_scheda_treno.txt", std::string(30000, 'z'));
  const std::string byte = scrivi_scheda(dir);
  EXPECT_EQ(byte.size(), 14843u);
  const auto letto = dividi_righe(byte);
  EXPECT_TRUE(letto.solo_crlf);
  EXPECT_EQ(letto.righe.size(), 202u);
  EXPECT_EQ(byte, documento_atteso("Velstra_Ordoven_318_scheda_treno.txt"));
  EXPECT_EQ(byte.find("riferimento fine del file"), std::string::npos);
}

struct riga_attesa_dati_scheda {
  std::size_t numero;  // from 1
  std::string testo;
};

TEST(DatiScheda, BlankLinesAndSeparatorsFrameThePages) {
  cartella_memoria dir;
  const auto righe = dividi_righe(scrivi_scheda(dir)).righe;
  ASSERT_EQ(righe.size(), 202u);
  const std::size_t vuote[] = {1, 2, 3, 49, 50, 52, 53, 99, 100, 101, 103, 104, 150, 151, 152, 154, 201, 202};
  for (const auto n : vuote) EXPECT_EQ(righe[n - 1], "") << "line " << n;
  const riga_attesa_dati_scheda separatori[] = {
      {51, std::string(81, '.')}, {102, std::string(72, '.')}, {153, std::string(72, '.')}};
  for (const auto& s : separatori) EXPECT_EQ(righe[s.numero - 1], s.testo) << "line " << s.numero;
}

// Every line of a page, built from the box layout: bars of the left box at
// columns 1 and 21, of the right box at 67 and 82; "da: " at 41, "a: " at 42.
std::vector<std::string> pagina_attesa_senza_righe(const pagina& p) {
  const std::string regola = " |_____|_____|__________|_____|____________________________|________________|_____|";
  std::vector<std::string> v = {
      "  " + std::string(19, '_') + std::string(47, ' ') + std::string(14, '_'),
      fino_a(fino_a(" |" + std::string(19, ' ') + "|", 42) + p.etichetta, 67) + "|" + std::string(14, ' ') + "|",
      fino_a(fino_a(" |" + p.treno + "|", 41) + "da: " + p.da, 67) + "|" + p.classe + "|",
      fino_a(fino_a(" |" + std::string(19, '_') + "|", 42) + "a: " + p.a, 67) + "|" + p.percentuale + "|",
      std::string(67, ' ') + "|" + std::string(14, '_') + "|",
      "  " + std::string(19, '_') + std::string(16, ' ') + std::string(19, '_'),
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |" + p.classificazione + "|              |" + p.massa + "|",
      " |___________________|              |___________________|",
      "",
      "  " + std::string(80, '_'),
      p.titolo,
      " | Lim.|Marc.|          |  Rs |                            |                |     |",
      regola,
  };
  v.insert(v.end(), p.righe_tabella, "");  // the rows: checked by the tests below
  v.push_back(regola);
  if (!p.nota.empty()) v.push_back(p.nota);
  return v;
}

TEST(DatiScheda, EachPageHasItsHeaderBoxesHeadingsAndNote) {
  cartella_memoria dir;
  const auto righe = dividi_righe(scrivi_scheda(dir)).righe;
  ASSERT_EQ(righe.size(), 202u);
  for (const auto& p : pagine) {
    const auto attese = pagina_attesa_senza_righe(p);
    ASSERT_LE(p.prima_riga - 1 + attese.size(), righe.size());
    for (std::size_t i = 0; i < attese.size(); ++i) {
      if (i >= 14 && i < 14 + p.righe_tabella) continue;
      EXPECT_EQ(righe[p.prima_riga - 1 + i], attese[i]) << "line " << p.prima_riga + i;
    }
  }
}

// The layout above is checked against the header lines written out in full.
TEST(DatiScheda, HeaderLinesOfPagesTwoAndFourAreExact) {
  const auto righe = righe_della_scheda();
  ASSERT_EQ(righe.size(), 202u);
  const riga_attesa_dati_scheda attese[] = {
      {55, " |                   |                    SCHEDA  2/3              |              |"},
      {56, " |   TRENO n. 318    |                   da: PIACENZA              |    V200 C    |"},
      {57, " |___________________|                    a: CASTELFRANCO E.       |     130%     |"},
      {58, "                                                                   |______________|"},
      {156, " |                   |                    SCHEDA 4/4               |              |"},
      {157, " |   TRENO n.xxxxx   |                   da: xxxxxx                |    Vxxx C    |"},
      {158, " |___________________|                    a: xxxxxx                |     xxx%     |"},
      {162, " |        xxx        |              |      xxxT         |"},
      {10, " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       "},
      {48, " Dalle ore 23.30 alle ore 4.30 velocit\xE0 massima 160 Km/h. "},
      {149, " Dalle ore 23.30 alle ore 4.30 velocit\xE0 massima 160 Km/h"},
  };
  for (const auto& a : attese) EXPECT_EQ(righe[a.numero - 1], a.testo) << "line " << a.numero;
}

TEST(DatiScheda, EveryTableLineHasItsBarsAtTheSameColumns) {
  const auto righe = righe_della_scheda();
  ASSERT_EQ(righe.size(), 202u);
  const std::vector<std::size_t> barre = {1, 7, 13, 24, 30, 59, 76, 82};
  for (const auto& p : pagine)
    for (const auto& r : tabella(righe, p)) {
      EXPECT_EQ(r.size(), 83u) << r;
      EXPECT_EQ(colonne_di(r, '|'), barre) << r;
    }
}

TEST(DatiScheda, OnlyTheAccentOfLocalitaAndVelocitaLeavesAscii) {
  cartella_memoria dir;
  const std::string byte = scrivi_scheda(dir);
  // The page-1 heading and the notes under pages 1 to 3.
  EXPECT_EQ(byte_non_ascii(byte), "\xE0\xE0\xE0\xE0");
  const auto righe = dividi_righe(byte).righe;
  ASSERT_EQ(righe.size(), 202u);
  EXPECT_EQ(righe[14], titolo_1);
  EXPECT_EQ(byte.find('\t'), std::string::npos);
}

}  // namespace
