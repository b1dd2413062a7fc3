#include "scenario/sorgenti/manuale_formato.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "scenario/comandi/comando_formato.h"

namespace {

// The manual checked in is the one the tool makes from the grammar: change
// the grammar, then run `scenario formato > docs/formato_sorgenti.md`.
TEST(ManualeFormato, TheCheckedInManualIsTheOneTheToolMakes) {
  std::ifstream in(std::string(VELSTRA_SOURCE_DIR) + "/docs/formato_sorgenti.md", std::ios::binary);
  const std::string scritto{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(scritto.empty()) << "docs/formato_sorgenti.md is missing";
  EXPECT_TRUE(scritto == manuale_scenario())
      << "docs/formato_sorgenti.md differs from `scenario formato`: run build/scenario formato > "
         "docs/formato_sorgenti.md";
}

// Every keyword of both files has its page, and every field of a station and
// of a signal is named in it with its meaning.
TEST(ManualeFormato, EveryRecordAndEveryFieldIsDescribed) {
  const std::string m = manuale_formato();
  for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
    for (const forma_record& r : forme) {
      EXPECT_NE(m.find("### `" + std::string(r.nome) + "`"), std::string::npos) << r.nome;
      EXPECT_NE(m.find(std::string(r.esempio)), std::string::npos) << r.nome;
    }
  for (const char* nome : {"stazione", "segnale"}) {
    const forma_record* r = record_per_nome(nome);
    ASSERT_NE(r, nullptr);
    const std::string p = pagina_record(*r);
    for (const campo_record& c : r->campi)
      EXPECT_NE(p.find("| `" + std::string(c.nome) + "` | "), std::string::npos) << nome << " " << c.nome;
  }
  // The signal's example as the embedded sources write it, item by item.
  const std::string segnale = pagina_record(*record_per_nome("segnale"));
  EXPECT_NE(segnale.find("| 1 | `progressiva` | numero | m | posizione del segnale |"), std::string::npos) << segnale;
  EXPECT_NE(segnale.find("| 2800 |"), std::string::npos);
  EXPECT_NE(segnale.find("- n. 16: segnale su una cella non libera"), std::string::npos);
}

TEST(ManualeFormato, TheCommandPrintsTheManualOrOneRecordAndRefusesAnUnknownOne) {
  const struct {
    std::vector<std::string> argomenti;
    int stato;
    std::string inizio;  // of stdout, or of stderr when the command refuses
  } casi[] = {
      {{}, 0, "# Il formato dei file sorgente\n"},
      {{"segnale"}, 0, "### `segnale`\n"},
      {{"lunghezza percorso"}, 0, "### `lunghezza percorso`\n"},
      {{"progressiva_chilometrica_uno"}, 0, "### `progressiva chilometrica uno`\n"},
      {{"semaforo"}, 64, "scenario formato: nessuna pagina per 'semaforo'\nI record: 'lunghezza percorso'"},
      {{"segnale", "stazione"}, 64, "scenario formato: un solo NOME"},
      {{"documenti"}, 0, "## La tabella dei documenti del macchinista\n"},
      {{"Prescrizioni"}, 0, "## La tabella dei documenti del macchinista\n"},
  };
  for (const auto& c : casi) {
    std::ostringstream out, err;
    EXPECT_EQ(comando_formato(c.argomenti, out, err), c.stato) << c.inizio;
    const std::string testo = c.stato == 0 ? out.str() : err.str();
    EXPECT_EQ(testo.rfind(c.inizio, 0), 0u) << testo.substr(0, 200);
  }
}

}  // namespace
