#pragma once
// Test helper: a line source file written into a folder in memory, and the
// Form1 that reads it. Header only; used by the line reader's tests.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/nomi_file.h"
#include "compiler/lettore_linea.h"
#include "model/form1.h"
#include "test_support/form_di_prova.h"

struct linea_di_prova : form_di_prova {
  std::int32_t slot_cartello = -1;

  explicit linea_di_prova(std::int32_t con_planimetria = 0) { f.con_planimetria = con_planimetria; }

  // Lines joined with CR LF, the last one ended too.
  void scrivi(std::initializer_list<std::string_view> righe) {
    std::string testo;
    for (std::string_view r : righe) {
      testo += r;
      testo += "\r\n";
    }
    scrivi_tutto(*f.cartella, file_linea(f), testo);
  }

  esito_lettura leggi() { return leggi_file_linea(f, slot_cartello); }

  bool file_presente() const { return f.cartella->esiste(file_linea(f)); }
};
