#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "app/Translations.h"
#include "engine/EncoderLocation.h"
#include "session/AppFolder.h"
#include "session/BatchRecord.h"
#include "session/BatchSession.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ClipforgerApp::describeApplication(application);
    Translations::install(application, QLocale::system());

    ClipforgerApp clipforger(bundledEncoderPath(), AppFolder::resolveAndCreate(),
                             MainWindow::sessionBusIfAny());
    clipforger.session()->recordBatchesAt(BatchRecord::defaultPath());
    clipforger.window()->show();
    return application.exec();
}
