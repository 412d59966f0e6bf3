// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>

class NameList;
class QLabel;

// Sums up the files of the next batch: how many, the first few names, and how many more.
class FileSummary : public QWidget
{
    Q_OBJECT

public:
    explicit FileSummary(QWidget *parent = nullptr);

    // The first of a list of `count` files; the caller need give no more than
    // NameList::shownNames.
    void showFiles(const QList<QUrl> &firstFiles, qsizetype count);

    static QString countLine(qsizetype count);

private:
    QLabel *m_countLine;
    NameList *m_names;
};
