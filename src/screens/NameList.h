// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QWidget>

class ElidedLabel;
class QLabel;

// The first few file names of a list, one elided line each in the secondary colour, each
// optionally with a note on it, then how many more there are.
class NameList : public QWidget
{
    Q_OBJECT

public:
    static constexpr int shownNames = 3;

    explicit NameList(QWidget *parent = nullptr);

    // Shows the first of `names`; `totalCount` may be larger than the names given, so that a
    // caller with a long list need not build names it will never show.
    // A name with a note reads "name: note"; then only the name is cut short, in its middle.
    void showNames(const QStringList &names, qsizetype totalCount, const QStringList &notes = {});

    static QString furtherNamesLine(qsizetype furtherCount);
    static QString notedNameLine(const QString &name, const QString &note);

private:
    QList<ElidedLabel *> m_nameLines;
    QLabel *m_furtherNamesLine;
};
