#!/usr/bin/env python3
"""The language server against the check it replaces, side by side: for each
folder of sources, every round times `scenario check DIR ROUTE TRAIN` as a
fresh process and then, in one `scenario lsp` started once for the folder,
the time from a didChange of the train file (one digit of a speed changed,
as a keystroke does) to the publishDiagnostics of that version, then the
time of each request an editor sends while the author reads the same file:
hover on a signal's field, completion at the start of a record, inlay hints
of the whole file, definition from a signal. Prints the medians, their
ratio, and the peak memory of each (the check's max RSS from the kernel's
accounting, the server's VmHWM after every round); then each request beside
the diagnostics of the file, which none may exceed.

usage: lsp_tempi.py SCENARIO_TOOL ROUNDS DIR...   (sources of Velstra_Ordoven 318)
"""
import json
import os
import statistics
import subprocess
import sys
import time

ROUTE, TRAIN = "Velstra_Ordoven", "318"


class Server:
    def __init__(self, tool):
        self.p = subprocess.Popen([tool, "lsp"], stdin=subprocess.PIPE, stdout=subprocess.PIPE)

    def invia(self, m):
        corpo = json.dumps(m).encode()
        self.p.stdin.write(b"Content-Length: %d\r\n\r\n" % len(corpo) + corpo)
        self.p.stdin.flush()

    def leggi(self):
        n = 0
        while True:
            riga = self.p.stdout.readline()
            if riga in (b"\r\n", b""):
                break
            if riga.lower().startswith(b"content-length:"):
                n = int(riga.split(b":")[1])
        return json.loads(self.p.stdout.read(n))

    def aspetta_diagnostiche(self, uri, versione):
        while True:
            m = self.leggi()
            if m.get("method") == "textDocument/publishDiagnostics" and m["params"]["uri"] == uri \
                    and m["params"].get("version") == versione:
                return m

    def richiedi(self, id_, metodo, parametri):
        self.invia({"jsonrpc": "2.0", "id": id_, "method": metodo, "params": parametri})
        while True:
            m = self.leggi()
            if m.get("id") == id_ and "method" not in m:
                if "error" in m:
                    sys.exit(f"lsp_tempi: {metodo} failed: {m['error']}")
                return m

    def picco_kb(self):
        with open(f"/proc/{self.p.pid}/status") as f:
            for riga in f:
                if riga.startswith("VmHWM:"):
                    return int(riga.split()[1])
        return 0


def controlla(tool, cartella):
    inizio = time.perf_counter()
    p = subprocess.Popen([tool, "check", cartella, ROUTE, TRAIN], stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL)
    _, stato, uso = os.wait4(p.pid, 0)
    fine = time.perf_counter()
    if os.waitstatus_to_exitcode(stato) not in (0, 1):
        sys.exit(f"lsp_tempi: scenario check {cartella} failed")
    return fine - inizio, uso.ru_maxrss


def main():
    tool, giri, cartelle = os.path.abspath(sys.argv[1]), int(sys.argv[2]), sys.argv[3:]
    casi = []
    for c in cartelle:
        percorso = os.path.join(os.path.abspath(c), f"{ROUTE}_{TRAIN}-.txt")
        testo = open(percorso, "rb").read().decode("cp1252")
        riga = testo[: testo.index("velocita,    1250,   100")].count("\n")
        segnale = testo[: testo.index("segnale,   26250,")].count("\n")
        righe = testo.count("\n") + 1
        documento = {"uri": "file://" + percorso}
        # The requests an editor sends on the file: (name, method, parameters).
        richieste = [
            ("hover", "textDocument/hover",
             {"textDocument": documento, "position": {"line": segnale, "character": 26}}),
            ("completion", "textDocument/completion",
             {"textDocument": documento, "position": {"line": riga, "character": 0}}),
            ("inlay hints", "textDocument/inlayHint",
             {"textDocument": documento, "range": {"start": {"line": 0, "character": 0},
                                                   "end": {"line": righe, "character": 0}}}),
            ("definition", "textDocument/definition",
             {"textDocument": documento, "position": {"line": segnale, "character": 2}}),
        ]
        uri = "file://" + percorso
        s = Server(tool)
        s.invia({"jsonrpc": "2.0", "id": 1, "method": "initialize", "params": {"capabilities": {}}})
        s.leggi()
        s.invia({"jsonrpc": "2.0", "method": "textDocument/didOpen", "params": {"textDocument": {
            "uri": uri, "languageId": "scenario", "version": 1, "text": testo}}})
        s.aspetta_diagnostiche(uri, 1)
        casi.append({"nome": os.path.basename(os.path.normpath(c)), "cartella": c, "s": s, "uri": uri,
                     "riga": riga, "versione": 1, "check": [], "lsp": [], "picco_check": 0,
                     "richieste": richieste, "tempi": {n: [] for n, _, _ in richieste}})
    # One warm-up round, then the rounds counted.
    for giro in range(giri + 1):
        for k in casi:
            t, picco = controlla(tool, k["cartella"])
            k["versione"] += 1
            cifra = "5" if k["versione"] % 2 == 0 else "0"
            inizio = time.perf_counter()
            k["s"].invia({"jsonrpc": "2.0", "method": "textDocument/didChange", "params": {
                "textDocument": {"uri": k["uri"], "version": k["versione"]},
                "contentChanges": [{"range": {"start": {"line": k["riga"], "character": 23},
                                              "end": {"line": k["riga"], "character": 24}}, "text": cifra}]}})
            k["s"].aspetta_diagnostiche(k["uri"], k["versione"])
            fine = time.perf_counter()
            if giro > 0:
                k["check"].append(t)
                k["lsp"].append(fine - inizio)
                k["picco_check"] = max(k["picco_check"], picco)
            for numero, (nome, metodo, parametri) in enumerate(k["richieste"]):
                inizio = time.perf_counter()
                risposta = k["s"].richiedi(100 + numero, metodo, parametri)
                # An empty answer is quick and proves nothing: each must find what it asks for.
                if not risposta.get("result"):
                    sys.exit(f"lsp_tempi: {nome} on {k['nome']} answered {risposta}")
                if giro > 0:
                    k["tempi"][nome].append(time.perf_counter() - inizio)
    print(f"| sources | check ms | lsp didChange ms | lsp / check | check peak MB | lsp peak MB | lsp / check |")
    print(f"|---|---:|---:|---:|---:|---:|---:|")
    esito = 0
    for k in casi:
        c, l = statistics.median(k["check"]) * 1000, statistics.median(k["lsp"]) * 1000
        pc, pl = k["picco_check"] / 1024, k["s"].picco_kb() / 1024
        print(f"| {k['nome']} | {c:.1f} | {l:.1f} | {l / c:.2f} | {pc:.1f} | {pl:.1f} | {pl / pc:.2f} |")
        k["s"].invia({"jsonrpc": "2.0", "id": 2, "method": "shutdown"})
        k["s"].leggi()
        k["s"].invia({"jsonrpc": "2.0", "method": "exit"})
        k["s"].p.wait()
        if l > c or pl >= 2 * pc:
            esito = 1
    print(f"{giri} rounds after one warm-up; medians. The server must answer no slower than the check and "
          "stay below twice its peak memory.")
    print()
    nomi = [n for n, _, _ in casi[0]["richieste"]] if casi else []
    print("| sources | diagnostics ms | " + " | ".join(f"{n} ms" for n in nomi) + " | slowest / diagnostics |")
    print("|---|---:|" + "---:|" * len(nomi) + "---:|")
    for k in casi:
        d = statistics.median(k["lsp"]) * 1000
        mediane = [statistics.median(k["tempi"][n]) * 1000 for n in nomi]
        print(f"| {k['nome']} | {d:.1f} | " + " | ".join(f"{m:.2f}" for m in mediane) + f" | {max(mediane) / d:.2f} |")
        if max(mediane) > d:
            esito = 1
    print("Each request on the train file after the diagnostics of an edit, medians: none may take longer "
          "than the diagnostics.")
    return esito


if __name__ == "__main__":
    sys.exit(main())
