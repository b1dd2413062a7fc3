#include "scenario/pagina/dati_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "compiler/memo_montagna.h"
#include "compiler/memo_rallentamento.h"
#include "model/campi_cella.h"
#include "model/chilometri.h"
#include "model/form1.h"
#include "model/misure.h"
#include "scenario/compatti/tipi_cella.h"
#include "scenario/pagina/piano_sfoltito.h"
#include "scenario/rapporto/rapporto_scenario.h"
#include "scenario/sorgenti/origini_oggetti.h"
#include "scenario/testo/da_1252.h"
#include "scenario/testo/indice_righe.h"

namespace {
nodo numero(std::int64_t v) { return nodo::di_numero(v); }

nodo lista_di(std::initializer_list<std::int64_t> valori) {
  nodo l = nodo::lista();
  for (std::int64_t v : valori) l.elementi.push_back(numero(v));
  return l;
}

// The number under chiave in an object of the report, or the fallback.
std::int64_t numero_chiave(const nodo& n, const std::string& chiave, std::int64_t altrimenti) {
  for (std::size_t k = 0; k < n.chiavi.size(); ++k)
    if (n.chiavi[k] == chiave && n.elementi[k].genere == nodo::tipo::numero) return n.elementi[k].numero;
  return altrimenti;
}

const nodo* figlio(const nodo& n, const std::string& chiave) {
  for (std::size_t k = 0; k < n.chiavi.size(); ++k)
    if (n.chiavi[k] == chiave) return &n.elementi[k];
  return nullptr;
}

// A profile as runs: first cell and value of each run, flattened.
nodo corse(const std::vector<cella>& celle, std::int64_t (*valore)(const cella&)) {
  nodo l = nodo::lista();
  for (std::size_t i = 0; i < celle.size(); ++i) {
    const std::int64_t v = valore(celle[i]);
    if (i > 0 && v == valore(celle[i - 1])) continue;
    l.elementi.push_back(numero(static_cast<std::int64_t>(i)));
    l.elementi.push_back(numero(v));
  }
  return l;
}

// The page numbers the source files present: the line file first.
std::int64_t numero_file(const record_sorgente& r, const indice_sorgenti& ind) {
  return r.nel_treno && ind.linea.presente ? 1 : 0;
}

nodo fonte(const record_sorgente& r, const indice_sorgenti& ind) {
  return lista_di({numero_file(r, ind), static_cast<std::int64_t>(r.riga)});
}

// The slowdown whose reach holds cell c: from 20 cells before its first cell
// (the warning sign or the farthest board) to 12 cells after its last, where
// the code check places its codes.
const record_sorgente* rallentamento_vicino(const indice_sorgenti& ind, std::int64_t c) {
  for (const record_sorgente& r : ind.record) {
    if (r.genere != genere_record::rallentamento) continue;
    const std::int32_t p = r.numeri[0];
    const celle_rallentamento x = celle_di_rallentamento(p, r.numeri[2]);
    std::int64_t primo = std::min(x.inizio, x.fine), ultimo = std::max(x.inizio, x.fine);
    if (con_avviso(p)) {
      primo = std::min(primo, r.numeri[4] != 0 ? x.tavola - 3 : x.avviso);
      ultimo = std::max(ultimo, x.avviso);
    }
    if (c >= primo - 20 && c <= ultimo + 12) return &r;
  }
  return nullptr;
}

nodo oggetti(const nodo& rapporto, const scenario_compatto& s, const indice_sorgenti& ind) {
  nodo l = nodo::lista();
  const nodo* lista = figlio(rapporto, "oggetti");
  if (!lista) return l;
  const std::vector<origine_cella> da_sorgente = origini(s, ind);
  for (const nodo& o : lista->elementi) {
    const std::int64_t c = numero_chiave(o, "cella", -1), tipo = numero_chiave(o, "tipo", 0);
    const origine_cella* oc = c >= 0 && c < static_cast<std::int64_t>(da_sorgente.size())
                                  ? &da_sorgente[static_cast<std::size_t>(c)]
                                  : nullptr;
    const record_sorgente* r = oc && oc->r && oc->tipo == tipo ? oc->r : nullptr;
    // A code point no record made was placed by the code check for a slowdown:
    // that slowdown's line is shown, marked as such (the fifth number, 1).
    const record_sorgente* per = nullptr;
    if (!r && tipo == cella_codice) per = rallentamento_vicino(ind, c);
    const record_sorgente* q = r ? r : per;
    // The page reads the kind by its key, never by its number.
    nodo voce = lista_di({c, q ? numero_file(*q, ind) : -1, q ? static_cast<std::int64_t>(q->riga) : 0, per ? 1 : 0});
    voce.elementi.insert(voce.elementi.begin() + 1,
                         nodo::di_testo(std::string(chiave_tipo_cella(static_cast<std::uint8_t>(tipo)))));
    l.elementi.push_back(voce);
  }
  return l;
}

nodo stazioni(const nodo& rapporto, const indice_sorgenti& ind) {
  nodo l = nodo::lista();
  const nodo* lista = figlio(rapporto, "stazioni");
  if (!lista) return l;
  // Stations are numbered in the order of their records.
  std::vector<const record_sorgente*> record;
  for (const record_sorgente& r : ind.record)
    if (r.genere == genere_record::stazione) record.push_back(&r);
  for (const nodo& st : lista->elementi) {
    const std::int64_t voce = numero_chiave(st, "voce", 0);
    nodo n;
    const nodo* nome = figlio(st, "nome");
    n.metti("nome", nome ? nome->testo : std::string());
    n.metti("voce", numero_chiave(st, "voce", 0));
    n.metti("tipo", std::string(chiave_tipo_stazione(static_cast<std::uint8_t>(numero_chiave(st, "tipo", 0)))));
    for (const char* k : {"inizio", "fine", "progressiva"}) n.metti(k, numero_chiave(st, k, 0));
    if (voce >= 1 && static_cast<std::size_t>(voce) <= record.size())
      n.metti("fonte", fonte(*record[static_cast<std::size_t>(voce - 1)], ind));
    l.elementi.push_back(n);
  }
  return l;
}

// The cells a profile record covers, as the compiler places it: a value from
// the cell of its progressive; a mountain stretch from its start to its end;
// a bend from the metre after its start to its end.
std::pair<std::int64_t, std::int64_t> celle_profilo(const record_sorgente& r) {
  const std::int32_t p = r.numeri[0];
  switch (r.genere) {
    case genere_record::montagna: {
      const celle_montagna c = celle_di_montagna(p, r.numeri[1]);
      return {c.primo, c.ultimo};
    }
    case genere_record::curva:
      return {cella_di_progressiva(p + 1.0), cella_di_progressiva(static_cast<double>(p) + r.numeri[1])};
    default:
      return {cella_di_progressiva(p), cella_di_progressiva(p)};
  }
}

nodo fonti_profili(const indice_sorgenti& ind) {
  struct voce {
    const char* nome;
    genere_record genere;
  };
  constexpr voce voci[] = {{"pendenza", genere_record::pendenza},
                           {"velocita", genere_record::velocita},
                           {"aderenza", genere_record::aderenza},
                           {"montagna", genere_record::montagna},
                           {"curva", genere_record::curva}};
  nodo n;
  for (const voce& v : voci) {
    nodo l = nodo::lista();
    for (const record_sorgente& r : ind.record)
      if (r.genere == v.genere) {
        const auto [da, a] = celle_profilo(r);
        l.elementi.push_back(lista_di({da, a, numero_file(r, ind), static_cast<std::int64_t>(r.riga)}));
      }
    n.metti(v.nome, l);
  }
  return n;
}

std::int64_t centimetri(double m) { return static_cast<std::int64_t>(std::llround(m * 100.0)); }

nodo piano(const tabella_piano& p) {
  nodo metri = nodo::lista(), x = nodo::lista(), y = nodo::lista(), soglia = nodo::lista();
  for (const punto_sfoltito& q : sfoltisci_piano(p, tolleranza_piano_m)) {
    metri.elementi.push_back(numero(q.metro));
    x.elementi.push_back(numero(centimetri(q.x)));
    y.elementi.push_back(numero(centimetri(q.y)));
    // The ends are needed at every zoom: -1 stands for infinity.
    soglia.elementi.push_back(numero(std::isinf(q.soglia) ? -1 : centimetri(q.soglia)));
  }
  nodo n;
  n.metti("metri", metri).metti("x", x).metti("y", y).metti("soglia", soglia);
  return n;
}

// The lines of a text as the compiler counts them, without the empty line
// after a last line end.
std::vector<std::string> righe_come_il_compilatore(const std::string& testo) {
  const indice_righe indice(testo);
  std::vector<std::string> righe;
  for (std::size_t r = 0; r < indice.righe() && indice.inizio(r) < testo.size(); ++r)
    righe.push_back(testo.substr(indice.inizio(r), indice.fine(r) - indice.inizio(r)));
  return righe;
}

nodo righe_utf8(const std::string& testo) {
  nodo righe = nodo::lista();
  for (const std::string& r : righe_come_il_compilatore(testo))
    righe.elementi.push_back(nodo::di_testo(utf8_da_1252(r)));
  return righe;
}

nodo sorgenti(const indice_sorgenti& ind, const testi_sorgente& t) {
  nodo l = nodo::lista();
  if (t.linea_esiste)
    l.elementi.push_back(nodo().metti("file", utf8_da_1252(ind.linea.nome)).metti("righe", righe_utf8(t.linea)));
  if (t.treno_esiste)
    l.elementi.push_back(nodo().metti("file", utf8_da_1252(ind.treno.nome)).metti("righe", righe_utf8(t.treno)));
  return l;
}

nodo diagnostiche(const std::vector<diagnostica_view>& d, const indice_sorgenti& ind, const testi_sorgente& t) {
  nodo l = nodo::lista();
  for (const diagnostica_view& x : d) {
    std::int64_t file = -1;
    if (!x.file.empty() && t.linea_esiste && x.file == ind.linea.nome) file = 0;
    if (!x.file.empty() && t.treno_esiste && x.file == ind.treno.nome) file = t.linea_esiste ? 1 : 0;
    // The place on the line: the one the message names, else the progressive
    // of the record on the line at fault.
    std::int64_t progressiva = x.progressiva;
    if (progressiva < 0 && file >= 0)
      for (const record_sorgente& r : ind.record)
        if (numero_file(r, ind) == file && r.riga == x.riga && !r.numeri.empty()) {
          progressiva = r.numeri[0];
          break;
        }
    nodo n;
    n.metti("genere", x.genere).metti("file", file).metti("nome_file", x.file);
    n.metti("riga", static_cast<std::int64_t>(x.riga)).metti("colonna", static_cast<std::int64_t>(x.colonna));
    n.metti("messaggio", x.messaggio).metti("progressiva", progressiva);
    l.elementi.push_back(n);
  }
  return l;
}
}  // namespace

nodo dati_view(const scenario_compatto& s, const indice_sorgenti& ind, const testi_sorgente& t,
               const std::vector<diagnostica_view>& d, const nodo* modifiche) {
  const nodo rapporto = rapporto_scenario(s, ind);
  nodo n;
  n.metti("percorso", utf8_da_1252(s.nome_percorso)).metti("treno", utf8_da_1252(s.numero_treno));
  n.metti("lunghezza", static_cast<std::int64_t>(s.stazioni[voce_treno_linea].fine));
  n.metti("celle", static_cast<std::int64_t>(s.percorso.size()));
  n.metti("metri_cella", std::int64_t{metri_cella});
  // The chainage series the page turns distances into kilometre posts with:
  // [start, reference as written], in force after the start.
  nodo serie = nodo::lista();
  for (const serie_chilometrica& x : serie_chilometriche(s.stazioni))
    serie.elementi.push_back(lista_di({x.inizio, x.riferimento}));
  n.metti("serie_chilometriche", serie);
  nodo profili;
  profili.metti("pendenza",
                corse(s.percorso, [](const cella& c) { return static_cast<std::int64_t>(pendenza_per_mille(c)); }));
  profili.metti("velocita",
                corse(s.percorso, [](const cella& c) { return static_cast<std::int64_t>(velocita_km_h(c)); }));
  profili.metti("aderenza", corse(s.percorso, [](const cella& c) { return static_cast<std::int64_t>(c.aderenza); }));
  profili.metti("montagna", corse(s.percorso, [](const cella& c) { return static_cast<std::int64_t>(c.montagna); }));
  n.metti("profili", profili);
  n.metti("oggetti", oggetti(rapporto, s, ind));
  n.metti("stazioni", stazioni(rapporto, ind));
  n.metti("fonti_profili", fonti_profili(ind));
  if (s.piano) n.metti("piano", piano(*s.piano));
  n.metti("sorgenti", sorgenti(ind, t));
  n.metti("diagnostiche", diagnostiche(d, ind, t));
  if (modifiche) n.metti("modifiche", *modifiche);
  n.metti("rapporto", rapporto);
  return n;
}
