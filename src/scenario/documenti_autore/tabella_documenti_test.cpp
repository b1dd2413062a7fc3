#include "scenario/documenti_autore/tabella_documenti.h"

#include <gtest/gtest.h>

namespace {

TEST(TabellaDocumenti, LeggeIRecordComeLiScriveLAutore) {
  std::vector<std::string> errori;
  const tabella_documenti t = leggi_tabella_documenti(
      {"; commento", "", "  CLASSIFICAZIONE ,  INTERCITY ", "massa, 700", "rango, V200 C",
       "nota, Dalle ore 23.30, di notte", "riga, 1750, 115, 90, 9.05, 9.07, 0.5, Ponte sul Po, nuovo",
       "rallentamento_su_carta, 53300, 40, 400, A-B-C,", "prescrizione, , i giorni esclusi"},
      "t.txt", errori);
  ASSERT_TRUE(errori.empty()) << errori[0];
  EXPECT_EQ(t.classificazione, "INTERCITY");
  EXPECT_EQ(t.massa, "700");
  EXPECT_EQ(t.rango, "V200 C");
  // The last field runs to the end of the line, commas included.
  EXPECT_EQ(t.nota, "Dalle ore 23.30, di notte");
  ASSERT_EQ(t.righe.size(), 1u);
  const riga_della_tabella& r = t.righe[0];
  EXPECT_EQ(r.progressiva, 1750);
  EXPECT_EQ(r.marcia, "115");
  EXPECT_EQ(r.no_rs, "90");
  EXPECT_EQ(r.arrivo, "9.05");
  EXPECT_EQ(r.orario, "9.07");
  EXPECT_EQ(r.recupero, "0.5");
  EXPECT_EQ(r.nome, "Ponte sul Po, nuovo");
  EXPECT_EQ(r.riga, 7u);
  ASSERT_EQ(t.su_carta.size(), 1u);
  EXPECT_EQ(t.su_carta[0].velocita, 40);
  EXPECT_EQ(t.su_carta[0].stazioni, "");
  ASSERT_EQ(t.legenda.size(), 1u);
  EXPECT_EQ(t.legenda[0].lettera, "");
}

TEST(TabellaDocumenti, OgniErroreHaLaSuaRiga) {
  struct caso {
    std::string riga, messaggio;
  } casi[] = {
      {"riga, 1750, , , , 24.10, ,", "t.txt:1: orario '24.10': ore e minuti come 13.57"},
      {"riga, 1750, , , 13.5, , ,", "t.txt:1: arrivo '13.5': ore e minuti come 13.57"},
      {"riga, 1750, 2000, , , , ,", "t.txt:1: velocit\xC3\xA0 di marcia '2000': un numero intero da 0 a 999"},
      {"riga, -5, , , , , ,", "t.txt:1: progressiva '-5': un numero intero da 0 a 1000000"},
      {"riga, 1750, , , 13.55", "t.txt:1: 'riga' vuole 7 campi, qui ce ne sono 4"},
      {"massa, settecento", "t.txt:1: massa 'settecento': un numero intero da 0 a 99999"},
      {"rango, V200 C molto veloce", "t.txt:1: rango 'V200 C molto veloce': al massimo 14 caratteri"},
      {"riga_stampata, 71450, 90, , 146.8, , , , ,", "t.txt:1: chilometro '146.8': chilometri e metri come 146.823"},
      {"riga_stampata, 71450, 90, , 146.823, , , ,", "t.txt:1: 'riga_stampata' vuole 9 campi, qui ce ne sono 8"},
      {"cella_scheda, 218300, ORA, |x|", "t.txt:1: colonna 'ORA': LIM, MARCIA, KM, NORS, NOME, ORARIO o REC"},
      {"cella_ordine, 259150, N, |x|", "t.txt:1: colonna 'N': STAZIONI, CIPPO, VELOCITA, METRI o PRESCRIZIONI"},
      {"cella_ordine, 259150, CIPPO, |" + std::string(29, ' ') + "|",
       "t.txt:1: cella '" + std::string(29, ' ') + "': al massimo 28 caratteri"},
      {"velocita, 0, 30",
       "t.txt:1: record sconosciuto 'velocita': classificazione, massa, rango, nota, riga, "
       "rallentamento_su_carta, prescrizioni, prescrizione, pagina, ometti, riga_stampata, cella_scheda o "
       "cella_ordine"},
  };
  for (const caso& c : casi) {
    std::vector<std::string> errori;
    leggi_tabella_documenti({c.riga}, "t.txt", errori);
    ASSERT_EQ(errori.size(), 1u) << c.riga;
    EXPECT_EQ(errori[0], c.messaggio);
  }
}

}  // namespace
