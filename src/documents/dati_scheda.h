#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "documents/cornici_documenti.h"

struct Form1;

// The driver's document, one slot a line, closed by the end marker.
std::span<const std::string_view> righe_scheda();
// A row of the sheet as the paper prints it, with the progressive of the
// place it names (a row without a kilometre stands where its change is).
struct riga_scheda_incorporata {
  std::int64_t progressiva;
  celle_scheda celle;
};
struct pagina_scheda_incorporata {
  intestazione_scheda intestazione;
  std::vector<riga_scheda_incorporata> righe;
  std::string nota;  // as printed
};
// The pages of the run, and the header of the blank form after them.
const std::vector<pagina_scheda_incorporata>& pagine_scheda();
intestazione_scheda modulo_scheda();

// Writes it into the run's folder.
void dati_scheda(const Form1& f);
