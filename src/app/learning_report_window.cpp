// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/learning_report_window.h"

#include "shell/look.h"
#include "shell/platform.h"
#include "shell/printer_lock.h"
#include "shell/window_setup.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace WindowSetup;

namespace {
constexpr int clientWidth = 6300;
constexpr int textHeight = 5100;
constexpr int buttonTop = 5340;
constexpr int buttonWidth = 1455;
constexpr int buttonHeight = 495;
} // namespace

LearningReportWindow::LearningReportWindow(Platform &platform, PrinterLock &lock, Entries entries)
    : m_platform(platform)
    , m_entries(std::move(entries))
    , m_placement(this, platform, PlacementRule::EachVisit, 4)
    // The kind of worksheet takes no part in printing another document.
    , m_commands(SheetKind::SingleRow, platform,
                 {[&lock] { return lock.isSet(); }, [this] { return LearningReport::rightDigits(m_entries()); }})
{
    fixedWindow(this, QStringLiteral("Form5"), LearningReport::title, clientWidth, buttonTop + buttonHeight + 120);
    setBackground(this, Look::window);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setGeometry(Twips::rect(120, 120, clientWidth - 240, textHeight));
    m_text->setReadOnly(true);
    m_text->setFont(WindowSetup::font(9));
    m_text->setAccessibleName(LearningReport::title);

    auto command = [this](const char *name, const QString &caption, int left) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(Twips::rect(left, buttonTop, buttonWidth, buttonHeight));
        button->setFont(WindowSetup::font(9.75, true));
        m_placement.scale().fitText(button, {caption, false, 4 * Look::focusRingWidth});
        return button;
    };
    connect(command("Befehl1", QStringLiteral("Kopieren"), 120), &QPushButton::clicked, this, [this] {
        m_platform.setClipboardText(LearningReport::clipboardText(m_entries()));
        showInfo(m_platform, copiedMessage(), WorksheetCommands::clipboardTitle);
    });
    connect(command("Befehl2", QStringLiteral("Drucken"), 120 + buttonWidth + 120), &QPushButton::clicked, this,
            [this] {
                m_commands.printDocument(sheetName, LearningReport::title,
                                         [this] { return SheetDocument(LearningReport::document(m_entries())); });
            });
    connect(command("Befehl3", QStringLiteral("Schließen"), clientWidth - 120 - buttonWidth), &QPushButton::clicked,
            this, &QWidget::hide);
    keepStrayKeysOffButtons(this);
}

QString LearningReportWindow::copiedMessage()
{
    return QStringLiteral("Der Lernstand wurde in die Ablage kopiert.") + CR + CR;
}

// What the trainers hold at this moment: the record goes on while the window is away.
void LearningReportWindow::refresh()
{
    const QString text = LearningReport::lines(m_entries()).join(QLatin1Char('\n'));
    if (m_shown != text)
        m_text->setPlainText(m_shown = text);
}

bool LearningReportWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        refresh();
    return QWidget::event(event);
}

void LearningReportWindow::showEvent(QShowEvent *event)
{
    m_placement.visit();
    refresh();
    setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}
