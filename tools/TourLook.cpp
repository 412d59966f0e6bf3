// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TourLook.h"

#include <QApplication>
#include <QFont>

namespace TourLook {

QPalette darkPalette()
{
    const QColor white(0xFF, 0xFF, 0xFF);
    QPalette palette;
    const QList<std::pair<QPalette::ColorRole, QColor>> colours = {
        {QPalette::Window, QColor(0x24, 0x24, 0x24)},
        {QPalette::WindowText, white},
        {QPalette::Base, QColor(0x1E, 0x1E, 0x1E)},
        {QPalette::AlternateBase, QColor(0x2A, 0x2A, 0x2A)},
        {QPalette::Text, white},
        {QPalette::PlaceholderText, QColor(0xFF, 0xFF, 0xFF, 0x80)},
        {QPalette::Button, QColor(0x30, 0x30, 0x30)},
        {QPalette::ButtonText, white},
        {QPalette::BrightText, white},
        {QPalette::Light, QColor(0x4A, 0x4A, 0x4A)},
        {QPalette::Midlight, QColor(0x3E, 0x3E, 0x3E)},
        {QPalette::Mid, QColor(0x5A, 0x5A, 0x5A)},
        {QPalette::Dark, QColor(0x1A, 0x1A, 0x1A)},
        {QPalette::Shadow, QColor(0x0A, 0x0A, 0x0A)},
        {QPalette::Highlight, QColor(0x35, 0x84, 0xE4)},
        {QPalette::HighlightedText, white},
        {QPalette::ToolTipBase, QColor(0x30, 0x30, 0x30)},
        {QPalette::ToolTipText, white},
    };
    for (const auto &[role, colour] : colours)
        palette.setColor(role, colour);
    const QColor dimmed(0x80, 0x80, 0x80);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dimmed);
    return palette;
}

bool applyFromEnvironment(QApplication &application, QString *error)
{
    const QString palette = qEnvironmentVariable("CLIPFORGER_TOUR_PALETTE");
    if (palette == QLatin1String("dark")) {
        QApplication::setPalette(darkPalette());
    } else if (!palette.isEmpty() && palette != QLatin1String("light")) {
        *error = QStringLiteral("unknown palette: %1").arg(palette);
        return false;
    }

    if (qEnvironmentVariableIsSet("CLIPFORGER_TOUR_FONT_SIZE")) {
        bool valid = false;
        const int pixels = qEnvironmentVariableIntValue("CLIPFORGER_TOUR_FONT_SIZE", &valid);
        if (!valid || pixels <= 0) {
            *error = QStringLiteral("font size is no number of pixels");
            return false;
        }
        QFont font = application.font();
        font.setPixelSize(pixels);
        QApplication::setFont(font);
    }
    return true;
}

} // namespace TourLook
