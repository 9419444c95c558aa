// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Whether the trainers help: hints, lit digits, "Tipp" and "Vormachen". On at
// every start; only the teacher's click in the info window changes it.
class HelpSetting : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isOn() const { return m_on; }
    void setOn(bool on)
    {
        if (m_on == on)
            return;
        m_on = on;
        emit changed(m_on);
    }

signals:
    void changed(bool on);

private:
    bool m_on = true;
};
