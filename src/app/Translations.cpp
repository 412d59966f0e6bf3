// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

namespace {

const QString installedName = QStringLiteral("clipforger-translator");

void removeInstalled(QCoreApplication &application)
{
    const auto translators =
        application.findChildren<QTranslator *>(installedName, Qt::FindDirectChildrenOnly);
    for (QTranslator *translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

bool installCatalogue(QCoreApplication &application, const QLocale &locale, const QString &name,
                      const QString &directory)
{
    auto *translator = new QTranslator(&application);
    translator->setObjectName(installedName);
    // Tries the locale's languages in the user's order, each also without its region
    // ("de_CH", then "de").
    if (!translator->load(locale, name, QStringLiteral("_"), directory)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

bool install(QCoreApplication &application, const QLocale &locale)
{
    removeInstalled(application);
    // Qt's catalogue is optional (Debian ships it in qt6-translations-l10n); it only covers the
    // few texts Qt itself draws.
    installCatalogue(application, locale, QStringLiteral("qtbase"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QString name = QStringLiteral("clipforger");
    const QString directory = QStringLiteral(":/i18n");
    if (installCatalogue(application, locale, name, directory))
        return true;
    installCatalogue(application, QLocale(QLocale::English), name, directory);
    return false;
}

} // namespace Translations

namespace {

void speakEnglish()
{
    Translations::install(*QCoreApplication::instance(), QLocale(QLocale::English));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakEnglish)
