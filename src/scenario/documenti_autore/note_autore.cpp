#include "scenario/documenti_autore/note_autore.h"

#include "scenario/documenti_autore/testo_autore.h"

std::string note_dell_autore(const std::string* byte, const std::string& file, const std::string& percorso,
                             const std::string& treno, std::vector<std::string>& errori) {
  if (byte) return testo_crlf(righe_autore(*byte, file, errori));
  return testo_crlf({
      percorso + " " + treno + " - note dello scenario.",
      "",
      "Scrivi qui le note per il macchinista: le novit\xE0 di questa versione e i "
      "consigli per condurre il treno sulla linea. Ogni paragrafo \xE8 una riga.",
  });
}
