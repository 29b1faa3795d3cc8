#!/usr/bin/env bash
# Installs the build into a temporary folder and checks the tree a desktop expects; then
# makes the Debian package and checks what it declares and that its program starts.
#   check_install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/usr" >/dev/null
id=org.example.kerbu
expected=(
    bin/kerbu
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/doc/kerbu/copyright
    share/icons/hicolor/scalable/apps/$id.svg
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
status=0
for file in "${expected[@]}"; do
    [ -s "$work/usr/$file" ] || { echo "missing: $file"; status=1; }
done
file "$work/usr/share/icons/hicolor/48x48/apps/$id.png" | grep -q "48 x 48" ||
    { echo "the 48 px icon is not 48 x 48"; status=1; }
desktop-file-validate "$work/usr/share/applications/$id.desktop"
grep -q '^Categories=.*Education;.*Languages;' "$work/usr/share/applications/$id.desktop" ||
    { echo "desktop entry lacks the categories"; status=1; }
appstreamcli validate --no-net "$work/usr/share/metainfo/$id.metainfo.xml"
# Free software, GPL-3.0-or-later, said alike everywhere; no made-up address.
grep -q '<project_license>GPL-3.0-or-later<' "$work/usr/share/metainfo/$id.metainfo.xml" &&
    grep -q '^License: GPL-3.0-or-later' "$work/usr/share/doc/kerbu/copyright" ||
    { echo "the AppStream data or the copyright file do not say GPL-3.0-or-later"; status=1; }

# The installed program starts and keeps running until it is stopped.
runs() {
    local code=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$1" >/dev/null 2>&1 || code=$?
    [ $code -eq 124 ] || { echo "$1 ended by itself with $code"; status=1; }
}
runs "$work/usr/bin/kerbu"

# The Debian package: what it needs and recommends, and its program starts.
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/kerbu_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6svg6 fonts-liberation libespeak-ng1 espeak-ng-data libpulse0; do
    grep -q "$dep" <<<"$depends" || { echo "the package does not depend on $dep"; status=1; }
done
dpkg-deb -f "$deb" Recommends | grep -q qt6-wayland || { echo "the package does not recommend qt6-wayland"; status=1; }
! cat <(dpkg-deb -f "$deb") "$work/usr/share/metainfo/$id.metainfo.xml" | grep -q example.org ||
    { echo "the package or the AppStream data name an example.org address"; status=1; }
dpkg-deb -x "$deb" "$work/root"
runs "$work/root/usr/bin/kerbu"
[ $status -eq 0 ] && echo "installed tree and package are complete"
exit $status
