#include "scenario/lsp/formattazione.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "scenario/lsp/server_di_prova.h"
#include "scenario/sorgenti/allinea_sorgente.h"
#include "scenario/testo/indice_righe.h"

namespace {

using namespace server_di_prova;

// The edits applied as an editor applies them: positions in UTF-16 units of
// the text before, the last first.
std::string applica(const std::string& utf8, const json& modifiche) {
  const indice_righe righe(utf8);
  std::vector<std::tuple<std::size_t, std::size_t, std::string>> v;
  for (const json& m : modifiche) {
    const auto a = [&](const json& p) {
      return righe.offset_di_utf16(utf8, {p["line"].get<std::size_t>(), p["character"].get<std::size_t>()});
    };
    v.emplace_back(a(m["range"]["start"]), a(m["range"]["end"]), m["newText"].get<std::string>());
  }
  std::sort(v.begin(), v.end());
  for (std::size_t k = 1; k < v.size(); ++k) EXPECT_LE(std::get<1>(v[k - 1]), std::get<0>(v[k])) << "edits overlap";
  std::string t = utf8;
  for (auto it = v.rbegin(); it != v.rend(); ++it)
    t.replace(std::get<0>(*it), std::get<1>(*it) - std::get<0>(*it), std::get<2>(*it));
  return t;
}

json formatta(editor& e, const std::string& uri) {
  return e.richiedi("textDocument/formatting", {{"textDocument", id_documento(uri)},
                                                {"options", {{"tabSize", 4}, {"insertSpaces", true}}}})["result"];
}

// The embedded train file comes back as `scenario allinea` writes it; the
// edits are blanks and commas only, and the aligned text gets none.
TEST(FormattazioneLsp, GivesTheLayoutOfAllineaBetweenTheItems) {
  editor e;
  EXPECT_EQ(e.inizia()["result"]["capabilities"]["documentFormattingProvider"], true);
  const std::string treno = treno_incorporato();
  e.apri(uri_treno, treno);
  const json modifiche = formatta(e, uri_treno);
  ASSERT_TRUE(modifiche.is_array());
  ASSERT_FALSE(modifiche.empty());
  for (const json& m : modifiche)
    EXPECT_EQ(m["newText"].get<std::string>().find_first_not_of(", "), std::string::npos) << m.dump();
  const std::string allineato = applica(treno, modifiche);
  EXPECT_EQ(allineato, utf8_da_1252(allinea_sorgente(testo_righe(righe_treno()), true)));
  e.apri(uri_treno, allineato, 2);
  EXPECT_EQ(formatta(e, uri_treno), json::array());
}

// A character the bytes cannot hold (read as '?') and an accented one on a
// line that is aligned: both stay as typed, the columns after them right;
// a record after a station's name goes to its own line.
TEST(FormattazioneLsp, KeepsWhatTheAuthorTyped) {
  editor e;
  e.inizia();
  const std::string treno =
      "[generale]\r\n"
      "stazione,  0, 8, 600, 1, 0, 0, 4, 1, 1, 2, 1, 1, 0, 13, 15, 0, MILANO \xE2\x86\x92 \xC3\x88ST\r\n"
      "stazione,     1100, 26, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Cabina B, velocita, 0, 30\r\n";
  e.apri(uri_treno, treno);
  EXPECT_EQ(applica(treno, formatta(e, uri_treno)),
            "[generale]\r\n"
            "stazione,    0,  8, 600, 1, 0, 0, 4, 1, 1, 2, 1, 1, 0, 13, 15, 0, MILANO \xE2\x86\x92 \xC3\x88ST\r\n"
            "stazione, 1100, 26, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0,  0, 0, Cabina B\r\n"
            "velocita, 0, 30\r\n");
}

}  // namespace
