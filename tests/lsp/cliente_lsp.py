#!/usr/bin/env python3
"""A client of `scenario lsp` written from the protocol alone (standard
library only): it starts the built tool, opens the train file of an
extracted scenario with faults put in (the line file stays on disk), and
checks each answer: initialize, didOpen, didChange, hover, completion,
documentSymbol, codeAction, shutdown, exit.

usage: cliente_lsp.py SCENARIO_TOOL
"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import threading
import queue

ROUTE, TRAIN = "Velstra_Ordoven", "318"
passati, falliti = 0, 0


def verifica(cosa, condizione, dettaglio=""):
    global passati, falliti
    if condizione:
        passati += 1
        print("PASS", cosa)
    else:
        falliti += 1
        print("FAIL", cosa, dettaglio)


class Server:
    def __init__(self, tool, comando=None, env=None):
        # comando: the command line an editor's configuration gives, instead of TOOL lsp.
        self.p = subprocess.Popen(comando or [tool, "lsp"], stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env)
        self.q = queue.Queue()
        self.id = 0
        threading.Thread(target=self._leggi, daemon=True).start()

    def _leggi(self):
        out = self.p.stdout
        while True:
            intestazione = b""
            while not intestazione.endswith(b"\r\n\r\n"):
                c = out.read(1)
                if not c:
                    self.q.put(None)
                    return
                intestazione += c
            n = 0
            for riga in intestazione.decode("ascii").split("\r\n"):
                if riga.lower().startswith("content-length:"):
                    n = int(riga.split(":", 1)[1])
            self.q.put(json.loads(out.read(n).decode("utf-8")))

    def invia(self, m):
        corpo = json.dumps(m).encode("utf-8")
        self.p.stdin.write(b"Content-Length: %d\r\n\r\n" % len(corpo) + corpo)
        self.p.stdin.flush()

    def prossimo(self, prova, secondi=30):
        while True:
            m = self.q.get(timeout=secondi)
            if m is None:
                raise RuntimeError("the server closed its output")
            if prova(m):
                return m

    def richiedi(self, metodo, parametri):
        self.id += 1
        mio = self.id
        self.invia({"jsonrpc": "2.0", "id": mio, "method": metodo, "params": parametri})
        return self.prossimo(lambda m: m.get("id") == mio)

    def notifica(self, metodo, parametri):
        self.invia({"jsonrpc": "2.0", "method": metodo, "params": parametri})

    def diagnostiche(self, uri, versione):
        return self.prossimo(lambda m: m.get("method") == "textDocument/publishDiagnostics"
                             and m["params"]["uri"] == uri and m["params"].get("version") == versione)["params"]


def riga_di(testo, cercato):
    return testo[: testo.index(cercato)].count("\n")


def main():
    tool = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as d:
        subprocess.run([tool, "extract", d], check=True, capture_output=True)
        percorso = pathlib.Path(d) / f"{ROUTE}_{TRAIN}-.txt"
        testo = percorso.read_bytes().decode("cp1252")
        # A signal onto the cell of the one before, a letter O in a speed, a station off the grid.
        testo = testo.replace("segnale,    3450,", "segnale,    2800,", 1)
        testo = testo.replace("velocita,    1250,   100", "velocita,    1250,   12O0", 1)
        testo = testo.replace("stazione,    5150,", "stazione,    5160,", 1)
        uri = pathlib.Path(percorso).as_uri()
        s = Server(tool)

        # A client that shows related information, expands snippets and reads Markdown.
        capacita = {"textDocument": {"publishDiagnostics": {"relatedInformation": True},
                                     "completion": {"completionItem": {"snippetSupport": True}},
                                     "hover": {"contentFormat": ["markdown", "plaintext"]}}}
        r = s.richiedi("initialize", {"processId": os.getpid(), "rootUri": None, "capabilities": capacita,
                                      "clientInfo": {"name": "cliente_lsp.py"}})
        verifica("initialize", r["result"]["capabilities"]["textDocumentSync"]["change"] == 2, r)
        s.notifica("initialized", {})

        s.notifica("textDocument/didOpen", {"textDocument": {"uri": uri, "languageId": "scenario",
                                                             "version": 1, "text": testo}})
        p = s.diagnostiche(uri, 1)
        codici = sorted(str(x["code"]) for x in p["diagnostics"])
        verifica("didOpen: errors 16 and 8, the letter O an error of check", codici == ["16", "8", "lettera-o"], codici)
        d16 = [x for x in p["diagnostics"] if x["code"] == 16]
        riga_segnale = riga_di(testo, "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0\r\nsegnale,    2800") + 1
        verifica("error 16 at its field", d16 and d16[0]["range"]["start"] == {"line": riga_segnale, "character": 12}, d16)
        verifica("error 16 names the record that took the cell",
                 d16 and d16[0]["relatedInformation"][0]["location"]["range"]["start"]["line"] == riga_segnale - 1, d16)

        # Put the signal back where it was: error 16 goes, the rest stays.
        s.notifica("textDocument/didChange", {
            "textDocument": {"uri": uri, "version": 2},
            "contentChanges": [{"range": {"start": {"line": riga_segnale, "character": 12},
                                          "end": {"line": riga_segnale, "character": 16}}, "text": "3450"}]})
        p = s.diagnostiche(uri, 2)
        codici = sorted(str(x["code"]) for x in p["diagnostics"])
        verifica("didChange: error 16 is gone", codici == ["8", "lettera-o"], codici)

        riga_o = riga_di(testo, "12O0")
        h = s.richiedi("textDocument/hover", {"textDocument": {"uri": uri},
                                              "position": {"line": riga_o, "character": 22}})
        valore = h["result"]["contents"]["value"] if h.get("result") else ""
        verifica("hover: 12O0 is read as 12", "**velocita**" in valore and "**12**" in valore, valore)

        c = s.richiedi("textDocument/completion", {"textDocument": {"uri": uri},
                                                   "position": {"line": riga_o, "character": 0}})
        etichette = [i["label"] for i in c["result"]["items"]]
        verifica("completion: the train's keywords", "segnale" in etichette and "stazione" in etichette
                 and "pendenza" not in etichette, etichette)

        sim = s.richiedi("textDocument/documentSymbol", {"textDocument": {"uri": uri}})["result"]
        stazioni = [x for x in sim if x["name"] == "[stazioni]"]
        figli = stazioni[0]["children"] if stazioni else []
        verifica("documentSymbol: the stations with their times",
                 figli and figli[0]["name"] == "MILANO" and "13:15:00" in figli[0]["detail"], figli[:2])

        a = s.richiedi("textDocument/codeAction", {
            "textDocument": {"uri": uri},
            "range": {"start": {"line": riga_o, "character": 0}, "end": {"line": riga_o, "character": 30}},
            "context": {"diagnostics": [x for x in p["diagnostics"] if x["code"] == "lettera-o"]}})
        modifiche = [m for x in a["result"] for m in x["edit"]["changes"][uri]]
        verifica("codeAction: 12O0 becomes 1200", [m["newText"] for m in modifiche] == ["1200"], a)
        riga_st = riga_di(testo, "stazione,    5160,")
        a = s.richiedi("textDocument/codeAction", {
            "textDocument": {"uri": uri},
            "range": {"start": {"line": riga_st, "character": 13}, "end": {"line": riga_st, "character": 13}},
            "context": {"diagnostics": []}})
        verifica("codeAction: 5160 becomes 5150", [m["newText"] for x in a["result"]
                                                   for m in x["edit"]["changes"][uri]] == ["5150"], a)

        riga_pk = riga_di(testo, "stazione,  259500,")
        h = s.richiedi("textDocument/inlayHint", {"textDocument": {"uri": uri}, "range": {
            "start": {"line": riga_pk, "character": 0}, "end": {"line": riga_pk + 1, "character": 0}}})
        etichette = [x["label"] for x in h["result"]]
        verifica("inlayHint: pk 55+700 beside 259500", etichette == ["pk 55+700"], etichette)

        # The line file is not open: the server reads it from the disk.
        linea = (pathlib.Path(d) / f"{ROUTE}_linea.txt").read_bytes().decode("cp1252").split("\r\n")
        r = s.richiedi("textDocument/definition", {"textDocument": {"uri": uri},
                                                   "position": {"line": riga_segnale, "character": 2}})
        trovati = [linea[x["range"]["start"]["line"]].split(",")[0] for x in r["result"]
                   if x["uri"].endswith(f"/{ROUTE}_linea.txt")]
        verifica("definition: the line's gradient, board and sign at the signal",
                 len(trovati) == len(r["result"]) and "pendenza" in trovati and "indicatori_vmax" in trovati, r)

        riga_m = riga_di(testo, "13,15, 0, MILANO")
        r = s.richiedi("textDocument/references", {"textDocument": {"uri": uri}, "context": {"includeDeclaration": True},
                                                   "position": {"line": riga_m, "character": 74}})
        verifica("references: the station in its train file",
                 {"uri": uri, "line": riga_m} in [{"uri": x["uri"], "line": x["range"]["start"]["line"]}
                                                  for x in r["result"]], r)

        r = s.richiedi("textDocument/typeDefinition", {"textDocument": {"uri": uri},
                                                       "position": {"line": 0, "character": 0}})
        verifica("an unknown method is refused", r.get("error", {}).get("code") == -32601, r)

        verifica("shutdown", s.richiedi("shutdown", None).get("result", 0) is None)
        s.notifica("exit", None)
        verifica("exit with status 0", s.p.wait(timeout=30) == 0)

    print(f"{passati} passed, {falliti} failed")
    return 1 if falliti else 0


if __name__ == "__main__":
    sys.exit(main())
