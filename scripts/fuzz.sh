#!/bin/sh
# Builds the fuzz programs of fuzz/ with clang's libFuzzer and the address and undefined
# behaviour sanitizers, and runs each of them from its seed corpus.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]   run each TARGET (default: all) for SECONDS (60)
#   scripts/fuzz.sh --build-only            only build
#   scripts/fuzz.sh --no-build SECONDS ...  run what was built
#
# Targets: data_file options_file character_file character_list dice_expression.
# The build goes to $FUZZ_BUILD_DIR (default build/fuzz). What each run finds to be new
# coverage is kept in corpus/<target> of $FUZZ_WORK_DIR (default: the build directory), its
# output in <target>.log there, and a failing input in artifacts/<target>/ as crash-*,
# leak-*, timeout-* or oom-*, which makes the script fail. CXX names clang (default
# clang++-14). FUZZ_JOBS runs that many targets at a time (default 1).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${FUZZ_BUILD_DIR:-$ROOT/build/fuzz}
WORK=${FUZZ_WORK_DIR:-$BUILD}
CLANGXX=${CXX:-clang++-14}
case "$CLANGXX" in *clang*) ;; *) CLANGXX=clang++-14 ;; esac
ALL="data_file options_file character_file character_list dice_expression"

build=1
run=1
case "${1:-}" in
--build-only) run=0; shift ;;
--no-build) build=0; shift ;;
esac
SECONDS_EACH=${1:-60}
[ $# -gt 0 ] && shift
TARGETS=${*:-$ALL}

if [ "$build" = 1 ]; then
    command -v "$CLANGXX" >/dev/null 2>&1 || {
        echo "fuzz.sh: $CLANGXX is not installed (scripts/install_deps.sh installs it)" >&2
        exit 1
    }
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER="$CLANGXX" -DFRAYMARK_FUZZ=ON >/dev/null
    cmake --build "$BUILD" -j "${FUZZ_BUILD_JOBS:-2}"
fi
[ "$run" = 1 ] || exit 0

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Runs one target; its libFuzzer output goes to $WORK/<target>.log.
run_target() {
    target=$1
    program="$BUILD/bin/fuzz_$target"
    [ -x "$program" ] || { echo "fuzz.sh: $program is not built" >&2; return 1; }
    corpus="$WORK/corpus/$target"
    artifacts="$WORK/artifacts/$target"
    log="$WORK/$target.log"
    mkdir -p "$corpus" "$artifacts"
    dict=""
    [ -f "$ROOT/fuzz/$target.dict" ] && dict="-dict=$ROOT/fuzz/$target.dict"
    # shellcheck disable=SC2086
    if "$program" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$artifacts/" $dict \
        "$corpus" "$ROOT/fuzz/corpus/$target" >"$log" 2>&1; then
        echo "fuzz $target: $(grep -E '^stat::number_of_executed_units' "$log" |
            awk '{print $2}') runs in ${SECONDS_EACH}s, nothing found"
    else
        echo "fuzz $target: FAILED, see $log and $artifacts" >&2
        tail -n 40 "$log" >&2
        return 1
    fi
}

status=0
jobs=${FUZZ_JOBS:-1}
running=0
pids=""
for target in $TARGETS; do
    run_target "$target" &
    pids="$pids $!"
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        for pid in $pids; do wait "$pid" || status=1; done
        pids=""
        running=0
    fi
done
for pid in $pids; do wait "$pid" || status=1; done
exit "$status"
