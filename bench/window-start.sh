#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Clipforger's start against a bare Qt Widgets window of the same size that draws one line of
# text, as Clipforger's first screen does, on a private Xvfb and a private session bus,
# alternating: time from start to the window mapped (target at most 1.3 times the bare window's),
# resident memory (at most 5 MiB more), and what the window's process has mapped (no FFmpeg
# library). The bare window without text is shown beside it.
# Usage: window-start.sh BUILD_DIR [PAIRS]
set -euo pipefail
[[ -n ${XVFB_PID:-} ]] || exec "$(dirname "$0")/../scripts/with-xvfb.sh" "$0" "$@"
[[ -n ${CLIPFORGER_PRIVATE_BUS:-} ]] ||
    exec env CLIPFORGER_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@"

build_dir=$(realpath "${1:-build}")
pairs=${2:-5}

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export QT_QPA_PLATFORM=xcb HOME="$home" XDG_RUNTIME_DIR="$home/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$build_dir/bin/clipforger-window-start" "$build_dir/bin/clipforger" "$pairs"
