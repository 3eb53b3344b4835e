#include "answers/answer_report.h"

#include "host/ui_seam.h"
#include "runtime/vbstring.h"

namespace kz {

namespace {

// What a finding quotes for a free text typed without a choice symbol.
const QString NoChoiceTyped = QStringLiteral("選択肢の記号なし");

}  // namespace

void ReportAnswerProblem(const QString& head, const QString& tail, int answer, ReportContext* context)
{
    if (context != nullptr)
        ++context->findings;
    if (context != nullptr && context->view != nullptr && !context->view->wantsReports())
        return;
    int start = 0;
    int length = 0;
    if (context != nullptr) {
        const int k = context->first + answer;
        start = context->answerStart.value(k);
        length = context->answerLength.value(k);
    }
    QString typed;
    if (start >= 1 && length > 0)
        typed = Mid(context->reply, start, length);
    else if (context != nullptr)
        typed = NoChoiceTyped;
    if (context != nullptr && context->view != nullptr)
        context->view->markAnswer(start, length);
    MsgBox(head + QLatin1Char('(') + typed + QLatin1Char(')') + tail, vbExclamation);
    if (context != nullptr && context->view != nullptr)
        context->view->restoreText();
}

void RemoveReportedAnswer(ReportContext* context, int answer)
{
    if (context == nullptr)
        return;
    const int k = context->first + answer;
    if (k < context->answerStart.size())
        context->answerStart.remove(k);
    if (k < context->answerLength.size())
        context->answerLength.remove(k);
}

}  // namespace kz
