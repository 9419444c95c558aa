// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

bool addressOf(const QByteArray &path, sockaddr_un &address)
{
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

// Only a program of the same user counts, on either side of the socket.
bool sameUser(int socket)
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    return getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

QByteArray lockPath(const QByteArray &path)
{
    return path + ".lock";
}

} // namespace

SingleInstance::SingleInstance(const QString &path)
    : m_path(QFile::encodeName(path))
{
}

SingleInstance::~SingleInstance()
{
    if (m_socket >= 0) {
        ::close(m_socket);
        ::unlink(m_path.constData());
    }
    if (m_lock >= 0)
        ::close(m_lock);
}

QString SingleInstance::defaultPath()
{
    // Qt checks that the folder belongs to this user alone, and falls back to
    // one of its own in the temporary folder; empty when neither can be had.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return QString();
    // ":0" and ":0.0" are the same desktop; the screen number does not count.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
        const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
        const qsizetype dot = display.indexOf(QLatin1Char('.'), colon + 1);
        if (colon >= 0 && dot > colon)
            display.truncate(dot);
    }
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QDir(folder).filePath(QStringLiteral("de.rechenheft.Rechenheft-") + display);
}

SingleInstance::Start SingleInstance::start()
{
    if (m_path.isEmpty())
        return Start::First; // nowhere to meet: run alone
    // The lock's holder may still be on its way to listening, or may just have
    // ended: try both again until the time is up.
    const QDeadlineTimer deadline(handOverWait);
    for (;;) {
        if (takeLock()) {
            listenForLaterStarts();
            return Start::First;
        }
        if (m_lock < 0)
            return Start::First; // the lock file cannot be had at all: run alone
        const auto left = std::chrono::milliseconds(deadline.remainingTime());
        if (left.count() <= 0)
            return Start::First;
        if (handOverToRunning(left))
            return Start::HandedOver;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool SingleInstance::takeLock()
{
    if (m_lock < 0)
        m_lock = ::open(lockPath(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return m_lock >= 0 && ::flock(m_lock, LOCK_EX | LOCK_NB) == 0;
}

bool SingleInstance::handOverToRunning(std::chrono::milliseconds wait) const
{
    sockaddr_un address;
    if (!addressOf(m_path, address))
        return false;
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;
    // A running program whose queue of starts is full would keep connect()
    // waiting for as long as it does not take them.
    const timeval limit{time_t(wait.count() / 1000), suseconds_t(wait.count() % 1000 * 1000)};
    ::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
    // The connection itself is the request: the running program accepts it
    // from its queue whenever its event loop gets to it.
    const bool handedOver =
        ::connect(s, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0 && sameUser(s);
    ::close(s);
    return handedOver;
}

void SingleInstance::listenForLaterStarts()
{
    sockaddr_un address;
    if (!addressOf(m_path, address))
        return;
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (s < 0)
        return;
    // Only the lock's holder comes here: a socket left by a crashed run can go.
    ::unlink(m_path.constData());
    if (::bind(s, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0
        || ::listen(s, 8) != 0) {
        ::close(s);
        return; // later starts then wait their while and run alone
    }
    m_socket = s;
}

void SingleInstance::watch()
{
    if (m_socket < 0 || m_notifier)
        return;
    m_notifier = new QSocketNotifier(m_socket, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptWaiting);
}

void SingleInstance::acceptWaiting()
{
    bool arrived = false;
    for (;;) {
        const int client = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            break;
        arrived = arrived || sameUser(client);
        ::close(client);
    }
    if (arrived)
        emit laterStartArrived();
}
