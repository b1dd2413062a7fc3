"""Places the records of the train file on the line's cells the way the
compiler does, and runs the cab-signal code check around the slowdowns, so
that the generator can refuse a table that would compile with an error.

Cell kinds: 1 signal, 2/3/4 slowdown end/start/warning, 10 station end
marker, 12/13 code point; the line's boards and signs are given as taken.
"""
from genera_treno_linea import cella_punto

SEGNALE, FINE_RALL, INIZIO_RALL, AVVISO_RALL = 1, 2, 3, 4
FINE_STAZIONE, CODICE, CODICE_AC = 10, 12, 13


def _numeri(riga):
    return [c.strip() for c in riga.split(",")[1:]]


def estensione(p, tipo, lunghezza, estensione_fine):
    """Start and end of a station area."""
    if tipo in (5, 6):
        return p - lunghezza, p + 150
    if tipo in (7, 8):
        return p - lunghezza, p + lunghezza
    fine = p + lunghezza // 2 + (50 if estensione_fine else 0)
    return p - lunghezza // 2, fine


def simula(righe, celle_linea, numero_celle):
    """Returns (errors, cells): errors is a list of texts, empty when the
    train would compile cleanly; cells maps cell -> (kind, value)."""
    errori = []
    celle = {}
    marche = {}  # cell -> who wrote its approach mark
    prima = None  # end of the previous station area

    def marca(i, chi):
        if i in marche:
            errori.append("%s: approach mark on cell %d overwrites that of %s" % (chi, i, marche[i]))
        marche[i] = chi

    def libera(i):
        return i not in celle_linea and i not in celle

    def dentro(i, cosa):
        if not 0 <= i <= numero_celle:
            errori.append("%s: cell %d outside the line" % (cosa, i))
            return False
        return True

    for riga in righe:
        chiave = riga.split(",")[0]
        if chiave == "stazione":
            n = _numeri(riga)
            p, tipo, lung, est = int(n[0]), int(n[1]), int(n[2]), int(n[5])
            if p % 50 or lung % 100:
                errori.append("station %d: progressive or length not aligned" % p)
            inizio, fine = estensione(p, tipo, lung, est)
            if prima is not None and inizio - 350 < prima:
                errori.append("station %d: closer than 350 m to the previous one" % p)
            prima = fine
            if tipo < 25:
                i = fine // 50 - 1
                if tipo not in (5, 6):
                    for j in range(1, 5):
                        if i - j > 1:
                            marca(i - j, "station %d" % p)
                if dentro(i, "station %d" % p):
                    if not libera(i):
                        errori.append("station %d: end marker on taken cell %d (%s)"
                                      % (p, i, celle_linea.get(i, celle.get(i))))
                    celle[i] = (FINE_STAZIONE, n[-1])
        elif chiave == "rallentamento":
            n = [int(x) for x in _numeri(riga)]
            p, vel, lung = n[0], n[1], n[2]
            cw, cs, ce = cella_punto(p - 1200), cella_punto(p), cella_punto(p + lung)
            for i, tipo in ((cw, AVVISO_RALL), (cs, INIZIO_RALL), (ce, FINE_RALL)):
                if dentro(i, "slowdown %d" % p):
                    if not libera(i):
                        errori.append("slowdown %d: cell %d taken" % (p, i))
                    celle[i] = (tipo, vel)
        elif chiave == "segnale":
            p = int(_numeri(riga)[0])
            i = cella_punto(p)
            if dentro(i, "signal %d" % p):
                if not libera(i):
                    errori.append("signal %d: cell %d taken" % (p, i))
                celle[i] = (SEGNALE, 0)
                for k in range(1, 5):
                    if i - 2 * k >= 0:
                        marca(i - 2 * k, "signal %d" % p)
        elif chiave == "abbattimento":
            n = _numeri(riga)
            p = int(n[0])
            i = p // 50
            if dentro(i, "code point %d" % p):
                if not libera(i):
                    errori.append("code point %d: cell %d taken" % (p, i))
                celle[i] = (CODICE, int(n[1])) if n[1].isdigit() else (CODICE_AC, 0)
    errori += controllo_codici(celle, celle_linea, numero_celle)
    return errori, celle


def controllo_codici(celle, celle_linea, numero_celle):
    """The compiler's completion of the codes in front of slowdowns; returns
    the errors it would record. Changes celle in place."""
    errori = []

    def tipo(i):
        return celle[i][0] if i in celle else 0

    def libera(i):
        return 0 <= i <= numero_celle and i not in celle_linea and i not in celle

    def metti(i):
        celle[i] = (CODICE, 180)

    for i in range(1, numero_celle - 1):
        if tipo(i) == AVVISO_RALL:
            for k in range(1, 21):
                m = i - k
                if m < 3:
                    break
                if tipo(m) != SEGNALE:
                    continue
                if libera(m - 1):
                    metti(m - 1)
                elif libera(m - 2):
                    metti(m - 2)
                elif tipo(m - 1) == CODICE or tipo(m - 2) == CODICE:
                    pass
                else:
                    errori.append("code check: no room before signal cell %d" % m)
        elif tipo(i) == INIZIO_RALL:
            for soglia, finestra in ((7, (5, 6, 7)), (13, (11, 12, 13)), (20, (18, 19, 20))):
                if i > soglia:
                    for d in finestra:
                        if libera(i - d):
                            metti(i - d)
                            break
                    else:
                        errori.append("code check: window %s before start %d full" % (finestra, i))
            k, n = i, 0
            if celle[i][1] < 110:
                while k < numero_celle:
                    k += 1
                    n += 1
                    if n == 8:
                        if libera(k):
                            metti(k)
                            n = 0
                        elif libera(k - 1):
                            metti(k - 1)
                            n = 1
                        elif libera(k + 1):
                            metti(k + 1)
                            n = -1
                        else:
                            errori.append("code check: no room inside slowdown at %d" % k)
                    if tipo(k) == FINE_RALL:
                        break
                for p in range(k, min(k + 12, numero_celle) + 1):
                    if tipo(p) == SEGNALE:
                        if libera(p - 1):
                            metti(p - 1)
                        elif libera(p - 2):
                            metti(p - 2)
                        else:
                            errori.append("code check: no room before signal %d after slowdown" % p)
                        break
    return errori
