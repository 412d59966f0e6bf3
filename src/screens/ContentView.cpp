#include "ContentView.h"

#include "AppFolder.h"
#include "CompletionView.h"
#include "DropIntake.h"
#include "MainConversionView.h"
#include "ScreenState.h"

#include <QEvent>
#include <QVBoxLayout>

ContentView::ContentView(const QString &encoderPath, QWidget *parent)
    : QWidget(parent)
    , m_state(new ScreenState(this))
    , m_dropIntake(new DropIntake(m_state, this))
    , m_appFolder(AppFolder::resolveAndCreate())
    , m_encoderPath(encoderPath)
    , m_frame(new QWidget(this))
{
    m_frame->setFixedSize(screenSize);
    auto *frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame, 0, Qt::AlignCenter);

    connect(m_state, &ScreenState::showCompletionViewChanged, this, &ContentView::placeScreen);
    placeScreen();
}

void ContentView::setScreenShownAction(std::function<void()> action)
{
    m_screenShownAction = std::move(action);
}

void ContentView::goBack()
{
    m_state->setShowCompletionView(false);
    m_state->setDroppedFiles({});
}

void ContentView::cancelConversion()
{
    if (auto *conversion = qobject_cast<MainConversionView *>(m_screen))
        conversion->cancelConversion();
}

void ContentView::placeScreen()
{
    // The old screen may be the sender of the change that brought us here (a button of the
    // completion screen, the batch of the conversion screen): let it finish before it goes.
    if (m_screen) {
        m_screen->hide();
        m_screen->removeEventFilter(this);
        m_screen->deleteLater();
    }

    if (m_state->showCompletionView())
        m_screen = new CompletionView(
            m_state->outputFolder(), [this] { goBack(); }, m_state->batchOutcomes(), m_frame);
    else {
        auto *conversionView = new MainConversionView(m_state, m_appFolder, m_encoderPath, m_frame);
        connect(conversionView, &MainConversionView::filesDropped, m_dropIntake, &DropIntake::take);
        m_screen = conversionView;
    }

    m_screen->installEventFilter(this);
    m_frame->layout()->addWidget(m_screen);
    m_screen->show();
}

bool ContentView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_screen && event->type() == QEvent::Show && m_screenShownAction)
        m_screenShownAction();
    return QWidget::eventFilter(watched, event);
}
