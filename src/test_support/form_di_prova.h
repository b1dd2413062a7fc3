#pragma once
// The model fixture of the tests: a run state whose folder is in memory.
#include <cstdint>
#include <string>

#include "base/cartella.h"
#include "model/form1.h"

struct form_di_prova {
  cartella_memoria cartella;
  Form1 f;
  explicit form_di_prova(std::string percorso = "Prova", std::string treno = "7") {
    f.cartella = &cartella;
    f.nome_percorso = std::move(percorso);
    f.numero_treno = std::move(treno);
  }
  form_di_prova(const form_di_prova&) = delete;
  form_di_prova& operator=(const form_di_prova&) = delete;
};

// Cells 0..numero_celle of the model, every one empty: the track as the
// placement procedures and the code check find it before any object.
inline void metti_celle_vuote(Form1& f, std::int32_t numero_celle) {
  f.numero_celle = numero_celle;
  f.percorso.assign(static_cast<std::size_t>(numero_celle) + 1, cella{});
}
// A model with no error and nothing but cells 0..numero_celle, every one empty.
inline Form1 modello_celle_vuote(std::int32_t numero_celle) {
  Form1 f;
  metti_celle_vuote(f, numero_celle);
  return f;
}

// The whole file of a folder; empty when it is missing.
inline std::string leggi_tutto(const cartella_file& cartella, const std::string& nome) {
  std::string byte;
  cartella.leggi(nome, byte);
  return byte;
}
inline void scrivi_tutto(cartella_file& cartella, const std::string& nome, const std::string& byte) {
  cartella.sostituisci(nome, byte);
}

// A run state on a folder on disk, for the tests that run the tool or the
// program as a user does, on real folders.
struct form_su_disco : Form1 {
  cartella_disco disco;
  explicit form_su_disco(const std::filesystem::path& dove, std::string nome = "Velstra_Ordoven",
                         std::string treno = "318")
      : disco(dove) {
    cartella = &disco;
    nome_percorso = std::move(nome);
    numero_treno = std::move(treno);
  }
  form_su_disco(const form_su_disco&) = delete;
  form_su_disco& operator=(const form_su_disco&) = delete;
  // The file's whole path on disk.
  std::filesystem::path percorso_di(const std::string& nome) const { return disco.percorso_di(nome); }
};
