"""Gradients and mountain stretches of the embedded line.

Used by genera_linea.py. The gradients come from a plain stretch (MILANO to
BOLOGNA, small values, a short steep fall at the flyover past ROGOREDO and
the ramps of the Po bridge) and the mountain stretch (a climb to the long
tunnel, the summit inside it, then the fall to PRATO).
"""


class _Lcg:
    """Small deterministic number source, so the generator never varies."""

    def __init__(self, seme):
        self.stato = seme

    def prossimo(self, n):
        self.stato = (self.stato * 1103515245 + 12345) % (1 << 31)
        return (self.stato >> 8) % n


# Records fixed by hand: progressive -> gradient.
_FISSE = {
    0: 0,
    9800: -3,
    10300: -16,       # the flyover past ROGOREDO
    10600: 4,
    11200: 0,
    68900: 5,         # ramp up to the Po bridge
    69450: 0,
    70300: -5,
    70900: 0,
    218300: 0,        # BOLOGNA C.LE
    239000: 12,       # the steepest rises of the climb
    244500: 12,
    251500: 12,
    259450: 3,        # into the long tunnel
    266100: -2,       # summit, then down to VERNIO
    278000: -4,
    298100: 0,        # PRATO
}

_PIANURA = [-4, -3, -2, -1, -1, 0, 0, 0, 1, 1, 2, 3, 4]
_SALITA = [4, 5, 6, 7, 8, 9, 10, 11]
_DISCESA = [-12, -11, -10, -9, -8, -7, -6]


def pendenze():
    """The 161 gradient records in order: (progressive, gradient)."""
    caso = _Lcg(318)
    righe = dict(_FISSE)

    def riempi(da, a, quante, valori):
        passo = (a - da) / (quante + 1)
        for i in range(1, quante + 1):
            p = int(round((da + passo * i) / 50.0)) * 50
            while p in righe:
                p += 50
            righe[p] = valori[caso.prossimo(len(valori))]

    riempi(11200, 68900, 30, _PIANURA)
    riempi(70900, 218300, 66, _PIANURA)
    riempi(218300, 239000, 9, _SALITA)
    riempi(239000, 244500, 2, _SALITA)
    riempi(244500, 251500, 3, _SALITA)
    riempi(251500, 259450, 3, _SALITA)
    riempi(259450, 266100, 2, [1, 2, 3])
    riempi(266100, 278000, 4, [-4, -3, -2])
    riempi(278000, 298100, 25, _DISCESA)
    return sorted(righe.items())


# (start, end, value). 11 is a long marked stretch (class 1), 2 a short one,
# 12 a short marked one; a stretch within 150 m of the previous one takes
# class 3 when read.
_MONTAGNE = [
    (36900, 36950, 12),
    (184100, 184200, 2),
    (222800, 223900, 11),
    (224000, 225400, 11),
    (228300, 229100, 11),
    (232700, 233700, 11),
    (236400, 237300, 11),
    (237400, 238650, 11),
    (241200, 242800, 11),
    (245050, 245300, 2),
    (247100, 248200, 11),
    (250600, 251600, 11),
    (251700, 253100, 11),
    (255300, 256100, 11),
    (259450, 277950, 11),
    (281400, 282300, 11),
    (287000, 288100, 11),
    (297500, 298300, 11),
]


def montagne():
    """The 18 mountain stretches in order: (start, end, value)."""
    return list(_MONTAGNE)
