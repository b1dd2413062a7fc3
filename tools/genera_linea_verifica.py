"""The checks the generated line must pass before it is printed.

Used by genera_linea.py; each check states one figure of the embedded line.
`verifica` checks the records as generated; `verifica_compilata` checks what
the built scenario tool made of them: the cells of the boards and signs, the
mountain markers left where no object replaced theirs, and the plan.
"""

CLASSI_CURVE = {"d1": 15, "d2": 8, "d3": 11, "d4": 12, "d5": 7, "d6": 3,
                "s1": 15, "s2": 9, "s3": 14, "s4": 7, "s5": 7, "s6": 4}
NUMERO_CELLE = 6140
# Cell kinds as the tool reports them: speed board, mountain marker, sign.
CELLA_INDICATORE_VMAX, CELLA_SEGNO_MONTAGNA, CELLA_CARTELLO_INDICATORE = 6, 11, 14


def crescenti(valori):
    return all(a < b for a, b in zip(valori, valori[1:]))


def verifica(righe, curve, pendenze, montagne, cartelli, indicazioni, controlla):
    # curves
    controlla(len(curve) == 112, "%d curves" % len(curve))
    conta = {}
    for p, n, classe, lato in curve:
        conta[lato + str(classe)] = conta.get(lato + str(classe), 0) + 1
    controlla(conta == CLASSI_CURVE, "curve classes %s" % sorted(conta.items()))
    controlla(tuple(curve[0]) == (1000, 300, 6, "d"), "first curve")
    controlla(tuple(curve[-1]) == (299300, 850, 2, "s"), "last curve")
    lunghe = [c for c in curve if c[1] >= 6450]
    controlla(lunghe == [[16800, 6450, 1, "s"]], "longest curve %s" % lunghe)
    for a, b in zip(curve, curve[1:]):
        controlla(a[0] + a[1] <= b[0], "curves %d and %d overlap" % (a[0], b[0]))
        controlla(b[0] - (a[0] + a[1]) >= 100, "straight after %d too short" % a[0])
    # gradients
    controlla(len(pendenze) == 161, "%d gradients" % len(pendenze))
    controlla(crescenti([p for p, _ in pendenze]), "gradient progressives")
    # on multiples of 50 m, so that increasing progressives start distinct cells
    controlla(all(p % 50 == 0 for p, _ in pendenze), "gradient off the 50 m grid")
    controlla(pendenze[0] == (0, 0) and pendenze[-1] == (298100, 0), "first/last gradient")
    valori = [g for _, g in pendenze]
    controlla(min(valori) == -16 and valori.count(-16) == 1, "steepest fall")
    controlla(max(valori) == 12 and valori.count(12) == 3, "steepest rise")
    controlla([p for p, g in pendenze if g == 12][0] == 239000, "first rise of 12")
    controlla((9800, -3) in pendenze and (10300, -16) in pendenze, "quoted gradients")
    # mountain stretches
    controlla(len(montagne) == 18, "%d mountain stretches" % len(montagne))
    controlla(crescenti([a for a, _, _ in montagne]), "mountain progressives")
    ultimi = [v for _, _, v in montagne]
    controlla((ultimi.count(11), ultimi.count(2), ultimi.count(12)) == (15, 2, 1), "mountain values")
    vicine = sum(1 for x, y in zip(montagne, montagne[1:]) if y[0] - x[1] <= 150)
    vicine_100 = sum(1 for x, y in zip(montagne, montagne[1:]) if y[0] - x[1] == 100)
    controlla(vicine == 3 and vicine_100 == 3, "three pairs 100 m apart")
    lunghissima = max(montagne, key=lambda m: m[1] - m[0])
    controlla(lunghissima == (259450, 277950, 11), "longest mountain stretch")
    controlla(montagne[0] == (36900, 36950, 12) and (184100, 184200, 2) in montagne, "quoted stretches")
    controlla(montagne[-1][0] == 297500, "last mountain stretch")
    # boards
    controlla(len(cartelli) == 85, "%d boards" % len(cartelli))
    controlla(crescenti([r[0] for r in cartelli]), "board progressives")
    controlla(cartelli[0][0] == 700 and cartelli[-1][0] == 299300, "first/last board")
    vuoti = [r[0] for r in cartelli if r[3] is None]
    controlla(vuoti == [5050, 217400, 219300, 299300], "boards with empty fields %s" % vuoti)
    zeri = [r for r in cartelli if r[2] == 0 and r[4] == 0]
    controlla(len(zeri) == 34 + 17, "boards with codes 0")
    i = 0
    corse = 0
    while i < len(cartelli):
        if cartelli[i][2] == 2:
            terna = cartelli[i:i + 3]
            controlla([(r[2], r[4]) for r in terna] == [(2, 2), (1, 1), (0, 0)], "run at %d" % cartelli[i][0])
            controlla(all(r[1] == terna[0][1] and r[3] == terna[0][3] for r in terna), "run speeds")
            controlla(all(400 <= y[0] - x[0] <= 550 for x, y in zip(terna, terna[1:])), "run spacing")
            corse += 1
            i += 3
        else:
            controlla(cartelli[i][2] == 0 and cartelli[i][4] == 0, "stray code at %d" % cartelli[i][0])
            i += 1
    controlla(corse == 17, "%d runs" % corse)
    for r in cartelli:
        velocita = list(r[1]) + list(r[3] or [])
        controlla(all(v % 5 == 0 and 0 < v <= 200 for v in velocita), "speeds at %d" % r[0])
    # signs
    controlla(len(indicazioni) == 26, "%d signs" % len(indicazioni))
    controlla(crescenti([p for p, _ in indicazioni]), "sign progressives")
    controlla(indicazioni[0] == (1700, "(P.253)") and indicazioni[-1][0] == 277950, "first/last sign")
    lunghezze = sorted(len(t) for _, t in indicazioni)
    controlla(lunghezze[-1] == 48 and lunghezze[-2] < 48, "longest sign text")
    for p, t in indicazioni:
        controlla(t.startswith("(") and t.endswith(")") and "," not in t, "sign text at %d" % p)
    # whole file
    testo = "".join(r + "\r\n" for r in righe).encode("latin-1")
    controlla(sum(1 for b in testo if b > 0x7F) == 1 and b"\xb0" in testo, "one byte above 0x7F")
    controlla(b"\t" not in testo, "tab")
    controlla(all(r == r.strip() for r in righe), "blank at a line end")


def verifica_compilata(rapporto, controlla):
    """The line as the tool compiled it (with a train file without records):
    every board and sign in a cell of its own, 162 mountain markers left."""
    celle = rapporto["celle"]["numero"]
    controlla(celle == NUMERO_CELLE + 1, "%d cells" % celle)
    tipi = [o["tipo"] for o in rapporto["oggetti"]]
    controlla(tipi.count(CELLA_INDICATORE_VMAX) == 85, "%d board cells" % tipi.count(CELLA_INDICATORE_VMAX))
    controlla(tipi.count(CELLA_CARTELLO_INDICATORE) == 26, "%d sign cells" % tipi.count(CELLA_CARTELLO_INDICATORE))
    marcatori = sum(t["quante"] for t in rapporto["celle"]["per_tipo"] if t["tipo"] == CELLA_SEGNO_MONTAGNA)
    controlla(marcatori == 162, "%d mountain markers left" % marcatori)
