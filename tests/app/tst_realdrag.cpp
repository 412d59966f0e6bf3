// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleMedia.h"
#include "app/MainWindow.h"
#include "screens/DropZone.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

constexpr int stepTimeoutMs = 10000;

const QStringList videoNames = {QStringLiteral("holiday.mp4"),
                                QStringLiteral("-x \"Ünïcödé\" 'clip'\nsecond line.mkv")};

} // namespace

// A real XDND drag from another process, driven by the X server's own pointer: the path every
// user's drag from the file manager takes, which synthetic events skip.
class tst_RealDrag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void dragFromAnotherProcess_data();
    void dragFromAnotherProcess();

private:
    // Runs xdotool while this process keeps serving its own window: the drop target has to
    // answer the source's messages during the pointer's moves.
    bool pointer(const QStringList &arguments);
    bool waitForLine(QProcess &process, const QByteArray &line);
    QUrl url(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }

    QTemporaryDir m_dir;
    QString m_xdotool;
};

void tst_RealDrag::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    QVERIFY2(!m_xdotool.isEmpty(), "xdotool is a test dependency: scripts/install-deps.sh test");

    QVERIFY(SampleMedia::makeClip(m_dir.filePath(videoNames[0])));
    QVERIFY(QFile::copy(m_dir.filePath(videoNames[0]), m_dir.filePath(videoNames[1])));
    QVERIFY(SampleMedia::makeText(m_dir.filePath(QStringLiteral("notes.txt"))));
    QVERIFY(SampleMedia::makeText(m_dir.filePath(QStringLiteral("letter.pdf"))));
    QVERIFY(SampleMedia::makeAudio(m_dir.filePath(QStringLiteral("song.mp3"))));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.mp4")));
}

bool tst_RealDrag::pointer(const QStringList &arguments)
{
    QProcess xdotool;
    xdotool.start(m_xdotool, arguments);
    return QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; },
                           stepTimeoutMs) &&
           xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
}

bool tst_RealDrag::waitForLine(QProcess &process, const QByteArray &line)
{
    return QTest::qWaitFor(
        [&] {
            while (process.canReadLine()) {
                if (process.readLine().trimmed() == line)
                    return true;
            }
            return false;
        },
        stepTimeoutMs);
}

void tst_RealDrag::dragFromAnotherProcess_data()
{
    QTest::addColumn<QStringList>("dragged");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QByteArray>("action");

    const QStringList documents = {QStringLiteral("notes.txt"), QStringLiteral("letter.pdf")};
    // The source proposes a move, as file managers do within one disk; the zone must answer
    // with a copy, or the file manager deletes the files.
    QTest::newRow("videos among other files: only the videos, taken as a copy")
        << documents + QStringList{QStringLiteral("song.mp3"), QStringLiteral("folder.mp4")} +
               videoNames
        << videoNames << QByteArray("copy");
    QTest::newRow("documents only: the zone refuses the drag")
        << documents << QStringList{} << QByteArray("ignore");
}

void tst_RealDrag::dragFromAnotherProcess()
{
    QFETCH(QStringList, dragged);
    QFETCH(QStringList, expected);
    QFETCH(QByteArray, action);

    QStringList arguments = {QStringLiteral("50"), QStringLiteral("50")};
    for (const QString &name : dragged)
        arguments.append(QString::fromUtf8(url(name).toEncoded()));
    QList<QUrl> expectedUrls;
    for (const QString &name : expected)
        expectedUrls.append(url(name));

    BatchSession session(QStringLiteral("/nonexistent/HandBrakeCLI"),
                         m_dir.filePath(QStringLiteral("out")));
    MainWindow window(&session);
    // No window manager runs here: windows stay exactly where they are put.
    window.move(400, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *dropZone = window.findChild<DropZone *>();
    QVERIFY(dropZone);
    const QPoint target = dropZone->mapToGlobal(dropZone->rect().center());

    QProcess source;
    source.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    source.start(QStringLiteral(CLIPFORGER_DRAG_SOURCE), arguments);
    QVERIFY(waitForLine(source, "ready"));
    QTest::qWait(200);

    const QPoint start(100, 100);
    QVERIFY(pointer(
        {QStringLiteral("mousemove"), QString::number(start.x()), QString::number(start.y())}));
    QVERIFY(pointer({QStringLiteral("mousedown"), QStringLiteral("1")}));
    QVERIFY(waitForLine(source, "dragging"));
    // In steps, as a hand moves: the drag enters the window, then the zone.
    constexpr int steps = 8;
    for (int step = 1; step <= steps; ++step) {
        const QPoint at = start + (target - start) * step / steps;
        QVERIFY(pointer(
            {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())}));
        QTest::qWait(50);
    }
    QTest::qWait(300);
    QVERIFY(pointer({QStringLiteral("mouseup"), QStringLiteral("1")}));

    QVERIFY(waitForLine(source, action));
    ScreenState *state = session.stagedState();
    QTRY_COMPARE(state->files().urls().size(), expectedUrls.size());
    QTest::qWait(300);
    QCOMPARE(state->files().urls(), expectedUrls);
    for (const QString &name : dragged)
        QVERIFY2(QFileInfo::exists(m_dir.filePath(name)), qPrintable(name));

    source.terminate();
    QVERIFY(source.waitForFinished(stepTimeoutMs));
}

QTEST_MAIN(tst_RealDrag)
#include "tst_realdrag.moc"
