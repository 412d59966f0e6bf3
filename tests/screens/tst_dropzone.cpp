// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileDrops.h"
#include "RecordedActions.h"
#include "SampleMedia.h"
#include "screens/ContentView.h"
#include "screens/ConvertButton.h"
#include "screens/DropZone.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using FileDrops::uriList;

class tst_DropZone : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void dragEnter_data();
    void dragEnter();
    void dropListsOnlyTheVideoFiles_data();
    void dropListsOnlyTheVideoFiles();

private:
    QUrl url(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }
    DropZone *dropZone() const { return m_contentView->findChild<DropZone *>(); }
    // Drags onto the zone's centre and drops there, as the platform does; gives the action the
    // zone chose, IgnoreAction if it refused.
    Qt::DropAction drop(const QMimeData &mimeData);

    ScreenState *state() const { return m_session->stagedState(); }

    QTemporaryDir m_dir;
    std::unique_ptr<BatchSession> m_session;
    std::unique_ptr<RecordedActions> m_actions;
    std::unique_ptr<ContentView> m_contentView;
};

const QStringList videoNames = {QStringLiteral("clip.mp4"), QStringLiteral("-dash \"quoted\".mkv"),
                                QStringLiteral("été\nnext line.webm")};

void tst_DropZone::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(SampleMedia::makeClip(m_dir.filePath(videoNames[0])));
    for (const QString &name : videoNames.mid(1))
        QVERIFY(QFile::copy(m_dir.filePath(videoNames[0]), m_dir.filePath(name)));
    QVERIFY(SampleMedia::makeText(m_dir.filePath(QStringLiteral("notes.txt"))));
    QVERIFY(SampleMedia::makeImage(m_dir.filePath(QStringLiteral("picture.png"))));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.mp4")));
}

void tst_DropZone::init()
{
    m_session = std::make_unique<BatchSession>(QStringLiteral("/nonexistent/HandBrakeCLI"),
                                               m_dir.filePath(QStringLiteral("out")));
    m_actions = std::make_unique<RecordedActions>(m_session.get());
    m_contentView = std::make_unique<ContentView>(m_session->state(), m_actions.get());
    m_contentView->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_contentView.get()));
    QVERIFY(dropZone());
}

void tst_DropZone::cleanup()
{
    m_contentView.reset();
    m_session.reset();
}

Qt::DropAction tst_DropZone::drop(const QMimeData &mimeData)
{
    return FileDrops::dropOn(dropZone(), mimeData);
}

void tst_DropZone::dragEnter_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<Qt::DropActions>("offered");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<Qt::DropAction>("action");

    const Qt::DropActions copyOrMove = Qt::CopyAction | Qt::MoveAction;
    QTest::newRow("one video: taken as a copy")
        << QStringList{QStringLiteral("clip.mp4")} << copyOrMove << true << Qt::CopyAction;
    QTest::newRow("a video among other files")
        << QStringList{QStringLiteral("notes.txt"), QStringLiteral("clip.mp4")} << copyOrMove
        << true << Qt::CopyAction;
    QTest::newRow("text documents only: no-drop cursor")
        << QStringList{QStringLiteral("notes.txt"), QStringLiteral("letter.pdf")} << copyOrMove
        << false << Qt::IgnoreAction;
    // Its content decides on the drop: camcorders name MPEG program streams .MOD.
    QTest::newRow("a name the database files under audio")
        << QStringList{QStringLiteral("camcorder.MOD")} << copyOrMove << true << Qt::CopyAction;
    QTest::newRow("a source that offers only a link")
        << QStringList{QStringLiteral("clip.mp4")} << Qt::DropActions(Qt::LinkAction) << true
        << Qt::LinkAction;
    // Accepting a move makes the file manager delete the dragged file.
    QTest::newRow("a source that offers only a move")
        << QStringList{QStringLiteral("clip.mp4")} << Qt::DropActions(Qt::MoveAction) << false
        << Qt::IgnoreAction;
}

void tst_DropZone::dragEnter()
{
    QFETCH(QStringList, names);
    QFETCH(Qt::DropActions, offered);
    QFETCH(bool, accepted);
    QFETCH(Qt::DropAction, action);

    QList<QUrl> urls;
    for (const QString &name : names)
        urls.append(url(name));
    const auto mimeData = uriList(urls);
    QDragEnterEvent event(dropZone()->rect().center(), offered, mimeData.get(), Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(dropZone(), &event);
    // Ends the drag, so that Qt forgets the zone as its target before the zone goes.
    QDragLeaveEvent leave;
    QApplication::sendEvent(dropZone(), &leave);

    QCOMPARE(event.isAccepted(), accepted);
    if (accepted)
        QCOMPARE(event.dropAction(), action);
}

void tst_DropZone::dropListsOnlyTheVideoFiles_data()
{
    QTest::addColumn<int>("listed");
    QTest::addColumn<bool>("completionScreenFirst");
    QTest::addColumn<QString>("countLine");
    QTest::newRow("on the drop screen") << 3 << false << "3 files selected";
    QTest::newRow("landing on the completion screen") << 1 << true << "1 file selected";
}

void tst_DropZone::dropListsOnlyTheVideoFiles()
{
    QFETCH(int, listed);
    QFETCH(bool, completionScreenFirst);
    QFETCH(QString, countLine);
    // Its texts take the colours the theme gives them on the window, not a button's.
    QCOMPARE(dropZone()->findChild<QLabel *>()->foregroundRole(), QPalette::WindowText);
    QList<QUrl> dragged = {url(QStringLiteral("notes.txt")), url(QStringLiteral("folder.mp4")),
                           QUrl(QStringLiteral("https://example.com/web.mp4")),
                           url(QStringLiteral("picture.png"))};
    QList<QUrl> videos;
    for (const QString &name : videoNames.mid(0, listed))
        videos.append(url(name));
    dragged += videos;

    const auto mimeData = uriList(dragged);
    QCOMPARE(drop(*mimeData), Qt::CopyAction);
    // Replaced before its load can finish, the drop screen comes back, listing the files.
    if (completionScreenFirst)
        state()->setScreen(ScreenState::Screen::Completion);

    QTRY_COMPARE(state()->files().urls().size(), videos.size());
    QTest::qWait(200);
    for (const QUrl &video : videos)
        QVERIFY2(state()->files().urls().contains(video), qPrintable(video.toLocalFile()));
    QCOMPARE(state()->files().urls().size(), videos.size());
    QVERIFY(!state()->isOnCompletionScreen());

    // The screen shows what the state holds.
    QTRY_VERIFY(dropZone() && dropZone()->isVisible());
    const auto labels = dropZone()->findChildren<QLabel *>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const QLabel *label) {
        return label->isVisible() && label->text() == countLine;
    }));
    QCOMPARE(m_contentView->findChild<ConvertButton *>()->text(), ConvertButton::titleFor(listed));
}

QTEST_MAIN(tst_DropZone)
#include "tst_dropzone.moc"
