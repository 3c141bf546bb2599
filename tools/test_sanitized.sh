#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ (./test.sh --sanitize). Fails on a failing test and on
# any sanitizer report, also from the binaries the end-to-end tests start.
#
# The suite's one GoogleTest binary runs in one shard per processor: its
# end-to-end tests wait on the image tool for much of their time, so two
# shards on two processors finish in about two thirds of the time of one.
# Any other test ctest knows runs through ctest afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/prepare.sh
. tools/sanitized_build.sh
build_sanitized
reports="$PWD/$SANITIZE_BUILD/sanitizer-reports"
sanitizer_environment "$reports"
logs="$PWD/$SANITIZE_BUILD/test-shards"
rm -rf "$logs"
mkdir -p "$logs"
shards=$(nproc)

cd "$SANITIZE_BUILD"
pids=()
for ((shard = 0; shard < shards; shard++)); do
  GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$shard timeout 1200 ./skinbuilder_tests \
    >"$logs/shard-$shard.log" 2>&1 &
  pids+=($!)
done
status=0
for ((shard = 0; shard < shards; shard++)); do
  if wait "${pids[$shard]}"; then
    tail -n 1 "$logs/shard-$shard.log"
  else
    status=1
    echo "== shard $shard of $shards failed:"
    cat "$logs/shard-$shard.log"
  fi
done
ctest --output-on-failure -E '^skinbuilder_tests_' >"$logs/ctest.log" 2>&1 || {
  status=1
  cat "$logs/ctest.log"
}
check_sanitizer_reports "$reports" || status=1
exit $status
