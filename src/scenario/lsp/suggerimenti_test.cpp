#include "scenario/lsp/suggerimenti.h"

#include <gtest/gtest.h>

#include "scenario/lsp/server_di_prova.h"
#include "test_support/testo_di_prova.h"

namespace {

using namespace server_di_prova;

// The hints of the lines from prima to ultima of a document, by line: their labels.
std::map<std::size_t, std::vector<std::string>> suggerimenti(editor& e, const std::string& uri, std::size_t prima,
                                                             std::size_t ultima) {
  const json r = e.richiedi("textDocument/inlayHint",
                            {{"textDocument", id_documento(uri)},
                             {"range", {{"start", posizione(prima, 0)}, {"end", posizione(ultima, 200)}}}});
  std::map<std::size_t, std::vector<std::string>> v;
  for (const json& h : r["result"]) v[h["position"]["line"]].push_back(h["label"]);
  return v;
}

TEST(SuggerimentiLsp, ProgressivesGetTheirPostAndCellAndStationsTheirTime) {
  editor e;
  EXPECT_EQ(e.inizia()["result"]["capabilities"]["inlayHintProvider"], true);
  const std::string linea = linea_incorporata(), treno = treno_incorporato();
  e.apri(uri_linea, linea);
  e.apri(uri_treno, treno);
  struct caso {
    std::string uri, riga;  // the record's line
    std::vector<std::string> attesi;
  };
  const caso casi[] = {
      // A station: its post (series "due"), no cell; no time (0 0 0).
      {uri_treno, "stazione,  259500,", {"pk 55+700"}},
      // Its time as the sheet prints it.
      {uri_treno, "13,15, 0, MILANO", {"pk 0+000", "13.15"}},
      // A signal goes in the cell nearest(P/50 + 1), which starts 50 m on.
      {uri_treno, "segnale,   26250,", {"pk 192+050, cella 526 (26300 m)"}},
      // A mountain stretch: where it begins, then its last cell nearest(fine/50 - 1).
      {uri_linea, "montagna,   259450,  277950", {"pk 55+750", "pk 37+250, cella 5558 (277900 m)"}},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.riga);
    const std::size_t r = riga_di(c.uri == uri_linea ? linea : treno, c.riga);
    EXPECT_EQ(suggerimenti(e, c.uri, r, r)[r], c.attesi);
  }
  // Only the range asked: one line gives that line's hints alone.
  const std::size_t r = riga_di(treno, "segnale,   26250,");
  const auto una = suggerimenti(e, uri_treno, r, r);
  EXPECT_EQ(una.size(), 1u);
  EXPECT_EQ(una.begin()->first, r);
}

}  // namespace
