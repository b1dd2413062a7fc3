#include "scenario/documenti_autore/confronto_documenti.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The rows as the author would read them: line, folder's row, sources' row,
// only the line end differing.
struct atteso_confronto_documenti {
  std::size_t riga;
  std::optional<std::string> presente, attesa;
  bool fine_diversa = false;
};

struct caso_confronto_documenti {
  const char* descrizione;
  std::string presente, atteso_dai_sorgenti;
  std::vector<atteso_confronto_documenti> righe;
};

TEST(ConfrontoDocumenti, OgniRigaDiversaConLaSuaRigaEIDueLati) {
  const std::string sei = "uno\r\ndue\r\ntre\r\nquattro\r\ncinque\r\nsei\r\n";
  const caso_confronto_documenti casi[] = {
      {"the same bytes", sei, sei, {}},
      {"a row changed in place", sei, "uno\r\ndue\r\nTRE\r\nquattro\r\ncinque\r\nsei\r\n", {{3, "tre", "TRE"}}},
      {"a row the sources add: one row, not a shift of the rest",
       sei,
       "uno\r\ndue\r\nnuova\r\ntre\r\nquattro\r\ncinque\r\nsei\r\n",
       {{3, std::nullopt, "nuova"}}},
      {"a row the folder has and the sources no longer give",
       sei,
       "uno\r\ndue\r\ntre\r\ncinque\r\nsei\r\n",
       {{4, "quattro", std::nullopt}}},
      {"a row added at the top and one changed at the bottom",
       sei,
       "zero\r\nuno\r\ndue\r\ntre\r\nquattro\r\ncinque\r\nSEI\r\n",
       {{1, std::nullopt, "zero"}, {6, "sei", "SEI"}}},
      {"two rows replaced by three",
       sei,
       "uno\r\nA\r\nB\r\nC\r\nquattro\r\ncinque\r\nsei\r\n",
       {{2, "due", "A"}, {3, "tre", "B"}, {4, std::nullopt, "C"}}},
      {"a file saved with LF", "uno\ndue\n", "uno\r\ndue\r\n", {{1, "uno", "uno", true}, {2, "due", "due", true}}},
      {"a last line without its end", "uno\r\ndue", "uno\r\ndue\r\n", {{2, "due", "due", true}}},
      {"an empty file in the folder", "", "uno\r\ndue\r\n", {{1, std::nullopt, "uno"}, {1, std::nullopt, "due"}}},
  };
  for (const caso_confronto_documenti& c : casi) {
    SCOPED_TRACE(c.descrizione);
    const std::vector<riga_diversa> v = righe_diverse(c.presente, c.atteso_dai_sorgenti);
    ASSERT_EQ(v.size(), c.righe.size());
    for (std::size_t k = 0; k < v.size(); ++k) {
      EXPECT_EQ(v[k].riga, c.righe[k].riga) << k;
      EXPECT_EQ(v[k].presente, c.righe[k].presente) << k;
      EXPECT_EQ(v[k].attesa, c.righe[k].attesa) << k;
      EXPECT_EQ(v[k].fine_diversa, c.righe[k].fine_diversa) << k;
    }
  }
}

// Two long files with nothing in common are paired row by row, without the
// table of common runs growing past its bound.
TEST(ConfrontoDocumenti, FileLunghiSenzaRigheComuniSiAccoppianoInOrdine) {
  std::string a, b;
  for (int k = 0; k < 3000; ++k) {
    a += "a" + std::to_string(k) + "\r\n";
    b += "b" + std::to_string(k) + "\r\n";
  }
  b += "in piu\r\n";
  const std::vector<riga_diversa> v = righe_diverse(a, b);
  ASSERT_EQ(v.size(), 3001u);
  EXPECT_EQ(v[2999].riga, 3000u);
  EXPECT_EQ(v[2999].presente, "a2999");
  EXPECT_EQ(v[2999].attesa, "b2999");
  EXPECT_EQ(v[3000].presente, std::nullopt);
  EXPECT_EQ(v[3000].attesa, "in piu");
}

}  // namespace
