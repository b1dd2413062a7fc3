"""Maximum-speed boards and indication signs of the embedded line.

Used by genera_linea.py. Boards are laid out as speed changes: a single board
(codes 0, 0) or a run of three boards 500 m apart (or 400-550 m) carrying the
codes 2, 1 and 0, all with the same six speeds, that announces a change and
ends where it applies.
"""

# Stations along the line (progressive of the station), for the layout below.
#   MILANO 0, PIACENZA 71450, FIDENZA 101500, PARMA 123850,
#   REGGIO EMILIA 151700, MODENA 176850, BOLOGNA C.LE 218300,
#   VERNIO 278300, PRATO 298800.

# (kind, progressive of the last board, speeds s1 s2 s3, speeds t1 t2 t3)
# kind "S": one board; kind "R": a run of three boards ending at the
# progressive, its spacing given as a fourth element (metres between boards).
# t None writes the sixth to eighth fields empty.
_CAMBI = [
    ("S", 700, (30, 30, 30), (30, 30, 30)),          # leaving MILANO
    ("S", 1400, (60, 60, 60), (60, 60, 60)),
    ("S", 2900, (90, 95, 100), (90, 95, 100)),
    ("S", 5050, (110, 115, 120), None),
    ("S", 9600, (130, 140, 150), (130, 140, 150)),
    ("S", 12800, (135, 150, 160), (135, 150, 160)),
    ("R", 19100, (140, 160, 160), (140, 160, 160), 500),
    ("S", 23500, (140, 160, 190), (140, 160, 180)),  # end of the suburbs
    ("S", 27800, (150, 170, 200), (150, 170, 200)),
    ("R", 31200, (140, 160, 180), (140, 160, 180), 500),  # LODI
    ("S", 32600, (150, 170, 200), (150, 170, 200)),
    ("S", 46900, (140, 160, 180), (140, 160, 180)),  # CASALPUSTERLENGO
    ("S", 48900, (150, 170, 200), (150, 170, 200)),
    ("R", 53400, (140, 160, 180), (140, 160, 180), 500),  # CODOGNO
    ("S", 55300, (150, 170, 200), (150, 170, 200)),
    ("R", 67800, (130, 140, 150), (130, 140, 150), 500),  # towards the Po
    ("S", 69900, (100, 105, 110), (100, 105, 110)),  # PIACENZA
    ("S", 73300, (130, 140, 150), (130, 140, 150)),
    ("S", 75000, (150, 170, 200), (150, 170, 200)),
    ("R", 88800, (140, 160, 180), (140, 160, 180), 500),  # FIORENZUOLA
    ("S", 90400, (150, 170, 200), (150, 170, 200)),
    ("R", 100300, (120, 130, 140), (120, 130, 140), 450),  # FIDENZA
    ("S", 102900, (150, 170, 200), (150, 170, 200)),
    ("R", 121800, (100, 110, 120), (100, 110, 120), 500),  # PARMA
    ("S", 125700, (150, 170, 200), (150, 170, 200)),
    ("R", 149700, (100, 110, 120), (100, 110, 120), 500),  # REGGIO EMILIA
    ("S", 153400, (150, 170, 200), (150, 170, 200)),
    ("R", 174800, (100, 110, 120), (100, 110, 120), 550),  # MODENA
    ("S", 178600, (150, 170, 200), (150, 170, 200)),
    ("S", 192700, (140, 160, 180), (140, 160, 180)),  # CASTELFRANCO E.
    ("S", 195600, (150, 170, 200), (150, 170, 200)),
    ("R", 215600, (90, 95, 100), (90, 95, 100), 500),  # BOLOGNA approach
    ("S", 217400, (60, 60, 60), None),               # BOLOGNA C.LE
    ("S", 219300, (60, 60, 60), None),
    ("S", 220800, (90, 95, 100), (90, 95, 100)),     # the mountain line
    ("S", 223600, (105, 110, 115), (105, 110, 115)),
    ("R", 230000, (100, 105, 110), (100, 105, 110), 500),  # PIANORO
    ("S", 232300, (110, 115, 120), (110, 115, 120)),
    ("R", 239800, (95, 100, 105), (95, 100, 105), 500),  # MONZUNO-VADO
    ("S", 242000, (105, 110, 115), (105, 110, 115)),
    ("R", 248300, (90, 95, 100), (90, 95, 100), 400),  # GRIZZANA
    ("S", 250900, (100, 105, 110), (100, 105, 110)),
    ("R", 258200, (90, 95, 100), (90, 95, 100), 500),  # S.BENEDETTO SAMBRO
    ("S", 260700, (130, 140, 150), (130, 140, 150)),  # in the long tunnel
    ("S", 263200, (140, 150, 160), (140, 150, 160)),
    ("R", 276400, (110, 115, 120), (110, 115, 120), 500),  # VERNIO
    ("S", 280100, (100, 105, 110), (100, 105, 110)),
    ("R", 284500, (90, 95, 100), (90, 95, 100), 500),  # BIVIO VAIANO
    ("S", 287000, (100, 105, 110), (100, 105, 110)),
    ("R", 297000, (70, 75, 80), (70, 75, 80), 500),  # PRATO
    ("S", 299300, (60, 60, 60), None),
]


def cartelli():
    """The 85 boards in order: (progressive, s1, s2, s3, c1, t or None, c2)."""
    righe = []
    for cambio in _CAMBI:
        tipo, p, s, t = cambio[:4]
        if tipo == "S":
            righe.append((p, s, 0, t, 0))
        else:
            passo = cambio[4]
            for codice, q in ((2, p - 2 * passo), (1, p - passo), (0, p)):
                righe.append((q, s, codice, t, codice))
    return righe


# (progressive, text). Kilometre readings follow the chainage: reference
# 218300 minus the progressive up to BOLOGNA, 315200 minus it beyond.
# The text marked PADDED takes the blanks that bring the file to its size.
_CARTELLI = [
    (1700, "(P.253)"),
    (3800, "(P.254)"),
    (24500, "(  Km  )(193+800)"),
    (38000, "(PASSAGGIO)(A LIVELLO)(N\xb0 14)"),
    (50700, "(  Km  )(167+600)"),
    (60200, "(  FINE   )(SEZIONAMENTO)"),
    (69450, "( INIZIO  )(PONTE SUL)(FIUME  PO)"),
    (70300, "(  FINE   )(PONTE SUL)(FIUME  PO)"),
    (85000, "(  Km  )(133+300)"),
    (104500, "(  Km  )(113+800)"),
    (117800, "(PONTE SUL)(FIUME TARO)"),
    (131000, "(  Km  )(87+300)"),
    (139500, "(PONTE SUL)(FIUME ENZA)"),
    (152400, "(  Km  )(65+909)"),
    (166000, "(PONTE SUL)(FIUME SECCHIA)"),
    (183000, "(PONTE SUL)(FIUME PANARO)"),
    (198300, "(  Km  )(20+000)"),
    (213800, "(  Km 4+500    )( SCAMBI ESTR. )(DOPPIO ALLACC.)"),
    (221500, "(  Km  )(93+700)"),
    (227000, "(  Km  )(88+200)"),
    (236000, "(  Km  )(79+200)"),
    (245000, "(  Km  )(70+200)"),
    (252000, "(  Km  )(63+200)"),
    (259300, "( INIZIO  )(GRANDE GALLERIA)"),
    (268500, "PADDED"),
    (277950, "(  FINE   )(GRANDE GALLERIA)"),
]


def cartelli_indicatori(margine):
    """The 26 signs in order: (progressive, text). margine blanks are added
    inside the padded text, which reads (PRECEDENZA)."""
    sinistra = margine // 2
    destra = margine - sinistra
    testo_pieno = "(" + " " * sinistra + "PRECEDENZA" + " " * destra + ")"
    return [(p, testo_pieno if t == "PADDED" else t) for p, t in _CARTELLI]
