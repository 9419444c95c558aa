// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/karoblatt_window.h"

#include "shell/look.h"
#include "shell/platform.h"
#include "shell/twips.h"
#include "shell/window_setup.h"
#include "worksheet/worksheet_commands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <vector>

using namespace WindowSetup;

namespace {
constexpr int clientWidth = 7200;
constexpr int clientHeight = 6015;
constexpr int controlLeft = 3360;
constexpr int controlWidth = 3600;
constexpr int fieldHeight = 375;
constexpr int rowPitch = 480;
constexpr qreal points = 9.75;

const QStringList carryEntries{QStringLiteral("mit Überträgen"), QStringLiteral("ohne Überträge"),
                               QStringLiteral("gemischt")};
const QStringList zeroEntries{QStringLiteral("mit Nullen"), QStringLiteral("ohne Nullen"),
                              QStringLiteral("gemischt")};
const QStringList gapEntries{QStringLiteral("keine"), QStringLiteral("jede zweite Aufgabe"),
                             QStringLiteral("alle Aufgaben")};
const QStringList digitEntries{QStringLiteral("zweistellig"), QStringLiteral("dreistellig"),
                               QStringLiteral("vierstellig")};
const QStringList layoutEntries{QStringLiteral("Bündig"), QStringLiteral("Treppe")};

QString multiplierText(const KaroblattRules &rules)
{
    if (rules.hasKinds)
        return QStringLiteral("2 bis 9, 20 bis 90 oder 200 bis 900");
    return QStringLiteral("%1stellig, Ziffern von 2 bis 9")
        .arg(rules.multiplierDigits == 3 ? QStringLiteral("drei") : QStringLiteral("zwei"));
}
} // namespace

KaroblattWindow::KaroblattWindow(QWidget *trainer, SheetKind kind, Platform &platform, RandomSource &random,
                                 WorksheetCommands &commands, bool staircase)
    : QWidget(trainer)
    , m_platform(platform)
    , m_placement(this, platform, PlacementRule::EachVisit)
    , m_commands(commands)
    , m_sheet(kind, random, platform, staircase)
{
    fixedWindow(this, objectName, QStringLiteral("Karoblatt – %1").arg(m_sheet.rules().title), clientWidth,
                clientHeight);
    setBackground(this, Look::window);
    setFont(WindowSetup::font(points));

    int top = 240;
    QLabel *countLabel = addLabel(QStringLiteral("Anzahl der Aufgaben:"), top);
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("Drehfeld1"));
    m_count->setGeometry(Twips::rect(controlLeft, top, 1200, fieldHeight));
    m_count->setRange(KaroblattOptions::fewestTasks, KaroblattOptions::mostTasks);
    m_count->setAccessibleName(QStringLiteral("Anzahl der Aufgaben"));
    countLabel->setBuddy(m_count);
    connect(m_count, &QSpinBox::valueChanged, this, [this](int count) {
        edit([count](KaroblattOptions &o) { o.taskCount = count; });
    });

    top += rowPitch;
    if (m_sheet.rules().hasKinds) {
        addKinds(top);
    } else {
        m_layout = addChoice(QStringLiteral("Teilprodukte:"), QStringLiteral("Kombination1"), layoutEntries, top);
        m_layout->setAccessibleName(QStringLiteral("Anordnung der Teilprodukte"));
        connect(m_layout, &QComboBox::activated, this, [this](int index) {
            edit([index](KaroblattOptions &o) { o.staircase = index == 1; });
        });
    }
    m_digits = addChoice(QStringLiteral("Erster Faktor:"), QStringLiteral("Kombination2"), digitEntries, top += rowPitch);
    m_digits->setAccessibleName(QStringLiteral("Stellen des ersten Faktors"));
    connect(m_digits, &QComboBox::activated, this, [this](int index) {
        edit([index](KaroblattOptions &o) { o.firstFactorDigits = KaroblattOptions::fewestFirstFactorDigits + index; });
    });
    addLabel(QStringLiteral("Zweiter Faktor:"), top += rowPitch);
    addLabel(multiplierText(m_sheet.rules()), top, controlLeft, controlWidth);
    m_carries = addChoice(QStringLiteral("Überträge:"), QStringLiteral("Kombination3"), carryEntries, top += rowPitch);
    connect(m_carries, &QComboBox::activated, this, [this](int index) {
        edit([index](KaroblattOptions &o) { o.carries = CarryChoice(index); });
    });
    m_zeros = addChoice(QStringLiteral("Nullen im ersten Faktor:"), QStringLiteral("Kombination4"), zeroEntries,
                        top += rowPitch);
    connect(m_zeros, &QComboBox::activated, this, [this](int index) {
        edit([index](KaroblattOptions &o) { o.zeros = ZeroChoice(index); });
    });
    m_gaps = addChoice(QStringLiteral("Lückenaufgaben:"), QStringLiteral("Kombination5"), gapEntries, top += rowPitch);
    connect(m_gaps, &QComboBox::activated, this, [this](int index) {
        edit([index](KaroblattOptions &o) { o.gaps = GapChoice(index); });
    });

    QLabel *ownLabel = addLabel(QStringLiteral("Eigene Aufgaben (stehen zuerst auf dem Blatt):"), top += rowPitch,
                                240, 6720);
    m_own = new QLineEdit(this);
    m_own->setObjectName(QStringLiteral("Text1"));
    m_own->setGeometry(Twips::rect(240, top += 360, 6720, fieldHeight));
    m_own->setAccessibleName(QStringLiteral("Eigene Aufgaben"));
    m_own->setPlaceholderText(m_sheet.rules().ownTaskExample);
    ownLabel->setBuddy(m_own);
    connect(m_own, &QLineEdit::textEdited, this, [this](const QString &text) {
        edit([text](KaroblattOptions &o) { o.ownTasks = text; });
    });
    addLabel(QStringLiteral("Getrennt mit „;“; als Malzeichen gehen ·, *, x und mal."), top += 420, 240, 6720);
    m_summary = addLabel(QString(), top += 420, 240, 6720);
    addCommands(5280);

    keepStrayKeysOffButtons(this);
    mirror();
}

QLabel *KaroblattWindow::addLabel(const QString &text, int top, int left, int width)
{
    QLabel *l = label(this, QStringLiteral("Bezeichnung%1").arg(++m_labels), text,
                      Twips::rect(left, top, width, fieldHeight));
    l->setFont(WindowSetup::font(points));
    setColours(l, Look::ink, Look::window);
    if (!text.isEmpty())
        m_placement.scale().fitText(l, {text});
    return l;
}

QComboBox *KaroblattWindow::addChoice(const QString &label, const QString &name, const QStringList &entries, int top)
{
    QLabel *caption = addLabel(label, top);
    auto *choice = new QComboBox(this);
    choice->setObjectName(name);
    choice->setGeometry(Twips::rect(controlLeft, top, controlWidth, fieldHeight));
    choice->addItems(entries);
    choice->setAccessibleName(label.chopped(1)); // without the colon
    caption->setBuddy(choice);
    return choice;
}

void KaroblattWindow::addKinds(int top)
{
    addLabel(QStringLiteral("Aufgabenarten:"), top);
    const QStringList kinds{QStringLiteral("mal E"), QStringLiteral("mal Z"), QStringLiteral("mal H")};
    for (int zeros = 0; zeros < int(kinds.size()); ++zeros) {
        auto *box = new QCheckBox(kinds.at(zeros), this);
        box->setObjectName(QStringLiteral("Kontroll%1").arg(zeros + 1));
        box->setGeometry(Twips::rect(controlLeft + 1200 * zeros, top, 1140, fieldHeight));
        box->setAccessibleName(kinds.at(zeros));
        connect(box, &QCheckBox::toggled, this, [this, zeros](bool chosen) {
            edit([zeros, chosen](KaroblattOptions &o) { o.kinds[zeros] = chosen; });
        });
        m_kinds.append(box);
    }
}

void KaroblattWindow::addCommands(int top)
{
    struct Command {
        const char *name;
        QString caption;
        int left;
        int width;
        std::function<void()> action;
    };
    const QList<Command> commands{
        {"Befehl1", QStringLiteral("Aufgaben drucken"), 240, 1740, [this] { print(SheetSide::Tasks); }},
        {"Befehl2", QStringLiteral("Lösungen drucken"), 2040, 1740, [this] { print(SheetSide::Solutions); }},
        {"Befehl3", QStringLiteral("Neue Aufgaben"), 3840, 1620, [this] {
             m_sheet.drawAnew();
             mirror();
         }},
        {"Befehl4", QStringLiteral("Schließen"), 5520, 1440, [this] { hide(); }},
    };
    for (const Command &command : commands) {
        auto *button = new QPushButton(command.caption, this);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setGeometry(Twips::rect(command.left, top, command.width, 495));
        m_placement.scale().fitText(button, {command.caption});
        connect(button, &QPushButton::clicked, this, command.action);
    }
}

void KaroblattWindow::open()
{
    m_placement.visit();
    show();
    raise();
    activateWindow();
}

void KaroblattWindow::edit(const std::function<void(KaroblattOptions &)> &change)
{
    KaroblattOptions options = m_sheet.options();
    change(options);
    m_sheet.setOptions(options);
    mirror();
}

// Every control shows the sheet's choice, also one the sheet did not take.
void KaroblattWindow::mirror()
{
    const KaroblattOptions &options = m_sheet.options();
    const QList<QWidget *> controls{m_count, m_layout, m_digits, m_carries, m_zeros, m_gaps};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(controls.size() + m_kinds.size());
    for (QWidget *control : controls)
        if (control)
            blockers.emplace_back(control);
    for (QCheckBox *box : std::as_const(m_kinds))
        blockers.emplace_back(box);
    m_count->setValue(options.taskCount);
    for (int zeros = 0; zeros < m_kinds.size(); ++zeros)
        m_kinds.at(zeros)->setChecked(options.kinds.at(zeros));
    if (m_layout)
        m_layout->setCurrentIndex(options.staircase ? 1 : 0);
    m_digits->setCurrentIndex(options.firstFactorDigits - KaroblattOptions::fewestFirstFactorDigits);
    m_carries->setCurrentIndex(int(options.carries));
    m_zeros->setCurrentIndex(int(options.zeros));
    m_gaps->setCurrentIndex(int(options.gaps));
    if (m_own->text() != options.ownTasks)
        m_own->setText(options.ownTasks);
    m_summary->setText(m_sheet.summary());
}

// A refused own task is named before anything is asked, and nothing is printed.
void KaroblattWindow::print(SheetSide side)
{
    if (!m_sheet.refusal().isEmpty()) {
        m_platform.message(m_sheet.refusal(), messageTitle, MessageButtons::Ok, MessageIcon::Stop,
                           DefaultButton::First);
        return;
    }
    m_commands.print(side, [this, side] { return SheetDocument(m_sheet.document(side)); });
}
