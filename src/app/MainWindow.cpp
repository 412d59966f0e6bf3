#include "MainWindow.h"

#include "BatchNotifier.h"
#include "SleepInhibitor.h"
#include "screens/ContentView.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

MainWindow::MainWindow(BatchSession *session, const QDBusConnection &sessionBus, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_contentView(new ContentView(session, this))
    , m_inhibitor(new SleepInhibitor(sessionBus, this))
    , m_notifier(new BatchNotifier(sessionBus, this))
{
    setWindowTitle(QStringLiteral("Clipforger"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_contentView);
    fitToContent();

    connect(m_contentView, &ContentView::screenShown, this, &MainWindow::fitToContent);
    connect(m_contentView, &ContentView::frameResized, this, &MainWindow::fitToContent);
    connect(m_notifier, &BatchNotifier::folderOpenRequested, this,
            [](const QUrl &folder) { QDesktopServices::openUrl(folder); });

    // The desktop's usual keys; both go through closeEvent, so a running encoder is stopped.
    for (const QKeySequence &keys :
         {QKeySequence(QKeySequence::Quit), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    const ScreenState *state = m_session->state();
    connect(state, &ScreenState::isConvertingChanged, this, &MainWindow::onConvertingChanged);
    connect(state, &ScreenState::showCompletionViewChanged, this, &MainWindow::onCompletionShown);
}

QDBusConnection MainWindow::sessionBusIfAny()
{
    // Without an address or the usual socket, libdbus would try to launch a bus of its own.
    const QString runtimeBus =
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/bus");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && !QFileInfo::exists(runtimeBus))
        return QDBusConnection(QStringLiteral("no session bus"));
    return QDBusConnection::sessionBus();
}

void MainWindow::fitToContent()
{
    // A maximised or full-screen window, or one the user has sized by hand, keeps its size; the
    // content stays centred in it.
    const Qt::WindowStates kept = Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
    if (windowState() & kept)
        return;
    if (m_fittedSize.isValid() && size() != m_fittedSize)
        return;
    m_fittedSize = m_contentView->frameSize();
    resize(m_fittedSize);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_session->state()->isConverting()) {
        QWidget::closeEvent(event);
        return;
    }
    // Stop the encoder and remove its partial output first; the window closes once the
    // batch has ended, which takes at most the encoder's grace period.
    event->ignore();
    m_closeWhenStopped = true;
    m_session->cancelConversion();
}

void MainWindow::onConvertingChanged(bool converting)
{
    if (converting) {
        m_inhibitor->inhibit(tr("Converting videos"));
        return;
    }
    m_inhibitor->release();
    if (m_closeWhenStopped)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::onCompletionShown(bool shown)
{
    if (!shown || m_closeWhenStopped || isActiveWindow())
        return;
    const ScreenState *state = m_session->state();
    const qsizetype failed = failedCount(state->batchOutcomes());
    m_notifier->notifyBatchEnded(state->batchOutcomes().size() - failed, failed,
                                 state->outputFolder());
}
