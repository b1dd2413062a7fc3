#include "scenario/lsp/pieghe.h"

#include <gtest/gtest.h>

#include "scenario/lsp/server_di_prova.h"

namespace {

using namespace server_di_prova;

TEST(PiegheLsp, EachSectionFoldsFromItsHeaderToItsLastRecord) {
  editor e;
  EXPECT_EQ(e.inizia()["result"]["capabilities"]["foldingRangeProvider"], true);
  // A blank line at the end of [rallentamenti] stays out of its fold; an empty section has none.
  const std::string treno =
      con(con(treno_incorporato(), "[rallentamenti]", "[vuota]\r\n[rallentamenti]"), "[segnali]", "\r\n[segnali]");
  e.apri(uri_treno, treno);
  const json r = e.richiedi("textDocument/foldingRange", {{"textDocument", id_documento(uri_treno)}})["result"];
  std::map<std::size_t, std::size_t> pieghe;  // first line to last
  for (const json& p : r) {
    EXPECT_EQ(p["kind"], "region");
    pieghe[p["startLine"]] = p["endLine"];
  }
  const std::size_t stazioni = riga_di(treno, "[stazioni]"), segnali = riga_di(treno, "[segnali]"),
                    rallentamenti = riga_di(treno, "[rallentamenti]");
  ASSERT_TRUE(pieghe.count(stazioni)) << r.dump();
  EXPECT_EQ(pieghe[stazioni], riga_di(treno, "[vuota]") - 1);
  EXPECT_FALSE(pieghe.count(riga_di(treno, "[vuota]")));
  ASSERT_TRUE(pieghe.count(rallentamenti));
  EXPECT_EQ(pieghe[rallentamenti], segnali - 2);
  EXPECT_TRUE(pieghe.count(segnali));
}

}  // namespace
