#include "scenario/sorgenti/indice_sorgenti.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "base/nomi_file.h"
#include "compiler/confronto_voci.h"
#include "compiler/lettore_voci.h"
#include "base/cartella.h"
#include "base/stato.h"
#include "model/form1.h"

namespace fs = std::filesystem;

namespace {
// A record kind: the words its keyword item holds, the number items that
// follow, whether a text item comes after the numbers, and whether the index
// keeps it (records that place nothing are read over to keep the walk in
// step). Each table is in its reader's order of tests.
struct tipo_record {
  genere_record genere;
  const char* parola;
  const char* seconda_parola;  // nullptr: one word suffices
  int numeri;
  bool con_testo;
  bool conserva;
};

constexpr tipo_record record_linea[] = {
    {genere_record::pendenza, "pendenza", nullptr, 2, false, true},
    {genere_record::curva, "curva", nullptr, 2, false, true},
    {genere_record::montagna, "montagna", nullptr, 3, false, true},
    {genere_record::indicatori_vmax, "indicatori_v", nullptr, 9, false, true},
    {genere_record::cartello, "cartello", "indicat", 1, true, true},
};

constexpr tipo_record record_treno[] = {
    {genere_record::velocita, "frenata", "massa", 1, false, false},
    {genere_record::velocita, "vetture", nullptr, 1, false, false},
    {genere_record::velocita, "velocit", nullptr, 2, false, true},
    {genere_record::aderenza, "aderenza", nullptr, 2, false, true},
    {genere_record::velocita, "orologio", nullptr, 3, false, false},
    {genere_record::velocita, "sabbia", nullptr, 1, false, false},
    {genere_record::segnale, "segnale", nullptr, 11, false, true},
    {genere_record::rallentamento, "rallentamento", nullptr, 6, false, true},
    {genere_record::abbattimento, "abbattimento", nullptr, 2, false, true},
    {genere_record::stazione, "stazione", nullptr, 16, true, true},
};

// 1-based line of an offset, counted on from the last one asked (offsets
// only grow), so a long file is read once.
struct contatore_righe {
  const std::string& dati;
  std::size_t fino_a = 0, riga = 1;
  std::size_t a(std::size_t offset) {
    for (; fino_a < offset && fino_a < dati.size(); ++fino_a) {
      const char c = dati[fino_a];
      if (c == '\n' || (c == '\r' && (fino_a + 1 >= dati.size() || dati[fino_a + 1] != '\n'))) ++riga;
    }
    return riga;
  }
};

bool corrisponde(const std::string& voce, const tipo_record& t) {
  return contiene_senza_maiuscole(voce, t.parola) && (!t.seconda_parola || contiene_senza_maiuscole(voce, t.seconda_parola));
}

record_sorgente leggi_record(lettore_voci& in, const tipo_record& t, bool nel_treno, std::size_t riga) {
  record_sorgente r{t.genere, nel_treno, riga, {}, {}};
  for (int k = 0; k < t.numeri; ++k) r.numeri.push_back(leggi_numero(in));
  if (t.con_testo) r.testo = leggi_voce(in);
  return r;
}

// Items up to and including the first that holds "[generale]".
bool trova_generale(lettore_voci& in) {
  while (!fine_file(in))
    if (contiene_senza_maiuscole(leggi_voce(in), "[generale]")) return true;
  return false;
}

// The next item to examine as a keyword, separators passed over as the
// readers do; false at the end (the file's last item is never examined).
bool prossima_parola(lettore_voci& in, std::string& voce) {
  if (fine_file(in)) return false;
  voce = leggi_voce(in);
  if (fine_file(in)) return false;
  for (int i = 0; i < 2 && separatore(voce); ++i) {
    voce = leggi_voce(in);
    if (fine_file(in)) return false;
  }
  return true;
}

// Walks one file: records from the item after "[generale]" (for the line
// file, after its general section, whose values are in the compact files).
template <std::size_t N>
void indicizza(const std::string& testo, const tipo_record (&tipi)[N], bool nel_treno, sorgente_letta& file,
               std::vector<record_sorgente>& record) {
  lettore_voci in;
  apri_lettore_da_testo(testo, in);
  contatore_righe righe{in.dati};
  try {
    if (!trova_generale(in)) return;
    if (!nel_treno)
      while (!fine_file(in))
        if (intestazione_sezione(leggi_voce(in))) break;
    std::string voce;
    while (prossima_parola(in, voce)) {
      const std::size_t riga = righe.a(in.inizio_voce);
      for (const tipo_record& t : tipi) {
        if (!corrisponde(voce, t)) continue;
        record_sorgente r = leggi_record(in, t, nel_treno, riga);
        if (t.conserva) record.push_back(std::move(r));
      }
    }
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    file.riga_interrotta = righe.a(in.inizio_voce);
  }
}

bool leggi_file(const cartella_file& cartella, const std::string& nome, std::string& testo) {
  return cartella.leggi(nome, testo).ok();
}
}  // namespace

indice_sorgenti indicizza_testi(const std::string* linea, const std::string* treno) {
  indice_sorgenti ind;
  if ((ind.linea.presente = linea != nullptr)) indicizza(*linea, record_linea, false, ind.linea, ind.record);
  if ((ind.treno.presente = treno != nullptr)) indicizza(*treno, record_treno, true, ind.treno, ind.record);
  return ind;
}

indice_sorgenti indicizza_sorgenti(const fs::path& cartella, const std::string& percorso, const std::string& treno) {
  const cartella_disco disco(cartella);
  Form1 f;
  f.nome_percorso = percorso;
  f.numero_treno = treno;
  std::string linea_testo, treno_testo;
  const bool c_linea = leggi_file(disco, file_linea(f), linea_testo);
  const bool c_treno = leggi_file(disco, file_treno(f), treno_testo);
  indice_sorgenti ind = indicizza_testi(c_linea ? &linea_testo : nullptr, c_treno ? &treno_testo : nullptr);
  ind.linea.nome = file_linea(f);
  ind.treno.nome = file_treno(f);
  return ind;
}
