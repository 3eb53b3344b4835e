// Feeds arbitrary bytes to the network answer reader as one returned answer
// file (posted form or e-mail text, as its contents say): no input may
// crash it. Every answer it hands over must fit the questionnaire (each
// question no more answers than it takes, no choice twice, every choice one
// of the question's), and is handed to the entry window as the import does;
// a sample stored from it must read back to the same answers.
#include <QSet>
#include <QString>

#include <optional>

#include "fuzz_workspace.h"
#include "host/ui_seam.h"
#include "imports/answer_fields.h"
#include "imports/network_answers.h"
#include "input_file.h"

namespace kz::fuzz {

namespace {

void RequireFits(const Survey& questionnaire, const WWWAnswer& answer)
{
    Require(answer.Counts.size() == questionnaire.QuestionCount, "an answer has counts for other questions");
    Require(answer.Codes.size() == answer.Texts.size(), "an answer's choices and texts differ in number");
    qsizetype A = 0;
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q) {
        const Integer count = answer.Counts[q];
        Require(count >= 0 && count <= questionnaire.Questions[q].MaxAnswers, "a question holds too many answers");
        Require(A + count <= answer.Codes.size(), "an answer counts more choices than it holds");
        QSet<Integer> chosen;
        for (qsizetype end = A + count; A < end; ++A) {
            const Integer c = answer.Codes[A];
            Require(c >= 0 && c < questionnaire.Questions[q].ChoiceCount, "an answer names a choice not asked");
            Require(!chosen.contains(c), "an answer holds a choice twice");
            chosen.insert(c);
        }
    }
    Require(A == answer.Codes.size(), "an answer holds choices no question counts");
}

// Handed to the entry window as the import window hands it.
HandOver Enter(const Workspace& ws, const WWWAnswer& answer)
{
    RequireFits(ws.survey, answer);
    switch (EnterRecord(std::nullopt, WWWReplyText(ws.survey, answer))) {
    case ImportedEntry::Result::Stored:
        return HandOver::Stored;
    case ImportedEntry::Result::Refused:
        return HandOver::Refused;
    default:
        return HandOver::NoIDLeft;
    }
}

}  // namespace

}  // namespace kz::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace kz;
    using namespace kz::fuzz;
    installUi(nullptr);  // no box waits for an answer
    Workspace& ws = FuzzWorkspace();
    ClearSamples(ws);
    QString why;
    const std::optional<QString> W = ReadAnswerFile(WriteInputFile(data, size), why);
    if (!W)
        return 0;
    const WWWDistinction distinction{ws.document.WWWDistName, ws.document.WWWDistQno};
    const WWWFileRead read =
        ReadWWWAnswers(ws, *W, distinction, [&ws](const WWWAnswer& answer) { return Enter(ws, answer); });
    Require(read.refused <= read.Taken, "more answers refused than taken");
    return 0;
}
