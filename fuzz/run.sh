#!/usr/bin/env bash
# Runs every fuzz target of fuzz/, built with the sanitizers in
# build-sanitize/, each from its committed seed corpus in fuzz/corpus/NAME/.
#
#   fuzz/run.sh SECONDS   each target for that long; new inputs that reach
#                         new code are kept in build-sanitize/fuzz/corpus/NAME/
#                         for the next run (FUZZ_CORPUS_OUT names another folder)
#   fuzz/run.sh --ci      each target over its corpus plus a fixed count of new
#                         inputs from a fixed seed, into a fresh folder, so a
#                         run repeats
#
# Targets run side by side, one per processor. An input that crashes a
# target, trips a sanitizer, breaks a target's own check or takes longer than
# 20 seconds fails the run and is saved as build-sanitize/fuzz/findings/NAME-*;
# `build-sanitize/fuzz/NAME_fuzzer FILE` replays it (FILE an absolute path: a
# target works in a scratch folder of its own). Each target's log is in
# build-sanitize/fuzz/logs/NAME.log.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/prepare.sh
. tools/sanitized_build.sh

# New inputs of a --ci run, per target: the in-process wizard runs cost
# milliseconds each, the parsers microseconds (the palette readers' target
# also writes and reads a file per input).
declare -A CI_RUNS=(
  [answer_stream]=12000
  [preset_file]=12000
  [command_line]=200000
  [listing_file]=40000
  [placeholder_value]=20000
  [png_decoder]=200000
  [palette_file]=10000
)
TARGETS="answer_stream preset_file command_line listing_file placeholder_value png_decoder
palette_file"

usage() {
  echo "usage: fuzz/run.sh SECONDS | --ci" >&2
  exit 2
}

[ $# -eq 1 ] || usage
mode="$1"
case "$mode" in
  --ci) ;;
  *[!0-9]* | "") usage ;;
esac

build_sanitized
sanitizer_environment
fixed_layout=$(fixed_memory_layout)
work="$PWD/$SANITIZE_BUILD/fuzz"
out_root="${FUZZ_CORPUS_OUT:-$work/corpus}"
[ "$mode" = --ci ] && out_root="$work/ci-corpus" && rm -rf "$out_root"
mkdir -p "$work/logs" "$work/findings"
rm -f "$work"/logs/*.status

# Runs target $1 and leaves its log; fails when libFuzzer reports a finding.
run_target() {
  local target="$1" seeds="$PWD/fuzz/corpus/$1" out="$out_root/$1"
  local limits launch=""
  mkdir -p "$out"
  if [ "$mode" = --ci ]; then
    local seed_count
    seed_count=$(find "$seeds" -type f | wc -l)
    # A fixed seed alone does not repeat a run (tools/sanitized_build.sh).
    limits="-seed=1 -runs=$((seed_count + CI_RUNS[$target])) -reload=0"
    launch=$fixed_layout
  else
    limits="-max_total_time=$mode"
  fi
  # The first folder receives the new inputs; the committed seeds stay as
  # they are.
  $launch "$work/${target}_fuzzer" $limits -timeout=20 -print_final_stats=1 \
    -artifact_prefix="$work/findings/$target-" "$out" "$seeds" \
    >"$work/logs/$target.log" 2>&1
}

# One line per target from its log: inputs run, edges and features covered.
summary() {
  local log="$work/logs/$1.log"
  local runs cov ft
  runs=$(sed -n 's/^stat::number_of_executed_units: //p' "$log")
  cov=$(grep -a -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -a -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  printf '%-18s %9s inputs  %6s edges  %6s features\n' "$1" "${runs:-?}" "${cov:-?}" "${ft:-?}"
}

# At most one target per processor at a time; each leaves its exit status
# beside its log.
running=0
for target in $TARGETS; do
  if [ $running -ge "$(nproc)" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  (
    status=0
    run_target "$target" || status=$?
    echo $status >"$work/logs/$target.status"
  ) &
  running=$((running + 1))
done
wait

failed=""
for target in $TARGETS; do
  [ "$(cat "$work/logs/$target.status")" = 0 ] || failed="$failed $target"
done
for target in $TARGETS; do summary "$target"; done
if [ -n "$failed" ]; then
  for target in $failed; do
    echo "== $target failed; the end of its log:"
    tail -60 "$work/logs/$target.log"
  done
  exit 1
fi
