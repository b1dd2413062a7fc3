#pragma once
#include <span>
#include <string_view>

// The shape of each record of the source files as the readers take it: how
// its keyword item is recognised and the items that follow it. Within one
// table the readers test the keywords in this order, and every test that
// matches runs its record.
//
// campi holds one letter per item after the keyword:
//   'n'  a whole number;
//   'v'  a whole number that the author may leave empty (it reads 0);
//   'c'  a whole number, or a text such as "AC" for "no value" (it reads 0);
//   't'  a text, up to the next comma or line end.
struct forma_record {
  std::string_view nome;                // the keyword as the embedded sources write it
  std::string_view parola_1, parola_2;  // the item contains both ("" tests nothing)
  bool senza_maiuscole;                 // the tests ignore letter case
  bool solo_con_piano;                  // a record only when the plan is built
  std::string_view campi;
  std::string_view esempio;             // one record as the embedded sources write it
};

// The keys of the general section of the line file.
std::span<const forma_record> forme_generale();
// The records of the line file's record part.
std::span<const forma_record> forme_linea();
// The records of the train file.
std::span<const forma_record> forme_treno();

// Whether the item is this record's keyword, by the reader's own test.
bool corrisponde(const forma_record& r, std::string_view voce);
