#pragma once
// Test helper: a train source file written into a folder in memory, read into
// a Form1 sized as the line reader leaves a 300000 m line (cells 0..6140,
// chainage series sorted). Header only; used by the train reader's tests.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/lettore_treno.h"
#include "model/form1.h"
#include "test_support/form_di_prova.h"

struct treno_di_prova : form_di_prova {
  std::int32_t slot_cartello = 80;
  std::string testo;  // the file as written

  explicit treno_di_prova(std::int32_t numero_celle = 6140) {
    metti_celle_vuote(f, numero_celle);
    f.lunghezza_estesa = numero_celle * 50;
    f.stazioni[voce_progressiva_tre] = {};
    f.stazioni[voce_progressiva_tre].inizio = 218300;
    f.stazioni[voce_progressiva_tre].fine = 315300;
    f.stazioni[voce_progressiva_tre].progressiva = 1;
    f.stazioni[voce_progressiva_due].inizio = 23450;
    f.stazioni[voce_progressiva_due].fine = 218400;
    f.stazioni[voce_progressiva_due].progressiva = 1;
  }

  // Lines joined with CR LF, the last one ended too, written as they are.
  void scrivi_file(std::initializer_list<std::string_view> righe) {
    testo.clear();
    for (std::string_view r : righe) {
      testo += r;
      testo += "\r\n";
    }
    scrivi_tutto(*f.cartella, file_treno(f), testo);
  }

  // Records between a "[generale]" header and the closing "[fine]".
  void scrivi(std::initializer_list<std::string_view> record) {
    testo = "[generale]\r\n";
    for (std::string_view r : record) {
      testo += r;
      testo += "\r\n";
    }
    testo += "[fine]\r\n";
    scrivi_tutto(*f.cartella, file_treno(f), testo);
  }

  // False when the reader failed with error 25.
  bool leggi() {
    try {
      leggi_file_treno(f, slot_cartello);
      return true;
    } catch (const interruzione& e) {
      if (e.s.genere() != genere_stato::lettura) throw;
      return false;
    }
  }

  bool file_presente() const { return f.cartella->esiste(file_treno(f)); }

  // Byte offset of the n-th (from 0) occurrence of a text in the file.
  std::size_t offset_di(std::string_view parte, int n = 0) const {
    std::size_t pos = testo.find(parte);
    while (n-- > 0 && pos != std::string::npos) pos = testo.find(parte, pos + 1);
    return pos;
  }

  cella& c(std::int32_t i) { return f.cella_n(i); }
};
