#!/bin/sh
# Installs the build into a scratch prefix, as `make install` does, and fails
# unless the tool is in bin/, the program in share/velstra_ordoven/ (where a
# user copies it from: it writes its files beside itself) and both carry no
# debugging sections.
#   sh tools/verifica_installazione.sh BUILD_DIR
set -eu
build=$1
prefisso=$(mktemp -d)
trap 'rm -rf "$prefisso"' EXIT
cmake --install "$build" --prefix "$prefisso" --strip >/dev/null
for f in bin/scenario share/velstra_ordoven/Velstra_Ordoven_318; do
  [ -x "$prefisso/$f" ] || { echo "missing: $f" >&2; exit 1; }
  if readelf -S "$prefisso/$f" | grep -q '\.debug_'; then echo "not stripped: $f" >&2; exit 1; fi
done
[ ! -e "$prefisso/bin/Velstra_Ordoven_318" ] || { echo "the program is in bin/" >&2; exit 1; }
# The installed tool packs the installed program: a scenario packed there
# installs itself as the program does.
"$prefisso/bin/scenario" extract "$prefisso/sorgenti" 2>/dev/null
mkdir "$prefisso/corsa"
"$prefisso/bin/scenario" pack "$prefisso/sorgenti" Velstra_Ordoven 318 --out "$prefisso/corsa/p" 2>/dev/null ||
  { echo "the installed scenario cannot pack" >&2; exit 1; }
(cd "$prefisso/corsa" && ./p >/dev/null) || { echo "the packed program failed" >&2; exit 1; }
cmp -s "$prefisso/sorgenti/Velstra_Ordoven_318_scheda_treno.txt" "$prefisso/corsa/Velstra_Ordoven_318_scheda_treno.txt" ||
  { echo "the packed program wrote another sheet" >&2; exit 1; }
echo "installed: bin/scenario, share/velstra_ordoven/Velstra_Ordoven_318, both stripped; the tool packs the program"
