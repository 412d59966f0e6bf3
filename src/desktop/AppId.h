// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Who Clipforger is to the desktop: the name of its desktop entry, its name on the session bus
// and its Wayland app id, which must all be the same for the desktop to match them.
inline constexpr char appId[] = "org.clipforger.Clipforger";
