// Putting the document into a defined state: unsavable, a new unnamed file,
// the default questionnaire.
#pragma once

#include "host/settings.h"
#include "model/workspace.h"

namespace kz {

// Lock level 2, menus locked, the path marker that forbids saving.
void SetUnsavable(DocumentState& state);
// The file-level state of a new document "new.kz" in the program folder,
// without samples (the ID cursor starts anew in this computer's range); the
// questionnaire and the menus are left.
void InitNewFile(Workspace& ws, const Settings& computer);
// The default one-question questionnaire "新規アンケート"; samples, file-level
// state and the answer layout are left.
void NewQuestionnaire(Survey& questionnaire);

}  // namespace kz
