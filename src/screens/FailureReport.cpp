// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FailureReport.h"

#include "NameList.h"
#include "Theme.h"
#include "session/BatchReport.h"

#include <QLabel>
#include <QVBoxLayout>

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

void FailureReport::showReport(const BatchReport &report)
{
    QStringList names;
    QStringList reasons;
    for (const BatchReport::FailedFile &file : report.failedFiles()) {
        names.append(file.name);
        reasons.append(file.reason);
    }
    m_countLine->setText(report.countLine());
    m_names->showNames(names, names.size(), reasons);
}
