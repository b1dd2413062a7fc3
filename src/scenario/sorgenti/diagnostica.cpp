#include "scenario/sorgenti/diagnostica.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <system_error>

#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/confronto_voci.h"
#include "compiler/grammatica.h"
#include "compiler/lettore_voci.h"
#include "compiler/memo_indicatori_v_max.h"
#include "compiler/memo_rallentamento.h"
#include "compiler/nearest.h"
#include "model/chilometri.h"
#include "model/form1.h"
#include "model/misure.h"
#include "scenario/compatti/scenario_compatto.h"
#include "scenario/compatti/tipi_cella.h"
#include "scenario/sorgenti/indice_sorgenti.h"
#include "scenario/sorgenti/origini_oggetti.h"
#include "scenario/testo/da_1252.h"
#include "scenario/testo/testo_json.h"

namespace {

constexpr std::size_t mezza_finestra = 100;  // bytes of the source line shown on each side of the caret

// The helpers below read the source with one item reader over its text (a
// source may be megabytes: it is not copied again for each look), each
// putting the reader back where it found it.

// The items of a record after its keyword: the offset of the n-th (from 1),
// npos when the file ends first.
std::size_t offset_campo(lettore_voci& in, std::size_t offset_chiave, int n) {
  const std::size_t pos = in.pos;
  std::size_t trovato = std::string::npos;
  in.pos = offset_chiave;
  try {
    leggi_voce(in);
    int k = 0;
    while (k < n && !fine_file(in)) {
      leggi_numero(in);
      ++k;
    }
    if (k == n) trovato = in.inizio_voce;
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
  }
  in.pos = pos;
  return trovato;
}

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
  n.messaggio = "qui il record che ha messo " + tipo_cella_con_articolo(f.cella_n(static_cast<std::int32_t>(c)).tipo) +
                " nella cella " + std::to_string(c);
  return n;
}

// Errors of a record refused because a cell it takes was not free: the
// first such cell and what stands there, "" when it cannot be told. The
// record's start (and, for the end of a slowdown, its length) come from the
// source: progressiva_errore holds the start too.
std::string cosa_ingombra(const Form1& f, lettore_voci& in, std::size_t offset_chiave, const testi_sorgente& t,
                          diagnostica::correlata& nota) {
  const std::int32_t n = f.numero_errore;
  if (!f.percorso_esiste()) return "";
  const std::int32_t p = f.progressiva_errore;
  std::int32_t lunghezza = 0;
  if (n == err_fine_rallentamento_occupato) {
    const std::size_t campo = offset_campo(in, offset_chiave, 3);
    if (campo == std::string::npos || !numero_a(in, campo, lunghezza)) return "";
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
      prima = nearest(p / 50.0);
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

// Every item of the text that is the keyword of one of the records (by the
// grammar's own test): its offset.
template <typename F>
void per_ogni_voce(lettore_voci& in, std::initializer_list<genere_record> generi, F&& fai) {
  in.pos = 0;
  try {
    while (!fine_file(in)) {
      const std::string voce = leggi_voce(in);
      for (genere_record g : generi)
        if (corrisponde(forma_di_genere(g), voce)) {
          fai(in.inizio_voce);
          break;
        }
    }
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
  }
}

// Errors of the code check have no source place of their own: they belong to
// a slowdown, and the check records the cell it was working at. 11 names a
// signal in the 20 cells before a slowdown's warning sign, 12 the slowdown's
// start cell, 13 a cell inside the slowdown or after its end. The record is
// the slowdown of the train file whose cells fit: for 11 the nearest warning
// after the signal, for 12 the start on that cell, for 13 the last start at
// or before it. Returns the offset of that record's keyword, npos when none
// fits.
std::size_t rallentamento_di(const Form1& f, lettore_voci& treno) {
  const std::int64_t cella = f.progressiva_errore / metri_cella;
  std::size_t trovato = std::string::npos;
  std::int64_t migliore = 0;
  per_ogni_voce(treno, {genere_record::rallentamento}, [&](std::size_t offset) {
    const std::size_t campo = offset_campo(treno, offset, 1);
    std::int32_t p = 0;
    if (campo == std::string::npos || !numero_a(treno, campo, p)) return;
    const celle_rallentamento celle = celle_di_rallentamento(p, 0);
    std::int64_t chiave = 0;  // the lower, the better
    switch (f.numero_errore) {
      case err_codice_davanti_segnale:
        if (!con_avviso(p) || celle.avviso <= cella || celle.avviso > cella + 20) return;
        chiave = celle.avviso;
        break;
      case err_codice_prima_rallentamento:
        if (celle.inizio != cella) return;
        break;
      default:
        if (celle.inizio > cella) return;
        chiave = -celle.inizio;
        break;
    }
    if (trovato == std::string::npos || chiave < migliore) {
      trovato = offset;
      migliore = chiave;
    }
  });
  return trovato;
}

// Error 2 is found after both files are read; the values at fault are the
// start or reference of a chainage series of the line file: the first such
// field off the 50 m step.
std::size_t serie_fuori_passo(lettore_voci& linea) {
  std::size_t trovato = std::string::npos;
  per_ogni_voce(linea,
                {genere_record::progressiva_chilometrica_tre, genere_record::progressiva_chilometrica_due,
                 genere_record::progressiva_chilometrica_uno},
                [&](std::size_t offset) {
                  for (int k = 1; k <= 2 && trovato == std::string::npos; ++k) {
                    const std::size_t campo = offset_campo(linea, offset, k);
                    std::int32_t v = 0;
                    if (campo != std::string::npos && numero_a(linea, campo, v) && v % 50 != 0) trovato = campo;
                  }
                });
  return trovato;
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
  lettore_voci in;
  apri_lettore_da_testo(t.linea, in);
  std::int64_t cartelli = 0;
  per_ogni_voce(in, {genere_record::cartello_indicatore}, [&](std::size_t) { ++cartelli; });
  return " (" + std::to_string(cartelli) + " cartelli indicatori letti dal file della linea: ci stanno al massimo " +
         std::to_string(std::max<std::int64_t>(0, 78 - cartelli)) + " stazioni)";
}

// Error 15: how far the records may reach on this line.
std::string oltre_il_percorso(const Form1& f) {
  if (f.numero_errore != err_oltre_percorso || !f.percorso_esiste()) return "";
  return " (" + std::to_string(std::int64_t{f.numero_celle} * 50 - 100) + " m al massimo, " +
         std::to_string(std::int64_t{f.numero_celle} * 50 - 800) + " per una stazione)";
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

bool stampabile(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return false;
  return !(c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D);
}

// The line holding offset, cut to mezza_finestra bytes on each side of it,
// each byte shown as a character: Windows-1252 in UTF-8, tabs kept, other
// bytes that print nothing as \xNN.
void mostra_riga(diagnostica& d, const std::string& dati, std::size_t offset) {
  // Only the window is looked at: a line may be megabytes long.
  std::size_t da = offset > mezza_finestra ? offset - mezza_finestra : 0;
  bool tagliata_prima = da > 0;
  for (std::size_t i = offset; i > da; --i)
    if (dati[i - 1] == '\r' || dati[i - 1] == '\n') {
      da = i;
      tagliata_prima = false;
      break;
    }
  std::size_t a = offset;
  while (a < dati.size() && a < offset + mezza_finestra && dati[a] != '\r' && dati[a] != '\n') ++a;
  const bool tagliata_dopo = a < dati.size() && dati[a] != '\r' && dati[a] != '\n';
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

void colloca(diagnostica& d, const std::string& nome, const std::string& dati, std::size_t offset, posizione_testo p) {
  d.con_posizione = true;
  d.file = nome;
  d.riga = p.riga;
  d.colonna = p.colonna;
  mostra_riga(d, dati, offset);
}

std::string nome_file(const nomi_scenario& f, file_sorgente file) {
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

diagnostica diagnostica_errore(const Form1& f, const testi_sorgente& t) {
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
  if (del_controllo && esiste) {
    const std::size_t offset = rallentamento_di(f, in);
    if (offset != std::string::npos) origine = {file_sorgente::treno, offset};
  }
  if (f.numero_errore == err_chilometrica_non_multipla && origine.file == file_sorgente::linea && esiste) {
    const std::size_t offset = serie_fuori_passo(in);
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
                (al_suo_posto ? cosa_ingombra(f, in, origine.offset, t, d.nota) : "") + stazioni_vicine(f) +
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
    const std::size_t al_campo = offset_campo(in, offset, campo);
    if (al_campo != std::string::npos) offset = al_campo;
  }
  // A read past the end points after the last character, not at the empty line after the last line end.
  if (offset >= dati.size()) {
    offset = dati.size();
    while (offset > 0 && (dati[offset - 1] == '\r' || dati[offset - 1] == '\n')) --offset;
  }
  colloca(d, nome_file(f, origine.file), dati, offset, posizione_di(dati, offset));
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

diagnostica diagnostica_avviso(const avviso& a, const std::string& file, const std::string& dati) {
  diagnostica d;
  d.avviso = true;
  d.codice = a.codice;
  d.messaggio = a.messaggio;
  colloca(d, file, dati, a.offset, {a.riga, a.colonna});
  return d;
}

std::vector<diagnostica> avvisi_sorgenti(const nomi_scenario& nomi, const testi_sorgente& t, bool con_piano) {
  std::vector<diagnostica> v;
  if (t.linea_esiste)
    for (const avviso& a : avvisi_linea(t.linea, con_piano))
      v.push_back(diagnostica_avviso(a, nome_file(nomi, file_sorgente::linea), t.linea));
  if (t.treno_esiste)
    for (const avviso& a : avvisi_treno(t.treno))
      v.push_back(diagnostica_avviso(a, nome_file(nomi, file_sorgente::treno), t.treno));
  return v;
}

void stampa_diagnostica(std::ostream& err, const diagnostica& d) {
  if (!d.con_posizione) {
    if (!d.file.empty()) err << d.file << ':';
    err << ' ' << d.messaggio << '\n';
    return;
  }
  err << d.file << ':' << d.riga << ':' << d.colonna << ": " << (d.avviso ? "avviso: " : "") << d.messaggio << '\n';
  err << "    " << d.testo_riga << '\n';
  err << "    " << d.rientro << "^\n";
  if (d.nota.riga != 0)
    err << d.nota.file << ':' << d.nota.riga << ':' << d.nota.colonna << ": nota: " << d.nota.messaggio << '\n';
}

void stampa_diagnostica_json(std::ostream& out, const diagnostica& d) {
  out << "{\"genere\": \"" << (d.avviso ? "avviso" : "errore")
      << "\", \"file\": " << (d.file.empty() ? std::string("null") : testo_json(d.file));
  if (d.con_posizione)
    out << ", \"riga\": " << d.riga << ", \"colonna\": " << d.colonna;
  else
    out << ", \"riga\": null, \"colonna\": null";
  out << ", \"codice\": " << testo_json(d.codice) << ", \"numero_errore\": ";
  int numero = 0;
  if (!d.avviso) {
    for (char c : d.codice) numero = c >= '0' && c <= '9' && numero < 100000 ? numero * 10 + (c - '0') : numero;
    out << numero;
  } else {
    out << "null";
  }
  out << ", \"messaggio\": " << testo_json(d.messaggio) << ", \"nota\": ";
  if (d.nota.riga != 0)
    out << "{\"file\": " << testo_json(d.nota.file) << ", \"riga\": " << d.nota.riga
        << ", \"colonna\": " << d.nota.colonna << ", \"messaggio\": " << testo_json(d.nota.messaggio) << "}";
  else
    out << "null";
  out << ", \"progressiva\": " << (d.progressiva >= 0 ? std::to_string(d.progressiva) : std::string("null"))
      << ", \"punto_chilometrico\": "
      << (d.punto_chilometrico.empty() ? std::string("null") : testo_json(d.punto_chilometrico)) << "}";
}

stato sorgente_mancante(const cartella_file& cartella, const nomi_scenario& nomi) {
  for (const std::string& nome : {file_linea(nomi), file_treno(nomi)})
    if (!cartella.esiste(nome)) return stato::non_trovato(cartella.nome_completo(nome));
  return {};
}

void stampa_diagnostiche_json(std::ostream& out, const std::vector<diagnostica>& v) {
  out << '[';
  for (std::size_t k = 0; k < v.size(); ++k) {
    if (k) out << ", ";
    stampa_diagnostica_json(out, v[k]);
  }
  out << ']';
}
