// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ClipforgerApp.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Translations.h"
#include "desktop/AppId.h"
#include "desktop/ApplicationService.h"
#include "desktop/SessionBus.h"
#include "engine/EncoderLocation.h"
#include "session/AppFolder.h"
#include "session/BatchSession.h"
#include "session/CrashRecord.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QLocale>

namespace {

// Answers in the user's language without a display: the help or the version, an unknown option,
// or else that there is no display to open the window on.
int answerWithText(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    ClipforgerApp::describeApplication(application);
    Translations::install(application, QLocale::system());
    CommandLine::filesToOpen(argc, argv);
    if (CommandLine::asksOnlyForText(argc, argv))
        return 0;
    qCritical().noquote() << QCoreApplication::translate(
        "CommandLine", "No graphical display (DISPLAY or WAYLAND_DISPLAY is unset): cannot open "
                       "Clipforger's window.");
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (CommandLine::asksOnlyForText(argc, argv) || !CommandLine::namesAWindowSystem(argc, argv))
        return answerWithText(argc, argv);
    const QVariantMap launch = ApplicationService::launchPlatformData();
    QApplication application(argc, argv);
    ClipforgerApp::describeApplication(application);
    Translations::install(application, QLocale::system());
    const QList<QUrl> files = CommandLine::filesToOpen(argc, argv);

    // A later launch hands its files to the window that runs already, before it builds anything
    // of its own.
    const QDBusConnection bus = SessionBus::ifAny();
    std::unique_ptr<ApplicationService> service = ClipforgerApp::claimApplicationId(bus);
    if (!service->ownsApplicationId() &&
        ApplicationService::handOver(QString::fromLatin1(appId), bus, files, launch))
        return 0;

    ClipforgerApp clipforger(bundledEncoderPath(), AppFolder::resolveAndCreate(), bus,
                             std::move(service));
    clipforger.start(CrashRecord::defaultPath(), files);
    return application.exec();
}
