"""The built `scenario` tool, run on generated source files.

Used by the generators to verify what they write with the compiler itself
rather than with a copy of its rules: `scenario check` for the errors,
`scenario compile` and `scenario inspect --json` (and `--csv-plan`) for the
decoded cells, stations and plan.

The tool is named by the generator's first argument, else by the SCENARIO
environment variable, else build/scenario under the repository root.
"""
import csv
import json
import os
import subprocess
import sys
import tempfile

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PERCORSO, TRENO = "Velstra_Ordoven", "318"
# A train file without records: the line compiles alone.
TRENO_VUOTO = ["[generale]", "[fine]"]


def percorso_strumento(argomento=None):
    """Path of the built tool: the generator's argument, else SCENARIO, else
    build/scenario; stops with a message when no tool is there."""
    scelto = argomento or os.environ.get("SCENARIO") or os.path.join(RADICE, "build", "scenario")
    if not (os.path.isfile(scelto) and os.access(scelto, os.X_OK)):
        sys.exit("%s: no scenario tool at %s (build it, or pass its path or set SCENARIO)"
                 % (os.path.basename(sys.argv[0]), scelto))
    return scelto


def byte_di(righe):
    """The file the program would write: Windows-1252, every line ended by CR LF."""
    return "".join(r + "\r\n" for r in righe).encode("cp1252")


class Sorgenti:
    """A private folder holding one line file and one train file."""

    def __init__(self, strumento, righe_linea, righe_treno):
        self.strumento = strumento
        self._cartella = tempfile.TemporaryDirectory(prefix="genera_")
        self.dir = self._cartella.name
        for nome, righe in ((PERCORSO + "_linea.txt", righe_linea), (PERCORSO + "_" + TRENO + "-.txt", righe_treno)):
            with open(os.path.join(self.dir, nome), "wb") as f:
                f.write(byte_di(righe))

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self._cartella.cleanup()

    def _esegui(self, *argomenti):
        return subprocess.run([self.strumento] + list(argomenti), capture_output=True, text=True,
                              encoding="utf-8", errors="replace")

    def errori(self):
        """Every error `scenario check` finds, as its report lines; empty when
        the sources compile cleanly (exit status 0)."""
        r = self._esegui("check", self.dir, PERCORSO, TRENO)
        if r.returncode == 0:
            return []
        testo = (r.stderr + r.stdout).strip()
        return testo.splitlines() or ["scenario check: exit status %d" % r.returncode]

    def ispeziona(self):
        """Compiles the sources and returns (report, plan): the JSON report of
        `scenario inspect` and the plan as {metre: (x, y)}."""
        r = self._esegui("compile", self.dir, PERCORSO, TRENO)
        if r.returncode != 0:
            sys.exit("scenario compile failed (%d):\n%s%s" % (r.returncode, r.stdout, r.stderr))
        piano_csv = os.path.join(self.dir, "piano.csv")
        r = self._esegui("inspect", self.dir, PERCORSO, TRENO, "--json", "--csv-plan", piano_csv)
        if r.returncode != 0:
            sys.exit("scenario inspect failed (%d):\n%s" % (r.returncode, r.stderr))
        rapporto = json.loads(r.stdout)["rapporto"]
        piano = {}
        with open(piano_csv, newline="") as f:
            for riga in csv.reader(f):
                # The points the plan leaves empty have no coordinates.
                if riga and riga[0].strip().isdigit() and riga[1] and riga[2]:
                    piano[int(riga[0])] = (float(riga[1]), float(riga[2]))
        return rapporto, piano


def celle_di_tipo(rapporto, *tipi):
    """Cell index -> kind of every reported cell whose `tipo` is one of tipi."""
    return {o["cella"]: o["tipo"] for o in rapporto["oggetti"] if o["tipo"] in tipi}
