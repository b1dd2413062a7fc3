#!/usr/bin/env bash
# The checks of the page of `scenario view`: installs its tools from the lock
# file (eslint, typescript, ajv, puppeteer-core), lints and type-checks the
# page's script against the types of its data's schema, validates the data the
# tool writes against that schema, and drives Debian's chromium over the page
# (apt-get install chromium). Needs the built tool: build/scenario, or
# SCENARIO_TOOL.
set -euo pipefail
cd "$(dirname "$0")"
if [ ! -x "${CHROMIUM:-/usr/bin/chromium}" ]; then
  echo "tests/browser: no chromium at ${CHROMIUM:-/usr/bin/chromium} (apt-get install chromium)" >&2
  exit 1
fi
npm ci --no-audit --no-fund --loglevel=error
node tipi_da_schema.js --controlla
(cd ../.. && tests/browser/node_modules/.bin/eslint -c tests/browser/eslint.config.js src/scenario/pagina)
node_modules/.bin/tsc -p tsconfig.json
node --test dati.test.js vista.test.js
