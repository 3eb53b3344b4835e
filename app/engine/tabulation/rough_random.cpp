#include "tabulation/rough_random.h"

#include <random>
#include <utility>

namespace kz {

namespace {

std::function<double()> replacement;

double NextOfProgramGenerator()
{
    // Default-constructed: the fixed default seed.
    static std::mt19937_64 generator;
    // The top 53 bits as a fraction: every value below 1.
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

}  // namespace

double NextRoughRandom() { return replacement ? replacement() : NextOfProgramGenerator(); }

RoughRandomForTest::RoughRandomForTest(std::function<double()> next)
    : previous_(std::exchange(replacement, std::move(next)))
{}

RoughRandomForTest::~RoughRandomForTest() { replacement = std::move(previous_); }

}  // namespace kz
