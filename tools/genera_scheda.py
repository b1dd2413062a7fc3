#!/usr/bin/env python3
"""Writes src/documents/dati_scheda.cpp, the timetable sheet of train 318.

The sheet is fixed text in the program; this script only keeps its rows
consistent: kilometres follow the line's kilometre posts, passing times are
spread between the timed stops by the running speed, and every table line
gets its bars at the same columns. Run it from the repository root after
changing a row, then rebuild:
    python3 tools/genera_scheda.py [OUT [SCENARIO]]

Every timed place must be a station of the embedded train at the progressive
the row gives: the built scenario tool (SCENARIO, else the SCENARIO
environment variable, else build/scenario) compiles the embedded line and
train tables and reports their stations.
"""
import os
import sys

sys.dont_write_bytecode = True  # leave no cache files in tools/
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import strumento_scenario  # noqa: E402
from genera_treno_linea import righe_della_tabella  # noqa: E402

# --- kilometre posts -------------------------------------------------------
# The count goes up from MILANO, is counted down towards BOLOGNA C.LE from
# progressive 23450 and restarts after BOLOGNA C.LE, counting down again.
def km(p):
    if p < 23450:
        return max(0, p - 31) / 1000
    if p <= 218300:
        resto = 218300 - p
        return (resto - round(27 * resto / 146850)) / 1000
    return (315200 - p - 15) / 1000

def progressiva_del_km(k, da, a):
    """Progressive between da and a whose kilometre is k (to the metre)."""
    for p in range(da, a + 1):
        if abs(km(p) - k) < 0.0005:
            return p
    raise ValueError(f"km {k} not between {da} and {a}")

# --- rows --------------------------------------------------------------------
# (place, progressive or None, (limit, running) or None, time, recovery)
# time: None, "passa", ("parte", "13.15"), ("ferma", arr, dep), ("arriva", t)
def R(nome, p, vel=None, ora=None, rec=None, rs=None, km_visibile=True):
    return dict(nome=nome, p=p, vel=vel, ora=ora, rec=rec, rs=rs, km=km_visibile)

def cippo(k, da, a, vel):
    testo = f"{k:.3f}".replace(".", ",")
    return R(f"Cippo Km.{testo}", progressiva_del_km(k, da, a), vel)

P = "passa"
pagina_1 = [
    R("MILANO", 0, (30, 30), ("parte", "13.15")),
    R("Deviatoio di uscita", 400, (90, 90), km_visibile=False),
    R("P.B.A. P.253", 1800, ora=("passa", "13.17")),
    cippo(2.0, 1000, 3000, (115, 115)),
    R("P.B.A. P.255", 3450, ora=P),
    R("MILANO ROGOREDO", 5150, ora=P),
    R("Deviatoio di uscita", 6000, (145, 145), km_visibile=False),
    R("S.DONATO MILANESE", 8300, ora=P),
    R("BORGOLOMBARDO", 10450, ora=P),
    R("S.GIULIANO M.", 12600, ora=P),
    R("SI COD Km 14,454", 14485, (200, 150), km_visibile=False),
    R("MELEGNANO", 16900, ora=P),
    R("Ponte sul Lambro", 19900),
    R("S.ZENONE LAMBRO", 22150, ora=P),
    R("P.B.A. 194", progressiva_del_km(193.916, 23450, 26000)),
    R("BIVIO TAVAZZANO", 26750, ora=P),
    cippo(190.0, 26750, 31400, (200, 180)),
    R("LODI", 31400, ora=P, rec=1.5),
    R("Ponte sull'Adda", 32800),
    R("SECUGNAGO", 39500, ora=P),
    R("P.B.A. 175", 43350),
    R("CASALPUSTERLENGO", 47650, ora=P),
    R("CODOGNO", 53900, ora=P),
    R("P.B.A. 160", 58300),
    R("Ponte sul Po", 66000),
    cippo(150.0, 66000, 71450, (140, 140)),
    R("Segnale di protezione", 70250),
    R("Deviatoio di ingresso", 70900, (100, 100), km_visibile=False),
    R("PIACENZA", 71450, (90, 90), ("ferma", "13.55", "13.57"), 1.0),
]
pagina_2 = [
    pagina_1[-1],
    R("Deviatoio di uscita", 72300, (100, 100), km_visibile=False),
    cippo(144.0, 72300, 79200, (160, 160)),
    R("PONTENURE", 79200, ora=P),
    R("Ponte sull'Arda", 88000),
    R("FIORENZUOLA", 89300, ora=P),
    cippo(125.0, 89300, 95100, (200, 180)),
    R("ALSENO", 95100, ora=P),
    R("Segnale di protezione", 100300),
    R("Deviatoio di ingresso", 100900, (100, 100), km_visibile=False),
    R("FIDENZA", 101500, ora=("ferma", "14.13", "14.14"), rec=0.5),
    cippo(115.0, 101500, 109050, (200, 180)),
    R("CASTELGUELFO", 109050, ora=P),
    R("Ponte sul Taro", 115800),
    R("PM PONTE TARO", 117200, ora=P),
    R("Deviatoio di ingresso", 123250, (100, 100), km_visibile=False),
    R("PARMA", 123850, ora=("ferma", "14.25", "14.27"), rec=1.0),
    cippo(93.0, 123850, 134800, (200, 180)),
    R("Ponte sull'Enza", 134800),
    R("S.ILARIO D'ENZA", 136500, ora=P),
    R("VILLA CADE'", 144250, ora=P),
    R("Deviatoio di ingresso", 151100, (100, 100), km_visibile=False),
    R("REGGIO EMILIA", 151700, ora=("ferma", "14.41", "14.43"), rec=0.5),
    cippo(65.0, 151700, 163250, (200, 180)),
    R("RUBIERA", 163250, ora=P),
    R("Ponte sul Secchia", 164500),
    R("MODENA", 176850, (130, 130), ("ferma", "14.56", "14.58"), 1.0),
    cippo(35.0, 176850, 194000, (200, 180)),
    R("CASTELFRANCO E.", 194000, ora=P),
]
pagina_3 = [
    pagina_2[-1],
    R("SAMOGGIA", 201400, ora=P),
    R("ANZOLA", 207150, ora=P),
    R("PM LAVINO", 212600, (150, 150), P),
    R("Segnale di protezione", 216500, (90, 90)),
    R("BOLOGNA C.LE", 218300, (70, 70), ("ferma", "15.24", "15.28"), 2.5),
    R("Deviatoio di uscita", 219400, (90, 90), km_visibile=False),
    R("Ponte sul Savena", progressiva_del_km(93.461, 219400, 224100)),
    R("S.RUFFILLO", 224100, ora=P),
    cippo(88.0, 224100, 231600, (180, 160)),
    R("PIANORO", 231600, ora=P),
    R("Imbocco galleria", 235000),
    R("Uscita galleria", 238500),
    R("MONZUNO-VADO", 240950, ora=P),
    R("Ponte sul Setta", 245000),
    R("GRIZZANA", 249350, ora=P),
    R("S.BENEDETTO SAMBRO", 259500, ora=P, rec=1.5),
    R("Imbocco Grande Galleria", 260500),
    R("PRECEDENZE NORD", 266050, ora=P),
    R("PRECEDENZE SUD", 270800, ora=P),
    R("Uscita Grande Galleria", 277950, (120, 120)),
    R("VERNIO", 278300, ora=P),
    R("BIVIO VAIANO", 285600, ora=P),
    R("VAIANO", 289900, ora=P),
    R("Segnale di protezione", 297300),
    R("Deviatoio di ingresso", 298200, (100, 100), km_visibile=False),
    R("PRATO", 298800, ora=("arriva", "16.12"), rec=2.0),
]

# --- passing times -----------------------------------------------------------
def minuti(t):
    h, m = t.split(".")
    return int(h) * 60 + int(m)

def orario(m):
    return f"{m // 60}.{m % 60:02d}"

def calcola_passaggi(righe):
    """Spreads the time between two timed rows over the rows between them by
    the running speed; the 1500 m after a start and before a stop count at
    half speed."""
    vel = None
    corsa = []  # (p, running speed from p on)
    for r in righe:
        if r["vel"]:
            vel = r["vel"][1]
        corsa.append((r["p"], vel))
    def sforzo(p0, p1, fine, partenza, arrivo):
        s = 0.0
        for p in range(p0, p1, 50):
            v = next(v for q, v in reversed(corsa) if q <= p)
            lento = (partenza and p - p0 < 1500) or (arrivo and fine - p < 1500)
            s += 50 / (v / 2 if lento else v)
        return s
    fissi = [i for i, r in enumerate(righe) if isinstance(r["ora"], tuple)]
    for a, b in zip(fissi, fissi[1:]):
        ra, rb = righe[a], righe[b]
        t0 = minuti(ra["ora"][-1])
        t1 = minuti(rb["ora"][1])
        partenza = ra["ora"][0] != "passa"
        arrivo = rb["ora"][0] != "passa"
        totale = sforzo(ra["p"], rb["p"], rb["p"], partenza, arrivo)
        for r in righe[a + 1:b]:
            if r["ora"] == P:
                m = t0 + (t1 - t0) * sforzo(ra["p"], r["p"], rb["p"], partenza, arrivo) / totale
                r["ora"] = ("passa", orario(round(m)))

tutte = pagina_1 + pagina_2[1:] + pagina_3[1:]
calcola_passaggi(tutte)

# Every timed place is a station of the train file, under the same name and
# at the same progressive. (PM CADEO and PM MARZAGLIA and the two "Cabina B"
# points are left out: a page holds only as many timed rows as the sheet's
# layout allows.)
def stazioni_del_treno(strumento):
    """Name -> progressive of the stations of the embedded train, as the tool
    reports them once it has compiled the embedded line and train."""
    tabella = lambda nome: righe_della_tabella(os.path.join(strumento_scenario.RADICE, "src", "content", nome))
    with strumento_scenario.Sorgenti(strumento, tabella("righe_linea.cpp"), tabella("righe_treno.cpp")) as s:
        errori = s.errori()
        if errori:
            sys.exit("genera_scheda: the embedded train does not compile cleanly:\n" + "\n".join(errori))
        rapporto, _ = s.ispeziona()
    return {x["nome"]: x["progressiva"] for x in rapporto["stazioni"] if x["nome"]}

del_treno = stazioni_del_treno(strumento_scenario.percorso_strumento(sys.argv[2] if len(sys.argv) > 2 else None))
for r in tutte:
    if r["ora"] and not r["nome"].startswith("P.B.A."):
        if r["nome"] not in del_treno:
            sys.exit("genera_scheda: %s is no station of the train" % r["nome"])
        if del_treno[r["nome"]] != r["p"]:
            sys.exit("genera_scheda: %s at %d, in the train at %d" % (r["nome"], r["p"], del_treno[r["nome"]]))

# --- cells -------------------------------------------------------------------
def cella_vel(v):
    return f"{v:>4} " if v is not None else " " * 5

def cella_ora(o):
    if o is None:
        return " " * 16
    if o[0] == "passa":
        return " " * 6 + o[1] + " " * 5
    if o[0] == "parte":
        return " " * 10 + o[1] + " "
    if o[0] == "arriva":
        return " " + o[1] + " " * 10
    if o[2] == "15.28":  # BOLOGNA C.LE is written with its times further apart
        return " " + o[1] + " " * 5 + o[2]
    return " " + o[1] + " " * 4 + o[2] + " "

def celle(r):
    """The seven cells of a row, each at its column's width; the bars are
    the program's (documents/cornici_documenti)."""
    lim = marcia = rs = None
    if r["vel"]:
        lim, marcia = r["vel"]
        rs = lim if lim <= 150 else None
    chilometro = f"{km(r['p']):>8.3f}  " if r["km"] else " " * 10
    rec = f" {r['rec']:.1f} " if r["rec"] is not None else " " * 5
    c = [cella_vel(lim), cella_vel(marcia), chilometro, cella_vel(rs), (" " + r["nome"]).ljust(28),
         cella_ora(r["ora"]), rec]
    assert [len(x) for x in c] == [5, 5, 10, 5, 28, 16, 5] and len(r["nome"]) <= 27, c
    return c

# --- pages -------------------------------------------------------------------
# (label as printed, first station, last station, rows, note as printed)
NOTA = " Dalle ore 23.30 alle ore 4.30 velocit\xe0 massima 160 Km/h"
pagine = [
    ("SCHEDA  1/3", "MILANO", "PIACENZA", pagina_1, NOTA + ". "),
    ("SCHEDA  2/3", "PIACENZA", "CASTELFRANCO E.", pagina_2, NOTA + ". "),
    ("SCHEDA 3/3", "CASTELFRANCO E.", "PRATO", pagina_3, NOTA),
]
for _, _, _, righe, _ in pagine:
    assert len(righe) <= 29

# --- C++ ---------------------------------------------------------------------
def letterale(t):
    out, dopo_escape = '"', False
    for c in t:
        if ord(c) > 127:
            out += "\\x%02X" % c.encode("cp1252")[0]
            dopo_escape = True
            continue
        if dopo_escape and c in "0123456789abcdefABCDEF":
            out += '" "'
        dopo_escape = False
        out += "\\" + c if c in '"\\' else c
    return out + '"'

def riga_cpp(r):
    return "{" + str(r["p"]) + ", {" + ", ".join(letterale(c) for c in celle(r)) + "}}"

corpo = []
for n, (_, _, _, righe, _) in enumerate(pagine, 1):
    corpo.append(f"const riga_scheda_incorporata pagina_{n}[] = {{")
    corpo += ["    " + riga_cpp(r) + "," for r in righe]
    corpo.append("};")
chiamate = "\n".join(
    f"      pagina({letterale(e)}, {letterale(da)}, {letterale(a)}, pagina_{n}, {letterale(nota)}),"
    for n, (e, da, a, _, nota) in enumerate(pagine, 1))
sorgente = f"""// The timetable sheet of train 318: three pages of the run and a blank
// fourth page, in the frames of documents/cornici_documenti. Generated by
// tools/genera_scheda.py, which keeps kilometres, passing times and cell
// widths consistent: change the rows there and run it again rather than
// editing this table by hand.
#include "documents/dati_scheda.h"

#include <iterator>
#include <string>
#include <vector>

#include "base/nomi_file.h"
#include "content/scrivi_righe.h"
#include "documents/cornici_documenti.h"
#include "model/form1.h"

namespace {{

// The rows of each page, as the paper prints them.
// clang-format off
{chr(10).join(corpo)}

template <std::size_t N>
pagina_scheda_incorporata pagina(std::string etichetta, std::string da, std::string a,
                                 const riga_scheda_incorporata (&righe_pagina)[N], std::string nota) {{
  return {{{{etichetta, "TRENO n. 318", da, a, "V200 C", "130%", "INTERCITY", "700T", {{}}}},
          std::vector<riga_scheda_incorporata>(std::begin(righe_pagina), std::end(righe_pagina)), nota}};
}}

std::vector<std::string> scheda_incorporata() {{
  std::vector<pagina_scheda> fogli;
  for (const pagina_scheda_incorporata& p : pagine_scheda()) {{
    fogli.push_back({{p.intestazione, {{}}, p.nota}});
    for (const riga_scheda_incorporata& r : p.righe) fogli.back().righe.push_back(riga_tabella_scheda(r.celle));
  }}
  return righe_scheda_documento(fogli, modulo_scheda());
}}

}}  // namespace

const std::vector<pagina_scheda_incorporata>& pagine_scheda() {{
  static const std::vector<pagina_scheda_incorporata> pagine = {{
{chiamate}
  }};
  return pagine;
}}

intestazione_scheda modulo_scheda() {{
  // The blank form keeps its mass placeholder where the printed form has it.
  return {{"SCHEDA 4/4", "TRENO n.xxxxx", "xxxxxx", "xxxxxx", "Vxxx C", "xxx%", "xxx", "", "      xxxT"}};
}}
// clang-format on

std::span<const std::string_view> righe_scheda() {{
  // Laid out once, on first use, and kept for the run.
  static const std::vector<std::string> righe = scheda_incorporata();
  static const std::vector<std::string_view> vista = [] {{
    std::vector<std::string_view> v(righe.begin(), righe.end());
    v.push_back(fine_tabella);
    return v;
  }}();
  return vista;
}}

void dati_scheda(const Form1& f) {{ scrivi_righe(*f.cartella, file_scheda(f), righe_scheda()); }}
"""
out = sys.argv[1] if len(sys.argv) > 1 else "src/documents/dati_scheda.cpp"
with open(out, "w", newline="\n") as f:
    f.write(sorgente)
