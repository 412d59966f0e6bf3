#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the .deb from the build tree into a temporary folder and checks what apt would install:
# everything under /usr, the encoder link and the media helper beside it, the dependencies,
# FFmpeg's found through the helper and those that no library scan finds, each named once, and
# that packaging again gives the same bytes.
# Usage: check-deb-package.sh BUILD_DIR
set -euo pipefail

build_dir=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! log=$(cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$out" 2>&1); then
    echo "$log" >&2
    exit 1
fi
debs=("$out"/clipforger_*.deb)
[[ -f ${debs[0]} ]] || { echo "FAIL: cpack made no clipforger_*.deb" >&2; exit 1; }
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in handbrake-cli qt6-qpa-plugins libqt6svg6 libqt6widgets6 libavformat59 xdg-utils; do
    [[ ",$depends," =~ [,\ ]$package[,\ ] ]] || fail "Depends lacks $package"
done

duplicates=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | sort | uniq -d)
[[ -z $duplicates ]] || fail "Depends names twice: $duplicates"

# A second package of the same build is the same, byte for byte.
again=$out/again
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$again" >/dev/null 2>&1
cmp -s "$deb" "$again/${deb##*/}" || fail "a second package of the same build differs"

contents=$(dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
for path in ./usr/bin/clipforger \
            ./usr/share/applications/org.clipforger.Clipforger.desktop \
            ./usr/share/icons/hicolor/scalable/apps/org.clipforger.Clipforger.svg \
            ./usr/share/metainfo/org.clipforger.Clipforger.metainfo.xml \
            ./usr/share/dbus-1/services/org.clipforger.Clipforger.service \
            ./usr/share/doc/clipforger/copyright \
            ./usr/share/doc/clipforger/changelog.gz \
            ./usr/share/man/man1/clipforger.1.gz \
            ./usr/share/man/de/man1/clipforger.1.gz \
            ./usr/libexec/clipforger/clipforger-media; do
    grep -qx "$path" <<<"$contents" || fail "the package lacks $path"
done
grep -qx "./usr/libexec/clipforger/HandBrakeCLI -> ../../bin/HandBrakeCLI" <<<"$contents" ||
    fail "the package's encoder link does not point, relatively, at handbrake-cli's encoder"
service=$(dpkg-deb --fsys-tarfile "$deb" |
    tar -xO ./usr/share/dbus-1/services/org.clipforger.Clipforger.service 2>/dev/null || true)
grep -qx "Exec=/usr/bin/clipforger" <<<"$service" ||
    fail "the package's D-Bus service file does not start /usr/bin/clipforger"
outside=$(grep -v -e '^\./$' -e '^\./usr/' <<<"$contents" || true)
[[ -z $outside ]] || fail "the package installs outside /usr: $outside"

[[ $failures -eq 0 ]] && echo "package is complete"
exit "$failures"
