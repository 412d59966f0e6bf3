// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordedActions.h"
#include "screens/CompletionView.h"
#include "screens/ContentView.h"
#include "screens/MainConversionView.h"
#include "screens/Theme.h"
#include "session/BatchSession.h"
#include "session/ScreenState.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class ContentViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_session = std::make_unique<BatchSession>(QStringLiteral("/nonexistent"), m_dir.path());
        m_actions = RecordedActions(m_session.get());
    }
    void cleanup() { m_session.reset(); }

    void launchShowsAnEmptyConversionScreen()
    {
        ContentView view(m_session->state(), &m_actions);
        const ScreenState *state = m_session->stagedState();

        QVERIFY(qobject_cast<MainConversionView *>(view.currentScreen()));
        QVERIFY(state->files().urls().isEmpty());
        QVERIFY(!state->isConverting());
        QVERIFY(!state->isOnCompletionScreen());
        QVERIFY(state->outputFolder().isEmpty());
    }

    void screenSwitchRebuildsTheScreenAndSaysSo()
    {
        ContentView view(m_session->state(), &m_actions);
        QSignalSpy shown(&view, &ContentView::screenShown);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(shown.size(), 1);

        ScreenState *state = m_session->stagedState();
        state->setOutputFolder(QUrl::fromLocalFile(m_dir.path()));
        state->setScreen(ScreenState::Screen::Completion);
        QVERIFY(qobject_cast<CompletionView *>(view.currentScreen()));
        QCOMPARE(view.currentScreen()->size(), Theme::Metrics::screenSize);
        QCOMPARE(shown.size(), 2);

        m_session->goBack();
        QVERIFY(qobject_cast<MainConversionView *>(view.currentScreen()));
        QCOMPARE(view.currentScreen()->size(), Theme::Metrics::screenSize);
        QCOMPARE(shown.size(), 3);
    }

    void backButtonEmptiesTheListAndKeepsTheFolder()
    {
        ContentView view(m_session->state(), &m_actions);
        view.show();
        ScreenState *state = m_session->stagedState();
        const QUrl folder = QUrl::fromLocalFile(m_dir.path());
        state->files().replace({QUrl::fromLocalFile(QStringLiteral("/videos/a.mov"))});
        state->setOutputFolder(folder);
        state->setScreen(ScreenState::Screen::Completion);

        // Pressed on the completion screen itself, which goes away while handling the click.
        QPointer<QWidget> completion = view.currentScreen();
        QAbstractButton *back = nullptr;
        for (QAbstractButton *button : completion->findChildren<QAbstractButton *>()) {
            if (button->text() == QStringLiteral("Convert more files"))
                back = button;
        }
        QVERIFY(back);
        QTest::mouseClick(back, Qt::LeftButton);

        QVERIFY(state->files().urls().isEmpty());
        QVERIFY(!state->isOnCompletionScreen());
        QVERIFY(!state->isConverting());
        QCOMPARE(state->outputFolder(), folder);
        QVERIFY(qobject_cast<MainConversionView *>(view.currentScreen()));
        QTRY_VERIFY(completion.isNull());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<BatchSession> m_session;
    RecordedActions m_actions;
};

QTEST_MAIN(ContentViewTest)
#include "tst_contentview.moc"
