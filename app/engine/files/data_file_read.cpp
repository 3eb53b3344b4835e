#include "files/data_file_read.h"

#include <QIODevice>

#include <algorithm>
#include <bit>
#include <utility>

#include "files/counted_strings.h"
#include "files/data_file_format.h"
#include "host/long_job.h"
#include "model/question_codes.h"
#include "model/zuntab_binding.h"

namespace kz {
namespace {

QString BadValue(const QString& what, long long value)
{
    return QStringLiteral("ファイルの内容が正しくありません（%1: %2）").arg(what).arg(value);
}

// The question a condition row names (the code read as unsigned 16 bits).
int CodeQuestion(Integer code)
{
    Integer q = 0;
    Integer c = 0;
    SplitQC(code, q, c);
    return q;
}

int BitsPerSlot(Integer choiceCount) { return std::bit_width(static_cast<unsigned>(choiceCount)); }

}  // namespace

DataFileError::DataFileError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

DataFileReader::DataFileReader(BinaryReader& in, Integer version) : in_(in), version_(version) {}

DataFileError DataFileReader::PastTheEnd()
{
    return DataFileError(QStringLiteral("ファイルの終わりを越えて読み込もうとしました"));
}

Integer DataFileReader::integerIn(Integer low, Integer high, const QString& what)
{
    const Integer value = integer();
    if (value < low || value > high)
        throw DataFileError(BadValue(what, value));
    return value;
}

QString DataFileReader::plainText()
{
    QString text = GetStr(in_);
    check();
    return text;
}

QString DataFileReader::reversedText()
{
    QString text = GetRevStr(in_);
    check();
    return text;
}

QString DataFileReader::text() { return version_ == DataFile1001 ? reversedText() : plainText(); }

QString DataFileReader::password()
{
    QString text = GetSqrStr(in_);
    check();
    return text;
}

void ReadEntryList(DataFileReader& in, Condition& target, int questionCount)
{
    for (size_t i = 1; i < target.size(); ++i) {
        LimitItem item;
        item.KindRank = in.integer();
        item.Code = in.integer();
        // The end entry's Code may be left from an earlier row: not checked.
        if (item.KindRank != 0 && CodeQuestion(item.Code) >= questionCount)
            throw DataFileError(BadValue(QStringLiteral("条件の質問"), CodeQuestion(item.Code) + 1));
        target[i] = item;
        if (item.KindRank == 0)
            return;
    }
    throw DataFileError(QStringLiteral("ファイルの内容が正しくありません（条件が終わっていません）"));
}

StoredQuestion ReadQuestionBlock(DataFileReader& in, int questionCount)
{
    StoredQuestion question;
    question.Text = in.text();
    ReadEntryList(in, question.Limit, questionCount);
    question.MaxAnswers = in.integerIn(1, MaxChoices - 1, QStringLiteral("回答数"));
    question.CodeStyle = in.integer();
    question.ChoiceCount = in.integerIn(1, MaxChoices, QStringLiteral("選択肢数"));
    question.Choices.resize(static_cast<size_t>(question.ChoiceCount - 1));
    for (StoredChoice& choice : question.Choices) {
        choice.TextBlock = in.text();
        choice.Attr = in.integer();
    }
    return question;
}

namespace {

void ReadParagraphStarts(DataFileReader& in, std::array<Integer, MaxQuestions + 1>& starts)
{
    const auto next = [&in] {
        const Integer value = in.integer();
        return in.version() == DataFile1001 ? MakeQC(value, 0) : value;
    };
    starts[0] = next();
    for (size_t k = 1; k < starts.size(); ++k) {
        starts[k] = next();
        if (starts[k] == starts[k - 1]) {
            for (size_t later = k + 1; later < starts.size(); ++later)
                starts[later] = starts[k];
            return;
        }
    }
    throw DataFileError(QStringLiteral("ファイルの内容が正しくありません（改行位置が終わっていません）"));
}

}  // namespace

StoredQuestionnaire ReadQuestionnairePart(DataFileReader& in)
{
    StoredQuestionnaire part;
    part.Title = in.text();
    part.Password = in.password();
    part.ProtectLevel = in.integerIn(0, 2, QStringLiteral("保護レベル"));
    part.Author = in.text();

    const Integer questionCount = in.integerIn(1, MaxQuestions, QStringLiteral("質問数"));
    part.Questions.reserve(static_cast<size_t>(questionCount));
    int answerBits = 0;
    int essaySlots = 0;
    for (int q = 0; q < questionCount; ++q) {
        part.Questions.push_back(ReadQuestionBlock(in, questionCount));
        const StoredQuestion& question = part.Questions.back();
        answerBits += question.MaxAnswers * BitsPerSlot(question.ChoiceCount);
        if (std::any_of(question.Choices.begin(), question.Choices.end(),
                        [](const StoredChoice& choice) { return (choice.Attr & (1 << AttrEssay)) != 0; }))
            essaySlots += question.MaxAnswers;
    }
    // The answer layout's own limits, checked before anything is taken over:
    // a structure the layout refuses would leave questions without a layout.
    if (answerBits > 32767)
        throw DataFileError(BadValue(QStringLiteral("回答のビット数"), answerBits));
    const int sampleBytes = essaySlots * 4 + (answerBits + 15) / 16 * 2 + 6;
    if (sampleBytes > 32767)
        throw DataFileError(BadValue(QStringLiteral("サンプルの大きさ"), sampleBytes));

    in.integer();  // the count of stored limits, always 15
    for (Condition& limit : part.LimitTable)
        ReadEntryList(in, limit, questionCount);
    ReadParagraphStarts(in, part.ParagraphStart);
    part.CheckOptions = in.integer();
    return part;
}

SampleBlockReader::SampleBlockReader(DataFileReader& in, const Survey& questionnaire)
    : in_(in), questionnaire_(questionnaire), anoWords_(questionnaire.AnoBytes / 2),
      essayCount_(questionnaire.EssayCount)
{
    for (int q = 0; q < questionnaire.QuestionCount; ++q) {
        const AnswerLayoutRec& layout = questionnaire.AnswerLayout[static_cast<size_t>(q)];
        if (questionnaire.AnswerLayout[static_cast<size_t>(q) + 1].EssayOffset > layout.EssayOffset)
            essayQuestions_.push_back(q);
        if (layout.BitsPerSlot >= 8)
            fullWidthQuestions_.push_back(q);
    }
    if (in.version() == DataFile1002)
        work_.resize(static_cast<size_t>(essayCount_));
}

Long SampleBlockReader::readSampleCount()
{
    const Long count = in_.longInt();
    // The smallest block: ID, Flags, the answer words and (not in 1001) m.
    const qint64 smallestBlock = 6 + 2 * anoWords_ + (in_.version() == DataFile1001 ? 0 : 2);
    if (count < 0 || count > in_.bytesLeft() / smallestBlock)
        throw DataFileError(BadValue(QStringLiteral("サンプル数"), count));
    return count;
}

Integer SampleBlockReader::popAnswers(const Integer* words, int q)
{
    Integer count = 0;
    zuntab::maAno_popC(questionnaire_.AnswerLayout.data(), static_cast<Integer>(q), words, &count, codes_.data());
    return count;
}

bool SampleBlockReader::takesText(int q, Integer choice) const
{
    return (questionnaire_.Choices(q, choice).Attr & (1 << AttrEssay)) != 0;
}

void SampleBlockReader::checkAnswers(const Integer* words)
{
    // Only slots of 8 bits can hold a value past the last possible choice;
    // items after a question's terminating 0 are not answers and pass.
    for (int q : fullWidthQuestions_) {
        const Integer count = popAnswers(words, q);
        for (int i = 0; i < count; ++i)
            if (codes_[static_cast<size_t>(i)] >= MaxChoices)
                throw DataFileError(BadValue(QStringLiteral("回答"), codes_[static_cast<size_t>(i)]));
    }
}

void SampleBlockReader::read(SampleStore& table, Long pos)
{
    Q_ASSERT(table.answerWords() == anoWords_ + 1);
    table.setId(pos, in_.longInt());
    table.setFlags(pos, in_.integer());
    Integer* words = table.answers(pos);
    in_.integers(words, anoWords_);
    words[anoWords_] = 0;
    checkAnswers(words);
    FreeTexts& texts = table.texts(pos);
    texts.clear();
    switch (in_.version()) {
    case DataFile1001:
        readTexts1001(words, texts);
        break;
    case DataFile1002:
        readTexts1002(words, texts);
        break;
    default:
        readTexts1003(texts);
        break;
    }
}

void SampleBlockReader::readTexts1003(FreeTexts& texts)
{
    const Integer m = in_.integerIn(0, static_cast<Integer>(essayCount_), QStringLiteral("記述数"));
    for (int j = 0; j < m; ++j) {
        const Integer slot = in_.integerIn(0, static_cast<Integer>(essayCount_ - 1), QStringLiteral("記述の位置"));
        texts.setText(slot, in_.plainText());
    }
}

void SampleBlockReader::readTexts1002(const Integer* words, FreeTexts& texts)
{
    // Stored by the number of the free-text answer within its question;
    // placed by the answer's slot.
    const Integer m = in_.integerIn(0, static_cast<Integer>(essayCount_), QStringLiteral("記述数"));
    if (m == 0)
        return;
    for (int j = 0; j < m; ++j) {
        const Integer index = in_.integerIn(0, static_cast<Integer>(essayCount_ - 1), QStringLiteral("記述の位置"));
        work_[static_cast<size_t>(index)] = in_.plainText();
    }
    for (int q : essayQuestions_) {
        const int offset = questionnaire_.AnswerLayout[static_cast<size_t>(q)].EssayOffset;
        const Integer count = popAnswers(words, q);
        int c = 0;
        for (int i = 0; i < count; ++i) {
            if (takesText(q, codes_[static_cast<size_t>(i)]))
                texts.setText(offset + i, std::exchange(work_[static_cast<size_t>(offset + c++)], QString()));
        }
    }
    // A text stored under an index no answer reaches is not kept for the next sample.
    for (QString& text : work_)
        text.clear();
}

void SampleBlockReader::readTexts1001(const Integer* words, FreeTexts& texts)
{
    for (int q : essayQuestions_) {
        const int offset = questionnaire_.AnswerLayout[static_cast<size_t>(q)].EssayOffset;
        const Integer count = popAnswers(words, q);
        for (int i = 0; i < count; ++i)
            if (takesText(q, codes_[static_cast<size_t>(i)]))
                texts.setText(offset + i, in_.reversedText());
    }
}

bool ReadRestOfFile(QIODevice& file, RemainingBytesReader& content, const QString& text)
{
    LongJob job(file.size(), QString(), LongJob::Bar::StaysEmpty);
    while (content.readPiece()) {
        if (!job.step(content.bytes().size() - 1, [&text] { return text; }))
            return false;
    }
    return true;
}

void ReadTail(DataFileReader& in, Survey& target, QString& wwwDistName, Integer& wwwDistQno, bool& wwwEssayFull)
{
    BinaryReader& tail = in.binary();
    if (!tail.atEnd()) {
        const Integer items = tail.readInteger();
        if (items >= 1) {
            const QString name = GetStr(tail);
            if (tail.ok())
                wwwDistName = name;
        }
        if (items >= 2) {
            const Integer qno = tail.readInteger();
            if (tail.ok())
                wwwDistQno = qno;
        }
        if (items >= 3) {
            const bool full = tail.readBoolean();
            if (tail.ok())
                wwwEssayFull = full;
        }
    }
    if (tail.ok() && !tail.atEnd()) {
        for (size_t k = 0;; ++k) {
            const Integer flag = tail.readInteger();
            if (!tail.ok() || flag == ExeDllEnd)
                break;
            // Flags past the last paragraph cannot belong to one.
            if (k < target.ParagraphExeDLL.size() && (flag == ExeDllOn || flag == ExeDllOff))
                target.ParagraphExeDLL[k] = flag == ExeDllOn ? Integer(-1) : Integer(0);
        }
    }
    const QString name = GetStr(tail);
    if (tail.ok())
        target.ExternProcessName = name;
}

}  // namespace kz
