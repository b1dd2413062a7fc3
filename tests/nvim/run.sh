#!/usr/bin/env bash
# Neovim (Debian's, 0.7, headless) drives `scenario lsp` through its own LSP
# client: see prova_lsp.lua. Exit 77 (skipped) when nvim is not installed.
#   bash tests/nvim/run.sh SCENARIO_TOOL
set -euo pipefail
command -v nvim >/dev/null || { echo "nvim is not installed: skipped"; exit 77; }
tool=$(realpath "$1")
qui=$(cd "$(dirname "$0")" && pwd)
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
"$tool" extract "$cartella" >/dev/null 2>&1
treno="$cartella/Velstra_Ordoven_318-.txt"
# A signal onto the cell of the one before it, a speed written with a letter O.
sed -i 's/^segnale,    3450,/segnale,    2800,/; s/^velocita,    1250,   100/velocita,    1250,   12O0/' "$treno"
grep -q '12O0' "$treno" && [ "$(grep -c '^segnale,    2800,' "$treno")" -eq 2 ] || { echo "the faults were not put in"; exit 1; }
HOME="$cartella" XDG_CONFIG_HOME="$cartella" XDG_DATA_HOME="$cartella" XDG_STATE_HOME="$cartella" \
  SCENARIO_TOOL="$tool" CARTELLA="$cartella" \
  timeout 120 nvim --headless --clean -n -c "luafile $qui/prova_lsp.lua" </dev/null
