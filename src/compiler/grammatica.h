#pragma once
#include <cstdint>
#include <span>
#include <string_view>

// The source format, stated once: every section key and record of the line
// file and of the train file, in the order the readers test them, with the
// words of its keyword test, its fields and what the compiler does with each,
// an example line of the embedded sources and the errors it can raise. The
// readers find records through it; the warnings, the source index, the
// manual of the format and the editor's language server read it.

// One kind for each record and section key. The readers store a record with
// a switch on its kind.
enum class genere_record : std::uint8_t {
  // the [generale] section of the line file
  lunghezza_percorso,
  progressiva_chilometrica_tre,
  progressiva_chilometrica_due,
  progressiva_chilometrica_uno,
  sfondo_uno,
  sfondo_due,
  sfondo_tre,
  ripetizione_segnali,
  // the records of the line file
  pendenza,
  curva,
  montagna,
  indicatori_vmax,
  cartello_indicatore,
  // the records of the train file
  massa_frenata,
  vetture,
  velocita,
  aderenza,
  orologio,
  sabbia,
  segnale,
  rallentamento,
  abbattimento,
  stazione,
};
inline constexpr int numero_generi_record = 23;

// How an item after the keyword is read.
enum class genere_campo : char {
  numero = 'n',      // a whole number (a decimal goes to the nearest, half to even)
  vuoto_zero = 'v',  // a whole number the author may leave empty: it reads 0
  codice = 'c',      // a whole number, or a text such as "AC" for no value: it reads 0
  testo = 't',       // a text, up to the next comma or line end
};

struct campo_record {
  std::string_view nome;  // as the model and the tool call it
  genere_campo genere;
  std::string_view unita;        // "m", "km/h", "per mille", "%"...; "" for a plain value
  std::string_view significato;  // one line, Italian
  std::string_view intervallo;   // what the compiler accepts
  std::string_view trattamento;  // what the compiler does with it; "" when stored as read
};

// The file a record belongs to.
enum class sezione_grammatica : std::uint8_t { generale, linea, treno };

struct forma_record {
  genere_record genere;
  std::string_view nome_genere;  // the kind as the code writes it ("cartello_indicatore")
  sezione_grammatica sezione;
  std::string_view nome;                // the keyword as the embedded sources write it
  std::string_view parola_1, parola_2;  // the item contains both ("" tests nothing)
  bool senza_maiuscole;                 // the tests ignore letter case
  bool solo_con_piano;                  // a record only when the plan is built
  std::span<const campo_record> campi;
  std::string_view descrizione;          // one line, Italian
  std::string_view esempio;              // one record as the embedded sources write it
  std::span<const std::int32_t> errori;  // the error numbers the record can raise
};

// The keys of the general section of the line file, in the order tested.
std::span<const forma_record> forme_generale();
// The records of the line file's record part, in the order tested.
std::span<const forma_record> forme_linea();
// The records of the train file, in the order tested.
std::span<const forma_record> forme_treno();
// The row of a kind.
const forma_record& forma_di_genere(genere_record g);

// Whether the item is this record's keyword, by the reader's own test.
bool corrisponde(const forma_record& r, std::string_view voce);

// The section headers the readers look for (any letter case): the general
// section of both files, and the end marker of the embedded files.
inline constexpr std::string_view intestazione_generale = "[generale]";
inline constexpr std::string_view intestazione_fine = "[fine]";
