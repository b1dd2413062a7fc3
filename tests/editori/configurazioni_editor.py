#!/usr/bin/env python3
"""The Kate and Helix setups of docs/editor.md, taken from the page itself
(neither editor is installed here): the fenced blocks of their sections
parsed, their file patterns matched against the names of an extracted
scenario (the two sources match, the other files it writes do not), and the
server started with exactly the command line each configuration names, with
`scenario` on the PATH: initialize, didOpen of a train file with a signal on
a taken cell, its error 16 in the diagnostics, shutdown, exit.

usage: configurazioni_editor.py SCENARIO_TOOL   (exit 77 without tomllib)
"""
import fnmatch
import json
import os
import pathlib
import queue
import re
import subprocess
import sys
import tempfile
import textwrap
import xml.etree.ElementTree as ET

try:
    import tomllib
except ImportError:
    print("python3 has no tomllib (3.11 or later): skipped")
    sys.exit(77)

QUI = pathlib.Path(__file__).resolve().parent
RADICE = QUI.parent.parent
sys.path.insert(0, str(RADICE / "tests" / "lsp"))
import cliente_lsp  # noqa: E402
from cliente_lsp import verifica  # noqa: E402

ROUTE, TRAIN = "Velstra_Ordoven", "318"


def blocchi(pagina, titolo):
    """The fenced blocks of a `## ` section of the page, as (language, text),
    a block indented under a list item taken back to the margin."""
    sezione = re.search(r"^## " + re.escape(titolo) + r"\n(.*?)(?=^## |\Z)", pagina, re.M | re.S)
    if not sezione:
        return []
    return [(m.group(2), textwrap.dedent(m.group(3)))
            for m in re.finditer(r"^( *)```(\w*)\n(.*?)^\1```$", sezione.group(1), re.M | re.S)]


def glob_helix(glob, percorso):
    """A file-types glob as Helix reads it: against the whole path (a `*`
    crosses folders), with `*/` put before a relative glob that does not
    start with one."""
    if not glob.startswith(("/", "*/", "**/")):
        glob = "*/" + glob
    return fnmatch.fnmatchcase(percorso, glob)


def giro_di_prova(editor, comando, cartella, percorso_con_scenario):
    """The server started as the editor starts it: one round trip."""
    treno = cartella / f"{ROUTE}_{TRAIN}-.txt"
    testo = treno.read_bytes().decode("cp1252").replace("segnale,    3450,", "segnale,    2800,", 1)
    env = dict(os.environ, PATH=percorso_con_scenario + os.pathsep + os.environ.get("PATH", ""))
    try:
        s = cliente_lsp.Server(None, comando=comando, env=env)
    except OSError as e:
        verifica(f"{editor}: the server starts as {comando}", False, e)
        return
    try:
        r = s.richiedi("initialize", {"processId": os.getpid(), "rootUri": cartella.as_uri(), "capabilities": {},
                                      "clientInfo": {"name": editor}})
        verifica(f"{editor}: {' '.join(comando)} answers initialize",
                 r.get("result", {}).get("capabilities", {}).get("hoverProvider") is True, r)
        s.notifica("initialized", {})
        uri = treno.as_uri()
        s.notifica("textDocument/didOpen", {"textDocument": {"uri": uri, "languageId": "scenario", "version": 1,
                                                             "text": testo}})
        codici = [str(d["code"]) for d in s.diagnostiche(uri, 1)["diagnostics"]]
        verifica(f"{editor}: the diagnostics of the train file, error 16 among them", "16" in codici, codici)
        verifica(f"{editor}: shutdown", s.richiedi("shutdown", None).get("result", 0) is None)
        s.notifica("exit", None)
        verifica(f"{editor}: exit with status 0", s.p.wait(timeout=30) == 0)
    except (RuntimeError, queue.Empty, OSError) as e:
        verifica(f"{editor}: {' '.join(comando)} talks the protocol", False, repr(e))
    finally:
        if s.p.poll() is None:
            s.p.kill()
            s.p.wait()


def main():
    tool = os.path.abspath(sys.argv[1])
    pagina = (RADICE / "docs" / "editor.md").read_text(encoding="utf-8")
    with tempfile.TemporaryDirectory() as d:
        cartella = pathlib.Path(d) / "scenari"
        cartella.mkdir()
        subprocess.run([tool, "extract", str(cartella)], check=True, capture_output=True)
        bin_ = pathlib.Path(d) / "bin"
        bin_.mkdir()
        (bin_ / "scenario").symlink_to(tool)
        sorgenti = [f"{ROUTE}_linea.txt", f"{ROUTE}_{TRAIN}-.txt"]
        altri = sorted(p.name for p in cartella.iterdir() if p.name not in sorgenti)
        verifica("the extracted scenario has both sources and other files",
                 all((cartella / n).exists() for n in sorgenti) and altri, altri)

        # Helix: languages.toml.
        toml = [t for lingua, t in blocchi(pagina, "Helix") if lingua == "toml"]
        verifica("Helix: one languages.toml block", len(toml) == 1, toml)
        conf = tomllib.loads(toml[0]) if toml else {}
        lingue = conf.get("language", [])
        lingua = lingue[0] if lingue else {}
        verifica("Helix: one language, with a name and a scope",
                 len(lingue) == 1 and lingua.get("name") and lingua.get("scope", "").startswith("source."), lingue)
        globs = [t["glob"] for t in lingua.get("file-types", []) if isinstance(t, dict) and "glob" in t]
        verifica("Helix: every file type is a glob", globs and len(globs) == len(lingua.get("file-types", [])),
                 lingua.get("file-types"))
        for nome in sorgenti + altri:
            presa = any(glob_helix(g, str(cartella / nome)) for g in globs)
            verifica(f"Helix: {nome} {'is' if nome in sorgenti else 'is not'} a source",
                     presa == (nome in sorgenti), globs)
        # No root marker: the server is started in the folder Helix is in.
        verifica("Helix: roots is a list of names", isinstance(lingua.get("roots"), list)
                 and all(isinstance(r, str) for r in lingua["roots"]), lingua.get("roots"))
        server = conf.get("language-server", {})
        nomi = lingua.get("language-servers", [])
        verifica("Helix: the language's servers are defined", nomi and all(n in server for n in nomi), (nomi, server))
        for n in nomi:
            comando = [server.get(n, {}).get("command")] + server.get(n, {}).get("args", [])
            verifica(f"Helix: server {n} is scenario lsp", comando == ["scenario", "lsp"], comando)
            if all(isinstance(c, str) for c in comando):
                giro_di_prova("Helix", comando, cartella, str(bin_))

        # Kate: the highlighting mode, the .kateconfig line and the LSP client's settings.
        kate = blocchi(pagina, "Kate")
        kateconfig = [t for lingua_, t in kate if t.startswith("kate-wildcard(")]
        verifica("Kate: one .kateconfig block", len(kateconfig) == 1, kate)
        m = re.fullmatch(r"kate-wildcard\(([^)]*)\):((?: *[\w-]+ [^;]+;)+)\n?", kateconfig[0] if kateconfig else "")
        verifica("Kate: the .kateconfig line reads as wildcards and settings", m is not None, kateconfig)
        if m:
            impostazioni = dict(v.strip().split(" ", 1) for v in m.group(2).split(";") if v.strip())
            verifica("Kate: Windows-1252 with CR LF, no BOM",
                     impostazioni == {"encoding": "windows-1252", "eol": "dos", "bom": "false"}, impostazioni)
            for nome in sorgenti + altri:
                verifica(f"Kate: .kateconfig {'takes' if nome in sorgenti else 'leaves'} {nome}",
                         any(fnmatch.fnmatchcase(nome, w) for w in m.group(1).split(";")) == (nome in sorgenti),
                         m.group(1))
        modo = ET.parse(RADICE / "editors" / "kate" / "scenario.xml").getroot()
        for nome in sorgenti + altri:
            verifica(f"Kate: the mode {modo.get('name')} {'takes' if nome in sorgenti else 'leaves'} {nome}",
                     any(fnmatch.fnmatchcase(nome, w) for w in modo.get("extensions", "").split(";"))
                     == (nome in sorgenti), modo.get("extensions"))
        impostazioni_lsp = [json.loads(t) for lingua_, t in kate if lingua_ == "json"]
        verifica("Kate: one block of LSP client settings", len(impostazioni_lsp) == 1, kate)
        servers = impostazioni_lsp[0].get("servers", {}) if impostazioni_lsp else {}
        for n, s in servers.items():
            verifica(f"Kate: server {n}'s mode regex names the mode {modo.get('name')}",
                     re.search(s.get("highlightingModeRegex", "(?!)"), modo.get("name")) is not None, s)
            comando = s.get("command")
            verifica(f"Kate: server {n} is scenario lsp", comando == ["scenario", "lsp"], comando)
            if isinstance(comando, list) and comando and all(isinstance(c, str) for c in comando):
                giro_di_prova("Kate", comando, cartella, str(bin_))
        verifica("Kate: a server is configured", len(servers) == 1, servers)

    print(f"{cliente_lsp.passati} passed, {cliente_lsp.falliti} failed")
    return 1 if cliente_lsp.falliti else 0


if __name__ == "__main__":
    sys.exit(main())
