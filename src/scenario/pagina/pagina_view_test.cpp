#include "scenario/pagina/pagina_view.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/comandi/comando_view.h"
#include "scenario/pagina/testi_view.h"
#include "scenario/testo/da_1252.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"
#include "test_support/testo_di_prova.h"

namespace {

// The template's markers are the one list of the page's modules: every
// script and style file of the folder is one the template takes in, and each
// marker is replaced by its file's text.
TEST(PaginaView, TheTemplateTakesInEveryModuleOfTheFolder) {
  std::set<std::string> presi;
  for (const testo_incorporato& t : testi_del_modello) presi.insert(std::string(t.file));
  for (const auto& f : std::filesystem::directory_iterator(std::string(VELSTRA_SOURCE_DIR) + "/src/scenario/pagina")) {
    const std::string e = f.path().extension().string();
    if (e == ".js" || e == ".css") {
      EXPECT_TRUE(presi.count(f.path().filename().string())) << f.path();
    }
  }
  EXPECT_TRUE(presi.count("mappa.js"));
  const std::string pagina = pagina_view("t", nodo{});
  for (const testo_incorporato& t : testi_del_modello) {
    EXPECT_EQ(pagina.find("/*@" + std::string(t.file) + "*/"), std::string::npos) << t.file;
    EXPECT_NE(pagina.find(t.testo.substr(0, 200)), std::string::npos) << t.file;
  }
}

std::size_t quante_pagina_view(const std::string& testo, const std::string& cosa) {
  std::size_t n = 0;
  for (std::size_t i = testo.find(cosa); i != std::string::npos; i = testo.find(cosa, i + 1)) ++n;
  return n;
}

std::string pagina_incorporata(const std::filesystem::path& dir, bool con_sorgenti, std::unique_ptr<form_su_disco>& f) {
  f = std::make_unique<form_su_disco>(dir);
  dati_linea(*f);
  dati_treno(*f);
  const std::string linea = leggi_tutto(*f->cartella, file_linea(*f)),
                    treno = leggi_tutto(*f->cartella, file_treno(*f));
  memorizza_percorso(*f, 1, nullptr);  // the compiler deletes its sources
  if (con_sorgenti) {
    scrivi_tutto(*f->cartella, file_linea(*f), linea);
    scrivi_tutto(*f->cartella, file_treno(*f), treno);
  }
  const auto out = dir / "vista.html";
  std::ostringstream o, e;
  const std::vector<std::string> argomenti{dir.string(), "Velstra_Ordoven", "318", "--out", out.string()};
  EXPECT_EQ(comando_view(argomenti, o, e), 0) << e.str();
  return leggi_tutto(out);
}

TEST(PaginaView, ThePageOfTheEmbeddedScenarioIsSelfContainedAndSmall) {
  cartella_temporanea dir;
  std::unique_ptr<form_su_disco> f;
  const std::string pagina = pagina_incorporata(dir.percorso, true, f);
  EXPECT_LT(pagina.size(), 5u * 1024 * 1024);
  EXPECT_EQ(pagina.rfind("<!DOCTYPE html>", 0), 0u);
  // Nothing is fetched: no address, no linked file, no import.
  for (const char* esterno : {"://", "src=", "href=", "url(", "@import", "fetch(", "XMLHttpRequest", "import("})
    EXPECT_EQ(pagina.find(esterno), std::string::npos) << esterno;
  EXPECT_NE(pagina.find("default-src 'none'"), std::string::npos);
  EXPECT_EQ(quante_pagina_view(pagina, "<script"), 2u);
  EXPECT_EQ(quante_pagina_view(pagina, "</script>"), 2u);
  EXPECT_EQ(pagina.find("/*@"), std::string::npos) << "every marker of the template is filled";
  EXPECT_NE(pagina.find("<title>Velstra_Ordoven \xE2\x80\x94 treno 318</title>"), std::string::npos);
  // Every station's name and its source line travel in the data.
  for (int k = 1; k <= 45; ++k) {
    const std::string nome = utf8_da_1252(f->stazioni[static_cast<std::size_t>(k)].nome);
    EXPECT_NE(pagina.find("\"nome\": \"" + nome + "\""), std::string::npos) << nome;
  }
  EXPECT_NE(pagina.find("\"segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0\""), std::string::npos);
}

TEST(PaginaView, WithoutSourcesThePageStillShowsTheCompactFiles) {
  cartella_temporanea dir;
  std::unique_ptr<form_su_disco> f;
  const std::string pagina = pagina_incorporata(dir.percorso, false, f);
  EXPECT_NE(pagina.find("\"sorgenti\": []"), std::string::npos);
  EXPECT_NE(pagina.find("\"diagnostiche\": []"), std::string::npos);
  EXPECT_NE(pagina.find("\"nome\": \"PIACENZA\""), std::string::npos);
}

TEST(PaginaView, TextsOfTheDataCannotCloseTheScriptOrTheTitle) {
  nodo dati;
  dati.metti("nome", std::string("</script><script>alert(1)</script><!--"));
  const std::string pagina = pagina_view("a<b>&\"c\"'", dati);
  EXPECT_EQ(quante_pagina_view(pagina, "</script>"), 2u);
  EXPECT_EQ(pagina.find("<!--\""), std::string::npos);
  EXPECT_NE(pagina.find("\\u003c/script>\\u003cscript>alert(1)\\u003c/script>\\u003c!--"), std::string::npos);
  EXPECT_NE(pagina.find("<title>a&lt;b&gt;&amp;&quot;c&quot;&apos;</title>"), std::string::npos);
}

TEST(ComandoView, HelpUsageAndMissingFiles) {
  cartella_temporanea dir;
  std::ostringstream out, err;
  EXPECT_EQ(comando_view(std::vector<std::string>{"--help"}, out, err), 0);
  EXPECT_EQ(out.str().rfind("uso: scenario view DIR ROUTE TRAIN --out FILE.html", 0), 0u);
  const std::vector<std::string> senza_out{dir.percorso.string(), "Velstra_Ordoven", "318"};
  EXPECT_EQ(comando_view(senza_out, out, err), 64);
  const std::vector<std::string> percorso_cattivo{dir.percorso.string(), "../x", "318", "--out", "x.html"};
  EXPECT_EQ(comando_view(percorso_cattivo, out, err), 64);
  // A page that a double-click would not open as one is refused before anything is read.
  std::ostringstream err_txt;
  const std::vector<std::string> non_html{dir.percorso.string(), "Velstra_Ordoven", "318", "--out", "x.txt"};
  EXPECT_EQ(comando_view(non_html, out, err_txt), 64);
  EXPECT_NE(err_txt.str().find("deve finire in .html"), std::string::npos) << err_txt.str();
  const auto file = dir.percorso / "x.html";
  const std::vector<std::string> senza_file{dir.percorso.string(), "Velstra_Ordoven", "318", "--out", file.string()};
  EXPECT_EQ(comando_view(senza_file, out, err), 2);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_NE(err.str().find("Velstra_Ordoven_318.sim"), std::string::npos) << err.str();
  EXPECT_TRUE(non_contiene(err.str(), "compilali prima"));
  // Sources without compact files: the author is told what to run.
  form_su_disco f(dir.percorso);
  dati_linea(f);
  dati_treno(f);
  std::ostringstream err2;
  EXPECT_EQ(comando_view(senza_file, out, err2), 2);
  EXPECT_NE(err2.str().find("compilali prima con 'scenario compile"), std::string::npos) << err2.str();
}

}  // namespace
