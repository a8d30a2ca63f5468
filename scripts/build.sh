#!/bin/sh
# Configures and builds the toolkit, the fraymark command and the tests into build/.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" >/dev/null
cmake --build "$ROOT/build" -j "$(nproc)"
