#include "scenario/comandi/documento_json.h"

#include "scenario/testo/testo_json.h"

bool chiede_json(std::span<const std::string> argomenti) {
  for (const std::string& a : argomenti) {
    if (a == "--") break;
    if (a == "--json") return true;
  }
  return false;
}

void apri_documento_json(std::ostream& out, std::string_view comando, int codice_uscita) {
  out << "{\"versione\": " << versione_schema_json << ", \"comando\": " << testo_json(std::string(comando))
      << ", \"codice_uscita\": " << codice_uscita;
}

void stampa_guasto_json(std::ostream& out, std::string_view genere, const std::string& messaggio,
                        const std::string& file) {
  out << "{\"genere\": " << testo_json(std::string(genere)) << ", \"messaggio\": " << testo_json(messaggio)
      << ", \"file\": " << (file.empty() ? std::string("null") : testo_json(file)) << "}";
}

void stampa_documento_guasto(std::ostream& out, std::string_view comando, int codice_uscita, std::string_view genere,
                             const std::string& messaggio, const std::string& file) {
  apri_documento_json(out, comando, codice_uscita);
  out << ", \"guasto\": ";
  stampa_guasto_json(out, genere, messaggio, file);
  out << "}\n";
}
