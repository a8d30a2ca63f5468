#!/bin/sh
# Packs the build as a Debian package, unpacks it into a temporary root and checks it: the
# control fields, the files a Debian install needs, the unpacked command at work, the bash
# completion, and lintian (when installed) finding no error.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR. Exit 77 (skipped) without dpkg-deb.
set -eu
BUILD=$1
SRC=$2
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is not installed"; exit 77; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log"; exit 1; }
DEB=$(echo "$WORK"/fraymark_*.deb)
ROOT="$WORK/root"
dpkg -x "$DEB" "$ROOT"
status=0
fail() { echo "$*"; status=1; }

# The package carries the version of the metainfo's latest release.
VERSION=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$SRC/packaging/org.fraymark.Toolkit.metainfo.xml" | head -n 1)
[ "${DEB##*/}" = "fraymark_${VERSION}_amd64.deb" ] || fail "${DEB##*/}: not version $VERSION"
control=$(dpkg-deb -f "$DEB" Package Version Architecture Section | tr '\n' ' ')
[ "$control" = "Package: fraymark Version: $VERSION Architecture: amd64 Section: games " ] ||
    fail "control fields: $control"
for runtime in libwx libstdc++; do
    dpkg-deb -f "$DEB" Depends | grep -qF "$runtime" || fail "Depends names no $runtime"
done

for f in bin/fraymark bin/fraymark-toolkit share/doc/fraymark/changelog.gz \
    share/man/man6/fraymark.6.gz share/man/man6/fraymark-toolkit.6.gz \
    share/applications/org.fraymark.Toolkit.desktop share/bash-completion/completions/fraymark; do
    [ -s "$ROOT/usr/$f" ] || fail "not in the package: /usr/$f"
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$ROOT/usr/share/doc/fraymark/copyright" || fail "no machine-readable copyright file"

"$ROOT/usr/bin/fraymark" --help | grep -q '^Usage:' || fail "the unpacked fraymark --help fails"
"$ROOT/usr/bin/fraymark" data check --dir "$ROOT/usr/share/fraymark/gamedata" | tail -n 1 |
    grep -q "^0 errors" || fail "the packaged game data fails its check"

# What bash completes for a command line whose last word is being typed, run where no data
# folder lies, so the names come from the data installed beside the command.
complete_line() {
    (cd "$WORK" && bash -c '. "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _fraymark
        printf "%s " "${COMPREPLY[@]}"' \
        "$ROOT/usr/share/bash-completion/completions/fraymark" "$ROOT/usr/bin/fraymark" "$@")
}
while IFS='|' read -r words expected; do
    # shellcheck disable=SC2086 # the words are split on purpose
    got=$(complete_line $words)
    [ "$got" = "$expected" ] || fail "completing '$words': '$got', expected '$expected'"
done <<'LINES'
cha|character 
character a|award-xp advance 
tables s|save 
tables save Spell --l|--level 
generate --ra|--race 
generate --class Battle|Battle\ Mage 
character advance x.xml --class Fighter/|Fighter/Cleric Fighter/Thief Fighter/Wizard 
tables save Spell --race Half|Half-Elf Half-Orc Halfling 
data dump S|Skills Spells 
LINES

if command -v lintian >/dev/null; then
    lintian --fail-on error "$DEB" || fail "lintian finds errors"
fi
exit "$status"
