// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QList>
#include <QUrl>

class FileSummary;
class QLabel;
class SymbolView;
class TextButton;

// The dashed area that invites video files and, once files are listed, sums them up. It takes a
// drag only when something in it may be a video and hands the dropped URLs on untyped. A click,
// Enter or Space asks for the file chooser; "Clear", shown while files are listed or folders are
// looked through, asks to empty the list and stop looking. To the keyboard and to screen readers
// it is a button that adds video files.
class DropZone : public QAbstractButton
{
    Q_OBJECT

public:
    // The height for the product's own text size; larger text makes the zone taller.
    static constexpr int height = 200;
    static constexpr qreal cornerRadius = 20;
    static constexpr qreal strokeWidth = 3;
    static constexpr qreal dashLength = 10;

    explicit DropZone(QWidget *parent = nullptr);

    // The first of a list of `count` files: see FileSummary::showFiles.
    void showFiles(const QList<QUrl> &firstFiles, qsizetype count);
    // That `count` folders have been looked through for videos so far; 0 when none is.
    void showFoldersSeen(qsizetype count);

    // What a screen reader says about the zone besides its name.
    static QString listedFilesDescription(qsizetype count);
    static QString foldersSeenText(qsizetype count);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void filesDropped(const QList<QUrl> &urls);
    void chooseFilesRequested();
    void clearRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    SymbolView *m_icon;
    QLabel *m_invitation;
    QLabel *m_clickHint;
    FileSummary *m_summary;
    QLabel *m_foldersSeen;
    TextButton *m_clearButton;
    qsizetype m_fileCount = 0;
};
