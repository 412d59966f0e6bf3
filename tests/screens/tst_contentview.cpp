#include "TemporaryHome.h"
#include "screens/AppFolder.h"
#include "screens/CompletionView.h"
#include "screens/ContentView.h"
#include "screens/MainConversionView.h"
#include "screens/ScreenState.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QtTest>

class ContentViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void launchShowsAnEmptyConversionScreen()
    {
        TemporaryHome home;
        ContentView view(QStringLiteral("/nonexistent"));

        QVERIFY(qobject_cast<MainConversionView *>(view.currentScreen()));
        QVERIFY(view.state()->droppedFiles().isEmpty());
        QVERIFY(!view.state()->isConverting());
        QVERIFY(!view.state()->showCompletionView());
        QVERIFY(view.state()->outputFolder().isEmpty());
        QCOMPARE(view.appFolder(), home.documentsPath() + QStringLiteral("/Clipforger"));
        QVERIFY(QFileInfo(view.appFolder()).isDir());
    }

    void outputFolderFollowsTheDesktopsDocumentsFolder()
    {
        TemporaryHome home;
        const QString documents = home.path() + QStringLiteral("/Papers/Dokumente");
        home.setDocumentsFolder(documents);

        ContentView view(QStringLiteral("/nonexistent"));
        QCOMPARE(view.appFolder(), documents + QStringLiteral("/Clipforger"));
        QVERIFY2(QFileInfo(view.appFolder()).isDir(), "created together with its parents");
    }

    void outputFolderWithoutDocumentsLocation()
    {
        TemporaryHome home;
        QCOMPARE(AppFolder::resolve(QString()),
                 home.path() + QStringLiteral("/Documents/Clipforger"));
    }

    void existingOutputFolderIsLeftAsItIs()
    {
        TemporaryHome home;
        const QString folder = home.documentsPath() + QStringLiteral("/Clipforger");
        QVERIFY(QDir().mkpath(folder));
        QFile earlier(folder + QStringLiteral("/earlier_converted.mp4"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier result");
        earlier.close();

        ContentView view(QStringLiteral("/nonexistent"));
        QCOMPARE(view.appFolder(), folder);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier result"));
    }

    void regularFileInTheFoldersPlaceIsNotTouched()
    {
        TemporaryHome home;
        QVERIFY(QDir().mkpath(home.documentsPath()));
        const QString path = home.documentsPath() + QStringLiteral("/Clipforger");
        QFile blocker(path);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();

        ContentView view(QStringLiteral("/nonexistent"));
        QCOMPARE(view.appFolder(), path);
        QVERIFY(QFileInfo(path).isFile());
        QVERIFY(blocker.open(QIODevice::ReadOnly));
        QCOMPARE(blocker.readAll(), QByteArray("not a folder"));
    }

    void screenSwitchRebuildsTheScreenAndRunsTheShownAction()
    {
        TemporaryHome home;
        ContentView view(QStringLiteral("/nonexistent"));
        int shown = 0;
        view.setScreenShownAction([&shown] { ++shown; });
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(shown, 1);

        view.state()->setOutputFolder(QUrl::fromLocalFile(view.appFolder()));
        view.state()->setShowCompletionView(true);
        QVERIFY(qobject_cast<CompletionView *>(view.currentScreen()));
        QCOMPARE(view.currentScreen()->size(), ContentView::screenSize);
        QCOMPARE(shown, 2);

        view.goBack();
        QVERIFY(qobject_cast<MainConversionView *>(view.currentScreen()));
        QCOMPARE(view.currentScreen()->size(), ContentView::screenSize);
        QCOMPARE(shown, 3);
    }

    void backActionEmptiesTheListAndKeepsTheFolder()
    {
        TemporaryHome home;
        ContentView view(QStringLiteral("/nonexistent"));
        view.show();
        ScreenState *state = view.state();
        const QUrl folder = QUrl::fromLocalFile(view.appFolder());
        state->setDroppedFiles({QUrl::fromLocalFile(QStringLiteral("/videos/a.mov"))});
        state->setOutputFolder(folder);
        state->setShowCompletionView(true);

        // Pressed on the completion screen itself, which goes away while handling the click.
        QPointer<QWidget> completion = view.currentScreen();
        QAbstractButton *back = nullptr;
        for (QAbstractButton *button : completion->findChildren<QAbstractButton *>()) {
            if (button->text() == QStringLiteral("Convert more files"))
                back = button;
        }
        QVERIFY(back);
        QTest::mouseClick(back, Qt::LeftButton);

        QVERIFY(state->droppedFiles().isEmpty());
        QVERIFY(!state->showCompletionView());
        QVERIFY(!state->isConverting());
        QCOMPARE(state->outputFolder(), folder);
        QVERIFY(qobject_cast<MainConversionView *>(view.currentScreen()));
        QTRY_VERIFY(completion.isNull());
    }
};

QTEST_MAIN(ContentViewTest)
#include "tst_contentview.moc"
