// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/ScreenActions.h"
#include "session/BatchSession.h"

#include <QStringList>

// What screens under test ask for, noted by name, and carried out by the session where one is
// given, as the window carries it out.
class RecordedActions : public ScreenActions
{
public:
    explicit RecordedActions(BatchSession *session = nullptr)
        : m_session(session)
    {}

    void addFiles(const QList<QUrl> &urls) override
    {
        note("addFiles", [&] { m_session->addFiles(urls); });
    }
    void chooseFiles() override { asked.append(QStringLiteral("chooseFiles")); }
    void clearFiles() override
    {
        note("clearFiles", [this] { m_session->clearFiles(); });
    }
    void startConversion() override
    {
        note("startConversion", [this] { m_session->startConversion(); });
    }
    void setPaused(bool paused) override
    {
        note("setPaused", [&] { m_session->setPaused(paused); });
    }
    void stopConversion() override
    {
        note("stopConversion", [this] { m_session->stopConversion(); });
    }
    void goBack() override
    {
        note("goBack", [this] { m_session->goBack(); });
    }
    void viewFiles() override { asked.append(QStringLiteral("viewFiles")); }
    void moveOriginalsToTrash() override
    {
        note("moveOriginalsToTrash", [this] { m_session->moveOriginalsToTrash(); });
    }
    void putOriginalsBack() override
    {
        note("putOriginalsBack", [this] { m_session->putOriginalsBack(); });
    }

    QStringList asked;

private:
    template <typename CarryOut> void note(const char *request, CarryOut carryOut)
    {
        asked.append(QString::fromLatin1(request));
        if (m_session)
            carryOut();
    }

    BatchSession *m_session;
};
