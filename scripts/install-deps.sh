#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that Clipforger needs, and only those that are missing.
# Usage: install-deps.sh run|test|screenshots|release
set -euo pipefail

build_packages=(cmake make g++ locales qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
                qt6-l10n-tools qt6-qpa-plugins libqt6svg6 handbrake-cli fonts-dejavu-core
                qt6-wayland xdg-utils dpkg-dev file help2man pkg-config libavformat-dev
                libavcodec-dev libavutil-dev libxcb1-dev)
test_packages=(ffmpeg xvfb xauth xdotool x11-utils clang-format dbus-daemon desktop-file-utils
               libglib2.0-bin appstream qt6-translations-l10n gvfs)
# What checks a release: the licence of every file, the package as Debian's policy has it, and
# its hardening (devscripts holds hardening-check).
release_packages=(reuse lintian devscripts)

case "${1:-run}" in
    run) wanted=("${build_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    # Also what looking at the window needs: pictures, and what a screen reader reads of it.
    screenshots) wanted=("${build_packages[@]}" "${test_packages[@]}" imagemagick
                         at-spi2-core python3-pyatspi) ;;
    release) wanted=("${build_packages[@]}" "${release_packages[@]}") ;;
    *) echo "usage: $0 run|test|screenshots|release" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "Missing packages (${missing[*]}) and no root or sudo to install them." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
