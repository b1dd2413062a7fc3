#pragma once
// The pages of the timetable sheet as its tests see them: where each page
// starts, what its header boxes say and how many table rows it has.
#include <cstddef>
#include <string>
#include <vector>

#include "content/scrivi_righe.h"
#include "documents/dati_scheda.h"
#include "documents/documento_di_prova.h"

namespace prova_documenti {

inline std::vector<std::string> righe_della_scheda() { return dividi_righe(testo_righe(righe_scheda())).righe; }

struct pagina {
  std::size_t prima_riga;  // line number of the header's top
  std::string etichetta;
  std::string treno, da, a, classe, percentuale, classificazione, massa;
  std::string titolo;
  std::string nota;  // empty: the page has none
  std::size_t righe_tabella;
};

inline const std::string titolo_1 =
    " | Vel.| Vel.| Progr Km |  No |    Localit\xE0 di Servizio    |     Orario     | Rec |";
inline const std::string titolo_2 =
    " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |";
inline const std::string nota = " Dalle ore 23.30 alle ore 4.30 velocit\xE0 massima 160 Km/h";

inline const pagina pagine[] = {
    {4, "SCHEDA  1/3", "   TRENO n. 318    ", "MILANO", "PIACENZA", "    V200 C    ", "     130%     ",
     "     INTERCITY     ", "       700T        ", titolo_1, nota + ". ", 29},
    {54, "SCHEDA  2/3", "   TRENO n. 318    ", "PIACENZA", "CASTELFRANCO E.", "    V200 C    ", "     130%     ",
     "     INTERCITY     ", "       700T        ", titolo_2, nota + ". ", 29},
    {105, "SCHEDA 3/3", "   TRENO n. 318    ", "CASTELFRANCO E.", "PRATO", "    V200 C    ", "     130%     ",
     "     INTERCITY     ", "       700T        ", titolo_2, nota, 29},
    {155, "SCHEDA 4/4", "   TRENO n.xxxxx   ", "xxxxxx", "xxxxxx", "    Vxxx C    ", "     xxx%     ",
     "        xxx        ", "      xxxT         ", titolo_2, "", 31},
};

// Lines of the table from the first heading to the bottom rule.
inline std::vector<std::string> tabella(const std::vector<std::string>& righe, const pagina& p) {
  const auto inizio = righe.begin() + static_cast<std::ptrdiff_t>(p.prima_riga - 1 + 11);
  return {inizio, inizio + static_cast<std::ptrdiff_t>(3 + p.righe_tabella + 1)};
}

// Only the rows (between heading rule and bottom rule).
inline std::vector<std::string> righe_tabella(const std::vector<std::string>& righe, const pagina& p) {
  const auto t = tabella(righe, p);
  return {t.begin() + 3, t.end() - 1};
}

}  // namespace prova_documenti
