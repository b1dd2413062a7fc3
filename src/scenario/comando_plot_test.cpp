#include "scenario/comando_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <vector>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/da_1252.h"
#include "scenario/disegno_svg.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"

namespace {

// Tags open and close in order, attributes are quoted, no stray '<' or '&'.
bool ben_formato(const std::string& xml, std::string& motivo) {
  std::vector<std::string> aperti;
  std::size_t i = xml.find("<svg");
  if (i == std::string::npos) { motivo = "no svg element"; return false; }
  while (i < xml.size()) {
    if (xml[i] == '&') {
      const std::size_t fine = xml.find(';', i);
      const std::string e = xml.substr(i, fine == std::string::npos ? 1 : fine - i + 1);
      if (e != "&amp;" && e != "&lt;" && e != "&gt;" && e != "&quot;" && e != "&apos;") { motivo = "bad entity at " + std::to_string(i); return false; }
      i += e.size();
      continue;
    }
    if (xml[i] != '<') { ++i; continue; }
    const std::size_t fine = xml.find('>', i);
    if (fine == std::string::npos) { motivo = "unclosed tag at " + std::to_string(i); return false; }
    std::string tag = xml.substr(i + 1, fine - i - 1);
    if (std::count(tag.begin(), tag.end(), '"') % 2 != 0 || tag.find('<') != std::string::npos) { motivo = "bad tag " + tag; return false; }
    if (tag[0] == '/') {
      if (aperti.empty() || aperti.back() != tag.substr(1)) { motivo = "mismatched " + tag; return false; }
      aperti.pop_back();
    } else if (tag.back() != '/') {
      aperti.push_back(tag.substr(0, tag.find_first_of(" \n")));
    }
    i = fine + 1;
  }
  if (!aperti.empty()) { motivo = "unclosed " + aperti.back(); return false; }
  return true;
}

std::size_t quante(const std::string& testo, const std::string& cosa) {
  std::size_t n = 0;
  for (std::size_t i = testo.find(cosa); i != std::string::npos; i = testo.find(cosa, i + 1)) ++n;
  return n;
}

TEST(ComandoPlot, TheEmbeddedScenarioGivesAWellFormedSvgWithMapAndProfiles) {
  cartella_temporanea dir;
  auto f = std::make_unique<form_su_disco>(dir.percorso);
  dati_linea(*f);
  dati_treno(*f);
  memorizza_percorso(*f, 1, nullptr);
  const auto svg_file = dir.percorso / "linea.svg";
  std::ostringstream out, err;
  const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318", "--out", svg_file.string()};
  ASSERT_EQ(comando_plot(argomenti, out, err), 0) << err.str();
  const std::string svg = leggi_tutto(svg_file);
  std::string motivo;
  EXPECT_TRUE(ben_formato(svg, motivo)) << motivo;

  for (const char* parte : {"id=\"mappa\"", "id=\"pendenza\"", "id=\"velocita\"", "progressiva (km)", "pendenza (",
                            "velocit\xC3\xA0 (km/h)", "class=\"rallentamento\"", "10 km"})
    EXPECT_NE(svg.find(parte), std::string::npos) << parte;

  std::size_t segnali = 0, codici = 0, stazioni = 0;
  const std::int32_t ultima = f->stazioni[voce_treno_linea].fine / 50;
  for (std::int32_t i = 0; i <= ultima; ++i) {
    segnali += f->cella_n(i).tipo == cella_segnale;
    codici += f->cella_n(i).tipo == cella_codice || f->cella_n(i).tipo == cella_codice_senza_valore;
  }
  for (int k = 1; k < voce_progressiva_tre; ++k) {
    const stazione& st = f->stazioni[static_cast<std::size_t>(k)];
    if (st.fine == 0 && st.progressiva == 0) continue;
    ++stazioni;
    EXPECT_NE(svg.find(">" + testo_xml(utf8_da_1252(st.nome)) + "<"), std::string::npos) << st.nome;
  }
  ASSERT_GT(segnali, 50u);
  EXPECT_EQ(quante(svg, "class=\"segnale\""), segnali);
  EXPECT_EQ(quante(svg, "class=\"codice\""), codici);
  EXPECT_EQ(quante(svg, "<line class=\"stazione\""), stazioni);
  EXPECT_GT(quante(svg, "<circle class=\"stazione\""), stazioni / 2);
}

TEST(ComandoPlot, TextsAreEscapedAndUsageIsChecked) {
  EXPECT_EQ(testo_xml("A&B <C> \"d\" 'e'\x01"), "A&amp;B &lt;C&gt; &quot;d&quot; &apos;e&apos;");
  cartella_temporanea dir;
  std::ostringstream out, err;
  const std::vector<std::string> senza_out{dir.percorso.string(), "Velstra_Ordoven", "318"};
  EXPECT_EQ(comando_plot(senza_out, out, err), 64);
  const std::vector<std::string> senza_file{dir.percorso.string(), "Velstra_Ordoven", "318", "--out", (dir.percorso / "x.svg").string()};
  EXPECT_EQ(comando_plot(senza_file, out, err), 2);
  EXPECT_FALSE(std::filesystem::exists(dir.percorso / "x.svg"));
}

}  // namespace
