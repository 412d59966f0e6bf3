#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "app/QuitSignals.h"
#include "app/Translations.h"
#include "engine/EncoderLocation.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ClipforgerApp::describeApplication(application);
    Translations::install(application, QLocale::system());

    MainWindow window(bundledEncoderPath());

    // The first signal closes the window as the user would, which stops a running encoder
    // and removes its partial output; a second one quits at once.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::received, &window, [&window] {
        if (window.isVisible())
            window.close();
        else
            QCoreApplication::exit(1);
    });

    window.show();
    return application.exec();
}
