// Replays every saved fuzz input (the seed corpus and the inputs that once
// crashed, kept as regressions) through the targets' bodies, so that the
// sanitizer build of the suite checks them on every run.
#include "bersagli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "scenari_generati.h"
#include "scenario/sorgenti/allinea_sorgente.h"

namespace {

namespace fs = std::filesystem;

// Runs every file of a folder through a target; returns how many it ran.
std::size_t riproduci(const fs::path& dir, void (*bersaglio)(const std::uint8_t*, std::size_t)) {
  std::size_t eseguiti = 0;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (!e.is_regular_file()) continue;
    std::ifstream in(e.path(), std::ios::binary);
    std::string dati((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(e.path().string());
    bersaglio(reinterpret_cast<const std::uint8_t*>(dati.data()), dati.size());
    ++eseguiti;
  }
  return eseguiti;
}

// The seed corpus must be there and hold inputs: a corpus lost in a move
// would otherwise turn the replay into a test that runs nothing. The
// regressions folder exists only once an input has crashed a target.
void riproduci_bersaglio(const std::string& nome, void (*bersaglio)(const std::uint8_t*, std::size_t)) {
  const fs::path radice = fs::path(VELSTRA_SOURCE_DIR) / "fuzz";
  const fs::path corpus = radice / "corpus" / nome;
  ASSERT_TRUE(fs::is_directory(corpus)) << corpus << " is missing";
  EXPECT_GT(riproduci(corpus, bersaglio), 0u) << corpus << " holds no input";
  const fs::path regressioni = radice / "regressioni" / nome;
  if (fs::exists(regressioni)) {
    ASSERT_TRUE(fs::is_directory(regressioni)) << regressioni;
    riproduci(regressioni, bersaglio);
  }
}

TEST(FuzzRegressioni, Compilatore) { riproduci_bersaglio("compilatore", bersaglio_compilatore); }
TEST(FuzzRegressioni, Linea) { riproduci_bersaglio("linea", bersaglio_linea); }
TEST(FuzzRegressioni, LineaLunga) { riproduci_bersaglio("linea_lunga", bersaglio_linea_lunga); }
TEST(FuzzRegressioni, Treno) { riproduci_bersaglio("treno", bersaglio_treno); }

TEST(FuzzRegressioni, Decodifica) { riproduci_bersaglio("decodifica", bersaglio_decodifica); }

TEST(FuzzRegressioni, Carico) { riproduci_bersaglio("carico", bersaglio_carico); }

TEST(FuzzRegressioni, Lsp) { riproduci_bersaglio("lsp", bersaglio_lsp); }

TEST(FuzzRegressioni, Accordo) { riproduci_bersaglio("accordo", bersaglio_accordo); }
TEST(FuzzRegressioni, AccordoEsteso) { riproduci_bersaglio("accordo_esteso", bersaglio_accordo_esteso); }

TEST(FuzzRegressioni, Allinea) { riproduci_bersaglio("allinea", bersaglio_allinea); }

std::string leggi_tutto_bersagli(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The embedded sources are aligned where their columns were not, and still
// compile to the program's bytes.
TEST(Allinea, EmbeddedSourcesKeepTheirCompiledBytes) {
  const std::string linea = testo_righe(righe_linea()), treno = testo_righe(righe_treno());
  EXPECT_NE(allinea_sorgente(treno, true), treno);
  controlla_allineamento(linea, treno);
}

// Every source of the other targets' corpora, as those targets read it: a
// line file alone, a train file after the train target's line, a pair cut
// at its first NUL.
TEST(Allinea, FuzzCorporaKeepTheirCompiledBytes) {
  const fs::path corpus = fs::path(VELSTRA_SOURCE_DIR) / "fuzz" / "corpus";
  std::size_t letti = 0;
  for (const auto& e : fs::directory_iterator(corpus / "linea")) {
    SCOPED_TRACE(e.path().string());
    controlla_allineamento(leggi_tutto_bersagli(e.path()), std::nullopt);
    ++letti;
  }
  for (const auto& e : fs::directory_iterator(corpus / "treno")) {
    SCOPED_TRACE(e.path().string());
    controlla_allineamento(linea_del_bersaglio_treno(), leggi_tutto_bersagli(e.path()));
    ++letti;
  }
  for (const auto& e : fs::directory_iterator(corpus / "compilatore")) {
    SCOPED_TRACE(e.path().string());
    const std::string dati = leggi_tutto_bersagli(e.path());
    bersaglio_allinea(reinterpret_cast<const std::uint8_t*>(dati.data()), dati.size());
    ++letti;
  }
  EXPECT_GE(letti, 3u);
}

// Generated scenarios, beyond the corpus: the tool's readers agree with the
// compiler on each that compiles, and most do (a generator whose scenarios
// all failed would test nothing). The embedded line's and the short pair's.
TEST(Accordo, GeneratedScenariosAreReadWhereTheCompilerPutThem) {
  const struct {
    const char* nome;
    scenario_generato (*genera)(std::uint64_t);
    void (*bersaglio)(const std::uint8_t*, std::size_t);
  } casi[] = {{"embedded", genera_scenario, bersaglio_accordo_esteso},
              {"short", genera_scenario_breve, bersaglio_accordo}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    int compilati = 0;
    for (std::uint64_t seme = 0; seme < 60; ++seme) {
      SCOPED_TRACE(seme);
      std::uint8_t dati[9] = {0};
      for (int k = 0; k < 8; ++k) dati[k + 1] = static_cast<std::uint8_t>(seme >> (56 - 8 * k));
      c.bersaglio(dati, sizeof dati);
      compilati += compila_senza_errori(c.genera(seme));
    }
    EXPECT_GE(compilati, 40);
  }
}

}  // namespace
