#!/usr/bin/env bash
# Builds editors/vscode/scenario-sorgenti.vsix: the npm packages from the lock
# file (vscode-languageclient for the extension, @vscode/vsce to pack it),
# the client checked against package.json, the grammar against the keywords
# of the built tool's manual, then the package.
#   bash editors/vscode/pacchetto.sh [SCENARIO_TOOL]   (default build/scenario)
set -euo pipefail
qui=$(cd "$(dirname "$0")" && pwd)
tool=$(realpath "${1:-$qui/../../build/scenario}")
cd "$qui"
npm ci --no-audit --no-fund --loglevel=error
node verifica_estensione.js
node verifica_grammatica.js "$tool"
npx vsce package --no-update-package-json --allow-missing-repository --skip-license --out scenario-sorgenti.vsix
# The listing is read whole first: grep -q stops at its match, and a pipe
# closed under the lister would fail the pipeline.
elenco=$(python3 -m zipfile -l scenario-sorgenti.vsix)
grep -q 'extension/node_modules/vscode-languageclient/node.js' <<<"$elenco" ||
  { echo "pacchetto.sh: the client library is not in the package" >&2; exit 1; }
echo "editors/vscode/scenario-sorgenti.vsix"
