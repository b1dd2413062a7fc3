#pragma once
// The embedded scenario's sources in a folder in memory, for the tests of the
// documents made from sources.
#include <string>
#include <string_view>
#include <vector>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "model/form1.h"

namespace prova_documenti_autore {

inline Form1 nomi_incorporati() {
  Form1 n;
  n.nome_percorso = "Velstra_Ordoven";
  n.numero_treno = "318";
  return n;
}

// The folder with the two embedded sources; the train file passed through
// modifica first when given.
template <class F>
void metti_sorgenti(cartella_memoria& c, F modifica) {
  const Form1 n = nomi_incorporati();
  std::string treno = testo_righe(righe_treno());
  modifica(treno);
  c.sostituisci(file_linea(n), testo_righe(righe_linea()));
  c.sostituisci(file_treno(n), treno);
}
inline void metti_sorgenti(cartella_memoria& c) {
  metti_sorgenti(c, [](std::string&) {});
}

inline void sostituisci_testo(std::string& t, std::string_view da, std::string_view a) {
  const std::size_t i = t.find(da);
  if (i != std::string::npos) t.replace(i, da.size(), a);
}

// The lines of a document without their CR LF.
inline std::vector<std::string> righe_di(const std::string& testo) {
  std::vector<std::string> v;
  for (std::size_t i = 0; i < testo.size();) {
    const std::size_t f = testo.find("\r\n", i);
    v.push_back(testo.substr(i, f - i));
    i = f + 2;
  }
  return v;
}

inline std::string senza_blank(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  return a == std::string::npos ? "" : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// The cells of a table row between its bars, blanks trimmed.
inline std::vector<std::string> celle_di(const std::string& riga) {
  std::vector<std::string> c;
  std::size_t i = riga.find('|');
  while (i != std::string::npos) {
    const std::size_t j = riga.find('|', i + 1);
    if (j == std::string::npos) break;
    c.push_back(senza_blank(riga.substr(i + 1, j - i - 1)));
    i = j;
  }
  return c;
}

}  // namespace prova_documenti_autore
