// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/ProcessLiveness.h"
#include "engine/StalePartFileCleanup.h"
#include "intake/ReadableAliases.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

enum class Owner { Ended, NotYetReaped, AnotherProgram, RunningInstance, EarlierProcessWithOurId };
enum class Type { File, Link, Folder };
Q_DECLARE_METATYPE(Owner)
Q_DECLARE_METATYPE(Type)

class tst_StalePartFileCleanup : public QObject
{
    Q_OBJECT

private slots:
    void removesOnlyWhatEndedInstancesLeft_data();
    void removesOnlyWhatEndedInstancesLeft();
};

void tst_StalePartFileCleanup::removesOnlyWhatEndedInstancesLeft_data()
{
    QTest::addColumn<QString>("name"); // <pid>: the owner's process id
    QTest::addColumn<Owner>("owner");
    QTest::addColumn<Type>("type");
    QTest::addColumn<bool>("removed");

    const QString temporary = QStringLiteral(".clip_converted.mp4.clipforger-<pid>-7.part");
    QTest::newRow("ended instance's") << temporary << Owner::Ended << Type::File << true;
    QTest::newRow("killed instance's, not yet reaped")
        << temporary << Owner::NotYetReaped << Type::File << true;
    QTest::newRow("id now another program's")
        << temporary << Owner::AnotherProgram << Type::File << true;
    QTest::newRow("running instance's")
        << temporary << Owner::RunningInstance << Type::File << false;
    QTest::newRow("earlier process with this one's id")
        << temporary << Owner::EarlierProcessWithOurId << Type::File << true;
    QTest::newRow("symbolic link") << temporary << Owner::Ended << Type::Link << false;
    QTest::newRow("folder") << temporary << Owner::Ended << Type::Folder << false;
    QTest::newRow("not hidden") << QStringLiteral("clip.clipforger-<pid>-7.part") << Owner::Ended
                                << Type::File << false;
    QTest::newRow("no process id")
        << QStringLiteral(".clip.clipforger-<pid>x-7.part") << Owner::Ended << Type::File << false;
    QTest::newRow("user's own") << QStringLiteral(".clip.mp4.part") << Owner::Ended << Type::File
                                << false;
    const QString links = QStringLiteral("clipforger-links-<pid>-a1B2c3");
    QTest::newRow("ended instance's links") << links << Owner::NotYetReaped << Type::Folder << true;
    QTest::newRow("running instance's links")
        << links << Owner::RunningInstance << Type::Folder << false;
}

void tst_StalePartFileCleanup::removesOnlyWhatEndedInstancesLeft()
{
    QFETCH(QString, name);
    QFETCH(Owner, owner);
    QFETCH(Type, type);
    QFETCH(bool, removed);
    // A copy of this process is a running instance of the same program.
    const pid_t pid = owner == Owner::EarlierProcessWithOurId ? ::getpid() : ::fork();
    if (pid == 0) {
        if (owner == Owner::AnotherProgram)
            ::execlp("sleep", "sleep", "60", nullptr);
        if (owner == Owner::RunningInstance)
            ::pause();
        ::_exit(0);
    }
    const auto endOwner = qScopeGuard([&] {
        if (pid != ::getpid() && ::kill(pid, SIGKILL) == 0)
            ::waitpid(pid, nullptr, 0);
    });
    if (owner == Owner::Ended)
        ::waitpid(pid, nullptr, 0);
    siginfo_t exited;
    if (owner == Owner::NotYetReaped)
        ::waitid(P_PID, id_t(pid), &exited, WEXITED | WNOWAIT);
    QTRY_VERIFY(
        owner != Owner::AnotherProgram ||
        QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget().endsWith("sleep"));
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString finished = folder.filePath(QStringLiteral("clip_converted.mp4"));
    QVERIFY(QFile(finished).open(QIODevice::WriteOnly));
    const QString path = folder.filePath(name.replace("<pid>", QString::number(pid)));
    QVERIFY(type == Type::Folder ? folder.mkdir(path)
            : type == Type::Link ? QFile::link(finished, path)
                                 : QFile(path).open(QIODevice::WriteOnly));

    QCOMPARE(
        StalePartFileCleanup::run(folder.path()) +
            ReadableAliases::removeLeftBehind(folder.path(), &ProcessLiveness::isRunningInstance),
        removed ? 1 : 0);

    const QStringList left =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QCOMPARE(left.contains(name), !removed);
    QVERIFY(left.contains(QStringLiteral("clip_converted.mp4")));
}

QTEST_GUILESS_MAIN(tst_StalePartFileCleanup)
#include "tst_stalepartfilecleanup.moc"
