// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FailureReport.h"

#include "NameList.h"
#include "Theme.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QString displayName(const QUrl &input)
{
    const QString name = input.fileName();
    return name.isEmpty() ? input.toDisplayString(QUrl::PreferLocalFile) : name;
}

} // namespace

FailureReport::FailureReport(QWidget *parent)
    : QWidget(parent)
    , m_countLine(new QLabel(this))
    , m_names(new NameList(this))
{
    m_countLine->setFont(Theme::font(Theme::TextStyle::Body));
    m_countLine->setAlignment(Qt::AlignCenter);
    Theme::useSecondaryText(m_countLine);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Theme::Metrics::listSpacing);
    layout->addWidget(m_countLine);
    layout->addWidget(m_names);
}

QString FailureReport::countLine(qsizetype failedCount, qsizetype totalCount)
{
    // The noun agrees with the total ("1 of 1 file", "1 of 3 files"). Two source texts, so that
    // English reads right with no translation loaded.
    const int total = int(totalCount);
    const QString line =
        total == 1 ? tr("%1 of %n file could not be converted", "failed of all files", total)
                   : tr("%1 of %n files could not be converted", "failed of all files", total);
    return line.arg(failedCount);
}

QString FailureReport::convertedLine(qsizetype convertedCount, qsizetype totalCount)
{
    const int total = int(totalCount);
    const QString line = total == 1
                             ? tr("%1 of %n file converted", "converted of all files", total)
                             : tr("%1 of %n files converted", "converted of all files", total);
    return line.arg(convertedCount);
}

void FailureReport::showOutcomes(const BatchOutcomes &outcomes, bool stopped)
{
    QStringList failedNames;
    QStringList reasons;
    for (const FileOutcome &outcome : outcomes) {
        const bool stoppedHere = outcome.failure == FileOutcome::Failure::Cancelled;
        if (outcome.converted() || (stopped && stoppedHere))
            continue;
        failedNames.append(displayName(outcome.input));
        reasons.append(outcome.reason());
    }

    const qsizetype failed = failedCount(outcomes);
    m_countLine->setText(stopped ? convertedLine(outcomes.size() - failed, outcomes.size())
                                 : countLine(failed, outcomes.size()));
    m_names->showNames(failedNames, failedNames.size(), reasons);
}
