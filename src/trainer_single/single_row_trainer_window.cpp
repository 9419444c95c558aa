#include "trainer_single/single_row_trainer_window.h"

#include "shell/clickable_label.h"
#include "shell/digit_field.h"
#include "shell/digit_tile.h"
#include "shell/pictures.h"
#include "shell/platform.h"
#include "shell/printer_lock.h"
#include "shell/twips.h"
#include "shell/window_setup.h"
#include "worksheet/worksheet_view.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using E = SingleRowElement;
using namespace WindowSetup;

namespace {
constexpr int clientWidth = 7830;
constexpr int clientHeight = 5430;
constexpr int gapPanelLeft = 960;
constexpr int gapPanelInView = 840;
constexpr int gapPanelOutOfView = 6000;
constexpr int hiddenTop = 6000;

const QColor windowColour(192, 192, 255);
const QColor taskAreaColour(224, 232, 255);
const QColor darkBlue(0, 0, 128);
const QColor fieldColour(250, 250, 255);
const QColor fieldBorder(128, 128, 200);
const QColor carryRed(220, 0, 0);
const QColor gapPanelColour(128, 128, 255);
const QColor ruleColour(0, 0, 128);
const QColor pointsGreen(0, 128, 0);

const QString invitationText = QStringLiteral("Du hast eine Belohnung, klicke hier . . .");

void styleField(QLabel *label, QColor textColour, QColor background, qreal points, bool framed)
{
    label->setAlignment(Qt::AlignCenter);
    label->setFont(WindowSetup::font(points, true));
    setColours(label, textColour, background);
    if (framed) {
        label->setFrameShape(QFrame::Box);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Light, fieldBorder);
        palette.setColor(QPalette::Dark, fieldBorder);
        label->setPalette(palette);
    }
}
} // namespace

SingleRowTrainerWindow::SingleRowTrainerWindow(Platform &platform, RandomSource &random,
                                               PrinterLock &printerLock)
    : m_platform(platform)
    , m_model(platform, random, this)
{
    fixedWindow(this, QStringLiteral("Form1"), m_model.caption(), clientWidth, clientHeight);
    setBackground(this, windowColour);
    buildControls();

    WorksheetView::Hooks hooks;
    hooks.printerLocked = [&printerLock] { return printerLock.isSet(); };
    hooks.pointsText = [this] { return m_pointsDisplay->text(); };
    m_worksheet = new WorksheetView(this, SheetKind::SingleRow, platform, random, hooks);
    connect(findChild<QPushButton *>(QStringLiteral("Befehl14")), &QPushButton::clicked, m_worksheet,
            &WorksheetView::build);

    connect(&m_model, &SingleRowTrainerModel::changed, this, &SingleRowTrainerWindow::mirrorModel);
    connect(&m_model, &SingleRowTrainerModel::leaveRequested, this,
            &SingleRowTrainerWindow::leaveRequested);
    mirrorModel();
}

void SingleRowTrainerWindow::buildControls()
{
    // Command row.
    struct Command {
        const char *name;
        const char *caption;
        int left;
        void (SingleRowTrainerModel::*action)();
    };
    const Command commands[] = {
        {"Befehl1", "Ende", 960, &SingleRowTrainerModel::leave},
        {"Befehl15", "Hilfe", 1800, &SingleRowTrainerModel::showHelp},
        {"Befehl21", "mal E", 2640, &SingleRowTrainerModel::chooseOnes},
        {"Befehl20", "mal Z", 3480, &SingleRowTrainerModel::chooseTens},
        {"Befehl13", "mal H", 4320, &SingleRowTrainerModel::chooseHundreds},
        {"Befehl12", "Lücke", 5160, &SingleRowTrainerModel::chooseGaps},
        {"Befehl14", "Blatt", 6000, nullptr},
    };
    for (const Command &command : commands) {
        auto *button = new QPushButton(QString::fromUtf8(command.caption), this);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setGeometry(Twips::rect(command.left, 120, 855, 495));
        button->setFont(WindowSetup::font(9.75, true));
        if (command.action)
            connect(button, &QPushButton::clicked, &m_model, command.action);
    }

    horizontalLine(this, QStringLiteral("Linie2"), 960, 6840, 720, 1, darkBlue);
    horizontalLine(this, QStringLiteral("Linie3"), 960, 6840, 4560, 1, darkBlue);
    shape(this, QStringLiteral("Figur6"), Twips::rect(960, 840, 5895, 3615), taskAreaColour, darkBlue);

    // Task row.
    const int taskLefts[] = {1560, 2160, 2760, 3360, 4560, 5160, 5760};
    const E taskCells[] = {E::Digit1, E::Digit2, E::Digit3, E::Digit4,
                           E::Multiplier, E::MultiplierZero1, E::MultiplierZero2};
    for (int i = 0; i < 7; ++i) {
        auto *cell = label(this, elementName(taskCells[i]), QString(),
                           Twips::rect(taskLefts[i], 1560, 495, 495));
        styleField(cell, darkBlue, windowColour, 24, false);
        m_elements[std::size_t(taskCells[i])] = cell;
    }
    auto *dot = shape(this, QStringLiteral("Figur3"), Twips::rect(4120, 1750, 200, 200), darkBlue);
    dot->setStyleSheet(QStringLiteral("background: #000080; border-radius: 6px;"));

    // Answer fields: carries and result row.
    struct Field {
        E element;
        int left;
        int top;
        int height;
        bool carry;
    };
    const Field fields[] = {
        {E::CarryHundreds, 1560, 2040, 375, true},  {E::CarryTens, 2160, 2040, 375, true},
        {E::CarryOnes, 2760, 2040, 375, true},      {E::ProductTenThousands, 2160, 2640, 615, false},
        {E::ProductThousands, 2760, 2640, 615, false}, {E::ProductHundreds, 3360, 2640, 615, false},
        {E::ProductTens, 3960, 2640, 615, false},   {E::ProductOnes, 4560, 2640, 615, false},
        {E::BroughtDownZero1, 5160, 2640, 615, false}, {E::BroughtDownZero2, 5760, 2640, 615, false},
    };
    for (const Field &f : fields) {
        auto *field = new DigitField(this);
        field->setObjectName(elementName(f.element));
        field->setGeometry(Twips::rect(f.left, f.top, 495, f.height));
        styleField(field, f.carry ? carryRed : darkBlue, fieldColour, f.carry ? 13.5 : 24, true);
        field->setAccessibleDescription(f.carry ? QStringLiteral("Übertrag")
                                                : QStringLiteral("Ergebnisziffer"));
        const E element = f.element;
        connect(field, &DigitField::digitDropped, this,
                [this, element](const QString &digit) { queueDrop(element, digit); });
        m_elements[std::size_t(f.element)] = field;
    }

    horizontalLine(this, QStringLiteral("Linie1"), 1560, 5040, 2520, 3, ruleColour);
    m_elements[std::size_t(E::RuleTens)] =
        horizontalLine(this, elementName(E::RuleTens), 5040, 5640, 2520, 3, ruleColour);
    m_elements[std::size_t(E::RuleHundreds)] =
        horizontalLine(this, elementName(E::RuleHundreds), 5640, 6240, 2520, 3, ruleColour);

    // Digit tiles.
    for (int digit = 0; digit <= 9; ++digit) {
        auto *tile = new DigitTile(digit, this);
        tile->setObjectName(QStringLiteral("Befehl%1").arg(digit + 2));
        tile->setGeometry(Twips::rect(960 + 600 * digit, 4680, 495, 615));
        tile->setFont(WindowSetup::font(12, true));
    }

    buildBars();
    buildGapPanel();

    // Reward invitations share one place; the catching game's, made last, lies on top.
    // The stacking is set by the order of creation once: the worksheet, made
    // after everything else, covers all of it while it is shown.
    auto makeInvitation = [this](const char *name, QColor textColour) {
        auto *invitation = new ClickableLabel(invitationText, this);
        invitation->setObjectName(QString::fromLatin1(name));
        invitation->setGeometry(Twips::rect(960, 4080, 5895, 375));
        invitation->setFont(WindowSetup::font(13.5, true));
        fitText(invitation, invitationText);
        invitation->setAlignment(Qt::AlignCenter);
        invitation->setCursor(Qt::PointingHandCursor);
        setColours(invitation, textColour, Qt::black);
        invitation->hide();
        return invitation;
    };
    m_memoryInvitation = makeInvitation("Bezeichnung14", QColor(192, 192, 192));
    m_catchInvitation = makeInvitation("Bezeichnung26", QColor(0, 192, 0));
    connect(m_memoryInvitation, &ClickableLabel::clicked, this, [this] {
        m_model.takeMemoryInvitation();
        emit memoryGameRequested();
    });
    connect(m_catchInvitation, &ClickableLabel::clicked, this, [this] {
        m_model.takeCatchInvitation();
        emit catchGameRequested();
    });

    // State kept in hidden controls, below the client area.
    auto hiddenLabel = [this](const char *name, int left) {
        auto *l = label(this, QString::fromLatin1(name), QString(), Twips::rect(left, hiddenTop, 495, 255));
        l->hide();
        return l;
    };
    m_hiddenErrors = hiddenLabel("Bezeichnung15", 960);
    m_pointsStore = hiddenLabel("Bezeichnung16", 1560);
    m_kindIndicator = hiddenLabel("Bezeichnung21", 2160);
    m_gapSolution = hiddenLabel("lueckenzahl", 2760);
    auto hiddenList = [this](const char *name, int left) {
        auto *list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setGeometry(Twips::rect(left, hiddenTop, 1215, 495));
        list->hide();
        return list;
    };
    m_keyListA = hiddenList("Liste1", 3360);
    m_keyListB = hiddenList("Liste2", 4680);
}

void SingleRowTrainerWindow::buildBars()
{
    // Left bar: points ("R") and errors ("F").
    shape(this, QStringLiteral("Figur2"), Twips::rect(120, 120, 735, 5175), QColor(160, 160, 230), darkBlue);
    auto *right = label(this, QStringLiteral("Bezeichnung24"), QStringLiteral("R"),
                        Twips::rect(240, 1395, 495, 255));
    auto *wrong = label(this, QStringLiteral("Bezeichnung25"), QStringLiteral("F"),
                        Twips::rect(240, 2880, 495, 255));
    for (QLabel *l : {right, wrong}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFont(WindowSetup::font(9.75, true));
        l->setAccessibleDescription(l == right ? QStringLiteral("Punkte: richtige Ziffern")
                                               : QStringLiteral("Fehler: falsche Ziffern"));
    }
    auto counterTile = [this](const char *tileName, const char *labelName, int top,
                              const QString &description) {
        auto *tile = shape(this, QString::fromLatin1(tileName), Twips::rect(240, top, 495, 495),
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
    horizontalLine(this, QStringLiteral("Linie4"), 300, 675, 2280, 2, Qt::white);
    m_errorDisplay = counterTile("Bild5", "Bezeichnung23", 2400, QStringLiteral("Fehler"));

    // Right bar: the track the rocket climbs towards the moon.
    shape(this, QStringLiteral("Figur1"), Twips::rect(6960, 120, 735, 5175), Qt::black);
    auto *moon = label(this, QStringLiteral("Bild2"), QString(), Twips::rect(7080, 240, 495, 495));
    moon->setPixmap(Pictures::moon(moon->size()));
    moon->setAccessibleDescription(QStringLiteral("Ziel: der Mond"));
    m_rocket = label(this, QStringLiteral("Bild1"), QString(),
                     Twips::rect(7080, PointsAndProgress::rocketStartTop, 495, 495));
    m_rocket->setPixmap(Pictures::rocket(m_rocket->size()));
    m_rocket->setAccessibleDescription(QStringLiteral("Rakete: steigt mit jeder gelösten Aufgabe"));
}

void SingleRowTrainerWindow::buildGapPanel()
{
    m_gapPanel = new QWidget(this);
    m_gapPanel->setObjectName(QStringLiteral("Bild6"));
    m_gapPanel->setGeometry(Twips::rect(gapPanelLeft, gapPanelOutOfView, 5895, 3255));
    setBackground(m_gapPanel, gapPanelColour);
    m_gapPanel->hide();

    struct Cell {
        int number; // luecke<number>
        int left;
        int top;
        int height;
        bool carry;
    };
    const Cell cells[] = {
        {1, 600, 720, 495, false},   {2, 1200, 720, 495, false},  {3, 1800, 720, 495, false},
        {4, 2400, 720, 495, false},  {5, 3600, 720, 495, false},  {6, 4200, 720, 495, false},
        {10, 4800, 720, 495, false}, {9, 600, 1200, 375, true},   {8, 1200, 1200, 375, true},
        {7, 1800, 1200, 375, true},  {17, 1200, 1800, 615, false}, {16, 1800, 1800, 615, false},
        {15, 2400, 1800, 615, false}, {14, 3000, 1800, 615, false}, {13, 3600, 1800, 615, false},
        {12, 4200, 1800, 615, false}, {11, 4800, 1800, 615, false},
    };
    for (const Cell &c : cells) {
        const E element = gapElement(c.number);
        QLabel *cell = nullptr;
        if (acceptsDigit(element)) {
            auto *field = new DigitField(m_gapPanel);
            connect(field, &DigitField::digitDropped, this,
                    [this, element](const QString &digit) { queueDrop(element, digit); });
            cell = field;
        } else {
            cell = new QLabel(m_gapPanel);
        }
        cell->setObjectName(elementName(element));
        cell->setGeometry(Twips::rect(c.left, c.top, 495, c.height));
        styleField(cell, c.carry ? carryRed : darkBlue,
                   acceptsDigit(element) ? fieldColour : gapPanelColour, c.carry ? 13.5 : 24,
                   acceptsDigit(element));
        m_elements[std::size_t(element)] = cell;
    }
    auto *dot = shape(m_gapPanel, QStringLiteral("Figur4"), Twips::rect(3150, 900, 195, 195), darkBlue);
    dot->setStyleSheet(QStringLiteral("background: #000080; border-radius: 6px;"));
    horizontalLine(m_gapPanel, QStringLiteral("Linie5"), 600, 4080, 1680, 3, ruleColour);
    m_elements[std::size_t(E::GapRuleTens)] =
        horizontalLine(m_gapPanel, elementName(E::GapRuleTens), 4080, 4680, 1680, 3, ruleColour);
    m_elements[std::size_t(E::GapRuleHundreds)] =
        horizontalLine(m_gapPanel, elementName(E::GapRuleHundreds), 4680, 5280, 1680, 3, ruleColour);
}

void SingleRowTrainerWindow::mirrorModel()
{
    setWindowTitle(m_model.caption());
    for (int i = 0; i < singleRowElementCount; ++i) {
        QWidget *widget = m_elements[std::size_t(i)];
        if (!widget)
            continue;
        const E element = E(i);
        if (auto *l = qobject_cast<QLabel *>(widget); l && !isLine(element))
            l->setText(m_model.text(element));
        widget->setVisible(m_model.isVisible(element));
    }

    const bool gapMode = m_model.gapMode();
    m_gapPanel->move(Twips::point(gapPanelLeft, gapMode ? gapPanelInView : gapPanelOutOfView));
    m_gapPanel->setVisible(gapMode);

    const PointsAndProgress &rewards = m_model.rewards();
    m_pointsStore->setText(rewards.points() == 0 ? QString() : rewards.pointsText());
    m_pointsDisplay->setText(rewards.pointsText());
    m_hiddenErrors->setText(m_model.errors() == 0 ? QString() : QString::number(m_model.errors()));
    m_errorDisplay->setText(QString::number(m_model.errors()));
    m_kindIndicator->setText(m_model.kindIndicator());
    m_gapSolution->setText(m_model.gapSolution());
    m_keyListA->clear();
    m_keyListA->addItems(m_model.answerKey().listA);
    m_keyListB->clear();
    m_keyListB->addItems(m_model.answerKey().listB);
    m_memoryInvitation->setVisible(rewards.memoryInvitationShown());
    m_catchInvitation->setVisible(rewards.catchInvitationShown());
    m_rocket->move(Twips::point(7080, rewards.rocketTop()));
}

void SingleRowTrainerWindow::activateForWork()
{
    move(Twips::centred(m_platform.screenSize(), frameGeometry().size()));
    m_model.activate();
}

// A drop is handled once the drag has finished, so the message box about a
// wrong digit never opens inside the drag; drops arriving meanwhile wait in turn.
void SingleRowTrainerWindow::queueDrop(SingleRowElement field, const QString &digit)
{
    m_pendingDrops.append({field, digit});
    QTimer::singleShot(0, this, &SingleRowTrainerWindow::processDrops);
}

void SingleRowTrainerWindow::processDrops()
{
    if (m_processingDrops)
        return;
    m_processingDrops = true;
    while (!m_pendingDrops.isEmpty()) {
        const PendingDrop drop = m_pendingDrops.takeFirst();
        m_model.dropDigit(drop.field, drop.digit);
    }
    m_processingDrops = false;
}

void SingleRowTrainerWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_model.leave();
}
