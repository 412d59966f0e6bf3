// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <optional>

class ProgressLabel;
class QLabel;
class QPropertyAnimation;
class ScreenState;
class SymbolView;

// What the conversion screen shows while a batch runs: the turning gear, "Converting...", which
// file of how many, the percent done of the current file and the time the batch still needs,
// all rendered from the state. Paused, the gear stands still and the title says so. The percent is
// the progress bar that screen readers follow, named by which file it is.
class ConvertingView : public QWidget
{
    Q_OBJECT

public:
    explicit ConvertingView(const ScreenState *state, QWidget *parent = nullptr);

    static QString percentText(double progress);
    // Empty when the batch has fewer than two files: then the line is not shown.
    static QString counterText(qint64 currentFileIndex, qsizetype fileCount);
    // Rounded as people say it: "About 40 seconds left", "About 1 hour, 20 minutes left".
    // Empty without an estimate: then the line is not shown.
    static QString timeLeftText(std::optional<qint64> seconds);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void startSpinner();
    void stopSpinner();
    void onConvertingChanged();
    bool isWorking() const;
    void renderCounter();
    void renderPercent();
    void renderTimeLeft();
    void renderCrashRecoveryNotice();

    const ScreenState *m_state;
    SymbolView *m_gear;
    QLabel *m_title;
    QLabel *m_counter;
    ProgressLabel *m_percent;
    QLabel *m_timeLeft;
    QLabel *m_crashRecoveryNotice;
    QPropertyAnimation *m_turn;
};
