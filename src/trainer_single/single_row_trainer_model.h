// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_model.h"
#include "trainer_single/single_row_task.h"

#include <QString>
#include <array>

// Every label and line of the one-row trainer whose text or visibility the
// trainer changes; the window finds each by its object name.
enum class SingleRowElement {
    // task row
    Digit1, Digit2, Digit3, Digit4, Multiplier, MultiplierZero1, MultiplierZero2,
    // carry row, left to right
    CarryHundreds, CarryTens, CarryOnes,
    // result row, left to right
    ProductTenThousands, ProductThousands, ProductHundreds, ProductTens, ProductOnes,
    BroughtDownZero1, BroughtDownZero2,
    // rule extensions for the tens and hundreds kinds
    RuleTens, RuleHundreds,
    // gap panel: luecke1 .. luecke17, then its two rule extensions
    Gap1, Gap2, Gap3, Gap4, Gap5, Gap6, Gap7, Gap8, Gap9, Gap10,
    Gap11, Gap12, Gap13, Gap14, Gap15, Gap16, Gap17,
    GapRuleTens, GapRuleHundreds,
    Count
};

inline constexpr int singleRowElementCount = int(SingleRowElement::Count);

// Object name of an element ("Bezeichnung7", "Linie6", "luecke13", ...).
QString elementName(SingleRowElement element);
bool isLine(SingleRowElement element);
// Fields that take a dropped digit tile.
bool acceptsDigit(SingleRowElement element);
inline SingleRowElement gapElement(int number) // luecke1 .. luecke17
{
    return SingleRowElement(int(SingleRowElement::Gap1) + number - 1);
}

// The one-row trainer: task draws, expected digits, completion tests, gap
// tasks and the kind commands. The window only mirrors this state and turns
// events into calls.
class SingleRowTrainerModel : public TrainerModel {
    Q_OBJECT
public:
    static inline const QString captionOnes = QStringLiteral("Einreihige Multiplikation mit Einerzahl");
    static inline const QString captionTens = QStringLiteral("Einreihige Multiplikation mit Zehnerzahl");
    static inline const QString captionHundreds = QStringLiteral("Einreihige Multiplikation mit Hunderterzahl");

    SingleRowTrainerModel(Platform &platform, RandomSource &random, QObject *parent = nullptr);

    // Task operations.
    void newNormalTask() override;
    void clearNormalTask();
    void checkNormalTask();
    void newGapTask() override;
    void clearGapTask();
    void checkGapTask();
    // A digit tile dropped on a field: checked at once.
    void dropDigit(SingleRowElement field, const QString &digit);
    QString expectedDigit(SingleRowElement field) const;

    // Commands.
    void chooseOnes();     // "mal E"
    void chooseTens();     // "mal Z"
    void chooseHundreds(); // "mal H"
    void chooseGaps();     // "Lücke"

    // State.
    QString text(SingleRowElement element) const { return m_texts[std::size_t(element)]; }
    bool isVisible(SingleRowElement element) const { return m_visible[std::size_t(element)]; }
    QString caption() const { return m_caption; }
    QString kindIndicator() const { return m_kind; }
    QString gapSolution() const { return m_gapSolution; }
    const SingleRowAnswerKey &answerKey() const { return m_key; }
    QStringList keyListA() const override { return m_key.listA; }
    QStringList keyListB() const override { return m_key.listB; }
    int gapPattern() const { return m_gapPattern; }

private:
    void setText(SingleRowElement element, const QString &text);
    void setVisible(SingleRowElement element, bool visible);
    void drawTask(const std::array<SingleRowElement, 5> &digitFields);
    void switchKind(const QString &kind, const QString &caption);
    QString normalKind() const;

    std::array<QString, singleRowElementCount> m_texts;
    std::array<bool, singleRowElementCount> m_visible;
    SingleRowTask m_task;
    SingleRowAnswerKey m_key;
    QString m_kind = QStringLiteral("E");
    QString m_caption = captionOnes;
    QString m_gapSolution;
    int m_gapPattern = 0;
};
