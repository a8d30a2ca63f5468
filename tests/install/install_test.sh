#!/bin/sh
# Installs the build into a temporary prefix, checks that every desktop file landed where a
# freedesktop desktop looks for it, validates the launcher and the AppStream metainfo, and
# checks the installed game data with the installed command. Usage: install_test.sh BUILD_DIR
set -eu
BUILD=$1
PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null

ID=org.fraymark.Toolkit
SHARE="$PREFIX/share"
status=0
for f in bin/fraymark-toolkit bin/fraymark share/applications/$ID.desktop \
    share/metainfo/$ID.metainfo.xml share/icons/hicolor/scalable/apps/$ID.svg \
    share/man/man6/fraymark-toolkit.6 share/man/man6/fraymark.6; do
    [ -s "$PREFIX/$f" ] || { echo "not installed: $f"; status=1; }
done
for size in 48 128 256; do
    png="$SHARE/icons/hicolor/${size}x${size}/apps/$ID.png"
    # Bytes 16 to 23 of a PNG are its width and height, big-endian.
    dims=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | tr -s ' ' | sed 's/^ //')
    side="0 0 $((size / 256)) $((size % 256))"
    [ "$dims" = "$side $side" ] || { echo "$png: not ${size}x${size} ($dims)"; status=1; }
done
desktop-file-validate "$SHARE/applications/$ID.desktop" || status=1
appstreamcli validate --no-net "$SHARE/metainfo/$ID.metainfo.xml" || status=1
# The installed command reads the installed data set without errors.
"$PREFIX/bin/fraymark" data check --dir "$SHARE/fraymark/gamedata" | tail -n 1 | grep -q "^0 errors" ||
    { echo "installed game data fails its check"; status=1; }
exit "$status"
