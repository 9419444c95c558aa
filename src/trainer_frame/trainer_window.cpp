// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_window.h"

#include "rewards/points_and_progress.h"
#include "shell/digit_tile.h"
#include "shell/look.h"
#include "shell/pictures.h"
#include "shell/platform.h"
#include "shell/printer_lock.h"
#include "shell/twips.h"
#include "shell/window_setup.h"
#include "trainer_frame/answer_input.h"
#include "trainer_frame/calculation_view.h"
#include "trainer_frame/help_strip.h"
#include "trainer_frame/invitation_button.h"
#include "trainer_frame/trainer_model.h"
#include "worksheet/worksheet_view.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace FrameGeometry;
using namespace WindowSetup;

namespace {
const QString invitationText = QStringLiteral("Du hast eine Belohnung, klicke hier . . .");
} // namespace

TrainerWindow::TrainerWindow(TrainerModel &model, const TrainerFrameSpec &spec, Platform &platform,
                             RandomSource &random, PrinterLock &printerLock, HelpSetting &help)
    : m_model(model)
    , m_placement(this, platform, PlacementRule::EachVisit)
{
    model.setParent(this);
    fixedWindow(this, spec.objectName, spec.caption, clientWidth, spec.clientHeight);
    setBackground(this, Look::window);
    buildCounters();

    // The stacking is set once by the order of creation: the counters and the
    // rocket lowest, then what a shown worksheet covers, then the worksheet.
    m_covered = new QWidget(this);
    m_covered->setObjectName(QStringLiteral("taskLayer"));
    m_covered->setGeometry(rect());
    horizontalLine(m_covered, QStringLiteral("Linie2"), taskAreaLeft, ruleRight, spec.commandRuleTop, 1, Look::ink);
    horizontalLine(m_covered, QStringLiteral("Linie3"), taskAreaLeft, ruleRight, spec.tileRuleTop, 1, Look::ink);
    QList<TrainerFrameSpec::Command> commands = spec.commands;
    commands.append({"Befehl14", "Blatt", 6000, [this] { showWorksheet(); }});
    for (const TrainerFrameSpec::Command &command : commands) {
        auto *button = new QPushButton(QString::fromUtf8(command.caption), m_covered);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setGeometry(Twips::rect(command.left, commandTop, commandWidth, commandHeight));
        button->setFont(WindowSetup::font(9.75, true));
        // The focus frame's rings keep their width at any zoom: the caption fits between them.
        m_placement.scale().fitTextWhenScaled(button, {button->text(), false, 4 * Look::focusRingWidth, 1});
        connect(button, &QPushButton::clicked, this, [this, action = command.action] {
            m_model.tutor().stopDemonstration();
            action();
        });
        m_commands.append(button);
    }
    m_view = new CalculationView(model, spec.taskAreaName,
                                 QRect(taskAreaLeft, spec.taskAreaTop, taskAreaWidth, spec.taskAreaHeight), spec.grid,
                                 m_covered);
    platform.showMessagesBeside(m_view); // a wrong digit stays in sight while it is reported
    m_input = new AnswerInput(model, *m_view, this);
    buildTiles();

    // Both invitations share one place; the catching game's, made last, lies on top.
    m_memoryInvitation = makeInvitation(spec.memoryInvitationName, QStringLiteral("Memory"), Look::memoryInvitationInk);
    m_catchInvitation = makeInvitation(spec.catchInvitationName, QStringLiteral("Zahlfange"), Look::catchInvitationInk);
    for (InvitationButton *invitation : {m_memoryInvitation, m_catchInvitation})
        invitation->setGeometry(Twips::rect(taskAreaLeft, spec.invitationTop, taskAreaWidth, invitationHeight));
    connect(m_memoryInvitation, &QAbstractButton::clicked, this, [this] {
        m_model.tutor().stopDemonstration();
        m_model.takeMemoryInvitation();
        emit memoryGameRequested();
    });
    connect(m_catchInvitation, &QAbstractButton::clicked, this, [this] {
        m_model.tutor().stopDemonstration();
        m_model.takeCatchInvitation();
        emit catchGameRequested();
    });

    WorksheetView::Hooks hooks;
    hooks.printerLocked = [&printerLock] { return printerLock.isSet(); };
    hooks.points = [this] { return m_model.rewards().points(); };
    hooks.staircase = spec.staircase;
    m_worksheet = new WorksheetView(this, spec.sheetKind, platform, random, hooks);
    connect(m_worksheet, &WorksheetView::closed, this, [this] {
        m_covered->show();
        m_input->setCovered(false);
        m_help->setEnabled(true);
    });
    m_help = new HelpStrip(model, *m_input, help, m_placement, spec.clientHeight, this);

    // The window itself holds the keyboard focus, so a stray Space or Return
    // presses no command; Tab still reaches every button. A click beside the
    // fields (on a tile or a command) leaves the keys with their field.
    keepStrayKeysOffButtons(this);
    setFocusPolicy(Qt::TabFocus);
    connect(&model, &TrainerModel::changed, this, &TrainerWindow::mirror);
    connect(&model, &TrainerModel::changed, m_view, &CalculationView::mirror);
    connect(&model, &TrainerModel::changed, m_help, &HelpStrip::mirror);
    connect(&model, &TrainerModel::leaveRequested, this, &TrainerWindow::leaveRequested);
    mirror();
    // Fitted to the screen before it is first shown; the pupil may zoom it.
    m_placement.visit();
    m_placement.letPupilZoom();
}

void TrainerWindow::buildTiles()
{
    for (int digit = 0; digit <= 9; ++digit) {
        auto *tile = new DigitTile(digit, m_covered);
        tile->setObjectName(QStringLiteral("Befehl%1").arg(digit + 2));
        tile->setGeometry(Twips::rect(taskAreaLeft + tilePitch * digit, tileTop, tileWidth, tileHeight));
        tile->setFont(WindowSetup::font(12, true));
        m_input->addTile(tile);
    }
}

void TrainerWindow::buildCounters()
{
    // Left bar: points ("R") and errors ("F").
    shape(this, QStringLiteral("Figur2"), Twips::rect(120, barTop, barWidth, barHeight), Look::counterBar, Look::ink);
    auto *right = label(this, QStringLiteral("Bezeichnung24"), QStringLiteral("R"), Twips::rect(240, 1395, 495, 255));
    auto *wrong = label(this, QStringLiteral("Bezeichnung25"), QStringLiteral("F"), Twips::rect(240, 2880, 495, 255));
    for (QLabel *l : {right, wrong}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFont(WindowSetup::font(9.75, true));
        l->setAccessibleDescription(l == right ? QStringLiteral("Punkte: richtige Ziffern")
                                               : QStringLiteral("Fehler: falsche Ziffern"));
    }
    auto counterTile = [this](const char *tileName, const char *labelName, int top, const QString &description) {
        auto *tile = shape(this, QString::fromLatin1(tileName), Twips::rect(240, top, 495, 495), Look::counter,
                           Look::counterBorder);
        tile->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        auto *counter = label(tile, QString::fromLatin1(labelName), QString(), tile->rect());
        counter->setAlignment(Qt::AlignCenter);
        counter->setFont(WindowSetup::font(9.75, true));
        setColours(counter, Look::light, Look::counter);
        counter->setAccessibleDescription(description);
        return counter;
    };
    m_pointsDisplay = counterTile("Bild4", "Bezeichnung22", 1680, QStringLiteral("Punkte"));
    horizontalLine(this, QStringLiteral("Linie4"), 300, 675, 2280, 2, Look::light);
    m_errorDisplay = counterTile("Bild5", "Bezeichnung23", 2400, QStringLiteral("Fehler"));

    // Right bar: the track the rocket climbs towards the moon.
    shape(this, QStringLiteral("Figur1"), Twips::rect(trackLeft, barTop, barWidth, barHeight), Look::darkSurface);
    auto *moon = label(this, QStringLiteral("Bild2"), QString(),
                       Twips::rect(pictureLeft, moonTop, pictureSize, pictureSize));
    Pictures::showOn(moon, Pictures::moon);
    moon->setAccessibleName(QStringLiteral("Mond"));
    moon->setAccessibleDescription(QStringLiteral("Ziel: der Mond"));
    m_rocket = label(this, QStringLiteral("Bild1"), QString(),
                     Twips::rect(pictureLeft, rocketStartTop, pictureSize, pictureSize));
    Pictures::showOn(m_rocket, Pictures::rocket);
    m_rocket->setAccessibleName(QStringLiteral("Rakete"));
    m_rocket->setAccessibleDescription(QStringLiteral("Rakete: steigt mit jeder gelösten Aufgabe"));
}

InvitationButton *TrainerWindow::makeInvitation(const QString &name, const QString &game, QColor ink)
{
    auto *invitation = new InvitationButton(invitationText, game, ink, m_covered);
    invitation->setObjectName(name);
    invitation->setGeometry(Twips::rect(taskAreaLeft, 0, taskAreaWidth, invitationHeight));
    invitation->setFont(WindowSetup::font(13.5, true));
    m_placement.scale().fitText(invitation, {invitationText});
    invitation->hide();
    return invitation;
}

void TrainerWindow::mirror()
{
    const PointsAndProgress &rewards = m_model.rewards();
    const int errors = m_model.errors();
    m_pointsDisplay->setText(rewards.pointsText());
    m_errorDisplay->setText(QString::number(errors));
    WindowSetup::nameForScreenReader(m_pointsDisplay, QStringLiteral("Richtig: %1").arg(rewards.pointsText()));
    WindowSetup::nameForScreenReader(m_errorDisplay, QStringLiteral("Fehler: %1").arg(errors));
    m_memoryInvitation->setVisible(rewards.memoryInvitationShown());
    m_catchInvitation->setVisible(rewards.catchInvitationShown());
    m_rocket->move(Twips::point(pictureLeft, rocketStartTop - rewards.rocketSteps() * rocketStep));
}

// "Blatt": a fresh sheet over the task; what it covers is out of reach until it closes.
void TrainerWindow::showWorksheet()
{
    m_worksheet->build();
    m_input->setCovered(true);
    m_help->setEnabled(false); // no help for a task under the sheet
    m_covered->hide();
}

void TrainerWindow::activateForWork()
{
    m_placement.visit();
    m_model.activate();
}

// No command button holds the focus when the window opens: the field a pupil
// writes first does, or the window itself.
void TrainerWindow::showEvent(QShowEvent *event)
{
    m_input->standOnFirstField();
    QWidget::showEvent(event);
}

void TrainerWindow::hideEvent(QHideEvent *event)
{
    m_model.tutor().stopDemonstration();
    m_input->putTileBack();
    QWidget::hideEvent(event);
}

// Tab runs over the fields in writing order, then over the buttons in sight.
bool TrainerWindow::focusNextPrevChild(bool next)
{
    QList<QWidget *> buttons;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (qobject_cast<QAbstractButton *>(w))
            buttons.append(w);
    return m_input->moveFocus(next, buttons);
}

void TrainerWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_input->handleKey(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void TrainerWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_model.leave();
}
