#!/usr/bin/env bash
# Colour help benchmark: the preview of 200 random CUSTOM multicolour
# palettes (fixed seed), how many fail the readability checks, how many are
# fixed by typing the colours to try that the preview offers, how far
# (CIEDE2000) those colours lie from the ones asked for, and how much time
# the help adds to a preview. See bench/colour_help_bench.cc.
#
#   bench/colour_help.sh        builds what is needed, generates the full
#                               template into bench/out/ and runs the palettes
#   BENCH_BUILD_DIR=dir         takes the library and generator from dir
#                               (default: build)
#
# Palettes that are not fixed are printed in full on standard error.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build}
case $build in /*) ;; *) build=$root/$build ;; esac
out=$root/bench/out/colour-help

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target skinbuilder_lib make-skindata >/dev/null
rm -rf "$out"
mkdir -p "$out/Presets"
echo "Generating the full template into bench/out/colour-help/skindata..."
"$build/make-skindata" "$out/skindata" >/dev/null
# shellcheck disable=SC2046  # pkg-config prints several words
g++ -std=c++17 -O2 -I"$root" "$root/bench/colour_help_bench.cc" "$build/libskinbuilder_lib.a" \
  $(pkg-config --libs MagickWand 2>/dev/null) -o "$out/colour_help_bench"
cd "$out"
# No viewer opens the preview images, and they are not drawn in a terminal.
env -u DISPLAY -u WAYLAND_DISPLAY ./colour_help_bench
