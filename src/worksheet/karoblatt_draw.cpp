// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/karoblatt_draw.h"

#include "shell/random_source.h"

#include <algorithm>

namespace {
// Tasks without carries are rare among all: the draw tries this often, then
// builds one that surely has none (or surely has some).
constexpr int attempts = 2000;
// Beside a multiplier digit from 5 on only the digits 0 and 1 multiply without a carry.
constexpr int largestDigitWithoutCarries = 4;

template <typename Choice>
bool takesIt(Choice choice, int task, int firstTurn)
{
    return choice == Choice::With || (choice == Choice::Mixed && task % 2 == firstTurn);
}

struct Wish {
    int multiplierZeros = 0;
    bool carries = true;
    bool innerZero = false;
};

// Without carries every digit times every multiplier digit stays below ten,
// but for the highest, whose product is written down as it is.
QList<int> drawMultiplicand(const KaroblattRules &rules, int digits, int largest, const Wish &wish,
                            RandomSource &random)
{
    QList<int> factor(digits, 0);
    factor.first() = random.draw(rules.leadingFrom, rules.leadingTo);
    factor.last() = random.draw(rules.onesFrom, std::min(rules.onesTo, largest));
    for (int i = 1; i + 1 < digits; ++i)
        factor[i] = random.draw(wish.innerZero ? 0 : 1, largest);
    const bool hasZero = std::find(factor.begin() + 1, factor.end() - 1, 0) != factor.end() - 1;
    if (wish.innerZero && digits > 2 && !hasZero)
        factor[random.draw(1, digits - 2)] = 0;
    return factor;
}

WrittenMultiplication drawOne(const KaroblattRules &rules, int digits, const Wish &wish, RandomSource &random)
{
    QList<int> multiplier;
    const int digitTo = wish.carries ? rules.multiplierDigitTo : std::min(rules.multiplierDigitTo, largestDigitWithoutCarries);
    for (int i = 0; i < rules.multiplierDigits; ++i)
        multiplier.append(random.draw(rules.multiplierDigitFrom, digitTo));
    const int largest = wish.carries ? 9 : 9 / *std::max_element(multiplier.begin(), multiplier.end());
    QList<int> multiplicand = drawMultiplicand(rules, digits, largest, wish, random);
    multiplier += QList<int>(wish.multiplierZeros, 0);
    return WrittenMultiplication(multiplicand, multiplier);
}

// With the smallest digits nothing is carried, with the ones digit and the
// multiplier's digits at their largest the ones always carry.
WrittenMultiplication builtSurely(const KaroblattRules &rules, int digits, const Wish &wish)
{
    QList<int> multiplicand(digits, 1);
    multiplicand.first() = rules.leadingFrom;
    multiplicand.last() = wish.carries ? rules.onesTo : rules.onesFrom;
    if (wish.innerZero && digits > 2)
        multiplicand[1] = 0;
    QList<int> multiplier(rules.multiplierDigits, wish.carries ? rules.multiplierDigitTo : rules.multiplierDigitFrom);
    multiplier += QList<int>(wish.multiplierZeros, 0);
    return WrittenMultiplication(multiplicand, multiplier);
}
} // namespace

QList<WrittenMultiplication> KaroblattDraw::tasks(const KaroblattRules &rules, const KaroblattOptions &options,
                                                  RandomSource &random)
{
    QList<int> kinds;
    for (int zeros = 0; zeros < int(options.kinds.size()); ++zeros)
        if (options.kinds.at(zeros) && rules.hasKinds)
            kinds.append(zeros);
    if (kinds.isEmpty())
        kinds.append(0);
    const int digits = std::clamp(options.firstFactorDigits, KaroblattOptions::fewestFirstFactorDigits,
                                  KaroblattOptions::mostFirstFactorDigits);
    QList<WrittenMultiplication> drawn;
    for (int task = 0; task < std::max(0, options.taskCount); ++task) {
        const Wish wish{kinds.at(task % kinds.size()), takesIt(options.carries, task, 0),
                        takesIt(options.zeros, task, 1)};
        WrittenMultiplication calculation;
        bool found = false;
        for (int attempt = 0; attempt < attempts && !found; ++attempt) {
            calculation = drawOne(rules, digits, wish, random);
            found = calculation.hasCarries() == wish.carries;
        }
        drawn.append(found ? calculation : builtSurely(rules, digits, wish));
    }
    return drawn;
}

QList<WrittenPlace> KaroblattDraw::gaps(const KaroblattRules &rules, const WrittenMultiplication &task,
                                        RandomSource &random)
{
    QList<WrittenPlace> left;
    for (const GapGroup &group : rules.gaps) {
        QList<WrittenPlace> open;
        for (const WrittenPlace &place : group.places)
            if (writtenDigit(task, place) >= 0)
                open.append(place);
        for (int i = 0; i < group.count && !open.isEmpty(); ++i)
            left.append(open.takeAt(random.draw(0, int(open.size()) - 1)));
    }
    return left;
}
