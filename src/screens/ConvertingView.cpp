// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConvertingView.h"

#include "ProgressLabel.h"
#include "SymbolView.h"
#include "Theme.h"
#include "session/ScreenState.h"

#include <QLabel>
#include <QPropertyAnimation>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

constexpr int turnDurationMs = 1000;

template <typename Label = QLabel> Label *centredLabel(const QFont &font, QWidget *parent)
{
    auto *label = new Label(parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ConvertingView::ConvertingView(const ScreenState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_gear(
          new SymbolView(QStringLiteral("gear"), Theme::Metrics::gearHeight, Theme::accent(), this))
    , m_title(centredLabel(Theme::font(Theme::TextStyle::Title, QFont::DemiBold), this))
    , m_counter(centredLabel(Theme::font(Theme::TextStyle::Headline), this))
    , m_percent(
          centredLabel<ProgressLabel>(Theme::font(Theme::TextStyle::Title2, QFont::DemiBold), this))
    , m_timeLeft(centredLabel(Theme::font(Theme::TextStyle::Caption), this))
    , m_crashRecoveryNotice(centredLabel(Theme::font(Theme::TextStyle::Caption), this))
    , m_turn(new QPropertyAnimation(m_gear, "rotation", this))
{
    Theme::useSecondaryText(m_counter);
    Theme::useTextColour(m_percent, Theme::accent());
    Theme::useSecondaryText(m_timeLeft);
    Theme::useSecondaryText(m_crashRecoveryNotice);
    m_crashRecoveryNotice->setText(
        tr("Crash recovery is off: the app's state folder cannot be written"));
    // The line comes and goes with the estimate; the lines above it stay where they are.
    QSizePolicy keepsItsPlace = m_timeLeft->sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true);
    m_timeLeft->setSizePolicy(keepsItsPlace);
    m_timeLeft->setMinimumHeight(m_timeLeft->fontMetrics().height());

    auto *texts = new QVBoxLayout;
    texts->setSpacing(Theme::Metrics::textSpacing);
    texts->addWidget(m_title, 0, Qt::AlignHCenter);
    texts->addWidget(m_counter, 0, Qt::AlignHCenter);
    texts->addWidget(m_percent, 0, Qt::AlignHCenter);
    texts->addWidget(m_timeLeft, 0, Qt::AlignHCenter);
    texts->addWidget(m_crashRecoveryNotice, 0, Qt::AlignHCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Theme::Metrics::gearSpacing);
    layout->addWidget(m_gear, 0, Qt::AlignHCenter);
    layout->addLayout(texts);

    // One steady turn per second, over and over.
    m_turn->setStartValue(0.0);
    m_turn->setEndValue(360.0);
    m_turn->setDuration(turnDurationMs);
    m_turn->setLoopCount(-1);
    m_turn->setEasingCurve(QEasingCurve::Linear);

    connect(m_state, &ScreenState::screenChanged, this, &ConvertingView::onConvertingChanged);
    connect(m_state, &ScreenState::pausedChanged, this, &ConvertingView::onConvertingChanged);
    connect(&m_state->files(), &BatchList::filesChanged, this, &ConvertingView::renderCounter);
    connect(m_state, &ScreenState::currentFileIndexChanged, this, &ConvertingView::renderCounter);
    connect(m_state, &ScreenState::conversionProgressChanged, this, &ConvertingView::renderPercent);
    connect(m_state, &ScreenState::secondsLeftChanged, this, &ConvertingView::renderTimeLeft);
    connect(m_state, &ScreenState::crashRecoveryIsOffChanged, this,
            &ConvertingView::renderCrashRecoveryNotice);

    onConvertingChanged();
    renderCounter();
    renderPercent();
    renderTimeLeft();
    renderCrashRecoveryNotice();
}

QString ConvertingView::percentText(double progress)
{
    // The encoder's numbers are not ours to trust: anything that has no 64-bit whole percent
    // shows 0% rather than overflowing the conversion.
    constexpr double range = 9223372036854775808.0; // 2^63
    const double percent = progress * 100.0;
    const bool representable = std::isfinite(percent) && percent >= -range && percent < range;
    const qint64 whole = representable ? qint64(percent) : 0;
    return tr("%1%", "percent of the current file converted").arg(whole);
}

QString ConvertingView::counterText(qint64 currentFileIndex, qsizetype fileCount)
{
    if (fileCount < 2)
        return {};
    const qint64 shownIndex = currentFileIndex < std::numeric_limits<qint64>::max()
                                  ? currentFileIndex + 1
                                  : currentFileIndex;
    return tr("File %1 of %2").arg(shownIndex).arg(fileCount);
}

QString ConvertingView::timeLeftText(std::optional<qint64> seconds)
{
    if (!seconds || *seconds < 0)
        return {};
    const qint64 s = *seconds;
    if (s < 10)
        return tr("A few seconds left");
    const auto about = [](const QString &amount) { return tr("About %1 left").arg(amount); };
    if (s < 55)
        return about(tr("%n second(s)", "time left", int((s + 5) / 10 * 10)));
    const qint64 minutes = (s + 30) / 60;
    const auto minutesText = [](qint64 n) { return tr("%n minute(s)", "time left", int(n)); };
    if (minutes < 60)
        return about(minutesText(minutes));
    // From an hour on to the nearest five minutes, from ten hours on to the nearest hour.
    const qint64 step = s >= 10 * 3600 ? 60 : 5;
    const qint64 rounded = (s + step * 30) / (step * 60) * step;
    const qint64 hours = rounded / 60;
    const QString hoursText = tr("%n hour(s)", "time left", int(hours));
    if (rounded % 60 == 0)
        return about(hoursText);
    return tr("About %1, %2 left", "hours, then minutes").arg(hoursText, minutesText(rounded % 60));
}

void ConvertingView::startSpinner()
{
    // Does nothing while it runs already.
    m_turn->start();
}

void ConvertingView::stopSpinner()
{
    m_turn->stop();
    m_gear->setRotation(0.0);
}

bool ConvertingView::isWorking() const
{
    return m_state->isConverting() && !m_state->isPaused();
}

void ConvertingView::onConvertingChanged()
{
    m_title->setText(m_state->isPaused() ? tr("Paused") : tr("Converting..."));
    // While hidden the spinner is stopped already, and showEvent starts it when due.
    if (!isVisible())
        return;
    if (isWorking())
        startSpinner();
    else
        stopSpinner();
}

void ConvertingView::renderCounter()
{
    const QString text = counterText(m_state->currentFileIndex(), m_state->files().size());
    m_counter->setText(text);
    m_counter->setVisible(!text.isEmpty());
    m_percent->setProgressName(text.isEmpty() ? m_title->text() : text);
}

void ConvertingView::renderPercent()
{
    const double progress = m_state->conversionProgress();
    m_percent->setText(percentText(progress));
    m_percent->setFraction(progress);
}

void ConvertingView::renderTimeLeft()
{
    const QString text = timeLeftText(m_state->secondsLeft());
    m_timeLeft->setText(text);
    m_timeLeft->setVisible(!text.isEmpty());
}

void ConvertingView::renderCrashRecoveryNotice()
{
    m_crashRecoveryNotice->setVisible(m_state->crashRecoveryIsOff());
}

void ConvertingView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (isWorking())
        startSpinner();
}

void ConvertingView::hideEvent(QHideEvent *event)
{
    // Off screen nothing turns, so nothing may wake: the app stays asleep when minimised or
    // when the completion screen replaces this one before isConverting has turned false.
    stopSpinner();
    QWidget::hideEvent(event);
}
