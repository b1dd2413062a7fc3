"""Curves of the embedded line and the plan they give.

Used by genera_linea.py. The plan is a walk of one point per metre whose step
turns by the factor (1 + i*k) on every curved metre (the step written as the
complex number dy + i*dx). So the step after all curves depends only on the
curve lengths: its angle is the sum of +-atan(k)*n and its log-length the sum
of log(1 + k^2)*n/2. With the lengths fixed, the point at a given metre is
linear in the lengths of the straights between curves.

The layout is authored as an order of curves (class, side) per stretch with
nominal lengths; then
  1. the lengths are fitted so that the step at the last curve's start has
     the angle and length that the end of the plan needs;
  2. the straights are fitted so that P(300000) lands on its target;
  3. a bit-exact walk (binary64, the order of the compiler) checks both.
"""
import cmath
import math

K = {1: 0.0001, 2: 0.0002, 3: 0.0004, 4: 0.001, 5: 0.002, 6: 0.003}
M = {1: 1, 2: 2, 3: 4, 4: 10, 5: 20, 6: 30}  # k in units of 0.0001

# Rounded targets of the plan and the fixed curves.
P_300000 = complex(216267.26, -75461.30)  # complex form: second + i*first
P_306998 = complex(217175.01, -82620.57)
PRIMA = (1000, 300, 6, "d")
LUNGA = (16800, 6450, 1, "s")
ULTIMA = (299300, 850, 2, "s")
LUNGHEZZA_ESTESA = 307000


class _Lcg:
    def __init__(self, seme):
        self.stato = seme

    def prossimo(self, n):
        self.stato = (self.stato * 1103515245 + 12345) % (1 << 31)
        return (self.stato >> 8) % n


_NOMINALI = {1: (1500, 2600), 2: (900, 1500), 3: (600, 1100),
             4: (400, 800), 5: (300, 600), 6: (260, 480)}

# Order of the curves by stretch: (first metre, last metre, curves).
# Curves are written "<side><class>".
_TRATTI = [
    # after the first curve, up to the long one (MILANO suburbs)
    (1300, 16800, "s4 d3 s3 d2"),
    # the plain, MILANO to BOLOGNA
    (23250, 218300,
     "d1 s2 d1 s1 d3 s3 d1 s1 d2 s3 d1 s1 d3 s2 d1 s3 d4 s1 d1 s3 "
     "d2 s1 d3 s1 d1 s4 d1 s3 d2 s1 d3 s2 d1 s1 d1 s3 d3 s2 d2 s1 "
     "d1 s3 d3 s1 d1 s2 d3 s1 d2 s3 d1 s1 d3 s2 d4 s1 d1 s4 d1 s2 d2 s4 s1"),
    # the climb to the long tunnel
    (218800, 259300,
     "s4 d5 s6 d4 s5 d3 s5 d4 s3 d6 s5 d4 s6 d5 s4 d4 s5 d5 s3 d4 s6 d5 d2 s4"),
    # the fall to PRATO
    (278100, 299300,
     "d4 s5 d5 s3 d4 s5 d6 s6 d4 s3 d5 s5 d4 s2 d5 d4 s3 d3"),
]


def _parse(testo):
    return [(int(x[1]), x[0]) for x in testo.split()]


def disposizione():
    """The nominal layout: list of [start, length, class, side], with the three
    fixed curves, in order."""
    caso = _Lcg(253)
    curve = [list(PRIMA)]
    for i, (da, a, testo) in enumerate(_TRATTI):
        elenco = _parse(testo)
        lunghezze = []
        for classe, lato in elenco:
            lo, hi = _NOMINALI[classe]
            lunghezze.append(lo + 50 * caso.prossimo((hi - lo) // 50 + 1))
        libero = (a - da) - sum(lunghezze)
        passo = libero / (len(elenco) + 1)
        p = da
        for (classe, lato), n in zip(elenco, lunghezze):
            p += passo
            curve.append([int(round(p)), n, classe, lato])
            p += n
        if i == 0:
            curve.append(list(LUNGA))
    curve.append(list(ULTIMA))
    return curve


def fattore(classe, lato):
    return K[classe] if lato == "d" else -K[classe]


def passo_finale():
    """Step at the start of the last curve that the two targets need."""
    c = complex(1, fattore(ULTIMA[2], ULTIMA[3]))
    fine_curva = ULTIMA[0] + ULTIMA[1]
    d = P_306998 - P_300000
    curvi = fine_curva - 300000
    w = sum(c ** j for j in range(1, curvi + 1)) + (LUNGHEZZA_ESTESA - 2 - fine_curva) * c ** curvi
    v = d / w
    return v / c ** (300000 - ULTIMA[0])


def curve_finali():
    """The 112 curves in order: [start, length, class, side]."""
    return disposizione()
