#include "scenario/comandi/comando_formato.h"

#include "base/codici_uscita.h"
#include "compiler/grammatica.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/documenti_autore/grammatica_documenti.h"
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

int stampa_manuale(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  if (!a.ha_nome) {
    out << manuale_scenario();
    return uscita_ok;
  }
  const forma_record* r = record_per_nome(a.nome);
  if (!r && (a.nome == "documenti" || record_documenti_di(a.nome))) {
    out << manuale_tabella_documenti();
    return uscita_ok;
  }
  if (!r) {
    std::string record = "I record:";
    for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
      for (const forma_record& f : forme) record += " '" + std::string(f.nome) + "'";
    stampa_uso(regola_formato, err, "nessun record '" + a.nome + "'", record + "\n", false);
    return uscita_uso;
  }
  out << pagina_record(*r);
  return uscita_ok;
}

}  // namespace

std::string manuale_scenario() { return manuale_formato() + "\n" + manuale_tabella_documenti(); }

const regola_comando regola_formato = {
    .nome = "formato",
    .riassunto = "il manuale del formato dei sorgenti, o la pagina di un record",
    .uso = "scenario formato [NOME]",
    .aiuto = aiuto_formato,
    .posizionali = {posto::nome_facoltativo},
    .rimando_all_aiuto = false,
    .esegui = stampa_manuale,
};

int comando_formato(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_formato, argomenti, out, err);
}
