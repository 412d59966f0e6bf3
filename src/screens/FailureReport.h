#pragma once

#include "engine/FileOutcome.h"

#include <QList>
#include <QWidget>

class NameList;
class QLabel;

// Tells which files of a batch could not be converted: how many of how many, the first few
// names, and how many more.
class FailureReport : public QWidget
{
    Q_OBJECT

public:
    explicit FailureReport(QWidget *parent = nullptr);

    void showOutcomes(const BatchOutcomes &outcomes);

    static QString countLine(qsizetype failedCount, qsizetype totalCount);

private:
    QLabel *m_countLine;
    NameList *m_names;
};
