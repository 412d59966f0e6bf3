#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ClipforgerApp::describeApplication(application);

    MainWindow window(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                      QStringLiteral("/../libexec/clipforger/HandBrakeCLI")));
    window.show();
    return application.exec();
}
