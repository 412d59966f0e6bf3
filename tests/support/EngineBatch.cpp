// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineBatch.h"

EngineBatch::EngineBatch(const QString &encoderPath, const QString &outputFolder,
                         std::shared_ptr<MediaHelperPool> helpers)
    : mediaHelpers(std::move(helpers))
    , reader(&files, mediaHelpers)
    , converter(encoderPath, outputFolder, mediaHelpers, &files)
{
    connect(&reader, &HeaderReadQueue::headersRead, this,
            [this](qsizetype index, const MediaInfo &media) {
                files.setMedia(index, media);
                converter.reconsider();
            });
    connect(&converter, &BatchConverter::fileBegan, this,
            [this](qsizetype index, const FileVersion &input) {
                files.setConverting(index, input);
                started.append(index);
            });
    connect(&converter, &BatchConverter::fileProgressed, this,
            [this](qsizetype index, double fraction) { files.setProgress(index, fraction); });
    connect(
        &converter, &BatchConverter::fileEstimated, this,
        [this](qsizetype index, qint64 seconds) { files.setEncoderSecondsLeft(index, seconds); });
    connect(&converter, &BatchConverter::fileEnded, this,
            [this](qsizetype index, const FileOutcome &outcome) {
                files.finish(index, outcome);
                ended.append(index);
            });
}

void EngineBatch::start(const QList<QUrl> &urls)
{
    files.replace(urls);
    files.enterBatch();
    reader.readNewFiles();
    converter.start();
}

void EngineBatch::join(const QList<QUrl> &urls)
{
    files.append(urls, BatchFile::Stage::Waiting);
    reader.readNewFiles();
    converter.reconsider();
}

QList<FileOutcome::Failure> EngineBatch::failures() const
{
    QList<FileOutcome::Failure> failures;
    for (const FileOutcome &outcome : files.outcomes())
        failures.append(outcome.failure);
    return failures;
}
