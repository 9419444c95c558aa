// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <chrono>

class QSocketNotifier;

// One program per user and desktop. A second start finds the running program
// through a local socket in the user's runtime folder (XDG_RUNTIME_DIR, which
// no other user may enter), asks it to come to the front and ends. The running
// program holds a lock on a file beside the socket; the lock goes with the
// process, so a crashed run leaves nothing behind that could block the next start.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Start { First, HandedOver };

    // The longest a start waits for a running program that does not take it.
    static constexpr std::chrono::milliseconds handOverWait{250};

    // The meeting point, a socket's path: by default one per display in the
    // user's runtime folder; none (the empty path) where there is no such folder.
    explicit SingleInstance(const QString &path = defaultPath());
    ~SingleInstance() override;

    static QString defaultPath();

    // Before the QApplication exists: either this is the first start (and now
    // holds the meeting point) or the running program was told and this one
    // should end. If the meeting point cannot be used at all, or the running
    // program does not take the start within handOverWait, the program runs as
    // a first start: it never refuses to start and never hangs.
    Start start();

    // Once the event loop exists: report later starts.
    void watch();

signals:
    void laterStartArrived();

private:
    bool takeLock();
    bool handOverToRunning(std::chrono::milliseconds wait) const;
    void listenForLaterStarts();
    void acceptWaiting();

    QByteArray m_path;
    int m_lock = -1;
    int m_socket = -1;
    QSocketNotifier *m_notifier = nullptr;
};
