// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/single_instance.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of an abstract socket: a leading NUL, then the name.
sockaddr_un addressOf(const QByteArray &address, socklen_t &length)
{
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    const size_t n = std::min(size_t(address.size()), sizeof(a.sun_path) - 1);
    std::memcpy(a.sun_path + 1, address.constData(), n);
    length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + n);
    return a;
}

// Only a program of the same user counts, on either side of the socket.
bool sameUser(int socket)
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    return getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

} // namespace

SingleInstance::SingleInstance(const QString &name)
    : m_address(name.toUtf8())
{
}

SingleInstance::~SingleInstance()
{
    if (m_socket >= 0)
        ::close(m_socket);
}

QString SingleInstance::defaultName()
{
    // ":0" and ":0.0" are the same desktop; the screen number does not count.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
        const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
        const qsizetype dot = display.indexOf(QLatin1Char('.'), colon + 1);
        if (colon >= 0 && dot > colon)
            display.truncate(dot);
    }
    return QStringLiteral("de.rechenheft.Rechenheft/%1/%2").arg(getuid()).arg(display);
}

SingleInstance::Start SingleInstance::start()
{
    // Two starts at the same moment: one takes the meeting point, the other
    // then finds it taken and hands over.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (handOverToRunning())
            return Start::HandedOver;
        if (claim())
            return Start::First;
    }
    return Start::First;
}

bool SingleInstance::handOverToRunning() const
{
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;
    socklen_t length = 0;
    const sockaddr_un a = addressOf(m_address, length);
    // The connection itself is the request: the running program accepts it
    // from its queue whenever its event loop gets to it.
    const bool handedOver = ::connect(s, reinterpret_cast<const sockaddr *>(&a), length) == 0
        && sameUser(s);
    ::close(s);
    return handedOver;
}

bool SingleInstance::claim()
{
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (s < 0)
        return true; // no sockets at all: run alone
    socklen_t length = 0;
    const sockaddr_un a = addressOf(m_address, length);
    if (::bind(s, reinterpret_cast<const sockaddr *>(&a), length) != 0 || ::listen(s, 8) != 0) {
        const bool taken = errno == EADDRINUSE;
        ::close(s);
        return !taken; // taken: try the handover again; any other failure: run alone
    }
    m_socket = s;
    return true;
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
