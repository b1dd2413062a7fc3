#include "documents/dati_note.h"

#include <gtest/gtest.h>

#include <string>

#include "documents/documento_di_prova.h"
#include "test_support/form_di_prova.h"

namespace {

using namespace prova_documenti;

std::string scrivi_note(cartella_memoria& dir) {
  dati_note(form_nella_cartella(dir));
  return leggi_tutto(dir, "Velstra_Ordoven_318_note.txt");
}

TEST(DatiNote, ReplacesAnOlderLongerFileWith34CrLfLines) {
  cartella_memoria dir;
  scrivi_tutto(dir, "Velstra_Ordoven_318_note.txt", std::string(12000, 'z'));
  const std::string byte = scrivi_note(dir);
  const auto letto = dividi_righe(byte);
  EXPECT_TRUE(letto.solo_crlf);
  ASSERT_EQ(letto.righe.size(), 34u);
  EXPECT_EQ(byte, documento_atteso("Velstra_Ordoven_318_note.txt"));
  // The 33 lines before the credit line, line ends included.
  EXPECT_EQ(byte.size() - (letto.righe.back().size() + 2), 4545u);
  EXPECT_EQ(byte.find("riferimento fine del file"), std::string::npos);
}

struct riga_attesa {
  std::size_t numero;  // from 1
  std::string testo;
};

TEST(DatiNote, FixedLinesStandAtTheirNumbers) {
  cartella_memoria dir;
  const auto righe = dividi_righe(scrivi_note(dir)).righe;
  ASSERT_EQ(righe.size(), 34u);
  const std::string asterischi = std::string(23, ' ') + std::string(36, '*');
  const riga_attesa attese[] = {
      {1, "Velstra-Ordoven 318 - versione aggiornata."},
      {2, ""},
      {3, "Inserito ripetizione segnali a nove codici con relativi abbattimenti."},
      {4, "Modificato l'aspetto di alcune stazioni."},
      {5, "Corretto il segnalamento (anche a destra)."},
      {6, "Corretto alcuni cartelli velocit\xE0 massima e indicazioni varie."},
      {7, "Migliorato l'aspetto planimetrico ed altimetrico del tracciato."},
      {8, ""},
      {9, ""},
      {10, asterischi},
      {11, "                       * ATTENZIONE!!! NOTA IMPORTANTE!!! *"},
      {12, asterischi},
      {13, ""},
      {15, "  "},
      {16, std::string(32, ' ') + std::string(18, '*')},
      {17, ""},
      {18, "Ci\xF2 premesso, sappiate che:"},
      {29, "Alcuni sottopassi sono stati simulati con gallerie."},
      {31, ""},
      {33, ""},
  };
  for (const auto& a : attese) EXPECT_EQ(righe[a.numero - 1], a.testo) << "line " << a.numero;
}

struct paragrafo {
  std::size_t numero;
  std::size_t caratteri;
};

TEST(DatiNote, EachParagraphIsOneLineOfItsLength) {
  cartella_memoria dir;
  const auto righe = dividi_righe(scrivi_note(dir)).righe;
  ASSERT_EQ(righe.size(), 34u);
  const paragrafo paragrafi[] = {{14, 202}, {19, 245}, {20, 123}, {21, 436}, {22, 452}, {23, 188}, {24, 242},
                                 {25, 304}, {26, 464}, {27, 726}, {28, 126}, {30, 184}, {32, 162}};
  for (const auto& p : paragrafi) {
    const std::string& r = righe[p.numero - 1];
    EXPECT_EQ(r.size(), p.caratteri) << "line " << p.numero;
    ASSERT_FALSE(r.empty());
    // A whole sentence: no blank at either end, capital first, closed by a stop.
    EXPECT_NE(r.front(), ' ') << "line " << p.numero;
    EXPECT_TRUE(r.front() >= 'A' && r.front() <= 'Z') << "line " << p.numero;
    EXPECT_TRUE(r.back() == '.' || r.back() == '!') << "line " << p.numero;
  }
}

TEST(DatiNote, AccentedLettersAreSingleWindows1252Bytes) {
  cartella_memoria dir;
  const std::string byte = scrivi_note(dir);
  const std::string fuori = byte_non_ascii(byte);
  EXPECT_FALSE(fuori.empty());
  EXPECT_EQ(fuori.find_first_not_of("\xE0\xE8\xF2\xF9"), std::string::npos);
  // Each of the four letters is used; none is written as a UTF-8 pair.
  for (const char c : std::string("\xE0\xE8\xF2\xF9")) EXPECT_NE(fuori.find(c), std::string::npos) << int(c);
  EXPECT_EQ(byte.find("\xC3"), std::string::npos);
  EXPECT_EQ(byte.find('\t'), std::string::npos);
}

TEST(DatiNote, NotesAgreeWithTheScenario) {
  cartella_memoria dir;
  const auto righe = dividi_righe(scrivi_note(dir)).righe;
  ASSERT_EQ(righe.size(), 34u);
  // The simulation ends at the last terminus; the crew changes halfway.
  EXPECT_NE(righe[18].find("PRATO"), std::string::npos);
  EXPECT_NE(righe[23].find("BOLOGNA C.LE"), std::string::npos);
  EXPECT_NE(righe[19].find("200 km/h"), std::string::npos);
  EXPECT_NE(righe[20].find("700 t"), std::string::npos);
  EXPECT_NE(righe[21].find("9/6/2001"), std::string::npos);
  EXPECT_NE(righe[26].find("270*"), std::string::npos);
  EXPECT_NE(righe[26].find("270**"), std::string::npos);
}

TEST(DatiNote, EndsWithACreditLineOfNameAndCity) {
  cartella_memoria dir;
  const auto righe = dividi_righe(scrivi_note(dir)).righe;
  ASSERT_EQ(righe.size(), 34u);
  const std::string& firma = righe.back();
  const auto trattino = firma.find(" - ");
  ASSERT_NE(trattino, std::string::npos);
  EXPECT_EQ(firma.find(" - ", trattino + 1), std::string::npos);
  const std::string nome = firma.substr(0, trattino);
  const std::string citta = firma.substr(trattino + 3);
  EXPECT_NE(nome.find(' '), std::string::npos);  // first name and surname
  EXPECT_FALSE(citta.empty());
  EXPECT_EQ(firma.find_first_of("0123456789"), std::string::npos);
}

}  // namespace
