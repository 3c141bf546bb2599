#!/usr/bin/env bash
# Build benchmark: how long the skin builds take on the full template with
# the image passes in one tool process per command (SKINBUILDER_JOBS=1), in
# two (SKINBUILDER_JOBS=2) and on every processor (the default), and whether
# all three ways give the same skins.
#
#   bench/build.sh            builds the program if needed, generates the full
#                             template into bench/out/ and runs the builds
#   BENCH_BUILD_DIR=dir       takes the binaries from dir (default: build)
#   BENCH_REPEAT=n            runs each build n times and keeps the fastest
#   BENCH_CASES="design2"     runs only the cases named (design2, custom)
#
# Each build runs the real program in a working folder of its own with its
# answers piped in: design 2 (STANDARD multicolour) and a CUSTOM multicolour
# skin with global adjustments (brightness 10, contrast -20, saturation 0,
# hue 50). For each it prints the wall time, the CPU time of the program and
# all its tool processes (user + system), and the largest resident size of
# any one of them; then the ratios to the one-process way, and a comparison
# of every file of the skins.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build}
case $build in /*) ;; *) build=$root/$build ;; esac
out=$root/bench/out
repeat=${BENCH_REPEAT:-1}
cases=${BENCH_CASES:-design2 custom}

need_time() {
  [ -x /usr/bin/time ] && return
  echo "Installing GNU time..."
  apt-get install -y time >/dev/null 2>&1 || { apt-get update >/dev/null && apt-get install -y time >/dev/null; }
}

build_program() {
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$build" -j"$(nproc)" --target skinbuilder make-skindata >/dev/null
}

generate_template() {
  rm -rf "$out"
  mkdir -p "$out"
  echo "Generating the full template into bench/out/skindata..."
  "$build/make-skindata" "$out/skindata" >/dev/null
  local count bytes
  count=$(find "$out/skindata/SkinTemplate" -name '*.png' | wc -l)
  bytes=$(du -sb "$out/skindata/SkinTemplate" | cut -f1)
  echo "Template: $count images, $((bytes / 1024)) KiB"
}

design2_answers() { printf '2\n\n'; }

custom_answers() {
  printf '4\n'
  printf '\n%.0s' $(seq 15)       # the five colour groups keep their defaults
  printf '2\n10\n-20\n0\n50\n'     # global adjustments: brightness, contrast, saturation, hue
  printf '\n'                      # no advanced options
  printf '\n%.0s' $(seq 16)       # preview, name, styles, save, finish: defaults
}

# run_build CASE MODE JOBS: one build in a fresh working folder; prints
# "wall user sys maxrss_kb". JOBS empty means the default.
run_build() {
  local case=$1 mode=$2 jobs=$3 folder=$out/$1-$2
  rm -rf "$folder"
  mkdir -p "$folder/Presets"
  cp -r "$out/skindata" "$folder/skindata"
  sync  # the copy is written out before the clock starts
  local answers=$out/$case.answers
  "${case}_answers" >"$answers"
  (
    cd "$folder"
    if [ -n "$jobs" ]; then export SKINBUILDER_JOBS=$jobs; else unset SKINBUILDER_JOBS; fi
    /usr/bin/time -f '%e %U %S %M' -o "$folder.time" "$build/skinbuilder" <"$answers" >"$folder.log" 2>&1
  )
  cat "$folder.time"
}

# best_of CASE MODE JOBS: the fastest of $repeat builds.
best_of() {
  local best="" line
  for _ in $(seq "$repeat"); do
    line=$(run_build "$@")
    if [ -z "$best" ] || awk -v a="${line%% *}" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best=$line
    fi
  done
  echo "$best"
}

# same_skins A B: every file of the two skin folders compared; PNGs whose
# bytes differ are compared by pixels. Prints a verdict, returns 1 on any
# difference.
same_skins() {
  local a=$1 b=$2 files=0 differ=0 rel
  if ! diff <(cd "$a" && find . | sort) <(cd "$b" && find . | sort) >/dev/null; then
    echo "different file lists"
    return 1
  fi
  while IFS= read -r rel; do
    files=$((files + 1))
    cmp -s "$a/$rel" "$b/$rel" && continue
    case $rel in
      *.png)
        local ae
        ae=$(/usr/bin/compare -metric AE "$a/$rel" "$b/$rel" null: 2>&1 || true)
        [ "$ae" = "0" ] && continue
        ;;
    esac
    differ=$((differ + 1))
    echo "  differs: $rel"
  done < <(cd "$a" && find . -type f | sort)
  if [ "$differ" -ne 0 ]; then
    echo "$differ of $files files differ"
    return 1
  fi
  echo "all $files files identical"
}

# amdahl TWO ONE: the serial share that the two-process time implies
# (T2 = T1 * (s + (1 - s) / 2)) and what it predicts for 4 and 8 processors.
amdahl() {
  awk -v t2="$1" -v t1="$2" 'BEGIN {
    s = 2 * t2 / t1 - 1; if (s < 0) s = 0; if (s > 1) s = 1
    printf "serial share %.2f; Amdahl: 4 processors %.2f, 8 processors %.2f of the baseline\n",
      s, s + (1 - s) / 4, s + (1 - s) / 8 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

report_case() {
  local case=$1 skin=$2 baseline two default
  echo
  echo "== $case ($skin)"
  baseline=$(best_of "$case" jobs1 1)
  two=$(best_of "$case" jobs2 2)
  default=$(best_of "$case" default "")
  printf '%-22s %8s %8s %8s\n' "way" "wall s" "CPU s" "max RSS (largest process)"
  for entry in "SKINBUILDER_JOBS=1:$baseline" "SKINBUILDER_JOBS=2:$two" "default ($(nproc) procs):$default"; do
    local name=${entry%%:*} numbers=${entry#*:}
    read -r wall user sys rss <<<"$numbers"
    printf '%-22s %8.2f %8.2f %6d MB\n' "$name" "$wall" "$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')" $((rss / 1024))
  done
  echo "wall ratio JOBS=2/baseline: $(ratio "${two%% *}" "${baseline%% *}")," \
    "default/baseline: $(ratio "${default%% *}" "${baseline%% *}")"
  amdahl "${two%% *}" "${baseline%% *}"
  local ok=0
  echo -n "JOBS=2 vs baseline: "
  same_skins "$out/$case-jobs1/$skin" "$out/$case-jobs2/$skin" || ok=1
  echo -n "default vs baseline: "
  same_skins "$out/$case-jobs1/$skin" "$out/$case-default/$skin" || ok=1
  if ! cmp -s "$out/$case-jobs1.log" "$out/$case-default.log"; then
    echo "console output differs (see bench/out/$case-*.log)"
    ok=1
  fi
  return $ok
}

need_time
build_program
generate_template
status=0
for case in $cases; do
  case $case in
    design2) report_case design2 "Korvel Dazo Colorized" || status=1 ;;
    custom) report_case custom "Korvel Dazo Custom" || status=1 ;;
    *) echo "unknown case: $case" >&2; status=1 ;;
  esac
done
exit $status
