// The program's numbered strings (resources/strings.txt, built in).
#pragma once

#include <QString>

#include <optional>

namespace kz {

// The text with number `id`; nothing when the table has no such number.
std::optional<QString> LoadResString(int id);

}  // namespace kz
