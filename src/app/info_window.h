// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/window_placement.h"

#include <QWidget>

class HelpSetting;
class Platform;
class PrinterLock;
class QCheckBox;
class QLabel;

// The info window (ORBLABEL): the program's title, a notice, the printer lock,
// and below them what the teacher decides about help and the way to the learning report.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    InfoWindow(Platform &platform, PrinterLock &lock, HelpSetting &help);

    static QString noticeText();
    static QString creditText();

signals:
    void learningReportRequested(); // "Lernstand"

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placeAndFill();
    void buildTeacherRow(HelpSetting &help);

    Platform &m_platform;
    WindowPlacement m_placement;
    QLabel *m_notice = nullptr;
    QLabel *m_credit = nullptr;
};
