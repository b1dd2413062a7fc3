#include "scenario/diagnostica.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "compiler/confronto_voci.h"
#include "compiler/lettore_voci.h"
#include "compiler/nearest.h"
#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/da_1252.h"
#include "scenario/tipi_cella.h"

namespace {
// Errors of a point object refused because the cell of its own progressive
// was taken. (The slowdown's errors carry the slowdown's start, not the cell
// of the part refused, so they name no cell.)
int celle_guardate(std::int32_t numero) {
  const voce_errore* e = cerca_errore(numero);
  return e && e->cella_occupata ? 1 : 0;
}

// " (la cella N contiene ...)" for the first taken cell at the error's
// progressive, "" when none is found.
std::string cosa_ingombra(const Form1& f) {
  const int quante = celle_guardate(f.numero_errore);
  if (quante == 0 || !f.percorso_esiste()) return "";
  const std::int64_t prima = nearest(f.progressiva_errore / 50.0 + 1.0);
  for (std::int64_t c = prima; c < prima + quante; ++c) {
    if (c < 0 || c > f.numero_celle) break;
    const cella& x = f.cella_n(static_cast<std::int32_t>(c));
    if (!cella_libera(x))
      return " (la cella " + std::to_string(c) + " contiene " + tipo_cella_con_articolo(x.tipo) + ")";
  }
  return "";
}

std::string riga_a(const std::string& dati, std::size_t offset) {
  std::size_t inizio = 0;
  if (offset > 0) {
    const std::size_t a_capo = dati.find_last_of("\r\n", offset - 1);
    if (a_capo != std::string::npos) inizio = a_capo + 1;
  }
  std::size_t fine = dati.find_first_of("\r\n", offset);
  if (fine == std::string::npos) fine = dati.size();
  return dati.substr(inizio, fine - inizio);
}
// The comma-separated fields of one source line: offset in the file (after
// leading blanks) and text (trailing blanks removed).
struct campo_riga {
  std::size_t offset;
  std::string testo;
};

std::vector<campo_riga> campi_riga(const std::string& dati, std::size_t inizio, std::size_t fine) {
  std::vector<campo_riga> campi;
  while (inizio <= fine) {
    std::size_t virgola = dati.find(',', inizio);
    if (virgola == std::string::npos || virgola > fine) virgola = fine;
    std::size_t a = inizio;
    while (a < virgola && (dati[a] == ' ' || dati[a] == '\t')) ++a;
    std::size_t z = virgola;
    while (z > a && (dati[z - 1] == ' ' || dati[z - 1] == '\t')) --z;
    campi.push_back({a, dati.substr(a, z - a)});
    inizio = virgola + 1;
  }
  return campi;
}

// Every line of the text whose keyword holds parola (letter case ignored), as fields.
template <typename F>
void per_ogni_record(const std::string& dati, std::string_view parola, F&& fai) {
  for (std::size_t inizio = 0; inizio < dati.size();) {
    std::size_t fine = dati.find_first_of("\r\n", inizio);
    if (fine == std::string::npos) fine = dati.size();
    const auto campi = campi_riga(dati, inizio, fine);
    if (campi.size() > 1 && contiene_senza_maiuscole(campi[0].testo, parola)) fai(campi);
    inizio = fine + 1;
  }
}

bool numero_di(const campo_riga& c, std::int32_t& valore) { return converti_numero(c.testo, valore); }

// Errors of the code check have no source place of their own: they belong to
// a slowdown. 11 and 12 lie before its start, 13 inside it or after its end;
// the record is the slowdown of the train file whose start is the first at or
// after the error's progressive (11, 12) or the last at or before it (13).
// Returns the offset of that record's keyword, npos when none fits.
std::size_t rallentamento_di(const Form1& f, const std::string& treno) {
  const bool prima = f.numero_errore == 11 || f.numero_errore == 12;
  std::size_t trovato = std::string::npos;
  std::int64_t migliore = 0;
  per_ogni_record(treno, "rallentamento", [&](const std::vector<campo_riga>& campi) {
    std::int32_t p = 0;
    if (!numero_di(campi[1], p)) return;
    const bool adatto = prima ? p >= f.progressiva_errore : p <= f.progressiva_errore;
    if (adatto && (trovato == std::string::npos || (prima ? p < migliore : p > migliore))) {
      trovato = campi[0].offset;
      migliore = p;
    }
  });
  return trovato;
}

// Error 2 is found after both files are read; the values at fault are the
// start or reference of a chainage series of the line file: the last such
// field off the 50 m step in the file (a later record replaces an earlier one).
std::size_t serie_fuori_passo(const std::string& linea) {
  std::size_t trovato = std::string::npos;
  per_ogni_record(linea, "progressiva chilometrica", [&](const std::vector<campo_riga>& campi) {
    for (std::size_t k = 1; k <= 2 && k < campi.size(); ++k) {
      std::int32_t v = 0;
      if (numero_di(campi[k], v) && v % 50 != 0) {
        trovato = campi[k].offset;
        return;
      }
    }
  });
  return trovato;
}
}  // namespace

diagnostica diagnostica_errore(const Form1& f, const testi_sorgente& t) {
  diagnostica d;
  d.messaggio = rapporto_errore(f.numero_errore, f.progressiva_errore).substr(1) + cosa_ingombra(f);
  origine_errore origine = f.origine;
  if (origine.file == file_sorgente::nessuno && f.numero_errore >= 11 && f.numero_errore <= 13 && t.treno_esiste) {
    const std::size_t offset = rallentamento_di(f, t.treno);
    if (offset != std::string::npos) origine = {file_sorgente::treno, offset};
  }
  if (f.numero_errore == 2 && origine.file == file_sorgente::linea && t.linea_esiste) {
    const std::size_t offset = serie_fuori_passo(t.linea);
    if (offset != std::string::npos) origine.offset = offset;
  }
  d.origine = origine;
  const bool linea = origine.file == file_sorgente::linea;
  if (origine.file == file_sorgente::nessuno) return d;
  if (!(linea ? t.linea_esiste : t.treno_esiste)) return d;
  const std::string& dati = linea ? t.linea : t.treno;
  if (origine.offset > dati.size()) return d;
  const posizione_testo p = posizione_di(dati, origine.offset);
  d.con_posizione = true;
  d.file = linea ? file_linea(f) : file_treno(f);
  d.riga = p.riga;
  d.colonna = p.colonna;
  d.testo_riga = utf8_da_1252(riga_a(dati, origine.offset));
  return d;
}

void stampa_diagnostica(std::ostream& err, const diagnostica& d) {
  if (!d.con_posizione) {
    err << ' ' << d.messaggio << '\n';
    return;
  }
  err << d.file << ':' << d.riga << ':' << d.colonna << ": " << d.messaggio << '\n';
  err << "    " << d.testo_riga << '\n';
  // Each source byte is one character on screen; tabs stay tabs so the caret lines up.
  std::string sotto = "    ";
  std::size_t contati = 0;
  for (unsigned char c : d.testo_riga) {
    if (contati + 1 >= d.colonna) break;
    if ((c & 0xC0) == 0x80) continue;  // continuation byte of a converted character
    sotto += c == '\t' ? '\t' : ' ';
    ++contati;
  }
  err << sotto << "^\n";
}
