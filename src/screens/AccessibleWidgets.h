// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What Clipforger's own widgets are to screen readers: an elided line its whole text, the percent
// label a progress bar. Qt's accessibility reads them through a factory, which each of these
// widgets installs when it is built.
namespace AccessibleWidgets {

void install();

} // namespace AccessibleWidgets
