// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleMedia.h"
#include "TemporaryHome.h"
#include "app/ClipforgerApp.h"
#include "app/MainWindow.h"
#include "engine/EncoderLocation.h"
#include "screens/ConvertButton.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// A batch killed mid-encode, then picked up again at the next start, with the real encoder.
class tst_CrashRecovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedBatchIsOfferedAgainAndEachFileConvertedOnce()
    {
        if (!QFileInfo(bundledEncoderPath()).isExecutable())
            QSKIP("no HandBrakeCLI in the resource folder");
        const TemporaryHome home;
        QTemporaryDir dir;
        QList<QUrl> clips;
        for (const char *name : {"one.mp4", "two.mp4", "three.mp4"}) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QVERIFY(SampleMedia::makeMovie(path, QStringLiteral("1280x720"), 25, 4));
            clips.append(QUrl::fromLocalFile(path));
        }
        const QString folder = dir.filePath(QStringLiteral("Clipforger"));
        const QString record = dir.filePath(QStringLiteral("state/clipforger/batch.json"));

        QProcess crashing;
        crashing.start(QStringLiteral(SESSION_RUNNER),
                       {record, folder, clips[0].toLocalFile(), clips[1].toLocalFile(),
                        clips[2].toLocalFile()});
        // The first file is done and the second one is being written.
        const auto secondUnderWay = [&] {
            const QStringList partial =
                QDir(folder).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
            return QFileInfo::exists(folder + QStringLiteral("/one_converted.mp4")) &&
                   !partial.isEmpty();
        };
        QTRY_VERIFY_WITH_TIMEOUT(secondUnderWay(), 120000);
        ::kill(pid_t(crashing.processId()), SIGKILL);
        QVERIFY(crashing.waitForFinished());

        ClipforgerApp next(bundledEncoderPath(), folder, QDBusConnection(QStringLiteral("no bus")));
        next.start(record, {});
        ScreenState *state = next.session()->stagedState();
        QTRY_COMPARE(state->files().urls().size(), 2);
        QCOMPARE(state->files().urls(), QList<QUrl>({clips[1], clips[2]}));
        QVERIFY(labelTexts(next.window())
                    .contains(QStringLiteral("2 files were not converted last time")));

        QTest::mouseClick(next.window()->findChild<ConvertButton *>(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(state->isOnCompletionScreen(), 240000);
        QCOMPARE(failedCount(state->files().outcomes()), 0);
        QCOMPARE(
            QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            QStringList({QStringLiteral("one_converted.mp4"), QStringLiteral("three_converted.mp4"),
                         QStringLiteral("two_converted.mp4")}));
        QVERIFY(!QFile::exists(record));
    }

private:
    static QStringList labelTexts(const QWidget *window)
    {
        QStringList texts;
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (label->isVisible())
                texts.append(label->text());
        }
        return texts;
    }
};

QTEST_MAIN(tst_CrashRecovery)
#include "tst_crashrecovery.moc"
