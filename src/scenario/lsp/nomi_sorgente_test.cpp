#include "scenario/lsp/nomi_sorgente.h"

#include <gtest/gtest.h>

namespace {

TEST(NomiSorgente, TheRoleComesFromTheName) {
  using r = nome_sorgente::ruolo;
  struct caso {
    const char* nome;
    r ruolo;
    const char *percorso, *treno;
  };
  const caso casi[] = {
      {"Velstra_Ordoven_318-.txt", r::treno, "Velstra_Ordoven", "318"},  // split at the last underscore
      {"Velstra_Ordoven_linea.txt", r::linea, "Velstra_Ordoven", ""},
      {"A_B_C-.txt", r::treno, "A_B", "C"},
      {"A-.txt", r::nessuno, "", ""},  // no underscore: no train
      {"A_-.txt", r::nessuno, "", ""},
      {"_1-.txt", r::nessuno, "", ""},
      {"_linea.txt", r::nessuno, "", ""},
      {"Velstra_Ordoven_318_note.txt", r::nessuno, "", ""},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const nome_sorgente n = riconosci_nome(c.nome);
    EXPECT_EQ(n.r, c.ruolo);
    EXPECT_EQ(n.percorso, c.percorso);
    EXPECT_EQ(n.treno, c.treno);
  }
}

TEST(NomiSorgente, UrisAsEditorsWriteThem) {
  const uri_diviso u = dividi_uri("file:///c%3A/Dati/Citt%C3%A0/Linea%201_linea.txt");
  EXPECT_EQ(u.cartella, "file:///c%3A/Dati/Citt%C3%A0");
  EXPECT_EQ(u.nome, "Linea 1_linea.txt");
  EXPECT_EQ(percorso_da_uri(u.cartella), "c:/Dati/Citt\xC3\xA0");
  EXPECT_EQ(percorso_da_uri("file:///home/autore/scenari"), "/home/autore/scenari");
  EXPECT_EQ(percorso_da_uri("untitled:"), "");
  EXPECT_EQ(uri_di("file:///d", "Linea 1_3-.txt"), "file:///d/Linea%201_3-.txt");
}

}  // namespace
