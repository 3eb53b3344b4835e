#include "fuzz_workspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <QVector>

#include <cstdio>
#include <limits>

#include "host/settings.h"
#include "imports/import_entry.h"
#include "imports/network_answers.h"
#include "model/answer_store.h"
#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/sample_table.h"
#include "runtime/cp932.h"

namespace kz::fuzz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

struct ChoiceSpec {
    Integer c;
    Integer attr;
};

// Choice 0 is "無回答" and exclusive, as the loader leaves it.
void AddQuestion(Survey& q, const QString& label, Integer maxAnswers, Integer choiceCount, Integer codeStyle,
                 std::initializer_list<ChoiceSpec> special)
{
    const Integer n = q.QuestionCount++;
    QuestionRec& question = q.Questions[n];
    question.Text = (label + u'\r' + label + QStringLiteral("は？") + u'\r' + u'\r').leftJustified(128, u' ', true);
    question.MaxAnswers = maxAnswers;
    question.ChoiceCount = choiceCount;
    question.CodeStyle = codeStyle;
    q.Choices(n, 0).Text = QStringLiteral("無回答");
    q.Choices(n, 0).Attr = 1 << AttrExclusive;
    for (Integer c = 1; c < choiceCount; ++c)
        q.Choices(n, c).Text = label + QString::number(c);
    for (const ChoiceSpec& choice : special)
        q.Choices(n, choice.c).Attr = choice.attr;
}

LimitItem Row(Integer kind, Integer q, Integer c) { return LimitItem{kind, MakeQC(q, c)}; }

Condition MakeCondition(std::initializer_list<LimitItem> rows)
{
    Condition cond{};
    size_t i = 1;
    for (const LimitItem& row : rows)
        cond[i++] = row;
    return cond;
}

void BuildQuestionnaire(Survey& q, const QString& codeFile)
{
    constexpr Integer Essay = 1 << AttrEssay;
    q.Title = QStringLiteral("ファズ調査");
    AddQuestion(q, QStringLiteral("性別"), 1, 4, 0, {{3, Essay | (1 << AttrOther)}});
    AddQuestion(q, QStringLiteral("飲み物"), 3, 14, 1,
                {{2, 1 << AttrExclusive}, {5, Essay | (1 << AttrOther)}, {12, Essay | (1 << AttrMultiple)}});
    AddQuestion(q, QStringLiteral("来店回数"), 1, 6, 2, {{1, Essay | (1 << AttrQuantity)}, {5, 1 << AttrOther}});
    q.Choices(2, 1).Low = 0;
    q.Choices(2, 1).High = 100;
    AddQuestion(q, QStringLiteral("地域"), 2, 30, 3, {{1, Essay | (1 << AttrCoded)}, {29, Essay}});
    q.Choices(3, 1).CodeFile = codeFile;
    AddQuestion(q, QStringLiteral("名前"), 1, 2, 0, {{1, Essay}});
    AddQuestion(q, QStringLiteral("感想"), 4, 128, 0, {{127, Essay}, {64, 1 << AttrExclusive}});
    // Asked of women only.
    q.QuestionLimit[5] = MakeCondition({Row(KindRequired, 0, 2)});
    q.LimitTable[0] = MakeCondition({Row(KindRequired, 0, 1)});
    q.LimitTable[1] = MakeCondition({Row(KindOr, 1, 3), Row(KindOr, 1, 4)});
    q.LimitTable[2] = MakeCondition({Row(KindRequired, 1, 5), Row(KindRangeEnd, 1, 9), Row(KindExclude, 5, 127)});
    // Lines: Q0; Q1 slots 0-1; Q1 slot 2 and Q2; Q3; Q4 alone, which asks
    // for the external process; Q5.
    const Integer starts[] = {MakeQC(0, 0), MakeQC(1, 0), MakeQC(1, 2), MakeQC(3, 0), MakeQC(4, 0), MakeQC(5, 0)};
    q.ParagraphStart.fill(MakeQC(q.QuestionCount, 0));
    std::copy(std::begin(starts), std::end(starts), q.ParagraphStart.begin());
    q.ParagraphExeDLL[4] = -1;
    q.CheckOptions = 1 | 2 | 4 | 8;
}

struct SampleSpec {
    QVector<Integer> counts;
    QVector<Integer> codes;
    QVector<QString> texts;
};
const SampleSpec Samples[] = {
    {{1, 2, 1, 2, 1, 1}, {1, 1, 3, 1, 1, 2, 1, 0}, {"", "", "", "5", "13:東京", "", "taro", ""}},
    {{1, 1, 1, 1, 1, 3}, {2, 5, 3, 29, 1, 127, 3, 4}, {"", "tea", "", "北", "hanako", "good", "", ""}},
    {{1, 1, 1, 1, 1, 1}, {3, 2, 1, 2, 1, 64}, {"other", "", "99", "", "jiro", ""}},
    {{1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0}, {"", "", "", "", "", ""}},
    {{1, 3, 1, 1, 1, 2}, {2, 12, 13, 1, 4, 1, 1, 10, 20}, {"", "x", "", "", "", "27:大阪", "ume", "", ""}},
};

// For the report of a wrong result: "count: code/text code/text | ..." per
// question.
QString Described(const WWWAnswer& answer)
{
    QString text;
    qsizetype A = 0;
    for (Integer count : answer.Counts) {
        text += QString::number(count) + u':';
        for (Integer n = 0; n < count; ++n, ++A)
            text += u' ' + QString::number(answer.Codes[A]) + u'/' + answer.Texts[A];
        text += QStringLiteral(" | ");
    }
    return text;
}

// A record entered as the entry window enters what the importers hand it:
// the reply with the line end the window adds.
ImportedEntry Enter(std::optional<Long> ID, const QString& reply)
{
    QString text = reply + CrLf;
    return EnterImportedRecord(FuzzWorkspace(), FuzzSettings(), ID, text, nullptr);
}

// An ID no sample has, for the sample that checks another's reply.
Long UnusedID()
{
    Long id = std::numeric_limits<Long>::max();
    while (FindSamplePos(FuzzWorkspace().samples.Samples, id) != -1)
        --id;
    return id;
}

// The reply notation of the answers stored at Dno from `entered`, entered
// into a new sample, stores answers of the same notation (the notation
// writes a free text's line breaks as blanks, on purpose) and the same
// stored-limit flags.
void RequireStableReply(Long Dno, const QString& entered)
{
    const WWWAnswer stored = StoredAnswer(Dno);
    Workspace& ws = FuzzWorkspace();
    const QString reply = WWWReplyText(ws.survey, stored);
    const ImportedEntry again = Enter(UnusedID(), reply);
    Require(again.Dno >= 0, "no sample could be made for a stored sample's reply");
    const bool taken = again.result == ImportedEntry::Result::Stored;
    const WWWAnswer reread = StoredAnswer(again.Dno);
    const SampleStore& table = ws.samples.Samples;
    const bool same = WWWReplyText(ws.survey, reread) == reply && table.flags(again.Dno) == table.flags(Dno);
    if (!taken || !same)
        std::fprintf(stderr, "entered:\n%s\nstored: %s\nwritten:\n%s\nstatus: %s\nread back: %s\n",
                     qPrintable(entered), qPrintable(Described(stored)), qPrintable(reply), qPrintable(again.Status),
                     qPrintable(Described(reread)));
    Require(taken, "a stored sample's reply is refused");
    Require(same, "a stored sample's reply stores other answers or stored-limit flags");
    DeleteSampleRec(ws.samples.Samples, again.Dno);
}

}  // namespace

Settings& FuzzSettings()
{
    static Settings computer;
    return computer;
}

Workspace& FuzzWorkspace()
{
    static Workspace& ws = []() -> Workspace& {
        static QTemporaryDir folder;
        const QString codeFile = folder.filePath(QStringLiteral("codes.txt"));
        QFile codes(codeFile);
        if (!codes.open(QIODevice::WriteOnly) || codes.write(ToCp932(QStringLiteral("13,東京\r\n27,大阪\r\n"))) < 0)
            Require(false, "the code file cannot be written");
        InitBitMasks();
        static Workspace program;
        program.document.CurrentFilePath = folder.filePath(QStringLiteral("fuzz.kz"));
        program.document.WWWDistName = QStringLiteral("cafe1");
        program.document.WWWDistQno = 4;
        BuildQuestionnaire(program.survey, codeFile);
        Require(ComputeAnswerLayout(program.survey), "the questionnaire's answers do not fit a sample");
        Settings& computer = FuzzSettings();
        computer.IDRangeLow = 1;
        computer.IDRangeHigh = 60;
        ResetSamples(program);
        return program;
    }();
    return ws;
}

void ClearSamples(Workspace& ws)
{
    ws.samples = SampleTable{};
    ResetIDCursor(ws.samples, FuzzSettings());
}

void ResetSamples(Workspace& ws)
{
    ClearSamples(ws);
    Long ID = 1;
    for (const SampleSpec& sample : Samples)
        WriteSampleAnswers(ws, AppendSampleRec(ws, ID++), sample.counts, sample.codes, sample.texts);
    ResetIDCursor(ws.samples, FuzzSettings());
}

WWWAnswer StoredAnswer(Long Dno)
{
    WWWAnswer answer;
    ReadSampleAnswers(FuzzWorkspace(), Dno, answer.Counts, answer.Codes, answer.Texts);
    // The arrays are grown to every slot; only the answers count.
    qsizetype answers = 0;
    for (Integer count : answer.Counts)
        answers += count;
    answer.Codes.resize(answers);
    answer.Texts.resize(answers);
    return answer;
}

ImportedEntry::Result EnterRecord(std::optional<Long> ID, const QString& reply)
{
    const ImportedEntry entry = Enter(ID, reply);
    Require(entry.result != ImportedEntry::Result::IDInUse, "a record was handed over with an ID in use");
    if (entry.result == ImportedEntry::Result::Stored)
        RequireStableReply(entry.Dno, reply);
    return entry.result;
}

}  // namespace kz::fuzz
