#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>

class FileSummary;
class QLabel;
class SymbolView;

// The dashed area that invites video files and, once files are listed, sums them up.
class DropZone : public QWidget
{
    Q_OBJECT

public:
    static constexpr int height = 200;
    static constexpr qreal cornerRadius = 20;
    static constexpr qreal strokeWidth = 3;
    static constexpr qreal dashLength = 10;

    explicit DropZone(QWidget *parent = nullptr);

    void showFiles(const QList<QUrl> &files);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SymbolView *m_icon;
    QLabel *m_invitation;
    FileSummary *m_summary;
};
