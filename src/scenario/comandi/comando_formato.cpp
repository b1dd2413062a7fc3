#include "scenario/comandi/comando_formato.h"

#include "base/codici_uscita.h"
#include "compiler/grammatica.h"
#include "scenario/documenti/grammatica_documenti.h"
#include "scenario/sorgenti/manuale_formato.h"

namespace {

const char* const aiuto_formato =
    "uso: scenario formato [NOME]\n"
    "\n"
    "Stampa il manuale del formato dei file sorgente (lo stesso di\n"
    "docs/formato_sorgenti.md): ogni sezione e record dei due file, la sua parola\n"
    "chiave, i suoi campi con unit\xC3\xA0, significato e valori ammessi, un esempio,\n"
    "gli errori e gli avvisi. Con NOME stampa la pagina di un solo record, per\n"
    "esempio 'scenario formato segnale' o 'scenario formato \"lunghezza percorso\"';\n"
    "'scenario formato documenti' stampa la sezione della tabella dei documenti.\n"
    "\n"
    "Stato di uscita: 0 stampato; 64 un errore d'uso.\n";

}  // namespace

std::string manuale_scenario() { return manuale_formato() + "\n" + manuale_tabella_documenti(); }

int comando_formato(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  for (const std::string& a : argomenti)
    if (a == "--help" || a == "-h") {
      out << aiuto_formato;
      return uscita_ok;
    }
  if (argomenti.empty()) {
    out << manuale_scenario();
    return uscita_ok;
  }
  const forma_record* r = argomenti.size() == 1 ? record_per_nome(argomenti[0]) : nullptr;
  if (!r && argomenti.size() == 1 && (argomenti[0] == "documenti" || record_documenti_di(argomenti[0]))) {
    out << manuale_tabella_documenti();
    return uscita_ok;
  }
  if (!r) {
    err << "scenario formato: " << (argomenti.size() == 1 ? "nessun record '" + argomenti[0] + "'" : "un solo NOME")
        << "\nI record:";
    for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
      for (const forma_record& f : forme) err << " '" << f.nome << "'";
    err << "\nuso: scenario formato [NOME]\n";
    return uscita_uso;
  }
  out << pagina_record(*r);
  return uscita_ok;
}
