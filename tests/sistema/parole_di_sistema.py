#!/usr/bin/env python3
"""The system's refusals as the program and the tool say them, on a real
disk: a read-only file system (a read-only mount in a private mount
namespace), a folder the user may not write (run as nobody), a missing
folder, a target that is a folder. Each message must name the file and say
the cause in Italian, and no text of the system's own (English, from
strerror) may reach the user.

    python3 tests/sistema/parole_di_sistema.py PROGRAM SCENARIO

Needs root (for the mount and to run as nobody); skipped (77) otherwise.
"""
import os
import shutil
import subprocess
import sys
import tempfile

SALTATO = 77


def testi_di_sistema():
    """Every strerror text of this system, the words that must not show."""
    testi = set()
    for n in range(1, 140):
        t = os.strerror(n)
        if not t.startswith("Unknown error"):
            testi.add(t)
    return testi


def main():
    programma, strumento = (os.path.abspath(p) for p in sys.argv[1:3])
    if os.geteuid() != 0 or not shutil.which("unshare") or not shutil.which("setpriv"):
        print("skipped: needs root, unshare and setpriv")
        return SALTATO
    inglese = testi_di_sistema()
    falliti = 0
    with tempfile.TemporaryDirectory() as t:
        os.chmod(t, 0o755)
        sola_lettura = os.path.join(t, "sola_lettura")
        os.mkdir(sola_lettura)
        protetta = os.path.join(t, "protetta")
        os.mkdir(protetta)
        shutil.copy(programma, protetta)
        shutil.copy(strumento, protetta)
        os.chmod(protetta, 0o555)
        con_cartella = os.path.join(t, "con_cartella")
        os.mkdir(con_cartella)
        shutil.copy(programma, con_cartella)
        os.mkdir(os.path.join(con_cartella, "Velstra_Ordoven_318_note.txt"))
        manca = os.path.join(t, "non_esiste")
        # The programs copied onto a tmpfs that is then remounted read-only, all
        # inside a mount namespace of their own: nothing outside sees the mount.
        in_sola_lettura = (
            'mount -t tmpfs tmpfs "$1" && cp "$2" "$3" "$1"/ && mount -o remount,ro "$1" && shift 3 && exec "$@"'
        )
        nobody = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]

        def ro(*parole):
            return ["unshare", "-m", "sh", "-c", in_sola_lettura, "sh", sola_lettura, programma, strumento, *parole]

        # A file system with room for the program and 32 KiB more: the disk fills.
        piccolo = os.path.join(t, "piccolo")
        os.mkdir(piccolo)
        spazio = (os.path.getsize(programma) // 4096 + 8) * 4096
        in_piccolo = 'mount -t tmpfs -o size=%d tmpfs "$1" && cp "$2" "$1"/ && exec "$1/$3"' % spazio
        pieno = ["unshare", "-m", "sh", "-c", in_piccolo, "sh", piccolo, programma, os.path.basename(programma)]
        p_ro = os.path.join(sola_lettura, os.path.basename(programma))
        s_ro = os.path.join(sola_lettura, os.path.basename(strumento))
        casi = [
            # what, command, exit status, words the message must hold
            ("the program in a read-only file system", ro(p_ro), 3,
             ["Velstra_Ordoven_linea.txt: impossibile creare: file system in sola lettura"]),
            ("extract into a read-only file system", ro(s_ro, "extract", sola_lettura), 2,
             ["impossibile creare: file system in sola lettura"]),
            ("the program in a folder its user may not write", nobody + [os.path.join(protetta, os.path.basename(programma))], 3,
             ["Velstra_Ordoven_linea.txt: impossibile creare: permesso negato"]),
            ("extract into a folder its user may not write", nobody + [os.path.join(protetta, os.path.basename(strumento)), "extract", protetta], 2,
             ["impossibile creare: permesso negato"]),
            ("the program on a full disk", pieno, 3, ["disco pieno"]),
            ("the program where a document's name is a folder", [os.path.join(con_cartella, os.path.basename(programma))], 3,
             ["Velstra_Ordoven_318_note.txt: impossibile sostituire: \u00e8 una cartella"]),
            ("compile of a missing folder", [strumento, "compile", manca, "Velstra_Ordoven", "318"], 2,
             ["cartella non trovata"]),
            ("extract under a file", [strumento, "extract", os.path.join(con_cartella, os.path.basename(programma), "sotto")], 2,
             []),
        ]
        for descrizione, comando, atteso, parole in casi:
            p = subprocess.run(comando, capture_output=True)
            testo = (p.stdout + p.stderr).decode("utf-8", "replace")
            errori = []
            if p.returncode != atteso:
                errori.append("exit %d, expected %d" % (p.returncode, atteso))
            errori += ["no %r" % w for w in parole if w not in testo]
            errori += ["the system's own words %r" % w for w in inglese if w in testo]
            if errori:
                falliti += 1
                print("FAIL: %s: %s\n%s" % (descrizione, "; ".join(errori), testo))
            else:
                print("PASS: %s: %s" % (descrizione, testo.strip().splitlines()[-1] if testo.strip() else ""))
        os.chmod(protetta, 0o755)
    return 1 if falliti else 0


if __name__ == "__main__":
    sys.exit(main())
