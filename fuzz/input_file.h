// The readers take a path: every input of a target goes through one
// temporary file, rewritten for each.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace kz::fuzz {

// Writes the bytes into the target's temporary file and gives its path.
QString WriteInputFile(const uint8_t* data, size_t size);

}  // namespace kz::fuzz
