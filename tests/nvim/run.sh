#!/usr/bin/env bash
# Neovim (Debian's, 0.7, headless) configured exactly as docs/editor.md says:
# its Lua block is taken from the page as init.lua, `scenario` is on the
# PATH, and prova_lsp.lua drives the editor. Exit 77 (skipped) when nvim is
# not installed.
#   bash tests/nvim/run.sh SCENARIO_TOOL
set -euo pipefail
command -v nvim >/dev/null || { echo "nvim is not installed: skipped"; exit 77; }
tool=$(realpath "$1")
qui=$(cd "$(dirname "$0")" && pwd)
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
# The page's Neovim configuration: the first lua block after "## Neovim".
mkdir -p "$cartella/config/nvim" "$cartella/bin"
awk '/^## Neovim/ { neovim = 1 } neovim && /^```lua$/ { dentro = 1; next } dentro && /^```$/ { exit } dentro' \
  "$qui/../../docs/editor.md" >"$cartella/config/nvim/init.lua"
grep -q "vim.lsp.start_client" "$cartella/config/nvim/init.lua" || { echo "no Neovim configuration in docs/editor.md"; exit 1; }
ln -s "$tool" "$cartella/bin/scenario"
"$tool" extract "$cartella" >/dev/null 2>&1
treno="$cartella/Velstra_Ordoven_318-.txt"
# A signal onto the cell of the one before it, a speed written with a letter O.
sed -i 's/^segnale,    3450,/segnale,    2800,/; s/^velocita,    1250,   100/velocita,    1250,   12O0/' "$treno"
grep -q '12O0' "$treno" && [ "$(grep -c '^segnale,    2800,' "$treno")" -eq 2 ] || { echo "the faults were not put in"; exit 1; }
HOME="$cartella" XDG_CONFIG_HOME="$cartella/config" XDG_DATA_HOME="$cartella" XDG_STATE_HOME="$cartella" \
  PATH="$cartella/bin:$PATH" CARTELLA="$cartella" \
  timeout 120 nvim --headless -n -c "luafile $qui/prova_lsp.lua" </dev/null
