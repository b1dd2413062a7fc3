// The rooms of src/ are stacked: a file may include its own room and the
// rooms below it, never one above. Tests and their fixtures (*_test.cpp,
// *_di_prova.h) may reach higher: a table of content is tested by compiling it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// From the bottom up. A folder inside a room is a room of its own when it is
// listed here; a file belongs to the longest listed folder that holds it.
const std::vector<std::string> ordine = {
    "base",
    "model",
    "content",
    "documents",
    "compiler",
    "output/formati",
    "output",
    "driver",
    "scenario/testo",
    "scenario/compatti",
    "scenario/sorgenti",
    "scenario/documenti_autore",
    "scenario/lsp",
    "scenario/rapporto",
    "scenario/confronto",
    "scenario/svg",
    "scenario/pagina",
    "scenario/comandi",
};

// Arrows the order alone would allow but the jobs forbid: the report, the
// drawing and the page read the compact files through their formats, never
// through the compile passes.
struct divieto {
  std::string da, a;
};
const std::vector<divieto> divieti = {
    {"scenario/testo", "output"},     {"scenario/compatti", "output"}, {"scenario/rapporto", "output"},
    {"scenario/confronto", "output"}, {"scenario/svg", "output"},      {"scenario/pagina", "output"},
};

// The room of a path under src/ ("scenario/svg/tela_svg.h" -> "scenario/svg"),
// or "" for a file outside every room (test_support and the like).
std::string stanza_di(const std::string& percorso) {
  std::string migliore;
  for (const std::string& s : ordine)
    if (percorso.rfind(s + "/", 0) == 0 && s.size() > migliore.size()) migliore = s;
  return migliore;
}

int livello(const std::string& stanza) {
  auto i = std::find(ordine.begin(), ordine.end(), stanza);
  return i == ordine.end() ? -1 : static_cast<int>(i - ordine.begin());
}

bool e_di_prova(const std::string& nome) { return nome.ends_with("_test.cpp") || nome.ends_with("_di_prova.h"); }

std::string radice() { return std::string(VELSTRA_SOURCE_DIR) + "/src"; }

// Every include of a non-test file of src/ that breaks the order, as
// "file:line: why".
std::vector<std::string> guasti() {
  std::vector<std::string> trovati;
  const std::regex inclusione(R"(^\s*#\s*include\s+"([a-z_0-9/]+\.h)\")");
  for (const auto& voce : fs::recursive_directory_iterator(radice())) {
    if (!voce.is_regular_file()) continue;
    const std::string nome = voce.path().filename().string();
    if (e_di_prova(nome) || !(nome.ends_with(".cpp") || nome.ends_with(".h"))) continue;
    const std::string file = fs::relative(voce.path(), radice()).generic_string();
    const std::string mia = stanza_di(file);
    if (mia.empty()) continue;
    std::ifstream in(voce.path());
    std::string riga;
    for (int n = 1; std::getline(in, riga); ++n) {
      std::smatch m;
      if (!std::regex_search(riga, m, inclusione)) continue;
      const std::string incluso = m[1];
      const std::string sua = stanza_di(incluso);
      if (sua.empty()) continue;
      const std::string dove = file + ":" + std::to_string(n) + ": the room " + mia + " includes " + incluso;
      if (livello(sua) > livello(mia)) trovati.push_back(dove + ", from the room above it");
      for (const divieto& d : divieti)
        if (d.da == mia && d.a == sua) trovati.push_back(dove + ", which its job forbids");
    }
  }
  std::sort(trovati.begin(), trovati.end());
  return trovati;
}

TEST(Stanze, NessunaIncludeUnaStanzaSopra) {
  const std::vector<std::string> g = guasti();
  std::string testo;
  for (const std::string& s : g) testo += s + "\n";
  EXPECT_TRUE(g.empty()) << testo;
}

// Every folder of src/ that holds code is a room of the order (or the tests'
// own support), so a new folder cannot slip past the check.
TEST(Stanze, OgniCartellaEUnaStanza) {
  std::vector<std::string> fuori;
  for (const auto& voce : fs::recursive_directory_iterator(radice())) {
    if (!voce.is_regular_file()) continue;
    const std::string nome = voce.path().filename().string();
    if (!(nome.ends_with(".cpp") || nome.ends_with(".h"))) continue;
    const std::string file = fs::relative(voce.path(), radice()).generic_string();
    if (file.find('/') == std::string::npos || file.rfind("test_support/", 0) == 0) continue;
    const std::string cartella = fs::path(file).parent_path().generic_string();
    if (std::find(ordine.begin(), ordine.end(), cartella) == ordine.end()) fuori.push_back(file);
  }
  EXPECT_TRUE(fuori.empty()) << "not in a listed room: " << (fuori.empty() ? "" : fuori.front());
}

// The check sees what it must: the stanza of a nested room is the nested one,
// and an include from below to above is caught.
TEST(Stanze, LaStanzaPiuInterna) {
  EXPECT_EQ(stanza_di("output/formati/file_piano.h"), "output/formati");
  EXPECT_EQ(stanza_di("output/memorizza_percorso.h"), "output");
  EXPECT_EQ(stanza_di("scenario/svg/tela_svg.h"), "scenario/svg");
  EXPECT_EQ(stanza_di("test_support/form_di_prova.h"), "");
  EXPECT_LT(livello("output/formati"), livello("output"));
  EXPECT_LT(livello("scenario/rapporto"), livello("scenario/comandi"));
}

}  // namespace
