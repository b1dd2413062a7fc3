"""The embedded line as the train generator needs it.

Used by genera_treno.py: the train's point objects must avoid the line's
speed boards and indication signs, which the line reader places first. The
line's lines are read from its generated table; the cells they take are the
ones the built `scenario` tool reports once it has compiled the line.
"""
import re
from fractions import Fraction

import strumento_scenario

_LETTERALE = re.compile(r'"((?:[^"\\]|\\.)*)"')
_ESCAPE = re.compile(r"\\(x[0-9A-Fa-f]{2}|.)")
FINE_TABELLA = "riferimento fine del file"
# Cell kinds of the line's point objects: speed board, indication sign.
CELLA_INDICATORE_VMAX, CELLA_CARTELLO_INDICATORE = 6, 14


def nearest(x):
    """x rounded to the nearest integer, a half to the even neighbour."""
    return round(Fraction(x))


def cella_punto(p):
    """Cell of a point object (board, sign, signal, slowdown sign)."""
    return nearest(Fraction(p, 50) + 1)


def _decodifica(letterale):
    def uno(m):
        e = m.group(1)
        return chr(int(e[1:], 16)) if e[0] == "x" else e
    return _ESCAPE.sub(uno, letterale)


def righe_della_tabella(percorso_cpp):
    """The lines of a generated table, as texts (one slot a source line, its
    literals joined and their escapes decoded), up to the end marker."""
    with open(percorso_cpp, encoding="latin-1") as f:
        testo = f.read()
    righe = []
    for riga in testo[testo.find("[] = {"):].splitlines()[1:]:
        pezzi = _LETTERALE.findall(riga)
        if not pezzi:
            continue
        slot = "".join(_decodifica(p) for p in pezzi)
        if slot == FINE_TABELLA:
            break
        righe.append(slot)
    return righe


def celle_della_linea(strumento, righe_linea):
    """Cell -> kind of the boards and signs of the line, compiled alone."""
    with strumento_scenario.Sorgenti(strumento, righe_linea, strumento_scenario.TRENO_VUOTO) as s:
        errori = s.errori()
        if errori:
            raise SystemExit("genera_treno: the line does not compile cleanly:\n" + "\n".join(errori))
        rapporto, _ = s.ispeziona()
    return strumento_scenario.celle_di_tipo(rapporto, CELLA_INDICATORE_VMAX, CELLA_CARTELLO_INDICATORE)
