# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the benchmarks that time the engine against HandBrakeCLI run one file at a time.
# Sourced with the script's own arguments, BUILD_DIR [ROUNDS], after setting default_rounds:
# sets build_dir, rounds and work, a folder that is removed when the script ends.
set -euo pipefail
build_dir=$(realpath "${1:-build}")
rounds=${2:-$default_rounds}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The clips through the engine, as many at once as the app runs them, and through the same
# HandBrakeCLI commands one after another, alternating; the ratios of their wall times and of
# the encoders' CPU times must be at most TIME_TARGET and CPU_TARGET ("-": shown, no target).
compare_with_one_at_a_time() { # TIME_TARGET CPU_TARGET CLIP...
    local time_target=$1 cpu_target=$2
    shift 2
    "$build_dir/bin/clipforger_engine_overhead" "$build_dir/libexec/clipforger/HandBrakeCLI" \
        "$work" "$rounds" "$time_target" "$cpu_target" "$@"
}
