#include "scenario/comandi/ricerca_formato.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "scenario/comandi/comando_formato.h"

namespace {

TEST(RicercaFormato, WordsFoldToLowerCaseWithoutAccentsOrBrackets) {
  EXPECT_EQ(parola_piegata("Velocit\xC3\xA0"), "velocita");
  EXPECT_EQ(parola_piegata("VELOCIT\xC3\x80"), "velocita");
  EXPECT_EQ(parola_piegata("[Stazioni]"), "stazioni");
  EXPECT_EQ(parola_piegata("campo_13"), "campo 13");
  EXPECT_EQ(parola_piegata("  lunghezza   percorso "), "lunghezza percorso");
  EXPECT_EQ(parola_piegata("record-corto"), "record corto");
}

// What `scenario formato WORD` prints first, and which other places it lists.
TEST(RicercaFormato, AWordFindsThePageOfItsNameThenTheOtherPlacesItNames) {
  const struct {
    const char* parola;
    int stato;
    const char* inizio;  // of stdout, or of stderr when refused
    std::vector<const char*> elencati;
  } casi[] = {
      {"SEGNALE", 0, "### `segnale`\n", {}},
      {"stazioni", 0, "## La sezione `[stazioni]`\n", {"- il campo STAZIONI del record `rallentamento_su_carta`"}},
      {"Velocit\xC3\xA0", 0, "### `velocita`\n", {"- il campo 2 `velocita` di `rallentamento`"}},
      {"velocita", 0, "### `velocita`\n", {}},
      {"documenti", 0, "## La tabella dei documenti del macchinista\n", {}},
      {"Prescrizioni", 0, "## La tabella dei documenti del macchinista\n", {}},
      {"stazione", 0, "### `stazione`\n", {}},
      {"lunghezza_percorso", 0, "### `lunghezza percorso`\n", {}},
      {"campo_13", 0, "### `stazione`\n", {}},
      {"[vel_limite]", 0, "## La sezione `[vel_limite]`\n", {}},
      {"curve", 0, "## La sezione `[curve]`\n", {}},
      {"orari", 0, "## Orari e fermate\n", {}},
      {"orario",
       0,
       "'orario' si trova in:\n",
       {"il capitolo \"Orari e fermate\"", "il campo ORARIO del record `riga`"}},
      {"fermata", 0, "## Orari e fermate\n", {}},
      {"record-corto", 0, "## Avvisi e sviste\n", {}},
      {"lettera-o", 0, "## Avvisi e sviste\n", {}},
      {"sviste", 0, "## Avvisi e sviste\n", {}},
      // The documents' record of that name first, then the source record it is a keyword of.
      {"massa", 0, "## La tabella dei documenti", {"- il record `percentuale massa frenata`"}},
      // A word that names no page of its own: the list of the places.
      {"progressiva", 0, "'progressiva' si trova in:\n", {"- il campo 1 `progressiva` di `segnale`", "il campo PROGR"}},
      {"tre", 0, "'tre' si trova in:\n", {"`scenario formato \"sfondo tre\"`"}},
      // The reader's own keyword test: a word holding "velocit" is the speed record.
      {"velocit\xC3\xA0_limite", 0, "### `velocita`\n", {}},
      {"segnlae", 64, "scenario formato: nessuna pagina per 'segnlae': forse 'segnale'?\n", {}},
      {"stazone", 64, "scenario formato: nessuna pagina per 'stazone': forse 'stazione'?\n", {}},
      {"curav", 64, "scenario formato: nessuna pagina per 'curav': forse 'curva'?\n", {}},
      {"3", 64, "scenario formato: nessuna pagina per '3'\n", {}},
      {"semaforo", 64, "scenario formato: nessuna pagina per 'semaforo'\nI record: 'lunghezza percorso'", {}},
  };
  for (const auto& c : casi) {
    std::ostringstream out, err;
    const std::vector<std::string> argomenti = {c.parola};
    EXPECT_EQ(comando_formato(argomenti, out, err), c.stato) << c.parola;
    const std::string testo = c.stato == 0 ? out.str() : err.str();
    EXPECT_EQ(testo.rfind(c.inizio, 0), 0u) << c.parola << "\n" << testo.substr(0, 300);
    for (const char* e : c.elencati) EXPECT_NE(testo.find(e), std::string::npos) << c.parola << ": " << e;
  }
}

// A page printed whole is printed once: the list names only the other places.
TEST(RicercaFormato, TheListNeverRepeatsThePagePrinted) {
  const esito_ricerca e = cerca_nel_manuale("velocita");
  ASSERT_FALSE(e.luoghi.empty());
  EXPECT_TRUE(e.luoghi.front().di_nome);
  for (std::size_t k = 1; k < e.luoghi.size(); ++k) EXPECT_NE(e.luoghi[k].pagina, e.luoghi.front().pagina);
  EXPECT_TRUE(cerca_nel_manuale("").luoghi.empty());
}

}  // namespace
