// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;
class QLocale;

namespace Translations {

// Installs Clipforger's catalogue and Qt's own for the locale's languages, in place of those an
// earlier call installed. Returns whether Clipforger speaks one of the locale's languages;
// where it does not, it speaks English. English is a catalogue too, for its plural forms, and
// is installed as every application starts, so that a program that never chooses a locale
// reads English right.
bool install(QCoreApplication &application, const QLocale &locale);

} // namespace Translations
