#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shows the window in each of its faces on a private Xvfb server and saves
# OUTPUT_DIR/screenshot-<face>.png, cropped to the window: every face in the default look (a
# 13 px desktop font, for which the product's text sizes were drawn), then a few faces in the
# looks a desktop may ask for, as screenshot-<face>-<look>.png: a dark palette, a large desktop
# font, and twice the scale.
# Usage: scripts/take-screenshots.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
[[ -n ${XVFB_PID:-} ]] || exec "$(dirname "$0")/with-xvfb.sh" "$0" "$@"

build_dir=$(realpath "${1:?usage: $0 BUILD_DIR OUTPUT_DIR}")
output_dir=$(realpath -m "${2:?usage: $0 BUILD_DIR OUTPUT_DIR}")
tour="$build_dir/bin/clipforger-screen-tour"
mkdir -p "$output_dir"

# A throw-away home, so that the output folder the window creates lands nowhere real.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export QT_QPA_PLATFORM=xcb

# shoot FACE PNG [VARIABLE=VALUE...]
shoot() {
    local face=$1 png=$2
    shift 2
    env HOME="$home" CLIPFORGER_TOUR_FONT_SIZE=13 "$@" "$tour" "$face" &
    local tour_pid=$!
    local window
    # While converting, the title leads with the batch's percent.
    window=$(xdotool search --sync --onlyvisible --name 'Clipforger$' | head -n 1)
    # Give the first frames time to be painted before grabbing.
    sleep 1
    import -window "$window" "$png"
    kill "$tour_pid"
    wait "$tour_pid" 2>/dev/null || true
    echo "$png"
}

for face in $("$tour" --list); do
    shoot "$face" "$output_dir/screenshot-$face.png"
done

for face in ready partly-failed; do
    shoot "$face" "$output_dir/screenshot-$face-dark.png" CLIPFORGER_TOUR_PALETTE=dark
    shoot "$face" "$output_dir/screenshot-$face-large-font.png" CLIPFORGER_TOUR_FONT_SIZE=24
    shoot "$face" "$output_dir/screenshot-$face-scale-2.png" QT_SCALE_FACTOR=2
done
