// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordedActions.h"
#include "TourFaces.h"
#include "TourLook.h"
#include "screens/ContentView.h"
#include "screens/Theme.h"
#include "session/BatchSession.h"

#include <QAccessible>
#include <QApplication>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QPalette lightPalette()
{
    return QApplication::style()->standardPalette();
}

// The visible widget that shows `text`, found as a screen reader reads it: as its name, or as
// its value (the percent).
QWidget *widgetShowing(const QWidget *root, const QString &text)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        const QAccessibleInterface *read = QAccessible::queryAccessibleInterface(widget);
        if (widget->isVisible() &&
            (read->text(QAccessible::Name) == text || read->text(QAccessible::Value) == text))
            return widget;
    }
    return nullptr;
}

// The contrast of a text as the user sees it: between the colour of most of its widget's
// pixels, the background, and the colour that stands out most from that, the text's own.
double shownContrast(QWidget *widget)
{
    const QImage picture = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    const QRgb background =
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    double contrast = 1.0;
    for (const QRgb colour : counts.keys())
        contrast = std::max(contrast, Theme::contrastRatio(colour, background));
    return contrast;
}

} // namespace

// The product's named colours against light and dark desktop palettes, measured on screen.
class TestTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The text size the product's colours were chosen for.
        QFont font = QApplication::font();
        font.setPixelSize(13);
        QApplication::setFont(font);
    }

    void cleanup() { QApplication::setPalette(lightPalette()); }

    void textsAreReadable_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("minimum");

        const QList<std::pair<const char *, QPalette>> palettes = {
            {"light", lightPalette()}, {"dark", TourLook::darkPalette()}};
        for (const auto &[name, palette] : palettes) {
            const auto row = [name](const char *what) -> QTestData & {
                return QTest::addRow("%s palette: %s", name, what);
            };
            row("invitation in the accent colour") << palette << "empty"
                                                   << "Drop video files here" << 4.5;
            row("file names in the secondary colour") << palette << "ready"
                                                      << "Birthday party.mp4" << 4.5;
            row("white on the convert button") << palette << "ready"
                                               << "Make 4 small, fast, and compatible" << 4.5;
            row("file counter in the secondary colour") << palette << "converting"
                                                        << "File 2 of 3" << 4.5;
            row("percent in the accent colour") << palette << "converting"
                                                << "42%" << 4.5;
            row("Pause button") << palette << "converting"
                                << "Pause" << 4.5;
            row("Copy control in the accent colour") << palette << "complete"
                                                     << "Copy the converted files" << 4.5;
            row("Trash control in the accent colour") << palette << "trash-offered"
                                                      << "Move originals to Trash (3.1 GB)" << 4.5;
            row("large title") << palette << "partly-failed"
                               << "Complete" << 3.0;
            row("failure count in the secondary colour")
                << palette << "partly-failed"
                << "2 of 4 files could not be converted" << 4.5;
        }
    }

    void textsAreReadable()
    {
        QFETCH(QPalette, palette);
        QFETCH(QString, face);
        QFETCH(QString, text);
        QFETCH(double, minimum);

        QApplication::setPalette(palette);
        QTemporaryDir dir;
        BatchSession session(QString(), dir.path());
        RecordedActions actions;
        ContentView content(session.state(), &actions);
        QVERIFY(TourFaces::show(session, face));
        content.show();
        QVERIFY(QTest::qWaitForWindowExposed(&content));

        QWidget *widget = widgetShowing(&content, text);
        QVERIFY(widget);
        const double contrast = shownContrast(widget);
        QVERIFY2(contrast >= minimum, qPrintable(QString::number(contrast, 'f', 2)));
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
