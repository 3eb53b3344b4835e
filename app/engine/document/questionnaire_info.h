// What the questionnaire information window states about the open
// questionnaire, as the texts it shows.
#pragma once

#include <QString>

#include "host/settings.h"
#include "model/workspace.h"

namespace kz {

struct QuestionnaireInfo {
    QString fileName;
    QString sampleBytes;  // the memory one sample takes: "<n> byte"
    QString sampleCount;  // "<n> 人"
    QString memoryUse;    // the two multiplied: "<n> byte"
    // This computer's ID range and the ID it issued last, "(未発行)" when
    // it has issued none.
    QString idFrom;
    QString idTo;
    QString lastID;
};

QuestionnaireInfo DescribeQuestionnaire(const Workspace& ws, const Settings& computer);

}  // namespace kz
