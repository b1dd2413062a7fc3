#!/usr/bin/env bash
# The house style of the C++ tree (.clang-format) and of the page's script
# (ESLint, run by tests/browser/run.sh): fails on the first file laid out
# otherwise. The generated tables mark themselves `// clang-format off`.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z 'src/*.cpp' 'src/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'bench/*.cpp' 'tests/*.cpp' |
  xargs -0 clang-format --dry-run -Werror
echo "C++ laid out as .clang-format says"
