#include "output/memorizza_percorso.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/errore.h"
#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "model/form1.h"
#include "output/codici_gara.h"
#include "output/formati/file_scenario.h"
#include "output/formati/file_tracciato.h"
#include "test_support/form_di_prova.h"

namespace {

using namespace std::string_literals;

// A model as the readers leave it: names in entries 85 and 86, cells 0..40,
// a plan of a few metres.
struct CompletaEScrivi : ::testing::Test {
  cartella_memoria cartella;
  std::unique_ptr<Form1> f = std::make_unique<Form1>();

  void SetUp() override {
    f = std::make_unique<Form1>();
    f->cartella = &cartella;
    f->nome_percorso = "ab";
    f->numero_treno = "1";
    f->con_planimetria = 1;
    f->stazioni[voce_sfondo].nome = "ab";
    f->stazioni[voce_ripetizione].nome = "1";
    metti_celle_vuote(*f, 40);
    f->lunghezza_estesa = 3;
    f->planimetria.crea(3);
    f->planimetria.metti(0, 0, valore_piano::da_intero(0));
    f->planimetria.metti(1, 1, valore_piano::da_intero(1));
    f->planimetria.metti(2, 0, valore_piano::da_reale(0.5));
  }

  std::vector<std::string> compatti() const { return {file_piano(*f), file_scenario(*f), file_tracciato(*f)}; }

  // Runs the part after reading; the text errore was called with, or "".
  std::string completa(std::vector<std::string>* scritti = nullptr) {
    try {
      completa_e_scrivi(*f, scritti);
    } catch (const interruzione& e) {
      if (e.s.genere() != genere_stato::errore) throw;
      return e.s.testo();
    }
    return "";
  }
};

TEST_F(CompletaEScrivi, WritesPlanScenarioAndTrackInThisOrder) {
  std::vector<std::string> scritti;
  ASSERT_EQ(completa(&scritti), "");
  EXPECT_EQ(scritti, compatti());

  const std::string piano = leggi_tutto(*f->cartella, file_piano(*f));
  // Values (0,0) (1,0) (2,0) (3,0) then (0,1) (1,1) (2,1) (3,1).
  EXPECT_EQ(piano,
            "\x02\x00\x00\x00"
            "\x00\x00"
            "\x05\x00\x00\x00\x00\x00\x00\x00\xE0\x3F"
            "\x00\x00"
            "\x00\x00"
            "\x02\x00\x01\x00"
            "\x00\x00"
            "\x00\x00"s);

  const std::string tracciato = leggi_tutto(*f->cartella, file_tracciato(*f));
  ASSERT_EQ(tracciato.size(), 41u * 15u);
  EXPECT_EQ(tracciato.substr(16, 2), "\x01\x14");  // mark 5121
  EXPECT_EQ(tracciato.substr(18, 2), "\xC0\x09");  // 2496 for "1" and "ab"

  const std::string scenario = leggi_tutto(*f->cartella, file_scenario(*f));
  ASSERT_EQ(scenario.size(), 87u * 34u + 2u + 1u);
  const std::size_t voce_85 = 85 * 34;
  EXPECT_EQ(scenario.substr(voce_85 + 14, 4),
            "\x02\x00"
            "ab"s);
  EXPECT_EQ(scenario.substr(voce_85 + 18, 2), "\x62\x02");           // mark 610
  EXPECT_EQ(scenario.substr(voce_85 + 32, 4), "\xA7\x83\x00\x00"s);  // 33703
  EXPECT_EQ(scenario.substr(voce_85 + 36 + 14, 3),
            "\x01\x00"
            "1"s);  // entry 86: the train number
}

TEST_F(CompletaEScrivi, OlderLongerFilesLeaveNoTrailingBytes) {
  for (const auto& file : compatti()) scrivi_tutto(cartella, file, std::string(200000, 'x'));
  ASSERT_EQ(completa(), "");
  EXPECT_EQ(leggi_tutto(*f->cartella, file_piano(*f)).size(), 4u + 2u + 10u + 2u + 2u + 4u + 2u + 2u);
  EXPECT_EQ(leggi_tutto(*f->cartella, file_scenario(*f)).size(), 87u * 34u + 3u);
  EXPECT_EQ(leggi_tutto(*f->cartella, file_tracciato(*f)).size(), 41u * 15u);
}

TEST_F(CompletaEScrivi, WithoutThePlanAnOlderPlanFileIsLeftUntouched) {
  f->con_planimetria = 0;
  scrivi_tutto(*f->cartella, file_piano(*f), "older plan");
  std::vector<std::string> scritti;
  ASSERT_EQ(completa(&scritti), "");
  EXPECT_EQ(scritti, (std::vector<std::string>{file_scenario(*f), file_tracciato(*f)}));
  EXPECT_EQ(leggi_tutto(*f->cartella, file_piano(*f)), "older plan");
  EXPECT_EQ(leggi_tutto(*f->cartella, file_tracciato(*f)).size(), 41u * 15u);
}

TEST_F(CompletaEScrivi, WithoutThePlanNoPlanFileIsCreated) {
  f->con_planimetria = 0;
  ASSERT_EQ(completa(), "");
  EXPECT_FALSE(f->cartella->esiste(file_piano(*f)));
}

// A taken slot ends the run before any compact file is touched: older files
// stay byte for byte and a missing one stays missing.
TEST_F(CompletaEScrivi, TakenSlotEndsTheRunBeforeAnyFileIsTouched) {
  struct caso {
    const char* nome;
    void (*prepara)(Form1&);
    const char* errore;
  };
  const caso casi[] = {
      {"cell 1 holds a value",
       [](Form1& m) {
         m.cella_n(1).tipo = cella_segnale;
         m.cella_n(1).valore_1 = 42;
       },
       "1250"},
      {"entry 85 campo_7", [](Form1& m) { m.stazioni[voce_sfondo].campo_7 = -1; }, "1250"},
      {"cell 1 valore_2", [](Form1& m) { m.cella_n(1).valore_2 = 7; }, "1251"},
      {"entry 85 orario", [](Form1& m) { m.stazioni[voce_sfondo].orario = 1; }, "1251"},
      // The code check runs first: a window before a start at cell 8 whose
      // cells 3 and 2 are taken puts its code point into cell 1.
      {"code point placed in cell 1",
       [](Form1& m) {
         m.cella_n(8) = cella{cella_inizio_rallentamento, 120};
         m.cella_n(20).tipo = cella_fine_rallentamento;
         m.cella_n(3).tipo = cella_segnale;
         m.cella_n(2).tipo = cella_segnale;
       },
       "1250"},
  };
  for (const auto& c : casi) {
    SetUp();
    scrivi_tutto(*f->cartella, file_scenario(*f), "older scenario");
    scrivi_tutto(*f->cartella, file_tracciato(*f), "older track");
    cartella.elimina(file_piano(*f));
    c.prepara(*f);
    std::vector<std::string> scritti;
    EXPECT_EQ(completa(&scritti), c.errore) << c.nome;
    EXPECT_TRUE(scritti.empty()) << c.nome;
    EXPECT_EQ(leggi_tutto(*f->cartella, file_scenario(*f)), "older scenario") << c.nome;
    EXPECT_EQ(leggi_tutto(*f->cartella, file_tracciato(*f)), "older track") << c.nome;
    EXPECT_FALSE(f->cartella->esiste(file_piano(*f))) << c.nome;
    EXPECT_EQ(messaggio_errore(c.errore), " Errore n. "s + c.errore);
  }
}

TEST_F(CompletaEScrivi, ErrorsOfTheCheckDoNotStopTheWriting) {
  f->cella_n(30).tipo = cella_avviso_rallentamento;
  f->cella_n(27).tipo = cella_segnale;
  f->cella_n(26).tipo = cella_indicatore_vmax;
  f->cella_n(25).tipo = cella_indicatore_vmax;
  ASSERT_EQ(completa(), "");
  EXPECT_EQ(f->numero_errore, 11);
  EXPECT_EQ(leggi_tutto(*f->cartella, file_tracciato(*f)).size(), 41u * 15u);
}

// The whole entry, on files in the folder.
TEST(MemorizzaPercorso, NoCellArrayEndsTheRunWithTheRecordedNumber) {
  form_di_prova prova("Velstra_Ordoven", "318");
  Form1* f = &prova.f;
  f->numero_errore = 99;
  try {
    memorizza_percorso(*f, 1);
    FAIL() << "no errore";
  } catch (const interruzione& e) {
    EXPECT_EQ(e.s.genere(), genere_stato::errore);
    EXPECT_EQ(e.s.testo(), "101");  // the line source file does not exist
  }
  EXPECT_TRUE(prova.cartella.elenco().empty());
}

TEST(MemorizzaPercorso, StartsFromACleanStateAndCompilesTheEmbeddedSources) {
  form_di_prova prova("Velstra_Ordoven", "318");
  Form1* f = &prova.f;
  dati_linea(*f);
  dati_treno(*f);
  f->numero_errore = 99;
  f->stazioni[0].nome = "left over";
  f->stazioni[0].tipo = 9;
  memorizza_percorso(*f, 0);
  EXPECT_EQ(f->con_planimetria, 0);
  EXPECT_EQ(f->numero_errore, 0) << f->progressiva_errore;
  EXPECT_FALSE(f->cartella->esiste(file_linea(*f)));
  EXPECT_FALSE(f->cartella->esiste(file_treno(*f)));
  EXPECT_FALSE(f->cartella->esiste(file_piano(*f)));
  const std::string scenario = leggi_tutto(*f->cartella, file_scenario(*f));
  EXPECT_EQ(scenario.substr(0, 34), std::string(34, '\0'));
  auto stazioni = std::make_unique<tabella_stazioni>();
  ASSERT_TRUE(decodifica_stazioni(scenario, *stazioni).valido);
  EXPECT_EQ((*stazioni)[voce_sfondo].nome, "Velstra_Ordoven");
  EXPECT_EQ((*stazioni)[voce_ripetizione].nome, "318");
  EXPECT_EQ((*stazioni)[voce_sfondo].campo_7, 610);
  EXPECT_EQ((*stazioni)[voce_sfondo].orario, codice_gara_st(*f));
  const std::string tracciato = leggi_tutto(*f->cartella, file_tracciato(*f));
  ASSERT_EQ(tracciato.size(), 92115u);
  EXPECT_EQ(tracciato.substr(16, 2), "\x01\x14");
  std::vector<cella> celle;
  ASSERT_TRUE(decodifica_tracciato(tracciato, celle).valido);
  EXPECT_EQ(celle[1].valore_2, codice_gara_og(*f));
}

}  // namespace
