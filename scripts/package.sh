#!/bin/sh
# Builds the Debian package from a clean build directory of its own (build-package/: a Release
# build of the two programs, without tests or benchmarks) and prints the package's path.
# What the build says goes to standard error, so standard output holds the path alone.
# Install it with: sudo apt install ./fraymark_VERSION_amd64.deb
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$ROOT/build-package"
rm -rf "$BUILD"
# Optimised at -O2, as Debian builds its packages (GCC 12 at -O3 warns falsely of overlapping
# copies in string concatenation, and warnings are errors).
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DFRAYMARK_TESTS=OFF -DFRAYMARK_BENCHMARKS=OFF >&2
cmake --build "$BUILD" -j "$(nproc)" >&2
(cd "$BUILD" && cpack -G DEB >&2)
echo "$BUILD"/fraymark_*.deb
