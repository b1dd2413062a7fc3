#!/usr/bin/env python3
"""Runs the built tool's --json commands on good and faulty scenarios and on
every kind of failure (a missing file or folder, a usage error), and checks
that each prints exactly one JSON document on stdout that validates against
its schema in docs/schema/ and whose codice_uscita is the exit status.

    python3 tools/verifica_schemi.py [SCENARIO]
"""
import json
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
from jsonschema import Draft202012Validator  # Debian: python3-jsonschema

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STRUMENTO = sys.argv[1] if len(sys.argv) > 1 else os.environ.get("SCENARIO", os.path.join(RADICE, "build", "scenario"))


def schema(comando):
    with open(os.path.join(RADICE, "docs", "schema", comando + ".schema.json"), encoding="utf-8") as f:
        s = json.load(f)
    Draft202012Validator.check_schema(s)
    return Draft202012Validator(s)


def esegui(*parole):
    p = subprocess.run([STRUMENTO, *parole], capture_output=True)
    return p.returncode, p.stdout.decode("utf-8")


def estrai(cartella):
    subprocess.run([STRUMENTO, "extract", cartella], capture_output=True, check=True)


def con_riga(file, dopo_inizio, riga):
    """Puts a line after the first line that starts with dopo_inizio."""
    with open(file, "rb") as f:
        righe = f.read().split(b"\r\n")
    k = next(i for i, r in enumerate(righe) if r.startswith(dopo_inizio))
    righe.insert(k + 1, riga)
    with open(file, "wb") as f:
        f.write(b"\r\n".join(righe))


def rompi(buona, rotta):
    """Copies buona's compact files into rotta with the scenario file cut short."""
    os.mkdir(rotta)
    for nome in os.listdir(buona):
        if nome.endswith((".dat", ".sim")):
            with open(os.path.join(buona, nome), "rb") as f:
                dati = f.read()
            with open(os.path.join(rotta, nome), "wb") as f:
                f.write(dati[:100] if nome.endswith(".sim") else dati)


def definizioni_comuni():
    """The report's definitions appear in inspect's schema and in the page's: they must be equal."""
    with open(os.path.join(RADICE, "docs", "schema", "inspect.schema.json"), encoding="utf-8") as f:
        ispeziona = json.load(f)["$defs"]
    with open(os.path.join(RADICE, "docs", "schema", "view.schema.json"), encoding="utf-8") as f:
        pagina = json.load(f)["$defs"]
    diverse = [k for k in ispeziona if ispeziona[k] != pagina.get(k)]
    for k in diverse:
        print("FAIL: $defs/%s differs between inspect.schema.json and view.schema.json" % k)
    return len(diverse)


def main():
    falliti = 0
    passati = 0
    with tempfile.TemporaryDirectory() as t:
        buona = os.path.join(t, "buona")
        estrai(buona)
        guasta = os.path.join(t, "guasta")
        estrai(guasta)
        treno = os.path.join(guasta, "Velstra_Ordoven_318-.txt")
        con_riga(treno, b"segnale,    2800", b"segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0")
        con_riga(treno, b"sabbia", b"sabbia,    3OO")
        # A line cut short: its records beyond the end are the errors, each
        # with a note at the train record where the reading stopped.
        cascata = os.path.join(t, "cascata")
        estrai(cascata)
        linea = os.path.join(cascata, "Velstra_Ordoven_linea.txt")
        with open(linea, "rb") as f:
            testo = f.read()
        with open(linea, "wb") as f:
            f.write(testo.replace(b"lunghezza percorso,    300000", b"lunghezza percorso,    290000"))
        # A signal moved 50 m: what diff compares with buona.
        mossa = os.path.join(t, "mossa")
        estrai(mossa)
        treno_mosso = os.path.join(mossa, "Velstra_Ordoven_318-.txt")
        with open(treno_mosso, "rb") as f:
            testo = f.read()
        with open(treno_mosso, "wb") as f:
            f.write(testo.replace(b"segnale,    3450,", b"segnale,    3500,"))
        # The same signal rewritten within its cell: listed apart, exit 0.
        nella_cella = os.path.join(t, "nella_cella")
        estrai(nella_cella)
        treno_mosso = os.path.join(nella_cella, "Velstra_Ordoven_318-.txt")
        with open(treno_mosso, "rb") as f:
            testo = f.read()
        with open(treno_mosso, "wb") as f:
            f.write(testo.replace(b"segnale,    3450,", b"segnale,    3460,"))
        vuota = os.path.join(t, "vuota")
        os.mkdir(vuota)
        manca = os.path.join(t, "non_esiste")
        # Compact files whose scenario file is cut short, made once buona is compiled.
        rotta = os.path.join(t, "rotta")
        R = ("Velstra_Ordoven", "318")
        casi = [
            ("check", ["--json", buona, *R], 0),
            ("check", ["--json", guasta, *R], 1),
            ("check", ["--json", "--strict", guasta, *R], 1),
            ("check", ["--json", vuota, *R], 2),
            ("check", ["--json", manca, *R], 2),
            ("check", ["--json", "--strano", buona, *R], 64),
            ("check", ["--json", buona, "Velstra_Ordoven"], 64),
            ("check", ["--json", cascata, *R], 1),
            ("compile", ["--json", guasta, *R], 1),
            ("compile", ["--json", cascata, *R], 1),
            ("compile", ["--json", buona, *R], 0),
            ("compile", ["--json", "--no-plan", buona, *R], 0),
            ("compile", ["--json", vuota, *R], 2),
            ("compile", ["--json", manca, *R], 2),
            ("compile", ["--json", buona, "../x", "318"], 64),
            ("inspect", ["--json", buona, *R], 0),
            ("inspect", ["--json", guasta, *R], 0),
            ("inspect", ["--json", vuota, *R], 2),
            ("inspect", ["--json", manca, *R], 2),
            ("inspect", ["--json", "--strano", buona, *R], 64),
            ("inspect", ["--json", rotta, *R], 2),
            ("inspect", ["--json", buona, *R, "--csv-plan", os.path.join(manca, "piano.csv")], 2),
            ("diff", ["--json", buona, buona, *R], 0),
            ("diff", ["--json", buona, mossa, *R], 1),
            ("diff", ["--json", buona, nella_cella, *R], 0),
            ("diff", ["--json", rotta, mossa, *R], 2),
            ("diff", ["--json", buona, guasta, *R], 2),
            ("diff", ["--json", buona, vuota, *R], 2),
            ("diff", ["--json", buona, manca, *R], 2),
            ("diff", ["--json", buona, *R], 64),
        ]
        for comando, parole, atteso in casi:
            nome = "scenario %s %s" % (comando, " ".join(os.path.basename(p) for p in parole))
            if comando == "inspect" and not os.path.exists(rotta):
                rompi(buona, rotta)
            codice, uscita = esegui(comando, *parole)
            errori = []
            if codice != atteso:
                errori.append("exit %d, expected %d" % (codice, atteso))
            try:
                documento, fine = json.JSONDecoder().raw_decode(uscita)
                if uscita[fine:].strip():
                    errori.append("more than one document on stdout")
                errori += [e.message for e in schema(comando).iter_errors(documento)]
                if documento.get("codice_uscita") != codice:
                    errori.append("codice_uscita %r, exit %d" % (documento.get("codice_uscita"), codice))
            except json.JSONDecodeError as e:
                errori.append("stdout is no JSON document: %s: %r" % (e, uscita[:200]))
            if errori:
                falliti += 1
                print("FAIL: %s: %s" % (nome, "; ".join(errori)))
            else:
                passati += 1
                print("PASS: %s" % nome)
    falliti += definizioni_comuni()
    print("%d passed, %d failed" % (passati, falliti))
    return 1 if falliti else 0


if __name__ == "__main__":
    sys.exit(main())
