#include "design/essay_coding.h"

#include <QVector>

#include "model/answer_store.h"
#include "model/survey.h"
#include "texts/code_files.h"

namespace kz {

bool AssignEssayCodes(Workspace& ws, Integer q, Integer c, EssayCoding mode, LongJob::Report report)
{
    const Long n = SampleCount(ws.samples);
    LongJob job(n, QStringLiteral("記述"), LongJob::Bar::Fills, std::move(report));
    QVector<Integer> codes;
    QVector<QString> texts;
    for (Long s = 0; s < n; ++s) {
        if (!job.step(s))
            return false;
        Integer count = 0;
        ReadQuestionAnswers(ws, s, q, count, codes, texts);
        for (int i = 0; i < count && i < texts.size(); ++i) {
            if (codes[i] != c)
                continue;
            QString code;
            QString label;
            SplitCodeLabel(texts[i], code, label);
            if (mode == EssayCoding::RemoveCodes) {
                texts[i] = label;
                continue;
            }
            (mode == EssayCoding::ByCode ? label : code) = QStringLiteral("?");
            LookupChoiceCode(ws.survey, q, c, code, label, ws.document.CurrentFilePath);
            texts[i] = code + u':' + label;
        }
        WriteQuestionAnswers(ws, s, q, count, codes, texts);
    }
    return true;
}

}  // namespace kz
