#include "ClipforgerApp.h"

#include <QApplication>
#include <QIcon>

namespace ClipforgerApp {

void describeApplication(QApplication &application)
{
    application.setApplicationName(QStringLiteral("Clipforger"));
    application.setApplicationDisplayName(QStringLiteral("Clipforger"));
    application.setOrganizationName(QStringLiteral("Clipforger"));
    application.setOrganizationDomain(QStringLiteral("clipforger.org"));
    application.setDesktopFileName(QString::fromLatin1(desktopFileName));
    application.setWindowIcon(QIcon(QStringLiteral(":/%1.svg").arg(desktopFileName)));
}

} // namespace ClipforgerApp
