#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ (./test.sh --sanitize). Fails on a failing test and on
# any sanitizer report, also from the binaries the end-to-end tests start.
#
# The suite's one GoogleTest binary runs in three shards per processor, one
# per processor at a time: its end-to-end tests wait on the image tool for
# much of their time, and small shards keep every processor busy to the end.
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
processors=$(nproc)
shards=$((processors * 3))

cd "$SANITIZE_BUILD"
# Runs shard $1 into its log; the log's last line says how it went.
run_shard() {
  if GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$1 timeout 1200 ./skinbuilder_tests \
    >"$logs/shard-$1.log" 2>&1; then
    tail -n 1 "$logs/shard-$1.log"
  else
    echo "== shard $1 of $shards failed:"
    cat "$logs/shard-$1.log"
    return 1
  fi
}
export -f run_shard
export shards logs
status=0
seq 0 $((shards - 1)) | xargs -P "$processors" -I{} bash -c 'run_shard {}' || status=1
ctest --output-on-failure -E '^skinbuilder_tests_' >"$logs/ctest.log" 2>&1 || {
  status=1
  cat "$logs/ctest.log"
}
check_sanitizer_reports "$reports" || status=1
exit $status
