// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NameList.h"

#include "ElidedLabel.h"
#include "Theme.h"
#include "session/BatchReport.h"

#include <QLabel>
#include <QVBoxLayout>

NameList::NameList(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Theme::Metrics::listSpacing);

    for (int i = 0; i < shownNames; ++i) {
        auto *nameLine = new ElidedLabel(this);
        nameLine->setFont(Theme::font(Theme::TextStyle::Caption));
        Theme::useSecondaryText(nameLine);
        layout->addWidget(nameLine);
        m_nameLines.append(nameLine);
    }

    m_furtherNamesLine = new QLabel(this);
    m_furtherNamesLine->setFont(Theme::font(Theme::TextStyle::Caption));
    m_furtherNamesLine->setAlignment(Qt::AlignCenter);
    Theme::useSecondaryText(m_furtherNamesLine);
    layout->addWidget(m_furtherNamesLine);
}

QString NameList::furtherNamesLine(qsizetype furtherCount)
{
    return BatchReport::furtherNamesLine(furtherCount);
}

QString NameList::notedNameLine(const QString &name, const QString &note)
{
    return BatchReport::notedNameLine(name, note);
}

void NameList::showNames(const QStringList &names, qsizetype totalCount, const QStringList &notes)
{
    for (int i = 0; i < shownNames; ++i) {
        const bool shown = i < names.size();
        const QString name = shown ? names[i] : QString();
        const QString note = notes.value(i);
        m_nameLines[i]->setText(note.isEmpty() ? name : notedNameLine(name, note));
        m_nameLines[i]->setElidedPart(note.isEmpty() ? QString() : name);
        m_nameLines[i]->setVisible(shown);
    }
    const qsizetype further = std::max(names.size(), totalCount) - shownNames;
    m_furtherNamesLine->setText(further > 0 ? furtherNamesLine(further) : QString());
    m_furtherNamesLine->setVisible(further > 0);
}
