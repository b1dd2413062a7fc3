#pragma once
// For the tests of the report: the embedded scenario compiled into a folder,
// and access to the fields of a report by name.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/rapporto/rapporto_scenario.h"
#include "scenario/sorgenti/indice_sorgenti.h"
#include "test_support/form_di_prova.h"

namespace rapporto_di_prova {

// The embedded scenario compiled in dir (its sources are gone); the model stays for comparison.
inline std::unique_ptr<form_su_disco> compila_in(const std::filesystem::path& dir) {
  auto f = std::make_unique<form_su_disco>(dir);
  dati_linea(*f);
  dati_treno(*f);
  memorizza_percorso(*f, 1, nullptr);
  return f;
}

inline const nodo& campo(const nodo& n, const std::string& chiave) {
  for (std::size_t k = 0; k < n.chiavi.size(); ++k)
    if (n.chiavi[k] == chiave) return n.elementi[k];
  ADD_FAILURE() << "no field " << chiave;
  static const nodo vuoto;
  return vuoto;
}

inline bool ha(const nodo& n, const std::string& chiave) {
  for (const auto& k : n.chiavi)
    if (k == chiave) return true;
  return false;
}

inline std::int64_t numero(const nodo& n, const std::string& chiave) { return campo(n, chiave).numero; }

// The report of the compact files of dir, with the sources found there.
inline nodo rapporto_di(const std::filesystem::path& dir, const std::string& percorso, const std::string& treno) {
  scenario_compatto s;
  std::string guasto;
  EXPECT_TRUE(carica_scenario_compatto(dir, percorso, treno, s, guasto)) << guasto;
  return rapporto_scenario(s, indicizza_sorgenti(dir, percorso, treno));
}

}  // namespace rapporto_di_prova
