#include "compiler/lettore_voci.h"

#include <limits>

#include "base/cartella.h"
#include "base/stato.h"

namespace {

constexpr std::size_t lunghezza_massima_testo = 65535;

bool bianco(char c) { return c == ' ' || c == '\t'; }
bool fine_riga(char c) { return c == '\r' || c == '\n'; }

void salta_bianchi(lettore_voci& in) {
  while (in.pos < in.dati.size() && bianco(in.dati[in.pos])) ++in.pos;
}

// After an item: blanks, then one comma or one line end if it stands there.
void chiudi_voce(lettore_voci& in) {
  salta_bianchi(in);
  if (in.pos >= in.dati.size()) return;
  char c = in.dati[in.pos];
  if (c == ',' || c == '\n') {
    ++in.pos;
  } else if (c == '\r') {
    ++in.pos;
    if (in.pos < in.dati.size() && in.dati[in.pos] == '\n') ++in.pos;
  }
}

void inizia_voce(lettore_voci& in) {
  if (fine_file(in)) interrompi(stato::lettura());
  salta_bianchi(in);
  in.inizio_voce = in.pos;
}

}  // namespace

bool apri_lettore(const cartella_file& cartella, const std::string& nome, lettore_voci& in) {
  stato s = cartella.leggi(nome, in.dati);
  if (s.genere() == genere_stato::non_trovato) return false;
  verifica(std::move(s));
  in.pos = 0;
  in.inizio_voce = 0;
  in.fine_voce = 0;
  return true;
}

void apri_lettore_da_testo(std::string testo, lettore_voci& in) {
  in.dati = std::move(testo);
  in.pos = 0;
  in.inizio_voce = 0;
  in.fine_voce = 0;
}

bool fine_file(const lettore_voci& in) { return in.pos >= in.dati.size(); }

std::string leggi_voce(lettore_voci& in) {
  inizia_voce(in);
  std::size_t fine = in.pos;
  while (fine < in.dati.size() && in.dati[fine] != ',' && !fine_riga(in.dati[fine])) ++fine;
  std::size_t ultimo = fine;
  while (ultimo > in.pos && bianco(in.dati[ultimo - 1])) --ultimo;
  if (ultimo - in.pos > lunghezza_massima_testo) interrompi(stato::lettura());
  std::string voce = in.dati.substr(in.pos, ultimo - in.pos);
  in.fine_voce = ultimo;
  in.pos = fine;
  chiudi_voce(in);
  return voce;
}

bool converti_numero(const std::string& t, std::int32_t& valore) {
  std::size_t i = 0;
  bool negativo = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negativo = t[i] == '-';
    ++i;
  }
  // Integral part, saturated far beyond the 32-bit range.
  constexpr std::int64_t tetto = std::int64_t{1} << 40;
  std::int64_t intero = 0;
  bool cifre = false;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
    intero = intero * 10 + (t[i] - '0');
    if (intero > tetto) intero = tetto;
    cifre = true;
    ++i;
  }
  // Fraction, decided on its digits as written: above, below or exactly a half.
  int confronto_mezzo = -1;  // -1 below a half, 0 exactly, 1 above
  if (i + 1 < t.size() && t[i] == '.' && t[i + 1] >= '0' && t[i + 1] <= '9') {
    ++i;
    cifre = true;
    char prima = t[i++];
    bool resto_non_zero = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
      if (t[i] != '0') resto_non_zero = true;
      ++i;
    }
    if (prima > '5' || (prima == '5' && resto_non_zero))
      confronto_mezzo = 1;
    else if (prima == '5')
      confronto_mezzo = 0;
  }
  if (!cifre) {
    valore = 0;
    return true;
  }
  if (confronto_mezzo == 1 || (confronto_mezzo == 0 && intero % 2 == 1)) ++intero;
  std::int64_t v = negativo ? -intero : intero;
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) return false;
  valore = static_cast<std::int32_t>(v);
  return true;
}

std::int32_t leggi_numero(lettore_voci& in) {
  inizia_voce(in);
  std::size_t fine = in.pos;
  while (fine < in.dati.size() && in.dati[fine] != ',' && !bianco(in.dati[fine]) && !fine_riga(in.dati[fine])) ++fine;
  std::string testo = in.dati.substr(in.pos, fine - in.pos);
  in.fine_voce = fine;
  in.pos = fine;
  chiudi_voce(in);
  std::int32_t valore = 0;
  if (!converti_numero(testo, valore)) interrompi(stato::lettura());
  return valore;
}
