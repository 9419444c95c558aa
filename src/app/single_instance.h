// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// One program per user and desktop. A second start finds the running program
// through a local socket in Linux's abstract namespace, asks it to come to
// the front and ends. An abstract socket vanishes with the process that held
// it, so a crashed run leaves nothing behind that could block the next start.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Start { First, HandedOver };

    // The meeting point: by default one per user and display.
    explicit SingleInstance(const QString &name = defaultName());
    ~SingleInstance() override;

    static QString defaultName();

    // Before the QApplication exists: either this is the first start (and now
    // holds the meeting point) or the running program was told and this one
    // should end. If the meeting point cannot be used at all, the program runs
    // as a first start: it never refuses to start.
    Start start();

    // Once the event loop exists: report later starts.
    void watch();

signals:
    void laterStartArrived();

private:
    bool handOverToRunning() const;
    bool claim();
    void acceptWaiting();

    QByteArray m_address;
    int m_socket = -1;
    QSocketNotifier *m_notifier = nullptr;
};
