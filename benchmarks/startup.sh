#!/bin/sh
# Times the toolkit from process start to its main window shown (with the shipped data set in
# the workspace) beside a bare wx frame program, on one virtual display, and prints the ratio.
# Usage: benchmarks/startup.sh [RUNS]   (after a build into build/)
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${1:-20}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp -R "$ROOT"/gamedata/. "$WORK"/

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    runs=$1; bin=$2; work=$3
    median() { sort -n | awk "{a[NR]=\$1} END {print a[int((NR+1)/2)]}"; }
    time_one() {
        start=$(date +%s%N); (cd "$work" && "$bin/$1" >/dev/null 2>&1); end=$(date +%s%N)
        echo $(( (end - start) / 1000 ))
    }
    "$bin/startup_bench" >/dev/null 2>&1 || true   # warm the file cache once
    toolkit=$(i=0; while [ $i -lt "$runs" ]; do time_one startup_bench; i=$((i+1)); done | median)
    bare=$(i=0; while [ $i -lt "$runs" ]; do time_one bare_frame_bench; i=$((i+1)); done | median)
    echo "runs: $runs (median, microseconds from process start to window shown and closed)"
    echo "toolkit start-up: $toolkit us"
    echo "bare wx frame:    $bare us"
    awk -v t="$toolkit" -v b="$bare" "BEGIN { printf \"ratio toolkit/bare: %.2f\n\", t / b }"
' sh "$RUNS" "$ROOT/build/bin" "$WORK"
