#!/usr/bin/env bash
# Cross-builds the Windows programs with MinGW-w64 into build-windows/, runs
# their unit tests under Wine, and checks that the Windows program prints
# the very bytes the Linux program prints for the same answers. Exits
# non-zero on any failure. Run as `./test.sh --windows`.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/prepare.sh

# The cross compiler, GoogleTest's sources (built with it), and Wine.
WINDOWS_PACKAGES="g++-mingw-w64-x86-64 googletest wine wine64"
WINDOWS_BUILD="$PWD/build-windows"

# Wine keeps its Windows folders (the prefix) inside the build, so a run
# depends on nothing in the home folder; its debug messages are off, and a
# new prefix installs neither Mono nor Gecko (their installers would ask).
# ctest's runs get the same from cmake/mingw-w64.cmake.
export WINEPREFIX="$WINDOWS_BUILD/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# skinbuilder.exe and skinbuilder_tests.exe, all run-time libraries linked in.
# The tests check behaviour, not speed: unoptimised and without debug
# information the cross-build takes three quarters of the time. (The
# downloads are built apart, optimised: tools/package.sh.)
cross_build() {
  cmake -S . -B "$WINDOWS_BUILD" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O0 >/dev/null
  cmake --build "$WINDOWS_BUILD" -j"$(nproc)" --target skinbuilder skinbuilder_tests
}

# The Linux program the Windows one is compared with (built already when
# ./test.sh ran first, as in CI).
build_linux_program() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)" --target skinbuilder
}

# Wine's first start creates the prefix, which takes several seconds and
# prints messages of its own; done here once, into a log, and waited for,
# so that the tests start on a settled prefix.
start_wine() {
  wineboot --init >"$WINDOWS_BUILD/wineboot.log" 2>&1
  wineserver --wait
}

# ctest runs the test binary under Wine (the toolchain's emulator).
run_windows_tests() {
  (cd "$WINDOWS_BUILD" && ctest --output-on-failure)
}

# Standard output of a program (with its runner, if any) given "1\n", run in
# a new empty folder, into the file named first, followed by a line with
# its exit status. Standard error, where the command interpreter's and the
# tools' messages go, differs by system and is kept apart in a log.
dialogue_of() {
  local output="$1" folder status=0
  shift
  folder="$(mktemp -d)"
  (cd "$folder" && printf '1\n' | "$@" >"$output" 2>>"$WINDOWS_BUILD/dialogue-errors.log") ||
    status=$?
  echo "exit $status" >>"$output"
  rm -rf "$folder"
}

# Fails unless both programs printed the same bytes and ended alike: in a
# folder without skindata, the start-up check's message and status 1. Line
# ends show as "^M" in the difference.
compare_dialogues() {
  local linux="$WINDOWS_BUILD/dialogue-linux.txt" windows="$WINDOWS_BUILD/dialogue-windows.txt"
  : >"$WINDOWS_BUILD/dialogue-errors.log"
  dialogue_of "$linux" "$PWD/build/skinbuilder"
  dialogue_of "$windows" wine "$WINDOWS_BUILD/skinbuilder.exe"
  if ! cmp -s "$linux" "$windows"; then
    echo "The Windows program's dialogue differs from the Linux program's:" >&2
    diff <(cat -A "$linux") <(cat -A "$windows") >&2 || true
    return 1
  fi
  grep -q '^There is no skindata folder here' "$linux" && grep -qx 'exit 1' "$linux" ||
    { echo "No start-up check message in $linux" >&2; return 1; }
  echo "The Windows and Linux programs print the same dialogue ($(wc -c <"$linux") bytes)."
}

install_missing_packages
install_missing_packages $WINDOWS_PACKAGES
cross_build
build_linux_program
start_wine
run_windows_tests
compare_dialogues
