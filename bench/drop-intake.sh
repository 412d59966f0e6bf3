#!/usr/bin/env bash
# Drop 1,000 files at once on the window: main-thread stalls, time to list, summary on the way.
set -euo pipefail
build_dir=$(realpath "${1:-build}")
QT_QPA_PLATFORM=offscreen "$build_dir/bin/bench_drop_intake"
