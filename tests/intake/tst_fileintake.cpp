// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleMedia.h"
#include "intake/FileIntake.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int settleMs = 300;

// What an intake reported, in arrival order, each URL once: as the drop screen lists it.
class FoundList : public QObject
{
public:
    explicit FoundList(FileIntake &intake, QList<QUrl> listed = {})
        : m_urls(std::move(listed))
    {
        connect(&intake, &FileIntake::videosFound, this, [this](const QList<QUrl> &urls) {
            for (const QUrl &url : urls) {
                if (!m_urls.contains(url))
                    m_urls.append(url);
            }
        });
    }
    const QList<QUrl> &urls() const { return m_urls; }

private:
    QList<QUrl> m_urls;
};

} // namespace

class tst_FileIntake : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listsExactlyTheVideoFiles();
    void duplicates_data();
    void duplicates();
    void folderContributesItsVideosInNameOrder();
    void nothingArrivesFromAbandonedLoads_data();
    void nothingArrivesFromAbandonedLoads();

private:
    QUrl url(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)); }
    QList<QUrl> urls(const QStringList &names) const;
    // Waits for the list to reach its expected size, then a little longer so that a stray late
    // append would show.
    void settle(const FoundList &found, qsizetype expectedCount);

    QTemporaryDir m_dir;
};

const QStringList awkwardNames = {
    QStringLiteral("two  blanks.mp4"),     QStringLiteral("\"double\" and 'single' quotes.mkv"),
    QStringLiteral("Ünïcödé ビデオ.webm"), QStringLiteral("-i leading dash.mp4"),
    QStringLiteral("line\nbreak.mov"),
};

void tst_FileIntake::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(SampleMedia::makeClip(m_dir.filePath(QStringLiteral("clip.mp4"))));
    for (const QString &name : awkwardNames + QStringList{QStringLiteral("other.mp4")})
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("clip.mp4")), m_dir.filePath(name)));
    QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("clip.mp4")),
                        m_dir.filePath(QStringLiteral("link.mp4"))));
    QVERIFY(SampleMedia::makeText(m_dir.filePath(QStringLiteral("notes.txt"))));
    QVERIFY(SampleMedia::makeAudio(m_dir.filePath(QStringLiteral("sound.mp3"))));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.mp4")));
}

QList<QUrl> tst_FileIntake::urls(const QStringList &names) const
{
    QList<QUrl> result;
    for (const QString &name : names)
        result.append(url(name));
    return result;
}

void tst_FileIntake::settle(const FoundList &found, qsizetype expectedCount)
{
    QTRY_COMPARE(found.urls().size(), expectedCount);
    QTest::qWait(settleMs);
}

void tst_FileIntake::listsExactlyTheVideoFiles()
{
    FileIntake intake;
    FoundList found(intake);
    const QList<QUrl> others = {url(QStringLiteral("notes.txt")), url(QStringLiteral("sound.mp3")),
                                url(QStringLiteral("folder.mp4")),
                                QUrl(QStringLiteral("https://example.com/clip.mp4"))};

    intake.take(others + urls(awkwardNames));

    settle(found, awkwardNames.size());
    QCOMPARE(found.urls(), urls(awkwardNames));
    // The encoder gets these paths later: not a byte of a name may change on the way.
    for (const QUrl &listed : found.urls())
        QVERIFY2(awkwardNames.contains(QFileInfo(listed.toLocalFile()).fileName()),
                 qPrintable(listed.toLocalFile()));
}

void tst_FileIntake::duplicates_data()
{
    QTest::addColumn<QStringList>("listedBefore");
    QTest::addColumn<QList<QStringList>>("drops");
    QTest::addColumn<QStringList>("expected");

    const QString clip = QStringLiteral("clip.mp4");
    const QString other = QStringLiteral("other.mp4");
    const QString link = QStringLiteral("link.mp4");
    QTest::newRow("one drop naming a file twice")
        << QStringList{} << QList<QStringList>{{clip, clip}} << QStringList{clip};
    QTest::newRow("two drops of the same file")
        << QStringList{} << QList<QStringList>{{clip}, {clip}} << QStringList{clip};
    QTest::newRow("listed files keep their places; only the new one is appended")
        << QStringList{other, clip} << QList<QStringList>{{clip, awkwardNames[0], other}}
        << QStringList{other, clip, awkwardNames[0]};
    QTest::newRow("a link keeps its own name: the batch list, not the intake, holds a file once")
        << QStringList{} << QList<QStringList>{{clip}, {link}} << QStringList{clip, link};
}

void tst_FileIntake::duplicates()
{
    QFETCH(QStringList, listedBefore);
    QFETCH(QList<QStringList>, drops);
    QFETCH(QStringList, expected);

    FileIntake intake;
    FoundList found(intake, urls(listedBefore));
    for (const QStringList &drop : drops)
        intake.take(urls(drop));

    settle(found, expected.size());
    QCOMPARE(found.urls(), urls(expected));
}

void tst_FileIntake::folderContributesItsVideosInNameOrder()
{
    // Names in bytes: two of them are not UTF-8, as on old USB sticks.
    const QByteArray root = QFile::encodeName(m_dir.filePath(QStringLiteral("tree")));
    const QByteArray clip = QFile::encodeName(m_dir.filePath(QStringLiteral("clip.mp4")));
    QCOMPARE(::mkdir(root.constData(), 0700), 0);
    for (const QByteArray entry :
         {"b 10.mp4", "b 9.mp4", "A.mkv", "sub/", "sub/deeper/", "sub/deeper/x.mp4", ".hidden/",
          ".hidden/secret.mp4", ".dot.mp4", "locked/", "locked/inside.mp4", "Urlaub_\xe9t\xe9/",
          "Urlaub_\xe9t\xe9/strand.mp4", "caf\xe9.mp4"}) {
        const QByteArray path = root + '/' + entry;
        QVERIFY2(entry.endsWith('/') ? ::mkdir(path.constData(), 0700) == 0
                                     : ::link(clip.constData(), path.constData()) == 0,
                 entry.constData());
    }
    QVERIFY(SampleMedia::makeText(QFile::decodeName(root + "/notes.txt")));
    QVERIFY(QFile::copy(QFile::decodeName(clip), QFile::decodeName(root + "/unreadable.mp4")));
    QVERIFY(QFile::link(QFile::decodeName(root), QFile::decodeName(root + "/sub/loop")));
    QCOMPARE(::chmod((root + "/locked").constData(), 0), 0);
    QCOMPARE(::chmod((root + "/unreadable.mp4").constData(), 0), 0);

    FileIntake intake;
    FoundList found(intake);
    intake.setFoldersSeenInterval(std::chrono::milliseconds(0));
    QList<qsizetype> foldersSeen;
    connect(&intake, &FileIntake::foldersSeenChanged, &found,
            [&foldersSeen](qsizetype count) { foldersSeen.append(count); });
    intake.take({QUrl::fromLocalFile(QFile::decodeName(root))});
    settle(found, 6);
    // Each folder once, the locked one too; the loop back to the top is not entered again.
    QCOMPARE(foldersSeen, QList<qsizetype>({1, 2, 3, 4, 5, 0}));

    QStringList names;
    for (const QUrl &listed : found.urls())
        names.append(listed.fileName());
    QCOMPARE(names,
             QStringList({"A.mkv", "b 9.mp4", "b 10.mp4", "café.mp4", "x.mp4", "strand.mp4"}));
    // Undecodable paths are listed by a readable link to the very same file.
    const auto target = [](const QUrl &link) {
        char buffer[4096];
        const ssize_t size =
            ::readlink(QFile::encodeName(link.toLocalFile()).constData(), buffer, sizeof buffer);
        return QByteArray(buffer, std::max<ssize_t>(size, 0));
    };
    QCOMPARE(target(found.urls()[3]), root + "/caf\xe9.mp4");
    QCOMPARE(target(found.urls()[5]), root + "/Urlaub_\xe9t\xe9/strand.mp4");

    // QTemporaryDir removes only what Qt can name and open.
    ::chmod((root + "/locked").constData(), 0700);
    ::unlink((root + "/caf\xe9.mp4").constData());
    ::unlink((root + "/Urlaub_\xe9t\xe9/strand.mp4").constData());
    ::rmdir((root + "/Urlaub_\xe9t\xe9").constData());
}

void tst_FileIntake::nothingArrivesFromAbandonedLoads_data()
{
    QTest::addColumn<bool>("destroyed");
    QTest::newRow("intake destroyed") << true;
    QTest::newRow("loads cancelled, as Clear does") << false;
}

void tst_FileIntake::nothingArrivesFromAbandonedLoads()
{
    QFETCH(bool, destroyed);
    auto intake = std::make_unique<FileIntake>();
    int found = 0;
    QObject receiver;
    connect(intake.get(), &FileIntake::videosFound, &receiver, [&found] { ++found; });
    QList<QUrl> many;
    for (int i = 0; i < 200; ++i)
        many.append(urls(awkwardNames));
    intake->take(many + QList<QUrl>{QUrl::fromLocalFile(m_dir.path())});
    if (destroyed)
        intake.reset();
    else
        intake->cancel();

    // Loads still running must neither arrive nor touch freed memory.
    QTest::qWait(settleMs);
    QCOMPARE(found, 0);
}

// Permissions mean nothing to root: the tests run as nobody, so that unreadable is unreadable.
int main(int argc, char *argv[])
{
    constexpr uid_t nobody = 65534;
    if (::geteuid() == 0 && (::setgid(nobody) != 0 || ::setuid(nobody) != 0))
        qFatal("cannot give up root");
    QCoreApplication application(argc, argv);
    // Folders are walked in the order of the user's language; the tests read as in English.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    tst_FileIntake test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fileintake.moc"
