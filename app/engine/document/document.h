// The file-level state of the open questionnaire: where it is saved, how it
// is locked, and the network-questionnaire settings stored with it.
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
};

extern DocumentState document;

}  // namespace kz
