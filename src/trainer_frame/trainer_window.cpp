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

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
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

// Names change only when what they say changes: each change is announced to a screen reader.
void nameForScreenReader(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
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
        connect(tile, &QAbstractButton::clicked, this, [this, tile] { tileTapped(tile); });
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
    moon->setAccessibleName(QStringLiteral("Mond"));
    moon->setAccessibleDescription(QStringLiteral("Ziel: der Mond"));
    m_rocket = label(m_taskLayer, QStringLiteral("Bild1"), QString(),
                     Twips::rect(pictureLeft, PointsAndProgress::rocketStartTop, 495, 495));
    Pictures::showOn(m_rocket, Pictures::rocket);
    m_rocket->setAccessibleName(QStringLiteral("Rakete"));
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
    m_taskArea = shape(m_taskLayer, m_spec.taskAreaName,
                       Twips::rect(taskArea.x(), taskArea.y(), taskArea.width(), taskArea.height()),
                       Look::taskArea, Look::ink);
    keepMessagesOff(m_taskArea); // a wrong digit stays in sight while it is reported
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
            m_cells[i]->setAccessibleName(QStringLiteral("mal"));
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
                connect(field, &DigitField::digitTyped, this,
                        [this, i](const QString &digit) { enterDigit(i, digit); });
                connect(field, &DigitField::tapped, this, [this, i] { fieldTapped(i); });
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
    // A click beside the fields (on a tile or a command) leaves the keys with their field.
    setFocusPolicy(Qt::TabFocus);
    m_worksheet->setStaircaseSource(std::move(staircase));
    connect(&model, &TrainerModel::changed, this, &TrainerWindow::mirrorModel);
    connect(&model, &TrainerModel::taskStarted, this, [this] { focusCell(m_model->firstToWrite()); });
    connect(&model, &TrainerModel::leaveRequested, this, &TrainerWindow::leaveRequested);
    mirrorModel();
}

void TrainerWindow::mirrorModel()
{
    const TrainerDesign &design = m_model->design();
    // What each view's task asks: the name of its frame, told again on each field that takes digits.
    const QString normalTask = m_model->taskText(TrainerView::Normal);
    const QString gapTask = m_model->taskText(TrainerView::GapPanel);
    for (int i = 0; i < design.size(); ++i) {
        QWidget *widget = m_cells.at(i);
        if (design.holdsDigit(i)) {
            auto *label = static_cast<QLabel *>(widget);
            label->setText(m_model->text(i));
            nameForScreenReader(label, m_model->cellName(i));
            const QString &asks = design.cell(i).view == TrainerView::Normal ? normalTask : gapTask;
            if (design.takesDrops(i) && label->accessibleDescription() != asks)
                label->setAccessibleDescription(asks);
            // A gap the task left open looks like one until the next task.
            if (m_styledAsGap.at(i) != m_model->isOpenGap(i)) {
                m_styledAsGap[i] = m_model->isOpenGap(i);
                Look::styleCell(label, styleOf(design.cell(i), m_styledAsGap.at(i)), design.takesDrops(i));
            }
        }
        widget->setVisible(m_model->isVisible(i));
    }
    // A field gone out of sight hands the keys on, also in a window not active now.
    if (focusWidget() && !focusWidget()->isVisibleTo(this) && m_cells.contains(focusWidget()))
        focusCell(m_model->firstToWrite());
    const bool gapMode = m_model->gapMode();
    m_gapPanel->move(Twips::point(taskAreaLeft, gapMode ? m_spec.taskAreaTop : outOfViewTop));
    m_gapPanel->setVisible(gapMode);

    const PointsAndProgress &rewards = m_model->rewards();
    const int errors = m_model->errors();
    m_pointsStore->setText(rewards.points() == 0 ? QString() : rewards.pointsText());
    m_pointsDisplay->setText(rewards.pointsText());
    m_hiddenErrors->setText(errors == 0 ? QString() : QString::number(errors));
    m_errorDisplay->setText(QString::number(errors));
    nameForScreenReader(m_pointsDisplay, QStringLiteral("Richtig: %1").arg(rewards.pointsText()));
    nameForScreenReader(m_errorDisplay, QStringLiteral("Fehler: %1").arg(errors));
    nameForScreenReader(m_taskArea, normalTask);
    nameForScreenReader(m_gapPanel, gapTask);
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

void TrainerWindow::enterDigit(int cell, const QString &digit)
{
    // Keys reach a field the worksheet covers, a pupil's hand does not.
    if (m_worksheet->isShown())
        return;
    m_pendingDrops.append({cell, digit});
    processDrops();
}

// After a right digit the focus goes on to the next empty field, after a
// wrong one (its message closed) it stands on the field again; a solved task
// has already put it on the next task's first field.
void TrainerWindow::processDrops()
{
    if (m_processingDrops)
        return;
    m_processingDrops = true;
    putTileBack();
    while (!m_pendingDrops.isEmpty()) {
        const auto [cell, digit] = m_pendingDrops.takeFirst();
        switch (m_model->dropDigit(cell, digit)) {
        case DropOutcome::Right: {
            const int next = m_model->nextToWrite(cell);
            focusCell(next < 0 ? cell : next);
            break;
        }
        case DropOutcome::Wrong:
            focusCell(cell);
            break;
        case DropOutcome::Refused:
        case DropOutcome::Solved:
            break;
        }
    }
    m_processingDrops = false;
}

void TrainerWindow::focusCell(int cell)
{
    if (cell >= 0)
        m_cells.at(cell)->setFocus(Qt::OtherFocusReason);
}

// No command button holds the focus when the window opens: the field a pupil
// writes first does, or the window itself.
void TrainerWindow::showEvent(QShowEvent *event)
{
    const int first = m_model ? m_model->firstToWrite() : -1;
    if (first >= 0)
        focusCell(first);
    else
        setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

void TrainerWindow::hideEvent(QHideEvent *event)
{
    putTileBack();
    QWidget::hideEvent(event);
}

// Tab runs over the fields in writing order, then over the command buttons.
bool TrainerWindow::focusNextPrevChild(bool next)
{
    QList<QWidget *> ring;
    if (m_model && !m_worksheet->isShown())
        for (int cell : m_model->writingCells())
            ring.append(m_cells.at(cell));
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (qobject_cast<QAbstractButton *>(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible()
            && w->isEnabled())
            ring.append(w);
    if (ring.isEmpty())
        return false;
    const int at = int(ring.indexOf(focusWidget()));
    const int count = int(ring.size());
    const int to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    ring.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void TrainerWindow::keyPressEvent(QKeyEvent *event)
{
    static const QHash<int, Move> moves{
        {Qt::Key_Left, Move::Left}, {Qt::Key_Right, Move::Right}, {Qt::Key_Up, Move::Up}, {Qt::Key_Down, Move::Down}};
    const int cell = int(m_cells.indexOf(focusWidget()));
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (m_model && cell >= 0 && moves.contains(event->key()) && plain) {
        focusCell(m_model->neighbour(cell, moves.value(event->key())));
    } else if (event->key() == Qt::Key_Escape && m_pickedTile) {
        putTileBack();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// A tap picks a tile up, a tap on the tile in hand puts it back; while one is
// held, a press anywhere but on a field or a tile puts it back too.
void TrainerWindow::tileTapped(DigitTile *tile)
{
    const bool wasPicked = tile == m_pickedTile;
    putTileBack();
    if (wasPicked)
        return;
    m_pickedTile = tile;
    tile->setPicked(true);
    qApp->installEventFilter(this);
}

void TrainerWindow::putTileBack()
{
    if (!m_pickedTile)
        return;
    m_pickedTile->setPicked(false);
    m_pickedTile = nullptr;
    qApp->removeEventFilter(this);
}

// A tap on a field with a tile in hand drops the tile's digit there (without
// one, the press has just put the focus there).
void TrainerWindow::fieldTapped(int cell)
{
    if (!m_pickedTile)
        return;
    const QString digit = m_pickedTile->text();
    putTileBack();
    enterDigit(cell, digit);
}

bool TrainerWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A press reaches its window's QWindow first, then the widget under it: the widget tells.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::MouseButtonPress && widget) {
        const bool ownField = qobject_cast<DigitField *>(widget) && widget->window() == this;
        if (!ownField && widget != m_pickedTile)
            putTileBack();
    }
    return QWidget::eventFilter(watched, event);
}

void TrainerWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_model)
        m_model->leave();
}
