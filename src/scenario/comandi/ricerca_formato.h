#pragma once
#include <string>
#include <string_view>
#include <vector>

// What `scenario formato WORD` finds: the places of the manual a word names,
// by a record's keyword or name, a section header of the embedded sources, a
// field, a chapter, a warning or a record of the documents table, in any
// letter case and without accents.

struct luogo_manuale {
  std::string titolo;    // how the list names it: "il campo `progressiva` di `pendenza`"
  std::string nome;      // the word that prints it alone: "pendenza"
  std::string pagina;    // the text printed (Markdown, UTF-8)
  bool di_nome = false;  // the word is this place's own name, not one of its fields or words
};

struct esito_ricerca {
  // Its own-name place first (a record before the rest), then the others in
  // the manual's order, one per page.
  std::vector<luogo_manuale> luoghi;
  std::string proposta;  // with no place: the nearest name within two edits (one for a word of
                         // three to five letters, none below), else ""
};

// Letters folded to lower case, accented vowels (UTF-8) to their plain
// letter, '_' and '-' to a blank, brackets and quotes dropped, blanks
// collapsed: "[Velocità]" and "velocita", "campo_13" and "Campo 13" agree.
std::string parola_piegata(std::string_view parola);

esito_ricerca cerca_nel_manuale(std::string_view parola);
