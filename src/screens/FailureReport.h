// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class BatchReport;
class NameList;
class QLabel;

// Tells which files of a batch could not be converted: how many of how many, the first few
// names, each with why, and how many more. Of a stopped batch it tells how many files were
// converted, and names only the files that failed before the stop.
class FailureReport : public QWidget
{
    Q_OBJECT

public:
    explicit FailureReport(QWidget *parent = nullptr);

    void showReport(const BatchReport &report);

private:
    QLabel *m_countLine;
    NameList *m_names;
};
