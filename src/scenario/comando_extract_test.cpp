#include "scenario/comando_extract.h"

#include <gtest/gtest.h>

#include <sstream>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"

namespace {

TEST(ComandoExtract, WritesTheFiveFilesAsTheProgramDoes) {
  cartella_temporanea dir;
  form_su_disco f(dir.percorso);
  // An older, longer file is replaced whole.
  scrivi_tutto(*f.cartella, file_note(f), std::string(3000000, 'x'));
  std::ostringstream out, err;
  const std::vector<std::string> argomenti{dir.percorso.string()};
  ASSERT_EQ(comando_extract(argomenti, out, err), 0) << err.str();
  struct caso {
    std::string file;
    std::span<const std::string_view> righe;
  };
  const caso casi[] = {
      {file_linea(f), righe_linea()},           {file_treno(f), righe_treno()},
      {file_scheda(f), righe_scheda()},         {file_rallentamenti(f), righe_rallentamenti()},
      {file_note(f), righe_note()},
  };
  for (const auto& c : casi) {
    const std::string atteso = testo_righe(c.righe);
    ASSERT_GT(atteso.size(), 100u) << c.file;
    EXPECT_TRUE(leggi_tutto(*f.cartella, c.file) == atteso) << c.file;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso), {}), 5);
}

TEST(ComandoExtract, RefusesBadUse) {
  cartella_temporanea dir;
  const std::vector<std::vector<std::string>> casi = {
      {}, {dir.percorso.string(), "x"}, {(dir.percorso / "missing").string()}, {"--all"}};
  for (const auto& argomenti : casi) {
    std::ostringstream out, err;
    EXPECT_EQ(comando_extract(argomenti, out, err), 64);
    EXPECT_NE(err.str().find("usage: scenario extract DIR"), std::string::npos);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso), {}), 0);
}

}  // namespace
