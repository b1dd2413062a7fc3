#!/bin/sh
# An author's afternoon: the template extracted, a station renamed, a timed
# stop added, a signal moved, a slowdown added; check, compile, documents and
# pack; the packed program run in a fresh folder must leave the three compact
# files of compile and the three documents of documents, and no source.
# Usage: pomeriggio.sh SCENARIO [--windows]  (with --windows the packed program
# is a Windows one, run by WINE, default wine).
set -eu
scenario=$1
opzione=${2:-}
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro"

fallisci() { echo "pomeriggio: $*" >&2; exit 1; }

"$scenario" extract autore 2>/dev/null
treno=autore/Velstra_Ordoven_318-.txt
# The edits, each one checked to have taken.
sed -i 's/, CODOGNO\r$/, CODOGNO C.LE\r/' "$treno"
sed -i 's/100,   0, 0, 0, PONTENURE\r$/100,  14, 2, 0, PONTENURE\r/' "$treno"
sed -i 's/^segnale,    2800,/segnale,    3000,/' "$treno"
sed -i 's/^rallentamento,  259150,    90,  450, 0,  0,  60\r$/&\nrallentamento,  150000,    60,  300, 0,  0,  60\r/' "$treno"
grep -q 'CODOGNO C.LE' "$treno" || fallisci "la stazione non e' stata rinominata"
grep -q '14, 2, 0, PONTENURE' "$treno" || fallisci "la fermata non e' stata aggiunta"
grep -q '^segnale,    3000,' "$treno" || fallisci "il segnale non e' stato spostato"
grep -q '^rallentamento,  150000,' "$treno" || fallisci "il rallentamento non e' stato aggiunto"
rm autore/Velstra_Ordoven_318_scheda_treno.txt autore/Velstra_Ordoven_318_rallentamenti.txt

"$scenario" check autore Velstra_Ordoven 318 >/dev/null
# Before its documents are written the pack is refused with a word on how.
if "$scenario" pack autore Velstra_Ordoven 318 --out prima 2>errore; then fallisci "pack senza documenti riuscito"; fi
grep -q "scenario documents" errore || fallisci "pack senza documenti non dice di eseguire documents"
"$scenario" compile autore Velstra_Ordoven 318 2>/dev/null
"$scenario" documents autore Velstra_Ordoven 318 2>/dev/null
if [ "$opzione" = --windows ]; then
  programma=Velstra_Ordoven_318.exe
  "$scenario" pack autore Velstra_Ordoven 318 --out "$programma" --windows 2>/dev/null
else
  programma=Velstra_Ordoven_318
  "$scenario" pack autore Velstra_Ordoven 318 --out "$programma" 2>/dev/null
fi
[ -x "$programma" ] || fallisci "il programma scritto non e' eseguibile"

mkdir corsa
cp "$programma" corsa/
if [ "$opzione" = --windows ]; then
  (cd corsa && ${WINE:-wine} "./$programma" >/dev/null 2>&1) || fallisci "il programma impacchettato e' uscito con $?"
else
  (cd corsa && "./$programma" >/dev/null) || fallisci "il programma impacchettato e' uscito con $?"
fi
for f in Velstra_Ordoven_linea.dat Velstra_Ordoven_318.sim Velstra_Ordoven_318.dat \
         Velstra_Ordoven_318_scheda_treno.txt Velstra_Ordoven_318_rallentamenti.txt Velstra_Ordoven_318_note.txt; do
  cmp -s "autore/$f" "corsa/$f" || fallisci "$f diverso da quello di compile/documents"
done
[ "$(ls corsa | wc -l)" -eq 7 ] || fallisci "nella cartella della corsa: $(ls corsa | tr '\n' ' ')"
# The sheet shows the new stop with its time and the renamed station.
grep -a -q '| PONTENURE                  |      14.02     |' corsa/Velstra_Ordoven_318_scheda_treno.txt ||
  fallisci "la scheda non mostra PONTENURE alle 14.02"
grep -a -q '| CODOGNO C.LE ' corsa/Velstra_Ordoven_318_scheda_treno.txt || fallisci "la scheda non mostra CODOGNO C.LE"
# The new slowdown second along the line (after the paper's slowdown of the
# documents table), between the two stations around it, after the post of
# km 69 (the count goes down there).
grep -a -q "^ | 2 | VILLA CADE'-REGGIO EMILIA  |     69     |    60    |   300   |" \
  corsa/Velstra_Ordoven_318_rallentamenti.txt || fallisci "l'ordine non mostra il nuovo rallentamento"
echo "pomeriggio: ok"
