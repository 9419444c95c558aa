// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/trainer_window.h"

#include "rewards/points_and_progress.h"
#include "shell/clickable_label.h"
#include "shell/digit_field.h"
#include "shell/digit_tile.h"
#include "shell/look.h"
#include "shell/pictures.h"
#include "shell/platform.h"
#include "shell/printer_lock.h"
#include "shell/twips.h"
#include "shell/window_setup.h"
#include "trainer_frame/trainer_model.h"
#include "worksheet/worksheet_view.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using namespace WindowSetup;

namespace {
constexpr int clientWidth = 7830;
constexpr int commandTop = 120;
constexpr int commandWidth = 855;
constexpr int commandHeight = 495;
constexpr int taskAreaLeft = 960;
constexpr int taskAreaWidth = 5895;
constexpr int outOfViewTop = 6000;
constexpr int trackLeft = 6960;
constexpr int barWidth = 735;
constexpr int barHeight = 5175;
constexpr int pictureLeft = 7080;
constexpr int tileTop = 4680;
constexpr int cellWidth = 495;
constexpr int columnPitch = 600;
constexpr int dotSize = 195;
constexpr int ruleWidth = 3; // pixels

const QString invitationText = QStringLiteral("Du hast eine Belohnung, klicke hier . . .");

const Look::CellStyle &styleOf(const TrainerCell &cell, bool openGap)
{
    const bool normal = cell.view == TrainerView::Normal;
    switch (cell.role) {
    case CellRole::TaskDigit:
        return Look::taskCell;
    case CellRole::Carry:
        return Look::carryCell;
    case CellRole::Answer:
    case CellRole::PlaceZero:
    case CellRole::BroughtDownZero:
        return normal ? Look::answerCell : Look::givenCell;
    case CellRole::MultiplierZero:
        return normal ? Look::taskCell : Look::givenCell;
    case CellRole::Gap:
        return openGap ? Look::gapCell : Look::givenCell;
    case CellRole::Given:
    case CellRole::Dot:
    case CellRole::Rule:
        break;
    }
    return Look::givenCell;
}

QString describe(const TrainerCell &cell)
{
    switch (cell.role) {
    case CellRole::Carry:
        return QStringLiteral("Übertrag");
    case CellRole::PlaceZero:
        return QStringLiteral("Null der Stelle");
    case CellRole::Gap:
        return QStringLiteral("Lückenziffer");
    default:
        return QStringLiteral("Ergebnisziffer");
    }
}
} // namespace

TrainerWindow::TrainerWindow(const TrainerFrameSpec &spec, Platform &platform,
                             RandomSource &random, PrinterLock &printerLock)
    : m_spec(spec)
    , m_platform(platform)
    , m_printerLock(printerLock)
{
    fixedWindow(this, spec.objectName, spec.caption, clientWidth, spec.clientHeight);
    setBackground(this, Look::window);

    // The stacking is set once by the order of creation: the task layer lies
    // lowest, the invitations over it, and a shown worksheet over everything.
    m_taskLayer = new QWidget(this);
    m_taskLayer->setObjectName(QStringLiteral("taskLayer"));
    m_taskLayer->setGeometry(rect());
    horizontalLine(m_taskLayer, QStringLiteral("Linie2"), taskAreaLeft, 6840, spec.commandRuleTop, 1,
                   Look::ink);
    horizontalLine(m_taskLayer, QStringLiteral("Linie3"), taskAreaLeft, 6840, spec.tileRuleTop, 1,
                   Look::ink);
    buildTiles();
    buildBars();

    // Both invitations share one place; the catching game's, made last, lies on top.
    m_memoryInvitation = makeInvitation(spec.memoryInvitationName, Look::memoryInvitationInk);
    m_catchInvitation = makeInvitation(spec.catchInvitationName, Look::catchInvitationInk);
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

    m_hiddenErrors = addHiddenLabel(QStringLiteral("Bezeichnung15"), 960);
    m_pointsStore = addHiddenLabel(QStringLiteral("Bezeichnung16"), 1560);
    auto hiddenList = [this](const char *name, int left) {
        auto *list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setGeometry(Twips::rect(left, outOfViewTop, 1215, 495));
        list->hide();
        return list;
    };
    m_keyListA = hiddenList("Liste1", 3360);
    m_keyListB = hiddenList("Liste2", 4680);

    WorksheetView::Hooks hooks;
    hooks.printerLocked = [this] { return m_printerLock.isSet(); };
    hooks.pointsText = [this] { return m_pointsDisplay->text(); };
    m_worksheet = new WorksheetView(this, spec.sheetKind, platform, random, hooks);
    // Fitted to the screen before it is first shown; the pupil may zoom it.
    centreOnScreen(this, platform.screenSize(), 2);
    letPupilZoom(this);
}

QList<QPushButton *> TrainerWindow::addCommands(const QList<Command> &commands)
{
    QList<QPushButton *> buttons;
    for (const Command &command : commands) {
        auto *button = new QPushButton(QString::fromUtf8(command.caption), m_taskLayer);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setGeometry(Twips::rect(command.left, commandTop, commandWidth, commandHeight));
        button->setFont(WindowSetup::font(9.75, true));
        connect(button, &QPushButton::clicked, this, command.action);
        buttons.append(button);
    }
    return buttons;
}

void TrainerWindow::buildWorksheet()
{
    m_worksheet->build();
}

QLabel *TrainerWindow::addHiddenLabel(const QString &name, int left)
{
    QLabel *hidden = label(this, name, QString(), Twips::rect(left, outOfViewTop, 495, 255));
    hidden->hide();
    return hidden;
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
          Look::counterBar, Look::ink);
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
                           Look::counter, Look::counterBorder);
        tile->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        auto *counter = label(tile, QString::fromLatin1(labelName), QString(), tile->rect());
        counter->setAlignment(Qt::AlignCenter);
        counter->setFont(WindowSetup::font(9.75, true));
        setColours(counter, Look::light, Look::counter);
        counter->setAccessibleDescription(description);
        return counter;
    };
    m_pointsDisplay = counterTile("Bild4", "Bezeichnung22", 1680, QStringLiteral("Punkte"));
    horizontalLine(m_taskLayer, QStringLiteral("Linie4"), 300, 675, 2280, 2, Look::light);
    m_errorDisplay = counterTile("Bild5", "Bezeichnung23", 2400, QStringLiteral("Fehler"));

    // Right bar: the track the rocket climbs towards the moon.
    shape(m_taskLayer, QStringLiteral("Figur1"), Twips::rect(trackLeft, 120, barWidth, barHeight),
          Look::darkSurface);
    auto *moon = label(m_taskLayer, QStringLiteral("Bild2"), QString(),
                       Twips::rect(pictureLeft, 240, 495, 495));
    Pictures::showOn(moon, Pictures::moon);
    moon->setAccessibleDescription(QStringLiteral("Ziel: der Mond"));
    m_rocket = label(m_taskLayer, QStringLiteral("Bild1"), QString(),
                     Twips::rect(pictureLeft, PointsAndProgress::rocketStartTop, 495, 495));
    Pictures::showOn(m_rocket, Pictures::rocket);
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
    setColours(invitation, textColour, Look::darkSurface);
    invitation->hide();
    return invitation;
}

QRect TrainerWindow::cellBox(int cell) const
{
    const TrainerDesign &design = m_model->design();
    const TrainerCell &c = design.cell(cell);
    return QRect(m_spec.gridLeft + (design.columns() - c.column) * columnPitch,
                 m_spec.rowTops.value(c.row), cellWidth, m_spec.rowHeights.value(c.row));
}

// Both views of the calculation stand on one grid: the normal view on the
// task area, the gap view on the panel that covers it in gap mode.
void TrainerWindow::buildCalculation()
{
    const QRect taskArea(taskAreaLeft, m_spec.taskAreaTop, taskAreaWidth, m_spec.taskAreaHeight);
    QFrame *frame = shape(m_taskLayer, m_spec.taskAreaName,
                          Twips::rect(taskArea.x(), taskArea.y(), taskArea.width(), taskArea.height()),
                          Look::taskArea, Look::ink);
    keepMessagesOff(frame); // a wrong digit stays in sight while it is reported
    m_gapPanel = new QWidget(m_taskLayer);
    m_gapPanel->setObjectName(QStringLiteral("Bild6"));
    m_gapPanel->setGeometry(Twips::rect(taskAreaLeft, outOfViewTop, taskAreaWidth, m_spec.gapPanelHeight));
    setBackground(m_gapPanel, Look::panel);
    m_gapPanel->hide();

    const TrainerDesign &design = m_model->design();
    m_cells.fill(nullptr, design.size());
    m_styledAsGap.fill(false, design.size());
    for (int i = 0; i < design.size(); ++i) {
        const TrainerCell &cell = design.cell(i);
        const bool normal = cell.view == TrainerView::Normal;
        QWidget *parent = normal ? m_taskLayer : m_gapPanel;
        const QPoint origin = normal ? taskArea.topLeft() : QPoint();
        const QRect box = cellBox(i).translated(origin);
        if (cell.role == CellRole::Dot) {
            const int dot = Twips::toPixels(dotSize);
            const QPoint centre = Twips::rect(box.x(), box.y(), box.width(), box.height()).center();
            m_cells[i] = Look::multiplicationDot(parent, cell.name,
                                                 QRect(centre - QPoint(dot / 2, dot / 2), QSize(dot, dot)));
        } else if (cell.role == CellRole::Rule) {
            // A rule continues the one that ends left of it, else starts at its own column.
            int left = box.x() - (cell.span - 1) * columnPitch;
            for (int j = 0; j < design.size(); ++j) {
                const TrainerCell &other = design.cell(j);
                if (other.role == CellRole::Rule && other.view == cell.view && other.row == cell.row
                    && other.column == cell.column + cell.span)
                    left = cellBox(j).translated(origin).right() + 1;
            }
            const int bottom = box.y() + box.height();
            const int nextTop = m_spec.rowTops.value(cell.row + 1) + origin.y();
            m_cells[i] = horizontalLine(parent, cell.name, left, box.right() + 1, (bottom + nextTop) / 2,
                                        ruleWidth, Look::ink);
        } else {
            QLabel *label = nullptr;
            if (design.takesDrops(i)) {
                auto *field = new DigitField(parent);
                connect(field, &DigitField::digitDropped, this,
                        [this, i](const QString &digit) { queueDrop(i, digit); });
                field->setAccessibleDescription(describe(cell));
                label = field;
            } else {
                label = new QLabel(parent);
            }
            label->setObjectName(cell.name);
            label->setGeometry(Twips::rect(box.x(), box.y(), box.width(), box.height()));
            Look::styleCell(label, styleOf(cell, false), design.takesDrops(i));
            m_cells[i] = label;
        }
    }
    m_gapPanel->raise(); // over the normal view it covers
}

void TrainerWindow::attachModel(TrainerModel &model, std::function<bool()> staircase)
{
    m_model = &model;
    buildCalculation();
    // The window itself holds the keyboard focus, so a stray Space or Return
    // presses no command; Tab still reaches every button.
    keepStrayKeysOffButtons(this);
    m_worksheet->setStaircaseSource(std::move(staircase));
    connect(&model, &TrainerModel::changed, this, &TrainerWindow::mirrorModel);
    connect(&model, &TrainerModel::leaveRequested, this, &TrainerWindow::leaveRequested);
    mirrorModel();
}

void TrainerWindow::mirrorModel()
{
    const TrainerDesign &design = m_model->design();
    for (int i = 0; i < design.size(); ++i) {
        QWidget *widget = m_cells.at(i);
        if (design.holdsDigit(i)) {
            auto *label = static_cast<QLabel *>(widget);
            label->setText(m_model->text(i));
            // A gap the task left open looks like one until the next task.
            if (m_styledAsGap.at(i) != m_model->isOpenGap(i)) {
                m_styledAsGap[i] = m_model->isOpenGap(i);
                Look::styleCell(label, styleOf(design.cell(i), m_styledAsGap.at(i)), design.takesDrops(i));
            }
        }
        widget->setVisible(m_model->isVisible(i));
    }
    const bool gapMode = m_model->gapMode();
    m_gapPanel->move(Twips::point(taskAreaLeft, gapMode ? m_spec.taskAreaTop : outOfViewTop));
    m_gapPanel->setVisible(gapMode);

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
void TrainerWindow::queueDrop(int cell, const QString &digit)
{
    m_pendingDrops.append({cell, digit});
    QTimer::singleShot(0, this, &TrainerWindow::processDrops);
}

void TrainerWindow::processDrops()
{
    if (m_processingDrops)
        return;
    m_processingDrops = true;
    while (!m_pendingDrops.isEmpty()) {
        const auto [cell, digit] = m_pendingDrops.takeFirst();
        m_model->dropDigit(cell, digit);
    }
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
