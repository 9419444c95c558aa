// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/info_window.h"

#include "shell/look.h"
#include "shell/clickable_label.h"
#include "shell/help_setting.h"
#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/platform.h"
#include "shell/printer_lock.h"
#include "shell/window_setup.h"

#include <QCheckBox>
#include <QPushButton>

using namespace WindowSetup;

namespace {
constexpr int clientWidth = 3510;
constexpr int ownHeight = 3930;               // the window's own controls keep their places in it
constexpr int teacherRowTop = ownHeight + 30; // the teacher's row below them
constexpr int teacherRowHeight = 495;

// Light text on the panel colour; the tick box itself stays black on white.
void styleCheckBox(QCheckBox *box)
{
    setColours(box, Look::light, Look::panel);
    // A check box fills its background with the button colour unless told otherwise.
    box->setBackgroundRole(QPalette::Window);
    QPalette tickBox = box->palette();
    tickBox.setColor(QPalette::Base, Look::light);
    tickBox.setColor(QPalette::Text, Look::shadowInk);
    box->setPalette(tickBox);
}
} // namespace

InfoWindow::InfoWindow(Platform &platform, PrinterLock &lock, HelpSetting &help)
    : m_platform(platform)
    , m_placement(this, platform, PlacementRule::EachVisit, 4)
{
    fixedWindow(this, QStringLiteral("ORBLABEL"), QStringLiteral("Programm-Info"), clientWidth,
                teacherRowTop + teacherRowHeight + 120);
    setBackground(this, Look::window);
    platform.keepMessagesOff(this);

    shape(this, QStringLiteral("Figur1"), Twips::rect(120, 120, 3255, 3375), Look::window, Look::panel);

    auto *title = label(this, QStringLiteral("Bezeichnung5"), QStringLiteral("M u l t i p l i k a t i o n"),
                        Twips::rect(120, 240, 3255, 375));
    title->setFont(WindowSetup::font(13.5, true, false, true));
    m_placement.scale().fitText(title, {title->text()});
    title->setAlignment(Qt::AlignCenter);
    setColours(title, Look::light, Look::panel);

    m_notice = label(this, QStringLiteral("Bezeichnung6"), QString(), Twips::rect(240, 720, 3015, 975));
    m_notice->setFont(WindowSetup::font(8.25));
    m_notice->setWordWrap(true);
    m_notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_notice->setMargin(3);
    m_placement.scale().fitText(m_notice, {noticeText(), true});
    setColours(m_notice, Look::light, Look::panel);

    m_credit = label(this, QStringLiteral("Bezeichnung7"), QString(), Twips::rect(240, 1800, 3015, 495));
    m_credit->setFont(WindowSetup::font(9.75));
    m_credit->setWordWrap(true);
    m_credit->setAlignment(Qt::AlignCenter);
    m_placement.scale().fitText(m_credit, {creditText(), true});
    setColours(m_credit, Look::shadowInk, Look::window);

    auto *lockBox = new QCheckBox(QStringLiteral("  Druckmodus deaktivieren"), this);
    lockBox->setObjectName(QStringLiteral("Kontroll1"));
    lockBox->setGeometry(Twips::rect(240, 2400, 3135, 255));
    lockBox->setFont(WindowSetup::font(9.75, true));
    m_placement.scale().fitText(lockBox, {lockBox->text(), false, 22}); // room for the tick box itself
    styleCheckBox(lockBox);
    lockBox->setChecked(lock.isSet());
    connect(lockBox, &QCheckBox::toggled, &lock, &PrinterLock::setSet);
    connect(&lock, &PrinterLock::changed, lockBox, &QCheckBox::setChecked);

    auto *okay = new ClickableLabel(QStringLiteral("O k a y"), this);
    okay->setObjectName(QStringLiteral("Bezeichnung1"));
    okay->setGeometry(Twips::rect(240, 2880, 2175, 495));
    okay->setFont(WindowSetup::font(18, true, true));
    okay->setAlignment(Qt::AlignCenter);
    okay->setCursor(Qt::PointingHandCursor);
    setColours(okay, Look::window, Look::panel);
    connect(okay, &ClickableLabel::clicked, this, &QWidget::hide);

    auto *cross = new PictureButton(Pictures::greenTileDrawing(Pictures::TileSymbol::Cross),
                                    QStringLiteral("Schließen"), this);
    cross->setObjectName(QStringLiteral("Bild1"));
    cross->setGeometry(Twips::rect(2400, 2880, 855, 495));
    connect(cross, &QAbstractButton::clicked, this, &QWidget::hide);

    auto *version = label(this, QStringLiteral("Bezeichnung8"), QStringLiteral("Rechenheft 1.0"),
                          Twips::rect(120, 3600, 3255, 255));
    version->setFont(WindowSetup::font(8.25));
    version->setAlignment(Qt::AlignCenter);
    setColours(version, Look::ink, Look::window);
    buildTeacherRow(help);
    // A stray Space neither toggles the lock nor closes the window.
    keepStrayKeysOffButtons(this);
}

// "Hilfen anzeigen", ticked at every start, and "Lernstand".
void InfoWindow::buildTeacherRow(HelpSetting &help)
{
    shape(this, QStringLiteral("Figur2"), Twips::rect(120, teacherRowTop, 3255, teacherRowHeight), Look::window,
          Look::panel);
    auto *helpBox = new QCheckBox(QStringLiteral("Hilfen anzeigen"), this);
    helpBox->setObjectName(QStringLiteral("Kontroll2"));
    helpBox->setGeometry(Twips::rect(240, teacherRowTop + 120, 1815, 255));
    helpBox->setFont(WindowSetup::font(9.75, true));
    m_placement.scale().fitText(helpBox, {helpBox->text(), false, 22});
    styleCheckBox(helpBox);
    helpBox->setChecked(help.isOn());
    connect(helpBox, &QCheckBox::toggled, &help, &HelpSetting::setOn);
    connect(&help, &HelpSetting::changed, helpBox, &QCheckBox::setChecked);

    auto *report = new QPushButton(QStringLiteral("Lernstand"), this);
    report->setObjectName(QStringLiteral("Befehl1"));
    report->setGeometry(Twips::rect(2160, teacherRowTop + 60, 1095, 375));
    report->setFont(WindowSetup::font(9.75, true));
    m_placement.scale().fitText(report, {report->text(), false, 4 * Look::focusRingWidth});
    connect(report, &QPushButton::clicked, this, &InfoWindow::learningReportRequested);
}

QString InfoWindow::noticeText()
{
    return QStringLiteral("Rechenheft übt die schriftliche Multiplikation. Die Ziffern werden mit "
                          "der Maus in die Felder gezogen und sofort geprüft.");
}

QString InfoWindow::creditText()
{
    return QStringLiteral("Ein Übungsprogramm für die Grundschule");
}

bool InfoWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        placeAndFill();
    return QWidget::event(event);
}

void InfoWindow::showEvent(QShowEvent *event)
{
    placeAndFill();
    setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

// Centred across the screen, a quarter of the way down.
void InfoWindow::placeAndFill()
{
    m_placement.visit();
    m_notice->setText(noticeText());
    m_credit->setText(creditText());
}
