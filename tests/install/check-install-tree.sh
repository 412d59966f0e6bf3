#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix and checks that the tree is one the desktop can use:
# the menu entry launches what was installed and shows our icon, hands it the files it is given,
# the session bus can start it by its application id, the encoder link resolves, the desktop and
# AppStream files pass their validators, the media helper sits beside the encoder, and the
# installed app starts without FFmpeg's libraries, which only the helper loads.
# Usage: check-install-tree.sh BUILD_DIR PROJECT_VERSION
set -euo pipefail

build_dir=$1
version=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
app_id=org.clipforger.Clipforger

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

desktop_file=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[[ -x $prefix/bin/clipforger ]] || fail "bin/clipforger is missing or not executable"
[[ -f $desktop_file ]] || fail "the desktop file is not in share/applications"
[[ -f $metainfo ]] || fail "the metainfo is not in share/metainfo"

encoder=$prefix/libexec/clipforger/HandBrakeCLI
[[ -L $encoder ]] || fail "libexec/clipforger/HandBrakeCLI is not a link"
[[ -x $(readlink -f "$encoder") ]] || fail "libexec/clipforger/HandBrakeCLI does not resolve to an executable"
helper=$prefix/libexec/clipforger/clipforger-media
[[ -f $helper && -x $helper && ! -L $helper ]] || fail "libexec/clipforger/clipforger-media is missing or not executable"
# Read whole before grep stops at a match: under pipefail, ldd's broken pipe would fail it.
helper_libraries=$(ldd "$helper")
app_libraries=$(ldd "$prefix/bin/clipforger")
grep -q libavformat <<<"$helper_libraries" || fail "the media helper does not link libavformat"
! grep -q libav <<<"$app_libraries" || fail "bin/clipforger links FFmpeg's libraries"

# The menu runs Exec through the search path, so it must name the installed executable.
exec_line=$(sed -n 's/^Exec=//p' "$desktop_file")
[[ ${exec_line%% *} == clipforger ]] || fail "desktop file runs '$exec_line', not clipforger"
[[ $exec_line == "clipforger %F" ]] || fail "desktop file runs '$exec_line', without the files (%F)"
grep -qx "DBusActivatable=true" "$desktop_file" || fail "the desktop file is not D-Bus activatable"
service_file=$prefix/share/dbus-1/services/$app_id.service
grep -qx "Name=$app_id" "$service_file" || fail "no D-Bus service file names $app_id"
grep -qx "Exec=$prefix/bin/clipforger" "$service_file" ||
    fail "the D-Bus service file does not start the installed clipforger"
icon=$(sed -n 's/^Icon=//p' "$desktop_file")
[[ -f $prefix/share/icons/hicolor/scalable/apps/$icon.svg ]] ||
    fail "desktop file names icon '$icon', which is not installed"

desktop-file-validate "$desktop_file" || fail "desktop-file-validate rejects the desktop file"
# Pedantic, and silent but for what Debian 12's AppStream 0.16 cannot be spared: the capital in
# the id, which the desktop file and the bus name share, and the developer tag of AppStream 1.0.
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) ||
    fail "appstreamcli rejects the metainfo: $report"
unexpected=$(grep -E '^[EWIP]: ' <<<"$report" |
    grep -v -e ' cid-contains-uppercase-letter ' -e ' unknown-tag developer$' || true)
[[ -z $unexpected ]] || fail "appstreamcli has more to say about the metainfo: $unexpected"
for element in '<project_license>GPL-3.0-or-later</project_license>' \
               '<url type="homepage">https://clipforger.org</url>' \
               '<url type="bugtracker">https://clipforger.org/issues</url>' \
               '<developer id="org.clipforger">' '<control>pointing</control>' \
               '<control>keyboard</control>' '<display_length side="shortest" compare="ge">'; do
    grep -qF "$element" "$metainfo" || fail "the metainfo lacks $element"
done
for shot in $(grep -o 'https://clipforger.org/screenshots/[^<]*' "$metainfo"); do
    [[ -f $source_dir/docs/${shot##*/} ]] || fail "the metainfo shows $shot, which docs/ lacks"
done
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -A1 "<release version=\"$version\"" "$metainfo" | grep "<description>" >/dev/null ||
    fail "the metainfo has no release entry with notes for version $version"

# Help and version need no display, as over SSH or in a script, and speak the user's language.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8)
help=$("${no_display[@]}" LANGUAGE='' "$prefix/bin/clipforger" --help 2>&1) ||
    fail "clipforger --help fails without a display: $help"
"${no_display[@]}" "$prefix/bin/clipforger" --version >/dev/null 2>&1 ||
    fail "clipforger --version fails without a display"
status=0
unknown=$("${no_display[@]}" "$prefix/bin/clipforger" --frobnicate 2>&1) || status=$?
[[ $status == 1 && $(wc -l <<<"$unknown") == 1 ]] ||
    fail "an unknown option without a display does not fail with one line: $unknown"
german=$("${no_display[@]}" LANGUAGE=de "$prefix/bin/clipforger" --help 2>&1 || true)
grep -q "DATEI" <<<"$german" || fail "clipforger --help is not German for a German user: $german"

# The manual page names every option that --help lists.
manual=$(zcat "$prefix/share/man/man1/clipforger.1.gz" | sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g') ||
    fail "no gzipped manual page in share/man/man1"
for option in $(awk -F '  +' '/^ +-/ { gsub(",", " ", $2); print $2 }' <<<"$help"); do
    grep -qE -- "(^|[^-[:alnum:]])$option([^-[:alnum:]]|$)" <<<"$manual" ||
        fail "the manual page does not name $option"
done

# An app that loses its resources or plugins on the way into the tree dies at once; a healthy
# one keeps running until timeout stops it (status 124).
status=0
HOME=$prefix QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/clipforger" >/dev/null 2>&1 ||
    status=$?
[[ $status -eq 124 ]] || fail "the installed clipforger exited with status $status at start"

[[ $failures -eq 0 ]] && echo "install tree is complete"
exit "$failures"
