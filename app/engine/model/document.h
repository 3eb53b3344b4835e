// The file-level state of the open questionnaire: where it is saved, how it
// is locked, whether it has unsaved changes, and the network-questionnaire
// settings stored with it.
#pragma once

#include <QString>

#include "runtime/vbtypes.h"

namespace kz {

// The path marker of a questionnaire that must not be written anywhere.
inline const QString UnsavablePath = QStringLiteral("保存できません");

struct DocumentState {
    // 0 not locked, 1 locked for viewing, 2 concealed (also: unsavable).
    Integer ProtectLevel = 0;
    QString CurrentFilePath;
    QString WWWDistName = QStringLiteral("newfile");
    Integer WWWDistQno = 0;
    bool WWWEssayFull = false;

    // The path is a new document's placeholder in the program folder, not a
    // name the user chose: saving asks for a name first.
    bool untitled = false;
    // Unsaved changes of the questionnaire or its samples.
    bool modified = false;
    // The commands show the locked state (LockMenus was last, not
    // UnlockMenus), and the highest level they were locked at since: locking
    // only ever switches commands off, unlocking switches them all on.
    bool menusLocked = false;
    Integer menuLockLevel = 0;
};

// A document that must not be written anywhere: the start-up questionnaire,
// a failed load, a stopped job. Only a load or a new questionnaire ends it.
inline bool IsUnsavable(const DocumentState& state) { return state.CurrentFilePath == UnsavablePath; }

// Whether the document has a file it may be saved to without asking: a
// name the user chose or opened, and not the unsavable marker.
inline bool HasChosenPath(const DocumentState& state)
{
    return !state.CurrentFilePath.isEmpty() && !state.untitled && !IsUnsavable(state);
}

// The document is the file `path` from now on.
inline void SetDocumentPath(DocumentState& state, const QString& path)
{
    state.CurrentFilePath = path;
    state.untitled = false;
}

}  // namespace kz
