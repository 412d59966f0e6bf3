#pragma once

#include <QObject>
#include <QProcess>

// Reads one output channel of a running encoder and reports the progress found in it.
// Buffered output is drained on every notification, so memory stays bounded by what one pipe
// holds, whatever the encoder writes.
class OutputReader : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 ChunkSize = 1024;

    OutputReader(QProcess *process, QProcess::ProcessChannel channel, QObject *parent = nullptr);

    // Parses whatever is still buffered; for the last output after the process has ended.
    void drain();

Q_SIGNALS:
    void progressParsed(double fraction);

private:
    QProcess *m_process;
    QProcess::ProcessChannel m_channel;
};
