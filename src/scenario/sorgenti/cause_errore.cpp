#include <cstdint>
#include <optional>
#include <string>

#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/lettore_voci.h"
#include "compiler/memo_rallentamento.h"
#include "model/campi_cella.h"
#include "model/chilometri.h"
#include "model/form1.h"
#include "scenario/compatti/scenario_compatto.h"
#include "scenario/compatti/tipi_cella.h"
#include "scenario/sorgenti/cascata_errore.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/sorgenti/indice_sorgenti.h"
#include "scenario/sorgenti/luogo_errore.h"
#include "scenario/sorgenti/origini_oggetti.h"
#include "scenario/sorgenti/riga_sorgente.h"
#include "scenario/sorgenti/struttura_sorgente.h"
#include "scenario/testo/da_1252.h"

// The report of an error: the record and field it points at, and what its
// message says beyond the catalogue's words.

namespace {

// The refused item is read again with the item reader, which is put back
// where it was found.
// The number item at an offset; false when it does not fit 32 bits.
bool numero_a(lettore_voci& in, std::size_t offset, std::int32_t& valore) {
  const std::size_t pos = in.pos;
  in.pos = offset;
  bool letto = true;
  try {
    valore = leggi_numero(in);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    letto = false;
  }
  in.pos = pos;
  return letto;
}

// The record of the sources that put the object standing in cell c, by the
// compiler's own rules applied to the texts; riga 0 when none did (a mark of
// the line, a cell of the code check).
diagnostica::correlata chi_occupa(const Form1& f, const testi_sorgente& t, std::int64_t c) {
  diagnostica::correlata n;
  indice_sorgenti ind = indicizza_testi(t.linea_esiste ? &t.linea : nullptr, t.treno_esiste ? &t.treno : nullptr);
  ind.linea.nome = file_linea(f);
  ind.treno.nome = file_treno(f);
  scenario_compatto s;
  s.stazioni = f.stazioni;
  s.percorso = f.percorso;
  const std::vector<origine_cella> o = origini(s, ind);
  if (c < 0 || static_cast<std::size_t>(c) >= o.size() || !o[static_cast<std::size_t>(c)].r) return n;
  const record_sorgente& r = *o[static_cast<std::size_t>(c)].r;
  n.origine = r.nel_treno ? file_sorgente::treno : file_sorgente::linea;
  n.file = file_di(r, ind);
  n.riga = r.riga;
  n.colonna = 1;
  n.cella = true;
  n.messaggio = "qui il record che ha messo " + tipo_cella_con_articolo(f.cella_n(static_cast<std::int32_t>(c)).tipo) +
                " nella cella " + std::to_string(c);
  return n;
}

// Errors of a record refused because a cell it takes was not free: the
// first such cell and what stands there, "" when it cannot be told. The
// record's start (and, for the end of a slowdown, its length) come from the
// source: progressiva_errore holds the start too.
std::string cosa_ingombra(const Form1& f, const struttura_sorgente& s, std::size_t offset_chiave,
                          const testi_sorgente& t, diagnostica::correlata& nota) {
  const std::int32_t n = f.numero_errore;
  if (!f.percorso_esiste()) return "";
  const std::int32_t p = f.progressiva_errore;
  std::int32_t lunghezza = 0;
  if (n == err_fine_rallentamento_occupato) {
    const voce_record* campo = campo_di(s, offset_chiave, 3);
    if (!campo) return "";
    lunghezza = campo->numero;
  }
  const celle_rallentamento r = celle_di_rallentamento(p, lunghezza);
  std::int64_t prima = 0, quante = 1;
  switch (n) {
    case err_cartello_occupato:
    case err_segnale_occupato:
    case err_inizio_rallentamento_occupato:
    case err_indicatore_vmax_occupato:
      prima = cella_di_oggetto(p);
      break;
    case err_abbattimento_occupato:
      prima = cella_di_progressiva(p);
      break;
    case err_avviso_occupato:
      prima = r.avviso;
      break;
    case err_fine_rallentamento_occupato:
      prima = r.fine;
      break;
    case err_tavole_occupate:
      prima = r.tavola - 3;
      quante = 4;
      break;  // the boards, farthest first
    default:
      return "";
  }
  for (std::int64_t c = prima + quante - 1; c >= prima; --c) {
    if (c < 0 || c > f.numero_celle) continue;
    const cella& x = f.cella_n(static_cast<std::int32_t>(c));
    if (!cella_libera(x)) {
      nota = chi_occupa(f, t, c);
      return " (la cella " + std::to_string(c) + " contiene " + tipo_cella_con_articolo(x.tipo) + ")";
    }
  }
  return "";
}

// Error 22: the station refused and the one before it, by name and place.
std::string stazioni_vicine(const Form1& f) {
  if (f.numero_errore != err_stazioni_vicine) return "";
  int k = 0;
  for (int i = 2; i < voce_progressiva_tre; ++i)
    if (f.stazioni[static_cast<std::size_t>(i)].progressiva == f.progressiva_errore &&
        (f.stazioni[static_cast<std::size_t>(i)].fine != 0 || f.stazioni[static_cast<std::size_t>(i)].inizio != 0))
      k = i;
  if (k == 0) return "";
  const stazione& s = f.stazioni[static_cast<std::size_t>(k)];
  const stazione& p = f.stazioni[static_cast<std::size_t>(k - 1)];
  const std::string questa =
      "della stazione " + utf8_da_1252(s.nome) + " (progressiva " + std::to_string(s.progressiva) + ")";
  const std::string precedente =
      "della precedente " + utf8_da_1252(p.nome) + " (progressiva " + std::to_string(p.progressiva) + ")";
  const std::int64_t distanza = std::int64_t{p.progressiva} - s.progressiva;
  if (distanza > 0)
    return ": la stazione " + utf8_da_1252(s.nome) + " (progressiva " + std::to_string(s.progressiva) + ") sta " +
           std::to_string(distanza) + " m prima " + precedente + ": le stazioni vanno scritte in ordine di progressiva";
  const std::int64_t spazio = std::int64_t{s.inizio} - p.fine;
  if (spazio < 0)
    return ": l'area " + questa + " si sovrappone per " + std::to_string(-spazio) + " m a quella " + precedente;
  return ": l'area " + questa + " inizia " + std::to_string(spazio) + " m dopo la fine di quella " + precedente;
}

// Error 10: how many stations the sign texts of the line file leave room for.
std::string posto_per_stazioni(const Form1& f, const testi_sorgente& t) {
  if (f.numero_errore != err_troppe_stazioni || !t.linea_esiste) return "";
  std::int64_t cartelli = 0;
  per_ogni_record(leggi_struttura(t.linea, false), {genere_record::cartello_indicatore},
                  [&](const record_struttura&) { ++cartelli; });
  return " (" + std::to_string(cartelli) + " cartelli indicatori letti dal file della linea: ci stanno al massimo " +
         std::to_string(std::max<std::int64_t>(0, 78 - cartelli)) + " stazioni)";
}

// Error 15: how far the records may reach on this line.
std::string oltre_il_percorso(const Form1& f) {
  if (f.numero_errore != err_oltre_percorso || !f.percorso_esiste()) return "";
  return " (" + std::to_string(metri_di_cella(std::int64_t{f.numero_celle} - 2)) + " m al massimo, " +
         std::to_string(metri_di_cella(std::int64_t{f.numero_celle} - 16)) + " per una stazione)";
}

// Error 25: what the read met at the item.
std::string causa_lettura(const Form1& f, lettore_voci& in, std::size_t offset) {
  if (offset >= in.dati.size()) return "il file finisce dentro un record, prima del suo ultimo valore";
  in.pos = offset;
  std::string voce;
  try {
    voce = leggi_voce(in);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    return "testo oltre 65535 caratteri";
  }
  std::int32_t v = 0;
  const bool cifre = voce.find_first_of("0123456789") == 0 ||
                     (voce.size() > 1 && (voce[0] == '-' || voce[0] == '+') && voce.find_first_of("0123456789") == 1);
  if (cifre && !numero_a(in, offset, v)) return "il valore non entra in un numero di 32 bit";
  if (cifre) return "il valore " + std::to_string(v) + " non entra nel suo campo";
  if (!f.percorso_esiste())
    return "record prima della lunghezza del percorso (la chiave 'lunghezza percorso' della sezione [generale])";
  return "un valore di questo record non entra nel suo campo";
}

std::string nome_file(const Form1& f, file_sorgente file) {
  return file == file_sorgente::linea ? file_linea(f) : file_treno(f);
}

// "(progressiva P)" of a message becomes "(progressiva P, pk 55+700)".
std::string con_punto(std::string messaggio, const diagnostica& d) {
  if (d.punto_chilometrico.empty()) return messaggio;
  const std::string progressiva = "(progressiva " + std::to_string(d.progressiva) + ")";
  if (const std::size_t k = messaggio.find(progressiva); k != std::string::npos)
    messaggio.insert(k + progressiva.size() - 1, ", pk " + d.punto_chilometrico);
  return messaggio;
}

}  // namespace

diagnostica diagnostica_errore(const Form1& f, const testi_sorgente& t) { return diagnostica_errore(f, t, nullptr); }

diagnostica diagnostica_errore(const Form1& f, const testi_sorgente& t, const linea_gia_letta* letta) {
  // A train record that only stopped the reading: the line's record is the error.
  if (const std::optional<causa_nella_linea> causa = errore_lasciato_dalla_linea(f, t, letta)) {
    diagnostica d = diagnostica_errore(*causa->linea, t);
    d.nota = lettura_fermata(f, t, *causa);
    return d;
  }
  diagnostica d;
  d.codice = std::to_string(f.numero_errore);
  origine_errore origine = f.origine;
  // The code check's errors belong to a slowdown of the train file.
  const bool del_controllo = origine.file == file_sorgente::nessuno && f.numero_errore >= err_codice_davanti_segnale &&
                             f.numero_errore <= err_codice_dopo_rallentamento;
  const file_sorgente file = del_controllo ? file_sorgente::treno : origine.file;
  const bool esiste =
      (file == file_sorgente::linea && t.linea_esiste) || (file == file_sorgente::treno && t.treno_esiste);
  lettore_voci in;
  if (esiste) apri_lettore_da_testo(file == file_sorgente::linea ? t.linea : t.treno, in);
  const std::string& dati = in.dati;
  // The file's one walk, from the text as it stands.
  const struttura_sorgente s = esiste ? leggi_struttura(dati, file == file_sorgente::treno) : struttura_sorgente{};
  if (del_controllo && esiste) {
    const std::size_t offset = rallentamento_di(f, s);
    if (offset != std::string::npos) origine = {file_sorgente::treno, offset};
  }
  if (f.numero_errore == err_chilometrica_non_multipla && origine.file == file_sorgente::linea && esiste) {
    const std::size_t offset = serie_fuori_passo(s);
    if (offset != std::string::npos) origine.offset = offset;
  }
  d.origine = origine;
  if (errore_con_progressiva(f.numero_errore)) d.progressiva = f.progressiva_errore;
  const bool al_suo_posto = origine.file != file_sorgente::nessuno && esiste && origine.offset <= dati.size();
  // The place also as the line's signs number it, where a chainage series
  // makes that another number than the distance, on the line.
  if (d.progressiva >= 0 && d.progressiva <= f.stazioni[voce_treno_linea].fine) {
    const punto_chilometrico p = punto_di(serie_chilometriche(f.stazioni), d.progressiva);
    if (p.da_serie) d.punto_chilometrico = testo_punto(p.metri);
  }
  d.messaggio = con_punto(rapporto_errore(f.numero_errore, f.progressiva_errore).substr(1), d) +
                (al_suo_posto ? cosa_ingombra(f, s, origine.offset, t, d.nota) : "") + stazioni_vicine(f) +
                oltre_il_percorso(f) + posto_per_stazioni(f, t);
  // A read error placed in the sources names its own cause instead of the list of all.
  if (f.numero_errore == err_lettura && al_suo_posto)
    d.messaggio =
        "Errore n. " + std::to_string(err_lettura) + ": errore di lettura: " + causa_lettura(f, in, origine.offset);
  if (!al_suo_posto) {
    const file_errore di = file_di_errore(f.numero_errore);
    if (di != file_errore::nessuno)
      d.file = nome_file(f, di == file_errore::linea ? file_sorgente::linea : file_sorgente::treno);
    return d;
  }
  // The reader records the record's keyword: the caret goes to the field at fault.
  std::size_t offset = origine.offset;
  if (const int campo = campo_di_errore(f.numero_errore); campo > 0) {
    if (const voce_record* al_campo = campo_di(s, offset, campo)) offset = al_campo->inizio;
  }
  // A read past the end points after the last character, not at the empty lines after the last line end.
  const indice_righe& righe = s.righe;
  if (offset >= dati.size())
    for (std::size_t r = righe.riga(offset = dati.size()); r > 0 && righe.inizio(r) == righe.fine(r); --r)
      offset = righe.fine(r - 1);
  colloca(d, nome_file(f, origine.file), dati, righe, offset);
  return d;
}

diagnostica diagnostica_fine(const Form1& f, const std::string& a, const testi_sorgente& t) {
  if (f.numero_errore != 0 && a == std::to_string(f.numero_errore)) return diagnostica_errore(f, t);
  diagnostica d;
  d.codice = a;
  d.messaggio = "Errore n. " + a;
  try {
    d.messaggio += std::string(": ") + descrizione_errore(std::stoi(a));
  } catch (const std::exception&) {
  }
  return d;
}
