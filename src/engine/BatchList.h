// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BatchFile.h"
#include "files/FileIdentity.h"

#include <QList>
#include <QObject>
#include <QSet>

// The one list of files that the drop screen shows and a batch converts, in the order given.
// Each file is listed once. Its owner alone writes it, from what the header reader and the
// converter tell; everything else that speaks of the batch (the screens, the time left, the
// crash record, the desktop) reads it here.
class BatchList : public QObject
{
    Q_OBJECT

public:
    using Stage = BatchFile::Stage;

    explicit BatchList(QObject *parent = nullptr);

    qsizetype size() const { return m_files.size(); }
    bool isEmpty() const { return m_files.isEmpty(); }
    const BatchFile &at(qsizetype index) const { return m_files.at(index); }
    const QList<BatchFile> &all() const { return m_files; }
    QList<BatchFile>::const_iterator begin() const { return m_files.cbegin(); }
    QList<BatchFile>::const_iterator end() const { return m_files.cend(); }

    QList<QUrl> urls() const;
    bool contains(const QUrl &url) const { return m_urls.contains(url); }
    // Whether any file is still waiting or converting.
    bool hasPendingFiles() const;
    // What became of each finished file, in list order.
    BatchOutcomes outcomes() const;
    // The files the batch converted, where they went, in list order.
    QList<QUrl> convertedFiles() const;

    // Appends each file that is not listed yet, at `stage`, in one change; returns those added.
    // A file is listed once: by its identity on the disk where `identities` gives one for it
    // (in the order of `urls`), else by its URL. Files that join a batch are measured.
    QList<QUrl> append(const QList<QUrl> &urls, Stage stage = Stage::Listed,
                       const QList<FileIdentity> &identities = {});
    // Replaces the whole list with listed files.
    void replace(const QList<QUrl> &urls, const QList<FileIdentity> &identities = {});
    void clear();
    // Every listed file joins a new batch, measured as it joins.
    void enterBatch();

    void setMedia(qsizetype index, const MediaInfo &media);
    void setConverting(qsizetype index, const FileVersion &input);
    // False where nothing changed.
    bool setProgress(qsizetype index, double fraction);
    bool setEncoderSecondsLeft(qsizetype index, qint64 seconds);
    void finish(qsizetype index, const FileOutcome &outcome);

Q_SIGNALS:
    // Files were added, removed, or all entered a batch. How each file moves on is told by its
    // owner, which writes it.
    void filesChanged();

private:
    QList<BatchFile> m_files;
    // Beside the list, so that adding many files costs no more than listing them.
    QSet<QUrl> m_urls;
    QSet<FileIdentity> m_identities;
};
