// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Ends the launcher's busy cursor for a launch that the running window answers: a second
// `clipforger` handing over its files, or the desktop activating the application on the bus.
// Qt ends only the startup it read from the environment as it started, when the window first
// shows; the ids of later activations arrive in the environment afterwards. On X11 this sends the
// freedesktop startup notification's "remove" message for them; elsewhere it does nothing (on
// Wayland, Qt's own activation request hands the compositor the activation token).
namespace StartupNotification {

// Ends the startup whose id DESKTOP_STARTUP_ID holds, and takes it out of the environment.
void completeAdopted();

} // namespace StartupNotification
