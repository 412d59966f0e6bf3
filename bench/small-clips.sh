#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Clips that are already small and play nearly everywhere, as saved from the web or a chat: six
# 1080p H.264 clips of 20 to 60 s at 0.4 to 2 Mbit/s with AAC sound, which the encode would not
# shrink by a tenth. The engine, which keeps their own streams once a slice has shown that, against
# HandBrakeCLI encoding them whole one after another (target: at most 0.35 the time), and every
# output at most its input's size.
# Usage: small-clips.sh BUILD_DIR [ROUNDS]
default_rounds=1
source "$(dirname "$0")/one-at-a-time.bash" "$@"

clips=()
for clip in 20:400 30:700 40:1000 50:1300 60:1600 25:2000; do
    seconds=${clip%%:*} kbits=${clip##*:}
    path="$work/saved-${seconds}s-${kbits}k.mp4"
    ffmpeg -v error -f lavfi -i "testsrc2=size=1920x1080:rate=30:duration=$seconds" \
        -f lavfi -i "sine=frequency=330:sample_rate=48000:duration=$seconds" -c:v libx264 \
        -preset veryfast -b:v "${kbits}k" -pix_fmt yuv420p -c:a aac -b:a 96k -ac 2 -shortest "$path"
    clips+=("$path")
done

compare_with_one_at_a_time 0.35 - "${clips[@]}"
