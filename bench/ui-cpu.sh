#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The window's own cost on a real X server (private Xvfb): timer wake-ups while idle on every
# screen (must be none), and the CPU share of one core while the converting face spins and
# shows progress, simulated and over a real batch of clips made with ffmpeg (target: under 1.5%),
# and, over that batch, the gear's frame intervals while every core encodes (99th percentile at
# most 50 ms).
# The X server's share is shown beside the simulated run for context.
# With --accessibility the same runs with the accessibility bridge on, as under a screen reader,
# on a private session bus with the accessibility bus and its registry (target: under 3%).
# Usage: bench/ui-cpu.sh [--accessibility] BUILD_DIR [IDLE_SECONDS] [CONVERTING_SECONDS]
set -euo pipefail
[[ -n ${XVFB_PID:-} ]] || exec "$(dirname "$0")/../scripts/with-xvfb.sh" "$0" "$@"

accessibility=false
if [[ ${1:-} == --accessibility ]]; then
    accessibility=true
    shift
    [[ -n ${CLIPFORGER_PRIVATE_BUS:-} ]] ||
        exec env CLIPFORGER_PRIVATE_BUS=1 dbus-run-session -- "$0" --accessibility "$@"
fi

build_dir=$(realpath "${1:-build}")
idle_seconds=${2:-3}
converting_seconds=${3:-10}
bench="$build_dir/bin/clipforger-ui-cpu"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export QT_QPA_PLATFORM=xcb HOME="$home"
export XDG_RUNTIME_DIR="$home/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
if $accessibility; then
    # The accessibility bus and its registry run before the window starts, as on a desktop, and
    # a listener asks for the events a screen reader follows, so that the bridge sends them.
    /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null
    /usr/bin/python3 -c '
import pyatspi
pyatspi.Registry.registerEventListener(lambda event: None, "object", "window", "focus")
print(flush=True)
pyatspi.Registry.start()' > "$home/listening" 2>/dev/null &
    listener_pid=$!
    trap 'kill "$listener_pid"; rm -rf "$home"' EXIT
    until [[ -s $home/listening ]]; do sleep 0.1; done
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi

xvfb_cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$XVFB_PID/stat"; }

status=0
"$bench" idle "$idle_seconds" || status=1

ticks_before=$(xvfb_cpu_ticks)
start_ns=$(date +%s%N)
"$bench" converting "$converting_seconds" || status=1
wall_ns=$(($(date +%s%N) - start_ns))
ticks=$(($(xvfb_cpu_ticks) - ticks_before))
awk -v t="$ticks" -v hz="$(getconf CLK_TCK)" -v ns="$wall_ns" \
    'BEGIN { printf "converting: X server used %.2f%% of one core meanwhile\n", 100 * t / hz / (ns / 1e9) }'
# Four phone-like clips, so that the encoders run side by side for most of the batch.
for n in 1 2 3 4; do
    ffmpeg -loglevel error -y -f lavfi -i "testsrc2=duration=5:size=1920x1080:rate=30" \
        -f lavfi -i "sine=duration=5" -c:v libx264 -preset ultrafast -b:v 17M -c:a aac \
        "$home/clip$n.mp4"
done
"$bench" batch "$home"/clip{1,2,3,4}.mp4 || status=1
exit "$status"
