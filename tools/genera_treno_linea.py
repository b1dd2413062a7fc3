"""The cells the embedded line already takes, read from its table of lines.

Used by genera_treno.py: the train's point objects must avoid the line's
speed boards and indication signs, which the line reader places first.
"""
import re
from fractions import Fraction

_LETTERALE = re.compile(r'"((?:[^"\\]|\\.)*)"')


def nearest(x):
    """x rounded to the nearest integer, a half to the even neighbour."""
    return round(Fraction(x))


def cella_punto(p):
    """Cell of a point object (board, sign, signal, slowdown sign)."""
    return nearest(Fraction(p, 50) + 1)


def righe_della_tabella(percorso_cpp):
    """The text slots of a generated table, in order (C escapes kept as text;
    the records read here hold none before their first two fields)."""
    with open(percorso_cpp, encoding="latin-1") as f:
        testo = f.read()
    inizio = testo.find("[]")
    return [m.group(1) for m in _LETTERALE.finditer(testo, inizio if inizio >= 0 else 0)]


def _campi(riga):
    return [c.strip() for c in riga.split(",")]


def leggi_linea(percorso_cpp):
    """Boards, signs and length of the line table.

    Returns a dict: 'celle' maps each taken cell to a short description,
    'cartelli' lists the boards as (progressive, [six speeds]), 'lunghezza'
    is the line length (0 when the table has none).
    """
    celle = {}
    cartelli = []
    lunghezza = 0
    for riga in righe_della_tabella(percorso_cpp):
        campi = _campi(riga)
        chiave = campi[0].lower()
        if chiave.startswith("lunghezza") and len(campi) > 1:
            lunghezza = int(campi[1])
        elif chiave == "indicatori_vmax":
            p = int(campi[1])
            velocita = [int(c) if c else 0 for c in (campi[2:5] + campi[6:9])]
            cartelli.append((p, velocita))
            celle[cella_punto(p)] = "indicatori_vmax %d" % p
        elif chiave == "cartello_indicatore":
            p = int(campi[1])
            celle[cella_punto(p)] = "cartello_indicatore %d" % p
    return {"celle": celle, "cartelli": cartelli, "lunghezza": lunghezza}
