#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>

class ElidedLabel;
class QLabel;

// Sums up the files of the next batch: how many, the first few names, and how many more.
class FileSummary : public QWidget
{
    Q_OBJECT

public:
    static constexpr int shownNames = 3;

    explicit FileSummary(QWidget *parent = nullptr);

    void showFiles(const QList<QUrl> &files);

    static QString countLine(qsizetype count);
    static QString furtherFilesLine(qsizetype furtherCount);

protected:
    void changeEvent(QEvent *event) override;

private:
    void applySecondaryColour();

    QLabel *m_countLine;
    QList<ElidedLabel *> m_nameLines;
    QLabel *m_furtherFilesLine;
};
