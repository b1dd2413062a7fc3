#include "scenario/dati_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/cella.h"
#include "model/form1.h"
#include "scenario/da_1252.h"
#include "scenario/piano_sfoltito.h"
#include "scenario/rapporto_scenario.h"

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

nodo fonte(const fonte_riga& f) { return lista_di({f.file, static_cast<std::int64_t>(f.riga)}); }

// The slowdown whose reach holds cell c: from 20 cells before its first cell
// (the warning sign) to 12 cells after its last, where the code check places
// its codes.
const record_vista* rallentamento_vicino(const sorgenti_scenario& f, std::int64_t c) {
  for (const record_vista& r : f.record) {
    if (r.genere != "rallentamento" || r.oggetti.empty()) continue;
    std::int64_t primo = r.oggetti.front().first, ultimo = primo;
    for (const auto& [cella, tipo] : r.oggetti) {
      primo = std::min(primo, cella);
      ultimo = std::max(ultimo, cella);
    }
    if (c >= primo - 20 && c <= ultimo + 12) return &r;
  }
  return nullptr;
}

nodo oggetti(const nodo& rapporto, const sorgenti_scenario& f) {
  nodo l = nodo::lista();
  const nodo* lista = figlio(rapporto, "oggetti");
  if (!lista) return l;
  for (const nodo& o : lista->elementi) {
    const std::int64_t c = numero_chiave(o, "cella", -1), tipo = numero_chiave(o, "tipo", 0);
    const record_vista* r = record_di_oggetto(f, c, static_cast<std::uint8_t>(tipo));
    // A code point no record made was placed by the code check for a slowdown:
    // that slowdown's line is shown, marked as such (the fifth number, 1).
    const record_vista* per = nullptr;
    if (!r && tipo == cella_codice) per = rallentamento_vicino(f, c);
    const record_vista* q = r ? r : per;
    l.elementi.push_back(lista_di({c, tipo, q ? q->fonte.file : -1, q ? static_cast<std::int64_t>(q->fonte.riga) : 0, per ? 1 : 0}));
  }
  return l;
}

nodo stazioni(const nodo& rapporto, const sorgenti_scenario& f) {
  nodo l = nodo::lista();
  const nodo* lista = figlio(rapporto, "stazioni");
  if (!lista) return l;
  for (const nodo& st : lista->elementi) {
    const std::int64_t voce = numero_chiave(st, "voce", 0);
    nodo n;
    const nodo* nome = figlio(st, "nome");
    n.metti("nome", nome ? nome->testo : std::string());
    for (const char* k : {"voce", "tipo", "inizio", "fine", "progressiva"}) n.metti(k, numero_chiave(st, k, 0));
    // Stations are numbered in the order of their records.
    if (voce >= 1 && static_cast<std::size_t>(voce) <= f.stazioni.size())
      n.metti("fonte", fonte(f.stazioni[static_cast<std::size_t>(voce - 1)]));
    l.elementi.push_back(n);
  }
  return l;
}

nodo fonti_profili(const sorgenti_scenario& f) {
  nodo n;
  for (const char* genere : {"pendenza", "velocita", "aderenza", "montagna", "curva"}) {
    nodo l = nodo::lista();
    for (const record_vista& r : f.record)
      if (r.genere == genere) l.elementi.push_back(lista_di({r.da, r.a, r.fonte.file, static_cast<std::int64_t>(r.fonte.riga)}));
    n.metti(genere, l);
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

nodo sorgenti(const sorgenti_scenario& f) {
  nodo l = nodo::lista();
  for (std::size_t k = 0; k < f.nomi.size(); ++k) {
    nodo righe = nodo::lista();
    for (const std::string& r : f.righe[k]) righe.elementi.push_back(nodo::di_testo(r));
    l.elementi.push_back(nodo().metti("file", utf8_da_1252(f.nomi[k])).metti("righe", righe));
  }
  return l;
}

nodo diagnostiche(const std::vector<diagnostica_view>& d, const sorgenti_scenario& f) {
  nodo l = nodo::lista();
  for (const diagnostica_view& x : d) {
    std::int64_t file = -1;
    for (std::size_t k = 0; k < f.nomi.size(); ++k)
      if (!x.file.empty() && f.nomi[k] == x.file) file = static_cast<std::int64_t>(k);
    // The place on the line: the one the message names, else the progressive
    // of the record on the line at fault.
    std::int64_t progressiva = x.progressiva;
    if (progressiva < 0 && file >= 0)
      for (const record_vista& r : f.record)
        if (r.fonte.file == file && r.fonte.riga == x.riga) {
          progressiva = r.progressiva;
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

nodo dati_view(const scenario_compatto& s, const sorgenti_scenario& f, const std::vector<diagnostica_view>& d) {
  const nodo rapporto = rapporto_scenario(s);
  nodo n;
  n.metti("percorso", utf8_da_1252(s.nome_percorso)).metti("treno", utf8_da_1252(s.numero_treno));
  n.metti("lunghezza", static_cast<std::int64_t>(s.stazioni[voce_treno_linea].fine));
  n.metti("celle", static_cast<std::int64_t>(s.percorso.size()));
  nodo profili;
  profili.metti("pendenza", corse(s.percorso, [](const cella& c) { return static_cast<std::int64_t>(c.pendenza) - 100; }));
  profili.metti("velocita", corse(s.percorso, [](const cella& c) { return static_cast<std::int64_t>(c.velocita) * 5; }));
  profili.metti("aderenza", corse(s.percorso, [](const cella& c) { return static_cast<std::int64_t>(c.aderenza); }));
  profili.metti("montagna", corse(s.percorso, [](const cella& c) { return static_cast<std::int64_t>(c.montagna); }));
  n.metti("profili", profili);
  n.metti("oggetti", oggetti(rapporto, f));
  n.metti("stazioni", stazioni(rapporto, f));
  n.metti("fonti_profili", fonti_profili(f));
  if (s.piano) n.metti("piano", piano(*s.piano));
  n.metti("sorgenti", sorgenti(f));
  n.metti("diagnostiche", diagnostiche(d, f));
  n.metti("rapporto", rapporto);
  return n;
}
