// Writes data files byte by byte for tests, independently of the program's
// own writers: every field is encoded here, so a fixture pins the format.
//   DataFileFixture describes a file of generation 1003, 1002 or 1001;
//   BuildDataFile(fixture) gives its bytes, WriteDataFile(path, fixture)
//   writes them; PackAnswers packs answers as the questions lay them out.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <bit>
#include <optional>
#include <utility>
#include <vector>

#include "runtime/cp932.h"
#include "runtime/vbtypes.h"

namespace kz::test {

// Little-endian fields and the three counted-string encodings.
class FieldWriter {
public:
    void integer(int value)
    {
        bytes_.append(static_cast<char>(value & 0xFF));
        bytes_.append(static_cast<char>((value >> 8) & 0xFF));
    }
    void longInt(Long value)
    {
        const auto raw = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            bytes_.append(static_cast<char>((raw >> shift) & 0xFF));
    }
    void plain(const QString& text)
    {
        const QByteArray raw = ToCp932(text);
        integer(static_cast<int>(raw.size()));
        integer(static_cast<int>(raw.size()));
        bytes_.append(raw);
    }
    void reversed(const QString& text)
    {
        const QByteArray raw = ToCp932(text);
        integer(static_cast<int>(raw.size()));
        for (qsizetype k = raw.size() - 1; k >= 0; --k)
            bytes_.append(static_cast<char>(255 - static_cast<unsigned char>(raw[k])));
    }
    void squared(const QString& text)
    {
        const QByteArray raw = ToCp932(text);
        integer(static_cast<int>(raw.size()));
        for (qsizetype k = raw.size() - 1; k >= 0; --k) {
            const int code = static_cast<unsigned char>(raw[k]);
            integer(code * code - 32768);
        }
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

struct FixtureRow {
    Integer KindRank = 0;
    Integer Code = 0;
};

struct FixtureChoice {
    QString Block;  // "label CR Low CR High" or "label CR CodeFile"
    Integer Attr = 0;
};

struct FixtureQuestion {
    QString Text;
    std::vector<FixtureRow> Condition;  // rows before the end entry
    Integer MaxAnswers = 1;
    Integer CodeStyle = 0;
    std::vector<FixtureChoice> Choices;       // choices 1 to ChoiceCount - 1
    std::optional<Integer> ChoiceCountField;  // written instead of Choices.size() + 1
};

struct FixtureSample {
    Long SampleID = 0;
    Integer Flags = 0;
    std::vector<Integer> Ano;  // the stored words, AnoBytes / 2 of them
    // 1003: (slot, text); 1002: (index among the free-text answers, text);
    // 1001: the texts in file order (the number is not written).
    std::vector<std::pair<Integer, QString>> Texts;
    std::optional<Integer> TextCountField;  // written instead of Texts.size()
};

struct FixtureTail {
    Integer NetworkItems = 3;
    QString WWWDistName;
    Integer WWWDistQno = 0;
    bool WWWEssayFull = false;
    std::optional<std::vector<Integer>> ExeDllFlags;  // the 0 that ends them is added
    std::optional<QString> ExternProcessName;
};

struct DataFileFixture {
    Integer Version = 1003;
    Integer Leading = 0;
    QString Title = QStringLiteral("調査");
    QString Password;
    Integer ProtectLevel = 0;
    QString Author = QStringLiteral("作者");
    std::vector<FixtureQuestion> Questions;
    std::vector<std::vector<FixtureRow>> Limits = std::vector<std::vector<FixtureRow>>(16);
    // Written as listed (the repeating end value included); 1001 lists
    // question numbers.
    std::vector<Integer> ParagraphStarts = {0, 0};
    Integer CheckOptions = 15;
    std::vector<FixtureSample> Samples;
    std::optional<Long> SampleCountField;  // written instead of Samples.size()
    std::optional<FixtureTail> Tail;
};

inline const char* FixtureMagic(Integer version)
{
    switch (version) {
    case 1001:
        return "Kelvor Zuntab Version 95.x Datafile";
    case 1002:
        return "Kelvor Zuntab Datafile Since 95.6";
    case 2001:
        return "Kelvor Zuntab PageData Since 95.10";
    default:
        return "Kelvor Zuntab Datafile Since 95.9";
    }
}

// Packs the answers of one sample: answers[q] lists question q's answers;
// each question has MaxAnswers slots of bit_width(ChoiceCount) bits from the
// lowest bit of word 0; a list shorter than its slots ends with a 0 item.
inline std::vector<Integer> PackAnswers(const std::vector<FixtureQuestion>& questions,
                                        const std::vector<std::vector<Integer>>& answers)
{
    int totalBits = 0;
    for (const FixtureQuestion& q : questions)
        totalBits += q.MaxAnswers * std::bit_width(q.Choices.size() + 1);
    std::vector<uint16_t> words(static_cast<size_t>((totalBits + 15) / 16) + 1, 0);
    int bit = 0;
    for (size_t q = 0; q < questions.size(); ++q) {
        const int width = std::bit_width(questions[q].Choices.size() + 1);
        for (int slot = 0; slot < questions[q].MaxAnswers; ++slot, bit += width) {
            const std::vector<Integer>& list = q < answers.size() ? answers[q] : std::vector<Integer>{};
            const unsigned value =
                static_cast<size_t>(slot) < list.size() ? static_cast<unsigned>(list[static_cast<size_t>(slot)]) : 0u;
            for (int b = 0; b < width; ++b)
                if (value & (1u << b))
                    words[static_cast<size_t>((bit + b) / 16)] |= static_cast<uint16_t>(1u << ((bit + b) % 16));
        }
    }
    words.pop_back();
    return {words.begin(), words.end()};
}

inline QByteArray BuildDataFile(const DataFileFixture& f)
{
    FieldWriter out;
    const auto text = [&](const QString& s) { f.Version == 1001 ? out.reversed(s) : out.plain(s); };
    const auto rows = [&](const std::vector<FixtureRow>& list) {
        for (const FixtureRow& row : list) {
            out.integer(row.KindRank);
            out.integer(row.Code);
        }
        out.integer(0);
        out.integer(0);
    };
    out.integer(f.Leading);
    out.reversed(QString::fromLatin1(FixtureMagic(f.Version)));
    text(f.Title);
    out.squared(f.Password);
    out.integer(f.ProtectLevel);
    text(f.Author);
    out.integer(static_cast<int>(f.Questions.size()));
    for (const FixtureQuestion& q : f.Questions) {
        text(q.Text);
        rows(q.Condition);
        out.integer(q.MaxAnswers);
        out.integer(q.CodeStyle);
        out.integer(q.ChoiceCountField.value_or(static_cast<Integer>(q.Choices.size() + 1)));
        for (const FixtureChoice& c : q.Choices) {
            text(c.Block);
            out.integer(c.Attr);
        }
    }
    out.integer(15);
    for (const auto& limit : f.Limits)
        rows(limit);
    for (Integer start : f.ParagraphStarts)
        out.integer(start);
    out.integer(f.CheckOptions);
    out.longInt(f.SampleCountField.value_or(static_cast<Long>(f.Samples.size())));
    for (const FixtureSample& s : f.Samples) {
        out.longInt(s.SampleID);
        out.integer(s.Flags);
        for (Integer word : s.Ano)
            out.integer(word);
        if (f.Version != 1001)
            out.integer(s.TextCountField.value_or(static_cast<Integer>(s.Texts.size())));
        for (const auto& [slot, essay] : s.Texts) {
            if (f.Version != 1001)
                out.integer(slot);
            text(essay);
        }
    }
    if (f.Tail) {
        const FixtureTail& t = *f.Tail;
        out.integer(t.NetworkItems);
        if (t.NetworkItems >= 1)
            out.plain(t.WWWDistName);
        if (t.NetworkItems >= 2)
            out.integer(t.WWWDistQno);
        if (t.NetworkItems >= 3)
            out.integer(t.WWWEssayFull ? -1 : 0);
        if (t.ExeDllFlags) {
            for (Integer flag : *t.ExeDllFlags)
                out.integer(flag);
            out.integer(0);
            if (t.ExternProcessName)
                out.plain(*t.ExternProcessName);
        }
    }
    return out.bytes();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline bool WriteDataFile(const QString& path, const DataFileFixture& fixture)
{
    return WriteBytes(path, BuildDataFile(fixture));
}

// A questionnaire using every feature of the format, in any generation:
//   Q1 single, choices 1-3, choice 3 "other" with free text;
//   Q2 three answers, choices 1-5, 4 a quantity, 5 coded (both with free
//      text), its condition: Q1 answered 1;
//   Q3 single, 127 choices (8-bit slots).
// Free-text slots: Q1 slot 0 is 0, Q2 slots 0-2 are 1-3.
// Samples in file order 5, 2, 9: ID 5 answers 3 / 2,4,5 / 127 with texts
// "自由記述" (slot 0), "12" (slot 2), "C01" (slot 3); ID 2 answers 1 / 1 / none;
// ID 9 answers nothing.
inline DataFileFixture RichDataFile(Integer version)
{
    DataFileFixture f;
    f.Version = version;
    f.Title = QStringLiteral("顧客満足度調査");
    f.Password = QStringLiteral("kz9");
    f.ProtectLevel = 1;
    f.Author = QStringLiteral("調査部");
    FixtureQuestion q1{
        QStringLiteral("Q1\r性別は\r\r"),
        {},
        1,
        0,
        {{QStringLiteral("男\r0\r0"), 0}, {QStringLiteral("女\r0\r0"), 0}, {QStringLiteral("その他\r0\r0"), 1 | 8}},
        {}};
    FixtureQuestion q2{QStringLiteral("Q2\r理由\rQ1=1\r"),
                       {{3, 1}},
                       3,
                       1,
                       {{QStringLiteral("A\r0\r0"), 0},
                        {QStringLiteral("B\r0\r0"), 0},
                        {QStringLiteral("C\r0\r0"), 32},
                        {QStringLiteral("数量\r1\r99"), 1 | 2},
                        {QStringLiteral("コード\rcodes.txt"), 1 | 16}},
                       {}};
    FixtureQuestion q3{QStringLiteral("Q3\r番号\r\r"), {}, 1, 0, {}, {}};
    for (int c = 1; c < 128; ++c)
        q3.Choices.push_back({QStringLiteral("c%1\r0\r0").arg(c), 0});
    f.Questions = {q1, q2, q3};
    f.Limits[0] = {{1, 128 + 2}, {1, 128 + 3}};  // Q2 answered 2 or 3
    f.Limits[5] = {{4, 2 * 128 + 7}};            // Q3 not 7
    f.ParagraphStarts = version == 1001 ? std::vector<Integer>{0, 1, 2, 2} : std::vector<Integer>{0, 128, 256, 256};
    f.CheckOptions = 7;

    const auto texts = [version]() -> std::vector<std::pair<Integer, QString>> {
        if (version == 1002)  // by the number of the free-text answer within its question
            return {{0, QStringLiteral("自由記述")}, {1, QStringLiteral("12")}, {2, QStringLiteral("C01")}};
        return {{0, QStringLiteral("自由記述")}, {2, QStringLiteral("12")}, {3, QStringLiteral("C01")}};
    };
    f.Samples = {{5, 0x21, PackAnswers(f.Questions, {{3}, {2, 4, 5}, {127}}), texts(), {}},
                 {2, 1, PackAnswers(f.Questions, {{1}, {1}, {}}), {}, {}},
                 {9, 0, PackAnswers(f.Questions, {}), {}, {}}};
    f.Tail = FixtureTail{3,    QStringLiteral("survey1"),     2,
                         true, std::vector<Integer>{1, 2, 1}, QStringLiteral("plugin.dll")};
    return f;
}

}  // namespace kz::test
