// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QLabel>

class QTimer;

// The percent done of the current file, shown as text. To screen readers it is a progress bar
// from 0 to 100, named by which file it is, whose changes are announced a few times a second at
// most rather than at every fraction the encoder reports.
class ProgressLabel : public QLabel
{
    Q_OBJECT

public:
    static constexpr int announcementIntervalMs = 250;

    explicit ProgressLabel(QWidget *parent = nullptr);

    // The whole percent of `fraction`, kept within 0 to 100.
    int value() const { return m_value; }
    void setFraction(double fraction);

    QString progressName() const { return m_name; }
    void setProgressName(const QString &name);

Q_SIGNALS:
    // Screen readers have been told of a new value or name, or both.
    void announced(int value, const QString &name);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void changed();
    void announce();

    int m_value = 0;
    QString m_name;
    int m_announcedValue = -1;
    QElapsedTimer m_sinceAnnouncement;
    QTimer *m_pending;
};
