#pragma once

#include <QWidget>

class BatchSession;
class ConvertButton;
class DropZone;
class LargeButton;
class QStackedLayout;

// The working screen: the drop zone and the convert button while idle, the progress display
// and the Stop button while a batch runs. It renders from the session's state and sends it what the
// user asks for.
class MainConversionView : public QWidget
{
    Q_OBJECT

public:
    explicit MainConversionView(BatchSession *session, QWidget *parent = nullptr);

private:
    QWidget *buildIdleFace();
    QWidget *buildConvertingFace();
    void render();

    BatchSession *m_session;
    QStackedLayout *m_faces;
    QWidget *m_idleFace;
    QWidget *m_convertingFace;
    DropZone *m_dropZone = nullptr;
    ConvertButton *m_convertButton = nullptr;
    LargeButton *m_stopButton = nullptr;
};
