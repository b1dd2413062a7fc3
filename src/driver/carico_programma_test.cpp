#include "driver/carico_programma.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/cartella.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "driver/form_load.h"
#include "model/form1.h"
#include "test_support/cartella_temporanea.h"

namespace {

carico_scenario di_prova() {
  carico_scenario c;
  c.percorso = "Linea_Mia";
  c.treno = "42";
  c.linea = "linea\r\n";
  c.sorgente_treno = "treno\r\n";
  c.scheda = "scheda\r\n";
  c.rallentamenti = "ordine\r\n";
  c.note = "note\r\n";
  return c;
}

TEST(CaricoProgramma, UnProgrammaSenzaCodaInstallaIlProprioScenario) {
  cartella_temporanea t;
  for (const std::string& byte : {std::string(), std::string("MZ"), std::string(5000, 'x')}) {
    scrivi_tutto(t.percorso / "p", byte);
    carico_scenario c;
    bool presente = true;
    EXPECT_TRUE(carico_del_programma(t.percorso / "p", c, presente).ok());
    EXPECT_FALSE(presente);
  }
}

TEST(CaricoProgramma, LeggeLoScenarioInCodaEdEsceSuUnaCodaGuasta) {
  cartella_temporanea t;
  const std::string programma(70000, '\x90');
  const std::string carico = codifica_carico(di_prova());
  scrivi_tutto(t.percorso / "p", programma + carico);
  carico_scenario c;
  bool presente = false;
  ASSERT_TRUE(carico_del_programma(t.percorso / "p", c, presente).ok());
  ASSERT_TRUE(presente);
  EXPECT_EQ(c.percorso, "Linea_Mia");
  EXPECT_EQ(c.note, "note\r\n");
  // A length beyond the file: the whole file is read and the check says so.
  std::string lungo = programma + carico;
  lungo[lungo.size() - 12 + 7] = '\x7F';
  scrivi_tutto(t.percorso / "p", lungo);
  const stato s = carico_del_programma(t.percorso / "p", c, presente);
  EXPECT_EQ(s.genere(), genere_stato::valore);
  EXPECT_NE(s.messaggio().find("prima della coda ce ne sono 70"), std::string::npos) << s.messaggio();
}

TEST(CaricoProgramma, FormLoadScriveLoScenarioDelCaricoEToglieITemporanei) {
  cartella_memoria cartella;
  carico_scenario c = di_prova();
  c.linea = testo_righe(righe_linea());
  c.sorgente_treno = testo_righe(righe_treno());
  cartella.sostituisci("Linea_Mia_42.sim.tmp~", "resto di una corsa interrotta");
  Form1 f;
  f.cartella = &cartella;
  std::ostringstream console;
  Form_Load(f, console, &c);
  EXPECT_EQ(f.nome_percorso, "Linea_Mia");
  EXPECT_EQ(f.numero_treno, "42");
  std::string byte;
  ASSERT_TRUE(cartella.leggi("Linea_Mia_42_scheda_treno.txt", byte).ok());
  EXPECT_EQ(byte, "scheda\r\n");
  ASSERT_TRUE(cartella.leggi("Linea_Mia_42_rallentamenti.txt", byte).ok());
  EXPECT_EQ(byte, "ordine\r\n");
  EXPECT_FALSE(cartella.esiste("Linea_Mia_42.sim.tmp~"));
  // The sources under the carico's names, compiled and deleted.
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_FALSE(cartella.esiste("Linea_Mia_linea.txt"));
  EXPECT_FALSE(cartella.esiste("Linea_Mia_42-.txt"));
  EXPECT_TRUE(cartella.esiste("Linea_Mia_42.sim"));
  EXPECT_TRUE(cartella.esiste("Linea_Mia_linea.dat"));
}

}  // namespace
