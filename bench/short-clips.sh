#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A batch like a day's phone recordings: 12 clips of 5 s, 1080p30, H.264 and HEVC at phone
# bitrates with AAC sound. The engine, scheduled as the app schedules on this machine, against the
# same HandBrakeCLI commands run one after another (target: at most 0.85 the time).
# Usage: short-clips.sh BUILD_DIR [ROUNDS]
default_rounds=2
source "$(dirname "$0")/one-at-a-time.bash" "$@"

clips=()
for n in $(seq 1 12); do
    if ((n % 2)); then
        video=(-c:v libx264 -preset ultrafast -b:v 17M)
    else
        video=(-c:v libx265 -preset ultrafast -b:v 10M -tag:v hvc1 -x265-params log-level=error)
    fi
    clip="$work/phone-$n.mp4"
    ffmpeg -v error -f lavfi -i "testsrc2=size=1920x1080:rate=30:duration=5" \
        -f lavfi -i "sine=frequency=$((200 + 20 * n)):sample_rate=48000:duration=5" \
        "${video[@]}" -pix_fmt yuv420p -c:a aac -b:a 192k -ac 2 -shortest "$clip"
    clips+=("$clip")
done

compare_with_one_at_a_time 0.85 - "${clips[@]}"
