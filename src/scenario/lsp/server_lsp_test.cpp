#include "scenario/lsp/server_lsp.h"

#include <gtest/gtest.h>

#include "scenario/lsp/diagnostiche_lsp.h"
#include "scenario/lsp/server_di_prova.h"
#include "scenario/testo/a_1252.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

using namespace server_di_prova;

TEST(ServerLsp, InitializeNamesWhatTheServerDoes) {
  editor e;
  const json r = e.inizia();
  const json& c = r["result"]["capabilities"];
  EXPECT_EQ(c["textDocumentSync"]["change"], 2);  // incremental
  EXPECT_EQ(c["textDocumentSync"]["openClose"], true);
  EXPECT_EQ(c["hoverProvider"], true);
  EXPECT_EQ(c["documentSymbolProvider"], true);
  EXPECT_TRUE(c.contains("completionProvider"));
  EXPECT_EQ(c["codeActionProvider"]["codeActionKinds"][0], "quickfix");
  EXPECT_EQ(r["result"]["serverInfo"]["name"], "scenario");
}

TEST(ServerLsp, EveryBadMessageGetsItsErrorAndTheServerGoesOn) {
  struct caso {
    const char* corpo;
    int codice;
  };
  const caso casi[] = {
      {"{\"jsonrpc\": \"2.0\", \"id\": 1, \"method\": ", -32700},  // cut JSON
      {"\x01\xff\xfe binario", -32700},
      {"[1, 2]", -32600},
      {"{\"jsonrpc\": \"2.0\", \"id\": 7}", -32600},
      {"{\"jsonrpc\": \"2.0\", \"id\": {\"a\": 1}, \"method\": \"shutdown\"}", -32600},
      {"{\"jsonrpc\": \"2.0\", \"id\": 8, \"method\": \"textDocument/rename\", \"params\": {}}", -32601},
      // a notification's method asked as a request
      {"{\"jsonrpc\": \"2.0\", \"id\": 12, \"method\": \"textDocument/didSave\", \"params\": {}}", -32601},
      {"{\"jsonrpc\": \"2.0\", \"id\": 9, \"method\": \"textDocument/hover\", \"params\": {}}", -32602},
      {"{\"jsonrpc\": \"2.0\", \"id\": 10, \"method\": \"textDocument/hover\", \"params\": {\"textDocument\": "
       "{\"uri\": \"file:///non/aperto.txt\"}, \"position\": {\"line\": 0, \"character\": 0}}}",
       -32602},
      {"{\"jsonrpc\": \"2.0\", \"id\": 11, \"method\": \"textDocument/hover\", \"params\": {\"textDocument\": "
       "{\"uri\": 3}, \"position\": {\"line\": -1, \"character\": 0}}}",
       -32602},
  };
  editor e;
  // Before initialize a request is refused with its own code.
  EXPECT_EQ(e.richiedi("textDocument/documentSymbol", {{"textDocument", id_documento(uri_treno)}})["error"]["code"],
            -32002);
  e.inizia();
  for (const caso& c : casi) {
    SCOPED_TRACE(c.corpo);
    e.invia_corpo(c.corpo);
    const std::vector<json> v = e.leggi();
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0]["error"]["code"], c.codice);
    EXPECT_FALSE(v[0]["error"]["message"].get<std::string>().empty());
  }
  // A notification the server cannot use has no answer; it is logged.
  e.notifica("textDocument/didChange", {{"textDocument", {{"uri", uri_treno}, {"version", 2}}}});
  const std::vector<json> log = e.leggi();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0]["method"], "window/logMessage");
  // And still it works.
  e.apri(uri_treno, treno_incorporato());
  EXPECT_EQ(e.richiedi("textDocument/documentSymbol", {{"textDocument", id_documento(uri_treno)}})["result"].size() > 0,
            true);
  EXPECT_EQ(e.richiedi("shutdown", nullptr)["result"], nullptr);
  EXPECT_EQ(e.richiedi("textDocument/hover", {})["error"]["code"], -32600);
  e.notifica("exit", nullptr);
  EXPECT_TRUE(e.server.uscito());
  EXPECT_EQ(e.server.codice_uscita(), 0);
}

// The editor's bytes as they come on the stream. Content-Type is a header
// an editor may send, before Content-Length or after it; a frame without a
// length is answered with an error and the next frame is read.
TEST(ServerLsp, FramesAreReadWhateverHeadersTheyCarry) {
  const std::string corpo = R"({"jsonrpc": "2.0", "id": 1, "method": "initialize", "params": {}})";
  const std::string lunghezza = "Content-Length: " + std::to_string(corpo.size()) + "\r\n";
  const std::string tipo = "Content-Type: application/vscode-jsonrpc; charset=utf-8\r\n";
  for (const std::string& intestazione :
       {tipo + lunghezza, lunghezza + tipo, "content-length:  " + std::to_string(corpo.size()) + " \r\n"}) {
    SCOPED_TRACE(intestazione);
    editor e;
    e.invia_byte(intestazione + "\r\n" + corpo);
    const std::vector<json> v = e.leggi();
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0]["id"], 1);
    EXPECT_EQ(v[0]["result"]["serverInfo"]["name"], "scenario") << v[0].dump();
  }
  editor e;
  e.invia_byte(tipo + "\r\n" + lunghezza + "\r\n" + corpo);
  const std::vector<json> v = e.leggi();
  ASSERT_EQ(v.size(), 2u);
  EXPECT_EQ(v[0]["id"], nullptr);
  EXPECT_EQ(v[0]["error"]["code"], -32700);
  EXPECT_EQ(v[0]["error"]["message"], "intestazione senza Content-Length valido");
  EXPECT_EQ(v[1]["id"], 1);
  EXPECT_TRUE(v[1].contains("result"));
}

// What has no answer gets none: the editor's answers, notifications the
// server does not use, and (before initialize) every notification but exit.
TEST(ServerLsp, WhatNeedsNoAnswerGetsNone) {
  editor e;
  e.apri(uri_treno, treno_incorporato());
  EXPECT_TRUE(e.leggi().empty());
  e.inizia();
  e.invia_corpo(R"({"jsonrpc": "2.0", "id": 3, "result": null})");
  e.notifica("$/cancelRequest", {{"id", 1}});
  // A request's method sent as a notification.
  e.notifica("textDocument/hover", {{"textDocument", id_documento(uri_treno)}, {"position", posizione(0, 0)}});
  EXPECT_TRUE(e.leggi().empty());
  // The file opened before initialize was not opened.
  const json r = e.richiedi("textDocument/documentSymbol", {{"textDocument", id_documento(uri_treno)}});
  EXPECT_EQ(r["error"]["code"], -32602);
}

TEST(ServerLsp, ExitWithoutShutdownEndsWithOne) {
  editor e;
  e.inizia();
  e.notifica("exit", nullptr);
  EXPECT_TRUE(e.server.uscito());
  EXPECT_EQ(e.server.codice_uscita(), 1);
}

// A signal moved onto the cell of the one before: error 16 at its
// progressive, the record that took the cell as related information.
TEST(ServerLsp, ATakenCellIsReportedAtItsFieldWithTheRecordThatTookIt) {
  editor e;
  e.inizia();
  const std::string treno = con(treno_incorporato(), "segnale,    3450,", "segnale,    2800,");
  e.apri(uri_linea, linea_incorporata());
  e.apri(uri_treno, treno, 4);
  const auto p = e.controlla();
  ASSERT_EQ(p.count(uri_treno), 1u);
  ASSERT_EQ(p.count(uri_linea), 1u);
  EXPECT_EQ(p.at(uri_linea)["diagnostics"].size(), 0u);
  const json& t = p.at(uri_treno);
  EXPECT_EQ(t["version"], 4);
  ASSERT_EQ(t["diagnostics"].size(), 1u) << t.dump(1);
  const json& d = t["diagnostics"][0];
  const std::size_t riga = riga_di(treno, "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0\r\nsegnale,    2800");
  EXPECT_EQ(d["range"]["start"]["line"], riga + 1);
  EXPECT_EQ(d["range"]["start"]["character"], 12);
  EXPECT_EQ(d["range"]["end"]["character"], 16);
  EXPECT_EQ(d["severity"], 1);
  EXPECT_EQ(d["code"], 16);
  EXPECT_EQ(d["source"], "scenario");
  EXPECT_TRUE(contiene(d["message"], "segnale su una cella non libera (la cella 57 contiene un segnale)"));
  const json& n = d["relatedInformation"][0];
  EXPECT_EQ(n["location"]["uri"], uri_treno);
  EXPECT_EQ(n["location"]["range"]["start"]["line"], riga);
  EXPECT_TRUE(contiene(n["message"], "cella 57"));
}

// Changes in a row are checked once, at the last version; a fix empties the list.
TEST(ServerLsp, ChangesAreCheckedAtTheLastVersionAndAFixClearsThem) {
  editor e;
  e.inizia();
  const std::string treno = treno_incorporato();
  e.apri(uri_linea, linea_incorporata());
  e.apri(uri_treno, treno);
  EXPECT_EQ(e.controlla().at(uri_treno)["diagnostics"].size(), 0u);
  const std::size_t r = riga_di(treno, "velocita,    1250,   100");
  // "100" becomes "1O0", then "12O0": two incremental changes, then a look.
  e.notifica(
      "textDocument/didChange",
      {{"textDocument", {{"uri", uri_treno}, {"version", 2}}},
       {"contentChanges", {{{"range", {{"start", posizione(r, 22)}, {"end", posizione(r, 23)}}}, {"text", "O"}}}}});
  e.notifica(
      "textDocument/didChange",
      {{"textDocument", {{"uri", uri_treno}, {"version", 3}}},
       {"contentChanges", {{{"range", {{"start", posizione(r, 22)}, {"end", posizione(r, 22)}}}, {"text", "2"}}}}});
  auto p = e.controlla();
  ASSERT_EQ(p.count(uri_treno), 1u);
  EXPECT_EQ(p.at(uri_treno)["version"], 3);
  ASSERT_EQ(p.at(uri_treno)["diagnostics"].size(), 1u);
  const json& d = p.at(uri_treno)["diagnostics"][0];
  EXPECT_EQ(d["code"], "lettera-o");
  EXPECT_EQ(d["severity"], 1);
  EXPECT_EQ(d["range"]["start"], posizione(r, 21));
  EXPECT_EQ(d["range"]["end"], posizione(r, 25));
  EXPECT_TRUE(contiene(d["message"], "'12O0' è letto come 12: la lettera O sta per uno zero"));
  // The whole text again: the fault is gone.
  e.notifica("textDocument/didChange",
             {{"textDocument", {{"uri", uri_treno}, {"version", 4}}}, {"contentChanges", {{{"text", treno}}}}});
  p = e.controlla();
  EXPECT_EQ(p.at(uri_treno)["version"], 4);
  EXPECT_EQ(p.at(uri_treno)["diagnostics"].size(), 0u);
  // Nothing waits: nothing more is published.
  EXPECT_TRUE(e.controlla().empty());
}

// A change to the line file checks its train again: a line cut short leaves
// the train's last records beyond its end (cut by 10 km, so that the line's
// own records beyond it stay fewer than the search's limit).
TEST(ServerLsp, AChangeToTheLineChecksItsTrain) {
  editor e;
  e.inizia();
  const std::string linea = linea_incorporata();
  e.apri(uri_linea, linea);
  e.apri(uri_treno, treno_incorporato());
  e.controlla();
  e.notifica(
      "textDocument/didChange",
      {{"textDocument", {{"uri", uri_linea}, {"version", 2}}},
       {"contentChanges", {{{"text", con(linea, "lunghezza percorso,    300000", "lunghezza percorso,    290000")}}}}});
  const auto p = e.controlla();
  ASSERT_EQ(p.count(uri_treno), 1u);
  const json& d = p.at(uri_treno)["diagnostics"];
  ASSERT_FALSE(d.empty());
  EXPECT_EQ(d[0]["code"], 15);
  EXPECT_EQ(p.at(uri_treno)["version"], 1);
}

TEST(ServerLsp, AFileWithoutItsPartnerGetsItsWarningsAndANote) {
  editor e;
  e.inizia();
  e.apri(uri_treno, con(treno_incorporato(), "velocita,    1250,   100", "velocita,    1250,   1O0"));
  const auto p = e.controlla();
  ASSERT_EQ(p.count(uri_treno), 1u);
  std::vector<std::string> codici;
  for (const json& d : p.at(uri_treno)["diagnostics"]) codici.push_back(d["code"].dump());
  EXPECT_EQ(codici, (std::vector<std::string>{"\"lettera-o\"", "\"file-mancante\""}));
  EXPECT_TRUE(contiene(p.at(uri_treno)["diagnostics"][1]["message"], "Velstra_Ordoven_linea.txt"));
  // Closing clears what was published.
  e.notifica("textDocument/didClose", {{"textDocument", id_documento(uri_treno)}});
  const std::vector<json> v = e.leggi();
  ASSERT_EQ(v.size(), 1u);
  EXPECT_EQ(v[0]["params"]["diagnostics"].size(), 0u);
}

// The editor's columns are UTF-16 units of the text it shows; the compiler's
// are bytes of the Windows-1252 file. An accent before a fault keeps it in place.
TEST(ServerLsp, AnAccentBeforeAFaultKeepsItsColumn) {
  editor e;
  e.inizia();
  const std::string treno = con(treno_incorporato(), "velocita,    1250,   100", "velocit\xC3\xA0,    1250,   1O0");
  e.apri(uri_linea, linea_incorporata());
  e.apri(uri_treno, treno);
  const auto p = e.controlla();
  const json& d = p.at(uri_treno)["diagnostics"];
  ASSERT_EQ(d.size(), 1u);
  const std::size_t r = riga_di(treno, "velocit\xC3\xA0,");
  EXPECT_EQ(d[0]["range"]["start"], posizione(r, 21));
  EXPECT_EQ(d[0]["range"]["end"], posizione(r, 24));
}

// An item the record does not take is marked as far as it goes, without
// the blanks after it.
TEST(ServerLsp, AnExtraItemIsMarkedWithoutTheBlanksAfterIt) {
  editor e;
  e.inizia();
  const std::string treno = con(treno_incorporato(), "sabbia,    300\r\n", "sabbia,    300,  molta   \r\n");
  e.apri(uri_linea, linea_incorporata());
  e.apri(uri_treno, treno);
  const auto p = e.controlla();
  std::vector<json> lunghi;
  for (const json& d : p.at(uri_treno)["diagnostics"])
    if (d["code"] == "record-lungo") lunghi.push_back(d);
  ASSERT_EQ(lunghi.size(), 1u) << p.at(uri_treno).dump(1);
  const std::size_t r = riga_di(treno, "sabbia,");
  EXPECT_EQ(lunghi[0]["range"]["start"], posizione(r, 17));
  EXPECT_EQ(lunghi[0]["range"]["end"], posizione(r, 22));
}

// When the search for errors stops early the editor is told why, as
// information: it is no fault of its own.
TEST(ServerLsp, AStoppedSearchIsNotedAsInformation) {
  editor e;
  e.inizia();
  // Signs enough to leave no room for a station's texts: error 10 ends the search.
  std::string cartelli;
  for (int k = 0; k < 60; ++k)
    cartelli += "cartello_indicatore,  " + std::to_string(100000 + k * 100) + ",   (X" + std::to_string(k) + ")\r\n";
  e.apri(uri_linea, con(linea_incorporata(), "[fine]", cartelli + "[fine]"));
  e.apri(uri_treno, treno_incorporato());
  const auto p = e.controlla();
  std::vector<json> note;
  for (const json& d : p.at(uri_treno)["diagnostics"])
    if (d["code"] == codice_ricerca_fermata) note.push_back(d);
  ASSERT_EQ(note.size(), 1u) << p.at(uri_treno).dump(1);
  EXPECT_EQ(note[0]["severity"], 3);
  EXPECT_TRUE(contiene(note[0]["message"], "non stanno insieme"));
}

TEST(ServerLsp, HoverShowsTheManualTheFieldAndTheStation) {
  editor e;
  e.inizia();
  const std::string treno = con(treno_incorporato(), "velocita,    1250,   100", "velocita,    1250,   12O0");
  e.apri(uri_linea, linea_incorporata());
  e.apri(uri_treno, treno);
  auto hover = [&](std::size_t riga, std::size_t carattere) {
    const json r = e.richiedi("textDocument/hover",
                              {{"textDocument", id_documento(uri_treno)}, {"position", posizione(riga, carattere)}});
    return r["result"].is_null() ? std::string() : r["result"]["contents"]["value"].get<std::string>();
  };
  const std::size_t segnale = riga_di(treno, "segnale,   26250,   1, 4, 1,");
  struct caso {
    std::size_t riga, carattere;
    std::vector<std::string> attesi;
  };
  const caso casi[] = {
      // the keyword: the record's page of the manual
      {segnale, 3, {"Un segnale lungo la linea", "decine_valore_1", "n. 16"}},
      // the fourth number: decine_valore_2
      {segnale, 26, {"**decine_valore_2**", "il compilatore legge: **1**"}},
      // a progressive: its cell and kilometre post (series "uno": 218300 - 26250)
      {segnale, 13, {"**progressiva** (m)", "cella 525", "km 192+050"}},
      // a number written with a letter O: read as 12
      {riga_di(treno, "12O0"), 22, {"**velocita** (km/h)", "il compilatore legge: **12**"}},
      // a station's name: its time and post
      {riga_di(treno, "13,15, 0, MILANO"), 74, {"**MILANO**", "13:15:00", "km 0+000"}},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(std::to_string(c.riga) + ":" + std::to_string(c.carattere));
    const std::string t = hover(c.riga, c.carattere);
    for (const std::string& a : c.attesi) EXPECT_TRUE(contiene(t, a));
  }
  // Between two items: nothing.
  EXPECT_EQ(hover(segnale, 9), "");
}

TEST(ServerLsp, CompletionOffersTheKeywordsOfThePlace) {
  editor e;
  e.inizia();
  const std::string linea = con(linea_incorporata(), "sfondo uno", "\r\nsfondo uno");
  const std::string treno = con(treno_incorporato(), "[vel_limite]\r\n", "[vel_limite]\r\n  seg\r\n");
  e.apri(uri_linea, linea);
  e.apri(uri_treno, treno);
  auto etichette = [&](const std::string& uri, std::size_t riga, std::size_t carattere) {
    const json r = e.richiedi("textDocument/completion",
                              {{"textDocument", id_documento(uri)}, {"position", posizione(riga, carattere)}});
    std::vector<std::string> v;
    for (const json& i : r["result"]["items"]) v.push_back(i["label"]);
    return std::make_pair(v, r["result"]["items"]);
  };
  const std::size_t vuota = riga_di(linea, "\r\n\r\nsfondo uno") + 1;
  auto [generale, voci_generale] = etichette(uri_linea, vuota, 0);
  EXPECT_NE(std::find(generale.begin(), generale.end(), "lunghezza percorso"), generale.end());
  EXPECT_EQ(std::find(generale.begin(), generale.end(), "pendenza"), generale.end());
  // The keyword goes in as the reader wants it: the number of codes named.
  bool ripetizione = false;
  for (const json& v : voci_generale) {
    if (v["label"] != "ripetizione segnali") continue;
    ripetizione = true;
    EXPECT_EQ(v["textEdit"]["newText"], "ripetizione segnali 9 codici,  ${1:inizio},  ${2:fine}");
  }
  EXPECT_TRUE(ripetizione);
  const std::size_t seg = riga_di(treno, "  seg\r\n");
  auto [treni, voci] = etichette(uri_treno, seg, 5);
  const auto s = std::find(treni.begin(), treni.end(), "segnale");
  ASSERT_NE(s, treni.end());
  const json& voce = voci[static_cast<std::size_t>(s - treni.begin())];
  EXPECT_EQ(voce["insertTextFormat"], 2);
  EXPECT_EQ(voce["textEdit"]["newText"],
            "segnale,  ${1:progressiva},  ${2:tipo_segnale},  ${3:decine_valore_1},  ${4:decine_valore_2},  "
            "${5:decine_valore_3},  ${6:decine_valore_4},  ${7:aggiunta},  ${8:unita_valore_1},  "
            "${9:unita_valore_2},  ${10:unita_valore_3},  ${11:valore_5}");
  EXPECT_EQ(voce["textEdit"]["range"]["start"], posizione(seg, 2));
  EXPECT_EQ(std::find(treni.begin(), treni.end(), "pendenza"), treni.end());
  // After a comma no keyword fits.
  EXPECT_TRUE(etichette(uri_treno, riga_di(treno, "segnale,   26250"), 12).first.empty());
}

// An editor without snippets would insert "${1:progressiva}" as the field's
// name: the proposal inserts its keyword and a comma, the label names the fields.
TEST(ServerLsp, CompletionWithoutSnippetsInsertsTheKeywordAndNamesTheFields) {
  for (const bool frammenti : {true, false}) {
    SCOPED_TRACE(frammenti);
    editor e;
    e.inizia("prova", capacita(frammenti, true, true));
    const std::string treno = con(treno_incorporato(), "[vel_limite]\r\n", "[vel_limite]\r\n  seg\r\n");
    e.apri(uri_treno, treno);
    const std::size_t seg = riga_di(treno, "  seg\r\n");
    const json r = e.richiedi("textDocument/completion",
                              {{"textDocument", id_documento(uri_treno)}, {"position", posizione(seg, 5)}});
    const json* voce = nullptr;
    for (const json& i : r["result"]["items"])
      if (i["filterText"] == "segnale") voce = &i;
    ASSERT_NE(voce, nullptr) << r.dump(1).substr(0, 2000);
    EXPECT_EQ((*voce)["textEdit"]["range"]["start"], posizione(seg, 2));
    const std::string testo = (*voce)["textEdit"]["newText"];
    if (frammenti) {
      EXPECT_EQ((*voce)["label"], "segnale");
      EXPECT_EQ((*voce)["insertTextFormat"], 2);
      EXPECT_TRUE(contiene(testo, "${1:progressiva}"));
    } else {
      EXPECT_EQ((*voce)["label"],
                "segnale, progressiva, tipo_segnale, decine_valore_1, decine_valore_2, decine_valore_3, "
                "decine_valore_4, aggiunta, unita_valore_1, unita_valore_2, unita_valore_3, valore_5");
      EXPECT_EQ((*voce)["insertTextFormat"], 1);
      EXPECT_EQ(testo, "segnale, ");
    }
  }
}

// Without related information the record that took the cell is named in
// the message, with its line; Neovim declares it but never shows it.
TEST(ServerLsp, TheRecordThatTookTheCellIsInTheMessageWhereRelatedInformationIsNotShown) {
  struct caso {
    const char* nome_editor;
    bool collegate;  // declared
    bool nel_messaggio;
  };
  const caso casi[] = {{"prova", true, false}, {"prova", false, true}, {"Neovim", true, true}};
  const std::string treno = con(treno_incorporato(), "segnale,    3450,", "segnale,    2800,");
  const std::size_t preso = riga_di(treno, "segnale,    2800,");  // 0-based: the message's line is one more
  for (const caso& c : casi) {
    SCOPED_TRACE(std::string(c.nome_editor) + (c.collegate ? " with" : " without"));
    editor e;
    e.inizia(c.nome_editor, capacita(true, c.collegate, true));
    e.apri(uri_linea, linea_incorporata());
    e.apri(uri_treno, treno);
    const json d = e.controlla().at(uri_treno)["diagnostics"];
    ASSERT_EQ(d.size(), 1u) << d.dump(1);
    EXPECT_EQ(d[0]["code"], 16);
    const std::string m = d[0]["message"];
    EXPECT_TRUE(contiene(m, "(la cella 57 contiene un segnale)"));
    const std::string nota = "; la cella \xC3\xA8 gi\xC3\xA0 presa da `segnale` alla riga " + std::to_string(preso + 1);
    EXPECT_EQ(m.find(nota) != std::string::npos, c.nel_messaggio) << m;
    EXPECT_EQ(d[0].contains("relatedInformation"), !c.nel_messaggio);
  }
}

// Hover in short lines, readable at 80 columns, in the format the editor
// asks for first; the manual's table of fields stays in the manual.
TEST(ServerLsp, HoverIsShortLinesInTheEditorsFormat) {
  const std::string treno = treno_incorporato();
  const std::size_t segnale = riga_di(treno, "segnale,   26250,   1, 4, 1,");
  const std::size_t stazione = riga_di(treno, "13,15, 0, MILANO");
  struct caso {
    std::size_t riga, carattere;
    std::vector<std::string> attesi;  // as plain text
  };
  const caso casi[] = {
      {segnale, 3, {"segnale: Un segnale lungo la linea", "4. decine_valore_2", "scenario formato segnale"}},
      {segnale, 26, {"decine_valore_2, campo 4 di segnale", "il compilatore legge: 1", "scenario formato segnale"}},
      {stazione, 2, {"stazione: ", "scenario formato stazione"}},
      {stazione, 74, {"MILANO, stazione", "13:15:00"}},
  };
  for (const bool markdown : {true, false}) {
    editor e;
    e.inizia("prova", capacita(true, true, markdown));
    e.apri(uri_linea, linea_incorporata());
    e.apri(uri_treno, treno);
    for (const caso& c : casi) {
      SCOPED_TRACE(std::to_string(markdown) + " " + std::to_string(c.riga) + ":" + std::to_string(c.carattere));
      const json r = e.richiedi("textDocument/hover", {{"textDocument", id_documento(uri_treno)},
                                                       {"position", posizione(c.riga, c.carattere)}});
      ASSERT_TRUE(r["result"].is_object()) << r.dump();
      EXPECT_EQ(r["result"]["contents"]["kind"], markdown ? "markdown" : "plaintext");
      const std::string t = r["result"]["contents"]["value"];
      EXPECT_FALSE(contiene(t, "|---|"));
      std::string semplice;
      for (char x : t)
        if (x != '*' && x != '`') semplice += x;
      if (!markdown) {
        EXPECT_EQ(semplice, t);
      }
      for (const std::string& a : c.attesi) EXPECT_TRUE(contiene(semplice, a)) << t;
      std::size_t inizio = 0;
      while (inizio < t.size()) {
        std::size_t fine = t.find('\n', inizio);
        if (fine == std::string::npos) fine = t.size();
        std::size_t caratteri = 0;
        for (std::size_t k = inizio; k < fine; ++k) caratteri += (static_cast<unsigned char>(t[k]) & 0xC0) != 0x80;
        EXPECT_LE(caratteri, 80u) << t.substr(inizio, fine - inizio);
        inizio = fine + 1;
      }
    }
  }
}

TEST(ServerLsp, TheOutlineHasTheSectionsStationsSignalsAndSlowdowns) {
  editor e;
  e.inizia();
  e.apri(uri_linea, linea_incorporata());
  e.apri(uri_treno, treno_incorporato());
  const json r = e.richiedi("textDocument/documentSymbol", {{"textDocument", id_documento(uri_treno)}})["result"];
  std::map<std::string, json> sezioni;
  for (const json& s : r) sezioni[s["name"]] = s;
  ASSERT_TRUE(sezioni.count("[stazioni]")) << r.dump(1).substr(0, 2000);
  ASSERT_TRUE(sezioni.count("[segnali]"));
  const json& milano = sezioni["[stazioni]"]["children"][0];
  EXPECT_EQ(milano["name"], "MILANO");
  EXPECT_TRUE(contiene(milano["detail"], "13:15:00"));
  const json& segnale = sezioni["[segnali]"]["children"][0];
  EXPECT_EQ(segnale["name"], "segnale km 1+800");
  EXPECT_EQ(segnale["detail"], "progressiva 1800");
  EXPECT_EQ(sezioni["[vel_limite]"]["children"].size(), 0u);
  // "rallentamento,  259150,    90,  450, ...": its speed, then its length.
  ASSERT_EQ(sezioni["[rallentamenti]"]["children"].size(), 1u);
  const json& rallentamento = sezioni["[rallentamenti]"]["children"][0];
  EXPECT_TRUE(contiene(rallentamento["name"], "rallentamento km "));
  EXPECT_EQ(rallentamento["detail"], "progressiva 259150, 90 km/h per 450 m");
}

TEST(ServerLsp, QuickFixesOnlyWhereTheFixIsCertain) {
  editor e;
  e.inizia();
  std::string treno = con(treno_incorporato(), "velocita,    1250,   100", "velocita,    1250,   12O0");
  treno = con(treno, "stazione,    5150,", "stazione,    5160,");
  treno = con(treno, "stazione,    8300,", "stazione,    8325,");
  treno = con(treno, "velocita,    2050,   115", "velocita,    2050,   O");
  e.apri(uri_treno, treno);
  auto azioni = [&](std::size_t riga) {
    return e.richiedi("textDocument/codeAction",
                      {{"textDocument", id_documento(uri_treno)},
                       {"range", {{"start", posizione(riga, 0)}, {"end", posizione(riga, 200)}}},
                       {"context", {{"diagnostics", json::array()}}}})["result"];
  };
  const json o = azioni(riga_di(treno, "12O0"));
  ASSERT_EQ(o.size(), 1u);
  EXPECT_EQ(o[0]["kind"], "quickfix");
  const json& modifica = o[0]["edit"]["changes"][uri_treno][0];
  EXPECT_EQ(modifica["newText"], "1200");
  EXPECT_EQ(modifica["range"]["start"]["character"], 21);
  const json g = azioni(riga_di(treno, "stazione,    5160,"));
  ASSERT_EQ(g.size(), 1u);
  EXPECT_EQ(g[0]["edit"]["changes"][uri_treno][0]["newText"], "5150");
  // 8325 lies as near to 8300 as to 8350: no fix is certain.
  EXPECT_EQ(azioni(riga_di(treno, "stazione,    8325,")).size(), 0u);
  // A lone O already reads as 0: nothing to fix.
  EXPECT_EQ(azioni(riga_di(treno, "velocita,    2050,   O")).size(), 0u);
}

// The author's slips come as check says them, errors at the item at fault,
// each with the one edit that mends it; the edit makes the file clean.
TEST(ServerLsp, EachSlipGetsTheCheckDiagnosticAndItsFix) {
  struct caso {
    const char *da, *a;  // the embedded text, what the author typed
    const char* codice;
    const char* nuovo;  // the fix's text
  };
  const caso casi[] = {
      {"  13,57, 0, PIACENZA", "  13:57, 0, PIACENZA", "record-spostato", "13, 57"},
      {"  13,57, 0, PIACENZA", "  13.57, 0, PIACENZA", "record-spostato", "13, 57"},
      {"segnale,   12050,", "segnlae,   12050,", "parola-vicina", "segnale"},
      {"velocita,    6000,   145", "velocita,    60OO,   145", "lettera-o", "6000"},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.a);
    editor e;
    e.inizia();
    e.apri(uri_linea, linea_incorporata());
    const std::string treno = con(treno_incorporato(), c.da, c.a);
    e.apri(uri_treno, treno);
    const auto p = e.controlla();
    ASSERT_EQ(p.count(uri_treno), 1u);
    const json& v = p.at(uri_treno)["diagnostics"];
    ASSERT_EQ(v.size(), 1u) << v.dump(1);
    EXPECT_EQ(v[0]["code"], c.codice);
    EXPECT_EQ(v[0]["severity"], 1);
    const std::size_t r = riga_di(treno, c.a);
    EXPECT_EQ(v[0]["range"]["start"]["line"], r);
    // The editor asks for the fixes of the line, with the diagnostic it shows.
    const json azioni =
        e.richiedi("textDocument/codeAction", {{"textDocument", id_documento(uri_treno)},
                                               {"range", {{"start", posizione(r, 0)}, {"end", posizione(r, 200)}}},
                                               {"context", {{"diagnostics", v}}}})["result"];
    ASSERT_EQ(azioni.size(), 1u) << azioni.dump(1);
    EXPECT_EQ(azioni[0]["diagnostics"], v);  // the fix answers that diagnostic
    const json& modifica = azioni[0]["edit"]["changes"][uri_treno][0];
    EXPECT_EQ(modifica["newText"], c.nuovo);
    EXPECT_EQ(modifica["range"], v[0]["range"]);
    // The edit applied, as the editor sends it: nothing is left to say.
    e.notifica("textDocument/didChange", {{"textDocument", {{"uri", uri_treno}, {"version", 2}}},
                                          {"contentChanges", {{{"range", modifica["range"]}, {"text", c.nuovo}}}}});
    EXPECT_EQ(e.controlla().at(uri_treno)["diagnostics"].size(), 0u);
  }
}

// A huge or binary file: a note, no check, and the server goes on.
TEST(ServerLsp, HugeAndBinaryFilesGetANote) {
  editor e;
  e.inizia();
  e.apri(uri_linea, linea_incorporata());
  constexpr char binario[] = "[generale]\r\n\0\x01";  // a NUL and a control byte in the text
  e.apri(uri_treno, std::string(binario, sizeof binario - 1) + std::string(massimo_controllato, ','));
  auto p = e.controlla();
  std::vector<std::string> codici;
  for (const json& d : p.at(uri_treno)["diagnostics"]) codici.push_back(d["code"]);
  EXPECT_EQ(codici, (std::vector<std::string>{"binario", "file-troppo-grande"}));
  e.notifica("textDocument/didChange", {{"textDocument", {{"uri", uri_treno}, {"version", 2}}},
                                        {"contentChanges", {{{"text", treno_incorporato()}}}}});
  p = e.controlla();
  EXPECT_EQ(p.at(uri_treno)["diagnostics"].size(), 0u);
}

// Text that is no Windows-1252: each warning says how to save the file in that editor.
TEST(ServerLsp, AByteOrderMarkAndCharactersOutsideWindows1252AreNamed) {
  struct caso {
    std::string editor, passi;
  };
  const caso casi[] = {{"Visual Studio Code", "Salva con codifica"},
                       {"Neovim", "fileencoding=cp1252"},
                       {"helix", ":encoding windows-1252"},
                       {"Kate", "Codifica"}};
  for (const caso& c : casi) {
    SCOPED_TRACE(c.editor);
    editor e;
    e.inizia(c.editor);
    const std::string treno = "\xEF\xBB\xBF" + con(treno_incorporato(), "MILANO\r\n", "MILANO \xE2\x86\x92\r\n");
    e.apri(uri_treno, treno);
    const auto p = e.controlla();
    const json& d = p.at(uri_treno)["diagnostics"];
    std::map<std::string, json> per_codice;
    for (const json& x : d) per_codice[x["code"].is_string() ? x["code"].get<std::string>() : x["code"].dump()] = x;
    ASSERT_TRUE(per_codice.count("bom"));
    ASSERT_TRUE(per_codice.count("non-1252"));
    EXPECT_TRUE(contiene(per_codice["bom"]["message"], c.passi));
    // No saving keeps the arrow (Neovim's write fails): it is replaced.
    const std::string m = per_codice["non-1252"]["message"];
    EXPECT_TRUE(contiene(m, "il carattere '\xE2\x86\x92' (U+2192) non \xC3\xA8 in Windows-1252"));
    EXPECT_TRUE(contiene(m, "sostituiscilo con '->'"));
    EXPECT_TRUE(non_contiene(m, c.passi));
    EXPECT_TRUE(non_contiene(m, "cp1252"));
    const std::size_t r = riga_di(treno, "MILANO \xE2\x86\x92");
    EXPECT_EQ(per_codice["non-1252"]["range"]["start"]["line"], r);
    EXPECT_EQ(per_codice["non-1252"]["range"]["start"]["character"], 79);
  }
}

// A character Windows-1252 has not is marked whole: one UTF-16 unit, two
// for one beyond the first plane.
TEST(ServerLsp, ACharacterOutsideWindows1252IsMarkedWhole) {
  struct caso {
    std::string carattere;
    std::size_t unita;
  };
  const caso casi[] = {{"\xE2\x86\x92", 1}, {"\xF0\x9F\x98\x80", 2}};
  for (const caso& c : casi) {
    SCOPED_TRACE(c.carattere);
    editor e;
    e.inizia();
    const std::string treno = con(treno_incorporato(), "MILANO\r\n", "MILANO " + c.carattere + "\r\n");
    e.apri(uri_treno, treno);
    const auto p = e.controlla();
    std::vector<json> non_1252;
    for (const json& d : p.at(uri_treno)["diagnostics"])
      if (d["code"] == "non-1252") non_1252.push_back(d);
    ASSERT_EQ(non_1252.size(), 1u) << p.at(uri_treno).dump(1);
    const std::size_t r = riga_di(treno, "MILANO " + c.carattere);
    EXPECT_EQ(non_1252[0]["range"]["start"], posizione(r, 79));
    EXPECT_EQ(non_1252[0]["range"]["end"], posizione(r, 79 + c.unita));
  }
}

}  // namespace

namespace {

using namespace server_di_prova;

std::string uri_su_disco(const std::filesystem::path& cartella, const std::string& nome) {
  return "file://" + (cartella / nome).generic_string();
}

// The partner not open in the editor is read from the disk: a line file open
// alone is checked with the train file beside it.
TEST(ServerLsp, APartnerNotOpenIsReadFromTheDisk) {
  const cartella_temporanea c;
  scrivi_tutto(c.percorso / "Velstra_Ordoven_318-.txt", testo_righe(righe_treno()));
  editor e;
  e.inizia();
  const std::string uri = uri_su_disco(c.percorso, "Velstra_Ordoven_linea.txt");
  const std::string linea = con(linea_incorporata(), "lunghezza percorso,    300000", "lunghezza percorso,  1000001");
  e.apri(uri, linea);
  const auto p = e.controlla();
  ASSERT_EQ(p.count(uri), 1u);
  std::vector<std::string> codici;
  for (const json& d : p.at(uri)["diagnostics"]) codici.push_back(d["code"].dump());
  // Error 1, found by compiling the pair: no partner is missing.
  EXPECT_EQ(codici, std::vector<std::string>{"1"}) << p.at(uri).dump(1);
}

// A file saved in UTF-8 that the editor shows as UTF-8: the compiler would
// read its accent as two characters.
TEST(ServerLsp, AFileInUtf8OnDiskIsNamed) {
  const cartella_temporanea c;
  const std::string treno = con(treno_incorporato(), "MILANO ROGOREDO", "CITT\xC3\x80 ROGOREDO");
  scrivi_tutto(c.percorso / "Velstra_Ordoven_318-.txt", treno);
  scrivi_tutto(c.percorso / "Velstra_Ordoven_linea.txt", testo_righe(righe_linea()));
  editor e;
  e.inizia("Neovim");
  const std::string uri = uri_su_disco(c.percorso, "Velstra_Ordoven_318-.txt");
  e.apri(uri, treno);
  const auto p = e.controlla();
  ASSERT_EQ(p.count(uri), 1u);
  const json& d = p.at(uri)["diagnostics"];
  ASSERT_EQ(d.size(), 1u) << d.dump(1);
  EXPECT_EQ(d[0]["code"], "utf8-su-disco");
  const std::size_t citta = treno.find("CITT\xC3\x80");
  EXPECT_EQ(d[0]["range"]["start"], posizione(riga_di(treno, "CITT\xC3\x80"), citta - treno.rfind('\n', citta) + 3));
  EXPECT_TRUE(contiene(d[0]["message"], "legge '\xC3\x83\xE2\x82\xAC'"));
  EXPECT_TRUE(contiene(d[0]["message"], "fileencoding=cp1252"));
  // Opened as Windows-1252, as the documented setups open a source: the
  // editor shows two characters for the accent; it is read again as UTF-8.
  editor vecchio;
  vecchio.inizia("Neovim");
  vecchio.apri(uri, utf8_da_1252(treno));
  // check's own warning "utf8" says what the compiler reads; this one, what to do.
  const json v = vecchio.controlla().at(uri)["diagnostics"];
  ASSERT_EQ(v.size(), 2u) << v.dump(1);
  EXPECT_EQ(v[0]["code"], "utf8-su-disco");
  EXPECT_EQ(v[1]["code"], "utf8");
  EXPECT_TRUE(contiene(v[0]["message"], "vedi '\xC3\x83\xE2\x82\xAC' il file voleva '\xC3\x80'"));
  EXPECT_TRUE(contiene(v[0]["message"], ":e! ++enc=utf-8"));
  // The same text saved as Windows-1252: nothing to say.
  scrivi_tutto(c.percorso / "Velstra_Ordoven_318-.txt", converti_in_1252(treno).byte);
  e.notifica("textDocument/didSave", {{"textDocument", id_documento(uri)}});
  EXPECT_EQ(e.controlla().at(uri)["diagnostics"].size(), 0u);
}

}  // namespace
