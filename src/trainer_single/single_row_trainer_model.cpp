// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_single/single_row_trainer_model.h"

#include "shell/lenient_number.h"
#include "shell/platform.h"
#include "shell/random_source.h"

using E = SingleRowElement;

namespace {
const QString kindOnes = QStringLiteral("E");
const QString kindTens = QStringLiteral("Z");
const QString kindHundreds = QStringLiteral("H");
const QString gapPrefix = QStringLiteral("L");
const QString zero = QStringLiteral("0");

bool isGapField(E element)
{
    return element >= E::Gap1 && element <= E::GapRuleHundreds;
}

// The three gaps of each pattern: one multiplicand digit, two product digits.
constexpr int gapPatterns[4][3] = {{1, 13, 15}, {2, 14, 17}, {3, 13, 16}, {4, 14, 16}};
} // namespace

QString elementName(SingleRowElement element)
{
    static const char *const names[] = {
        "Bezeichnung1", "Bezeichnung2", "Bezeichnung3", "Bezeichnung4", "Bezeichnung5",
        "Bezeichnung6", "Bezeichnung20",
        "Bezeichnung7", "Bezeichnung8", "Bezeichnung9",
        "Bezeichnung10", "Bezeichnung11", "Bezeichnung12", "Bezeichnung13", "Bezeichnung17",
        "Bezeichnung18", "Bezeichnung19",
        "Linie6", "Linie7",
        "luecke1", "luecke2", "luecke3", "luecke4", "luecke5", "luecke6", "luecke7", "luecke8",
        "luecke9", "luecke10", "luecke11", "luecke12", "luecke13", "luecke14", "luecke15",
        "luecke16", "luecke17",
        "Linie8", "Linie9",
    };
    static_assert(std::size(names) == std::size_t(singleRowElementCount));
    return QString::fromLatin1(names[int(element)]);
}

bool isLine(SingleRowElement element)
{
    return element == E::RuleTens || element == E::RuleHundreds || element == E::GapRuleTens
        || element == E::GapRuleHundreds;
}

bool acceptsDigit(SingleRowElement element)
{
    if (element >= E::CarryHundreds && element <= E::BroughtDownZero2)
        return true;
    // Only the multiplicand and the product take part in a gap task; the
    // multiplier, its zeros, the carries and the brought-down zeros are given.
    return (element >= E::Gap1 && element <= E::Gap4) || (element >= E::Gap13 && element <= E::Gap17);
}

SingleRowTrainerModel::SingleRowTrainerModel(Platform &platform, RandomSource &random, QObject *parent)
    : TrainerModel(platform, random, false, parent)
{
    m_visible.fill(true);
    clearNormalTask();
    clearGapTask();
}

void SingleRowTrainerModel::setText(SingleRowElement element, const QString &text)
{
    m_texts[std::size_t(element)] = text;
}

void SingleRowTrainerModel::setVisible(SingleRowElement element, bool visible)
{
    m_visible[std::size_t(element)] = visible;
}

void SingleRowTrainerModel::drawTask(const std::array<SingleRowElement, 5> &digitFields)
{
    m_task = SingleRowTask::draw(m_random);
    const int digits[5] = {m_task.d1, m_task.d2, m_task.d3, m_task.d4, m_task.m};
    for (int i = 0; i < 5; ++i)
        setText(digitFields[std::size_t(i)], QString::number(digits[i]));
    m_key = SingleRowAnswerKey::forTask(m_task);
}

// After "Ende" in gap mode the indicator still names a gap kind while a
// normal task is shown; that task is checked as the kind it names.
QString SingleRowTrainerModel::normalKind() const
{
    if (m_kind.size() == 2 && m_kind.startsWith(gapPrefix))
        return m_kind.mid(1);
    return m_kind;
}

void SingleRowTrainerModel::clearNormalTask()
{
    for (E element = E::Digit1; element <= E::BroughtDownZero2; element = E(int(element) + 1))
        setText(element, QString());
    setText(E::MultiplierZero1, zero);
    setText(E::MultiplierZero2, zero);
}

void SingleRowTrainerModel::newNormalTask()
{
    clearNormalTask();
    m_random.reseed(m_platform.secondsSinceMidnight());
    drawTask({E::Digit1, E::Digit2, E::Digit3, E::Digit4, E::Multiplier});
    setVisible(E::ProductTenThousands, m_task.product() > 9999);

    // Laid out as the kind it is checked as, also while the indicator still
    // names a gap kind after "Ende" in gap mode.
    const QString kind = normalKind();
    const bool tens = kind == kindTens || kind == kindHundreds;
    const bool hundreds = kind == kindHundreds;
    for (E element : {E::MultiplierZero1, E::RuleTens, E::BroughtDownZero1})
        setVisible(element, tens);
    for (E element : {E::MultiplierZero2, E::RuleHundreds, E::BroughtDownZero2})
        setVisible(element, hundreds);
    emit changed();
}

QString SingleRowTrainerModel::expectedDigit(SingleRowElement field) const
{
    const QString &productKey = m_key.listA.value(2);
    const QString &multiplicandKey = m_key.listA.value(0);
    const QString &pKey = m_key.listB.value(0);
    switch (field) {
    case E::CarryOnes:
        return carryText(m_task.d4 * m_task.m);
    case E::CarryTens:
        return carryText(m_task.d3 * m_task.m + int(lenientNumber(text(E::CarryOnes))));
    case E::CarryHundreds:
        return carryText(m_task.d2 * m_task.m + int(lenientNumber(text(E::CarryTens))));
    case E::ProductTenThousands: return SingleRowAnswerKey::character(productKey, 1);
    case E::ProductThousands: return SingleRowAnswerKey::character(productKey, 2);
    case E::ProductHundreds: return SingleRowAnswerKey::character(productKey, 3);
    case E::ProductTens: return SingleRowAnswerKey::character(productKey, 4);
    case E::ProductOnes: return SingleRowAnswerKey::character(productKey, 5);
    case E::BroughtDownZero1:
    case E::BroughtDownZero2:
        return zero;
    case E::Gap1: return SingleRowAnswerKey::character(multiplicandKey, 4);
    case E::Gap2: return SingleRowAnswerKey::character(multiplicandKey, 5);
    case E::Gap3: return SingleRowAnswerKey::character(multiplicandKey, 6);
    case E::Gap4: return SingleRowAnswerKey::character(multiplicandKey, 7);
    case E::Gap17: return SingleRowAnswerKey::character(pKey, 3);
    case E::Gap16: return SingleRowAnswerKey::character(pKey, 4);
    case E::Gap15: return SingleRowAnswerKey::character(pKey, 5);
    case E::Gap14: return SingleRowAnswerKey::character(pKey, 6);
    case E::Gap13: return SingleRowAnswerKey::character(pKey, 7);
    default:
        return QString();
    }
}

void SingleRowTrainerModel::dropDigit(SingleRowElement field, const QString &digit)
{
    // A field takes only a digit tile, and only while its panel is in view.
    if (!acceptsDigit(field) || !isVisible(field) || !isDigitText(digit)
        || isGapField(field) != m_gapMode)
        return;

    judgeDrop([this, field](const QString &shown) { setText(field, shown); }, digit,
              expectedDigit(field));
    if (isGapField(field))
        checkGapTask();
    else
        checkNormalTask();
}

void SingleRowTrainerModel::checkNormalTask()
{
    const QString kind = normalKind();
    int keyEntry = -1;
    if (kind == kindOnes)
        keyEntry = 0;
    else if (kind == kindTens)
        keyEntry = 1;
    else if (kind == kindHundreds)
        keyEntry = 2;
    if (keyEntry < 0)
        return;
    const long long expectedTotal = lenientNumber(m_key.listB.value(keyEntry).trimmed());

    QString entered;
    if (isVisible(E::ProductTenThousands))
        entered += text(E::ProductTenThousands);
    for (E element : {E::ProductThousands, E::ProductHundreds, E::ProductTens, E::ProductOnes})
        entered += text(element);
    if (keyEntry >= 1)
        entered += text(E::MultiplierZero1);
    if (keyEntry == 2)
        entered += text(E::MultiplierZero2);

    if (entered.isEmpty() || lenientNumber(entered) != expectedTotal)
        return;
    finishNormalTask();
}

void SingleRowTrainerModel::clearGapTask()
{
    for (int n = 1; n <= 17; ++n)
        setText(gapElement(n), QString());
    setText(E::Gap6, zero);
    setText(E::Gap10, zero);
}

void SingleRowTrainerModel::newGapTask()
{
    clearGapTask();
    m_random.reseed(m_platform.secondsSinceMidnight());
    drawTask({E::Gap1, E::Gap2, E::Gap3, E::Gap4, E::Gap5});
    m_gapSolution = text(E::Gap1) + text(E::Gap2) + text(E::Gap3) + text(E::Gap4);
    setVisible(E::Gap17, m_task.product() > 9999);

    QString s = m_key.listB.value(2);
    setText(E::Gap11, zero);
    setText(E::Gap12, zero);
    setText(E::Gap13, SingleRowAnswerKey::character(s, 5));
    setText(E::Gap14, SingleRowAnswerKey::character(s, 4));
    setText(E::Gap15, SingleRowAnswerKey::character(s, 3));
    setText(E::Gap16, SingleRowAnswerKey::character(s, 2));
    setText(E::Gap17, SingleRowAnswerKey::character(s, 1));
    if (s.startsWith(QLatin1Char(' ')))
        s.remove(0, 1);
    m_gapSolution += s;
    m_gapSolution.chop(2); // the two zeros of 100·P

    setText(E::Gap7, carryText(m_task.d4 * m_task.m));
    setText(E::Gap8, carryText(m_task.d3 * m_task.m + int(lenientNumber(text(E::Gap7)))));
    setText(E::Gap9, carryText(m_task.d2 * m_task.m + int(lenientNumber(text(E::Gap8)))));

    const bool tens = m_kind == gapPrefix + kindTens || m_kind == gapPrefix + kindHundreds;
    const bool hundreds = m_kind == gapPrefix + kindHundreds;
    for (E element : {E::Gap6, E::GapRuleTens, E::Gap12})
        setVisible(element, tens);
    for (E element : {E::Gap10, E::GapRuleHundreds, E::Gap11})
        setVisible(element, hundreds);

    m_random.reseed(m_platform.secondsSinceMidnight());
    m_gapPattern = m_random.draw(1, 4);
    for (int gap : gapPatterns[m_gapPattern - 1])
        setText(gapElement(gap), QString());
    emit changed();
}

void SingleRowTrainerModel::checkGapTask()
{
    QString entered;
    for (int n : {1, 2, 3, 4})
        entered += text(gapElement(n));
    if (isVisible(E::Gap17))
        entered += text(E::Gap17);
    for (int n : {16, 15, 14, 13})
        entered += text(gapElement(n));
    if (entered != m_gapSolution)
        return;
    finishGapTask();
}

void SingleRowTrainerModel::switchKind(const QString &kind, const QString &caption)
{
    m_caption = caption;
    m_gapMode = false;
    m_kind = kind;
    newNormalTask();
}

void SingleRowTrainerModel::chooseOnes()
{
    switchKind(kindOnes, captionOnes);
}

void SingleRowTrainerModel::chooseTens()
{
    switchKind(kindTens, captionTens);
}

void SingleRowTrainerModel::chooseHundreds()
{
    switchKind(kindHundreds, captionHundreds);
}

void SingleRowTrainerModel::chooseGaps()
{
    if (m_kind == kindOnes || m_kind == kindTens || m_kind == kindHundreds)
        m_kind = gapPrefix + m_kind;
    m_gapMode = true;
    newGapTask();
}
