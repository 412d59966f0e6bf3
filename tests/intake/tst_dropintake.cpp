#include "SampleMedia.h"
#include "intake/DropIntake.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

constexpr int settleMs = 300;

// What an intake reported, in arrival order, each URL once: as the drop screen lists it.
class FoundList : public QObject
{
public:
    explicit FoundList(DropIntake &intake, QList<QUrl> listed = {})
        : m_urls(std::move(listed))
    {
        connect(&intake, &DropIntake::videoFound, this, [this](const QUrl &url) {
            if (!m_urls.contains(url))
                m_urls.append(url);
        });
    }
    const QList<QUrl> &urls() const { return m_urls; }

private:
    QList<QUrl> m_urls;
};

QList<QUrl> sorted(QList<QUrl> urls)
{
    std::sort(urls.begin(), urls.end(),
              [](const QUrl &a, const QUrl &b) { return a.toString() < b.toString(); });
    return urls;
}

} // namespace

class tst_DropIntake : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listsExactlyTheVideoFiles();
    void duplicates_data();
    void duplicates();
    void intakeDestroyedWithLoadsPending();

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

void tst_DropIntake::initTestCase()
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

QList<QUrl> tst_DropIntake::urls(const QStringList &names) const
{
    QList<QUrl> result;
    for (const QString &name : names)
        result.append(url(name));
    return result;
}

void tst_DropIntake::settle(const FoundList &found, qsizetype expectedCount)
{
    QTRY_COMPARE(found.urls().size(), expectedCount);
    QTest::qWait(settleMs);
}

void tst_DropIntake::listsExactlyTheVideoFiles()
{
    DropIntake intake;
    FoundList found(intake);
    const QList<QUrl> others = {url(QStringLiteral("notes.txt")), url(QStringLiteral("sound.mp3")),
                                url(QStringLiteral("folder.mp4")),
                                QUrl(QStringLiteral("https://example.com/clip.mp4"))};

    intake.take(others + urls(awkwardNames));

    settle(found, awkwardNames.size());
    QCOMPARE(sorted(found.urls()), sorted(urls(awkwardNames)));
    // The encoder gets these paths later: not a byte of a name may change on the way.
    for (const QUrl &listed : found.urls())
        QVERIFY2(awkwardNames.contains(QFileInfo(listed.toLocalFile()).fileName()),
                 qPrintable(listed.toLocalFile()));
}

void tst_DropIntake::duplicates_data()
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
    QTest::newRow("a link and its target are two entries: links are not resolved")
        << QStringList{} << QList<QStringList>{{clip}, {link}} << QStringList{clip, link};
}

void tst_DropIntake::duplicates()
{
    QFETCH(QStringList, listedBefore);
    QFETCH(QList<QStringList>, drops);
    QFETCH(QStringList, expected);

    DropIntake intake;
    FoundList found(intake, urls(listedBefore));
    for (const QStringList &drop : drops)
        intake.take(urls(drop));

    settle(found, expected.size());
    const QList<QUrl> listed = found.urls();
    QCOMPARE(listed.first(listedBefore.size()), urls(listedBefore));
    QCOMPARE(sorted(listed), sorted(urls(expected)));
}

void tst_DropIntake::intakeDestroyedWithLoadsPending()
{
    auto *intake = new DropIntake;
    int found = 0;
    QObject receiver;
    connect(intake, &DropIntake::videoFound, &receiver, [&found] { ++found; });
    QList<QUrl> many;
    for (int i = 0; i < 200; ++i)
        many.append(urls(awkwardNames));
    intake->take(many);
    delete intake;

    // Loads still running when the intake went must neither arrive nor touch freed memory.
    QTest::qWait(settleMs);
    QCOMPARE(found, 0);
}

QTEST_GUILESS_MAIN(tst_DropIntake)
#include "tst_dropintake.moc"
