#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Long, heavy clips, where one encode alone keeps every core busy: a 4K HEVC clip of 10 s and two
# 1080p H.264 clips of 30 s. The engine, scheduled as the app schedules on this machine, must be
# no slower than the same HandBrakeCLI commands run one after another, and its encoders must spend
# no more CPU (targets: at most 1.0 the time, 1.02 the CPU).
# Usage: long-clips.sh BUILD_DIR [ROUNDS]
default_rounds=2
source "$(dirname "$0")/one-at-a-time.bash" "$@"

make_clip() { # NAME SIZE SECONDS CODEC...
    local name=$1 size=$2 seconds=$3
    shift 3
    ffmpeg -v error -f lavfi -i "testsrc2=size=$size:rate=30:duration=$seconds" \
        -f lavfi -i "sine=sample_rate=48000:duration=$seconds" "$@" -pix_fmt yuv420p \
        -c:a aac -ac 2 -shortest "$work/$name"
}
make_clip 4k.mp4 3840x2160 10 -c:v libx265 -preset ultrafast -b:v 40M -tag:v hvc1 \
    -x265-params log-level=error
make_clip first.mp4 1920x1080 30 -c:v libx264 -preset ultrafast -b:v 17M
make_clip second.mp4 1920x1080 30 -c:v libx264 -preset ultrafast -b:v 17M

compare_with_one_at_a_time 1.00 1.02 "$work"/{4k,first,second}.mp4
