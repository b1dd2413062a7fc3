#include "scenario/comandi/comando_inspect.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/rapporto/rapporto_di_prova.h"
#include "scenario/rapporto/rapporto_scenario.h"
#include "scenario/testo/da_1252.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"

namespace {

namespace fs = std::filesystem;

using namespace rapporto_di_prova;

TEST(ComandoInspect, ReportMatchesTheCompiledModelFieldByField) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  const nodo r = rapporto_di(dir.percorso, "Velstra_Ordoven", "318");
  EXPECT_EQ(campo(r, "percorso").testo, "Velstra_Ordoven");
  EXPECT_EQ(campo(r, "treno").testo, "318");

  const nodo& g = campo(r, "generali");
  EXPECT_EQ(numero(g, "lunghezza_linea_m"), f->stazioni[voce_treno_linea].fine);
  const stazione& sf = f->stazioni[voce_sfondo];
  const stazione& rip = f->stazioni[voce_ripetizione];
  EXPECT_EQ(numero(campo(g, "sfondo"), "uno"), sf.inizio);
  EXPECT_EQ(numero(campo(g, "sfondo"), "due"), sf.progressiva);
  EXPECT_EQ(numero(campo(g, "sfondo"), "tre"), sf.fine);
  EXPECT_EQ(numero(campo(g, "ripetizione_segnali"), "inizio_m"), rip.inizio);
  EXPECT_EQ(numero(campo(g, "ripetizione_segnali"), "fine_m"), rip.fine);
  EXPECT_EQ(numero(campo(g, "ripetizione_segnali"), "codici"), rip.progressiva);
  EXPECT_EQ(numero(campo(g, "treno"), "massa_frenata_percento"), f->stazioni[voce_treno_linea].inizio);
  EXPECT_EQ(numero(campo(g, "treno"), "vetture"), f->stazioni[voce_treno_linea].progressiva);
  EXPECT_EQ(numero(campo(g, "treno"), "sabbia"), rip.campo_7);
  EXPECT_EQ(campo(g, "orologio").testo, ore_minuti_secondi(rip.campo_9 * 3600 + rip.campo_10 * 60 + rip.campo_11));
  EXPECT_EQ(numero(campo(g, "marchi_e_codici"), "marchio_scenario"), sf.campo_7);
  EXPECT_EQ(numero(campo(g, "marchi_e_codici"), "codice_scenario"), sf.orario);
  EXPECT_EQ(numero(campo(g, "marchi_e_codici"), "marchio_cella_1"), f->cella_n(1).valore_1);
  EXPECT_EQ(numero(campo(g, "marchi_e_codici"), "codice_cella_1"), f->cella_n(1).valore_2);

  std::size_t stazioni_modello = 0;
  for (int k = 1; k < voce_progressiva_tre; ++k)
    if (f->stazioni[static_cast<std::size_t>(k)].progressiva != 0 || f->stazioni[static_cast<std::size_t>(k)].fine != 0)
      ++stazioni_modello;
  const nodo& stazioni = campo(r, "stazioni");
  EXPECT_EQ(stazioni.elementi.size(), stazioni_modello);
  for (const nodo& n : stazioni.elementi) {
    const stazione& x = f->stazioni[static_cast<std::size_t>(numero(n, "voce"))];
    EXPECT_EQ(campo(n, "nome").testo, x.nome);  // the embedded names are ASCII
    EXPECT_EQ(numero(n, "inizio"), x.inizio);
    EXPECT_EQ(numero(n, "fine"), x.fine);
    EXPECT_EQ(numero(n, "progressiva"), x.progressiva);
    EXPECT_EQ(campo(n, "orario").testo, ore_minuti_secondi(x.orario));
  }

  std::size_t oggetti_modello = 0;
  for (std::int32_t i = 0; i <= f->numero_celle; ++i) oggetti_modello += cella_libera(f->cella_n(i)) ? 0 : 1;
  const nodo& oggetti = campo(r, "oggetti");
  ASSERT_GT(oggetti_modello, 100u);
  EXPECT_EQ(oggetti.elementi.size(), oggetti_modello);
  for (const nodo& n : oggetti.elementi) {
    const cella& c = f->cella_n(static_cast<std::int32_t>(numero(n, "cella")));
    EXPECT_EQ(numero(n, "tipo"), c.tipo);
    EXPECT_EQ(numero(n, "da_m"), numero(n, "cella") * 50);
    if (c.tipo == cella_codice) {
      EXPECT_EQ(numero(campo(n, "valori"), "codice"), c.valore_1);
    }
    if (c.tipo == cella_cartello_indicatore) {
      EXPECT_EQ(campo(campo(n, "valori"), "testo").testo,
                utf8_da_1252(f->stazioni[static_cast<std::size_t>(c.valore_1)].nome));
    }
    if (c.tipo == cella_segnale) {
      EXPECT_EQ(numero(campo(n, "valori"), "valore_5"), c.valore_5);
    }
  }
  EXPECT_EQ(numero(campo(r, "planimetria"), "punti"), f->lunghezza_estesa + 1);

  // The JSON and the text are the same tree.
  std::ostringstream out, err, atteso;
  const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318", "--json"};
  ASSERT_EQ(comando_inspect(argomenti, out, err), 0) << err.str();
  scrivi_json(atteso, r);
  const std::string apertura =
      "{\"versione\": 1, \"comando\": \"inspect\", \"codice_uscita\": 0, \"guasto\": null, \"rapporto\": ";
  // Compared as a whole, not shown whole: the report runs to megabytes.
  EXPECT_TRUE(out.str() == apertura + atteso.str() + "}\n") << out.str().substr(0, 300);
  std::ostringstream testo, atteso_testo;
  ASSERT_EQ(comando_inspect(std::vector<std::string>(argomenti.begin(), argomenti.end() - 1), testo, err), 0);
  scrivi_testo(atteso_testo, r);
  EXPECT_EQ(testo.str(), atteso_testo.str());
  EXPECT_NE(testo.str().find(
                "- cella 57 (2850-2900 m), segnale: solo la cella \xC3\xA8 nota (sorgenti non trovate): valore_1 42,"),
            std::string::npos);
}

TEST(ComandoInspect, DamagedFilesAreRefusedWithFileAndOffset) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  const std::string sim = leggi_tutto(*f->cartella, file_scenario(*f)),
                    dat = leggi_tutto(*f->cartella, file_tracciato(*f)),
                    piano = leggi_tutto(*f->cartella, file_piano(*f));
  struct caso {
    fs::path file;
    std::string byte;
    std::string offset;  // the offset the refusal names
  };
  const caso casi[] = {
      {f->percorso_di(file_tracciato(*f)), dat.substr(0, dat.size() - 1), "offset"},
      {f->percorso_di(file_tracciato(*f)), dat.substr(0, 15), "offset"},
      {f->percorso_di(file_scenario(*f)), sim.substr(0, 40), "offset"},
      {f->percorso_di(file_scenario(*f)), sim + "x", "offset"},
      {f->percorso_di(file_piano(*f)), piano.substr(0, 7), "offset"},
      {f->percorso_di(file_piano(*f)), std::string("\x09\x00", 2) + piano.substr(2), "offset 0"},
  };
  for (const auto& c : casi) {
    const std::string buono = leggi_tutto(c.file);
    scrivi_tutto(c.file, c.byte);
    std::ostringstream out, err;
    const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318"};
    EXPECT_EQ(comando_inspect(argomenti, out, err), 2) << c.file;
    EXPECT_NE(err.str().find(c.file.string() + ": " + c.offset), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
    scrivi_tutto(c.file, buono);
  }
}

// Compact files beside sources with an error hold only what was read up to
// it: inspect says so, in the report and on stderr, and not for clean sources.
TEST(ComandoInspect, SourcesWithAnErrorMakeTheFilesIncomplete) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  dati_linea(*f);
  dati_treno(*f);
  const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318"};
  std::ostringstream pulito, err_pulito;
  ASSERT_EQ(comando_inspect(argomenti, pulito, err_pulito), 0);
  EXPECT_EQ(err_pulito.str(), "");
  EXPECT_EQ(pulito.str().find("attenzione: i sorgenti"), std::string::npos);

  // A second signal on the cell of the one at 2800 m.
  std::string treno = leggi_tutto(*f->cartella, file_treno(*f));
  const std::size_t k = treno.find("segnale,    2800");
  ASSERT_NE(k, std::string::npos);
  treno.insert(k, "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0\r\n");
  scrivi_tutto(*f->cartella, file_treno(*f), treno);
  std::ostringstream out, err;
  ASSERT_EQ(comando_inspect(argomenti, out, err), 0);
  EXPECT_NE(err.str().find("scenario inspect: attenzione: i sorgenti in " + dir.percorso.string() +
                           " hanno errori (il primo: Velstra_Ordoven_318-.txt:"),
            std::string::npos)
      << err.str();
  EXPECT_NE(err.str().find("Errore n. 16"), std::string::npos) << err.str();
  EXPECT_NE(out.str().find("attenzione: i sorgenti in "), std::string::npos);
}

TEST(ComandoInspect, CsvPlanIsWrittenWhenThereIsAPlan) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  const fs::path csv = dir.percorso / "piano.csv";
  const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318", "--csv-plan", csv.string()};
  std::ostringstream out, err;
  ASSERT_EQ(comando_inspect(argomenti, out, err), 0) << err.str();
  EXPECT_EQ(leggi_tutto(csv).rfind("metro,x,y,direzione_gradi,raggio_m,tratto\n0,0.0000,0.0000,", 0), 0u);
  // Without a plan file there is nothing to write, and the command says so.
  f->cartella->elimina(file_piano(*f));
  std::filesystem::remove(csv);
  std::ostringstream out2, err2;
  EXPECT_EQ(comando_inspect(argomenti, out2, err2), 2);
  EXPECT_NE(err2.str().find("manca il file della planimetria"), std::string::npos) << err2.str();
  EXPECT_FALSE(fs::exists(csv));
}

}  // namespace
