// Putting the document into a defined state: unsavable, a new unnamed file,
// the default questionnaire; and showing one sample picked in a result sheet.
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
// Shows the sample at position dno (as text) or with ID idText in the entry
// window when it is visible, else in the sample view; with the sample view
// and a position, idText becomes that sample's ID.
void ShowSampleID(const QString& dno, QString& idText);

}  // namespace kz
