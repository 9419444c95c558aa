// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The program-wide uniform generator. Trainers re-seed it from the clock
// before every task and worksheet block; the games only draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Uniform r in [0, 1).
    virtual double next() = 0;
    // Mixes the time into the current state, so two re-seeds within one
    // clock tick still lead to different draws.
    virtual void reseed(double secondsSinceMidnight) = 0;

    // A draw from a to b, both included: a + int((b - a + 1) * r).
    int draw(int from, int to) { return from + static_cast<int>((to - from + 1) * next()); }
};

class MixingRandomSource final : public RandomSource {
public:
    explicit MixingRandomSource(std::uint64_t seed = 0x5DEECE66DULL);
    double next() override;
    void reseed(double secondsSinceMidnight) override;

private:
    std::uint64_t m_state;
};
