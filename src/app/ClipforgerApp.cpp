// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClipforgerApp.h"

#include "MainWindow.h"
#include "StartupNotification.h"
#include "desktop/AppId.h"
#include "desktop/ApplicationService.h"
#include "desktop/DesktopIntegration.h"
#include "desktop/OriginalsTrash.h"
#include "desktop/QuitSignals.h"
#include "engine/ProcessLiveness.h"
#include "engine/StalePartFileCleanup.h"
#include "intake/ReadableAliases.h"
#include "session/BatchSession.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTimer>

namespace {

// The desktop menu's icon, drawn at whatever size is asked for. Qt's own SVG icons come through an
// icon engine plugin, which every start would have to find and load.
class DrawnIcon : public QIconEngine
{
public:
    explicit DrawnIcon(const QString &svgPath)
        : m_svgPath(svgPath)
        , m_drawing(svgPath)
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        m_drawing.render(painter, rect);
    }

    // The window system asks for each size twice as the window is made.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        for (const QPixmap &drawn : std::as_const(m_drawn))
            if (drawn.size() == size)
                return drawn;
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        m_drawn.append(picture);
        return picture;
    }

    // The sizes an X11 window manager is given, up to a taskbar's and a window list's; larger
    // views take the desktop entry's icon. Others are drawn when asked for. A 128-pixel one
    // alone took longer to hand to the X server than the five of these.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QIconEngine *clone() const override { return new DrawnIcon(m_svgPath); }

private:
    QString m_svgPath;
    QSvgRenderer m_drawing;
    QList<QPixmap> m_drawn;
};

} // namespace

void ClipforgerApp::describeApplication(QCoreApplication &application)
{
    application.setApplicationName(QStringLiteral("Clipforger"));
    application.setOrganizationName(QStringLiteral("Clipforger"));
    application.setOrganizationDomain(QStringLiteral("clipforger.org"));
    application.setApplicationVersion(QStringLiteral(CLIPFORGER_VERSION));
    if (!qobject_cast<QGuiApplication *>(&application))
        return;
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Clipforger"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(appId));
    QGuiApplication::setWindowIcon(QIcon(new DrawnIcon(QStringLiteral(":/%1.svg").arg(appId))));
}

std::unique_ptr<ApplicationService> ClipforgerApp::claimApplicationId(const QDBusConnection &bus)
{
    return std::make_unique<ApplicationService>(QString::fromLatin1(appId), bus);
}

ClipforgerApp::ClipforgerApp(const QString &encoderPath, const QString &outputFolder,
                             const QDBusConnection &sessionBus,
                             std::unique_ptr<ApplicationService> service, QObject *parent)
    : QObject(parent)
    , m_session(new BatchSession(encoderPath, outputFolder, this))
    , m_desktop(std::make_unique<DesktopIntegration>(
          m_session->state(), sessionBus,
          // A batch ended before the user's eyes, or by the window's closing, needs no word.
          [this] { return m_window->isActiveWindow() || m_window->closesWhenBatchEnds(); }))
    , m_window(std::make_unique<MainWindow>(m_session, m_desktop.get()))
    , m_trash(new OriginalsTrash(this))
    , m_quitSignals(new QuitSignals(this))
    , m_service(service ? service.release() : claimApplicationId(sessionBus).release())
{
    m_service->setParent(this);
    connect(m_quitSignals, &QuitSignals::received, this, &ClipforgerApp::onQuitSignal);
    connect(m_service, &ApplicationService::filesOpened, m_session, &BatchSession::addFiles);
    connect(m_service, &ApplicationService::activationRequested, this,
            &ClipforgerApp::bringForward);
    connect(m_desktop.get(), &DesktopIntegration::folderNotOpened, m_session,
            &BatchSession::noteFolderNotOpened);
    connect(m_session, &BatchSession::originalsToTrash, m_trash, &OriginalsTrash::moveToTrash);
    connect(m_session, &BatchSession::originalsToPutBack, m_trash, &OriginalsTrash::putBack);
    connect(m_trash, &OriginalsTrash::moved, m_session, &BatchSession::noteTrashMoves);
    connect(m_trash, &OriginalsTrash::returned, m_session, &BatchSession::noteTrashReturns);
    connect(m_session, &BatchSession::trashMovesOutOfSight, m_desktop.get(),
            &DesktopIntegration::tellTrashMoves);
    // Encodes that an earlier run never finished (killed, crashed, powered off) left their
    // temporary files behind; only their owners' deaths make them ours to remove.
    StalePartFileCleanup::run(outputFolder);
    ReadableAliases::removeLeftBehind(QDir::tempPath(), &ProcessLiveness::isRunningInstance);
}

// The desktop goes before the window it asks whether it is watched, and the window before the
// session whose state it shows.
ClipforgerApp::~ClipforgerApp()
{
    m_desktop.reset();
    m_window.reset();
}

bool ClipforgerApp::ownsApplicationId() const
{
    return m_service->ownsApplicationId();
}

void ClipforgerApp::open(const QList<QUrl> &files)
{
    m_session->addFiles(files);
    bringForward();
}

void ClipforgerApp::start(const QString &recordPath, const QList<QUrl> &files)
{
    bringForward();
    // Taking the record writes its lock through to the disk, which on a busy one can take longer
    // than the rest of the start: the window shows first.
    QTimer::singleShot(0, this, [this, recordPath, files] {
        m_session->recordBatchesAt(recordPath);
        m_session->addFiles(files);
    });
}

void ClipforgerApp::bringForward()
{
    m_window->show();
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
    StartupNotification::completeAdopted();
}

void ClipforgerApp::onQuitSignal()
{
    // The first signal closes the window as the user would, which stops every running encoder and
    // removes their partial outputs before the app quits. A second one, from someone who will not
    // wait for that, quits at once; the encoders then die with the app.
    if (m_quitRequested || !m_window->isVisible()) {
        QCoreApplication::exit(1);
        return;
    }
    m_quitRequested = true;
    m_window->close();
}
