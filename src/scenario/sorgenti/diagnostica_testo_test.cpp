#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "scenario/sorgenti/diagnostica.h"

namespace {

diagnostica al_posto(bool avviso) {
  diagnostica d;
  d.con_posizione = true;
  d.avviso = avviso;
  d.file = "R_1-.txt";
  d.riga = 4;
  d.colonna = 6;
  d.messaggio = avviso ? "valore fuori campo" : "Errore n. 16 (progressiva 1800): segnale su una cella non libera";
  d.testo_riga = "dd,\t\xC3\xA0x";
  d.rientro = "   \t ";
  return d;
}

TEST(DiagnosticaTesto, EachFormOfAReport) {
  diagnostica con_nota = al_posto(false);
  con_nota.nota = {file_sorgente::linea, "R_linea.txt", 12, 1, "qui il record che ha messo un segnale nella cella 37"};
  diagnostica senza_posto;
  senza_posto.file = "R_linea.txt";
  senza_posto.messaggio = "Errore n. 2: progressiva chilometrica";
  diagnostica senza_file;
  senza_file.messaggio = "Errore n. 1250: posto riservato occupato";
  const struct {
    diagnostica d;
    std::string testo;
  } casi[] = {
      {al_posto(false),
       "R_1-.txt:4:6: Errore n. 16 (progressiva 1800): segnale su una cella non libera\n    dd,\t\xC3\xA0x\n       \t "
       "^\n"},
      {al_posto(true), "R_1-.txt:4:6: avviso: valore fuori campo\n    dd,\t\xC3\xA0x\n       \t ^\n"},
      {con_nota,
       "R_1-.txt:4:6: Errore n. 16 (progressiva 1800): segnale su una cella non libera\n    dd,\t\xC3\xA0x\n       \t "
       "^\nR_linea.txt:12:1: nota: qui il record che ha messo un segnale nella cella 37\n"},
      // Without a place, the program's own line, after the file when known.
      {senza_posto, "R_linea.txt: Errore n. 2: progressiva chilometrica\n"},
      {senza_file, " Errore n. 1250: posto riservato occupato\n"},
  };
  for (const auto& c : casi) {
    std::ostringstream err;
    stampa_diagnostica(err, c.d);
    EXPECT_EQ(err.str(), c.testo);
  }
}

}  // namespace
