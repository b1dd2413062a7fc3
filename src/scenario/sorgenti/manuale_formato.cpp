#include "scenario/sorgenti/manuale_formato.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <map>
#include <span>
#include <utility>
#include <vector>

#include "base/catalogo_errori.h"
#include "compiler/piano_linea.h"
#include "scenario/sorgenti/struttura_sorgente.h"
#include "scenario/sorgenti/valori_incorporati.h"

namespace {

// Each item of the example line after its keyword, as the reader reads it.
std::vector<std::string> valori_esempio(const forma_record& r) {
  const std::string riga = std::string(r.esempio) + "\r\n";
  std::vector<std::string> v;
  for (const voce_record& c : leggi_riga_record(r, riga).campi) v.push_back(riga.substr(c.inizio, c.fine - c.inizio));
  return v;
}

std::string parola_chiave_manuale(const forma_record& r) {
  std::string s = "la voce contiene \"" + std::string(r.parola_1) + "\"";
  if (!r.parola_2.empty()) s += " e \"" + std::string(r.parola_2) + "\"";
  s += r.senza_maiuscole ? ", maiuscole o minuscole" : ", proprio in minuscolo";
  if (r.solo_con_piano)
    s += "; \xC3\xA8 un record solo quando si costruisce la planimetria (altrimenti i suoi valori sono scorsi come "
         "voci)";
  return s;
}

std::string genere_voce(genere_campo g) {
  switch (g) {
    case genere_campo::numero:
      return "numero";
    case genere_campo::vuoto_zero:
      return "numero, pu\xC3\xB2 restare vuoto (0)";
    case genere_campo::codice:
      return "numero, o un testo come AC (0)";
    case genere_campo::testo:
      return "testo";
  }
  return "";
}

// The warnings of check that the shape of the record can raise.
std::vector<std::string_view> avvisi_di(const forma_record& r) {
  bool numeri = false, obbligatori = false;
  for (const campo_record& c : r.campi) {
    numeri = numeri || c.genere != genere_campo::testo;
    obbligatori = obbligatori || c.genere == genere_campo::numero || c.genere == genere_campo::codice;
  }
  std::vector<std::string_view> a = {"record-corto", "record-lungo"};
  if (numeri) a.insert(a.end(), {"non-numero", "frazione", "separatore-migliaia", "caratteri-dopo-numero"});
  if (obbligatori) a.push_back("valore-vuoto");
  if (r.genere == genere_record::stazione) a.insert(a.end(), {"orario-oltre-59", "orario-indietro"});
  return a;
}

// The slips of the author that check counts as errors, where this record can
// make them: the compiled record differs from what the line plainly says.
std::vector<std::string_view> sviste_di(const forma_record& r) {
  const bool numeri = std::any_of(r.campi.begin(), r.campi.end(),
                                  [](const campo_record& c) { return c.genere != genere_campo::testo; });
  std::vector<std::string_view> a = {"parola-vicina"};
  if (numeri) a.insert(a.end(), {"lettera-o", "record-spostato"});
  return a;
}

// A table cell: no line break, no bar.
std::string cella_manuale(std::string_view t) {
  std::string s;
  for (char c : t) s += c == '|' ? std::string("\\|") : std::string(1, c);
  return s.empty() ? "" : s;
}

std::string titolo_sezione(sezione_grammatica s) {
  switch (s) {
    case sezione_grammatica::generale:
      return "File della linea, sezione [generale]";
    case sezione_grammatica::linea:
      return "File della linea, record dopo la sezione [generale]";
    case sezione_grammatica::treno:
      return "File del treno";
  }
  return "";
}

constexpr std::string_view introduzione =
    "# Il formato dei file sorgente\n"
    "\n"
    "Questo manuale \xC3\xA8 fatto dallo strumento a partire dalla grammatica che il compilatore usa: "
    "`scenario formato` lo stampa, `scenario formato NOME` stampa la pagina di un record "
    "(per esempio `scenario formato segnale`).\n"
    "\n"
    "Uno scenario ha due file sorgente nella stessa cartella:\n"
    "\n"
    "- il file della linea, `ROUTE_linea.txt`: la sezione `[generale]` (lunghezza, serie chilometriche, "
    "sfondo, ripetizione dei segnali) e poi i record della linea (pendenze, curve, montagne, cartelli);\n"
    "- il file del treno, `ROUTE_TRAIN-.txt`: dopo `[generale]`, i valori del treno, i profili di velocit\xC3\xA0 e "
    "aderenza, le stazioni, i rallentamenti, i segnali e i punti di codice.\n"
    "\n"
    "Per cominciare da zero: [il primo scenario](primo_scenario.md), una linea e un treno piccoli scritti passo "
    "per passo. `scenario formato PAROLA` trova una pagina anche per nome di sezione (`stazioni`), di campo "
    "(`campo_13`) o di capitolo (`orari`), in maiuscole o minuscole e senza accenti.\n";

constexpr std::string_view capitolo_lettura =
    "## Come il compilatore legge\n"
    "\n"
    "- I file sono di testo Windows-1252, righe chiuse da CR LF (anche LF o CR sono letti).\n"
    "- Il file \xC3\xA8 una sequenza di voci separate da virgole e fine riga; gli spazi prima di una voce sono "
    "saltati. Un numero finisce alla virgola, allo spazio o alla fine della riga; un testo alla virgola o alla "
    "fine della riga.\n"
    "- Un numero con decimali \xC3\xA8 arrotondato al pi\xC3\xB9 vicino (la met\xC3\xA0 al pari); una voce vuota o "
    "che non inizia con un numero vale 0.\n"
    "- Un record \xC3\xA8 riconosciuto dalla sua parola chiave: la voce deve *contenere* le parole indicate "
    "(non esserne uguale). Ogni record la cui prova riesce viene letto, nell'ordine di questo manuale.\n"
    "- Prima della voce `[generale]` tutto \xC3\xA8 ignorato. Le intestazioni come `[curve]` o `[stazioni]` "
    "servono all'autore: il compilatore non le usa.\n"
    "- La fine del file: dopo ogni voce il compilatore salta gli spazi e poi una virgola o un fine riga; il "
    "file \xC3\xA8 finito quando dopo di loro non resta nessun byte. Una voce letta dove il compilatore cerca una "
    "parola chiave non \xC3\xA8 esaminata se il file \xC3\xA8 finito dopo di lei: cos\xC3\xAC l'ultima riga "
    "`[fine]` dei file incorporati, o una parola chiave che chiude il file seguita solo da spazi e da un fine riga, "
    "non sono lette (avviso `ultima-voce`); dopo una virgola invece resta ancora una voce, vuota. I valori di un "
    "record invece sono letti tutti, anche l'ultimo del file senza `[fine]` e senza "
    "fine riga; se il file finisce prima dell'ultimo valore di un record \xC3\xA8 l'errore 25.\n"
    "- Una voce che contiene \"-\" dove il compilatore cerca una parola chiave \xC3\xA8 un separatore ed \xC3\xA8 "
    "saltata: fino a dieci di fila nella sezione `[generale]` della linea, fino a due altrove (la voce dopo \xC3\xA8 "
    "esaminata comunque). I valori di un record non sono mai presi per separatori: `-3` \xC3\xA8 una pendenza.\n"
    "- Progressiva: i metri dall'inizio della linea. La linea \xC3\xA8 divisa in celle di 50 m: nearest(x) "
    "arrotonda al pi\xC3\xB9 vicino, la met\xC3\xA0 al pari.\n"
    "- Punto chilometrico: sotto una serie chilometrica (dopo il suo inizio, fino all'inizio della serie "
    "seguente compreso) \xC3\xA8 il riferimento meno la progressiva; prima della prima serie \xC3\xA8 la "
    "distanza dall'inizio.\n"
    "\n"
    "`scenario check DIR ROUTE TRAIN` segnala ogni errore e avviso al suo posto (FILE:RIGA:COLONNA).\n";

constexpr std::string_view capitolo_necessari =
    "## Che cosa serve a uno scenario\n"
    "\n"
    "Il compilatore non chiede nessun record: un valore che nessun record scrive resta 0. Senza alcuni record "
    "per\xC3\xB2 "
    "lo scenario non si compila, e senza altri si compila in uno scenario che l'autore forse non vuole, senza che "
    "`check` dica nulla dove la tabella dice \"nessun avviso\".\n"
    "\n"
    "| che cosa manca | che cosa succede |\n"
    "|---|---|\n"
    "| il file della linea | errore 101 |\n"
    "| `[generale]` nel file della linea | errore 102 |\n"
    "| `lunghezza percorso` | errore 25: la linea non ha celle, nessun record si pu\xC3\xB2 mettere (nemmeno quelli "
    "del "
    "treno) |\n"
    "| il file del treno | errore 25 |\n"
    "| `progressiva chilometrica uno`, `due`, `tre` | nessun avviso: il punto chilometrico \xC3\xA8 la progressiva "
    "stessa, la scheda treno conta i chilometri dall'inizio della linea |\n"
    "| `sfondo uno`, `due`, `tre` | nessun avviso: il file dello scenario porta 0 al loro posto |\n"
    "| `ripetizione segnali` | nessun avviso: nessun tratto attrezzato, 0 codici; la scheda treno non ha la riga "
    "`SI COD` |\n"
    "| `curva` | avviso `senza-curve`: la planimetria \xC3\xA8 tutta in rettilineo |\n"
    "| `pendenza` | nessun avviso: la linea \xC3\xA8 in piano (pendenza 0 in ogni cella) |\n"
    "| `montagna`, `indicatori_vmax`, `cartello_indicatore` | nessun avviso: nessun tratto di montagna, cartello di "
    "velocit\xC3\xA0 massima o cartello indicatore |\n"
    "| `[generale]` nel file del treno | avviso `senza-generale`: nessun record del treno \xC3\xA8 letto |\n"
    "| `velocita` | nessun avviso: il limite di velocit\xC3\xA0 \xC3\xA8 0 km/h in ogni cella. Prima del primo record "
    "vale 0 km/h anche con dei record: il primo va a progressiva 0 |\n"
    "| `aderenza` | nessun avviso: aderenza 0 in ogni cella; anche qui il primo record va a progressiva 0 |\n"
    "| `numero vetture`, `percentuale massa frenata`, `sabbia`, `orologio` | nessun avviso: 0, l'orologio alle "
    "0:00:00 |\n"
    "| `stazione` | avviso `senza-stazioni`: nessuna stazione, la scheda treno senza righe |\n"
    "| `segnale`, `rallentamento`, `abbattimento` | nessun avviso: nessun segnale, rallentamento o punto di codice |\n"
    "\n"
    "Uno scenario da cui partire, che `check` accetta con 0 errori e 0 avvisi: [il primo scenario]"
    "(primo_scenario.md).\n";

// The station times as the compiler stores them and the documents print them;
// the timed stations of the embedded scenario come from its train file.
std::string capitolo_orari() {
  std::string t =
      "## Orari e fermate\n"
      "\n"
      "- Il compilatore legge l'orario di una `stazione` dai campi `ore`, `minuti` e `secondi` e conserva i secondi "
      "dalla mezzanotte, (ore x 60 + minuti) x 60 + secondi, senza altri controlli: 13 70 0 \xC3\xA8 14:10:00. "
      "0 0 0 vuol dire nessun orario. Il simulatore legge l'orario: il compilatore non lo confronta con quello "
      "delle altre stazioni.\n"
      "- Nel file del treno nulla dice se una stazione \xC3\xA8 una fermata: il compilatore non d\xC3\xA0 "
      "all'orario il senso di arrivo o di partenza, e nessun campo della stazione vuol dire fermata per "
      "lui.\n"
      "- La scheda treno di `scenario documents` mette l'orario del file del treno nella colonna Orario: alla prima "
      "stazione \xC3\xA8 la partenza, all'ultima l'arrivo, alle altre la partenza da una fermata o il passaggio. "
      "Una riga \xC3\xA8 una fermata sulla scheda quando ha anche l'ora di arrivo, che viene solo dalla tabella "
      "dei documenti (record `riga`, campo ARRIVO): la scheda stampa allora arrivo e partenza. L'ORARIO che la "
      "tabella d\xC3\xA0 a una stazione con orario deve essere quello del file del treno.\n";
  const std::vector<std::string> orari = stazioni_con_orario_incorporate();
  t += "- Nei sorgenti incorporati " + std::to_string(orari.size()) + " delle " +
       std::to_string(record_incorporati(forma_di_genere(genere_record::stazione))) +
       " stazioni hanno un orario (la prima e l'ultima, le altre sono le fermate):";
  for (std::size_t k = 0; k < orari.size(); ++k) t += (k == 0 ? " " : ", ") + orari[k];
  t += ".\n";
  return t;
}

constexpr std::string_view capitolo_avvisi =
    "## Avvisi e sviste\n\n"
    "- `record-corto`: la riga finisce prima dell'ultimo valore del record, che il compilatore legge dalla "
    "riga dopo.\n"
    "- `record-lungo`: la riga ha voci in pi\xC3\xB9 (o una virgola finale), lette come voci a s\xC3\xA9.\n"
    "- `non-numero`, `frazione`, `separatore-migliaia`, `caratteri-dopo-numero`: un numero scritto in un modo "
    "che il compilatore legge diversamente da come sembra.\n"
    "- `valore-vuoto`: un valore lasciato vuoto, letto come 0.\n"
    "- `orario-oltre-59`: minuti o secondi di 60 o pi\xC3\xB9 in un orario di stazione: il compilatore li somma "
    "(8, 75, 0 \xC3\xA8 09:15:00), e l'avviso dice l'orario che ne viene.\n"
    "- `orario-indietro`: una stazione con orario prima della stazione con orario che la precede; nomina "
    "entrambe. Un passo indietro di pi\xC3\xB9 di 12 ore \xC3\xA8 il giorno dopo e non \xC3\xA8 detto.\n"
    "\n"
    "Le sviste che `check` conta come errori (stato di uscita 1) anche se il compilatore le legge senza errore: "
    "il record compilato \xC3\xA8 diverso da ci\xC3\xB2 che la riga dice. Il compilatore le legge come sempre "
    "e i file compatti non cambiano; `documents` e `pack` rifiutano i sorgenti che le hanno. L'editor (`scenario "
    "lsp`) propone la correzione dove basta una modifica.\n\n"
    "- `record-spostato`: una voce si ferma prima del previsto e le voci che seguono scorrono di un posto: "
    "un orario scritto `13:57` o `13.57` (\xC3\xA8 una voce sola: si scrive `13, 57`), una virgola mancante, un "
    "nome di stazione preso in parte da un campo numerico. Il messaggio dice che cosa diventa il record (\"la "
    "stazione si chiamer\xC3\xA0 'CENTRALE', orario 13:00:00\") e come si scrive.\n"
    "- `lettera-o`: una lettera O dentro un numero (`60OO`): il compilatore si ferma alla O, e il messaggio dice "
    "dove finisce il record (a 60 m invece che a 6000 m).\n"
    "- `parola-vicina`: una parola chiave sconosciuta a una o due modifiche da una parola chiave del suo file e "
    "della sua sezione (`segnlae`): la riga non \xC3\xA8 letta, e il messaggio propone la parola. Pi\xC3\xB9 "
    "lontana resta l'avviso `parola-sconosciuta`, con la parola pi\xC3\xB9 vicina.\n"
    "- Per tutto il file: `prima-di-generale`, `dopo-fine`, `parola-sconosciuta`, `ultima-voce`, "
    "`senza-generale`, `senza-curve`, `senza-stazioni`, `treno-vuoto`, `separatore`.\n";

// The fields whose values the system stores or combines without a meaning of
// its own: the simulator reads them. Their page lists the values of the
// embedded sources.
struct campi_senza_significato {
  genere_record genere;
  std::initializer_list<std::string_view> campi;
};
const campi_senza_significato senza_significato[] = {
    {genere_record::sfondo_uno, {"valore"}},
    {genere_record::sfondo_due, {"valore"}},
    {genere_record::sfondo_tre, {"valore"}},
    {genere_record::montagna, {"valore"}},
    {genere_record::indicatori_vmax, {"codice_1", "codice_2"}},
    {genere_record::aderenza, {"aderenza"}},
    {genere_record::segnale,
     {"tipo_segnale", "decine_valore_1", "decine_valore_2", "decine_valore_3", "decine_valore_4", "aggiunta",
      "unita_valore_1", "unita_valore_2", "unita_valore_3", "valore_5"}},
    {genere_record::rallentamento, {"valore_3", "tavole", "valore_2"}},
    {genere_record::abbattimento, {"codice"}},
    {genere_record::stazione,
     {"tipo", "campo_5", "campo_15", "campo_14", "campo_7", "campo_8", "campo_12", "campo_9", "campo_10", "campo_11",
      "campo_13"}},
};

std::string elenco_valori(const std::vector<valore_contato>& v) {
  std::string t;
  for (std::size_t k = 0; k < v.size(); ++k)
    t += (k == 0 ? "" : ", ") + (v[k].testo.empty() ? std::string("vuoto") : "`" + v[k].testo + "`") + " in " +
         std::to_string(v[k].righe) + (k == 0 ? (v[k].righe == 1 ? " riga" : " righe") : "");
  return t;
}

std::string note_senza_significato(const forma_record& r) {
  std::string t;
  for (const campi_senza_significato& s : senza_significato) {
    if (s.genere != r.genere) continue;
    t += "Il sistema non d\xC3\xA0 a questi valori un significato proprio oltre a quello della colonna \"il "
         "compilatore\", che li conserva o li combina cos\xC3\xAC: il simulatore li legge. I " +
         std::to_string(record_incorporati(r)) + " record dei sorgenti incorporati scrivono:\n\n";
    for (std::string_view nome : s.campi)
      for (std::size_t k = 0; k < r.campi.size(); ++k)
        if (r.campi[k].nome == nome)
          t += "- `" + std::string(nome) + "`: " + elenco_valori(valori_incorporati(r, k)) + "\n";
    t += "\n";
  }
  return t;
}

// The classes of the curve keyword: the plan's turn per metre, and how often
// the embedded line writes each.
std::string note_curve(const forma_record& r) {
  std::string t =
      "Classi: la prima delle cifre da 1 a 6 nella parola chiave; una `s` (maiuscola o minuscola) gira a "
      "sinistra, altrimenti a destra. La classe d\xC3\xA0 quanto la planimetria gira a ogni metro, e nient'altro: "
      "il sistema non le d\xC3\xA0 altro significato.\n\n"
      "| classe | radianti al metro | raggio | nei sorgenti incorporati |\n|---|---|---|---|\n";
  const std::vector<valore_contato> chiavi = chiavi_incorporate(r);
  for (char c = '1'; c <= '6'; ++c) {
    const double k = fattore_curva(std::string("curvad") + c).value_or(0);
    char fattore[32];
    std::snprintf(fattore, sizeof fattore, "%g", k);
    std::string usate;
    for (const valore_contato& v : chiavi)
      if (fattore_curva(v.testo) && std::fabs(*fattore_curva(v.testo)) == k)
        usate += (usate.empty() ? "" : ", ") + ("`" + v.testo + "` in " + std::to_string(v.righe));
    t += "| " + std::string(1, c) + " | " + fattore + " | " + std::to_string(static_cast<long>(std::lround(1 / k))) +
         " m | " + usate + " |\n";
  }
  return t + "\n";
}

// The sign's text is kept byte for byte; the parentheses are the embedded
// sources' way of writing it, counted.
std::string note_cartello(const forma_record& r) {
  std::vector<valore_contato> testi = valori_incorporati(r, 1);
  std::map<int, int> gruppi;
  for (const valore_contato& v : testi)
    gruppi[static_cast<int>(std::count(v.testo.begin(), v.testo.end(), '('))] += v.righe;
  std::string t =
      "Il compilatore conserva il testo com'\xC3\xA8, parentesi comprese: il sistema non d\xC3\xA0 alle parentesi "
      "un significato proprio, \xC3\xA8 il simulatore a leggerle. Nei sorgenti incorporati i testi sono scritti "
      "a gruppi tra parentesi, come `(  Km  )(65+909)`:";
  bool primo = true;
  for (const auto& [n, righe] : gruppi) {
    t += std::string(primo ? " " : ", ") + std::to_string(righe) + (righe == 1 ? " testo" : " testi") + " con " +
         std::to_string(n) + (n == 1 ? " gruppo" : " gruppi");
    primo = false;
  }
  return t + ".\n\n";
}

}  // namespace

std::string pagina_record(const forma_record& r) {
  std::string p = "### `" + std::string(r.nome) + "`\n\n";
  p += std::string(r.descrizione) + "\n\n";
  p += "- Parola chiave: " + parola_chiave_manuale(r) + ".\n";
  p += "- Nome: `" + std::string(r.nome_genere) + "`.\n";
  p += "- Esempio dai sorgenti incorporati: `" + std::string(r.esempio) + "`\n\n";
  const std::vector<std::string> esempio = valori_esempio(r);
  p += "| n. | campo | voce | unit\xC3\xA0 | significato | valori ammessi | il compilatore | esempio |\n";
  p += "|---|---|---|---|---|---|---|---|\n";
  for (std::size_t k = 0; k < r.campi.size(); ++k) {
    const campo_record& c = r.campi[k];
    p += "| " + std::to_string(k + 1) + " | `" + std::string(c.nome) + "` | " + genere_voce(c.genere) + " | " +
         cella_manuale(c.unita) + " | " + cella_manuale(c.significato) + " | " + cella_manuale(c.intervallo) + " | " +
         cella_manuale(c.trattamento.empty() ? "conservato com'\xC3\xA8" : c.trattamento) + " | " +
         (k < esempio.size() ? cella_manuale(esempio[k]) : "") + " |\n";
  }
  p += "\n";
  if (r.genere == genere_record::curva) p += note_curve(r);
  if (r.genere == genere_record::cartello_indicatore) p += note_cartello(r);
  p += note_senza_significato(r);
  p += "Errori:\n\n";
  for (std::int32_t n : r.errori) p += "- n. " + std::to_string(n) + ": " + descrizione_errore(n) + "\n";
  p += "\nErrori di `check` (sviste dell'autore):";
  for (std::string_view a : sviste_di(r)) p += " `" + std::string(a) + "`";
  p += "\n\nAvvisi di `check`:";
  for (std::string_view a : avvisi_di(r)) p += " `" + std::string(a) + "`";
  p += "\n\n";
  return p;
}

std::vector<capitolo_manuale> capitoli_manuale() {
  return {
      {"lettura", "Come il compilatore legge", "voce voci virgola separatore ultima", std::string(capitolo_lettura)},
      {"necessari", "Che cosa serve a uno scenario", "necessario minimo mancante manca",
       std::string(capitolo_necessari)},
      {"orari", "Orari e fermate", "orario arrivo partenza fermata", capitolo_orari()},
      {"avvisi", "Avvisi e sviste", "avviso svista sviste", std::string(capitolo_avvisi)},
  };
}

std::string manuale_formato() {
  const std::vector<capitolo_manuale> capitoli = capitoli_manuale();
  std::string m(introduzione);
  for (std::size_t k = 0; k < 3; ++k) m += "\n" + capitoli[k].testo;
  for (auto [forme, sezione] :
       {std::pair{forme_generale(), sezione_grammatica::generale}, std::pair{forme_linea(), sezione_grammatica::linea},
        std::pair{forme_treno(), sezione_grammatica::treno}}) {
    m += "\n## " + titolo_sezione(sezione) + "\n\n";
    for (const forma_record& r : forme) m += pagina_record(r);
  }
  m += capitoli[3].testo;
  return m;
}

const forma_record* record_per_nome(std::string_view nome) {
  for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
    for (const forma_record& r : forme)
      if (r.nome == nome || r.nome_genere == nome) return &r;
  return nullptr;
}
