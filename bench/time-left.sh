#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The time left over a batch of clips of mixed lengths (5, 10, 40 and 20 s of 720p), as the
# converting screen would show it at a quarter, half and three quarters of the batch, against
# what really was left (target: within 25%), and the batch's percent at those moments.
# Usage: time-left.sh BUILD_DIR
set -euo pipefail
build_dir=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

clips=()
for seconds in 5 10 40 20; do
    clip="$work/clip-$seconds.mkv"
    ffmpeg -v error -f lavfi -i "testsrc2=size=1280x720:rate=30:duration=$seconds" \
        -f lavfi -i "sine=frequency=440:duration=$seconds" -c:v libx264 -preset ultrafast \
        -c:a aac -shortest "$clip"
    clips+=("$clip")
done
"$build_dir/bin/clipforger_time_left" "$build_dir/libexec/clipforger/HandBrakeCLI" \
    "$work/out" "${clips[@]}"
