"""The plan arithmetic behind the curves of the embedded line.

Used by genera_linea_curve.py. A curve is a list [start, length, class,
side]. The step of the walk is written as the complex number dy + i*dx; a
curved metre multiplies it by (1 + i*k), a straight metre keeps it, and each
metre adds the step to the point. So the step after a set of curves depends
only on their lengths: its angle is the sum of +-atan(k)*n (whole units of
1e-4 for the k part plus a small cubic part), its log-length the sum of
log(1 + k^2)*n/2. With the lengths fixed, a point is linear in the lengths of
the straights.
"""
import math

K = {1: 0.0001, 2: 0.0002, 3: 0.0004, 4: 0.001, 5: 0.002, 6: 0.003}
M = {1: 1, 2: 2, 3: 4, 4: 10, 5: 20, 6: 30}  # k in units of 0.0001


def fattore(classe, lato):
    return K[classe] if lato == "d" else -K[classe]


def _risolvi(a, b):
    """Solves the n x n system a x = b by Gaussian elimination."""
    n = len(b)
    m = [list(r) + [v] for r, v in zip(a, b)]
    for c in range(n):
        piv = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[piv] = m[piv], m[c]
        for r in range(n):
            if r != c:
                f = m[r][c] / m[c][c]
                m[r] = [x - f * y for x, y in zip(m[r], m[c])]
    return [m[r][n] / m[r][r] for r in range(n)]


def _minimo_vincolato(nominali, pesi, righe, termini):
    """x closest to nominali (weighted by 1/pesi) with sum(righe[j][i] x_i) =
    termini[j]: x = nom + P A^T (A P A^T)^-1 (t - A nom), P = diag(pesi)."""
    a_p_at = [[sum(r1[i] * r2[i] * pesi[i] for i in range(len(pesi))) for r2 in righe] for r1 in righe]
    scarto = [t - sum(r[i] * nominali[i] for i in range(len(nominali))) for r, t in zip(righe, termini)]
    lam = _risolvi(a_p_at, scarto)
    return [nominali[i] + pesi[i] * sum(righe[j][i] * lam[j] for j in range(len(righe)))
            for i in range(len(nominali))]


def _angolo(curve):
    return math.fsum(math.atan(fattore(c, l)) * n for _, n, c, l in curve)


def _logaritmo(curve):
    return math.fsum(0.5 * math.log1p(K[c] ** 2) * n for _, n, c, l in curve)


def _intero(curve):
    return sum((M[c] if l == "d" else -M[c]) * n for _, n, c, l in curve)


def _cubico(curve):
    return math.fsum((math.atan(fattore(c, l)) - fattore(c, l)) * n for _, n, c, l in curve)


def _distribuisci(curve, scelte, metri):
    """Adds metri (may be negative) spread evenly over the chosen curves."""
    q, r = divmod(abs(metri), len(scelte))
    segno = 1 if metri >= 0 else -1
    for j, i in enumerate(scelte):
        curve[i][1] += segno * (q + (1 if j < r else 0))


def adatta_lunghezze(curve, fisse, passo_voluto):
    """Fits the lengths of the curves whose index is not in fisse (closest to
    the present lengths, relatively) so that the step after all of them is
    passo_voluto. The order of the curves plays no part. Changes curve."""
    theta = math.atan2(passo_voluto.imag, passo_voluto.real)
    lam = math.log(abs(passo_voluto))
    intero = round(theta / 1e-4)
    cub = theta - intero * 1e-4
    libere = [i for i in range(len(curve)) if i not in fisse]
    prime = [c for i, c in enumerate(curve) if i in fisse]
    righe = [
        [math.atan(fattore(curve[i][2], curve[i][3])) for i in libere],
        [0.5 * math.log1p(K[curve[i][2]] ** 2) for i in libere],
        [math.atan(fattore(curve[i][2], curve[i][3])) - fattore(curve[i][2], curve[i][3]) for i in libere],
    ]
    termini = [theta - _angolo(prime), lam - _logaritmo(prime), cub - _cubico(prime)]
    nominali = [curve[i][1] for i in libere]
    pesi = [float(n) ** 2 for n in nominali]
    for i, n in zip(libere, _minimo_vincolato(nominali, pesi, righe, termini)):
        curve[i][1] = int(round(n))
    per_classe = {}
    for i in libere:
        per_classe.setdefault(curve[i][3] + str(curve[i][2]), []).append(i)
    tutte = curve
    for _ in range(4):
        # the cubic part, by metres of class 4 then 3 (each turns the step
        # by atan(k) - k, the rest of the turn being whole units of 1e-4)
        for classe in ("d4", "d3"):
            k = K[int(classe[1])]
            passo = math.atan(k) - k
            metri = round((cub - _cubico(tutte)) / passo)
            _distribuisci(curve, per_classe[classe], metri)
        # the whole units, by metres of class 1
        scarto = intero - _intero(tutte)
        if scarto >= 0:
            _distribuisci(curve, per_classe["d1"], scarto)
        else:
            _distribuisci(curve, per_classe["s1"], -scarto)
        # the length, by pairs of equal metres on both sides (no turn)
        for classe in (3, 1):
            passo = math.log1p(K[classe] ** 2)
            coppie = round((lam - _logaritmo(tutte)) / passo)
            _distribuisci(curve, per_classe["d%d" % classe], coppie)
            _distribuisci(curve, per_classe["s%d" % classe], coppie)
    return curve


def errore_passo(curve, passo_voluto):
    """Differences of angle and log-length between the step after the curves
    and passo_voluto."""
    theta = math.atan2(passo_voluto.imag, passo_voluto.real)
    return _angolo(curve) - theta, _logaritmo(curve) - math.log(abs(passo_voluto))


def punto_e_passo(curve, fino_a):
    """P(fino_a) and the step there, by whole segments (close, not bit-exact).
    The walk starts at P(1) = 1 with the step 1."""
    punto, passo, metro = complex(1, 0), complex(1, 0), 1
    for p, n, c, l in curve:
        if p >= fino_a:
            break
        punto += passo * (p - metro)
        q = complex(1, fattore(c, l))
        curvi = min(n, fino_a - p)
        punto += passo * q * (q ** curvi - 1) / (q - 1)
        passo *= q ** curvi
        metro = p + curvi
    punto += passo * (fino_a - metro)
    return punto, passo


def passi_dei_rettilinei(curve):
    """The step on the straight before each curve (index j: before curve j)."""
    passi, passo = [], complex(1, 0)
    for p, n, c, l in curve:
        passi.append(passo)
        passo *= complex(1, fattore(c, l)) ** n
    return passi


def adatta_rettilinei(curve, gruppi, fino_a, bersaglio, minimo):
    """Moves curves (lengths kept) so that P(fino_a) = bersaglio. gruppi lists
    lists of curve indices j whose straight before them may change; each list
    keeps its total, so the curve that ends a list stays in place. No
    straight drops below minimo. Changes curve; returns P - bersaglio."""
    passi = passi_dei_rettilinei(curve)

    def rettilineo(j):
        return curve[j][0] - (curve[j - 1][0] + curve[j - 1][1])

    variabili = [j for g in gruppi for j in g]
    iniziali = {j: rettilineo(j) for j in variabili}
    errore0 = punto_e_passo(curve, fino_a)[0] - bersaglio

    def errore(valori):
        return errore0 + sum((valori[j] - iniziali[j]) * passi[j] for j in variabili)

    # continuous fit, weighted by the straight's length; a straight that
    # would fall short of minimo is held there and the fit run again
    bloccate = {}
    for _ in range(50):
        libere = [j for j in variabili if j not in bloccate]
        base = dict(iniziali)
        base.update(bloccate)
        e = errore(base)
        righe = [[passi[j].real for j in libere], [passi[j].imag for j in libere]]
        termini = [-e.real, -e.imag]
        for gruppo in gruppi:
            righe.append([1.0 if j in gruppo else 0.0 for j in libere])
            termini.append(-sum(base[j] - iniziali[j] for j in gruppo))
        delta = _minimo_vincolato([0.0] * len(libere), [float(iniziali[j]) for j in libere], righe, termini)
        valori = dict(base)
        for j, d in zip(libere, delta):
            valori[j] = iniziali[j] + d
        corti = [j for j in libere if valori[j] < minimo]
        if not corti:
            break
        for j in corti:
            bloccate[j] = minimo
    valori = {j: int(round(v)) for j, v in valori.items()}
    for gruppo in gruppi:
        scarto = sum(iniziali[j] for j in gruppo) - sum(valori[j] for j in gruppo)
        valori[max(gruppo, key=lambda j: valori[j])] += scarto
    # one-metre moves between two straights of a list, best first
    coppie = [(a, b, passi[b] - passi[a]) for g in gruppi for a in g for b in g if a != b]
    for _ in range(2000):
        e = errore(valori)
        if abs(e) < 2e-4:
            break
        migliore = None
        for a, b, v in coppie:
            t = round(-(e.real * v.real + e.imag * v.imag) / (abs(v) ** 2))
            if t == 0:
                continue
            if valori[a] - t < minimo or valori[b] + t < minimo:
                continue
            resto = abs(e + t * v)
            if migliore is None or resto < migliore[0]:
                migliore = (resto, a, b, t)
        if migliore is None or migliore[0] >= abs(e):
            break
        _, a, b, t = migliore
        valori[a] -= t
        valori[b] += t
    for gruppo in gruppi:
        for j in sorted(gruppo):
            curve[j][0] = curve[j - 1][0] + curve[j - 1][1] + valori[j]
    return punto_e_passo(curve, fino_a)[0] - bersaglio
