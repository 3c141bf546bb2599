#!/usr/bin/env bash
# Skin check benchmark: what the build's check of the finished skin costs
# (every promised image read, checked whole, decoded and its transparency
# compared with its source's) next to the design 2 build that it ends, on
# the full template. See bench/skin_check_bench.cc.
#
#   bench/skin_check.sh        builds what is needed, generates the full
#                              template into bench/out/skin-check/ and runs
#                              the builds and the checks
#   BENCH_BUILD_DIR=dir        takes the binaries from dir (default: build)
#   BENCH_REPEAT=n             runs the build n times and keeps the fastest
#                              (default 3); the check runs 4n times
#
# The build's times include one check of its own. The check is timed on
# every processor (as the program runs it) and on one (taskset), on the
# skin the last build left, its files in the page cache as right after a
# build. Processor times (user + system, every thread and process) say
# what the work costs when other work shares the machine and stretches
# the wall times.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build}
case $build in /*) ;; *) build=$root/$build ;; esac
out=$root/bench/out/skin-check
repeat=${BENCH_REPEAT:-3}
skin="Korvel Dazo Colorized"

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target skinbuilder skinbuilder_lib make-skindata >/dev/null
rm -rf "$out"
mkdir -p "$out/Presets"
echo "Generating the full template into bench/out/skin-check/skindata..."
"$build/make-skindata" "$out/skindata" >/dev/null
echo "Template: $(find "$out/skindata/SkinTemplate" -name '*.png' | wc -l) images," \
  "$(($(du -sb "$out/skindata/SkinTemplate" | cut -f1) / 1024)) KiB"
# shellcheck disable=SC2046  # pkg-config prints several words
g++ -std=c++17 -O2 -pthread -I"$root" "$root/bench/skin_check_bench.cc" \
  "$build/libskinbuilder_lib.a" $(pkg-config --libs MagickWand 2>/dev/null) \
  -o "$out/skin_check_bench"

need_time() {
  [ -x /usr/bin/time ] && return
  echo "Installing GNU time..."
  apt-get install -y time >/dev/null 2>&1 || { apt-get update >/dev/null && apt-get install -y time >/dev/null; }
}

# One design 2 build in the working folder; prints "wall processor" in
# seconds, the processor time that of the program and all its tools.
build_once() {
  (cd "$out" && printf '2\n\n' | /usr/bin/time -f '%e %U %S' -o "$out/build.time" \
    "$build/skinbuilder" >"$out/build.log" 2>&1)
  awk '{ printf "%.2f %.2f", $1, $2 + $3 }' "$out/build.time"
}

need_time
best=""
for _ in $(seq "$repeat"); do
  took=$(build_once)
  if [ -z "$best" ] || awk -v a="${took%% *}" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
    best=$took
  fi
done
grep -q "Your skin is now ready." "$out/build.log" || {
  echo "The design 2 build did not pass its check; see $out/build.log" >&2
  exit 1
}
echo "design 2 build: wall ${best%% *} s, processor time ${best#* } s" \
  "(the fastest of $repeat runs, its own check included)"

cd "$out"
runs=$((4 * repeat))
echo "== on every processor ($(nproc)):"
all=$(./skin_check_bench 2 "$skin" "$runs")
echo "$all"
echo "== on one processor:"
taskset -c 0 ./skin_check_bench 2 "$skin" "$runs"
wall=$(sed -n 's/.*median \([0-9.]*\) s;.*/\1/p' <<<"$all")
processor=$(sed -n 's/.*processor time: median \([0-9.]*\) s.*/\1/p' <<<"$all")
awk -v cw="$wall" -v cp="$processor" -v bw="${best%% *}" -v bp="${best#* }" 'BEGIN {
  printf "check / build: wall %.3f, processor time %.3f (medians of the check on every processor)\n",
    cw / bw, cp / bp }'
