#include "scenario/lsp/nomi_sorgente.h"

#include <gtest/gtest.h>

#include "scenario/lsp/server_di_prova.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

TEST(NomiSorgente, TheRoleComesFromTheNameAndItsFolder) {
  using r = nome_sorgente::ruolo;
  struct caso {
    const char* nome;
    std::vector<std::string> cartella;
    r ruolo;
    const char *percorso, *treno;
  };
  const caso casi[] = {
      {"Velstra_Ordoven_318-.txt", {"Velstra_Ordoven_linea.txt"}, r::treno, "Velstra_Ordoven", "318"},
      {"Velstra_Ordoven_linea.txt", {}, r::linea, "Velstra_Ordoven", ""},
      // The train R_1 of Alpha: its line file is Alpha_linea.txt, not Alpha_R_linea.txt.
      {"Alpha_R_1-.txt", {"Alpha_linea.txt", "Alpha_R_1-.txt"}, r::treno, "Alpha", "R_1"},
      {"Alpha_R_1-.txt", {"Alpha_R_linea.txt"}, r::treno, "Alpha_R", "1"},
      {"Alpha_R_1-.txt", {"Alpha_linea.txt", "Alpha_R_linea.txt"}, r::nessuno, "", ""},  // two readings
      {"Alpha_R_1-.txt", {"Beta_linea.txt"}, r::treno, "Alpha_R", "1"},  // no line file: the longest route
      {"A_1-.txt", {}, r::treno, "A", "1"},                              // one reading only
      {"A-.txt", {"A_linea.txt"}, r::nessuno, "", ""},                   // no underscore: no train
      {"A_-.txt", {}, r::nessuno, "", ""},
      {"_1-.txt", {}, r::nessuno, "", ""},
      {"_linea.txt", {}, r::nessuno, "", ""},
      {"Velstra_Ordoven_318_note.txt", {}, r::nessuno, "", ""},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const nome_sorgente n = riconosci_nome(c.nome, c.cartella);
    EXPECT_EQ(n.r, c.ruolo);
    EXPECT_EQ(n.percorso, c.percorso);
    EXPECT_EQ(n.treno, c.treno);
  }
}

// The server reads the folder of a document it cannot read by name alone:
// the files on disk and the documents open there.
TEST(NomiSorgente, ADocumentIsReadByTheFilesOfItsFolderOnDiskAndOpen) {
  cartella_temporanea t;
  scrivi_tutto(t.percorso / "Alpha_linea.txt", "");
  const std::string cartella = "file://" + t.percorso.string();
  const nome_sorgente su_disco = riconosci_documento(dividi_uri(cartella + "/Alpha_R_1-.txt"), {});
  EXPECT_EQ(su_disco.r, nome_sorgente::ruolo::treno);
  EXPECT_EQ(su_disco.percorso, "Alpha");
  EXPECT_EQ(su_disco.treno, "R_1");
  // An open line file of another route, not saved yet, makes the name read two ways.
  const nome_sorgente due = riconosci_documento(dividi_uri(cartella + "/Alpha_R_1-.txt"),
                                                {cartella + "/Alpha_R_linea.txt", "file:///altrove/Alpha_R_linea.txt"});
  EXPECT_EQ(due.r, nome_sorgente::ruolo::nessuno);
  const nome_sorgente altrove =  // the other folder's file says nothing here
      riconosci_documento(dividi_uri(cartella + "/Alpha_R_1-.txt"), {"file:///altrove/Alpha_R_linea.txt"});
  EXPECT_EQ(altrove.percorso, "Alpha");
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

// The server pairs the train R_1 of Alpha with Alpha_linea.txt, as the tool
// does: the train file open with its line file on disk, and the line file
// open with its train file on disk.
TEST(NomiSorgente, TheServerPairsATrainWhoseNumberHoldsAnUnderscore) {
  using namespace server_di_prova;
  for (const bool apri_treno : {true, false}) {
    SCOPED_TRACE(apri_treno ? "train open" : "line open");
    const cartella_temporanea c;
    const std::string linea = con(linea_incorporata(), "lunghezza percorso,    300000", "lunghezza percorso,  1000001");
    scrivi_tutto(c.percorso / (apri_treno ? "Alpha_linea.txt" : "Alpha_R_1-.txt"),
                 apri_treno ? linea : testo_righe(righe_treno()));
    editor e;
    e.inizia();
    const std::string uri =
        "file://" + (c.percorso / (apri_treno ? "Alpha_R_1-.txt" : "Alpha_linea.txt")).generic_string();
    e.apri(uri, apri_treno ? treno_incorporato() : linea);
    const auto p = e.controlla();
    ASSERT_EQ(p.count(uri), 1u);
    for (const json& d : p.at(uri)["diagnostics"]) {
      EXPECT_NE(d["code"], "file-mancante") << d.dump();
      EXPECT_NE(d["code"], "nome-file") << d.dump();
    }
    if (!apri_treno) {
      // Error 1 of the line, found by compiling it with its train.
      ASSERT_EQ(p.at(uri)["diagnostics"].size(), 1u) << p.at(uri).dump(1);
      EXPECT_EQ(p.at(uri)["diagnostics"][0]["code"], 1);
    }
  }
}

}  // namespace
