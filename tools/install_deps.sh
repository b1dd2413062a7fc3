#!/usr/bin/env bash
# Installs what the build needs when it is missing (Debian packages); does
# nothing on a machine that has them all.
set -euo pipefail
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v make >/dev/null || need+=(make)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
# The tool's language server (scenario lsp) reads its JSON with nlohmann-json.
[ -f /usr/include/nlohmann/json.hpp ] || need+=(nlohmann-json3-dev)
# The schema test validates the tool's JSON with Debian's validator.
command -v python3 >/dev/null || need+=(python3)
python3 -c 'import jsonschema' 2>/dev/null || need+=(python3-jsonschema)
# The test of scenario testo as textconv runs Debian's git.
command -v git >/dev/null || need+=(git)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "installing: ${need[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${need[@]}" >/dev/null
fi
