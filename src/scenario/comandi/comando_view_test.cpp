#include "scenario/comandi/comando_view.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "scenario/comandi/comando_compile.h"
#include "scenario/comandi/comando_extract.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

const std::string file_treno_comando_view = "Velstra_Ordoven_318-.txt";

struct esito_comando_view {
  int codice;
  std::string err, pagina;
};

// The embedded scenario's sources in dir/A, a copy in dir/B, both compiled
// as an author's two versions would be.
struct due_versioni {
  cartella_temporanea dir;
  fs::path a = dir.percorso / "A", b = dir.percorso / "B";
  due_versioni() {
    std::ostringstream out, err;
    EXPECT_EQ(comando_extract(std::vector<std::string>{a.string()}, out, err), 0) << err.str();
    fs::copy(a, b);
  }
  void sostituisci(const fs::path& cartella, const std::string& da, const std::string& con) {
    std::string t = leggi_tutto(cartella / file_treno_comando_view);
    const std::size_t k = t.find(da);
    ASSERT_NE(k, std::string::npos) << da;
    t.replace(k, da.size(), con);
    scrivi_tutto(cartella / file_treno_comando_view, t);
  }
  void compila(const fs::path& cartella) {
    std::ostringstream out, err;
    const std::vector<std::string> parole{cartella.string(), "Velstra_Ordoven", "318"};
    EXPECT_LE(comando_compile(parole, out, err), 1) << err.str();
  }
  esito_comando_view vista(const std::vector<std::string>& altre = {}) {
    const fs::path html = dir.percorso / "vista.html";
    std::vector<std::string> parole{b.string(), "Velstra_Ordoven", "318", "--out", html.string()};
    parole.insert(parole.end(), altre.begin(), altre.end());
    std::ostringstream out, err;
    const int codice = comando_view(parole, out, err);
    return {codice, err.str(), fs::exists(html) ? leggi_tutto(html) : ""};
  }
};

std::size_t quante_comando_view(const std::string& testo, const std::string& cosa) {
  std::size_t n = 0;
  for (std::size_t k = testo.find(cosa); k != std::string::npos; k = testo.find(cosa, k + cosa.size())) ++n;
  return n;
}

// The page's list of changes: from its key to the key that follows it.
std::string modifiche_della_pagina(const std::string& pagina) {
  const std::size_t da = pagina.find("\"modifiche\": ");
  if (da == std::string::npos) return "";
  return pagina.substr(da, pagina.find("\"rapporto\": ", da) - da);
}

TEST(ComandoView, ThePageMadeAgainstAnOlderVersionCarriesAMovedSignalWithBothPlaces) {
  due_versioni v;
  v.sostituisci(v.b, "segnale,    3450,", "segnale,    3500,");
  v.compila(v.b);
  const esito_comando_view senza = v.vista();
  ASSERT_EQ(senza.codice, 0) << senza.err;
  EXPECT_EQ(modifiche_della_pagina(senza.pagina), "") << "without --rispetto-a the page is as before";

  const esito_comando_view e = v.vista({"--rispetto-a", v.a.string()});
  ASSERT_EQ(e.codice, 0) << e.err;
  const std::string m = modifiche_della_pagina(e.pagina);
  EXPECT_EQ(quante_comando_view(m, "\"genere\": "), 1u) << m;
  EXPECT_TRUE(contiene(m, "\"genere\": \"spostato\", \"oggetto\": \"segnale\"")) << m;
  EXPECT_TRUE(contiene(m, "\"a\": {\"progressiva_m\": 3450, \"punto_chilometrico\": \"3+450\"")) << m;
  EXPECT_TRUE(contiene(m, "\"b\": {\"progressiva_m\": 3500, \"punto_chilometrico\": \"3+500\"")) << m;
}

// What diff cannot compare is an error of the command, said as diff says it,
// and no page is written.
TEST(ComandoView, AnOlderVersionThatCannotBeComparedIsAnError) {
  due_versioni v;
  v.compila(v.b);
  const esito_comando_view manca = v.vista({"--rispetto-a", (v.dir.percorso / "nessuna").string()});
  EXPECT_EQ(manca.codice, 2);
  EXPECT_EQ(manca.pagina, "");
  EXPECT_TRUE(contiene(manca.err, "scenario view: ")) << manca.err;

  v.sostituisci(v.a, "segnale,    3450,", "segnale,    x3450,");
  const esito_comando_view errori = v.vista({"--rispetto-a", v.a.string()});
  EXPECT_EQ(errori.codice, 2);
  EXPECT_EQ(errori.pagina, "");
  EXPECT_TRUE(contiene(errori.err, file_treno_comando_view + ":")) << "check's list: " << errori.err;
  EXPECT_TRUE(contiene(errori.err, ": nessun confronto")) << errori.err;
}

}  // namespace
