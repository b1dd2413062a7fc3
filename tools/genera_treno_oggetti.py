"""Stations, signals and code points of the embedded train.

Every object is laid out from a few fixed rows and simple railway rules
(entry signal before a station, block signals in between, a code point in
front of every signal and repetition points between them), then moved by
50 m steps off any cell that the line or an earlier object already takes.
"""
from genera_treno_linea import cella_punto

# Departure (arrival for the last row) of the stations where the train is timed.
ORARI = {
    "MILANO": (13, 15), "PIACENZA": (13, 57), "FIDENZA": (14, 14), "PARMA": (14, 27),
    "REGGIO EMILIA": (14, 43), "MODENA": (14, 58), "BOLOGNA C.LE": (15, 28), "PRATO": (16, 12),
}
# Slowdown of the train file: warning, start and end cells.
CELLE_RALLENTAMENTO = {5160, 5184, 5193}
# Code points whose progressive is fixed.
PRIMO_CODICE, ULTIMO_CODICE, CODICE_180 = 10000, 299550, 230500
CODICI_AC = list(range(218700, 219250 + 1, 50))
# Cells kept clear of signals and code points so that the code check finds
# its windows in front of the slowdown, its room inside it and in front of
# the first signal after it.
CELLE_CONTROLLO = set(range(5164, 5207))
NUMERO_SEGNALI, NUMERO_CODICI = 160, 416


def _modello(nome, tipo, primo, ultimo):
    """Station values 4 to 13 and the lengths to try, by the station's role."""
    if primo:
        return (1, 0, 0, 4, 1, 1, 2, 1, 1, 0), (600,)
    if ultimo:
        return (1, 1, 0, 4, 1, 1, 2, 1, 1, 0), (600, 500)
    if tipo == 2:
        return (1, 1, 0, 4, 1, 1, 2, 1, 1, 60), ((700,) if nome == "PIACENZA" else (800, 700, 600))
    if nome in ORARI:
        return (1, 1, 0, 2, 1, 1, 4, 1, 1, 60), (600, 500, 700)
    if tipo == 4:
        return (0, 0, 1, 1, 1, 0, 4, 1, 1, 130), ((800, 700) if nome.startswith("S.BENEDETTO") else (500, 600, 400))
    if tipo == 11:
        return (0, 0, 1, 1, 1, 0, 3, 1, 1, 120), (400, 500, 300)
    if tipo == 12:
        return (0, 0, 0, 1, 0, 0, 1, 1, 0, 100), (300, 400, 200)
    if tipo == 22:
        return (0, 0, 0, 0, 0, 0, 1, 0, 0, 0), (200, 300)
    return (0,) * 10, (200,)


def estensione(p, tipo, lunghezza, estensione_fine):
    """Start and end of a station area, from the station's row: the areas
    the generator keeps apart and whose end marker cell it keeps free."""
    if tipo in (5, 6):
        return p - lunghezza, p + 150
    if tipo in (7, 8):
        return p - lunghezza, p + lunghezza
    fine = p + lunghezza // 2 + (50 if estensione_fine else 0)
    return p - lunghezza // 2, fine


def _celle_codici_fissi():
    return {p // 50 for p in CODICI_AC + [PRIMO_CODICE, ULTIMO_CODICE, CODICE_180]}


def stazioni(percorso_tsv, celle_linea):
    """The 45 station rows, each a dict: nome, campi (16 numbers), inizio,
    fine, tipo, marker (end-marker cell or None)."""
    with open(percorso_tsv, encoding="ascii") as f:
        voci = [r.rstrip("\n").split("\t") for r in f if r.strip()]
    vietate = set(celle_linea) | CELLE_RALLENTAMENTO | _celle_codici_fissi()
    risultato = []
    for n, (nome, progressiva, tipo) in enumerate(voci):
        p, tipo = int(progressiva), int(tipo)
        valori, lunghezze = _modello(nome, tipo, n == 0, n == len(voci) - 1)
        for lung in lunghezze:
            inizio, fine = estensione(p, tipo, lung, valori[2])
            if tipo >= 25 or fine // 50 - 1 not in vietate:
                break
        ora, minuto = ORARI.get(nome, (0, 0))
        campi = (p, tipo, lung) + valori + (ora, minuto, 0)
        risultato.append({"nome": nome, "campi": campi, "inizio": inizio, "fine": fine,
                          "tipo": tipo, "marker": fine // 50 - 1 if tipo < 25 else None})
    return risultato


BLOCCO = (2, 4, 1, 1, 0, 2, 2, 1, 1)
INGRESSO = (2, 2, 3, 1, 1, 2, 2, 1, 1)
USCITA = (2, 4, 0, 0, 0, 2, 2, 0, 0)
PICCOLO = (1, 4, 1, 1, 0, 2, 2, 1, 1)
# Signals whose rows are fixed: progressive -> the ten fields after it.
FISSI = {
    1800: (2, 4, 1, 1, 0, 0, 0, 0, 0, 0),
    2800: (2, 4, 1, 1, 0, 2, 2, 1, 1, 0),
    133950: (2, 4, 0, 0, 0, 2, 2, 0, 0, 140),
    217150: INGRESSO + (255,),
    275700: BLOCCO + (205,),
    277200: INGRESSO + (205,),
    296300: BLOCCO + (150,),
    297800: (2, 2, 3, 1, 1, 2, 2, 1, 1, 0),
    # Block and protection signals that the timetable sheet names.
    3450: BLOCCO + (0,),
    24350: BLOCCO + (0,),
    43350: BLOCCO + (0,),
    58300: BLOCCO + (0,),
    70250: INGRESSO + (0,),
    100250: INGRESSO + (0,),  # the line's board takes the cell of 100300
}
PRIMO_SEGNALE, ULTIMO_SEGNALE = 1800, 297800
DISTANZA_MINIMA = 500


def _arrotonda(p):
    return int(round(p / 50.0)) * 50


def segnali(tabella_stazioni, celle_linea):
    """The 160 signal rows as tuples (progressive, ten fields)."""
    vietate = (set(celle_linea) | CELLE_RALLENTAMENTO | _celle_codici_fissi()
               | {s["marker"] for s in tabella_stazioni if s["marker"] is not None})
    marche_stazioni = {s["marker"] - j for s in tabella_stazioni
                       if s["marker"] is not None for j in range(1, 5)}

    # A signal's cell must be free, and so must the cell in front of it,
    # where its code point goes; its approach marks must not cover a
    # station's.
    def posto_libero(p):
        i = cella_punto(p)
        return (i not in vietate and (p // 50) not in vietate
                and not any(i - 2 * k in marche_stazioni for k in range(1, 5)))

    scelti = dict(FISSI)

    def prova(p, campi):
        for d in (0, -50, 50, -100, 100, -150, 150, -200, 200):
            q = p + d
            if not PRIMO_SEGNALE < q < ULTIMO_SEGNALE or not posto_libero(q):
                continue
            if cella_punto(q) in CELLE_CONTROLLO:
                continue
            if all(abs(q - x) >= DISTANZA_MINIMA for x in scelti):
                scelti[q] = campi
                return True
        return False

    def protetta(s):
        """Whether a fixed signal already stands in front of the station."""
        return any(s["inizio"] - 1000 <= p < s["inizio"] for p in FISSI)

    piccoli = [s for s in tabella_stazioni if s["tipo"] in (22, 25, 26, 28) or s["nome"] == "CASTELFRANCO E."]
    for s in piccoli:
        prova(_arrotonda(s["inizio"] - 400), PICCOLO + (0,)) or prova(_arrotonda(s["fine"] + 350), PICCOLO + (0,))
    for s in tabella_stazioni:
        if s["tipo"] < 22 and s not in piccoli and not protetta(s):
            any(prova(_arrotonda(s["inizio"] - d), INGRESSO + (0,)) for d in (400, 700, 1000))
    for s in tabella_stazioni:
        if s["tipo"] in (2, 4, 8, 11) and s not in piccoli:
            # Far enough that its approach marks stay clear of the station's.
            prova(_arrotonda(s["fine"] + 350), USCITA + (0,))
    # Block signals evenly between the others, as many as make the total.
    da_aggiungere = NUMERO_SEGNALI - len(scelti)
    while da_aggiungere > 0:
        posizioni = sorted(scelti)
        intervalli = sorted(zip(posizioni, posizioni[1:]), key=lambda ab: (ab[0] - ab[1], ab[0]))
        if not any(prova(_arrotonda(a + (b - a) * f), BLOCCO + (0,))
                   for a, b in intervalli for f in (0.5, 0.4, 0.6)):
            raise SystemExit("genera_treno: no room left for a block signal")
        da_aggiungere -= 1
    return [(p,) + scelti[p] for p in sorted(scelti)]


def _suddividi(totale, parti):
    return [totale // parti + (1 if j < totale % parti else 0) for j in range(parti)]


# Runs of code 270 per stretch (up to Bologna, Bologna to the 180 point,
# from there to the end of the line), each named by the station it slows
# down for or by the end of the stretch it is tied to; code 280 fills the
# open line between them.
RUNS_270 = (
    ("inizio", "LODI", "CASALPUSTERLENGO", "PIACENZA", "FIORENZUOLA", "FIDENZA", "PARMA",
     "REGGIO EMILIA", "MODENA", "CASTELFRANCO E."),
    ("inizio", "fine"),
    ("MONZUNO-VADO", "S.BENEDETTO SAMBRO", "VERNIO"),
)
NUMERO_270 = 141


def _codici_del_tratto(tratto, centri, n270, progressive_stazioni):
    """Code of each point of one stretch: runs of 270 as centred on their
    stations as they fit, 280 elsewhere."""
    codici = [280] * len(tratto)
    for centro, lunghezza in zip(centri, _suddividi(n270, len(centri))):
        if centro == "inizio":
            da = 0
        elif centro == "fine":
            da = len(tratto) - lunghezza
        else:
            p = progressive_stazioni[centro]
            da = min(range(len(tratto)), key=lambda i: abs(tratto[i] - p)) - lunghezza // 2
        if da < 0 or da + lunghezza > len(tratto) or 270 in codici[max(0, da - 1):da + lunghezza + 1]:
            raise SystemExit("genera_treno: the 270 run of %s does not fit" % centro)
        codici[da:da + lunghezza] = [270] * lunghezza
    return codici


def codici(tabella_segnali, tabella_stazioni, celle_linea):
    """The 416 code point rows as (progressive, code or "AC")."""
    vietate = (set(celle_linea) | CELLE_RALLENTAMENTO | CELLE_CONTROLLO
               | {cella_punto(s[0]) for s in tabella_segnali}
               | {s["marker"] for s in tabella_stazioni if s["marker"] is not None})
    fissi = set(CODICI_AC) | {PRIMO_CODICE, ULTIMO_CODICE, CODICE_180}
    posti = set(fissi)
    ac_da, ac_a = CODICI_AC[0] - 50, CODICI_AC[-1] + 50
    for s in tabella_segnali:
        p = s[0]
        if PRIMO_CODICE < p < ULTIMO_CODICE and not ac_da <= p <= ac_a and p not in fissi:
            for q in (p, p - 50):
                if q // 50 not in vietate and q not in posti:
                    posti.add(q)
                    break

    def libero(q):
        return q // 50 not in vietate and q not in posti

    ordinati = sorted(posti)
    intervalli = [(a, b) for a, b in zip(ordinati, ordinati[1:]) if not (ac_da <= a and b <= ac_a)]
    mancanti = NUMERO_CODICI - len(posti)
    quanti = {ab: 0 for ab in intervalli}
    for _ in range(mancanti):
        ab = max(intervalli, key=lambda ab: ((ab[1] - ab[0]) / (quanti[ab] + 1), -ab[0]))
        quanti[ab] += 1
    for (a, b), k in quanti.items():
        for j in range(1, k + 1):
            meta = a + (b - a) * j / (k + 1)
            candidati = [q for q in range(a + 50, b, 50) if libero(q)]
            if not candidati:
                raise SystemExit("genera_treno: no room for a code point between %d and %d" % (a, b))
            posti.add(min(candidati, key=lambda q: (abs(q - meta), q)))
    ordinati = sorted(posti)
    tratti = ([p for p in ordinati if p < CODICI_AC[0]],
              [p for p in ordinati if CODICI_AC[-1] < p < CODICE_180],
              [p for p in ordinati if p > CODICE_180])
    quota = [round(NUMERO_270 * len(t) / sum(len(x) for x in tratti)) for t in tratti]
    quota[0] += NUMERO_270 - sum(quota)
    valori = {p: "AC" for p in CODICI_AC}
    valori[CODICE_180] = 180
    progressive_stazioni = {s["nome"]: s["campi"][0] for s in tabella_stazioni}
    for tratto, centri, n270 in zip(tratti, RUNS_270, quota):
        valori.update(zip(tratto, _codici_del_tratto(tratto, centri, n270, progressive_stazioni)))
    return [(p, valori[p]) for p in ordinati]
