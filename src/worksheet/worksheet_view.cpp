// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/worksheet_view.h"

#include "shell/look.h"
#include "shell/twips.h"
#include "worksheet/karoblatt_window.h"
#include "worksheet/worksheet_builder.h"
#include "worksheet/worksheet_documents.h"

#include <QEvent>
#include <QFont>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace {
constexpr int panelLeft = 960; // over the trainer's working area
constexpr int panelTop = 120;
constexpr int panelWidth = 5895;
constexpr int panelHeight = 615;
constexpr int listTop = panelTop + 720;
constexpr int listHeight = 4590;
constexpr int buttonTop = 120;
constexpr int buttonHeight = 495;
constexpr int stripHeight = 615; // along the list's bottom, for "Karoblatt"
constexpr int stripButtonWidth = 1215;
constexpr qreal listPointSize = 9.75;
constexpr qreal smallestListPointSize = 6;

QFont listFont()
{
    QFont font(WorksheetDocuments::printFontFamily); // the face the sheets are printed in
    font.setPointSizeF(listPointSize);
    font.setBold(true);
    // The rows are columns of digits: any substitute face must be fixed-pitch too.
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

// A strip along the list's bottom, below its rows and beside its scroll bar, holds one command.
class StripList final : public QListWidget {
public:
    StripList(QWidget *parent, QPushButton *command)
        : QListWidget(parent)
        , m_command(command)
    {
        command->setParent(this);
        setAutoFillBackground(true); // the strip in the window's colour, as the panel above
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        const qreal scale = height() / qreal(Twips::toPixels(listHeight));
        const int strip = qRound(Twips::toPixels(stripHeight) * scale);
        setViewportMargins(0, 0, 0, strip);
        QListWidget::resizeEvent(event);
        const QRect inside = contentsRect();
        const int button = qRound(Twips::toPixels(buttonHeight) * scale);
        m_command->setGeometry(inside.left() + (strip - button) / 2, inside.bottom() + 1 - (strip + button) / 2,
                               qRound(Twips::toPixels(stripButtonWidth) * scale), button);
        // The panel's buttons' face, none of the list's.
        QFont font(window()->font().family());
        font.setPointSizeF(window()->font().pointSizeF());
        font.setBold(false);
        font.setFixedPitch(false);
        font.setStyleHint(QFont::AnyStyle);
        m_command->setFont(font);
    }

private:
    QPushButton *m_command;
};
} // namespace

WorksheetView::WorksheetView(QWidget *window, SheetKind kind, Platform &platform,
                             RandomSource &random, Hooks hooks)
    : QObject(window)
    , m_kind(kind)
    , m_window(window)
    , m_platform(platform)
    , m_random(random)
    , m_hooks(std::move(hooks))
    , m_commands(kind, platform, {m_hooks.printerLocked, m_hooks.points})
    , m_panel(new QWidget(window))
{
    auto *karoblatt = new QPushButton(QStringLiteral("Karoblatt"));
    karoblatt->setObjectName(karoblattButtonName);
    m_list = new StripList(window, karoblatt);
    m_panel->setObjectName(panelName);
    m_panel->setAutoFillBackground(true); // covers the trainer's command row underneath

    m_list->setObjectName(listName);
    m_list->setFont(listFont());
    // A sheet has more rows than the list has room for, so the scroll bar always stands there.
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, Look::panel);
    palette.setColor(QPalette::Text, Look::listInk);
    m_list->setPalette(palette);

    QPushButton *cancel = addButton(cancelButtonName, QStringLiteral("Abbruch"), 0, 1095);
    QPushButton *printTasks =
        addButton(printTasksButtonName, QStringLiteral("Aufgaben drucken"), 1080, 1815);
    QPushButton *printSolutions =
        addButton(printSolutionsButtonName, QStringLiteral("Lösungen drucken"), 2880, 1815);
    QPushButton *copy = addButton(copyButtonName, QStringLiteral("Kopieren"), 4680, 1215);

    connect(cancel, &QPushButton::clicked, this, [this] {
        close();
        emit closed();
    });
    // The commands work on a sheet that is shown, never on an empty list.
    connect(printTasks, &QPushButton::clicked, this, [this] {
        if (isShown())
            m_commands.printTaskSheet(rows());
    });
    connect(printSolutions, &QPushButton::clicked, this, [this] {
        if (isShown())
            m_commands.printSolutionSheet(rows());
    });
    connect(copy, &QPushButton::clicked, this, [this] {
        if (isShown())
            m_commands.copyWorksheet(rows());
    });
    connect(karoblatt, &QPushButton::clicked, this, [this] {
        if (isShown())
            openKaroblatt();
    });
    window->installEventFilter(this); // the trainer's squared-paper window goes with the trainer

    m_panel->setGeometry(Twips::rect(panelLeft, panelTop, panelWidth, panelHeight));
    m_list->setGeometry(Twips::rect(panelLeft, listTop, panelWidth, listHeight));
    m_panel->hide();
    m_list->hide();
}

QPushButton *WorksheetView::addButton(const QString &name, const QString &caption, int left,
                                      int width)
{
    auto *button = new QPushButton(caption, m_panel);
    button->setObjectName(name);
    button->setGeometry(Twips::rect(left, buttonTop, width, buttonHeight));
    return button;
}

void WorksheetView::build()
{
    const bool staircase = m_hooks.staircase && m_hooks.staircase();
    m_rows = WorksheetBuilder::buildWorksheet(m_kind, staircase, m_random, m_platform);
    m_list->clear();
    m_list->addItems(m_rows);
    fitRows();
    m_list->show();
    m_list->raise();
    m_panel->show();
    m_panel->raise();
}

void WorksheetView::close()
{
    m_panel->hide();
    m_list->hide();
    m_rows.clear();
    m_list->clear();
}

// The rows run up to 52 characters, wider than the list in the face installed
// here: the font shrinks in half points until every row, trailing blanks
// included, shows without scrolling sideways.
void WorksheetView::fitRows()
{
    QFont font = listFont();
    m_list->setFont(font);
    const int room = m_list->maximumViewportSize().width();
    while (font.pointSizeF() > smallestListPointSize && m_list->sizeHintForColumn(0) > room) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        m_list->setFont(font);
    }
}

bool WorksheetView::isShown() const
{
    return !m_panel->isHidden();
}

void WorksheetView::openKaroblatt()
{
    if (!m_karoblatt) {
        const bool staircase = m_hooks.staircase && m_hooks.staircase();
        m_karoblatt = new KaroblattWindow(m_window, m_kind, m_platform, m_random, m_commands, staircase);
    }
    m_karoblatt->open();
}

bool WorksheetView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Hide && m_karoblatt)
        m_karoblatt->hide();
    return QObject::eventFilter(watched, event);
}

