#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The frames of the driver's timetable sheet and slowdown order, laid out
// once: the boxes, the table heads, the bars at their columns, the empty rows,
// the page breaks. The embedded documents and an author's fill them; what the
// embedded paper does its own way (a label written "SCHEDA  1/3", the order's
// cells centred by hand) comes in as the texts themselves.

// --- timetable sheet --------------------------------------------------------

inline constexpr std::size_t righe_pagina_scheda = 29;  // rows of a page's table
inline constexpr std::size_t righe_modulo_scheda = 31;  // rows of the blank form

// The boxes above a page's table. Each text is centred in its box, but for
// the page label (set after its column) and da/a (after "da: " and "a: ").
struct intestazione_scheda {
  std::string etichetta;  // "SCHEDA 1/3"
  std::string treno;      // "TRENO n. 318"
  std::string da, a;      // the page's first and last station
  std::string rango, percentuale;
  std::string classificazione, massa;
  // The mass box as printed, when the paper does not centre it (the blank form).
  std::optional<std::string> massa_come_stampata;
};

// The cells of a row of the sheet's table, each cut or filled to its column:
// limit and running speed (5), kilometre (10), No Rs speed (5), place (28),
// times (16), recovery (5).
using celle_scheda = std::array<std::string, 7>;
inline constexpr std::array<std::size_t, 7> colonne_scheda = {5, 5, 10, 5, 28, 16, 5};
inline constexpr std::size_t colonna_localita_scheda = 4;  // the place's column: a blank, then the name
inline constexpr std::size_t larghezza_da_a_scheda = 22;   // a page's first and last station in its head
std::string riga_tabella_scheda(const celle_scheda& celle);

struct pagina_scheda {
  intestazione_scheda intestazione;
  std::vector<std::string> righe;  // the table's rows (riga_tabella_scheda), at most righe_pagina_scheda
  std::string nota;                // the line under the table, as printed
};

// The whole sheet, one string a line: the pages of the run, each closed by
// its note and a dotted page break, then the blank form. The first page's
// head writes "Località" with its accent.
std::vector<std::string> righe_scheda_documento(const std::vector<pagina_scheda>& pagine,
                                                const intestazione_scheda& modulo);

// --- slowdown order ----------------------------------------------------------

inline constexpr std::size_t righe_minime_ordine = 25;  // rows the order's table always shows

// The cells of a row of the order: number (3), stations (28), kilometre post
// (12), speed (10), length (9), prescriptions (12), each cut or filled to its
// column (left-aligned: centre them before when they should be).
using celle_ordine = std::array<std::string, 6>;
inline constexpr std::array<std::size_t, 6> colonne_ordine = {3, 28, 12, 10, 9, 12};
inline constexpr std::size_t colonna_stazioni_ordine = 1;

struct documento_ordine {
  std::string linea;  // "MILANO PRATO"
  std::string treno;
  std::vector<celle_ordine> righe;
  std::vector<std::string> legenda;  // the lines under "Prescrizioni specifiche", as printed
};

std::vector<std::string> righe_ordine_documento(const documento_ordine& d);

// The lines of a document as its file holds them: each ends in CR LF.
std::string testo_documento(std::span<const std::string> righe);
