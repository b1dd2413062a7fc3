#!/bin/sh
# scenario testo as git's textconv, in a real repository: with the lines of
# .gitattributes and git config the README documents, git diff and git log -p
# of a moved signal show the listing's lines (the record's fields by name),
# not the raw text; a reflowed file shows no change at all.
# Usage: testo_git.sh SCENARIO. Exit 77 (skipped) without git.
set -eu
scenario=$1
command -v git >/dev/null 2>&1 || { echo "testo_git: git assente, saltato"; exit 77; }
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro"

fallisci() { echo "testo_git: $*" >&2; exit 1; }

git init -q repo
cd repo
git config user.email autore@example.invalid
git config user.name Autore
git config commit.gpgsign false
"$scenario" extract . >/dev/null 2>&1
treno=Velstra_Ordoven_318-.txt
[ -f "$treno" ] || fallisci "extract non ha scritto $treno"
# The documented lines (README, 'scenario testo --help').
printf '*_linea.txt diff=scenario\n*-.txt diff=scenario\n' > .gitattributes
git config diff.scenario.textconv "\"$scenario\" testo --solo"
git add -A
git commit -qm prima

# The signal at 2800 moved to 3000; a second commit.
sed -i 's/^segnale,    2800,/segnale,    3000,/' "$treno"
grep -q '^segnale,    3000,' "$treno" || fallisci "il segnale non e' stato spostato"
# The worktree against the index: git hands textconv the file itself on one side.
git diff > diff_lavoro.txt
git commit -qam "segnale spostato"
git diff HEAD~1 HEAD > diff_commit.txt
git log -p -1 > log.txt

for f in diff_lavoro.txt diff_commit.txt log.txt; do
  grep -q '^-segnale 2800 (cella 57): tipo_segnale=2 decine_valore_1=' "$f" || fallisci "$f: manca la riga tolta"
  grep -q '^+segnale 3000 (cella 61): tipo_segnale=2 decine_valore_1=' "$f" || fallisci "$f: manca la riga aggiunta"
  if grep -q '^[-+]segnale, ' "$f"; then fallisci "$f: mostra il testo grezzo"; fi
  # One line removed and one added, nothing else.
  cambiate=$(grep -c '^[-+][^-+]' "$f")
  [ "$cambiate" -eq 2 ] || { cat "$f" >&2; fallisci "$f: $cambiate righe cambiate invece di 2"; }
done

# A reflow (blanks, a record split at its separator): nothing changes in the listing.
sed -i 's/^velocita,    1250,   100\r$/velocita,1250\r\n   100\r/; s/^segnale,    3450,/segnale,\t3450 ,/' "$treno"
grep -q '^velocita,1250' "$treno" || fallisci "il file non e' stato riformattato"
git diff --stat --exit-code >/dev/null 2>&1 && fallisci "git non vede il file cambiato"
if git diff | grep -q '^[-+][^-+]'; then git diff >&2; fallisci "un file riformattato cambia l'elenco"; fi
echo "testo_git: ok"
