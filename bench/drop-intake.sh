#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Drop 1,000 files at once on the window, then one folder of 10,000 entries: main-thread stalls,
# time to list, summary on the way. Then the app at scale on a private session bus: a record of
# 20,000 files restored, a folder of 20,000 videos dropped, 5,000 files opened over the bus
# mid-batch, Stop on that batch, each with a second launch meanwhile.
set -euo pipefail
build_dir=$(realpath "${1:-build}")
QT_QPA_PLATFORM=offscreen "$build_dir/bin/bench_drop_intake"
