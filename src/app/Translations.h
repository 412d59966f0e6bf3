// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;
class QLocale;

namespace Translations {

// Installs Clipforger's catalogue and Qt's own for the locale's languages, in place of those an
// earlier call installed. Returns whether Clipforger's catalogue was found; without one every
// text stays as written, in English.
bool install(QCoreApplication &application, const QLocale &locale);

} // namespace Translations
