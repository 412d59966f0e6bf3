// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApplicationBusEndpoint.h"

void ApplicationBusEndpoint::Activate(const QVariantMap &platformData)
{
    Q_EMIT activationRequested(platformData);
}

void ApplicationBusEndpoint::Open(const QStringList &uris, const QVariantMap &platformData)
{
    QList<QUrl> urls;
    urls.reserve(uris.size());
    for (const QString &uri : uris)
        urls.append(QUrl::fromEncoded(uri.toUtf8()));
    Q_EMIT filesOpened(urls, platformData);
}

void ApplicationBusEndpoint::ActivateAction(const QString &, const QVariantList &,
                                            const QVariantMap &platformData)
{
    // Clipforger has no actions of its own; the call still brings the window forward.
    Q_EMIT activationRequested(platformData);
}
