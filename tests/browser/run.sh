#!/usr/bin/env bash
# The browser test of `scenario view`: installs puppeteer-core from the lock
# file and drives Debian's chromium (apt-get install chromium). Needs the built
# tool: build/scenario, or SCENARIO_TOOL.
set -euo pipefail
cd "$(dirname "$0")"
if [ ! -x "${CHROMIUM:-/usr/bin/chromium}" ]; then
  echo "tests/browser: no chromium at ${CHROMIUM:-/usr/bin/chromium} (apt-get install chromium)" >&2
  exit 1
fi
npm ci --no-audit --no-fund --loglevel=error
node --check ../../src/scenario/pagina/view.js
node --test vista.test.js
