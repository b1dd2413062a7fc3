#include "compiler/profili_treno.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/treno_di_prova.h"

namespace {

TEST(ProfiliTreno, EachSpeedHoldsFromItsOwnCellAndTheLastOneToTheEnd) {
  treno_di_prova t;
  t.scrivi({"velocita,   0,    30", "velocita,    1250,   100", "velocita,    2000,   150"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  for (std::int32_t i = 0; i <= 24; ++i) ASSERT_EQ(t.c(i).velocita, 6) << "cell " << i;
  for (std::int32_t i = 25; i <= 39; ++i) ASSERT_EQ(t.c(i).velocita, 20) << "cell " << i;
  for (std::int32_t i = 40; i <= 6137; ++i) ASSERT_EQ(t.c(i).velocita, 30) << "cell " << i;
  for (std::int32_t i = 6138; i <= 6140; ++i) EXPECT_EQ(t.c(i).velocita, 0) << "the last three cells keep 0";
}

TEST(ProfiliTreno, AdhesionKeepsItsLowEightBits) {
  treno_di_prova t;
  t.scrivi({"aderenza,   0,    300", "aderenza,   53950,    70", "aderenza,   60000,    -1"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.c(0).aderenza, 44);
  EXPECT_EQ(t.c(1078).aderenza, 44);  // nearest(53950/50) = 1079
  EXPECT_EQ(t.c(1079).aderenza, 70);
  EXPECT_EQ(t.c(1199).aderenza, 70);
  EXPECT_EQ(t.c(1200).aderenza, 255);
  EXPECT_EQ(t.c(6137).aderenza, 255);
  EXPECT_EQ(t.c(6138).aderenza, 0);
}

TEST(ProfiliTreno, ValuesBeforeTheFirstRecordAreZero) {
  treno_di_prova t;
  t.scrivi({"velocita,    500,   100", "aderenza,    500,    70"});
  ASSERT_TRUE(t.leggi());
  for (std::int32_t i = 0; i <= 9; ++i) {
    EXPECT_EQ(t.c(i).velocita, 0) << "cell " << i;
    EXPECT_EQ(t.c(i).aderenza, 0) << "cell " << i;
  }
  EXPECT_EQ(t.c(10).velocita, 20);
  EXPECT_EQ(t.c(10).aderenza, 70);
}

TEST(ProfiliTreno, FillIndexRoundsHalfToEven) {
  // 1225/50 = 24.5 -> 24 and 1275/50 = 25.5 -> 26.
  struct caso {
    const char* record;
    std::int32_t prima_cella_nuova;
  } casi[] = {{"velocita, 1225, 100", 24}, {"velocita, 1275, 100", 26}, {"velocita, 1230, 100", 25}};
  for (const caso& k : casi) {
    treno_di_prova t;
    t.scrivi({"velocita, 0, 50", k.record});
    ASSERT_TRUE(t.leggi());
    EXPECT_EQ(t.c(k.prima_cella_nuova - 1).velocita, 10) << k.record;
    EXPECT_EQ(t.c(k.prima_cella_nuova).velocita, 20) << k.record;
  }
}

TEST(ProfiliTreno, RecordOutOfOrderStillWritesOneCell) {
  treno_di_prova t;
  t.scrivi({"velocita, 0, 50", "aderenza, 0, 40", "velocita, 1000, 100", "aderenza, 1000, 60", "velocita, 500, 150",
            "aderenza, 500, 80"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.c(19).velocita, 10);
  EXPECT_EQ(t.c(20).velocita, 20) << "the record at 500 writes cell 20 with the speed before it";
  EXPECT_EQ(t.c(21).velocita, 30);
  EXPECT_EQ(t.c(20).aderenza, 60);
  EXPECT_EQ(t.c(21).aderenza, 80);
}

TEST(ProfiliTreno, SpeedOutsideTheByteFailsWhenFirstWrittenIntoACell) {
  struct caso {
    std::vector<std::string> righe;
    bool letto;
    const char* campo;  // the speed field at fault
  } casi[] = {
      {{"velocita, 0, 1277", "velocita, 100, 10"}, true, nullptr},  // nearest(255.4) = 255
      {{"velocita, 0, 1280", "velocita, 100, 10"}, false, "1280"},  // 256, written by the next record
      {{"velocita, 0, 30", "velocita, 100, 1280"}, false, "1280"},  // 256, written by the fill-out
      {{"velocita, 0, -3", "velocita, 100, 10"}, false, "-3"},      // nearest(-0.6) = -1
      {{"velocita, 0, -2", "velocita, 100, 10"}, true, nullptr},    // nearest(-0.4) = 0
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    t.testo = "[generale]\r\n";
    for (const std::string& r : k.righe) t.testo += r + "\r\n";
    t.testo += "[fine]\r\n";
    scrivi_tutto(*t.f.cartella, file_treno(t.f), t.testo);
    EXPECT_EQ(t.leggi(), k.letto) << k.righe[0] << " / " << k.righe[1];
    if (!k.letto) {
      EXPECT_EQ(t.f.origine.file, file_sorgente::treno);
      EXPECT_EQ(t.f.origine.offset, t.offset_di(k.campo));
    }
  }
}

TEST(ProfiliTreno, SpeedFailureAtTheFillOutLeavesTheAdhesionUnfilled) {
  treno_di_prova t;
  t.scrivi({"aderenza, 0, 40", "velocita, 0, 30", "velocita, 100, 1280", "aderenza, 100, 70"});
  EXPECT_FALSE(t.leggi());
  EXPECT_EQ(t.c(1).aderenza, 40);
  EXPECT_EQ(t.c(2).aderenza, 0) << "no adhesion fill-out after the speed fill-out failed";
}

TEST(ProfiliTreno, FillsNeverPassTheLastCell) {
  // 21 cells; every record at 50 m writes one more cell once the position
  // has passed 1, so 40 of them would run past the array.
  treno_di_prova t(20);
  std::string testo = "[generale]\r\nvelocita, 0, 50\r\naderenza, 0, 40\r\n";
  for (int n = 0; n < 40; ++n) testo += "velocita, 50, 100\r\naderenza, 50, 60\r\n";
  testo += "velocita, 50, 150\r\naderenza, 50, 80\r\n[fine]\r\n";
  scrivi_tutto(*t.f.cartella, file_treno(t.f), testo);
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  EXPECT_EQ(t.c(19).velocita, 20);
  // Speed records stop at the last cell and leave it to the fill-out; the
  // adhesion records fill it themselves and the fill-out has no cell left.
  EXPECT_EQ(t.c(20).velocita, 30);
  EXPECT_EQ(t.c(20).aderenza, 60);
}

}  // namespace
