// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/random_source.h"

#include <bit>

namespace {
std::uint64_t splitMix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
} // namespace

MixingRandomSource::MixingRandomSource(std::uint64_t seed)
    : m_state(seed)
{
}

double MixingRandomSource::next()
{
    // 53 random bits give every double in [0, 1) on an even grid.
    return static_cast<double>(splitMix(m_state) >> 11) * 0x1.0p-53;
}

void MixingRandomSource::reseed(double secondsSinceMidnight)
{
    std::uint64_t mixed = m_state ^ std::bit_cast<std::uint64_t>(secondsSinceMidnight);
    m_state = splitMix(mixed);
}
