#!/usr/bin/env bash
# The conversion engine, running as many encodes at once as the app does on this machine, against
# HandBrakeCLI run directly one file at a time, on a few heavier clips made here. The engine must
# cost nothing measurable: wall-time ratio at most 1.02.
# Usage: engine-overhead.sh BUILD_DIR [ROUNDS]
set -euo pipefail
build_dir=$(realpath "${1:-build}")
rounds=${2:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

clips=()
for format in "1280x720:30" "854x480:60" "1920x1080:25"; do
    size=${format%%:*} rate=${format##*:}
    clip="$work/clip-$size.mkv"
    ffmpeg -v error -f lavfi -i "testsrc2=size=$size:rate=$rate:duration=3" \
        -f lavfi -i "sine=frequency=440:duration=3" -c:v libx264 -preset ultrafast \
        -c:a aac -shortest "$clip"
    clips+=("$clip")
done

"$build_dir/bin/clipforger_engine_overhead" "$build_dir/libexec/clipforger/HandBrakeCLI" \
    "$work" "$rounds" 1.02 "${clips[@]}"
