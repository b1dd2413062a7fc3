#include "scenario/sorgenti/cascata_errore.h"

#include <gtest/gtest.h>

#include "base/catalogo_errori.h"
#include "scenario/sorgenti/cascata_di_prova.h"
#include "scenario/sorgenti/compilazione_memoria.h"

namespace {

using namespace cascata_di_prova;

const std::string segnale_oltre = "segnale,    20000,   2, 4, 1,  1, 0,    0,  0,0,0, 0";

struct caso_cascata_errore {
  const char* nome;
  std::string linea, treno;
  // The report: its file, line, column and progressive.
  std::string file;
  std::size_t riga, colonna;
  std::int64_t progressiva;
  // The note at the train record, riga 0 for none, and what it says.
  std::size_t riga_nota;
  std::string detto;
};

const caso_cascata_errore casi_cascata_errore[] = {
    {"a signal within the line only stopped the reading", linea(), treno(), "L_linea.txt", 5, 12, 16000, 7,
     "perch\xC3\xA9 l'errore n. 15 del file della linea era ancora registrato: il compilatore lo registra a questo "
     "record (progressiva 2000), che ha solo fermato la lettura"},
    {"so did a slowdown", linea(), treno("rallentamento,  2000,    90,  450, 0,  0,  60", ""), "L_linea.txt", 5, 12,
     16000, 7, "(progressiva 2000), che ha solo fermato la lettura"},
    {"a train record beyond the end has its own error too", linea(), treno(segnale_oltre, ""), "L_linea.txt", 5, 12,
     16000, 7,
     "il compilatore registra l'errore a questo record (progressiva 20000), che ha anche un errore suo (n. 15)"},
    // Without an error of the line the train record is the error.
    {"a clean line", linea("pendenza,  7000,   2"), treno(segnale_oltre, ""), "L_1-.txt", 7, 13, 20000, 0, ""},
};

TEST(CascataErrore, TheLineRecordIsTheErrorAndTheTrainRecordWhereTheReadingStopped) {
  for (const caso_cascata_errore& c : casi_cascata_errore)
    for (passi_compilazione p : {passi_compilazione::senza_piano, passi_compilazione::con_piano}) {
      SCOPED_TRACE(c.nome);
      const testi_sorgente t{true, true, c.linea, c.treno};
      const compilazione_memoria m = compila_in_memoria(t, "L", "1", p);
      ASSERT_FALSE(m.fine);
      // The compiler's state stays as the train reader left it.
      EXPECT_EQ(m.f->numero_errore, err_oltre_percorso);
      EXPECT_EQ(m.f->origine.file, file_sorgente::treno);
      const diagnostica d = diagnostica_errore(*m.f, t);
      EXPECT_EQ(d.codice, "15");
      EXPECT_EQ(d.file, c.file);
      EXPECT_EQ(d.riga, c.riga);
      EXPECT_EQ(d.colonna, c.colonna);
      EXPECT_EQ(d.progressiva, c.progressiva);
      EXPECT_NE(d.messaggio.find("(progressiva " + std::to_string(c.progressiva) + "): record oltre la fine"),
                std::string::npos)
          << d.messaggio;
      EXPECT_EQ(d.nota.riga, c.riga_nota);
      if (c.riga_nota == 0) continue;
      EXPECT_EQ(d.nota.file, "L_1-.txt");
      EXPECT_EQ(d.nota.origine, file_sorgente::treno);
      EXPECT_EQ(d.nota.colonna, 1u);
      EXPECT_NE(d.nota.messaggio.find("qui si \xC3\xA8 fermata la lettura del file del treno"), std::string::npos);
      EXPECT_NE(d.nota.messaggio.find(c.detto), std::string::npos) << d.nota.messaggio;
    }
}

}  // namespace
