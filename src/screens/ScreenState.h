#pragma once

#include "engine/FileOutcome.h"

#include <QList>
#include <QObject>
#include <QUrl>

// The state that the screens and the conversion share, owned by the window's root view.
// Views render from it and write to it; none of them keeps a copy.
class ScreenState : public QObject
{
    Q_OBJECT

public:
    explicit ScreenState(QObject *parent = nullptr);

    const QList<QUrl> &droppedFiles() const { return m_droppedFiles; }
    void setDroppedFiles(const QList<QUrl> &files);
    // Appends the file unless an equal URL is listed already; says whether it was added.
    bool addDroppedFile(const QUrl &file);

    bool isConverting() const { return m_isConverting; }
    void setConverting(bool converting);

    bool showCompletionView() const { return m_showCompletionView; }
    void setShowCompletionView(bool show);

    // The folder the last batch wrote into; empty until a batch has ended.
    const QUrl &outputFolder() const { return m_outputFolder; }
    void setOutputFolder(const QUrl &folder);

    // What became of each file of the last batch, in batch order; empty until a batch has ended.
    const BatchOutcomes &batchOutcomes() const { return m_batchOutcomes; }
    void setBatchOutcomes(const BatchOutcomes &outcomes);

Q_SIGNALS:
    void droppedFilesChanged();
    void isConvertingChanged(bool converting);
    void showCompletionViewChanged(bool show);
    void outputFolderChanged();
    void batchOutcomesChanged();

private:
    QList<QUrl> m_droppedFiles;
    bool m_isConverting = false;
    bool m_showCompletionView = false;
    QUrl m_outputFolder;
    BatchOutcomes m_batchOutcomes;
};
