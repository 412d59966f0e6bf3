// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileChooser.h"

#include "intake/VideoFileTyping.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString lastFolderKey = QStringLiteral("fileChooser/lastFolder");

} // namespace

FileChooser::FileChooser(QWidget *window)
    : QObject(window)
    , m_window(window)
{}

void FileChooser::open()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    m_dialog = new QFileDialog(m_window, tr("Choose Video Files"));
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->setFileMode(QFileDialog::ExistingFiles);
    // One filter for every video at once: setMimeTypeFilters() would offer each type on its own,
    // the first one (3GPP) chosen, and could not add the camcorders' .MOD files.
    m_dialog->setNameFilters(
        {tr("Video files (%1)").arg(VideoFileTyping().videoFilePatterns().join(QLatin1Char(' '))),
         tr("All files (*)")});
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    m_dialog->setDirectory(QSettings().value(lastFolderKey, videos).toString());
    connect(m_dialog, &QFileDialog::accepted, this, &FileChooser::onAccepted);
    m_dialog->open();
}

void FileChooser::onAccepted()
{
    const QList<QUrl> chosen = m_dialog->selectedUrls();
    if (!chosen.isEmpty() && chosen.first().isLocalFile())
        QSettings().setValue(lastFolderKey, QFileInfo(chosen.first().toLocalFile()).absolutePath());
    Q_EMIT filesChosen(chosen);
}
