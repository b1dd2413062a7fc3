#include "driver/carico_programma.h"

#include <string>

#include "base/file_disco.h"

stato carico_del_programma(const std::filesystem::path& programma, carico_scenario& c, bool& presente) {
  presente = false;
  c = {};
  if (programma.empty()) return {};  // the system does not say: the embedded scenario
  std::string coda;
  if (stato s = leggi_coda_file_disco(programma, lunghezza_coda, coda); !s.ok()) return s;
  if (coda.size() < lunghezza_coda || coda.compare(0, magia_carico.size(), magia_carico) != 0) return {};
  std::uint64_t lunghezza = 0;
  for (int k = 7; k >= 0; --k)
    lunghezza = (lunghezza << 8) | static_cast<unsigned char>(coda[magia_carico.size() + static_cast<std::size_t>(k)]);
  // The payload and its trailer; a length beyond the file reads the whole
  // file, and the check says how much is missing.
  const std::uint64_t quanti = lunghezza > UINT64_MAX - lunghezza_coda ? UINT64_MAX : lunghezza + lunghezza_coda;
  std::string byte;
  if (stato s = leggi_coda_file_disco(programma, quanti, byte); !s.ok()) return s;
  return leggi_carico(byte, c, presente);
}

std::string messaggio_carico_guasto(const stato& s) {
  const std::string parole =
      s.genere() == genere_stato::valore
          ? "Questa copia del programma \xC3\xA8 danneggiata: lo scenario che contiene non \xC3\xA8 integro "
            "(il file \xC3\xA8 stato troncato o modificato durante la copia). Nessun file \xC3\xA8 stato scritto. "
            "Scarica o copia di nuovo il programma."
          : "Il programma non riesce a leggere se stesso. Nessun file \xC3\xA8 stato scritto.";
  return parole + "\nDettagli: " + s.messaggio();
}
