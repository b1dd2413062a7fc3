#!/bin/sh
# Runs the three table generators with the built scenario tool and fails when
# a generated table differs from the one checked in (or a generator refuses).
#   sh tools/verifica_generatori.sh [SCENARIO]
set -eu
cd "$(dirname "$0")/.."
strumento=${1:-${SCENARIO:-build/scenario}}
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
python3 tools/genera_linea.py "$strumento" > "$lavoro/righe_linea.cpp"
python3 tools/genera_treno.py "$strumento" > "$lavoro/righe_treno.cpp"
python3 tools/genera_scheda.py "$lavoro/dati_scheda.cpp" "$strumento"
cmp "$lavoro/righe_linea.cpp" src/content/righe_linea.cpp
cmp "$lavoro/righe_treno.cpp" src/content/righe_treno.cpp
cmp "$lavoro/dati_scheda.cpp" src/documents/dati_scheda.cpp
echo "generated tables identical"
