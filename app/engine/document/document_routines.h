// Putting the document into a defined state: unsavable, a new unnamed file,
// the default questionnaire.
#pragma once

#include <QString>

namespace kz {

// Lock level 2, menus locked, the path marker that forbids saving.
void SetUnsavable();
// The file-level state of a new document "new.kz" in the program folder,
// without samples; the questionnaire and the menus are left.
void InitNewFile();
// The default one-question questionnaire "新規アンケート"; samples, file-level
// state and the answer layout are left.
void NewQuestionnaire();
}  // namespace kz
