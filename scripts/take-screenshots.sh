#!/usr/bin/env bash
# Shows the window in each of its faces on a private Xvfb server and saves
# OUTPUT_DIR/screenshot-<face>.png, cropped to the window.
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

for face in $("$tour" --list); do
    HOME="$home" "$tour" "$face" &
    tour_pid=$!
    # While converting, the title leads with the batch's percent.
    window=$(xdotool search --sync --onlyvisible --name 'Clipforger$' | head -n 1)
    # Give the first frames time to be painted before grabbing.
    sleep 1
    import -window "$window" "$output_dir/screenshot-$face.png"
    kill "$tour_pid"
    wait "$tour_pid" 2>/dev/null || true
    echo "$output_dir/screenshot-$face.png"
done
