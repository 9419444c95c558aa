// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

class QWidget;
class QWindow;

// Runs work once a shown window has drawn its first frame: what the pupil
// does not need in order to see the window waits until then.
class AfterFirstFrame : public QObject {
    Q_OBJECT
public:
    static void run(QWidget *window, std::function<void()> work);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AfterFirstFrame(QWindow *window, std::function<void()> work);
    void runSoon();

    std::function<void()> m_work;
};
