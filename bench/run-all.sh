#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every benchmark script in this folder against the given build directory.
set -euo pipefail
build_dir=$(realpath "${1:-build}")
cd "$(dirname "$0")"
for script in *.sh; do
    [[ "$script" == run-all.sh ]] && continue
    echo "== $script"
    "./$script" "$build_dir"
done
