#include "DesktopStandIns.h"
#include "screens/CompletionView.h"
#include "screens/ContentView.h"
#include "screens/ElidedLabel.h"
#include "screens/LargeButton.h"
#include "screens/MainConversionView.h"
#include "screens/SymbolView.h"
#include "screens/Theme.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Failure = FileOutcome::Failure;

namespace {

FileOutcome outcome(const QString &name, Failure failure = Failure::None)
{
    return {QUrl::fromLocalFile(QStringLiteral("/videos/") + name), QString(), failure, 0};
}

// The texts the screen shows, top to bottom, buttons excluded. The view must be laid out.
QStringList visibleTexts(const QWidget *view)
{
    QMultiMap<int, QString> textsByTop;
    for (const QWidget *widget : view->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(view))
            continue;
        const int top = widget->mapTo(view, QPoint(0, 0)).y();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            textsByTop.insert(top, label->text());
        else if (const auto *line = qobject_cast<const ElidedLabel *>(widget))
            textsByTop.insert(top, line->text());
    }
    return textsByTop.values();
}

LargeButton *button(const QWidget *view, const QString &text)
{
    for (LargeButton *candidate : view->findChildren<LargeButton *>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

// A state as a batch leaves it when it ends.
std::unique_ptr<ScreenState> endedBatch(const BatchOutcomes &outcomes, const QUrl &folder = {})
{
    auto state = std::make_unique<ScreenState>();
    state->setBatchOutcomes(outcomes);
    state->setOutputFolder(folder);
    return state;
}

QRect geometryIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

} // namespace

class TestCompletionView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void variants_data();
    void variants();
    void layout_data();
    void layout();
    void viewFiles_data();
    void viewFiles();
    void backRunsTheBackAction();
    void rootShowsTheOutcomesAndGoesBack();
};

void TestCompletionView::variants_data()
{
    QTest::addColumn<BatchOutcomes>("outcomes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QColor>("iconColour");

    const QColor green = Theme::success();
    const QColor orange = Theme::warning();

    QTest::newRow("all converted: plain screen")
        << BatchOutcomes{outcome("a.mov"), outcome("b.mov")} << QStringList{"Complete"} << green;
    QTest::newRow("no outcomes recorded: plain screen")
        << BatchOutcomes{} << QStringList{"Complete"} << green;
    QTest::newRow("one of three failed: complete, with the failed name")
        << BatchOutcomes{outcome("a.mov"), outcome("b.mov", Failure::ExitStatus), outcome("c.mov")}
        << QStringList{"Complete", "1 of 3 files could not be converted", "b.mov"} << green;
    QTest::newRow("five of six failed: three names, then how many more")
        << BatchOutcomes{outcome("1.mov", Failure::Signal),
                         outcome("2.mov", Failure::NoOutput),
                         outcome("3.mov"),
                         outcome("4.mov", Failure::LaunchFailed),
                         outcome("5.mov", Failure::ExitStatus),
                         outcome("6.mov", Failure::Cancelled)}
        << QStringList{"Complete", "5 of 6 files could not be converted",
                       "1.mov",    "2.mov",
                       "4.mov",    "... and 2 more"}
        << green;
    QTest::newRow("single file failed: warning, singular")
        << BatchOutcomes{outcome("a.mov", Failure::EncoderMissing)}
        << QStringList{"Conversion failed", "1 of 1 file could not be converted", "a.mov"}
        << orange;
    QTest::newRow("none of four converted: warning, names and more")
        << BatchOutcomes{outcome("a.mov", Failure::ExitStatus),
                         outcome("b.mov", Failure::ExitStatus),
                         outcome("c.mov", Failure::ExitStatus),
                         outcome("d.mov", Failure::ExitStatus)}
        << QStringList{"Conversion failed",
                       "4 of 4 files could not be converted",
                       "a.mov",
                       "b.mov",
                       "c.mov",
                       "... and 1 more"}
        << orange;
    QTest::newRow("input without a file name still listed")
        << BatchOutcomes{outcome("a.mov"),
                         {QUrl(QStringLiteral("file:///")), {}, Failure::NoOutput, 0}}
        << QStringList{"Complete", "1 of 2 files could not be converted", "/"} << green;
}

void TestCompletionView::variants()
{
    QFETCH(BatchOutcomes, outcomes);
    QFETCH(QStringList, expected);
    QFETCH(QColor, iconColour);

    const auto state = endedBatch(outcomes);
    CompletionView view(state.get());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(visibleTexts(&view), expected);
    QCOMPARE(view.findChild<SymbolView *>()->color(), iconColour);
}

void TestCompletionView::layout_data()
{
    QTest::addColumn<BatchOutcomes>("outcomes");

    QTest::newRow("all converted") << BatchOutcomes{outcome("a.mov")};
    QTest::newRow("some failed") << BatchOutcomes{outcome("a.mov"),
                                                  outcome("b.mov", Failure::ExitStatus)};
    QTest::newRow("none converted, with more names than shown")
        << BatchOutcomes(5, outcome("a-file-with-a-name-far-too-long-for-the-screen-to-hold.mov",
                                    Failure::ExitStatus));
}

void TestCompletionView::layout()
{
    QFETCH(BatchOutcomes, outcomes);

    const auto state = endedBatch(outcomes);
    CompletionView view(state.get());
    view.setFixedSize(ContentView::screenSize);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QRect icon = geometryIn(view.findChild<SymbolView *>(), &view);
    const QRect viewFiles = geometryIn(button(&view, "View files"), &view);
    const QRect back = geometryIn(button(&view, "Convert more files"), &view);

    QVERIFY(viewFiles.right() < back.left());
    QCOMPARE(back.left() - viewFiles.right() - 1, 20);
    QCOMPARE(viewFiles.center().y(), back.center().y());
    QCOMPARE(viewFiles.height(), LargeButton::height);

    // The block of icon, title and buttons sits in the middle of the screen, both ways.
    const int centreX = view.width() / 2;
    QVERIFY(qAbs(icon.center().x() - centreX) <= 1);
    QVERIFY(qAbs((viewFiles.left() + back.right()) / 2 - centreX) <= 1);
    QVERIFY(icon.top() >= 40);
    QVERIFY(qAbs(icon.top() - (view.height() - 1 - back.bottom())) <= 1);
    for (const ElidedLabel *name : view.findChildren<ElidedLabel *>())
        QVERIFY(name->width() <= view.width() - 80);
}

void TestCompletionView::viewFiles_data()
{
    QTest::addColumn<QUrl>("folder");
    QTest::addColumn<int>("presses");

    QTest::newRow("folder: every press opens it again")
        << QUrl::fromLocalFile(QStringLiteral("/home/someone/Documents/Clipforger")) << 3;
    QTest::newRow("no folder: pressing does nothing") << QUrl() << 2;
}

void TestCompletionView::viewFiles()
{
    QFETCH(QUrl, folder);
    QFETCH(int, presses);

    StandInFileManager fileManager;

    const auto state = endedBatch({}, folder);
    CompletionView view(state.get());
    QSignalSpy backs(&view, &CompletionView::backRequested);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    LargeButton *viewFilesButton = button(&view, "View files");
    QVERIFY(viewFilesButton->isEnabled());
    for (int i = 0; i < presses; ++i)
        QTest::mouseClick(viewFilesButton, Qt::LeftButton);

    const QList<QUrl> expected = folder.isEmpty() ? QList<QUrl>{} : QList<QUrl>(presses, folder);
    QCOMPARE(fileManager.opened, expected);
    QCOMPARE(backs.size(), 0);
    QVERIFY(view.isVisible());
}

void TestCompletionView::backRunsTheBackAction()
{
    const auto state = endedBatch({});
    CompletionView view(state.get());
    QSignalSpy backs(&view, &CompletionView::backRequested);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTest::mouseClick(button(&view, "Convert more files"), Qt::LeftButton);
    QCOMPARE(backs.size(), 1);
}

void TestCompletionView::rootShowsTheOutcomesAndGoesBack()
{
    QTemporaryDir folderDir;
    BatchSession session(QString(), folderDir.path());
    ContentView content(&session);
    content.show();
    QVERIFY(QTest::qWaitForWindowExposed(&content));

    ScreenState *state = session.state();
    const QUrl folder = QUrl::fromLocalFile(session.outputFolder());
    state->setDroppedFiles({QUrl::fromLocalFile("/videos/a.mov")});
    state->setBatchOutcomes({outcome("a.mov", Failure::ExitStatus)});
    state->setOutputFolder(folder);
    state->setShowCompletionView(true);

    auto *completion = qobject_cast<CompletionView *>(content.currentScreen());
    QVERIFY(completion);
    QTRY_VERIFY(completion->isVisible());
    QCOMPARE(visibleTexts(completion).first(), "Conversion failed");

    QTest::mouseClick(button(completion, "Convert more files"), Qt::LeftButton);
    QVERIFY(qobject_cast<MainConversionView *>(content.currentScreen()));
    QVERIFY(state->droppedFiles().isEmpty());
    QCOMPARE(state->outputFolder(), folder);
}

QTEST_MAIN(TestCompletionView)
#include "tst_completionview.moc"
