// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeEncoderLog.h"
#include "SampleMedia.h"
#include "intake/LocalPath.h"
#include "session/BatchSession.h"
#include "session/CrashRecord.h"
#include "session/ScreenState.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <sys/wait.h>
#include <unistd.h>

// A batch cut short is offered again at the next start, from the record the session keeps.
class tst_CrashRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_recordPath = m_dir->filePath(QStringLiteral("state/clipforger/batch.json"));
    }

    void recordFollowsEachFileAndGoesWithANormalEnd()
    {
        FakeEncoderLog log;
        BatchSession session(FakeEncoderLog::encoderPath(), m_dir->filePath(QStringLiteral("out")));
        session.recordBatchesAt(m_recordPath);
        session.setEncodeCapacity(EncodeCapacity(1));
        const QList<QUrl> files = {input("a.mov", "ok"), input("b.mov", "exit 1"),
                                   input("c.mov", "ok")};
        session.stagedState()->files().replace(files);

        // What a crash at the start of each file would leave behind.
        QList<QList<QVariant>> recorded;
        connect(session.state(), &ScreenState::currentFileIndexChanged, this,
                [&] { recorded.append(convertedFlags()); });
        session.startConversion();
        QCOMPARE(convertedFlags(), (QList<QVariant>{QVariant(), QVariant(), QVariant()}));
        QTRY_VERIFY(session.state()->isOnCompletionScreen());

        QCOMPARE(recorded, (QList<QList<QVariant>>{{true, QVariant(), QVariant()},
                                                   {true, false, QVariant()}}));
        QVERIFY2(!QFile::exists(m_recordPath), "a batch that ended leaves no record");
    }

    void quittingMidBatchKeepsTheRecordButStopDoesNot_data()
    {
        QTest::addColumn<bool>("quitting");
        QTest::newRow("the app quits") << true;
        QTest::newRow("the user presses Stop") << false;
    }

    void quittingMidBatchKeepsTheRecordButStopDoesNot()
    {
        QFETCH(bool, quitting);
        FakeEncoderLog log;
        const QUrl joined = latin1Input("jo\xefned.mov", "sleep");
        // QTemporaryDir removes only what Qt can name.
        const auto removeJoined =
            qScopeGuard([&] { ::unlink(LocalPath::fromUrl(joined).constData()); });
        {
            BatchSession session(FakeEncoderLog::encoderPath(),
                                 m_dir->filePath(QStringLiteral("out")));
            session.recordBatchesAt(m_recordPath);
            session.stagedState()->files().replace(
                {input("done.mov", "ok"), input("long.mov", "sleep")});
            session.startConversion();
            QTRY_COMPARE(log.runCount(), 2);
            QTRY_VERIFY(QFile::exists(m_dir->filePath(QStringLiteral("out/done_converted.mp4"))));
            // A file that joins the running batch is recorded too, without waiting for an end;
            // one whose name is not UTF-8 by its own bytes, not by the link it is read through.
            session.addFiles({joined});
            QTRY_COMPARE(convertedFlags().size(), 3);
            if (quitting)
                session.stopForQuit();
            else
                session.stopConversion();
            QTRY_VERIFY(session.state()->isOnCompletionScreen());
        }
        QCOMPARE(convertedFlags(),
                 quitting ? (QList<QVariant>{true, false, false}) : QList<QVariant>());
        if (!quitting)
            return;
        BatchSession next(QString(), m_dir->filePath(QStringLiteral("out")));
        next.recordBatchesAt(m_recordPath);
        QTRY_COMPARE(next.state()->restoredFileCount(), 2);
        QCOMPARE(next.state()->files().at(1).url.fileName(), QStringLiteral("joïned.mov"));
    }

    void nextStartListsTheUnconvertedFilesThatAreStillVideos()
    {
        const QUrl converted = clip("converted.mp4");
        const QUrl failed = clip("failed.mp4");
        const QUrl notBegun = clip("not begun.mkv");
        const QUrl gone = QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("gone.mp4")));
        const QUrl nowEmpty = QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("now empty.mp4")));
        QFile(nowEmpty.toLocalFile()).open(QIODevice::WriteOnly);
        // Converted while files before it still ran.
        const QUrl convertedLater = clip("converted later.mp4");
        CrashRecord(m_recordPath)
            .write({converted, failed, gone, nowEmpty, notBegun, convertedLater},
                   {true, false, std::nullopt, std::nullopt, std::nullopt, true});

        // The run that left it was killed a moment ago and is not yet reaped.
        const pid_t killed = ::fork();
        if (killed == 0) {
            QLockFile lock(m_recordPath + QStringLiteral(".lock"));
            ::_exit(lock.tryLock(0) ? 0 : 1);
        }
        siginfo_t exited;
        QCOMPARE(::waitid(P_PID, id_t(killed), &exited, WEXITED | WNOWAIT), 0);
        const auto reap = qScopeGuard([killed] { ::waitpid(killed, nullptr, 0); });

        BatchSession session(QString(), m_dir->filePath(QStringLiteral("out")));
        session.recordBatchesAt(m_recordPath);
        const QUrl dropped = clip("dropped.mp4");
        QCOMPARE(listedUpTo(session, dropped), QList<QUrl>({failed, notBegun, dropped}));
        QCOMPARE(session.state()->restoredFileCount(), 2);

        // A second instance neither lists them nor takes the record.
        BatchSession other(QString(), m_dir->filePath(QStringLiteral("out")));
        other.recordBatchesAt(m_recordPath);
        QCOMPARE(listedUpTo(other, dropped), QList<QUrl>({dropped}));

        // Emptying the list forgets them.
        session.clearFiles();
        QCOMPARE(session.state()->restoredFileCount(), 0);
        QVERIFY(!QFile::exists(m_recordPath));
    }

    void unreadableRecordIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray gone =
            QUrl::fromLocalFile(QStringLiteral("/nonexistent/gone.mp4")).toEncoded();
        QTest::newRow("truncated") << QByteArray("{\"version\":1,\"files\":[{\"input\":\"file:///");
        QTest::newRow("not JSON") << QByteArray("\x89PNG\r\n\x1a\n");
        QTest::newRow("another shape") << QByteArray("[1, 2, 3]");
        QTest::newRow("from a future version") << QByteArray("{\"version\":2,\"files\":[]}");
        QTest::newRow("not a local file")
            << QByteArray("{\"version\":1,\"files\":[{\"input\":\"https://example.com/a.mp4\"}]}");
        QTest::newRow("only files that are gone")
            << "{\"version\":1,\"files\":[{\"input\":\"" + gone + "\"}]}";
        // Not a file at all: read, they would hang the start or fill the memory.
        QTest::newRow("a pipe") << QByteArray("mkfifo");
        QTest::newRow("an endless device") << QByteArray("ln -s /dev/zero");
    }

    void unreadableRecordIsSetAside()
    {
        QFETCH(QByteArray, content);
        QDir().mkpath(QFileInfo(m_recordPath).path());
        QFile record(m_recordPath);
        if (content.startsWith("mkfifo") || content.startsWith("ln "))
            QCOMPARE(QProcess::execute("sh", {"-c", content + " \"$0\"", m_recordPath}), 0);
        else if (record.open(QIODevice::WriteOnly))
            record.write(content);
        record.close();

        BatchSession session(QString(), m_dir->filePath(QStringLiteral("out")));
        session.recordBatchesAt(m_recordPath);
        const QUrl dropped = clip("dropped.mp4");
        QCOMPARE(listedUpTo(session, dropped), QList<QUrl>({dropped}));
        QVERIFY(!QFile::exists(m_recordPath));
        const QStringList setAside = QDir(QFileInfo(m_recordPath).path())
                                         .entryList({QStringLiteral("batch.json.unreadable-*")},
                                                    QDir::AllEntries | QDir::System);
        QCOMPARE(setAside.size(), 1);
    }

private:
    QUrl input(const char *name, const QByteArray &instructions) const
    {
        return FakeEncoderLog::instructedInput(m_dir->filePath(QString::fromUtf8(name)),
                                               instructions);
    }
    // A file named in Latin-1, as on old USB sticks, given as the file system's bytes.
    QUrl latin1Input(const QByteArray &name, const QByteArray &instructions) const
    {
        const QByteArray path = QFile::encodeName(m_dir->path()) + '/' + name;
        const QString written = input("latin1", instructions).toLocalFile();
        if (::rename(QFile::encodeName(written).constData(), path.constData()) != 0)
            qFatal("cannot rename to %s", name.constData());
        return LocalPath::toUrl(path);
    }
    // What the session lists before a file dropped now, which the intake tells after all it
    // was given before: the files restored from the record.
    static QList<QUrl> listedUpTo(BatchSession &session, const QUrl &dropped)
    {
        session.addFiles({dropped});
        if (!QTest::qWaitFor([&] { return session.state()->files().urls().contains(dropped); }))
            return {};
        return session.state()->files().urls();
    }
    QUrl clip(const char *name) const
    {
        const QString path = m_dir->filePath(QString::fromUtf8(name));
        if (!SampleMedia::makeClip(path))
            qFatal("ffmpeg could not make %s", name);
        return QUrl::fromLocalFile(path);
    }
    // Per recorded file: whether it was converted, or nothing while it has not ended.
    QList<QVariant> convertedFlags() const
    {
        QFile file(m_recordPath);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QVariant> flags;
        const QJsonArray files = QJsonDocument::fromJson(file.readAll())
                                     .object()
                                     .value(QStringLiteral("files"))
                                     .toArray();
        for (const QJsonValue &entry : files)
            flags.append(entry.toObject().value(QStringLiteral("converted")).toVariant());
        return flags;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_recordPath;
};

QTEST_GUILESS_MAIN(tst_CrashRecord)
#include "tst_crashrecord.moc"
