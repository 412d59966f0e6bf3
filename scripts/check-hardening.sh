#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs Debian's hardening-check on every ELF executable in a .deb: position independent, stack
# protector, read-only relocations and immediate binding. Control-flow protection is left out, as
# Debian 12's dpkg-buildflags does not ask for it. So are fortified functions: the build defines
# _FORTIFY_SOURCE, but hardening-check sees it only in calls that became checked ones, and in
# Clipforger the compiler either proves each call's size safe or cannot know it, so none does.
# Usage: check-hardening.sh PACKAGE.deb
set -euo pipefail

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$1" "$tree"
mapfile -t executables < <(find "$tree" -type f -exec file {} + | sed -n 's/: *ELF .*//p')
[[ ${#executables[@]} -gt 0 ]] || { echo "no ELF executable in $1" >&2; exit 1; }
hardening-check --nocfprotection --nofortify "${executables[@]}"
