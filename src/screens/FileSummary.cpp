// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileSummary.h"

#include "NameList.h"
#include "Theme.h"

#include <QLabel>
#include <QVBoxLayout>

FileSummary::FileSummary(QWidget *parent)
    : QWidget(parent)
    , m_countLine(new QLabel(this))
    , m_names(new NameList(this))
{
    m_countLine->setFont(Theme::font(Theme::TextStyle::Title2, QFont::DemiBold));
    m_countLine->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Theme::Metrics::listSpacing);
    layout->addWidget(m_countLine);
    layout->addWidget(m_names);
}

QString FileSummary::countLine(qsizetype count)
{
    return tr("%n file(s) selected", "count of listed files", int(count));
}

void FileSummary::showFiles(const QList<QUrl> &firstFiles, qsizetype count)
{
    m_countLine->setText(countLine(count));
    QStringList firstNames;
    for (qsizetype i = 0; i < firstFiles.size() && i < NameList::shownNames; ++i)
        firstNames.append(firstFiles[i].fileName());
    m_names->showNames(firstNames, count);
}
