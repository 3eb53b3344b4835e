// The document's modified mark and the lock of its commands. The commands
// and the password window take their look from the document state
// (document.h); every change here is told through documentEvents().changed.
#pragma once

#include "model/document.h"

namespace kz {

void SetModified(DocumentState& state);
void ClearModified(DocumentState& state);
bool IsModified(const DocumentState& state);
// Shows the locked state for the document's ProtectLevel: above 0 the editing
// commands go off, above 1 also tabulation, the question list and the title
// window. The lock decides only what the user may run: the modified mark
// stays, so unsaved changes are still offered for saving.
void LockMenus(DocumentState& state);
// Lifts the lock: every command the level switches on again, whatever the
// level reads. The modified mark stays as it is, and an unsavable document
// stays unsavable.
void UnlockMenus(DocumentState& state);

}  // namespace kz
