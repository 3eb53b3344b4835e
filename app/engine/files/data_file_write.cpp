#include "files/data_file_write.h"

#include <QtEndian>

#include <algorithm>
#include <bit>

#include "files/counted_strings.h"
#include "files/data_file_format.h"
#include "files/data_file_read.h"
#include "model/document.h"
#include "model/survey.h"
#include "texts/choice_texts.h"

namespace kz {
namespace {

// QuestionRec::Text is a fixed field of this many characters in the file.
constexpr int QuestionTextWidth = 128;

void PutText(BinaryWriter& out, const QString& text)
{
    if (!PutStr(out, text))
        throw DataFileError(QStringLiteral("文字列が長すぎるため保存できません。(") + text.left(20)
                            + QStringLiteral("…)"));
}

void PutAnswerWords(BinaryWriter& out, const Integer* words, int count)
{
    if constexpr (std::endian::native == std::endian::little) {
        out.writeBytes(QByteArrayView(reinterpret_cast<const char*>(words), qsizetype(count) * 2));
    } else {
        for (int w = 0; w < count; ++w)
            out.writeInteger(words[w]);
    }
}

}  // namespace

void WriteEntryList(BinaryWriter& out, const Condition& cond, const QString& what)
{
    int end = 1;
    while (end < ZUNTAB_CONDITION_ENTRIES && cond[end].KindRank != 0)
        ++end;
    if (end == ZUNTAB_CONDITION_ENTRIES)
        throw DataFileError(what + QStringLiteral("の限定条件が長すぎるため保存できません。"));
    for (int i = 1; i <= end; ++i) {
        out.writeInteger(cond[i].KindRank);
        out.writeInteger(cond[i].Code);
    }
}

void WriteQuestionnaireHead(BinaryWriter& out, const Workspace& ws)
{
    const Survey& questionnaire = ws.survey;
    PutText(out, questionnaire.Title);
    if (!PutSqrStr(out, questionnaire.Password))
        throw DataFileError(QStringLiteral("パスワードに1バイト文字以外の文字があるため保存できません。"));
    out.writeInteger(ws.document.ProtectLevel);
    PutText(out, questionnaire.Author);
    out.writeInteger(questionnaire.QuestionCount);
}

void WriteQuestionBlock(BinaryWriter& out, const Survey& questionnaire, Integer q)
{
    const QuestionRec& question = questionnaire.Questions[q];
    PutText(out, question.Text.leftJustified(QuestionTextWidth, QLatin1Char(' '), true));
    WriteEntryList(out, questionnaire.QuestionLimit[q], QStringLiteral("Q") + QString::number(q + 1));
    out.writeInteger(question.MaxAnswers);
    out.writeInteger(question.CodeStyle);
    out.writeInteger(question.ChoiceCount);
    for (Integer c = 1; c < question.ChoiceCount; ++c) {
        PutText(out, ChoiceTextBlock(questionnaire, q, c));
        out.writeInteger(questionnaire.Choices(q, c).Attr);
    }
}

void WriteQuestionnaireRest(BinaryWriter& out, const Survey& questionnaire)
{
    out.writeInteger(StoredLimitCountField);
    for (int L = 0; L < StoredLimitCount; ++L)
        WriteEntryList(out, questionnaire.LimitTable[L], QStringLiteral("既成限定") + QString::number(L + 1));

    const auto& starts = questionnaire.ParagraphStart;
    const int stored = StoredParagraphCount(starts);
    if (starts[stored - 1] != starts[stored - 2])
        throw DataFileError(QStringLiteral("改行位置の並びが終わっていないため保存できません。"));
    for (int k = 0; k < stored; ++k)
        out.writeInteger(starts[k]);

    out.writeInteger(questionnaire.CheckOptions);
}

void WriteSampleBlock(BinaryWriter& out, const Survey& questionnaire, const SampleStore& table, Long pos)
{
    const int words = questionnaire.AnoBytes / 2;
    if (table.answerWords() < words)
        throw DataFileError(QStringLiteral("サンプルID ") + QString::number(table.id(pos))
                            + QStringLiteral(" の回答データが欠けているため保存できません。"));
    out.writeLong(table.id(pos));
    out.writeInteger(table.flags(pos));
    PutAnswerWords(out, table.answers(pos), words);

    // Texts are stored in ascending slot order; a slot past the layout's is
    // not the questionnaire's.
    const FreeTexts& texts = table.texts(pos);
    const auto pastSlots = std::find_if(texts.begin(), texts.end(), [&questionnaire](const FreeTexts::Entry& entry) {
        return entry.slot >= questionnaire.EssayCount;
    });
    out.writeInteger(static_cast<Integer>(pastSlots - texts.begin()));
    for (auto entry = texts.begin(); entry != pastSlots; ++entry) {
        out.writeInteger(entry->slot);
        PutText(out, entry->text);
    }
}

void WriteTail(BinaryWriter& out, const Workspace& ws)
{
    const Survey& questionnaire = ws.survey;
    out.writeInteger(NetworkItemCount);
    PutText(out, ws.document.WWWDistName);
    out.writeInteger(ws.document.WWWDistQno);
    out.writeBoolean(ws.document.WWWEssayFull);

    const auto& starts = questionnaire.ParagraphStart;
    for (size_t k = 0; k + 1 < starts.size() && starts[k] != starts[k + 1]; ++k)
        out.writeInteger(questionnaire.ParagraphExeDLL[k] != 0 ? ExeDllOn : ExeDllOff);
    out.writeInteger(ExeDllEnd);

    PutText(out, questionnaire.ExternProcessName);
}

}  // namespace kz
