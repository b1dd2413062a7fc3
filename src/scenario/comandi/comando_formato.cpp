#include "scenario/comandi/comando_formato.h"

#include "base/codici_uscita.h"
#include "compiler/grammatica.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/comandi/ricerca_formato.h"
#include "scenario/documenti_autore/grammatica_documenti.h"
#include "scenario/sorgenti/manuale_formato.h"

namespace {

const char* const aiuto_formato =
    "uso: scenario formato [NOME]\n"
    "\n"
    "Stampa il manuale del formato dei file sorgente (lo stesso di\n"
    "docs/formato_sorgenti.md): ogni sezione e record dei due file, la sua parola\n"
    "chiave, i suoi campi con unit\xC3\xA0, significato e valori ammessi, un esempio,\n"
    "gli errori e gli avvisi. Con NOME stampa una pagina sola: un record ('scenario\n"
    "formato segnale', 'scenario formato \"lunghezza percorso\"'), una sezione dei\n"
    "sorgenti ('stazioni'), un capitolo ('orari', 'necessari', 'lettura', 'avvisi')\n"
    "o la tabella dei documenti ('documenti'), in maiuscole o minuscole e senza\n"
    "accenti. Prima la pagina di quel nome, poi gli altri posti che la parola\n"
    "nomina (un campo, una parola chiave); per una parola che non c'\xC3\xA8 propone la\n"
    "pi\xC3\xB9 vicina.\n"
    "\n"
    "Stato di uscita: 0 stampato; 64 un errore d'uso.\n";

// A name with a blank goes in quotes on the command line.
std::string comando_per(const std::string& nome) {
  return "scenario formato " + (nome.find(' ') == std::string::npos ? nome : "\"" + nome + "\"");
}

int stampa_manuale(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  if (!a.ha_nome) {
    out << manuale_scenario();
    return uscita_ok;
  }
  const esito_ricerca e = cerca_nel_manuale(a.nome);
  if (e.luoghi.empty()) {
    std::string record = "I record:";
    for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
      for (const forma_record& f : forme) record += " '" + std::string(f.nome) + "'";
    std::string motivo = "nessuna pagina per '" + a.nome + "'";
    if (!e.proposta.empty()) motivo += ": forse '" + e.proposta + "'?";
    stampa_uso(regola_formato, err, motivo, record + "\n", false);
    return uscita_uso;
  }
  // The page of its own name, or of the one place the word names; else a list.
  const bool una_pagina = e.luoghi.front().di_nome || e.luoghi.size() == 1;
  if (una_pagina) out << e.luoghi.front().pagina;
  if (e.luoghi.size() > (una_pagina ? 1u : 0u)) {
    out << (una_pagina ? "\n'" + a.nome + "' si trova anche in:\n\n" : "'" + a.nome + "' si trova in:\n\n");
    for (std::size_t k = una_pagina ? 1 : 0; k < e.luoghi.size(); ++k)
      out << "- " << e.luoghi[k].titolo << ": `" << comando_per(e.luoghi[k].nome) << "`\n";
  }
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
