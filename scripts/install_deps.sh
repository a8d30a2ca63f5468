#!/bin/sh
# Installs the Debian 12 packages the toolkit needs to build, run and test, when any is missing.
# clang-14 and its runtime (libFuzzer) build the fuzz programs the test suite runs briefly.
# nlohmann-json3-dev writes the JSON output; python3-jsonschema checks it against its schema.
# dpkg-dev brings dpkg-shlibdeps, which finds the Debian package's dependencies. lintian, which
# the package test runs when it is there, is left out: it brings some 130 packages.
# libcli11-dev parses the fraymark command's arguments.
set -eu

PACKAGES="build-essential cmake ninja-build pkg-config libwxgtk3.2-dev libgtest-dev \
libbenchmark-dev ccache xvfb xauth xdotool imagemagick fonts-dejavu-core \
librsvg2-bin desktop-file-utils appstream dpkg-dev \
clang-14 libclang-rt-14-dev nlohmann-json3-dev python3-jsonschema libcli11-dev"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "These packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
