#pragma once
// Helpers for the tests of the driver's documents: a run state that writes
// into a folder in memory, and the split of a written file into its lines.
#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/form1.h"

namespace prova_documenti {

inline Form1 form_nella_cartella(cartella_file& cartella) {
  Form1 f;
  f.cartella = &cartella;
  f.nome_percorso = "Velstra_Ordoven";
  f.numero_treno = "318";
  return f;
}

struct righe_lette {
  std::vector<std::string> righe;
  bool solo_crlf = true;  // every line ends with CR LF, no lone CR or LF anywhere
};

inline righe_lette dividi_righe(const std::string& byte) {
  righe_lette r;
  std::size_t da = 0;
  while (da < byte.size()) {
    const std::size_t crlf = byte.find("\r\n", da);
    if (crlf == std::string::npos) {
      r.solo_crlf = false;
      r.righe.push_back(byte.substr(da));
      break;
    }
    r.righe.push_back(byte.substr(da, crlf - da));
    da = crlf + 2;
  }
  for (const auto& riga : r.righe)
    if (riga.find_first_of("\r\n") != std::string::npos) r.solo_crlf = false;
  return r;
}

// Columns holding a given character, counted from 0.
inline std::vector<std::size_t> colonne_di(const std::string& riga, char c) {
  std::vector<std::size_t> v;
  for (std::size_t i = 0; i < riga.size(); ++i)
    if (riga[i] == c) v.push_back(i);
  return v;
}

// Bytes outside ASCII, in file order.
inline std::string byte_non_ascii(const std::string& testo) {
  std::string v;
  std::copy_if(testo.begin(), testo.end(), std::back_inserter(v),
               [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
  return v;
}

// The bytes a document must have, kept beside its tests in testdata/ (stored
// as binary: CR LF and the Windows-1252 bytes stand as the driver receives
// them). Empty when the file is missing, which no document equals.
inline std::string documento_atteso(const std::string& nome) {
  std::ifstream in(std::string(VELSTRA_SOURCE_DIR) + "/src/documents/testdata/" + nome, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Text padded with blanks up to a column.
inline std::string fino_a(std::string testo, std::size_t colonna) {
  if (testo.size() < colonna) testo.append(colonna - testo.size(), ' ');
  return testo;
}

}  // namespace prova_documenti
