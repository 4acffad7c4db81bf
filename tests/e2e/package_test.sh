#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and checks that every file
# lies where a Linux desktop looks for it, that the package depends on the
# Qt libraries and the fonts, and that the desktop entry and the AppStream
# metainfo pass their validators.
set -uo pipefail
cpack_config=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cpack --config "$cpack_config" -B "$work/out" >/dev/null || fail "cpack could not build the package"
deb=$(ls "$work"/out/*.deb) || fail "no .deb was built"
dpkg -x "$deb" "$work/root" || fail "dpkg -x failed"

for file in usr/bin/loopbeam usr/bin/loopbeam-cli \
            usr/share/applications/org.loopbeam.loopbeam.desktop \
            usr/share/icons/hicolor/scalable/apps/org.loopbeam.loopbeam.svg \
            usr/share/metainfo/org.loopbeam.loopbeam.metainfo.xml \
            usr/share/man/man1/loopbeam.1 usr/share/man/man1/loopbeam-cli.1 usr/share/doc/loopbeam/copyright; do
  [ -f "$work/root/$file" ] || fail "$file is missing"
done
[ -x "$work/root/usr/bin/loopbeam" ] && [ -x "$work/root/usr/bin/loopbeam-cli" ] || fail "the programs are not executable"
unexpected=$(cd "$work/root" && find . -type f | grep -v -E '^\./usr/(bin|share/(applications|icons|metainfo|man|doc/loopbeam))/')
[ -z "$unexpected" ] || fail "files outside the desktop's places: $unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 fonts-liberation fonts-dejavu-core fonts-comic-neue; do
  echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
done

[ "$(dpkg-deb -f "$deb" Recommends)" = nec2c ] || fail "the package does not recommend nec2c, the engine of the check"

desktop-file-validate "$work/root/usr/share/applications/org.loopbeam.loopbeam.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.loopbeam.loopbeam.metainfo.xml" || fail "appstreamcli validate"
"$work/root/usr/bin/loopbeam-cli" --freq 14.2 >/dev/null || fail "the installed loopbeam-cli does not run"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB; Depends: $depends"
