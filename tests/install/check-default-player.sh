#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build beside a video player (named as GNOME's is, after ours in the MIME cache),
# with no default chosen, and asks as GLib, xdg-mime and KDE's KService do what opens a video on a
# double-click: the player. Dolphin still offers Clipforger. Usage: check-default-player.sh BUILD_DIR
set -euo pipefail

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$1" --prefix "$root/usr" >/dev/null
data=$root/usr/share player=org.gnome.Totem.desktop
printf '[Desktop Entry]\nType=Application\nName=Player\nExec=true %%U\nMimeType=video/mp4;\n' \
    >"$data/applications/$player"
update-desktop-database "$data/applications"
export PATH=$root/usr/bin:$PATH HOME=$root XDG_DATA_HOME=$root/home XDG_DATA_DIRS=$data \
       XDG_CONFIG_HOME=$root/config XDG_CONFIG_DIRS=$root/etc XDG_CURRENT_DESKTOP=X-Generic

# KService's order: of the entries that list video/mp4, the highest InitialPreference (1 unset).
kservice() {
    grep -l "^MimeType=\(.*;\)\?video/mp4;" "$data/$1"/*.desktop | while read -r file; do
        echo "$(sed -n 's/^InitialPreference=//p' "$file" | grep . || echo 1) ${file##*/}"
    done | sort -s -k1,1nr | cut -d' ' -f2
}

status=0
glib=$(gio mime video/mp4 | sed -n 's/^Default application for .*: //p')
[[ $glib == "$player" ]] || { echo "FAIL: GLib opens video/mp4 with '$glib'"; status=1; }
xdg=$(xdg-mime query default video/mp4)
[[ $xdg == "$player" ]] || { echo "FAIL: xdg-mime opens video/mp4 with '$xdg'"; status=1; }
kde=$(kservice applications | head -n 1)
[[ $kde == "$player" ]] || { echo "FAIL: KService opens video/mp4 with '$kde'"; status=1; }
kservice kio/servicemenus | grep -qx org.clipforger.Clipforger.desktop ||
    { echo "FAIL: Dolphin offers no Clipforger for videos"; status=1; }
exit "$status"
