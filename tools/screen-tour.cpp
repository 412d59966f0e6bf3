// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows Clipforger's window in one face until it is closed: clipforger-screen-tour FACE
// With --list, prints the faces it knows, one a line. The environment may set the desktop's
// look (see TourLook.h).

#include "TourFaces.h"
#include "TourLook.h"
#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "session/AppFolder.h"
#include "session/BatchSession.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ClipforgerApp::describeApplication(application);
    const QStringList arguments = application.arguments();
    QTextStream out(stdout);

    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: clipforger-screen-tour --list | FACE\n";
        return 2;
    }
    if (arguments[1] == QLatin1String("--list")) {
        out << TourFaces::names().join(u'\n') << '\n';
        return 0;
    }

    QString lookError;
    if (!TourLook::applyFromEnvironment(application, &lookError)) {
        QTextStream(stderr) << lookError << '\n';
        return 2;
    }

    // No encoder: nothing in the tour converts.
    BatchSession session(QString(), AppFolder::resolveAndCreate());
    MainWindow window(&session);
    if (!TourFaces::show(session, arguments[1])) {
        QTextStream(stderr) << "unknown face: " << arguments[1] << '\n';
        return 2;
    }
    window.show();
    return application.exec();
}
