#include "ClipforgerApp.h"

#include <QApplication>

namespace ClipforgerApp {

void describeApplication(QApplication &application)
{
    application.setApplicationName(QStringLiteral("Clipforger"));
    application.setApplicationDisplayName(QStringLiteral("Clipforger"));
    application.setOrganizationName(QStringLiteral("Clipforger"));
    application.setOrganizationDomain(QStringLiteral("clipforger.org"));
    application.setDesktopFileName(QString::fromLatin1(desktopFileName));
}

} // namespace ClipforgerApp
