#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// The fraction of the current file that the encoder reports as done (percent / 100, unclamped),
// read from one chunk of its output: a whole JSON object {"Progress": {"PercentComplete": n}}
// first, else the first "Encoding: task i of n, p %" line. No text carries over between chunks.
std::optional<double> parseProgress(const QString &chunk);

// The same for raw bytes: a chunk that is not valid UTF-8 is dropped whole.
std::optional<double> parseProgressChunk(QByteArrayView bytes);
