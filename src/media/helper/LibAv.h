// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace LibAv {

// FFmpeg's libraries write their warnings to the app's error channel; what matters of a file
// reaches the user through the encoder's own words instead.
void quietLogs();

} // namespace LibAv
