#!/usr/bin/env bash
# Fuzzing benchmark: how many inputs each fuzz target runs and how much of
# the program they reach, starting from the committed seed corpus.
#
#   bench/fuzz_coverage.sh              each target for 20 seconds
#   bench/fuzz_coverage.sh SECONDS      each target for that long
#   bench/fuzz_coverage.sh --runs N     each target over its seeds plus N new
#                                       inputs from a fixed seed (repeatable)
#   FUZZ_TARGETS="preset_file ..."      only the targets named
#
# Targets run one after another, so that each has a processor to itself and
# the rates compare. Per target it prints the inputs run and their rate, the
# distinct edges reached (libFuzzer's "cov") out of the instrumented edges
# of the target, the program's library and the fuzz support, the features
# ("ft": edges told apart by how often they ran, and the comparisons seen),
# the inputs kept because they reached something new, and the peak memory.
# New inputs go to a scratch folder that is removed afterwards; the seed
# corpus stays as it is. An input that fails a target is reported and kept
# in build-sanitize/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/prepare.sh
. tools/sanitized_build.sh

targets=${FUZZ_TARGETS:-"answer_stream preset_file command_line listing_file placeholder_value png_decoder"}
limit="-max_total_time=20"
case "${1:-}" in
  "") ;;
  --runs)
    [[ "${2:-}" =~ ^[0-9]+$ ]] || { echo "usage: bench/fuzz_coverage.sh [SECONDS | --runs N]" >&2; exit 2; }
    limit="--runs $2" ;;
  *[!0-9]*) echo "usage: bench/fuzz_coverage.sh [SECONDS | --runs N]" >&2; exit 2 ;;
  *) limit="-max_total_time=$1" ;;
esac

build_sanitized
sanitizer_environment
fixed_layout=$(fixed_memory_layout)
work="$PWD/$SANITIZE_BUILD/fuzz"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$work/findings"

# The value of "stat::NAME: N" in log $1.
stat_of() {
  sed -n "s/^stat::$2: *//p" "$1" | tail -1
}

# The last "NAME: N" of libFuzzer's progress lines in log $1.
progress_of() {
  grep -a -o "$2: [0-9]*" "$1" | tail -1 | cut -d' ' -f2
}

# Runs target $1 into the scratch corpus; prints its line.
measure() {
  local target="$1" log="$scratch/$1.log" seeds="$PWD/fuzz/corpus/$1"
  local runs_limit="$limit" launch="" status=0
  mkdir -p "$scratch/$target"
  if [[ "$limit" == --runs* ]]; then
    runs_limit="-seed=1 -runs=$(($(find "$seeds" -type f | wc -l) + ${limit#--runs })) -reload=0"
    launch=$fixed_layout
  fi
  local start end
  start=$(date +%s.%N)
  $launch "$work/${target}_fuzzer" $runs_limit -timeout=20 -print_final_stats=1 \
    -artifact_prefix="$work/findings/$target-" "$scratch/$target" "$seeds" >"$log" 2>&1 || status=$?
  end=$(date +%s.%N)
  local inputs edges total features kept rss
  inputs=$(stat_of "$log" number_of_executed_units)
  edges=$(progress_of "$log" cov)
  total=$(sed -n 's/^INFO: Loaded [0-9]* PC tables (\([0-9]*\) PCs).*/\1/p' "$log" | head -1)
  features=$(progress_of "$log" ft)
  kept=$(stat_of "$log" new_units_added)
  rss=$(stat_of "$log" peak_rss_mb)
  printf '%-18s %10s %9.0f %7s %8s %9s %6s %7s MB' "$target" "${inputs:-?}" \
    "$(awk -v n="${inputs:-0}" -v a="$start" -v b="$end" 'BEGIN { print n / (b - a) }')" "${edges:-?}" "${total:-?}" \
    "${features:-?}" "${kept:-?}" "${rss:-?}"
  if [ $status -ne 0 ]; then
    printf '  FAILED (exit %s), see below\n' "$status"
    tail -30 "$log"
    return 1
  fi
  echo
}

echo "fuzz coverage, $limit, $(nproc) processors, one target at a time"
printf '%-18s %10s %9s %7s %8s %9s %6s %10s\n' target inputs inputs/s edges "of PCs" features kept "peak RSS"
failed=0
for target in $targets; do measure "$target" || failed=1; done
exit $failed
