// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The HandBrakeCLI that ships in the application's resource folder, next to the executable's
// folder. Deliberately not searched for on PATH: the app runs the encoder it was built with.
QString bundledEncoderPath();
