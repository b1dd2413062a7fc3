#include "scenario/svg/mappa_svg.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/rapporto/rapporto_di_prova.h"
#include "scenario/svg/disegno_svg.h"
#include "scenario/svg/etichette_svg.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"

namespace {

std::size_t quante_mappa_svg(const std::string& testo, const std::string& cosa) {
  std::size_t n = 0;
  for (std::size_t i = testo.find(cosa); i != std::string::npos; i = testo.find(cosa, i + 1)) ++n;
  return n;
}

// The map draws a dot for every station entry (1 to 80) that is not empty,
// whatever its kind, where the plan covers its progressive; an empty entry,
// a general entry and a station off the plan get none.
TEST(MappaSvg, EveryStationEntryOnThePlanHasItsDotAndNothingElseHasOne) {
  cartella_temporanea dir;
  rapporto_di_prova::compila_in(dir.percorso);
  scenario_compatto base;
  std::string guasto;
  ASSERT_TRUE(carica_scenario_compatto(dir.percorso, "Velstra_Ordoven", "318", base, guasto)) << guasto;
  ASSERT_TRUE(base.piano);
  const std::int32_t fine_piano = base.piano->ultimo_metro();
  for (int k = 1; k < voce_progressiva_tre; ++k) base.stazioni[static_cast<std::size_t>(k)] = stazione{};
  ASSERT_EQ(quante_mappa_svg(disegno_svg(base), "<circle class=\"stazione\""), 0u) << "general entries are no stations";

  struct caso {
    int voce;
    std::uint8_t tipo;
    std::int32_t inizio, fine, progressiva;
    std::size_t punti;  // dots on the map
  };
  const caso casi[] = {
      {1, 2, 9700, 10300, 10000, 1},              // a station with its area
      {40, 8, 9700, 10300, 10000, 1},             // any entry, a terminus
      {80, 26, 0, 0, 10000, 1},                   // a cabin, no area of its own
      {1, 0, 0, 0, 10000, 1},                     // kind 0, but not an empty entry
      {1, 5, 0, 0, 0, 1},                         // at the very start of the line
      {1, 0, 0, 0, 0, 0},                         // an empty entry
      {1, 2, 9700, 10300, fine_piano + 1000, 0},  // off the plan
      {1, 2, 0, 300, -100, 0},                    // before the line
  };
  for (const caso& c : casi) {
    scenario_compatto s = base;
    stazione& st = s.stazioni[static_cast<std::size_t>(c.voce)];
    st.tipo = c.tipo;
    st.inizio = c.inizio;
    st.fine = c.fine;
    st.progressiva = c.progressiva;
    st.nome = "PROVA";
    EXPECT_EQ(quante_mappa_svg(disegno_svg(s), "<circle class=\"stazione\""), c.punti)
        << "entry " << c.voce << ", kind " << int{c.tipo} << ", at " << c.progressiva;
  }
}

// A station alone on the map has its name right by its dot, in the nearest
// place, with no leader line: a leader line is for a name pushed away.
TEST(MappaSvg, ALoneStationIsNamedRightByItsDot) {
  cartella_temporanea dir;
  form_su_disco f(dir.percorso, "Prova", "7");
  scrivi_tutto(*f.cartella, file_linea(f), "[generale]\r\nlunghezza percorso,  10000\r\n[fine]\r\n");
  scrivi_tutto(*f.cartella, file_treno(f),
               "[generale]\r\n[stazioni]\r\nstazione,  5000, 26,  0,  0, 0, 0,  0,0,0,  0,0,0,  0,  0, 0, 0, "
               "SOLA\r\n[fine]\r\n");
  memorizza_percorso(f, 1, nullptr);
  ASSERT_EQ(f.numero_errore, 0);
  scenario_compatto s;
  std::string guasto;
  ASSERT_TRUE(carica_scenario_compatto(dir.percorso, "Prova", "7", s, guasto)) << guasto;
  ASSERT_TRUE(s.piano);
  const std::string svg = disegno_svg(s);

  auto numero_dopo = [&](std::size_t da, const std::string& attributo) {
    const std::size_t i = svg.find(" " + attributo + "=\"", da);
    EXPECT_NE(i, std::string::npos) << attributo;
    return i == std::string::npos ? 0.0 : std::stod(svg.substr(i + attributo.size() + 3));
  };
  const std::size_t punto = svg.find("<circle class=\"stazione\"");
  ASSERT_NE(punto, std::string::npos);
  const double cx = numero_dopo(punto, "cx"), cy = numero_dopo(punto, "cy");
  // The map comes first: its name is the first one of the drawing.
  const std::size_t nome = svg.find(" class=\"nome_stazione\"");
  ASSERT_NE(nome, std::string::npos);
  const std::size_t testo = svg.rfind("<text ", nome);
  ASSERT_EQ(svg.substr(svg.find('>', nome) + 1, 4), "SOLA");
  const double tx = numero_dopo(testo, "x"), ty = numero_dopo(testo, "y"), corpo = numero_dopo(testo, "font-size");
  const riquadro r = riquadro_testo(tx, ty, corpo, "middle", "SOLA");
  const double scarto = std::max({r.x0 - cx, cx - r.x1, r.y0 - cy, cy - r.y1, 0.0});
  EXPECT_LE(scarto, 15.0) << "name at " << tx << "," << ty << ", dot at " << cx << "," << cy;
  EXPECT_EQ(svg.find("stroke=\"#c00\" stroke-width=\"0.7\""), std::string::npos) << "no leader line";
}

}  // namespace
