// The random numbers behind rough counting: one generator for the whole run
// of the program, never seeded, so that the same samples are picked in every
// run. Tests put their own numbers in its place.
#pragma once

#include <functional>

namespace kz {

// The next number in [0, 1).
double NextRoughRandom();

// While this lives, NextRoughRandom returns the numbers of `next`.
class RoughRandomForTest {
public:
    explicit RoughRandomForTest(std::function<double()> next);
    ~RoughRandomForTest();
    RoughRandomForTest(const RoughRandomForTest&) = delete;
    RoughRandomForTest& operator=(const RoughRandomForTest&) = delete;

private:
    std::function<double()> previous_;
};

}  // namespace kz
