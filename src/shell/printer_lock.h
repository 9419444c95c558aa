// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// The one setting of the program: while set, printing a worksheet needs the
// password. Set at every start; only the pupil's click in the info window changes it.
class PrinterLock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isSet() const { return m_set; }
    void setSet(bool set)
    {
        if (m_set == set)
            return;
        m_set = set;
        emit changed(m_set);
    }

signals:
    void changed(bool set);

private:
    bool m_set = true;
};
