// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/karoblatt.h"

#include "shell/platform.h"
#include "shell/random_source.h"
#include "worksheet/karoblatt_draw.h"
#include "worksheet/karoblatt_drawing.h"
#include "worksheet/own_tasks.h"

#include <algorithm>

Karoblatt::Karoblatt(SheetKind kind, RandomSource &random, Platform &clock, bool staircase)
    : m_kind(kind)
    , m_random(random)
    , m_clock(clock)
{
    m_options.staircase = staircase;
    drawAnew();
}

void Karoblatt::setOptions(KaroblattOptions options)
{
    options.taskCount = std::clamp(options.taskCount, KaroblattOptions::fewestTasks, KaroblattOptions::mostTasks);
    options.firstFactorDigits = std::clamp(options.firstFactorDigits, KaroblattOptions::fewestFirstFactorDigits,
                                           KaroblattOptions::mostFirstFactorDigits);
    if (std::none_of(options.kinds.begin(), options.kinds.end(), [](bool chosen) { return chosen; }))
        options.kinds = m_options.kinds;
    const bool drawAgain = !options.drawsAlike(m_options);
    m_options = options;
    if (drawAgain)
        drawAnew();
    else
        compose();
}

void Karoblatt::drawAnew()
{
    m_random.reseed(m_clock.secondsSinceMidnight());
    m_drawn = KaroblattDraw::tasks(rules(), m_options, m_random);
    compose();
}

void Karoblatt::compose()
{
    const OwnTaskReading own = OwnTasks::read(m_options.ownTasks, rules());
    m_refusal = own.refusal;
    if (own.accepted() && own.tasks.size() > m_options.taskCount)
        m_refusal = OwnTasks::tooMany(int(own.tasks.size()), m_options.taskCount);
    QList<WrittenMultiplication> calculations = m_refusal.isEmpty() ? own.tasks : QList<WrittenMultiplication>();
    calculations += m_drawn.mid(0, m_options.taskCount - calculations.size());

    // Gaps are drawn for the own tasks as for the others.
    m_random.reseed(m_clock.secondsSinceMidnight());
    m_tasks.clear();
    for (int i = 0; i < calculations.size(); ++i) {
        const bool gapTask = m_options.gaps == GapChoice::All || (m_options.gaps == GapChoice::EverySecond && i % 2 == 1);
        m_tasks.append({calculations.at(i),
                        gapTask ? KaroblattDraw::gaps(rules(), calculations.at(i), m_random) : QList<WrittenPlace>()});
    }
}

QList<SheetPage> Karoblatt::pages() const
{
    return KaroblattLayout::pages(rules().title, m_tasks, m_options.staircase);
}

DrawnDocument Karoblatt::document(SheetSide side) const
{
    return KaroblattDrawing::document(pages(), side);
}

QString Karoblatt::summary() const
{
    const int count = int(m_tasks.size());
    const int pageCount = int(pages().size());
    return (count == 1 ? QStringLiteral("1 Aufgabe") : QStringLiteral("%1 Aufgaben").arg(count))
        + (pageCount == 1 ? QStringLiteral(" auf 1 Seite") : QStringLiteral(" auf %1 Seiten").arg(pageCount));
}
