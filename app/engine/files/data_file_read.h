// Readers of the blocks of a data file, shared by the loader and the merge.
// Every count and index is checked before it sizes or indexes anything; a
// field that lies past the end of the file or a value outside its range
// throws DataFileError, whose text the caller shows as the read error.
#pragma once

#include <QString>

#include <array>
#include <stdexcept>
#include <vector>

#include "model/survey.h"
#include "runtime/binary_file.h"

namespace kz {

class DataFileError : public std::runtime_error {
public:
    explicit DataFileError(const QString& text);
    QString text() const { return text_; }

private:
    QString text_;
};

// The fields of a data file of one generation (1001, 1002 or 1003), read
// from the reader's position (just after the header).
class DataFileReader {
public:
    DataFileReader(BinaryReader& in, Integer version);

    Integer version() const { return version_; }
    // The plain reader, for fields that may be missing (the tail).
    BinaryReader& binary() { return in_; }
    // Bytes between the position and the end of the file.
    qint64 bytesLeft() const { return in_.bytesLeft(); }

    Integer integer()
    {
        const Integer value = in_.readInteger();
        check();
        return value;
    }
    Long longInt()
    {
        const Long value = in_.readLong();
        check();
        return value;
    }
    // `count` Integers into target.
    void integers(Integer* target, qsizetype count)
    {
        in_.readIntegers(target, count);
        check();
    }
    // An Integer within low..high; `what` names the field in the error.
    Integer integerIn(Integer low, Integer high, const QString& what);
    QString plainText();
    QString reversedText();
    // A text of the questionnaire: reversed in generation 1001, else plain.
    QString text();
    QString password();

private:
    void check()
    {
        if (!in_.ok())
            throw PastTheEnd();
    }
    static DataFileError PastTheEnd();

    BinaryReader& in_;
    Integer version_;
};

// One choice as stored: its text block (for SetChoiceText) and its Attr.
struct StoredChoice {
    QString TextBlock;
    Integer Attr = 0;
};

// One question block as stored.
struct StoredQuestion {
    QString Text;
    Condition Limit{};  // entries from 1 as stored; entry 0 stays zero
    Integer MaxAnswers = 0;
    Integer CodeStyle = 0;
    Integer ChoiceCount = 0;
    std::vector<StoredChoice> Choices;  // choices 1 to ChoiceCount - 1
};

// Everything between the header and the sample count.
struct StoredQuestionnaire {
    QString Title;
    QString Password;
    Integer ProtectLevel = 0;
    QString Author;
    std::vector<StoredQuestion> Questions;
    std::array<Condition, StoredLimitCount> LimitTable{};    // entries from 1; entry 0 zero
    std::array<Integer, MaxQuestions + 1> ParagraphStart{};  // already as QC codes
    Integer CheckOptions = 0;
};

// Reads entries 1, 2, ... up to and including the first KindRank 0 into
// `target` (entry 0 is left). The end entry must lie within index 15 and
// every row before it must name a question below questionCount.
void ReadEntryList(DataFileReader& in, Condition& target, int questionCount);

// Reads one question block of a questionnaire of questionCount questions.
StoredQuestion ReadQuestionBlock(DataFileReader& in, int questionCount);

// Reads from the title up to and including the correction options; also
// refuses a structure whose answers need more than 32767 bits or whose
// sample record would pass 32767 bytes (the answer layout's limits).
StoredQuestionnaire ReadQuestionnairePart(DataFileReader& in);

// Reads the sample count and sample blocks of a file whose questions match
// `questionnaire`, whose answer layout is computed.
class SampleBlockReader {
public:
    SampleBlockReader(DataFileReader& in, const Survey& questionnaire);

    // The sample count; refused when negative or when the rest of the file
    // cannot hold that many blocks.
    Long readSampleCount();
    // Reads the next sample block into the sample at pos of a store as wide
    // as the layout's samples: its answer words in one copy, the spare word
    // 0, and only the free texts of the block.
    void read(SampleStore& table, Long pos);

private:
    void checkAnswers(const Integer* words);
    void readTexts1003(FreeTexts& texts);
    void readTexts1002(const Integer* words, FreeTexts& texts);
    void readTexts1001(const Integer* words, FreeTexts& texts);
    bool takesText(int q, Integer choice) const;
    Integer popAnswers(const Integer* words, int q);

    DataFileReader& in_;
    const Survey& questionnaire_;
    int anoWords_;
    int essayCount_;
    std::vector<int> essayQuestions_;          // questions with essay slots
    std::vector<int> fullWidthQuestions_;      // questions whose slots can hold 128 and more
    std::array<Integer, MaxChoices> codes_{};  // one question's answers
    std::vector<QString> work_;                // generation 1002: texts by their stored index
};

// Reads the rest of an open file into `content` a piece at a time, as a job
// of the progress window showing `text`, whose bar is left to what follows:
// a large file takes a while to read, and the window goes on painting and
// hearing its Stop meanwhile. False when the user stopped. A read error ends
// the reading as the file's end does; the file's error() tells them apart.
bool ReadRestOfFile(QIODevice& file, RemainingBytesReader& content, const QString& text);

// The fields after the samples, each read only while the file has more:
// the network settings, the paragraphs' external-process flags and the
// external process's name. A field the file ends before keeps its value.
void ReadTail(DataFileReader& in, Survey& target, QString& wwwDistName, Integer& wwwDistQno, bool& wwwEssayFull);

}  // namespace kz
