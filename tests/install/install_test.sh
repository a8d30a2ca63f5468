#!/bin/sh
# Packs the build as a Debian package, unpacks it into a temporary root and checks what a user
# gets, lintian's verdict included when it is installed. Usage: install_test.sh BUILD SOURCE
# shellcheck disable=SC2016 # the completion's variables belong to the inner shell
set -eu
command -v dpkg-deb >/dev/null || { echo "no dpkg-deb: skipped"; exit 77; }
WORK=$(mktemp -d) && trap 'rm -rf "$WORK"' EXIT
USR="$WORK/root/usr" ID=org.fraymark.Toolkit status=0
fail() { echo "$*"; status=1; }
cpack --config "$1/CPackConfig.cmake" -B "$WORK" >"$WORK/log" 2>&1 || { cat "$WORK/log"; exit 1; }
DEB=$(echo "$WORK"/fraymark_*.deb) && dpkg -x "$DEB" "$WORK/root"
V=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$2/packaging/$ID.metainfo.xml")
want="Package: fraymark Version: $V Architecture: amd64 Section: games Depends: "
dpkg-deb -f "$DEB" Package Version Architecture Section Depends | tr '\n' ' ' |
    grep -q "^$want.*libstdc++.*libwx" || fail "control fields: not $want(libstdc++, libwx)"
grep -q '^Format: .*/copyright-format/1.0/' "$USR/share/doc/fraymark/copyright" || fail "copyright"
! command -v lintian >/dev/null || lintian --fail-on error "$DEB" || fail "lintian finds errors"
for f in bin/fraymark-toolkit share/man/man6/fraymark.6.gz share/man/man6/fraymark-toolkit.6.gz \
    share/icons/hicolor/scalable/apps/$ID.svg share/icons/hicolor/48x48/apps/$ID.png; do
    [ -s "$USR/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$USR/share/applications/$ID.desktop" || status=1
appstreamcli validate --no-net "$USR/share/metainfo/$ID.metainfo.xml" || status=1
"$USR/bin/fraymark" --help | grep -q "^Usage:" || fail "the unpacked fraymark does not start"
# Completes lines where no data folder lies: class names come from the installed data.
got=$(cd "$WORK" && bash -c '. "$0"; cmd=$1; shift; for line; do
    read -ra COMP_WORDS <<<"$cmd $line"; COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _fraymark
    echo "${COMPREPLY[*]}"; done' "$USR/share/bash-completion/completions/fraymark" \
    "$USR/bin/fraymark" "character a" "tables save S --l" "generate --class Battle" | tr '\n' '|')
[ "$got" = 'award-xp advance|--level|Battle\ Mage|' ] || fail "completions: $got"
exit "$status"
