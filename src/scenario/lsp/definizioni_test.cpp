#include "scenario/lsp/definizioni.h"

#include <gtest/gtest.h>

#include <set>

#include "scenario/lsp/server_di_prova.h"

namespace {

using namespace server_di_prova;

// The places of an answer as (URI, line).
std::set<std::pair<std::string, std::size_t>> luoghi(const json& risposta) {
  std::set<std::pair<std::string, std::size_t>> v;
  for (const json& l : risposta["result"])
    v.insert({l["uri"].get<std::string>(), l["range"]["start"]["line"].get<std::size_t>()});
  return v;
}

TEST(DefinizioniLsp, ATrainRecordReachesEveryLineRecordInForceAtItsPlace) {
  struct caso {
    std::string progressiva;
    std::vector<std::string> attesi;  // the line records, as written
  };
  const caso casi[] = {
      // The gradient, board and sign before it; the curve before it ended at 25330.
      {"26250", {"pendenza,  26100", "indicatori_vmax,  23500", "cartello_indicatore,  24500"}},
      // Inside the curve from 26849 for 866 m.
      {"27000", {"curvas3,  26849", "pendenza,  26100", "indicatori_vmax,  23500", "cartello_indicatore,  24500"}},
      // Where a gradient begins, that gradient; the board at 27800 is the last passed.
      {"27950", {"pendenza,  27950", "indicatori_vmax,  27800", "cartello_indicatore,  24500"}},
  };
  const std::string linea = linea_incorporata();
  for (const caso& c : casi) {
    SCOPED_TRACE(c.progressiva);
    editor e;
    EXPECT_EQ(e.inizia()["result"]["capabilities"]["definitionProvider"], true);
    const std::string treno = con(treno_incorporato(), "segnale,   26250,", "segnale,   " + c.progressiva + ",");
    e.apri(uri_linea, linea);
    e.apri(uri_treno, treno);
    const std::size_t r = riga_di(treno, "segnale,   " + c.progressiva + ",");
    std::set<std::pair<std::string, std::size_t>> attesi;
    for (const std::string& a : c.attesi) attesi.insert({uri_linea, riga_di(linea, a + ",")});
    // From the keyword and from a field alike.
    for (std::size_t carattere : {std::size_t{2}, std::size_t{30}})
      EXPECT_EQ(luoghi(e.richiedi("textDocument/definition",
                                  {{"textDocument", id_documento(uri_treno)}, {"position", posizione(r, carattere)}})),
                attesi);
  }
}

TEST(DefinizioniLsp, AStationNameIsFoundInEveryFileOfTheRouteThatNamesIt) {
  editor e;
  EXPECT_EQ(e.inizia()["result"]["capabilities"]["referencesProvider"], true);
  const std::string uri_altro = cartella + "/Velstra_Ordoven_319-.txt";
  const std::string uri_tabella = cartella + "/Velstra_Ordoven_318_documenti.txt";
  const std::string linea = con(linea_incorporata(), "3800,   (P.254)", "3800,   milano ");
  const std::string treno = treno_incorporato();
  // A row of the sheet and a note: only the field that is the name names it.
  const std::string tabella = "riga,  0, , , , 13.15, , |MILANO|\r\nnota, MILANO ROGOREDO\r\nnota, VERSO MILANO\r\n";
  e.apri(uri_linea, linea);
  e.apri(uri_treno, treno);
  e.apri(uri_altro, treno);
  e.apri(uri_tabella, tabella);
  const std::size_t milano = riga_di(treno, "13,15, 0, MILANO");
  const json r = e.richiedi("textDocument/references", {{"textDocument", id_documento(uri_treno)},
                                                        {"position", posizione(milano, 74)},
                                                        {"context", {{"includeDeclaration", true}}}});
  const std::set<std::pair<std::string, std::size_t>> attesi = {
      {uri_linea, riga_di(linea, "milano")}, {uri_treno, milano}, {uri_altro, milano}, {uri_tabella, 0}};
  EXPECT_EQ(luoghi(r), attesi) << r.dump();
  for (const json& l : r["result"])
    if (l["uri"] == uri_tabella) {
      EXPECT_EQ(l["range"]["start"]["character"], 26);  // inside the bars
      EXPECT_EQ(l["range"]["end"]["character"], 32);
    }
  // Off a name: nothing.
  EXPECT_TRUE(luoghi(e.richiedi("textDocument/references",
                                {{"textDocument", id_documento(uri_treno)}, {"position", posizione(milano, 12)}}))
                  .empty());

  // The route's stations and signals for the whole workspace, by a part of their name.
  const json s = e.richiedi("workspace/symbol", {{"query", "rogor"}})["result"];
  ASSERT_EQ(s.size(), 2u) << s.dump();
  for (const json& x : s) EXPECT_EQ(x["name"], "MILANO ROGOREDO");
  const json segnali = e.richiedi("workspace/symbol", {{"query", "segnale km 1+800"}})["result"];
  ASSERT_EQ(segnali.size(), 2u) << segnali.dump();
  EXPECT_EQ(segnali[0]["location"]["range"]["start"]["line"], riga_di(treno, "segnale,    1800,"));
}

}  // namespace
