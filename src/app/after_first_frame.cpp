// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/after_first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

AfterFirstFrame::AfterFirstFrame(QWindow *window, std::function<void()> work)
    : QObject(window)
    , m_work(std::move(work))
{
}

void AfterFirstFrame::run(QWidget *window, std::function<void()> work)
{
    QWindow *handle = window->windowHandle();
    auto *waiter = new AfterFirstFrame(handle, std::move(work));
    if (handle->isExposed())
        waiter->runSoon();
    else
        handle->installEventFilter(waiter);
}

bool AfterFirstFrame::eventFilter(QObject *watched, QEvent *event)
{
    // The expose is painted and flushed while it is handled; the work is
    // queued behind it.
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        runSoon();
    }
    return false;
}

void AfterFirstFrame::runSoon()
{
    QTimer::singleShot(0, this, [this] {
        m_work();
        deleteLater();
    });
}
