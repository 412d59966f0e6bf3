#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The conversion engine, scheduled as the app schedules on this machine, against HandBrakeCLI run
# directly one file at a time, on three short clips made here. The engine must cost nothing
# measurable: wall-time ratio at most 1.02.
# Usage: engine-overhead.sh BUILD_DIR [ROUNDS]
default_rounds=3
source "$(dirname "$0")/one-at-a-time.bash" "$@"

clips=()
for format in "1280x720:30" "854x480:60" "1920x1080:25"; do
    size=${format%%:*} rate=${format##*:}
    clip="$work/clip-$size.mkv"
    ffmpeg -v error -f lavfi -i "testsrc2=size=$size:rate=$rate:duration=3" \
        -f lavfi -i "sine=frequency=440:duration=3" -c:v libx264 -preset ultrafast \
        -c:a aac -shortest "$clip"
    clips+=("$clip")
done

compare_with_one_at_a_time 1.02 - "${clips[@]}"
