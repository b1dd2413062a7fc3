#include "scenario/rapporto/rapporto_scenario.h"

#include <cstdio>

#include "model/campi_cella.h"
#include "model/chilometri.h"
#include "model/form1.h"
#include "scenario/compatti/tipi_cella.h"
#include "scenario/compatti/valori_cella.h"
#include "scenario/rapporto/profili_rapporto.h"
#include "scenario/sorgenti/origini_oggetti.h"
#include "scenario/testo/da_1252.h"

namespace {
std::string metri(std::int64_t m) { return std::to_string(m) + " m"; }

// "cella 70 (3500-3550 m)"
std::string cella_e_tratto(std::int64_t i) {
  return "cella " + std::to_string(i) + " (" + std::to_string(metri_di_cella(i)) + "-" +
         std::to_string(metri_di_cella(i + 1)) + " m)";
}

// The entry of stazioni that a cell's value names, nullptr when the value
// lies outside the table (a damaged file): the value is never trusted.
const stazione* voce_di(const scenario_compatto& s, std::int32_t k) {
  return k >= 0 && k < numero_stazioni ? &s.stazioni[static_cast<std::size_t>(k)] : nullptr;
}

const std::string fuori_tabella = "(voce fuori tabella)";

// What the object is, said with the progressive the author wrote.
std::string cosa_scritto(const cella& c, const origine_cella& o, const scenario_compatto& s) {
  const record_sorgente& r = *o.r;
  const std::int32_t p = r.numeri[0];
  switch (c.tipo) {
    case cella_avviso_rallentamento:
      return "avviso del rallentamento a " + metri(p) + " (1200 m prima)";
    case cella_inizio_rallentamento:
      return "inizio del rallentamento a " + metri(p);
    case cella_fine_rallentamento:
      return "fine del rallentamento a " + metri(p) + " lungo " + metri(r.numeri[2]) + " (a " +
             metri(std::int64_t{p} + r.numeri[2]) + ")";
    case cella_tavola_distanziometrica:
      return "tavola distanziometrica " + std::to_string(o.tavola) + " del rallentamento a " + metri(p);
    case cella_fine_stazione: {
      // Only entries 1 to 80 are stations.
      const stazione* st = c.valore_1 > 0 && c.valore_1 < voce_progressiva_tre ? voce_di(s, c.valore_1) : nullptr;
      if (!st)
        return "fine della stazione della voce " + std::to_string(c.valore_1) + " " + fuori_tabella + " (stazione a " +
               metri(p) + ")";
      return "fine della stazione " + utf8_da_1252(st->nome) + " (stazione a " + metri(p) + ", area " +
             std::to_string(st->inizio) + "-" + std::to_string(st->fine) + " m)";
    }
    case cella_codice:
      if (r.numeri[1] != c.valore_1)
        return nome_tipo_cella(c.tipo) + " a " + metri(p) + ", codice scritto " + std::to_string(r.numeri[1]) +
               " abbassato a " + std::to_string(c.valore_1) + " dal controllo dei codici";
      return nome_tipo_cella(c.tipo) + " a " + metri(p);
    default:
      return nome_tipo_cella(c.tipo) + " a " + metri(p);
  }
}

// The code check of the compiler places code points of its own, with code
// 180, in front of slowdowns: no record writes them.
bool codice_del_controllo_rapporto(const cella& c) { return c.tipo == cella_codice && c.valore_1 == 180; }

// A board packs each speed pair in one word that reads back as written only
// for speeds in steps of 5 below 500 km/h: "" when it does, else what the
// board now says.
std::string cartello_diverso(const cella& c, const record_sorgente& r) {
  const std::int16_t parole[] = {c.valore_1, c.valore_2, c.valore_3};
  std::string scritto, letto;
  bool diverso = false;
  for (int k = 0; k < 3; ++k) {
    const coppia_vmax v = decodifica_coppia_vmax(parole[k]);
    const std::int32_t prima = r.numeri[static_cast<std::size_t>(1 + k)],
                       seconda = r.numeri[static_cast<std::size_t>(5 + k)];
    diverso = diverso || v.prima != prima || v.seconda != seconda;
    scritto += (k ? ", " : "") + std::to_string(prima) + "/" + std::to_string(seconda);
    letto += (k ? ", " : "") + std::to_string(v.prima) + "/" + std::to_string(v.seconda);
  }
  if (!diverso) return "";
  return "le velocit\xC3\xA0 scritte " + scritto +
         " non sono tutte multipli di 5 sotto 500 km/h: il cartello si legge " + letto;
}

// The values of the object in c, each under the name of the record field that
// set it (the legend says what each is); a station end or an indication sign
// also gives the text of the entry its value names.
nodo valori_oggetto(const scenario_compatto& s, const cella& c) {
  nodo n;
  for (const valore_di_cella& v : valori_di_cella(c.tipo)) n.metti(std::string(v.nome), leggi_valore(c, v));
  if (c.tipo == cella_fine_stazione || c.tipo == cella_cartello_indicatore) {
    // The index comes from the file: only a real entry is looked up.
    const stazione* voce = voce_di(s, c.valore_1);
    n.metti("testo", voce ? utf8_da_1252(voce->nome) : fuori_tabella);
  }
  return n;
}

// What each value of each kind of object means, once for the whole report.
nodo legenda_valori() {
  nodo lista = nodo::lista();
  for (int t = 1; t < 256; ++t) {
    const auto tipo = static_cast<std::uint8_t>(t);
    const auto valori = valori_di_cella(tipo);
    if (valori.empty()) continue;
    nodo voci = nodo::lista();
    for (const valore_di_cella& v : valori) {
      nodo x;
      x.metti("nome", std::string(v.nome));
      x.metti("unita", v.unita.empty() ? nodo::nullo() : nodo::di_testo(std::string(v.unita)));
      x.metti("campo_della_cella", std::string(v.campo)).metti("significato", std::string(v.significato));
      x.metti("descrizione", std::string(v.nome) + (v.unita.empty() ? "" : " (" + std::string(v.unita) + ")") + ": " +
                                 std::string(v.significato));
      voci.elementi.push_back(x);
    }
    const std::string record(record_di_cella(tipo));
    lista.elementi.push_back(nodo()
                                 .metti("tipo", t)
                                 .metti("oggetto", nome_tipo_cella(tipo))
                                 .metti("record", record)
                                 .metti("descrizione", nome_tipo_cella(tipo) + " (tipo " + std::to_string(t) +
                                                           ", dal record " + record + ")")
                                 .metti("valori", voci));
  }
  return lista;
}

nodo serie_chilometriche(const scenario_compatto& s) {
  nodo serie = nodo::lista();
  for (int k = voce_progressiva_tre; k <= voce_progressiva_uno; ++k) {
    const stazione& v = s.stazioni[static_cast<std::size_t>(k)];
    nodo x;
    x.metti("voce", k).metti("inizio", v.inizio).metti("riferimento", v.fine).metti("flag", v.progressiva);
    // A flag of 1 moves the written reference on by 100 m when the series are sorted.
    if (v.progressiva == 1) {
      const std::int64_t scritto = std::int64_t{v.fine} - aggiunta_serie_con_flag;
      x.metti("riferimento_scritto", scritto);
      x.metti("spiegazione", std::to_string(v.fine) + " = " + std::to_string(scritto) + " + " +
                                 std::to_string(aggiunta_serie_con_flag));
    } else {
      x.metti("riferimento_scritto", v.fine);
      x.metti("spiegazione", std::to_string(v.fine) + " come scritto");
    }
    serie.elementi.push_back(x);
  }
  return serie;
}

nodo generali(const scenario_compatto& s) {
  const auto& v = s.stazioni;
  nodo g;
  g.metti("lunghezza_linea_m", v[voce_treno_linea].fine);
  g.metti("serie_chilometriche", serie_chilometriche(s));
  const stazione& sf = v[voce_sfondo];
  g.metti("sfondo", nodo().metti("uno", sf.inizio).metti("due", sf.progressiva).metti("tre", sf.fine));
  const stazione& r = v[voce_ripetizione];
  g.metti("ripetizione_segnali",
          nodo().metti("inizio_m", r.inizio).metti("fine_m", r.fine).metti("codici", r.progressiva));
  g.metti("treno", nodo()
                       .metti("numero", utf8_da_1252(r.nome))
                       .metti("massa_frenata_percento", v[voce_treno_linea].inizio)
                       .metti("vetture", v[voce_treno_linea].progressiva)
                       .metti("sabbia", r.campo_7));
  char orologio[32];
  std::snprintf(orologio, sizeof orologio, "%02d:%02d:%02d", r.campo_9, r.campo_10, r.campo_11);
  g.metti("orologio", std::string(orologio));
  nodo marchi;
  marchi.metti("percorso", utf8_da_1252(sf.nome)).metti("marchio_scenario", sf.campo_7);
  marchi.metti("codice_scenario", sf.orario);
  if (s.percorso.size() > 1)
    marchi.metti("marchio_cella_1", s.percorso[1].valore_1).metti("codice_cella_1", s.percorso[1].valore_2);
  g.metti("marchi_e_codici", marchi);
  return g;
}

nodo stato_sorgente(const sorgente_letta& f) {
  nodo n;
  n.metti("file", f.nome).metti("presente", nodo::di_booleano(f.presente));
  if (f.riga_interrotta) n.metti("letta_fino_alla_riga", static_cast<std::int64_t>(f.riga_interrotta));
  return n;
}

// The kilometre post of a progressive, as the line's signs and the timetable
// sheet give it ("55+700"), beside its metres.
void metti_punto(nodo& n, const std::vector<serie_chilometrica>& serie, std::int64_t progressiva) {
  const punto_chilometrico k = punto_di(serie, progressiva);
  n.metti("punto_chilometrico", testo_punto(k.metri)).metti("punto_chilometrico_m", k.metri);
}

nodo stazioni(const scenario_compatto& s, const indice_sorgenti& ind) {
  const std::vector<serie_chilometrica> serie = serie_chilometriche(s.stazioni);
  std::vector<const record_sorgente*> record;
  for (const record_sorgente& r : ind.record)
    if (r.genere == genere_record::stazione) record.push_back(&r);
  nodo lista = nodo::lista();
  for (int k = 1; k < voce_progressiva_tre; ++k) {
    const stazione& x = s.stazioni[static_cast<std::size_t>(k)];
    if (x.tipo == 0 && x.inizio == 0 && x.fine == 0 && x.progressiva == 0) continue;
    nodo n;
    n.metti("voce", k).metti("nome", utf8_da_1252(x.nome)).metti("tipo", x.tipo);
    // The only thing the compiler does with the kind: from primo_tipo_senza_area
    // up a station has neither the end marker nor the approach marks.
    const std::string soglia = std::to_string(primo_tipo_senza_area);
    n.metti("significato_tipo", stazione_con_area(x.tipo)
                                    ? "sotto " + soglia + ": marcatore di fine e marche di avvicinamento"
                                    : soglia + " o pi\xC3\xB9: senza marcatore di fine n\xC3\xA9 marche");
    n.metti("progressiva", x.progressiva).metti("inizio", x.inizio).metti("fine", x.fine);
    metti_punto(n, serie, x.progressiva);
    n.metti("orario", ore_minuti_secondi(x.orario));
    if (stazione_con_area(x.tipo)) n.metti("cella_fine", cella_del_metro(x.fine) - 1);
    if (static_cast<std::size_t>(k) <= record.size())
      n.metti("sorgente", sorgente_di(*record[static_cast<std::size_t>(k - 1)], ind));
    lista.elementi.push_back(n);
  }
  return lista;
}
}  // namespace

std::string ore_minuti_secondi(std::int32_t secondi) {
  const std::int64_t t = secondi;
  const std::int64_t a = t < 0 ? -t : t;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%s%02lld:%02lld:%02lld", t < 0 ? "-" : "", static_cast<long long>(a / 3600),
                static_cast<long long>(a / 60 % 60), static_cast<long long>(a % 60));
  return buf;
}

nodo rapporto_scenario(const scenario_compatto& s, const indice_sorgenti& ind) {
  nodo r;
  r.metti("percorso", utf8_da_1252(s.nome_percorso)).metti("treno", utf8_da_1252(s.numero_treno));
  const std::int32_t lunghezza = s.stazioni[voce_treno_linea].fine;
  r.metti("generali", generali(s));
  r.metti("sorgenti", nodo().metti("linea", stato_sorgente(ind.linea)).metti("treno", stato_sorgente(ind.treno)));
  r.metti("stazioni", stazioni(s, ind));
  r.metti("profili", profili(s, ind, lunghezza));

  const std::vector<origine_cella> da_sorgente = origini(s, ind);
  const std::vector<serie_chilometrica> serie = serie_chilometriche(s.stazioni);
  nodo oggetti = nodo::lista();
  nodo discordanze = nodo::lista();
  std::int64_t per_tipo[256] = {};
  for (std::size_t i = 0; i < s.percorso.size(); ++i) {
    const cella& c = s.percorso[i];
    const origine_cella& o = da_sorgente[i];
    ++per_tipo[c.tipo];
    const bool scritto = o.r && o.tipo == c.tipo;
    if (o.r && !scritto)
      discordanze.elementi.push_back(nodo::di_testo(
          cella_e_tratto(static_cast<std::int64_t>(i)) + ": " + file_di(*o.r, ind) + " riga " +
          std::to_string(o.r->riga) + " vi mette " + tipo_cella_con_articolo(o.tipo) + ", i file compatti hanno " +
          (cella_libera(c) ? std::string("una cella libera") : tipo_cella_con_articolo(c.tipo))));
    if (cella_libera(c)) continue;
    nodo n;
    n.metti("cella", static_cast<std::int64_t>(i));
    n.metti("da_m", metri_di_cella(static_cast<std::int64_t>(i)))
        .metti("a_m", metri_di_cella(static_cast<std::int64_t>(i + 1)));
    n.metti("tipo", c.tipo).metti("oggetto", nome_tipo_cella(c.tipo));
    // Where the author wrote it, else where its cell begins.
    metti_punto(n, serie, scritto ? std::int64_t{o.r->numeri[0]} : metri_di_cella(static_cast<std::int64_t>(i)));
    std::string descrizione = cella_e_tratto(static_cast<std::int64_t>(i)) + ", ";
    if (scritto) {
      n.metti("progressiva_scritta", o.r->numeri[0]);
      n.metti("sorgente", sorgente_di(*o.r, ind));
      nodo numeri = nodo::lista();
      for (std::int32_t v : o.r->numeri) numeri.elementi.push_back(nodo::di_numero(v));
      n.metti("numeri_scritti", numeri);
      descrizione += cosa_scritto(c, o, s) + " (" + file_di(*o.r, ind) + " riga " + std::to_string(o.r->riga) + ")";
    } else if (!o.r && !ind.vuoto() && codice_del_controllo_rapporto(c)) {
      n.metti("messo_da", std::string("controllo dei codici"));
      descrizione += nome_tipo_cella(c.tipo) +
                     " messo dal controllo dei codici davanti a un rallentamento (nessun record lo scrive)";
    } else {
      descrizione +=
          nome_tipo_cella(c.tipo) + ": solo la cella \xC3\xA8 nota" +
          std::string(ind.vuoto() ? " (sorgenti non trovate)" : " (nessun record delle sorgenti la riempie)");
      if (!ind.vuoto())
        discordanze.elementi.push_back(nodo::di_testo(cella_e_tratto(static_cast<std::int64_t>(i)) + ": " +
                                                      tipo_cella_con_articolo(c.tipo) +
                                                      " che nessun record delle sorgenti mette qui"));
    }
    n.metti("descrizione", descrizione);
    n.metti("valori", valori_oggetto(s, c));
    if (scritto && c.tipo == cella_indicatore_vmax) {
      const std::string avviso = cartello_diverso(c, *o.r);
      if (!avviso.empty()) n.metti("attenzione", avviso);
    }
    oggetti.elementi.push_back(n);
  }

  nodo celle;
  celle.metti("numero", static_cast<std::int64_t>(s.percorso.size()))
      .metti("metri_per_cella", std::int64_t{metri_cella});
  celle.metti("celle_della_linea", cella_del_metro(std::max(lunghezza, 0)));
  nodo tipi = nodo::lista();
  for (int t = 0; t < 256; ++t)
    if (per_tipo[t] && t != cella_vuota)
      tipi.elementi.push_back(nodo()
                                  .metti("tipo", t)
                                  .metti("nome", nome_tipo_cella(static_cast<std::uint8_t>(t)))
                                  .metti("quante", per_tipo[t]));
  celle.metti("per_tipo", tipi);
  r.metti("celle", celle);
  r.metti("significato_dei_valori", legenda_valori());
  r.metti("oggetti", oggetti);
  if (!ind.vuoto()) {
    // Sources of another scenario would disagree everywhere: the first ones say enough.
    constexpr std::size_t mostrate = 100;
    r.metti("numero_discordanze", static_cast<std::int64_t>(discordanze.elementi.size()));
    if (discordanze.elementi.size() > mostrate) discordanze.elementi.resize(mostrate);
    r.metti("discordanze_con_le_sorgenti", discordanze);
  }
  nodo piano;
  piano.metti("presente", nodo::di_booleano(s.piano.has_value()));
  if (s.piano) piano.metti("punti", static_cast<std::int64_t>(s.piano->punti()));
  r.metti("planimetria", piano);
  return r;
}
