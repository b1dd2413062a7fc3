"""Curves of the embedded line.

Used by genera_linea.py; the arithmetic is in genera_linea_piano.py.

  1. Each stretch of the line has its set of curves (class, side) with
     nominal lengths (a deterministic draw within a range per class).
  2. The lengths of all curves but the three fixed ones are fitted so that
     the step at the last curve's start is the one the end of the plan needs
     (P(306998) - P(300000) depends on nothing else).
  3. Each stretch orders its curves so that the heading weaves about a
     course set per stretch; the curves are spread evenly over the stretch.
  4. The straights are fitted so that P(300000) lands on its target.
  5. The plan the built scenario tool draws checks the figures.
"""
import math

import genera_linea_piano as piano

# Rounded targets of the plan (complex form: second + i*first coordinate).
P_300000 = complex(216267.26, -75461.30)
P_306998 = complex(217175.01, -82620.57)
CURSORE_FINALE = 300151
LUNGHEZZA_ESTESA = 307000
PRIMA = [1000, 300, 6, "d"]
LUNGA = [16800, 6450, 1, "s"]
ULTIMA = [299300, 850, 2, "s"]
RETTILINEO_MINIMO = 150

_NOMINALI = {1: (1500, 2600), 2: (900, 1500), 3: (600, 1100),
             4: (400, 800), 5: (300, 600), 6: (260, 480)}

# Stretches: (first metre, last metre, curves "<side><class>*count", the
# courses the heading weaves about, evenly from first to last, degrees from
# the second axis towards the first; None keeps the order as written).
_TRATTI = [
    (1300, 16800, "s4 d3 s3 d2", None),                            # MILANO suburbs
    (23250, 218300, "d1*15 s1*14 d2*7 s2*8 d3*8 s3*11 d4*1", (25.0, -35.0, 25.0, -30.0)),  # the plain
    (218800, 259300, "d5*5 s5*5 d6*1 s6*3 d4*8 s4*4 s3*1 d3*1", (-80.0, -80.0)),  # the climb
    (278100, 299300, "d5*2 s5*2 d6*1 s6*1 d4*3 s4*2 s3*1 d3*1", (-60.0, -75.0)),  # down to PRATO
]


class _Lcg:
    def __init__(self, seme):
        self.stato = seme

    def prossimo(self, n):
        self.stato = (self.stato * 1103515245 + 12345) % (1 << 31)
        return (self.stato >> 8) % n


def _elenco(testo):
    curve = []
    for parte in testo.split():
        nome, _, volte = parte.partition("*")
        curve += [(int(nome[1]), nome[0])] * int(volte or "1")
    return curve


def passo_finale():
    """Step at the start of the last curve that the two targets need."""
    c = complex(1, piano.fattore(ULTIMA[2], ULTIMA[3]))
    fine_curva = ULTIMA[0] + ULTIMA[1]
    curvi = fine_curva - 300000
    w = sum(c ** j for j in range(1, curvi + 1)) + (LUNGHEZZA_ESTESA - 2 - fine_curva) * c ** curvi
    v = (P_306998 - P_300000) / w
    return v / c ** (300000 - ULTIMA[0])


def _svolta(curva):
    return math.degrees(math.atan(piano.fattore(curva[2], curva[3])) * curva[1])


def ordina(curve, rotta, rotte):
    """Orders the curves so that the heading weaves about a course moving
    evenly through rotte: below the course the next curve turns towards the
    first axis (side d), above it away (side s), each time the one that
    lands nearest to the mirror of the heading about the course."""
    resto = list(curve)
    fuori = []
    while resto:
        x = (len(rotte) - 1) * len(fuori) / max(1, len(curve) - 1)
        j = min(int(x), len(rotte) - 2)
        rotta_voluta = rotte[j] + (rotte[j + 1] - rotte[j]) * (x - j)
        lato = "d" if rotta < rotta_voluta else "s"
        candidate = [c for c in resto if c[3] == lato] or resto
        specchio = 2 * rotta_voluta - rotta
        scelta = min(candidate, key=lambda c: (abs(rotta + _svolta(c) - specchio), c[2], c[1]))
        resto.remove(scelta)
        fuori.append(scelta)
        rotta += _svolta(scelta)
    return fuori, rotta


def curve_finali():
    """The 112 curves in order: [start, length, class, side]."""
    caso = _Lcg(253)
    tratti = []
    for da, a, testo, rotte in _TRATTI:
        curve = []
        for classe, lato in _elenco(testo):
            lo, hi = _NOMINALI[classe]
            curve.append([0, lo + 50 * caso.prossimo((hi - lo) // 50 + 1), classe, lato])
        tratti.append(curve)
    # lengths: every curve before the last one counts, in any order
    tutte = [PRIMA, LUNGA] + [c for t in tratti for c in t]
    piano.adatta_lunghezze(tutte, {0, 1}, passo_finale())
    # order and nominal places, stretch by stretch
    rotta = _svolta(PRIMA)
    ordinate = [PRIMA]
    for i, ((da, a, _, rotte), curve) in enumerate(zip(_TRATTI, tratti)):
        if rotte is not None:
            curve, rotta = ordina(curve, rotta, rotte)
        else:
            rotta += sum(_svolta(c) for c in curve)
        passo = ((a - da) - sum(c[1] for c in curve)) / (len(curve) + 1)
        p = da
        for c in curve:
            p += passo
            c[0] = int(round(p))
            p += c[1]
            ordinate.append(c)
        if i == 0:
            ordinate.append(LUNGA)
            rotta += _svolta(LUNGA)
    ordinate.append(ULTIMA)
    # straights: the curves between the fixed ones move
    indice_lunga = ordinate.index(LUNGA)
    gruppi = [list(range(1, indice_lunga + 1)),
              list(range(indice_lunga + 1, len(ordinate)))]
    piano.adatta_rettilinei(ordinate, gruppi, 300000, P_300000, RETTILINEO_MINIMO)
    return [list(c) for c in ordinate]


def verifica_piano(curve, punti, controlla):
    """The figures of the plan as the tool reports it ({metre: (x, y)},
    to four decimals): the first turn, the two targets, the straight end."""
    cursore = curve[-1][0] + curve[-1][1] + 1
    controlla(cursore == CURSORE_FINALE, "plan cursor %d" % cursore)
    controlla(punti[1001] == (0.003, 1001.0), "P(1001) %r" % (punti[1001],))
    controlla(punti[1002] == (0.009, 1002.0), "P(1002) %r" % (punti[1002],))
    for m, voluto in ((300000, P_300000), (306998, P_306998)):
        ottenuto = (round(punti[m][0], 2), round(punti[m][1], 2))
        controlla(ottenuto == (voluto.imag, voluto.real), "P(%d) = %r" % (m, punti[m]))
