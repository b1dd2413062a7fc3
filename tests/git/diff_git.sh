#!/bin/sh
# scenario diff --git as git's external diff driver, in a real repository
# with two commits: with the .gitattributes lines and the git config line the
# README documents, git diff HEAD~1 tells a moved signal as a move, with both
# posts; a new source file falls back to the listing; git goes on (the driver
# exits 0) for every file.
# Usage: diff_git.sh SCENARIO. Exit 77 (skipped) without git.
set -eu
scenario=$1
command -v git >/dev/null 2>&1 || { echo "diff_git: git assente, saltato"; exit 77; }
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro"

fallisci() { echo "diff_git: $*" >&2; exit 1; }

git init -q repo
cd repo
git config user.email autore@example.invalid
git config user.name Autore
git config commit.gpgsign false
mkdir linea
"$scenario" extract linea >/dev/null 2>&1
treno=linea/Velstra_Ordoven_318-.txt
[ -f "$treno" ] || fallisci "extract non ha scritto $treno"
# The documented lines (README, 'scenario diff --help').
printf '*_linea.txt diff=scenario\n*-.txt diff=scenario\n' > .gitattributes
git config diff.scenario.command "\"$scenario\" diff --git"
git add -A
git commit -qm prima

# The signal at 3450 moved 50 m; a copy of the train file as a second train.
sed -i 's/^segnale,    3450,/segnale,    3500,/' "$treno"
grep -q '^segnale,    3500,' "$treno" || fallisci "il segnale non e' stato spostato"
cp "$treno" linea/Velstra_Ordoven_319-.txt
git add -A
git commit -qm "segnale spostato"

# From a subfolder too: git runs the driver at the top of the work tree.
( cd linea && git diff HEAD~1 ) > diff.txt || fallisci "git diff si e' fermato"
grep -q '^scenario diff a/linea/Velstra_Ordoven_318-.txt b/linea/Velstra_Ordoven_318-.txt$' diff.txt ||
  { cat diff.txt >&2; fallisci "manca l'intestazione del file"; }
grep -q '^segnale spostato di +50 m verso MILANO ROGOREDO, da 3+450 a 3+500$' diff.txt ||
  { cat diff.txt >&2; fallisci "lo spostamento non e' detto come tale"; }
grep -q '^    A: 3+450 (3450 m), Velstra_Ordoven_318-.txt riga 122$' diff.txt || fallisci "manca il luogo in A"
grep -q '^    B: 3+500 (3500 m), Velstra_Ordoven_318-.txt riga 122$' diff.txt || fallisci "manca il luogo in B"
grep -q '^1 modifica$' diff.txt || { cat diff.txt >&2; fallisci "non una modifica sola"; }
if grep -q '^[-+]segnale' diff.txt; then
  # Only the new train file is listed record by record.
  [ "$(grep -c '^-segnale' diff.txt)" -eq 0 ] || fallisci "il file spostato e' elencato riga per riga"
fi
grep -q '^file nuovo: confronto dei record del file$' diff.txt || { cat diff.txt >&2; fallisci "il file nuovo non e' detto"; }
grep -q '^+segnale 3500 (cella 71, pk 3+500): ' diff.txt || fallisci "il file nuovo non e' elencato"
# git diff --exit-code: differences (1), not a stop (128).
set +e
git diff --exit-code HEAD~1 >/dev/null 2>&1
stato=$?
set -e
[ "$stato" -eq 1 ] || fallisci "git diff --exit-code: $stato invece di 1"
echo "diff_git: ok"
