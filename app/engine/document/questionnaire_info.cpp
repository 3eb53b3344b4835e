#include "document/questionnaire_info.h"

namespace kz {

QuestionnaireInfo DescribeQuestionnaire(const Workspace& ws, const Settings& computer)
{
    const qint64 bytes = ws.survey.SampleBytes;
    const qint64 count = ws.samples.Samples.size();
    const Long cursor = ws.samples.NextIDCursor;
    return {
        ws.document.CurrentFilePath,
        QString::number(bytes) + QStringLiteral(" byte"),
        QString::number(count) + QStringLiteral(" 人"),
        QString::number(bytes * count) + QStringLiteral(" byte"),
        QString::number(computer.IDRangeLow),
        QString::number(computer.IDRangeHigh),
        cursor < 0 ? QStringLiteral("(未発行)") : QString::number(cursor),
    };
}

}  // namespace kz
