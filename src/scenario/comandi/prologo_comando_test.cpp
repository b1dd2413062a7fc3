#include "scenario/comandi/prologo_comando.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "base/codici_uscita.h"
#include "scenario/comandi/comando_check.h"
#include "scenario/comandi/comando_compile.h"
#include "scenario/comandi/comando_inspect.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct esito_prologo_comando {
  int stato;
  std::string out, err;
};

esito_prologo_comando esegui_prologo_comando(const regola_comando& r, const std::vector<std::string>& parole) {
  std::ostringstream out, err;
  const int stato = esegui_comando(r, parole, out, err);
  return {stato, out.str(), err.str()};
}

// What the command's run saw, or that it did not run.
argomenti_comando visti;
int eseguiti_prologo = 0;
int registra(const argomenti_comando& a, std::ostream&, std::ostream&) {
  visti = a;
  ++eseguiti_prologo;
  return uscita_ok;
}

TEST(PrologoComando, TheWordsGoToNamedFields) {
  const regola_comando r{.nome = "prova",
                         .uso = "scenario prova DIR ROUTE TRAIN [--x] [--out FILE]",
                         .posizionali = {posto::cartella, posto::percorso, posto::treno},
                         .flag = {"--x"},
                         .opzioni_con_valore = {"--out"}};
  argomenti_comando a;
  ASSERT_TRUE(leggi_argomenti(std::vector<std::string>{"--out", "f.svg", "d", "--x", "Alpha", "--", "-1"}, r, a).ok());
  EXPECT_EQ(a.cartella, "d");
  EXPECT_EQ(a.percorso, "Alpha");
  EXPECT_EQ(a.treno, "-1");  // after "--" a word is a word
  EXPECT_TRUE(a.ha_flag("--x"));
  ASSERT_NE(a.valore("--out"), nullptr);
  EXPECT_EQ(*a.valore("--out"), "f.svg");

  const struct {
    std::vector<std::string> parole;
    const char* guasto;
  } casi[] = {
      {{"d", "R"}, "servono DIR ROUTE TRAIN, dati 2 argomenti"},
      {{"d", "R", "1", "2"}, "servono DIR ROUTE TRAIN, dati 4 argomenti"},
      {{"d", "R", "1", "--y"}, "opzione sconosciuta '--y'"},
      {{"d", "R", "1", "--out"}, "l'opzione '--out' vuole un valore"},
      {{"d", "R:x", "1"},
       "ROUTE \xC3\xA8 un nome, non un percorso: 'R:x' contiene ':', che un nome di file non pu\xC3\xB2 avere"},
      {{"d", "R", ".."}, "TRAIN \xC3\xA8 un nome, non un percorso: '..' \xC3\xA8 \"..\""},
  };
  for (const auto& c : casi) {
    argomenti_comando b;
    const stato s = leggi_argomenti(c.parole, r, b);
    ASSERT_FALSE(s.ok()) << c.guasto;
    EXPECT_EQ(s.messaggio(), c.guasto);
  }
}

// A folder for two scenarios and one that must be new: the prologue checks
// each before the command runs.
TEST(PrologoComando, TheFoldersAreCheckedBeforeTheCommandRuns) {
  cartella_temporanea t;
  fs::create_directories(t.percorso / "a");
  const regola_comando r{.nome = "prova",
                         .uso = "scenario prova A NUOVA",
                         .posizionali = {posto::cartella, posto::cartella_nuova},
                         .esegui = registra};
  const std::string a = (t.percorso / "a").string(), b = (t.percorso / "b").string();
  eseguiti_prologo = 0;
  esito_prologo_comando e = esegui_prologo_comando(r, {a, b});
  EXPECT_EQ(e.stato, uscita_ok) << e.err;
  EXPECT_EQ(eseguiti_prologo, 1);
  EXPECT_EQ(visti.cartella, a);
  EXPECT_EQ(visti.altra_cartella, b);

  e = esegui_prologo_comando(r, {a, a});
  EXPECT_EQ(e.stato, uscita_errore);
  EXPECT_EQ(e.err, "scenario prova: DIR '" + a + "' c'\xC3\xA8 gi\xC3\xA0: serve una cartella nuova\n");
  e = esegui_prologo_comando(r, {b, b});
  EXPECT_EQ(e.stato, uscita_errore);
  EXPECT_EQ(e.err, "scenario prova: DIR '" + b + "': cartella non trovata\n");
  e = esegui_prologo_comando(r, {a});
  EXPECT_EQ(e.stato, uscita_uso);
  EXPECT_EQ(e.err,
            "scenario prova: servono DIR DIR, dati 1 argomenti\nuso: scenario prova A NUOVA\n"
            "Vedi 'scenario prova --help'.\n");
  EXPECT_EQ(eseguiti_prologo, 1);
}

// With --json every failure before the run is still one document on stdout,
// and a failure with no file at fault names none: null, never "".
TEST(PrologoComando, AFailureBeforeTheRunIsAJsonDocumentWithItsFileOrNull) {
  cartella_temporanea t;
  const std::string dir = t.percorso.string(), manca = (t.percorso / "manca").string();
  for (const regola_comando* r : {&regola_check, &regola_compile, &regola_inspect}) {
    SCOPED_TRACE(r->nome);
    const struct {
      std::vector<std::string> parole;
      int stato;
      const char* genere;
      json file;
    } casi[] = {
        {{"--json", dir, "Velstra_Ordoven"}, uscita_uso, "uso", nullptr},
        {{"--json", dir, "a/b", "318"}, uscita_uso, "uso", nullptr},
        {{"--json", "--nessuna", dir, "R", "1"}, uscita_uso, "uso", nullptr},
        {{"--json", manca, "R", "1"}, uscita_errore, "cartella", manca},
    };
    for (const auto& c : casi) {
      const esito_prologo_comando e = esegui_prologo_comando(*r, c.parole);
      EXPECT_EQ(e.stato, c.stato) << e.err;
      const json d = json::parse(e.out);
      EXPECT_EQ(d["comando"], r->nome);
      EXPECT_EQ(d["codice_uscita"], c.stato);
      EXPECT_EQ(d["guasto"]["genere"], c.genere);
      EXPECT_EQ(d["guasto"]["file"], c.file) << e.out;
      EXPECT_TRUE(contiene(e.err, d["guasto"]["messaggio"].get<std::string>())) << e.err;
    }
  }
  // A missing source names the file it looked for.
  for (const regola_comando* r : {&regola_check, &regola_compile}) {
    const esito_prologo_comando e = esegui_prologo_comando(*r, {"--json", dir, "R", "1"});
    EXPECT_EQ(e.stato, uscita_errore);
    const json d = json::parse(e.out);
    EXPECT_EQ(d["guasto"]["genere"], "non_trovato");
    EXPECT_EQ(d["guasto"]["file"], (t.percorso / "R_linea.txt").string());
    EXPECT_TRUE(contiene(e.err, "R_linea.txt: file non trovato\nIn " + dir + " non c'\xC3\xA8 alcuno scenario"));
  }
}

}  // namespace
