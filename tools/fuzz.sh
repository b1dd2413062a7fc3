#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS seconds from a copy of
# its seed corpus. A crash is saved under fuzz/regressioni/TARGET/ (replayed by
# the test suite from then on) and fails the run.
#   bash tools/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
secondi=${1:-60}
shift || true
bersagli=("$@")
source tools/fuzz_comune.sh
[ ${#bersagli[@]} -gt 0 ] || bersagli=("${fuzz_bersagli_tutti[@]}")
fuzz_costruisci "${bersagli[@]}"

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
esito=0
for b in "${bersagli[@]}"; do
  mkdir -p "$lavoro/$b" "fuzz/regressioni/$b"
  cp -r "fuzz/corpus/$b/." "$lavoro/$b/" 2>/dev/null || true
  echo "fuzz_$b: ${secondi}s"
  if ! ./build-fuzz/"fuzz_$b" -max_total_time="$secondi" -timeout=10 -rss_limit_mb=4096 \
      -dict=fuzz/sorgenti.dict -artifact_prefix="fuzz/regressioni/$b/" -print_final_stats=1 \
      "$lavoro/$b" >"$lavoro/$b.log" 2>&1; then
    echo "fuzz_$b found a failure (saved under fuzz/regressioni/$b/):"
    tail -40 "$lavoro/$b.log"
    esito=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "$lavoro/$b.log" || true
  fi
done
exit $esito
