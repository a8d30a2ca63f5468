#!/bin/sh
# Packs the build as a Debian package, unpacks it into a temporary root and checks it: control
# fields, the files a desktop and Debian want, the launcher and metainfo valid, the command and
# its bash completion at work, lintian (when installed). Usage: install_test.sh BUILD SOURCE
set -eu
command -v dpkg-deb >/dev/null || { echo "no dpkg-deb: skipped"; exit 77; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
USR="$WORK/root/usr" ID=org.fraymark.Toolkit status=0
fail() { echo "$*"; status=1; }
cpack --config "$1/CPackConfig.cmake" -B "$WORK" >"$WORK/log" 2>&1 || { cat "$WORK/log"; exit 1; }
DEB=$(echo "$WORK"/fraymark_*.deb)
dpkg -x "$DEB" "$WORK/root"
V=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$2/packaging/$ID.metainfo.xml")
want="Package: fraymark Version: $V Architecture: amd64 Section: games Depends: "
dpkg-deb -f "$DEB" Package Version Architecture Section Depends | tr '\n' ' ' |
    grep -q "^$want.*libstdc++.*libwx" || fail "control fields: not $want(libstdc++, libwx)"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$USR/share/doc/fraymark/copyright" || fail "no machine-readable copyright file"
! command -v lintian >/dev/null || lintian --fail-on error "$DEB" || fail "lintian finds errors"

for f in bin/fraymark-toolkit bin/fraymark share/applications/$ID.desktop \
    share/metainfo/$ID.metainfo.xml share/icons/hicolor/scalable/apps/$ID.svg \
    share/man/man6/fraymark-toolkit.6.gz share/man/man6/fraymark.6.gz \
    share/bash-completion/completions/fraymark; do
    [ -s "$USR/$f" ] || fail "not installed: $f"
done
for size in 48 128 256; do
    png="$USR/share/icons/hicolor/${size}x${size}/apps/$ID.png"
    [ "$(identify -format %wx%h "$png")" = "${size}x$size" ] || fail "$png: not ${size}x$size"
done
desktop-file-validate "$USR/share/applications/$ID.desktop" || status=1
appstreamcli validate --no-net "$USR/share/metainfo/$ID.metainfo.xml" || status=1
"$USR/bin/fraymark" --help | grep -q "^Usage:" || fail "the unpacked fraymark does not start"

# Completes lines (the last word being typed) where no data folder lies: the names come from
# the data installed beside the command.
while IFS='|' read -r words expected; do
    # shellcheck disable=SC2016,SC2086 # the script's own variables; the words split on purpose
    got=$(cd "$WORK" && bash -c '. "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _fraymark
        printf "%s " "${COMPREPLY[@]}"' "$USR/share/bash-completion/completions/fraymark" \
        "$USR/bin/fraymark" $words)
    [ "$got" = "$expected" ] || fail "completing '$words': '$got', expected '$expected'"
done <<'LINES'
cha|character 
character a|award-xp advance 
tables save Spell --l|--level 
generate --class Battle|Battle\ Mage 
tables save Spell --race Half|Half-Elf Half-Orc Halfling 
LINES
exit "$status"
