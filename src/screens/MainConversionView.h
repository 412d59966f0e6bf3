#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>

#include "engine/FileOutcome.h"

class BatchConverter;
class ConvertButton;
class ConvertingView;
class DropZone;
class QStackedLayout;
class ScreenState;

// The working screen: the drop zone and the convert button while idle, the progress display
// while a batch runs. It renders from the shared state and keeps no copy of it.
class MainConversionView : public QWidget
{
    Q_OBJECT

public:
    MainConversionView(ScreenState *state, const QString &appFolder, const QString &encoderPath,
                       QWidget *parent = nullptr);

    void startConversion();
    // Stops a running batch; it then ends as usual, with the stopped files marked cancelled.
    void cancelConversion();

Q_SIGNALS:
    // URLs dropped on the drop zone, not yet typed.
    void filesDropped(const QList<QUrl> &urls);

private:
    QWidget *buildIdleFace();
    QWidget *buildConvertingFace();
    void render();
    void finishConversion(const BatchOutcomes &outcomes);

    ScreenState *m_state;
    QString m_appFolder;
    BatchConverter *m_batch;

    QStackedLayout *m_faces;
    QWidget *m_idleFace;
    QWidget *m_convertingFace;
    DropZone *m_dropZone = nullptr;
    ConvertButton *m_convertButton = nullptr;
    ConvertingView *m_convertingView = nullptr;
};
