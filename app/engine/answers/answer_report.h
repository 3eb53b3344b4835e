// Showing one finding of the answer checks: a message box reading head,
// "(", the offending answer as it was typed in the reply text, ")", tail.
#pragma once

#include <QString>
#include <QVector>

namespace kz {

// The window whose reply text holds the answers being checked (the entry
// window). It decides whether findings are shown now (the import window may
// silence them) and marks the offending answer while the box is up.
class ReplyView {
public:
    virtual ~ReplyView() = default;
    virtual bool wantsReports() const = 0;
    // start is 1-based in the reply text.
    virtual void markAnswer(int start, int length) = 0;
    virtual void restoreText() = 0;
};

// Where the answers being checked were typed: the reply text and, per answer
// of the sample (flat, in answer order), its 1-based start and its length.
// The checks keep the two arrays aligned with the answers when they remove
// one; first is the index of the first answer of the question in hand.
struct ReportContext {
    QString reply;
    QVector<int> answerStart;
    QVector<int> answerLength;
    int first = 0;
    ReplyView* view = nullptr;
    // The findings reported, shown or not: each is an answer the checks
    // repaired, or found at fault.
    int findings = 0;
};

// Shows the finding about answer `answer` of the question in hand (index
// context->first + answer of the arrays), exclamation icon. Without a context
// the answer's text is empty; an answer typed without a choice symbol (a bare
// free text) is quoted as "選択肢の記号なし". With a view that wants no
// reports nothing is shown; the context counts the finding either way.
void ReportAnswerProblem(const QString& head, const QString& tail, int answer, ReportContext* context);

// Drops answer `answer` of the question in hand from the context's arrays.
void RemoveReportedAnswer(ReportContext* context, int answer);

}  // namespace kz
