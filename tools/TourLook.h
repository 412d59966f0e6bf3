// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>
#include <QString>

class QApplication;

// How the tour's window looks beyond its face, as a desktop would set it up. Read from the
// environment, beside Qt's own QT_SCALE_FACTOR for the scale:
//   CLIPFORGER_TOUR_PALETTE=dark    a dark desktop palette
//   CLIPFORGER_TOUR_FONT_SIZE=N     a desktop font of N pixels
namespace TourLook {

// A dark palette such as dark desktop themes give: light text on a dark grey window.
QPalette darkPalette();

// Applies the look the environment asks for; false, with the reason, for one it cannot apply.
bool applyFromEnvironment(QApplication &application, QString *error);

} // namespace TourLook
