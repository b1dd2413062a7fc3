#include "scenario/comandi/comando_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <vector>

#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/svg/disegno_svg.h"
#include "scenario/svg/etichette_svg.h"
#include "scenario/testo/da_1252.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"

namespace {

// Tags open and close in order, attributes are quoted, no stray '<' or '&'.
bool ben_formato(const std::string& xml, std::string& motivo) {
  std::vector<std::string> aperti;
  std::size_t i = xml.find("<svg");
  if (i == std::string::npos) {
    motivo = "no svg element";
    return false;
  }
  while (i < xml.size()) {
    if (xml[i] == '&') {
      const std::size_t fine = xml.find(';', i);
      const std::string e = xml.substr(i, fine == std::string::npos ? 1 : fine - i + 1);
      if (e != "&amp;" && e != "&lt;" && e != "&gt;" && e != "&quot;" && e != "&apos;") {
        motivo = "bad entity at " + std::to_string(i);
        return false;
      }
      i += e.size();
      continue;
    }
    if (xml[i] != '<') {
      ++i;
      continue;
    }
    const std::size_t fine = xml.find('>', i);
    if (fine == std::string::npos) {
      motivo = "unclosed tag at " + std::to_string(i);
      return false;
    }
    std::string tag = xml.substr(i + 1, fine - i - 1);
    if (std::count(tag.begin(), tag.end(), '"') % 2 != 0 || tag.find('<') != std::string::npos) {
      motivo = "bad tag " + tag;
      return false;
    }
    if (tag[0] == '/') {
      if (aperti.empty() || aperti.back() != tag.substr(1)) {
        motivo = "mismatched " + tag;
        return false;
      }
      aperti.pop_back();
    } else if (tag.back() != '/') {
      aperti.push_back(tag.substr(0, tag.find_first_of(" \n")));
    }
    i = fine + 1;
  }
  if (!aperti.empty()) {
    motivo = "unclosed " + aperti.back();
    return false;
  }
  return true;
}

std::size_t quante(const std::string& testo, const std::string& cosa) {
  std::size_t n = 0;
  for (std::size_t i = testo.find(cosa); i != std::string::npos; i = testo.find(cosa, i + 1)) ++n;
  return n;
}

struct testo_svg {
  double x, y, corpo;
  std::string ancora, testo;
};

// Every <text> of the drawing with its position, size, anchor and content
// (entities put back).
std::vector<testo_svg> testi(const std::string& svg) {
  auto attributo = [](const std::string& tag, const std::string& nome, const std::string& base) {
    const std::size_t i = tag.find(" " + nome + "=\"");
    if (i == std::string::npos) return base;
    const std::size_t a = i + nome.size() + 3;
    return tag.substr(a, tag.find('"', a) - a);
  };
  std::vector<testo_svg> t;
  for (std::size_t i = svg.find("<text "); i != std::string::npos; i = svg.find("<text ", i + 1)) {
    const std::size_t chiuso = svg.find('>', i), fine = svg.find("</text>", i);
    const std::string tag = svg.substr(i, chiuso - i);
    std::string contenuto = svg.substr(chiuso + 1, fine - chiuso - 1);
    for (const auto& [e, c] : std::vector<std::pair<std::string, std::string>>{
             {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}})
      for (std::size_t k = contenuto.find(e); k != std::string::npos; k = contenuto.find(e, k + 1))
        contenuto.replace(k, e.size(), c);
    EXPECT_EQ(tag.find("transform"), std::string::npos) << "turned texts are not measured: " << tag;
    t.push_back({std::stod(attributo(tag, "x", "0")), std::stod(attributo(tag, "y", "0")),
                 std::stod(attributo(tag, "font-size", "16")), attributo(tag, "text-anchor", "start"), contenuto});
  }
  return t;
}

// Pairs of texts whose boxes overlap, named for the failure message.
std::vector<std::string> sovrapposti(const std::string& svg) {
  const std::vector<testo_svg> t = testi(svg);
  std::vector<riquadro> r;
  for (const auto& x : t) r.push_back(riquadro_testo(x.x, x.y, x.corpo, x.ancora, x.testo));
  std::vector<std::string> coppie;
  for (std::size_t i = 0; i < r.size(); ++i)
    for (std::size_t j = i + 1; j < r.size(); ++j)
      if (r[i].tocca(r[j])) coppie.push_back("'" + t[i].testo + "' / '" + t[j].testo + "'");
  return coppie;
}

struct compilato {
  cartella_temporanea dir;
  std::unique_ptr<form_su_disco> f = std::make_unique<form_su_disco>(dir.percorso);
  compilato() {
    dati_linea(*f);
    dati_treno(*f);
    memorizza_percorso(*f, 1, nullptr);
  }
  int disegna(std::vector<std::string> opzioni, std::string& svg, std::string& errori) {
    const auto file = dir.percorso / "linea.svg";
    std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318", "--out", file.string()};
    argomenti.insert(argomenti.end(), opzioni.begin(), opzioni.end());
    std::ostringstream out, err;
    const int esito = comando_plot(argomenti, out, err);
    svg = leggi_tutto(file);
    errori = err.str();
    return esito;
  }
};

TEST(ComandoPlot, TheWholeLineHasMapProfilesLegendAndNoOverlappingText) {
  compilato c;
  std::string svg, err;
  ASSERT_EQ(c.disegna({}, svg, err), 0) << err;
  std::string motivo;
  EXPECT_TRUE(ben_formato(svg, motivo)) << motivo;
  for (const char* parte : {"id=\"mappa\"", "id=\"pendenza\"", "id=\"velocita\"", "progressiva (km)", "Pendenza (",
                            "Velocit\xC3\xA0 massima della linea (km/h)", "class=\"rallentamento\"", ">90 km/h<",
                            ">Legenda<", ">segnale<", ">punto codice<", ">N<"})
    EXPECT_NE(svg.find(parte), std::string::npos) << parte;
  EXPECT_EQ(sovrapposti(svg), std::vector<std::string>{});
  // Under the km of the axis, the kilometre post as the signs give it: the
  // count restarts at BOLOGNA C.LE (218,3 km), 315200 - 260000 at km 260.
  for (const char* parte : {"class=\"pk\" fill=\"#666\">0+000<", "class=\"pk\" fill=\"#666\">178+300<",
                            "class=\"pk\" fill=\"#666\">55+200<", "<title>S.BENEDETTO SAMBRO, km 259,5, pk 55+700<"})
    EXPECT_NE(svg.find(parte), std::string::npos) << parte;

  // Every station has its line on the profiles; the timed ones keep their names on both drawings.
  std::size_t stazioni = 0;
  for (int k = 1; k < voce_progressiva_tre; ++k) {
    const stazione& st = c.f->stazioni[static_cast<std::size_t>(k)];
    if (st.fine == 0 && st.progressiva == 0) continue;
    ++stazioni;
    if (st.orario != 0) {
      EXPECT_EQ(quante(svg, ">" + testo_xml(utf8_da_1252(st.nome)) + "<"), 2u) << st.nome;
    }
  }
  EXPECT_EQ(quante(svg, "class=\"stazione\" stroke"), stazioni);
  EXPECT_EQ(quante(svg, "<circle class=\"stazione\""), stazioni);
  // Station names fill their rows from the first, beside the heading
  // "Stazioni": the first row is never left empty.
  const std::vector<testo_svg> tutti = testi(svg);
  const auto titolo =
      std::find_if(tutti.begin(), tutti.end(), [](const testo_svg& t) { return t.testo == "Stazioni"; });
  ASSERT_NE(titolo, tutti.end());
  std::size_t in_prima_riga = 0;
  for (std::size_t i = svg.find("class=\"nome_stazione\""); i != std::string::npos;
       i = svg.find("class=\"nome_stazione\"", i + 1)) {
    const std::size_t tag = svg.rfind("<text ", i), y = svg.find(" y=\"", tag) + 4;
    in_prima_riga += std::stod(svg.substr(y, svg.find('"', y) - y)) == titolo->y;
  }
  EXPECT_GE(in_prima_riga, 5u) << "station names on the first row";
  // At this scale signals and code points are counted in bars, and every one is counted.
  std::size_t segnali = 0, contati = 0;
  for (std::int32_t i = 0; i < 6000; ++i) segnali += c.f->cella_n(i).tipo == cella_segnale;
  for (std::size_t i = svg.find("class=\"segnale\""); i != std::string::npos;
       i = svg.find("class=\"segnale\"", i + 1)) {
    const std::size_t q = svg.find("data-quanti=\"", i) + 13;
    contati += std::stoul(svg.substr(q, svg.find('"', q) - q));
  }
  ASSERT_GT(segnali, 50u);
  EXPECT_EQ(contati, segnali);
}

TEST(ComandoPlot, AShortStretchShowsSingleCellsAndItsObjects) {
  compilato c;
  std::string svg, err;
  // The slowdown "rallentamento, 259150, 90, 450": start cell 5184, end cell 5193.
  ASSERT_EQ(c.disegna({"--from", "259,1", "--to", "259.8"}, svg, err), 0) << err;
  EXPECT_EQ(sovrapposti(svg), std::vector<std::string>{});
  EXPECT_NE(svg.find(">5184<"), std::string::npos);
  EXPECT_NE(svg.find(">90 km/h<"), std::string::npos);
  EXPECT_EQ(quante(svg, "class=\"bordo_cella\""), 15u);  // 259100 to 259800, every 50 m
  std::size_t segnali = 0;
  for (std::int32_t i = 259100 / 50; i < 259800 / 50; ++i) segnali += c.f->cella_n(i).tipo == cella_segnale;
  EXPECT_EQ(quante(svg, "<path class=\"segnale\""), segnali);
  std::string motivo;
  EXPECT_TRUE(ben_formato(svg, motivo)) << motivo;
}

// Four stations 400 m apart, the least the compiler allows, on a 100 km line: their names
// overlap side by side, so each takes one of the four rows over the
// profiles, the first one included, and none is left out.
TEST(ComandoPlot, FourCrowdedStationNamesFillTheFourRows) {
  cartella_temporanea dir;
  form_su_disco f(dir.percorso, "Prova", "7");
  const std::vector<std::string> nomi = {"ALFA", "BETA", "GAMMA", "DELTA"};
  std::string treno = "[generale]\r\n[stazioni]\r\n";
  for (std::size_t k = 0; k < nomi.size(); ++k)
    treno += "stazione,  " + std::to_string(50000 + 400 * k) + ", 26,  0,  0, 0, 0,  0,0,0,  0,0,0,  0,  0, 0, 0, " +
             nomi[k] + "\r\n";
  treno += "[fine]\r\n";
  scrivi_tutto(*f.cartella, file_linea(f), "[generale]\r\nlunghezza percorso,  100000\r\n[fine]\r\n");
  scrivi_tutto(*f.cartella, file_treno(f), treno);
  memorizza_percorso(f, 0, nullptr);
  ASSERT_EQ(f.numero_errore, 0);

  const auto file = dir.percorso / "linea.svg";
  std::ostringstream out, err;
  ASSERT_EQ(
      comando_plot(std::vector<std::string>{dir.percorso.string(), "Prova", "7", "--out", file.string()}, out, err), 0)
      << err.str();
  const std::string svg = leggi_tutto(file);
  std::vector<std::string> mostrati;
  for (const testo_svg& t : testi(svg))
    if (std::find(nomi.begin(), nomi.end(), t.testo) != nomi.end()) mostrati.push_back(t.testo);
  std::sort(mostrati.begin(), mostrati.end());
  EXPECT_EQ(mostrati, (std::vector<std::string>{"ALFA", "BETA", "DELTA", "GAMMA"}));
  EXPECT_EQ(svg.find("non entrano"), std::string::npos);
  EXPECT_EQ(sovrapposti(svg), std::vector<std::string>{});
}

TEST(ComandoPlot, TextsAreEscapedAndUsageIsChecked) {
  EXPECT_EQ(testo_xml("A&B <C> \"d\" 'e'\x01"), "A&amp;B &lt;C&gt; &quot;d&quot; &apos;e&apos;");
  cartella_temporanea dir;
  const std::string d = dir.percorso.string(), svg = (dir.percorso / "x.svg").string();
  struct caso {
    std::vector<std::string> argomenti;
    std::string messaggio;
  };
  const caso casi[] = {
      {{d, "Velstra_Ordoven", "318"}, "manca --out"},
      {{d, "Velstra_Ordoven", "318", "--out", (dir.percorso / "x.png").string()}, "deve finire in .svg"},
      {{d, "Velstra_Ordoven", "318", "--out", (dir.percorso / "x").string()}, "deve finire in .svg"},
      {{d, "Velstra_Ordoven", "318", "--out", svg, "--from", "dieci"}, "--from 'dieci'"},
      {{d, "Velstra_Ordoven", "318", "--out", svg, "--from", "12", "--to", "12,02"}, "almeno 50 m"},
      {{d, "Velstra_Ordoven", "318", "--out", svg, "--from", "300", "--to", "100"},
       "--to (100 km) non viene dopo --from (300 km)"},
  };
  for (const auto& k : casi) {
    std::ostringstream out, err;
    EXPECT_EQ(comando_plot(k.argomenti, out, err), 64) << k.messaggio;
    EXPECT_NE(err.str().find(k.messaggio), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("uso: scenario plot"), std::string::npos) << err.str();
  }
  std::ostringstream out, err;
  const std::vector<std::string> senza_file{d, "Velstra_Ordoven", "318", "--out", svg};
  EXPECT_EQ(comando_plot(senza_file, out, err), 2);
  EXPECT_FALSE(std::filesystem::exists(svg));
}

TEST(ComandoPlot, TheOverlapCheckSeesOverlappingTexts) {
  const std::string svg =
      "<svg><text x=\"100\" y=\"50\" font-size=\"10\">PIACENZA</text>"
      "<text x=\"130\" y=\"52\" font-size=\"10\" text-anchor=\"middle\">PARMA</text>"
      "<text x=\"300\" y=\"50\" font-size=\"10\">MODENA</text></svg>";
  EXPECT_EQ(sovrapposti(svg), std::vector<std::string>{"'PIACENZA' / 'PARMA'"});
}

}  // namespace
