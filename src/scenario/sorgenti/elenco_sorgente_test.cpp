#include "scenario/sorgenti/elenco_sorgente.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"

namespace {

std::vector<std::string> righe_di_elenco_sorgente(const std::string& t) {
  std::vector<std::string> v;
  std::istringstream in(t);
  for (std::string r; std::getline(in, r);) v.push_back(r);
  return v;
}

// The listing of small files, each value as its author wrote it.
TEST(ElencoSorgente, ListsEachRecordWithItsPlaceAndItsFieldsByName) {
  struct caso {
    const char* nome;
    std::string byte;
    bool treno;
    std::string atteso;
  };
  const caso casi[] = {
      {"a train file alone: cells, no posts",
       "Treno di prova\r\n[generale]\r\nsabbia,  300\r\n[segnali]\r\n"
       "segnale,    2800,   2,  1,  2,  3,  4,  0,  5,  6,  7,  9\r\n"
       "rallentamento,  150000,    60,  300, 0,  0,  60\r\n"
       "abbattimento,  11000,  AC\r\n"
       "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA\r\n",
       true,
       "# file del treno\n"
       "# senza il file della linea: nessun punto chilometrico\n"
       "sabbia: sabbia=300\n"
       "segnale 2800 (cella 57): tipo_segnale=2 decine_valore_1=1 decine_valore_2=2 decine_valore_3=3 "
       "decine_valore_4=4 aggiunta=0 unita_valore_1=5 unita_valore_2=6 unita_valore_3=7 valore_5=9\n"
       "rallentamento 150000 (cella 3001): velocita=60 lunghezza=300 valore_3=0 tavole=0 valore_2=60\n"
       "abbattimento 11000 (cella 220): codice=0 (scritto \"AC\")\n"
       "stazione 71450 (cella 1429): tipo=2 lunghezza=700 campo_5=1 campo_15=1 campo_14=0 campo_7=4 campo_8=1 "
       "campo_12=1 campo_9=2 campo_10=1 campo_11=1 campo_13=60 ore=13 minuti=57 secondi=0 nome=\"PIACENZA\"\n"},
      {"a line file: its own posts, a curve's keyword, a decimal as read",
       "[generale]\r\nlunghezza percorso,    300000\r\n"
       "progressiva chilometrica uno,    23450,    218300,    1\r\n"
       "[curve]\r\ncurvad6,  1000,  300\r\n"
       "[pendenze]\r\npendenza,  24000.4,   -3\r\n"
       "indicatori_vmax,  30000,  150, 120, 100, 1, , , , 2\r\n"
       "velocita vmax,  5\r\n[fine]\r\n",
       false,
       "# file della linea\n"
       "# senza il file del treno: nessun nome di stazione\n"
       "lunghezza_percorso: lunghezza=300000\n"
       "progressiva_chilometrica_uno: inizio=23450 riferimento=218300 flag=1\n"
       "curva curvad6 1000 (pk 1+000): lunghezza=300\n"
       "pendenza 24000 (scritto \"24000.4\") (cella 480, pk 194+300): pendenza=-3\n"
       "indicatori_vmax 30000 (cella 601, pk 188+300): prima_velocita_1=150 prima_velocita_2=120 "
       "prima_velocita_3=100 codice_1=1 seconda_velocita_1=0 (vuoto) seconda_velocita_2=0 (vuoto) "
       "seconda_velocita_3=0 (vuoto) codice_2=2\n"},
      {"not a source: said, nothing listed",
       std::string("\x7F"
                   "ELF\0\0\x01garbage\r\n",
                   15),
       true,
       "# file del treno\n"
       "# senza il file della linea: nessun punto chilometrico\n"
       "# nessuna intestazione [generale]: il compilatore non legge niente di questo file\n"},
      {"headers and notes only", "[generale]\r\n[segnali]\r\nda rivedere, 12\r\n\r\n[fine]\r\n", true,
       "# file del treno\n"
       "# senza il file della linea: nessun punto chilometrico\n"
       "# nessun record: 3 voci che il compilatore salta\n"},
      {"a note no record reads, then the file ending inside a record",
       "[generale]\r\nsegnali vari\r\nvelocita,  0,  30\r\nsegnale, 100, 1, 2\r\n", true,
       "# file del treno\n"
       "# senza il file della linea: nessun punto chilometrico\n"
       "velocita 0 (cella 0): velocita=30\n"
       "segnale 100 (cella 3): tipo_segnale=1 decine_valore_1=2 (incompleto: 3 campi di 11)\n"
       "# il compilatore si ferma alla riga 4: il file finisce dentro un record; il resto non \xC3\xA8 letto\n"},
  };
  for (const caso& c : casi) EXPECT_EQ(elenco_sorgente(c.byte, c.treno), c.atteso) << c.nome;
}

// Reflowing a file (blanks, tabs, a record broken over lines, blank lines,
// LF for CR LF, a note, a header renamed) lists the same; a signal moved 200 m changes its one line.
TEST(ElencoSorgente, AReflowChangesNothingAMovedSignalOneLine) {
  const std::string treno = testo_righe(righe_treno());
  const std::string prima = elenco_sorgente(treno, true);
  std::string rifatto = treno;
  auto sostituisci = [&](std::string& t, const std::string& da, const std::string& a) {
    const std::size_t k = t.find(da);
    ASSERT_NE(k, std::string::npos) << da;
    t.replace(k, da.size(), a);
  };
  // A record over three lines, a line end for a comma, tabs and blank lines, a note.
  sostituisci(rifatto, "segnale,    2800,", "\r\nnota: spostato\r\n\r\nsegnale,\t2800\r\n     ");
  sostituisci(rifatto, "velocita,    1250,   100\r\n", "velocita  ,1250\n100\n");
  sostituisci(rifatto, "[segnali]", "[Segnali della tratta]");
  EXPECT_EQ(elenco_sorgente(rifatto, true), prima);

  std::string spostato = treno;
  sostituisci(spostato, "segnale,    2800,", "segnale,    3000,");
  const std::vector<std::string> a = righe_di_elenco_sorgente(prima),
                                 b = righe_di_elenco_sorgente(elenco_sorgente(spostato, true));
  ASSERT_EQ(a.size(), b.size());
  std::vector<std::size_t> diverse;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (a[k] != b[k]) diverse.push_back(k);
  ASSERT_EQ(diverse.size(), 1u);
  EXPECT_EQ(a[diverse[0]].rfind("segnale 2800 (cella 57): tipo_segnale=", 0), 0u) << a[diverse[0]];
  EXPECT_EQ(b[diverse[0]].rfind("segnale 3000 (cella 61): tipo_segnale=", 0), 0u) << b[diverse[0]];
}

// The partner file: the line's chainage series give a train file its posts,
// the train's stations name a line file's places.
TEST(ElencoSorgente, ThePartnerGivesPostsAndStationNames) {
  const std::string linea = testo_righe(righe_linea()), treno = testo_righe(righe_treno());
  const struttura_sorgente sl = leggi_struttura(linea, false), st = leggi_struttura(treno, true);
  const std::string et = elenco_sorgente(treno, true, {.linea = &sl});
  EXPECT_NE(et.find("# punti chilometrici dal file della linea\n"), std::string::npos);
  // Series one is in force after 23450, reference 218300: 41200 is post 218300 - 41200.
  EXPECT_NE(et.find("\naderenza 41200 (cella 824, pk 177+100): aderenza=90\n"), std::string::npos) << et;
  EXPECT_NE(et.find("\naderenza 9000 (cella 180, pk 9+000): aderenza=95\n"), std::string::npos);

  const std::string el = elenco_sorgente(linea, false, {.treno = &st});
  EXPECT_NE(el.find("# stazioni dal file del treno\n"), std::string::npos);
  EXPECT_NE(el.find("\ncurva curvad6 1000 (pk 1+000, tra MILANO e Cabina B): lunghezza=300\n"), std::string::npos)
      << el.substr(0, 1200);
}

TEST(ElencoSorgente, TellsTheFilesApartByTheirBytes) {
  EXPECT_FALSE(sembra_file_treno(testo_righe(righe_linea())));
  EXPECT_TRUE(sembra_file_treno(testo_righe(righe_treno())));
  EXPECT_TRUE(sembra_file_treno(""));
}

}  // namespace
