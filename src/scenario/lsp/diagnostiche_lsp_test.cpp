#include "scenario/lsp/diagnostiche_lsp.h"

#include <gtest/gtest.h>

namespace {

// The related record in words, for an editor that does not show it.
TEST(DiagnosticheLsp, TheRelatedRecordInWords) {
  struct caso {
    const char* nome;
    std::string file_nota;
    bool cella;
    std::string parola;
    std::string atteso;
  };
  const caso casi[] = {
      {"a cell of the same file", "A_1-.txt", true, "segnale",
       "; la cella \xC3\xA8 gi\xC3\xA0 presa da `segnale` alla riga 280"},
      {"a cell taken in the line file", "A_linea.txt", true, "cartello_indicatore",
       "; la cella \xC3\xA8 gi\xC3\xA0 presa da `cartello_indicatore` alla riga 280 di A_linea.txt"},
      {"no keyword found", "A_1-.txt", true, "", "; la cella \xC3\xA8 gi\xC3\xA0 presa dal record alla riga 280"},
      {"where the reading stopped", "A_1-.txt", false, "stazione",
       "; alla riga 280: qui si \xC3\xA8 fermata la lettura"},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    diagnostica d;
    d.file = "A_1-.txt";
    d.nota.file = c.file_nota;
    d.nota.riga = 280;
    d.nota.cella = c.cella;
    d.nota.messaggio = "qui si \xC3\xA8 fermata la lettura";
    EXPECT_EQ(nota_nel_messaggio(d, c.parola), c.atteso);
  }
  diagnostica senza;
  EXPECT_EQ(nota_nel_messaggio(senza, "segnale"), "");
}

}  // namespace
