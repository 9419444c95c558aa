// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_window.h"

#include "rewards/points_and_progress.h"
#include "shell/clickable_label.h"
#include "shell/digit_tile.h"
#include "shell/pictures.h"
#include "shell/platform.h"
#include "shell/printer_lock.h"
#include "shell/twips.h"
#include "shell/window_setup.h"
#include "trainer_frame/trainer_look.h"
#include "trainer_frame/trainer_model.h"
#include "worksheet/worksheet_view.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using namespace WindowSetup;
using namespace TrainerLook;

namespace {
constexpr int trackLeft = 6960;
constexpr int barWidth = 735;
constexpr int barHeight = 5175;
constexpr int pictureLeft = 7080;
constexpr int tileTop = 4680;
} // namespace

TrainerWindow::TrainerWindow(const TrainerFrameSpec &spec, Platform &platform,
                             RandomSource &random, PrinterLock &printerLock)
    : m_spec(spec)
    , m_platform(platform)
    , m_printerLock(printerLock)
{
    fixedWindow(this, spec.objectName, spec.caption, clientWidth, spec.clientHeight);
    setBackground(this, windowColour);

    // The stacking is set once by the order of creation: the task layer lies
    // lowest, the invitations over it, and a shown worksheet over everything.
    m_taskLayer = new QWidget(this);
    m_taskLayer->setObjectName(QStringLiteral("taskLayer"));
    m_taskLayer->setGeometry(rect());
    horizontalLine(m_taskLayer, QStringLiteral("Linie2"), taskAreaLeft, 6840, spec.commandRuleTop, 1,
                   darkBlue);
    horizontalLine(m_taskLayer, QStringLiteral("Linie3"), taskAreaLeft, 6840, spec.tileRuleTop, 1,
                   darkBlue);
    buildTiles();
    buildBars();

    // Both invitations share one place; the catching game's, made last, lies on top.
    m_memoryInvitation = makeInvitation(spec.memoryInvitationName, QColor(192, 192, 192));
    m_catchInvitation = makeInvitation(spec.catchInvitationName, QColor(0, 192, 0));
    connect(m_memoryInvitation, &ClickableLabel::clicked, this, [this] {
        if (m_model)
            m_model->takeMemoryInvitation();
        emit memoryGameRequested();
    });
    connect(m_catchInvitation, &ClickableLabel::clicked, this, [this] {
        if (m_model)
            m_model->takeCatchInvitation();
        emit catchGameRequested();
    });
    buildHiddenControls();

    WorksheetView::Hooks hooks;
    hooks.printerLocked = [this] { return m_printerLock.isSet(); };
    hooks.pointsText = [this] { return m_pointsDisplay->text(); };
    m_worksheet = new WorksheetView(this, spec.sheetKind, platform, random, hooks);
}

void TrainerWindow::addCommands(const QList<Command> &commands)
{
    for (const Command &command : commands) {
        auto *button = new QPushButton(QString::fromUtf8(command.caption), m_taskLayer);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setGeometry(Twips::rect(command.left, commandTop, commandWidth, commandHeight));
        button->setFont(WindowSetup::font(9.75, true));
        connect(button, &QPushButton::clicked, this, command.action);
    }
}

void TrainerWindow::buildWorksheet()
{
    m_worksheet->build();
}

void TrainerWindow::buildTiles()
{
    for (int digit = 0; digit <= 9; ++digit) {
        auto *tile = new DigitTile(digit, m_taskLayer);
        tile->setObjectName(QStringLiteral("Befehl%1").arg(digit + 2));
        tile->setGeometry(Twips::rect(taskAreaLeft + 600 * digit, tileTop, 495, 615));
        tile->setFont(WindowSetup::font(12, true));
    }
}

void TrainerWindow::buildBars()
{
    // Left bar: points ("R") and errors ("F").
    shape(m_taskLayer, QStringLiteral("Figur2"), Twips::rect(120, 120, barWidth, barHeight),
          QColor(160, 160, 230), darkBlue);
    auto *right = label(m_taskLayer, QStringLiteral("Bezeichnung24"), QStringLiteral("R"),
                        Twips::rect(240, 1395, 495, 255));
    auto *wrong = label(m_taskLayer, QStringLiteral("Bezeichnung25"), QStringLiteral("F"),
                        Twips::rect(240, 2880, 495, 255));
    for (QLabel *l : {right, wrong}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFont(WindowSetup::font(9.75, true));
        l->setAccessibleDescription(l == right ? QStringLiteral("Punkte: richtige Ziffern")
                                               : QStringLiteral("Fehler: falsche Ziffern"));
    }
    auto counterTile = [this](const char *tileName, const char *labelName, int top,
                              const QString &description) {
        auto *tile = shape(m_taskLayer, QString::fromLatin1(tileName), Twips::rect(240, top, 495, 495),
                           pointsGreen, QColor(0, 80, 0));
        tile->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        auto *counter = label(tile, QString::fromLatin1(labelName), QString(), tile->rect());
        counter->setAlignment(Qt::AlignCenter);
        counter->setFont(WindowSetup::font(9.75, true));
        setColours(counter, Qt::white, pointsGreen);
        counter->setAccessibleDescription(description);
        return counter;
    };
    m_pointsDisplay = counterTile("Bild4", "Bezeichnung22", 1680, QStringLiteral("Punkte"));
    horizontalLine(m_taskLayer, QStringLiteral("Linie4"), 300, 675, 2280, 2, Qt::white);
    m_errorDisplay = counterTile("Bild5", "Bezeichnung23", 2400, QStringLiteral("Fehler"));

    // Right bar: the track the rocket climbs towards the moon.
    shape(m_taskLayer, QStringLiteral("Figur1"), Twips::rect(trackLeft, 120, barWidth, barHeight),
          Qt::black);
    auto *moon = label(m_taskLayer, QStringLiteral("Bild2"), QString(),
                       Twips::rect(pictureLeft, 240, 495, 495));
    moon->setPixmap(Pictures::moon(moon->size()));
    moon->setAccessibleDescription(QStringLiteral("Ziel: der Mond"));
    m_rocket = label(m_taskLayer, QStringLiteral("Bild1"), QString(),
                     Twips::rect(pictureLeft, PointsAndProgress::rocketStartTop, 495, 495));
    m_rocket->setPixmap(Pictures::rocket(m_rocket->size()));
    m_rocket->setAccessibleDescription(QStringLiteral("Rakete: steigt mit jeder gelösten Aufgabe"));
}

ClickableLabel *TrainerWindow::makeInvitation(const QString &name, QColor textColour)
{
    auto *invitation = new ClickableLabel(invitationText, this);
    invitation->setObjectName(name);
    invitation->setGeometry(Twips::rect(taskAreaLeft, m_spec.invitationTop, taskAreaWidth, 375));
    invitation->setFont(WindowSetup::font(13.5, true));
    fitText(invitation, invitationText);
    invitation->setAlignment(Qt::AlignCenter);
    invitation->setCursor(Qt::PointingHandCursor);
    setColours(invitation, textColour, Qt::black);
    invitation->hide();
    return invitation;
}

// State the program keeps in controls nobody sees, below the client area.
void TrainerWindow::buildHiddenControls()
{
    auto hiddenLabel = [this](const char *name, int left) {
        auto *l = label(this, QString::fromLatin1(name), QString(),
                        Twips::rect(left, outOfViewTop, 495, 255));
        l->hide();
        return l;
    };
    m_hiddenErrors = hiddenLabel("Bezeichnung15", 960);
    m_pointsStore = hiddenLabel("Bezeichnung16", 1560);
    auto hiddenList = [this](const char *name, int left) {
        auto *list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setGeometry(Twips::rect(left, outOfViewTop, 1215, 495));
        list->hide();
        return list;
    };
    m_keyListA = hiddenList("Liste1", 3360);
    m_keyListB = hiddenList("Liste2", 4680);
}

void TrainerWindow::attachModel(TrainerModel &model, std::function<bool()> staircase)
{
    m_model = &model;
    // The window itself holds the keyboard focus, so a stray Space or Return
    // presses no command; Tab still reaches every button.
    keepStrayKeysOffButtons(this);
    m_worksheet->setStaircaseSource(std::move(staircase));
    connect(&model, &TrainerModel::changed, this, &TrainerWindow::mirrorFrame);
    connect(&model, &TrainerModel::leaveRequested, this, &TrainerWindow::leaveRequested);
    mirrorFrame();
}

void TrainerWindow::mirrorFrame()
{
    const PointsAndProgress &rewards = m_model->rewards();
    const int errors = m_model->errors();
    m_pointsStore->setText(rewards.points() == 0 ? QString() : rewards.pointsText());
    m_pointsDisplay->setText(rewards.pointsText());
    m_hiddenErrors->setText(errors == 0 ? QString() : QString::number(errors));
    m_errorDisplay->setText(QString::number(errors));
    m_memoryInvitation->setVisible(rewards.memoryInvitationShown());
    m_catchInvitation->setVisible(rewards.catchInvitationShown());
    m_rocket->move(Twips::point(pictureLeft, rewards.rocketTop()));
    m_keyListA->clear();
    m_keyListA->addItems(m_model->keyListA());
    m_keyListB->clear();
    m_keyListB->addItems(m_model->keyListB());
}

void TrainerWindow::activateForWork()
{
    WindowSetup::centreOnScreen(this, m_platform.screenSize(), 2);
    if (m_model)
        m_model->activate();
}

// A drop is handled once the drag has finished, so the message box about a
// wrong digit never opens inside the drag; drops arriving meanwhile wait in turn.
void TrainerWindow::queueDrop(std::function<void()> drop)
{
    m_pendingDrops.append(std::move(drop));
    QTimer::singleShot(0, this, &TrainerWindow::processDrops);
}

void TrainerWindow::processDrops()
{
    if (m_processingDrops)
        return;
    m_processingDrops = true;
    while (!m_pendingDrops.isEmpty())
        m_pendingDrops.takeFirst()();
    m_processingDrops = false;
}

void TrainerWindow::showEvent(QShowEvent *event)
{
    setFocus(Qt::OtherFocusReason); // no command button holds the focus when the window opens
    QWidget::showEvent(event);
}

void TrainerWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_model)
        m_model->leave();
}
