#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Stands in for Clipforger's media helper. Takes one request line and crashes, as FFmpeg's
# parsers might on a damaged file, where the file's name holds "crash"; else ends without an
# answer, as a helper that cannot be used would.
read -r request
[[ $request == *crash* ]] && kill -SEGV $$
exit 1
