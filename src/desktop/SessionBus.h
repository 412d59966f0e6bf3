// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>

namespace SessionBus {

// The session bus, or a disconnected connection where the session has none.
QDBusConnection ifAny();

} // namespace SessionBus
