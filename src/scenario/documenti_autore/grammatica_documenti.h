#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The records of the documents table ROUTE_TRAIN_documenti.txt, written once:
// the reader checks each line against them, and the manual's section and
// docs/documenti.md are made from them. One record a line: a keyword (any
// case) and its fields separated by commas, the last field running to the end
// of the line.

enum class genere_documenti : std::uint8_t {
  classificazione,
  massa,
  rango,
  nota,
  riga,
  rallentamento_su_carta,
  prescrizioni,
  prescrizione,
  pagina,
  ometti,
  riga_stampata,
  cella_scheda,
  cella_ordine,
};

// How a field is written and checked.
enum class voce_documenti : std::uint8_t {
  testo,           // any text up to massimo characters (0: no limit)
  numero,          // a whole number from 0 to massimo
  numero_o_vuoto,  // the same, or left empty
  orario,          // hours and minutes as 13.57, or left empty
  chilometro,      // a kilometre as printed, 146.823, or left empty
  come_stampato,   // a text as printed: between two bars |...| its blanks are kept
  colonna_scheda,  // a column of the timetable sheet by its name
  colonna_ordine,  // a column of the slowdown order by its name
};

// The columns a cella_scheda and a cella_ordine name, in the order of the
// paper; the index is the column's.
std::span<const std::string_view> colonne_scheda_documenti();
std::span<const std::string_view> colonne_ordine_documenti();

// The text of a come_stampato field: what stands between its bars, or the
// field itself when it has none.
std::string testo_come_stampato(const std::string& campo);

struct campo_documenti {
  std::string_view nome;       // as the manual writes it: PROGR
  std::string_view etichetta;  // as the messages name it: progressiva
  voce_documenti voce;
  std::int64_t massimo;  // greatest number, or most characters of a text
  std::string_view significato;
};

struct record_documenti {
  genere_documenti genere;
  std::string_view chiave;
  std::span<const campo_documenti> campi;
  std::string_view uso;      // where it goes in the documents
  std::string_view esempio;  // a line as the embedded documents would need it
};

// Every record, in the order the manual lists them.
std::span<const record_documenti> grammatica_documenti();

// The record of a keyword, in any case; nullptr when none.
const record_documenti* record_documenti_di(std::string_view chiave);

// "classificazione, massa, ... o prescrizione": the keywords for a message.
std::string chiavi_documenti();

// The manual's section on the table (Markdown, UTF-8), the same text in
// `scenario formato` and docs/documenti.md.
std::string manuale_tabella_documenti();
