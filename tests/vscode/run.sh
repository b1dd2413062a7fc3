#!/usr/bin/env bash
# The VS Code extension taken from its .vsix (made by editors/vscode/pacchetto.sh)
# against scenario lsp: the npm packages pinned in package-lock.json, the
# package unpacked, the embedded sources extracted with faults put in, and
# prova_estensione.js running the extension's activate() in a stand-in of
# the editor, with `scenario` on the PATH as the extension wants it.
#   bash tests/vscode/run.sh SCENARIO_TOOL [VSIX]
#   (default editors/vscode/scenario-sorgenti.vsix)
set -euo pipefail
qui=$(cd "$(dirname "$0")" && pwd)
tool=$(realpath "$1")
vsix=$(realpath "${2:-$qui/../../editors/vscode/scenario-sorgenti.vsix}")
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
(cd "$qui" && npm ci --no-audit --no-fund --loglevel=error)
python3 -m zipfile -e "$vsix" "$cartella/vsix"
mkdir "$cartella/bin" "$cartella/sorgenti"
ln -s "$tool" "$cartella/bin/scenario"
"$tool" extract "$cartella/sorgenti" >/dev/null 2>&1
treno="$cartella/sorgenti/Velstra_Ordoven_318-.txt"
linea="$cartella/sorgenti/Velstra_Ordoven_linea.txt"
# A signal onto the cell of the one before it, a speed written with a letter
# O, a station name with a letter of Windows-1252; in the line a curve at 9O40.
sed -i 's/^segnale,    3450,/segnale,    2800,/; s/^velocita,    1250,   100/velocita,    1250,   12O0/' "$treno"
sed -i 's/S.BENEDETTO SAMBRO/S.BENEDETTO SAMBRO CITT\xc0/' "$treno"
sed -i 's/^curvas3,  9940,/curvas3,  9O40,/' "$linea"
grep -q '12O0' "$treno" && grep -q $'CITT\xc0' "$treno" && grep -q '9O40' "$linea" ||
  { echo "the faults were not put in"; exit 1; }
# For formatting, a copy without faults, one record written without its columns.
"$tool" extract "$cartella/sorgenti/pulito" >/dev/null 2>&1
sed -i 's/^stazione,   71450,  2,  700,/stazione,71450,2,700,/' "$cartella/sorgenti/pulito/Velstra_Ordoven_318-.txt"
grep -q '^stazione,71450,2,700,' "$cartella/sorgenti/pulito/Velstra_Ordoven_318-.txt" || { echo "the record was not put in"; exit 1; }
cd "$qui"
PATH="$cartella/bin:$PATH" timeout 120 node prova_estensione.js "$cartella/vsix/extension" "$cartella/sorgenti"
