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

// The program's document state (document/workspace.h).
extern DocumentState& document;

}  // namespace kz
