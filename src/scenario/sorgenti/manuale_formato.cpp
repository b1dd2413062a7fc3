#include "scenario/sorgenti/manuale_formato.h"

#include <iterator>
#include <span>
#include <utility>
#include <vector>

#include "base/catalogo_errori.h"
#include "scenario/sorgenti/struttura_sorgente.h"

namespace {

// Each item of the example line after its keyword, as the reader reads it.
std::vector<std::string> valori_esempio(const forma_record& r) {
  const std::string riga = std::string(r.esempio) + "\r\n";
  std::vector<std::string> v;
  for (const voce_record& c : leggi_riga_record(r, riga).campi) v.push_back(riga.substr(c.inizio, c.fine - c.inizio));
  return v;
}

std::string parola_chiave(const forma_record& r) {
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
  return a;
}

// A table cell: no line break, no bar.
std::string cella(std::string_view t) {
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
    "- L'ultima voce del file non \xC3\xA8 mai letta: i file incorporati finiscono con `[fine]`.\n"
    "- Una voce che contiene \"-\" all'inizio di un passo \xC3\xA8 un separatore ed \xC3\xA8 saltata.\n"
    "- Progressiva: i metri dall'inizio della linea. La linea \xC3\xA8 divisa in celle di 50 m: nearest(x) "
    "arrotonda al pi\xC3\xB9 vicino, la met\xC3\xA0 al pari.\n"
    "- Punto chilometrico: sotto una serie chilometrica (dopo il suo inizio, fino all'inizio della serie "
    "seguente compreso) \xC3\xA8 il riferimento meno la progressiva; prima della prima serie \xC3\xA8 la "
    "distanza dall'inizio.\n"
    "\n"
    "`scenario check DIR ROUTE TRAIN` segnala ogni errore e avviso al suo posto (FILE:RIGA:COLONNA).\n";

}  // namespace

std::string pagina_record(const forma_record& r) {
  std::string p = "### `" + std::string(r.nome) + "`\n\n";
  p += std::string(r.descrizione) + "\n\n";
  p += "- Parola chiave: " + parola_chiave(r) + ".\n";
  p += "- Nome: `" + std::string(r.nome_genere) + "`.\n";
  p += "- Esempio dai sorgenti incorporati: `" + std::string(r.esempio) + "`\n\n";
  const std::vector<std::string> esempio = valori_esempio(r);
  p += "| n. | campo | voce | unit\xC3\xA0 | significato | valori ammessi | il compilatore | esempio |\n";
  p += "|---|---|---|---|---|---|---|---|\n";
  for (std::size_t k = 0; k < r.campi.size(); ++k) {
    const campo_record& c = r.campi[k];
    p += "| " + std::to_string(k + 1) + " | `" + std::string(c.nome) + "` | " + genere_voce(c.genere) + " | " +
         cella(c.unita) + " | " + cella(c.significato) + " | " + cella(c.intervallo) + " | " +
         cella(c.trattamento.empty() ? "conservato com'\xC3\xA8" : c.trattamento) + " | " +
         (k < esempio.size() ? cella(esempio[k]) : "") + " |\n";
  }
  p += "\nErrori:\n\n";
  for (std::int32_t n : r.errori) p += "- n. " + std::to_string(n) + ": " + descrizione_errore(n) + "\n";
  p += "\nAvvisi di `check`:";
  for (std::string_view a : avvisi_di(r)) p += " `" + std::string(a) + "`";
  p += "\n\n";
  return p;
}

std::string manuale_formato() {
  std::string m(introduzione);
  for (auto [forme, sezione] :
       {std::pair{forme_generale(), sezione_grammatica::generale}, std::pair{forme_linea(), sezione_grammatica::linea},
        std::pair{forme_treno(), sezione_grammatica::treno}}) {
    m += "\n## " + titolo_sezione(sezione) + "\n\n";
    for (const forma_record& r : forme) m += pagina_record(r);
  }
  m += "## Avvisi\n\n"
       "- `record-corto`: la riga finisce prima dell'ultimo valore del record, che il compilatore legge dalla "
       "riga dopo.\n"
       "- `record-lungo`: la riga ha voci in pi\xC3\xB9 (o una virgola finale), lette come voci a s\xC3\xA9.\n"
       "- `non-numero`, `frazione`, `separatore-migliaia`, `caratteri-dopo-numero`: un numero scritto in un modo "
       "che il compilatore legge diversamente da come sembra.\n"
       "- `valore-vuoto`: un valore lasciato vuoto, letto come 0.\n"
       "- Per tutto il file: `prima-di-generale`, `dopo-fine`, `parola-sconosciuta`, `ultima-voce`, "
       "`senza-generale`, `senza-curve`, `senza-stazioni`, `treno-vuoto`, `separatore`.\n";
  return m;
}

const forma_record* record_per_nome(std::string_view nome) {
  for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
    for (const forma_record& r : forme)
      if (r.nome == nome || r.nome_genere == nome) return &r;
  return nullptr;
}
