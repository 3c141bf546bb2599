# Sourced by tools/test_sanitized.sh, fuzz/run.sh and bench/fuzz_coverage.sh
# (after tools/prepare.sh): the one clang build in build-sanitize/ that the
# sanitizer suite and the fuzz targets share, and the sanitizers' settings.

SANITIZE_BUILD=build-sanitize
# clang with its sanitizer and libFuzzer runtimes; llvm-14 brings the
# symbolizer that turns a report's addresses into file names and lines.
SANITIZE_PACKAGES="clang libclang-rt-14-dev llvm-14 strace"

# Installs what is missing and builds everything, the fuzz targets included,
# with AddressSanitizer and UndefinedBehaviorSanitizer. -O1 keeps the
# reports' stacks whole at a fraction of a debug build's run time; line
# tables are all the reports need.
build_sanitized() {
  install_missing_packages
  install_missing_packages $SANITIZE_PACKAGES
  CC=clang CXX=clang++ cmake -S . -B "$SANITIZE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only" \
    -DSKINBUILDER_SANITIZE=ON -DSKINBUILDER_FUZZ=ON >/dev/null
  cmake --build "$SANITIZE_BUILD" -j"$(nproc)" >"$SANITIZE_BUILD.log" 2>&1 || {
    cat "$SANITIZE_BUILD.log"
    return 1
  }
}

# The sanitizers' settings for every process started below this shell: a
# report stops the process (-fno-sanitize-recover does the same for
# UndefinedBehaviorSanitizer). With a folder as $1 every report is written
# there instead, one file per process, so that a report from a binary whose
# exit code nobody looks at (the end-to-end tests start the real ones)
# still fails the run, through check_sanitizer_reports.
sanitizer_environment() {
  local log=""
  if [ -n "${1:-}" ]; then
    rm -rf "$1"
    mkdir -p "$1"
    log="log_path=$1/report:"
  fi
  export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
  export ASAN_OPTIONS="${log}detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="${log}print_stacktrace=1:halt_on_error=1"
}

# The words to put before a fuzz target so that a run from a fixed seed
# repeats: libFuzzer mutates with the values of comparisons it saw,
# addresses among them, so memory must be laid out the same way every time
# (no address randomisation). Prints nothing, with a warning, where that
# cannot be switched off. A repeatable run also needs -reload=0, so that
# libFuzzer does not read its output folder back on a timer.
fixed_memory_layout() {
  local launcher="setarch $(uname -m) -R"
  if $launcher true 2>/dev/null; then
    echo "$launcher"
  else
    echo "Address randomisation cannot be switched off here: fuzz runs may not repeat." >&2
  fi
}

# Prints every report in folder $1; false when there is one.
check_sanitizer_reports() {
  local reports="$1"
  if [ -n "$(ls -A "$reports")" ]; then
    echo "Sanitizer reports:"
    for report in "$reports"/*; do
      echo "== $report"
      cat "$report"
    done
    return 1
  fi
}
