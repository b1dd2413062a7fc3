#include "scenario/sorgenti/diagnostica_json.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

diagnostica errore_con_nota() {
  diagnostica d;
  d.con_posizione = true;
  d.codice = "18";
  d.file = "Velstra_Ordoven_318-.txt";
  d.riga = 120;
  d.colonna = 17;
  d.messaggio = "Errore n. 18 (progressiva 259600, pk 55+600): inizio del rallentamento";
  d.progressiva = 259600;
  d.punto_chilometrico = "55+600";
  d.nota = {file_sorgente::treno, "Velstra_Ordoven_318-.txt", 118, 1, "qui il record che ha messo la fine"};
  return d;
}

diagnostica avviso_senza_posto() {
  diagnostica d;
  d.avviso = true;
  d.codice = "manca-compagno";
  d.messaggio = "il file della linea non \xC3\xA8 nella cartella";
  return d;
}

diagnostica errore_di_un_file() {
  diagnostica d;
  d.codice = "1250";
  d.file = "Velstra_Ordoven_linea.txt";
  d.messaggio = "Errore n. 1250";
  d.progressiva = 0;
  return d;
}

TEST(DiagnosticaJson, EveryKeyInItsOrderWithNullWhereNothingIsKnown) {
  const struct {
    diagnostica d;
    std::string json;
  } casi[] = {
      {errore_con_nota(),
       "{\"genere\": \"errore\", \"file\": \"Velstra_Ordoven_318-.txt\", \"riga\": 120, \"colonna\": 17, "
       "\"codice\": \"18\", \"numero_errore\": 18, \"messaggio\": \"Errore n. 18 (progressiva 259600, pk 55+600): "
       "inizio del rallentamento\", \"nota\": {\"file\": \"Velstra_Ordoven_318-.txt\", \"riga\": 118, \"colonna\": 1, "
       "\"messaggio\": \"qui il record che ha messo la fine\"}, \"progressiva\": 259600, \"punto_chilometrico\": "
       "\"55+600\"}"},
      {avviso_senza_posto(),
       "{\"genere\": \"avviso\", \"file\": null, \"riga\": null, \"colonna\": null, \"codice\": \"manca-compagno\", "
       "\"numero_errore\": null, \"messaggio\": \"il file della linea non \xC3\xA8 nella cartella\", \"nota\": null, "
       "\"progressiva\": null, \"punto_chilometrico\": null}"},
      // Progressive 0 is a place on the line, not "none".
      {errore_di_un_file(),
       "{\"genere\": \"errore\", \"file\": \"Velstra_Ordoven_linea.txt\", \"riga\": null, \"colonna\": null, "
       "\"codice\": \"1250\", \"numero_errore\": 1250, \"messaggio\": \"Errore n. 1250\", \"nota\": null, "
       "\"progressiva\": 0, \"punto_chilometrico\": null}"},
  };
  for (const auto& c : casi) {
    std::ostringstream out;
    stampa_diagnostica_json(out, c.d);
    EXPECT_EQ(out.str(), c.json);
  }
}

TEST(DiagnosticaJson, TheListIsTheObjectsInOrder) {
  std::ostringstream vuota, due;
  stampa_diagnostiche_json(vuota, {});
  EXPECT_EQ(vuota.str(), "[]");
  stampa_diagnostiche_json(due, {avviso_senza_posto(), errore_di_un_file()});
  std::ostringstream primo, secondo;
  stampa_diagnostica_json(primo, avviso_senza_posto());
  stampa_diagnostica_json(secondo, errore_di_un_file());
  EXPECT_EQ(due.str(), "[" + primo.str() + ", " + secondo.str() + "]");
  const nlohmann::ordered_json j = json_diagnostiche({avviso_senza_posto(), errore_di_un_file()});
  ASSERT_EQ(j.size(), 2u);
  EXPECT_EQ(j[1]["numero_errore"], 1250);
}

}  // namespace
