#include "scenario/documenti_autore/grammatica_documenti.h"

#include <algorithm>
#include <cctype>

namespace {

// clang-format off
constexpr campo_documenti campi_classificazione[] = {
    {"TESTO", "classificazione", voce_documenti::testo, 19, "la classificazione del treno (`INTERCITY`)"},
};
constexpr campo_documenti campi_massa[] = {
    {"TONNELLATE", "massa", voce_documenti::numero, 99999, "la massa bloccata in tonnellate; la scheda aggiunge T"},
};
constexpr campo_documenti campi_rango[] = {
    {"TESTO", "rango", voce_documenti::testo, 14, "il rango del treno (`V200 C`)"},
};
constexpr campo_documenti campi_nota[] = {
    {"TESTO", "nota", voce_documenti::testo, 82, "il testo, virgole comprese"},
};
constexpr campo_documenti campi_riga[] = {
    {"PROGR", "progressiva", voce_documenti::numero, 1000000, "metri dall'inizio della linea, come nei sorgenti"},
    {"MARCIA", "velocit\xC3\xA0 di marcia", voce_documenti::numero_o_vuoto, 999, "km/h"},
    {"NORS", "velocit\xC3\xA0 No Rs", voce_documenti::numero_o_vuoto, 999, "km/h"},
    {"ARRIVO", "arrivo", voce_documenti::orario, 0, "l'ora di arrivo"},
    {"ORARIO", "orario", voce_documenti::orario, 0,
     "l'ora di partenza o di transito; in una stazione con orario nel file del treno, quello"},
    {"REC", "recupero", voce_documenti::testo, 3, "i minuti di recupero come si stampano (`1.5`)"},
    {"NOME", "nome", voce_documenti::testo, 27, "il nome di una riga propria; vuoto per completare una riga dei sorgenti"},
};
constexpr campo_documenti campi_su_carta[] = {
    {"PROGR", "progressiva", voce_documenti::numero, 1000000, "dove inizia, in metri; il cippo viene da qui"},
    {"VELOCITA", "velocit\xC3\xA0", voce_documenti::numero, 999, "km/h"},
    {"METRI", "lunghezza", voce_documenti::numero, 99999, "la lunghezza in metri"},
    {"PRESCRIZIONI", "prescrizioni", voce_documenti::testo, 12, "le lettere delle prescrizioni (`A-B-C`)"},
    {"STAZIONI", "stazioni", voce_documenti::testo, 28, "le stazioni in cui cade; vuoto: dai sorgenti"},
};
constexpr campo_documenti campi_prescrizioni[] = {
    {"PROGR", "progressiva", voce_documenti::numero, 1000000, "dove inizia il rallentamento del file del treno"},
    {"LETTERE", "prescrizioni", voce_documenti::testo, 12, "le lettere delle prescrizioni (`E`)"},
};
constexpr campo_documenti campi_prescrizione[] = {
    {"LETTERA", "lettera", voce_documenti::testo, 2, "la lettera; vuota, la riga continua quella prima"},
    {"TESTO", "testo", voce_documenti::testo, 0, "il testo, virgole comprese"},
};
constexpr campo_documenti campi_pagina[] = {
    {"PAGINA", "pagina", voce_documenti::numero, 99, "il numero della pagina della scheda, da 1"},
    {"ETICHETTA", "etichetta", voce_documenti::testo, 25, "la scritta del riquadro in alto come stampata (`SCHEDA  1/3`); vale finch\xC3\xA9 dice `SCHEDA n/N` a meno "
     "degli spazi"},
    {"NOTA", "nota della pagina", voce_documenti::come_stampato, 84,
     "la riga sotto la tabella di quella pagina come stampata, spazi compresi fra le due sbarre; vuota: quella di `nota`"},
};
constexpr campo_documenti campi_ometti[] = {
    {"PROGR", "progressiva", voce_documenti::numero, 1000000,
     "ogni riga che i sorgenti danno a PROGR (stazione, cambio di velocit\xC3\xA0, `SI COD`) resta fuori dalla scheda"},
};
constexpr campo_documenti campi_riga_stampata[] = {
    {"PROGR", "progressiva", voce_documenti::numero, 1000000, "metri dall'inizio della linea, come nei sorgenti"},
    {"LIM", "velocit\xC3\xA0 limite", voce_documenti::numero_o_vuoto, 999, "km/h come stampata; vuoto: la cella resta vuota"},
    {"MARCIA", "velocit\xC3\xA0 di marcia", voce_documenti::numero_o_vuoto, 999, "km/h"},
    {"KM", "chilometro", voce_documenti::chilometro, 0,
     "il chilometro come stampato (`146.823`); vuoto: la cella resta vuota"},
    {"NORS", "velocit\xC3\xA0 No Rs", voce_documenti::numero_o_vuoto, 999, "km/h"},
    {"ARRIVO", "arrivo", voce_documenti::orario, 0, "l'ora di arrivo"},
    {"ORARIO", "orario", voce_documenti::orario, 0,
     "l'ora di partenza o di transito; in una stazione con orario nel file del treno vale quello del file"},
    {"REC", "recupero", voce_documenti::testo, 3, "i minuti di recupero come si stampano (`1.5`)"},
    {"NOME", "nome", voce_documenti::testo, 27, "il nome di una riga propria; vuoto per completare una riga dei sorgenti"},
};
constexpr campo_documenti campi_cella_scheda[] = {
    {"PROGR", "progressiva", voce_documenti::numero, 1000000, "la prima riga della scheda a PROGR"},
    {"COLONNA", "colonna", voce_documenti::colonna_scheda, 0, "LIM, MARCIA, KM, NORS, NOME, ORARIO o REC"},
    {"CELLA", "cella", voce_documenti::come_stampato, 28,
     "la cella come stampata, spazi compresi fra le due sbarre; vale dove la cella sarebbe vuota o dice lo stesso "
     "a meno degli spazi, cos\xC3\xAC una modifica dei sorgenti si vede"},
};
constexpr campo_documenti campi_cella_ordine[] = {
    {"PROGR", "progressiva", voce_documenti::numero, 1000000,
     "dove inizia il rallentamento della riga (del file del treno o `rallentamento_su_carta`)"},
    {"COLONNA", "colonna", voce_documenti::colonna_ordine, 0, "STAZIONI, CIPPO, VELOCITA, METRI o PRESCRIZIONI"},
    {"CELLA", "cella", voce_documenti::come_stampato, 28,
     "la cella come stampata, spazi compresi fra le due sbarre; vale dove la cella sarebbe vuota o dice lo stesso "
     "a meno degli spazi, cos\xC3\xAC una modifica dei sorgenti si vede"},
};

constexpr record_documenti record_della_grammatica[] = {
    {genere_documenti::classificazione, "classificazione", campi_classificazione,
     "il riquadro CLASSIFICAZIONE di ogni pagina della scheda", "classificazione, INTERCITY"},
    {genere_documenti::massa, "massa", campi_massa, "il riquadro MASSA BLOCCATA di ogni pagina della scheda (`700T`)",
     "massa, 700"},
    {genere_documenti::rango, "rango", campi_rango, "il riquadro in alto a destra di ogni pagina della scheda",
     "rango, V200 C"},
    {genere_documenti::nota, "nota", campi_nota, "la riga sotto la tabella di ogni pagina della scheda",
     "nota, Dalle ore 23.30 alle ore 4.30 velocit\xC3\xA0 massima 160 Km/h."},
    {genere_documenti::riga, "riga", campi_riga,
     "una riga della scheda. Con NOME, una riga propria a PROGR con il suo chilometro (un posto di blocco, un "
     "ponte, un imbocco di galleria). Senza NOME completa la riga che i sorgenti danno a PROGR (una stazione, un "
     "cambio di velocit\xC3\xA0, `SI COD`): se non ce n'\xC3\xA8 una \xC3\xA8 un errore, e cos\xC3\xAC un ORARIO "
     "diverso da quello del file del treno",
     "riga, 71450, 90, 90, 13.55, , 1.0,\nriga, 1750, , , , 13.17, , P.B.A. P.253"},
    {genere_documenti::rallentamento_su_carta, "rallentamento_su_carta", campi_su_carta,
     "una riga dell'ordine di rallentamento che il file del treno non ha",
     "rallentamento_su_carta, 53300, 40, 400, A-B-C, SECUGNAGO-CASALPUSTERLENGO"},
    {genere_documenti::prescrizioni, "prescrizioni", campi_prescrizioni,
     "le prescrizioni del rallentamento del file del treno che inizia a PROGR", "prescrizioni, 259150, E"},
    {genere_documenti::prescrizione, "prescrizione", campi_prescrizione,
     "una riga della legenda delle prescrizioni sotto l'ordine",
     "prescrizione, A, Da rispettare con tutto il treno (per i treni viaggiatori)\n"
     "prescrizione, C, Da rispettare dalle ore 07.30 alle ore 20.30 di tutti\n"
     "prescrizione, , i giorni esclusi i FESTIVI e i PREFESTIVI"},
    {genere_documenti::pagina, "pagina", campi_pagina,
     "l'etichetta e la nota di una pagina della scheda, dove la carta le scrive a modo suo",
     "pagina, 1, SCHEDA  1/3, | Dalle ore 23.30 alle ore 4.30 velocit\xC3\xA0 massima 160 Km/h. |"},
    {genere_documenti::ometti, "ometti", campi_ometti,
     "lascia fuori dalla scheda le righe dei sorgenti a PROGR (una stazione che la carta non mostra, un cambio di "
     "velocit\xC3\xA0 che scrive a modo suo); se non ce ne sono \xC3\xA8 un errore",
     "ometti, 1100"},
    {genere_documenti::riga_stampata, "riga_stampata", campi_riga_stampata,
     "come `riga`, con la velocit\xC3\xA0 limite e il chilometro come stampati: vuoti, le celle restano vuote. "
     "Senza NOME completa la riga che i sorgenti danno a PROGR; il nome di una stazione e l'orario che il file del "
     "treno d\xC3\xA0 restano quelli dei sorgenti",
     "riga_stampata, 71450, 90, 90, 146.823, 90, 13.55, , 1.0,\n"
     "riga_stampata, 400, 90, 90, , 90, , , , Deviatoio di uscita"},
    {genere_documenti::cella_scheda, "cella_scheda", campi_cella_scheda,
     "una cella della scheda come la carta la impagina", "cella_scheda, 218300, ORARIO, | 15.24     15.28|"},
    {genere_documenti::cella_ordine, "cella_ordine", campi_cella_ordine,
     "una cella dell'ordine di rallentamento come la carta la impagina (centrata a mano)",
     "cella_ordine, 259150, PRESCRIZIONI, |      E     |"},
};

constexpr std::string_view nomi_colonne_scheda[] = {"LIM", "MARCIA", "KM", "NORS", "NOME", "ORARIO", "REC"};
constexpr std::string_view nomi_colonne_ordine[] = {"N", "STAZIONI", "CIPPO", "VELOCITA", "METRI", "PRESCRIZIONI"};
// clang-format on

// What a field accepts, for the manual.
std::string valori_ammessi(const campo_documenti& c) {
  switch (c.voce) {
    case voce_documenti::testo:
      return c.massimo == 0 ? "testo" : "testo, al massimo " + std::to_string(c.massimo) + " caratteri";
    case voce_documenti::numero:
      return "intero da 0 a " + std::to_string(c.massimo);
    case voce_documenti::numero_o_vuoto:
      return "intero da 0 a " + std::to_string(c.massimo) + ", o vuoto";
    case voce_documenti::orario:
      return "ore e minuti come `13.57`, o vuoto";
    case voce_documenti::chilometro:
      return "chilometri e metri come `146.823`, o vuoto";
    case voce_documenti::come_stampato:
      return "testo, al massimo " + std::to_string(c.massimo) + " caratteri, fra due `|` con i suoi spazi";
    case voce_documenti::colonna_scheda:
      return "`LIM`, `MARCIA`, `KM`, `NORS`, `NOME`, `ORARIO` o `REC`";
    case voce_documenti::colonna_ordine:
      return "`STAZIONI`, `CIPPO`, `VELOCITA`, `METRI` o `PRESCRIZIONI`";
  }
  return "";
}

std::string nomi_dei_campi(const record_documenti& r) {
  std::string s;
  for (const campo_documenti& c : r.campi) s += (s.empty() ? "" : ", ") + std::string(c.nome);
  return s;
}

}  // namespace

std::span<const record_documenti> grammatica_documenti() { return record_della_grammatica; }

std::span<const std::string_view> colonne_scheda_documenti() { return nomi_colonne_scheda; }
std::span<const std::string_view> colonne_ordine_documenti() { return nomi_colonne_ordine; }

std::string testo_come_stampato(const std::string& campo) {
  if (campo.size() >= 2 && campo.front() == '|' && campo.back() == '|') return campo.substr(1, campo.size() - 2);
  return campo;
}

const record_documenti* record_documenti_di(std::string_view chiave) {
  const auto uguale = [&](std::string_view k) {
    return k.size() == chiave.size() && std::equal(k.begin(), k.end(), chiave.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
  };
  for (const record_documenti& r : record_della_grammatica)
    if (uguale(r.chiave)) return &r;
  return nullptr;
}

std::string chiavi_documenti() {
  std::string s;
  const std::size_t n = std::size(record_della_grammatica);
  for (std::size_t k = 0; k < n; ++k)
    s += (k == 0 ? "" : k + 1 == n ? " o " : ", ") + std::string(record_della_grammatica[k].chiave);
  return s;
}

std::string manuale_tabella_documenti() {
  std::string m =
      "## La tabella dei documenti del macchinista\n"
      "\n"
      "`scenario documents DIR ROUTE TRAIN` scrive la scheda treno, l'ordine di rallentamento e le note dai "
      "sorgenti. Ci\xC3\xB2 che i sorgenti non dicono resta vuoto, a meno che l'autore lo scriva nel file "
      "facoltativo `ROUTE_TRAIN_documenti.txt` accanto ai sorgenti:\n"
      "\n"
      "- testo Windows-1252 (un file UTF-8 \xC3\xA8 convertito), fine riga qualsiasi;\n"
      "- un record per riga: la parola chiave (maiuscole o minuscole) e i campi separati da virgole, l'ultimo "
      "campo fino alla fine della riga (virgole comprese); gli spazi intorno ai campi non contano; un campo che "
      "non serve resta vuoto;\n"
      "- le righe vuote e quelle che iniziano con `;` sono saltate;\n"
      "- un campo scritto fra due `|` (la NOTA di `pagina`, la CELLA di `cella_scheda` e `cella_ordine`) tiene "
      "i suoi spazi, come la carta li stampa;\n"
      "- le righe della scheda seguono l'ordine della tabella fra quelle alla stessa progressiva; `ometti` vale "
      "ovunque sia scritto;\n"
      "- `scenario extract` scrive accanto ai sorgenti la tabella dello scenario incorporato: con essa i suoi "
      "documenti tornano byte per byte;\n"
      "- un errore \xC3\xA8 segnalato come `FILE:RIGA: ...` e nessun documento \xC3\xA8 scritto.\n"
      "\n"
      "| record | campi | dove va |\n"
      "|---|---|---|\n";
  for (const record_documenti& r : record_della_grammatica)
    m += "| `" + std::string(r.chiave) + "` | " + nomi_dei_campi(r) + " | " + std::string(r.uso) + " |\n";
  m += "\n| record | campo | valori ammessi | significato |\n|---|---|---|---|\n";
  for (const record_documenti& r : record_della_grammatica)
    for (const campo_documenti& c : r.campi)
      m += "| `" + std::string(r.chiave) + "` | " + std::string(c.nome) + " | " + valori_ammessi(c) + " | " +
           std::string(c.significato) + " |\n";
  m += "\nEsempio (i valori dei documenti incorporati):\n\n";
  for (const record_documenti& r : record_della_grammatica) {
    std::string_view e = r.esempio;
    while (!e.empty()) {
      const std::size_t a_capo = std::min(e.find('\n'), e.size());
      m += "    " + std::string(e.substr(0, a_capo)) + "\n";
      e.remove_prefix(std::min(a_capo + 1, e.size()));
    }
  }
  return m;
}
