#include "MainWindow.h"

#include "WindowSizing.h"
#include "screens/ContentView.h"

#include <QVBoxLayout>

MainWindow::MainWindow(const QString &encoderPath, QWidget *parent)
    : QWidget(parent)
    , m_contentView(new ContentView(encoderPath, this))
{
    setWindowTitle(QStringLiteral("Clipforger"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_contentView);
    resize(ContentView::screenSize);

    m_contentView->setScreenShownAction(
        [] { WindowSizing::resizeFirstWindow(ContentView::screenSize); });
}
