#pragma once

#include <QList>
#include <QWidget>

class ElidedLabel;
class QLabel;

// The first few file names of a list, one elided line each in the secondary colour, then how
// many more there are.
class NameList : public QWidget
{
    Q_OBJECT

public:
    static constexpr int shownNames = 3;

    explicit NameList(QWidget *parent = nullptr);

    // Shows the first of `names`; `totalCount` may be larger than the names given, so that a
    // caller with a long list need not build names it will never show.
    void showNames(const QStringList &names, qsizetype totalCount);

    static QString furtherNamesLine(qsizetype furtherCount);

private:
    QList<ElidedLabel *> m_nameLines;
    QLabel *m_furtherNamesLine;
};
