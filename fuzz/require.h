// A wrong result found by a target stops the run as a crash does, so that
// the fuzzer keeps the input.
#pragma once

namespace kz::fuzz {

// Stops the run, naming what went wrong, when `holds` is false.
void Require(bool holds, const char* what);

}  // namespace kz::fuzz
