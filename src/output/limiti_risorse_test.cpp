// Resource bounds: the longest line the format allows compiles, and whatever
// the records say the cell array and the plan keep the size the length gave.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/errore.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "test_support/form_di_prova.h"

namespace {

namespace fs = std::filesystem;

struct esito_compilazione {
  std::string errore;  // text errore was called with, "" when the run wrote its files
};

esito_compilazione compila(Form1& f, const std::string& linea, const std::string& treno) {
  f.nome_percorso = "R";
  f.numero_treno = "9";
  scrivi_tutto(*f.cartella, file_linea(f), linea);
  scrivi_tutto(*f.cartella, file_treno(f), treno);
  try {
    memorizza_percorso(f, 1);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::errore) throw;
    return {e.s.testo()};
  }
  return {};
}

const std::string treno_minimo = "[generale]\r\nvelocita,   0,    30\r\naderenza,       0,    99\r\n[fine]\r\n";

// Bytes of one coordinate of the plan: two 16-bit seeds (4 bytes each), the
// computed metres as reals (10 bytes each), the last two metres empty (2 each).
std::uintmax_t byte_colonna_piano(std::uintmax_t lunghezza_estesa) { return 8 + (lunghezza_estesa - 3) * 10 + 4; }

TEST(LimitiRisorse, ALineOfOneMillionMetresCompiles) {
  form_di_prova prova;
  Form1& f = prova.f;
  const auto esito = compila(f,
                             "[generale]\r\nlunghezza percorso,    1000000\r\n[curve]\r\ncurvad3,  1000,  2000\r\n"
                             "[pendenze]\r\npendenza,  0,   5\r\npendenza,  999000,   -2\r\n[fine]\r\n",
                             treno_minimo);
  ASSERT_EQ(esito.errore, "");
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_EQ(f.numero_celle, 20140);
  EXPECT_EQ(leggi_tutto(prova.cartella, file_tracciato(f)).size(), 15u * 20141u);
  EXPECT_EQ(leggi_tutto(prova.cartella, file_piano(f)).size(), 2 * byte_colonna_piano(1007000));
  EXPECT_EQ(f.cella_n(20137).pendenza, 98);  // the last gradient reaches numero_celle - 3
  EXPECT_EQ(f.cella_n(20138).pendenza, 0);
}

TEST(LimitiRisorse, ALongerLineIsRefusedBeforeAnyCellExists) {
  form_di_prova prova;
  Form1& f = prova.f;
  const auto esito = compila(f, "[generale]\r\nlunghezza percorso,    1000001\r\n[fine]\r\n", treno_minimo);
  EXPECT_EQ(esito.errore, "1");
  EXPECT_FALSE(f.percorso_esiste());
  EXPECT_FALSE(f.cartella->esiste(file_tracciato(f)));
  EXPECT_FALSE(f.cartella->esiste(file_linea(f)));
}

// Records that point far beyond the line, or before its start, never grow
// the tables: they are refused and the sizes stay those the length gave.
TEST(LimitiRisorse, RecordsBeyondTheLineNeverGrowTheTables) {
  struct caso {
    const char* record;
    std::int32_t errore;
  };
  const caso casi[] = {
      {"curvad1,  6000,  2000000000", 15},
      {"curvad1,  2000000000,  10", 15},
      {"pendenza,  2147483000,   3", 15},
      {"montagna,   100,  2000000000,  11", 15},
      {"indicatori_vmax,  -5000,  30,  30,  30,  0,  30,  30,  30,  0", 15},
      {"cartello_indicatore,  -900,   (X)", 15},
  };
  for (const auto& c : casi) {
    form_di_prova prova;
    Form1& f = prova.f;
    const auto esito = compila(
        f, std::string("[generale]\r\nlunghezza percorso,    3000\r\n[record]\r\n") + c.record + "\r\n[fine]\r\n",
        treno_minimo);
    SCOPED_TRACE(c.record);
    EXPECT_EQ(esito.errore, "");
    EXPECT_EQ(f.numero_errore, c.errore);
    EXPECT_EQ(f.percorso.size(), 201u);
    EXPECT_EQ(leggi_tutto(prova.cartella, file_piano(f)).size(),
              2 * byte_colonna_piano(10000));  // the plan kept its 10001 metres
    EXPECT_EQ(leggi_tutto(prova.cartella, file_tracciato(f)).size(), 15u * 201u);
  }
}

}  // namespace
