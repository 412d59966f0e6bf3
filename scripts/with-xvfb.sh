#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command against a private Xvfb server that lives exactly as long as the command.
# The command finds the server in DISPLAY and its process id in XVFB_PID.
set -euo pipefail

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true' EXIT

read -r -t 20 -u "$display_fd" display_number
export DISPLAY=":$display_number" XVFB_PID="$xvfb_pid"
"$@"
