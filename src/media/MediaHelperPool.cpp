// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaHelperPool.h"

#include <QCoreApplication>
#include <QDir>

MediaHelperPool::MediaHelperPool(const QString &program)
    : m_program(program)
{}

const std::shared_ptr<MediaHelperPool> &MediaHelperPool::bundled()
{
    // Never destroyed: a thread may still ask while the app's statics go.
    static auto *pool = new std::shared_ptr<MediaHelperPool>(new MediaHelperPool(bundledPath()));
    return *pool;
}

QString MediaHelperPool::bundledPath()
{
    return QDir::cleanPath(
        QCoreApplication::applicationDirPath() +
        QStringLiteral("/" CLIPFORGER_RESOURCE_DIR_FROM_BIN "/" CLIPFORGER_MEDIA_HELPER_NAME));
}

MediaHelperPool::Reply MediaHelperPool::ask(const QByteArray &request, int fd)
{
    Reply reply;
    // A helper that ends idle just as it is asked is no fault of the file: one more try.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::unique_ptr<MediaHelper> helper = idleOrNew();
        if (!helper)
            return reply;
        reply.outcome = helper->ask(request, fd, &reply.answer);
        giveBack(reply.outcome == MediaHelper::Outcome::Answered ? std::move(helper) : nullptr);
        if (reply.outcome != MediaHelper::Outcome::Left)
            return reply;
    }
    reply.outcome = MediaHelper::Outcome::Unavailable;
    return reply;
}

std::unique_ptr<MediaHelper> MediaHelperPool::idleOrNew()
{
    {
        std::unique_lock lock(m_mutex);
        const auto secondHelperDue = std::chrono::steady_clock::now() + SecondHelperWait;
        for (;;) {
            while (!m_idle.empty()) {
                std::unique_ptr<MediaHelper> helper = std::move(m_idle.back());
                m_idle.pop_back();
                if (!helper->hasEnded())
                    return helper;
                --m_helpers;
            }
            if (m_helpers == 0 ||
                (m_helpers < MaxHelpers && std::chrono::steady_clock::now() >= secondHelperDue))
                break;
            if (m_helpers < MaxHelpers)
                m_freed.wait_until(lock, secondHelperDue);
            else
                m_freed.wait(lock);
        }
        ++m_helpers;
    }
    std::unique_ptr<MediaHelper> helper = MediaHelper::start(m_program);
    if (!helper)
        giveBack(nullptr);
    return helper;
}

void MediaHelperPool::giveBack(std::unique_ptr<MediaHelper> helper)
{
    {
        const std::lock_guard lock(m_mutex);
        if (helper)
            m_idle.push_back(std::move(helper));
        else
            --m_helpers;
    }
    m_freed.notify_all();
}
