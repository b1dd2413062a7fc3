#include "scenario/sorgenti/riga_sorgente.h"

#include <algorithm>
#include <string_view>

#include "scenario/testo/da_1252.h"

namespace {

constexpr std::size_t mezza_finestra = 100;  // bytes of the source line shown on each side of the caret

bool stampabile(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return false;
  return !(c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D);
}

// The line holding offset, cut to mezza_finestra bytes on each side of it,
// each byte shown as a character: Windows-1252 in UTF-8, tabs kept, other
// bytes that print nothing as \xNN.
void mostra_riga(diagnostica& d, const std::string& dati, const indice_righe& righe, std::size_t offset) {
  // Only the window is looked at: a line may be megabytes long.
  const std::size_t r = righe.riga(offset);
  const std::size_t inizio = righe.inizio(r), fine = righe.fine(r);
  const bool tagliata_prima = offset - inizio > mezza_finestra;
  const std::size_t da = tagliata_prima ? offset - mezza_finestra : inizio;
  const std::size_t a = std::min(fine, offset + mezza_finestra);
  const bool tagliata_dopo = a < fine;
  d.testo_riga.clear();
  d.rientro.clear();
  if (tagliata_prima) {
    d.testo_riga = "...";
    d.rientro = "   ";
  }
  for (std::size_t i = da; i < a; ++i) {
    const unsigned char c = static_cast<unsigned char>(dati[i]);
    std::string mostrato;
    if (c == '\t')
      mostrato = "\t";
    else if (stampabile(c))
      mostrato = utf8_da_1252(std::string_view(&dati[i], 1));
    else {
      static const char cifre[] = "0123456789ABCDEF";
      mostrato = std::string("\\x") + cifre[c >> 4] + cifre[c & 15];
    }
    d.testo_riga += mostrato;
    if (i < offset) d.rientro += c == '\t' ? std::string("\t") : std::string(stampabile(c) ? 1 : 4, ' ');
  }
  if (tagliata_dopo) d.testo_riga += "...";
}

}  // namespace

void colloca(diagnostica& d, const std::string& nome, const std::string& dati, const indice_righe& righe,
             std::size_t offset) {
  const posizione_riga p = posizione_1(righe, offset);
  d.con_posizione = true;
  d.file = nome;
  d.riga = p.riga;
  d.colonna = p.colonna;
  mostra_riga(d, dati, righe, offset);
}
