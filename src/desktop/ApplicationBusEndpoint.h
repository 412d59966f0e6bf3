// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QUrl>
#include <QVariantMap>

// The freedesktop org.freedesktop.Application interface as the bus sees it. It lives on a thread
// of its own, so that calls and introspection are answered at once even while the window is
// busy: tools such as gdbus give up introspecting after a few seconds and then send their
// arguments with the wrong types, and a later launch that waits too long opens a window of its
// own. What arrives is passed on to the window's thread as signals.
class ApplicationBusEndpoint : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    using QObject::QObject;

public Q_SLOTS:
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(const QString &actionName, const QVariantList &parameter,
                        const QVariantMap &platformData);

Q_SIGNALS:
    void activationRequested(const QVariantMap &platformData);
    void filesOpened(const QList<QUrl> &urls, const QVariantMap &platformData);
};
