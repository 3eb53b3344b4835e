#include "files/data_file_write.h"

#include <QtEndian>

#include <algorithm>
#include <bit>

#include "document/document.h"
#include "files/counted_strings.h"
#include "files/data_file_format.h"
#include "files/data_file_read.h"
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

void PutAnswerWords(BinaryWriter& out, const QVector<Integer>& ano, int words)
{
    if constexpr (std::endian::native == std::endian::little) {
        out.writeBytes(QByteArrayView(reinterpret_cast<const char*>(ano.constData()), qsizetype(words) * 2));
    } else {
        for (int w = 0; w < words; ++w)
            out.writeInteger(ano[w]);
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

void WriteQuestionnaireHead(BinaryWriter& out)
{
    PutText(out, survey.Title);
    if (!PutSqrStr(out, survey.Password))
        throw DataFileError(QStringLiteral("パスワードに1バイト文字以外の文字があるため保存できません。"));
    out.writeInteger(document.ProtectLevel);
    PutText(out, survey.Author);
    out.writeInteger(survey.QuestionCount);
}

void WriteQuestionBlock(BinaryWriter& out, Integer q)
{
    const QuestionRec& question = survey.Questions[q];
    PutText(out, question.Text.leftJustified(QuestionTextWidth, QLatin1Char(' '), true));
    WriteEntryList(out, survey.QuestionLimit[q], QStringLiteral("Q") + QString::number(q + 1));
    out.writeInteger(question.MaxAnswers);
    out.writeInteger(question.CodeStyle);
    out.writeInteger(question.ChoiceCount);
    for (Integer c = 1; c < question.ChoiceCount; ++c) {
        PutText(out, ChoiceTextBlock(q, c));
        out.writeInteger(survey.Choices(q, c).Attr);
    }
}

void WriteQuestionnaireRest(BinaryWriter& out)
{
    out.writeInteger(StoredLimitCountField);
    for (int L = 0; L < StoredLimitCount; ++L)
        WriteEntryList(out, survey.LimitTable[L], QStringLiteral("既成限定") + QString::number(L + 1));

    const auto& starts = survey.ParagraphStart;
    const int stored = StoredParagraphCount(starts);
    if (starts[stored - 1] != starts[stored - 2])
        throw DataFileError(QStringLiteral("改行位置の並びが終わっていないため保存できません。"));
    for (int k = 0; k < stored; ++k)
        out.writeInteger(starts[k]);

    out.writeInteger(survey.CheckOptions);
}

void WriteSampleBlock(BinaryWriter& out, const SampleRec& rec)
{
    const int words = survey.AnoBytes / 2;
    if (rec.Ano.size() < words)
        throw DataFileError(QStringLiteral("サンプルID ") + QString::number(rec.SampleID)
                            + QStringLiteral(" の回答データが欠けているため保存できません。"));
    out.writeLong(rec.SampleID);
    out.writeInteger(rec.Flags);
    PutAnswerWords(out, rec.Ano, words);

    const int slotCount = std::min<int>(survey.EssayCount, static_cast<int>(rec.Essay.size()));
    const auto texts = std::count_if(rec.Essay.cbegin(), rec.Essay.cbegin() + slotCount,
                                     [](const QString& text) { return !text.isEmpty(); });
    out.writeInteger(static_cast<Integer>(texts));
    for (int slot = 0; slot < slotCount; ++slot) {
        const QString& text = rec.Essay[slot];
        if (text.isEmpty())
            continue;
        out.writeInteger(static_cast<Integer>(slot));
        PutText(out, text);
    }
}

void WriteTail(BinaryWriter& out)
{
    out.writeInteger(NetworkItemCount);
    PutText(out, document.WWWDistName);
    out.writeInteger(document.WWWDistQno);
    out.writeBoolean(document.WWWEssayFull);

    const auto& starts = survey.ParagraphStart;
    for (size_t k = 0; k + 1 < starts.size() && starts[k] != starts[k + 1]; ++k)
        out.writeInteger(survey.ParagraphExeDLL[k] != 0 ? ExeDllOn : ExeDllOff);
    out.writeInteger(ExeDllEnd);

    PutText(out, survey.ExternProcessName);
}

}  // namespace kz
