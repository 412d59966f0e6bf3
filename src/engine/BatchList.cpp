// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchList.h"

#include <QFileInfo>

#include <algorithm>

namespace {

qint64 sizeOf(const QUrl &url)
{
    return QFileInfo(url.toLocalFile()).size();
}

} // namespace

BatchList::BatchList(QObject *parent)
    : QObject(parent)
{}

QList<QUrl> BatchList::urls() const
{
    QList<QUrl> urls;
    urls.reserve(m_files.size());
    for (const BatchFile &file : m_files)
        urls.append(file.url);
    return urls;
}

bool BatchList::hasPendingFiles() const
{
    return std::any_of(m_files.cbegin(), m_files.cend(),
                       [](const BatchFile &file) { return file.isPending(); });
}

BatchOutcomes BatchList::outcomes() const
{
    BatchOutcomes outcomes;
    for (const BatchFile &file : m_files)
        if (file.stage == Stage::Finished)
            outcomes.append(file.outcome);
    return outcomes;
}

QList<QUrl> BatchList::convertedFiles() const
{
    QList<QUrl> converted;
    for (const FileOutcome &outcome : outcomes())
        if (outcome.converted() && !outcome.outputPath.isEmpty())
            converted.append(QUrl::fromLocalFile(outcome.outputPath));
    return converted;
}

QList<QUrl> BatchList::append(const QList<QUrl> &urls, Stage stage,
                              const QList<FileIdentity> &identities)
{
    QList<QUrl> added;
    for (qsizetype i = 0; i < urls.size(); ++i) {
        const QUrl &url = urls[i];
        if (m_urls.contains(url))
            continue;
        if (i < identities.size()) {
            if (m_identities.contains(identities[i]))
                continue;
            m_identities.insert(identities[i]);
        }
        m_urls.insert(url);
        BatchFile file;
        file.url = url;
        file.stage = stage;
        if (stage != Stage::Listed)
            file.size = sizeOf(url);
        m_files.append(file);
        added.append(url);
    }
    if (!added.isEmpty())
        Q_EMIT filesChanged();
    return added;
}

void BatchList::replace(const QList<QUrl> &urls, const QList<FileIdentity> &identities)
{
    if (m_files.isEmpty() && urls.isEmpty())
        return;
    m_files.clear();
    m_urls.clear();
    m_identities.clear();
    if (append(urls, Stage::Listed, identities).isEmpty())
        Q_EMIT filesChanged();
}

void BatchList::clear()
{
    replace({});
}

void BatchList::enterBatch()
{
    for (BatchFile &file : m_files) {
        BatchFile waiting;
        waiting.url = file.url;
        waiting.media = file.media;
        waiting.stage = Stage::Waiting;
        waiting.size = sizeOf(file.url);
        file = waiting;
    }
    Q_EMIT filesChanged();
}

void BatchList::setMedia(qsizetype index, const MediaInfo &media)
{
    m_files[index].media = media;
}

void BatchList::setConverting(qsizetype index, const FileVersion &input)
{
    m_files[index].stage = Stage::Converting;
    m_files[index].encodedVersion = input;
}

bool BatchList::setProgress(qsizetype index, double fraction)
{
    if (m_files[index].fraction == fraction)
        return false;
    m_files[index].fraction = fraction;
    return true;
}

bool BatchList::setEncoderSecondsLeft(qsizetype index, qint64 seconds)
{
    if (m_files[index].encoderSecondsLeft == seconds)
        return false;
    m_files[index].encoderSecondsLeft = seconds;
    return true;
}

void BatchList::finish(qsizetype index, const FileOutcome &outcome)
{
    BatchFile &file = m_files[index];
    file.stage = Stage::Finished;
    file.encoderSecondsLeft.reset();
    file.outcome = outcome;
}
