#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "model/form1.h"
#include "scenario/sorgenti/compilazione_memoria.h"
#include "scenario/sorgenti/diagnostica.h"

// Compiles one version after another of the two source files of a route key
// and train number, with the plan, as compila_in_memoria with con_piano does:
// the same model and error state and the same compact files, but the plan
// file is left empty (nobody reads it). The line file is read, and its plan
// built, only when its text differs from the last one read clean; the model
// that reading left is then reused under the new train file.
class compilazioni_successive {
 public:
  compilazioni_successive(std::string nome_percorso, std::string numero_treno)
      : nome_percorso_(std::move(nome_percorso)), numero_treno_(std::move(numero_treno)) {}

  compilazione_memoria compila(const testi_sorgente& t);
  // The line reader's run the compiles of t reuse, for its report
  // (diagnostica_errore); nullopt when t's line was not read clean.
  std::optional<linea_gia_letta> linea_letta(const testi_sorgente& t) const;

 private:
  std::string nome_percorso_, numero_treno_;
  // The line text last read clean, the model right after it and the first
  // free sign slot it left.
  std::optional<std::string> linea_letta_;
  Form1 dopo_linea_;
  std::int32_t slot_cartello_ = 0;
};
