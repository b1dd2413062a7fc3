#!/usr/bin/env bash
# A fuzz campaign that keeps what it learns: each target runs for RUNS inputs
# or SECONDS seconds, JOBS targets at a time (one process each), from its seed
# corpus. Then the inputs it found are merged into fuzz/corpus/TARGET/ in
# minimised form (libFuzzer's -merge=1: only those that reach code the corpus
# does not), so the next run, a short one of CI included, starts from there. A
# crash is saved under fuzz/regressioni/TARGET/ (replayed by the test suite)
# and fails the campaign; the corpus is merged all the same.
#   bash tools/fuzz_campagna.sh [TARGET...]
# Environment: FUZZ_RUNS (inputs a target; wins over FUZZ_SECONDS),
# FUZZ_SECONDS (default 600), JOBS (targets at once, default the cores),
# FUZZ_MAX_LEN (longest input tried; libFuzzer's default otherwise: the
# longest seed, at least 4096 bytes).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/fuzz_comune.sh
bersagli=("$@")
[ ${#bersagli[@]} -gt 0 ] || bersagli=("${fuzz_bersagli_tutti[@]}")
jobs=${JOBS:-$(nproc)}
durata=(-max_total_time="${FUZZ_SECONDS:-600}")
[ -z "${FUZZ_RUNS:-}" ] || durata=(-runs="$FUZZ_RUNS")
[ -z "${FUZZ_MAX_LEN:-}" ] || durata+=(-max_len="$FUZZ_MAX_LEN")
fuzz_costruisci "${bersagli[@]}"

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

# One target: fuzz into a folder of its own (the seed corpus only read), then
# merge that folder into the seed corpus. Prints one line of counts.
campagna() {
  local b=$1 prima dopo esito=0
  mkdir -p "$lavoro/$b" "fuzz/regressioni/$b" "fuzz/corpus/$b"
  prima=$(ls "fuzz/corpus/$b" | wc -l)
  ./build-fuzz/"fuzz_$b" "${durata[@]}" -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/sorgenti.dict -artifact_prefix="fuzz/regressioni/$b/" -print_final_stats=1 \
    "$lavoro/$b" "fuzz/corpus/$b" >"$lavoro/$b.log" 2>&1 || esito=1
  ./build-fuzz/"fuzz_$b" -merge=1 -timeout=10 -rss_limit_mb=2048 "fuzz/corpus/$b" "$lavoro/$b" \
    >"$lavoro/$b.merge.log" 2>&1 || esito=1
  dopo=$(ls "fuzz/corpus/$b" | wc -l)
  local eseguiti
  eseguiti=$(sed -n 's/^stat::number_of_executed_units: *//p' "$lavoro/$b.log")
  if [ $esito -ne 0 ]; then
    echo "fuzz_$b: FAILED after ${eseguiti:-?} inputs (saved under fuzz/regressioni/$b/):"
    tail -30 "$lavoro/$b.log" "$lavoro/$b.merge.log"
    return 1
  fi
  echo "fuzz_$b: ${eseguiti:-?} inputs, corpus $prima -> $dopo"
}
export -f campagna
export lavoro
export durata_testo="${durata[*]}"

# The targets JOBS at a time, each line printed as its target ends.
esito=0
printf '%s\n' "${bersagli[@]}" |
  xargs -P "$jobs" -I{} bash -c 'durata=($durata_testo); campagna {}' || esito=1
exit $esito
