#pragma once
// For the tests of the tool: source files that the compiler reads silently
// in a way the author may not mean, made by replacing lines of the embedded
// sources, each with the warning it gives, where, and (when there is one) the
// same source written cleanly, which the compiler reads the same.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"

namespace avvisi_di_prova {

// The embedded source with lines da..a (1-based, inclusive; a = da - 1 puts
// testo in before line da) replaced by testo, which is dropped when empty.
inline std::string con_righe(std::span<const std::string_view> righe, std::size_t da, std::size_t a,
                             const std::string& testo) {
  std::string s;
  std::size_t k = 1;
  auto metti = [&] {
    if (!testo.empty()) s += testo + "\r\n";
  };
  for (std::string_view r : righe) {
    if (r == fine_tabella) break;
    if (k == da) metti();
    if (k < da || k > a) (s += r) += "\r\n";
    ++k;
  }
  if (da >= k) metti();
  return s;
}

struct caso_avviso {
  const char* nome;
  bool nel_treno;
  std::size_t da, a;                  // lines replaced
  std::string testo;                  // what the author wrote there
  std::optional<std::string> pulito;  // the same written cleanly
  const char* codice;
  std::size_t riga, colonna;  // where the warning points
};

inline const caso_avviso casi[] = {
    {"characters after the digits", false, 7, 7, "sfondo due,    220000KM", "sfondo due,    220000",
     "caratteri-dopo-numero", 7, 16},
    {"a letter inside the digits", true, 281, 281, "abbattimento,   10000,   2B0", "abbattimento,   10000,   2",
     "caratteri-dopo-numero", 281, 26},
    {"thousands separator", false, 8, 8, "sfondo tre,    241.000", "sfondo tre,    241", "separatore-migliaia", 8, 16},
    {"a fraction", false, 6, 6, "sfondo uno,    1.4", "sfondo uno,    1", "frazione", 6, 16},
    {"an empty value", false, 6, 6, "sfondo uno,    ", "sfondo uno,    0", "valore-vuoto", 6, 16},
    {"a word for a number", true, 4, 4, "sabbia,    molta", "sabbia,    0", "non-numero", 4, 12},
    {"a record short of a value", false, 125, 125, "pendenza,  9800\r\n   -3", "pendenza,  9800,   -3", "record-corto",
     125, 16},
    {"a clock short of a value", true, 5, 5, "orologio,    13              14\r\n15",
     "orologio,    13              14            15 ", "record-corto", 5, 32},
    {"a value more than the record takes", false, 286, 286, "montagna,   36900,  36950,  12,  5",
     "montagna,   36900,  36950,  12", "record-lungo", 286, 34},
    {"a decimal comma", true, 4, 4, "sabbia,    3,5", "sabbia,    3", "record-lungo", 4, 14},
    {"an unknown keyword", false, 126, 125, "salita,  9850,   -3", "", "parola-sconosciuta", 126, 1},
    {"a key in the wrong letter case", false, 9, 8, "SFONDO UNO,    5", "", "parola-sconosciuta", 9, 1},
    {"a general key among the records", false, 11, 10, "sfondo uno,    5", "", "parola-sconosciuta", 11, 1},
    {"a keyword with a minus sign", true, 283, 283, "abbattimento-,   14200,   270", "", "separatore", 283, 1},
    {"a record before [generale]", false, 1, 0, "lunghezza percorso,    5000", "", "prima-di-generale", 1, 1},
    {"a record after [fine]", false, 417, 417, "[fine]\r\npendenza,  299950,   0", "pendenza,  299950,   0\r\n[fine]",
     "dopo-fine", 418, 1},
    {"a keyword as the file's last item", true, 697, 697, "[fine]\r\nsabbia", "[fine]", "ultima-voce", 698, 1},
    {"UTF-8 in a sign text", false, 394, 394, "cartello_indicatore,  38000,   (PASSAGGIO)(A LIVELLO)(N\xC2\xB0 14)",
     std::nullopt, "utf8", 394, 56},
    {"an empty train file", true, 1, 697, "", std::nullopt, "treno-vuoto", 1, 1},
    {"a train file without stations", true, 72, 116, "", std::nullopt, "senza-stazioni", 71, 1},
    {"a train file without [generale]", true, 1, 1, "", std::nullopt, "senza-generale", 1, 1},
    {"a line without curves", false, 11, 122, "", std::nullopt, "senza-curve", 10, 1},
};

inline std::string linea_di(const caso_avviso& c, bool pulita = false) {
  if (c.nel_treno) return con_righe(righe_linea(), 1, 0, "");
  return con_righe(righe_linea(), c.da, c.a, pulita ? *c.pulito : c.testo);
}

inline std::string treno_di(const caso_avviso& c, bool pulito = false) {
  if (!c.nel_treno) return con_righe(righe_treno(), 1, 0, "");
  return con_righe(righe_treno(), c.da, c.a, pulito ? *c.pulito : c.testo);
}

}  // namespace avvisi_di_prova
