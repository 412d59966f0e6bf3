// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordedActions.h"
#include "screens/ConvertButton.h"
#include "screens/ConvertingView.h"
#include "screens/DropZone.h"
#include "screens/ElidedLabel.h"
#include "screens/FileSummary.h"
#include "screens/MainConversionView.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<QUrl> filesNamed(int count)
{
    QList<QUrl> files;
    for (int i = 1; i <= count; ++i)
        files.append(QUrl::fromLocalFile(QStringLiteral("/videos/clip%1.mov").arg(i)));
    return files;
}

QRect areaIn(const QWidget *ancestor, const QWidget *widget)
{
    return {widget->mapTo(ancestor, QPoint(0, 0)), widget->size()};
}

// The texts the user sees, top to bottom.
QStringList visibleTexts(const QWidget *parent)
{
    QMultiMap<int, QString> textsByHeight;
    for (const QWidget *child : parent->findChildren<QWidget *>()) {
        if (!child->isVisible())
            continue;
        const int y = child->mapTo(parent, QPoint(0, 0)).y();
        if (const auto *label = qobject_cast<const QLabel *>(child))
            textsByHeight.insert(y, label->text());
        else if (const auto *elided = qobject_cast<const ElidedLabel *>(child))
            textsByHeight.insert(y, elided->text());
    }
    return textsByHeight.values();
}

} // namespace

class ConversionScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_session = std::make_unique<BatchSession>(QStringLiteral("/nonexistent"),
                                                   m_dir.filePath(QStringLiteral("out")));
        m_state = m_session->stagedState();
        m_screen = std::make_unique<MainConversionView>(m_state, &m_actions);
        m_screen->setFixedSize(500, 400);
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_session.reset();
    }

    void facesFollowTheFileCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("buttonTitle");
        QTest::addColumn<bool>("buttonEnabled");

        const QString plainTitle = QStringLiteral("Make small, fast, and compatible");
        QTest::newRow("empty list invites files, button disabled")
            << 0
            << QStringList{QStringLiteral("Drop video files here"),
                           QStringLiteral("or click to choose files")}
            << plainTitle << false;
        QTest::newRow("one file: singular, no number in the title")
            << 1 << QStringList{QStringLiteral("1 file selected"), QStringLiteral("clip1.mov")}
            << plainTitle << true;
        QTest::newRow("two files: plural, number in the title")
            << 2
            << QStringList{QStringLiteral("2 files selected"), QStringLiteral("clip1.mov"),
                           QStringLiteral("clip2.mov")}
            << QStringLiteral("Make 2 small, fast, and compatible") << true;
        QTest::newRow("three files: all named, no further-files line")
            << 3
            << QStringList{QStringLiteral("3 files selected"), QStringLiteral("clip1.mov"),
                           QStringLiteral("clip2.mov"), QStringLiteral("clip3.mov")}
            << QStringLiteral("Make 3 small, fast, and compatible") << true;
        QTest::newRow("four files: three names and one more")
            << 4
            << QStringList{QStringLiteral("4 files selected"), QStringLiteral("clip1.mov"),
                           QStringLiteral("clip2.mov"), QStringLiteral("clip3.mov"),
                           QStringLiteral("... and 1 more")}
            << QStringLiteral("Make 4 small, fast, and compatible") << true;
        QTest::newRow("twenty-five files: first three in list order, 22 more")
            << 25
            << QStringList{QStringLiteral("25 files selected"), QStringLiteral("clip1.mov"),
                           QStringLiteral("clip2.mov"), QStringLiteral("clip3.mov"),
                           QStringLiteral("... and 22 more")}
            << QStringLiteral("Make 25 small, fast, and compatible") << true;
    }

    void facesFollowTheFileCount()
    {
        QFETCH(int, count);
        QFETCH(QStringList, texts);
        QFETCH(QString, buttonTitle);
        QFETCH(bool, buttonEnabled);

        m_state->files().replace(filesNamed(count));

        auto *dropZone = m_screen->findChild<DropZone *>();
        QCOMPARE(visibleTexts(dropZone), texts);
        auto *button = m_screen->findChild<ConvertButton *>();
        QCOMPARE(button->text(), buttonTitle);
        QCOMPARE(button->isEnabled(), buttonEnabled);
        // "Clear" is offered exactly while there is something to clear.
        const auto buttons = dropZone->findChildren<QAbstractButton *>();
        QCOMPARE(std::any_of(buttons.begin(), buttons.end(),
                             [](const QAbstractButton *clear) {
                                 return clear->isVisible() && clear->text() == "Clear";
                             }),
                 count > 0);
    }

    void summaryFollowsEachAddition()
    {
        auto *dropZone = m_screen->findChild<DropZone *>();
        for (const QUrl &file : filesNamed(4))
            m_state->files().append({file});
        QVERIFY(visibleTexts(dropZone).contains(QStringLiteral("... and 1 more")));
        m_state->files().replace({});
        QCOMPARE(visibleTexts(dropZone).first(), QStringLiteral("Drop video files here"));
    }

    void filesLeftByAnUnfinishedBatchAreSaidSo()
    {
        m_state->files().replace(filesNamed(2));
        m_state->setRestoredFileCount(2);
        auto *button = m_screen->findChild<ConvertButton *>();
        QVERIFY(visibleTexts(m_screen.get())
                    .contains(QStringLiteral("2 files were not converted last time")));
        // Still within the screen, clear of its margin.
        QVERIFY(areaIn(m_screen.get(), button).bottom() < 400 - 20);

        m_state->setRestoredFileCount(0);
        QVERIFY(!visibleTexts(m_screen.get())
                     .contains(QStringLiteral("2 files were not converted last time")));
    }

    void longNameIsElidedToOneLine()
    {
        const QString longName = QString(300, u'x') + QStringLiteral(".mkv");
        m_state->files().replace({QUrl::fromLocalFile(QStringLiteral("/videos/") + longName)});

        auto *nameLine = m_screen->findChild<DropZone *>()->findChild<ElidedLabel *>();
        QCOMPARE(nameLine->text(), longName);
        const QString shown = nameLine->displayedText();
        QVERIFY(shown.size() < longName.size());
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QVERIFY(nameLine->fontMetrics().horizontalAdvance(shown) <= nameLine->width());
        QCOMPARE(nameLine->height(), nameLine->fontMetrics().height());
    }

    void idleFaceHasTheProductSizes()
    {
        m_state->files().replace(filesNamed(2));
        auto *dropZone = m_screen->findChild<DropZone *>();
        auto *button = m_screen->findChild<ConvertButton *>();

        // 40 margins, 30 between the zone and the button, the 360-high column centred in 400.
        QCOMPARE(areaIn(m_screen.get(), dropZone), QRect(40, 60, 420, 200));
        QCOMPARE(areaIn(m_screen.get(), button), QRect(100, 290, 300, 50));
    }

    void convertingHidesZoneAndButton()
    {
        m_state->files().replace(filesNamed(1));
        m_state->setScreen(ScreenState::Screen::Converting);
        QVERIFY(!m_screen->findChild<DropZone *>()->isVisible());
        QVERIFY(!m_screen->findChild<ConvertButton *>()->isVisible());
        QVERIFY(m_screen->findChild<ConvertingView *>()->isVisible());
    }

    void convertButtonStartsOnlyWithFiles()
    {
        auto *button = m_screen->findChild<ConvertButton *>();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(m_actions.asked.isEmpty());

        m_session->startConversion();
        QVERIFY(!m_state->isConverting());

        m_state->files().replace(filesNamed(1));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_actions.asked, QStringList{QStringLiteral("startConversion")});
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<BatchSession> m_session;
    ScreenState *m_state = nullptr;
    RecordedActions m_actions;
    std::unique_ptr<MainConversionView> m_screen;
};

QTEST_MAIN(ConversionScreenTest)
#include "tst_conversionscreen.moc"
