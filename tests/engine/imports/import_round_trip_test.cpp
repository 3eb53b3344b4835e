// Random questionnaires and samples, exported and imported into an empty
// copy of the questionnaire, give the same samples.
#include <gtest/gtest.h>

#include <QDir>

#include <random>

#include "imports/samples_csv.h"
#include "model/answer_store.h"
#include "model/document.h"
#include "model/question_codes.h"
#include "model/sample_table.h"
#include "runtime/cp932.h"
#include "support/enter_reply.h"
#include "support/import_fixture.h"
#include "support/scripted_ui.h"

namespace kz::test {
namespace {

struct StoredSample {
    Long id = 0;
    Integer flags = 0;
    QVector<Integer> counts;
    QVector<Integer> codes;
    QVector<QString> texts;
};

class ImportRoundTrip : public ImportFixture {
protected:
    std::vector<StoredSample> Stored()
    {
        std::vector<StoredSample> stored;
        for (Long Dno = 0; Dno < SampleCount(samples); ++Dno) {
            StoredSample s;
            s.id = samples.Samples.id(Dno);
            s.flags = samples.Samples.flags(Dno);
            ReadSampleAnswers(workspace, Dno, s.counts, s.codes, s.texts);
            stored.push_back(s);
        }
        return stored;
    }

    void SetUp() override
    {
        QFile codes(folder.filePath(QStringLiteral("codes.txt")));
        ASSERT_TRUE(codes.open(QIODevice::WriteOnly));
        codes.write(ToCp932(QStringLiteral("13,東京\r\n27,大阪\r\n")));
        codes.close();
        document.CurrentFilePath = folder.filePath(QStringLiteral("survey.kz"));
    }

    unsigned Pick(unsigned n) { return random() % n; }

    void RandomQuestionnaire()
    {
        survey = Survey{};
        samples = SampleTable{};
        const int questions = 1 + int(Pick(6));
        for (int n = 0; n < questions; ++n) {
            const Integer q = AddQuestion(Integer(1 + Pick(4)), Integer(Pick(8) == 0 ? 128 : 2 + Pick(40)));
            survey.Questions[q].CodeStyle = Integer(Pick(4));
            for (Integer c = 1; c < survey.Questions[q].ChoiceCount; ++c) {
                ChoiceRec& choice = survey.Choices(q, c);
                switch (Pick(8)) {
                case 0:
                case 1:
                    choice.Attr = 1 << AttrEssay;
                    break;
                case 2:
                    choice.Attr = (1 << AttrEssay) | (1 << AttrQuantity);
                    choice.Low = -5;
                    choice.High = 100;
                    break;
                case 3:
                    choice.Attr = (1 << AttrEssay) | (1 << AttrCoded);
                    choice.CodeFile = QStringLiteral("codes.txt");
                    break;
                case 4:
                    choice.Attr = 1 << AttrExclusive;
                    break;
                default:
                    break;
                }
            }
            survey.Choices(q, 1).Attr |= Integer(Pick(2) << AttrOther);
        }
        BuildLayout();
        RandomLines();
    }

    // Reply-sheet lines that start at random slots, some inside a question.
    void RandomLines()
    {
        int k = 1;
        for (Integer q = 0; q < survey.QuestionCount; ++q) {
            for (Integer s = 0; s < survey.Questions[q].MaxAnswers; ++s) {
                if ((q > 0 || s > 0) && Pick(3) == 0)
                    survey.ParagraphStart[size_t(k++)] = MakeQC(q, s);
            }
        }
        for (size_t i = size_t(k); i < survey.ParagraphStart.size(); ++i)
            survey.ParagraphStart[i] = MakeQC(survey.QuestionCount, 0);
    }

    QString RandomText(const QString& alphabet)
    {
        QString text;
        for (int n = int(Pick(7)); n > 0; --n)
            text += alphabet[int(Pick(unsigned(alphabet.size())))];
        return text;
    }

    QString AnswerText(Integer q, Integer c, const QString& alphabet)
    {
        const ChoiceRec& choice = survey.Choices(q, c);
        if ((choice.Attr & (1 << AttrQuantity)) != 0)
            return Pick(4) == 0 ? QString() : QString::number(double(Pick(210)) / 2 - 5);
        if ((choice.Attr & (1 << AttrCoded)) != 0)
            return Pick(2) == 0 ? QStringLiteral("13:東京") : QStringLiteral("27:大阪");
        return RandomText(alphabet);
    }

    // Up to MaxAnswers different choices, an exclusive one alone, free
    // texts where the choice takes them; some questions left unanswered.
    void RandomSamples(const QString& alphabet)
    {
        std::set<Long> ids;
        while (ids.size() < 25)
            ids.insert(Long(Pick(200'000)) - 1000);
        for (Long id : ids) {
            const Long Dno = AddSample(id);
            for (Integer q = 0; q < survey.QuestionCount; ++q) {
                const Integer choices = survey.Questions[q].ChoiceCount;
                QVector<Integer> codes;
                QVector<QString> texts;
                const unsigned answers = Pick(4) == 0 ? 0 : 1 + Pick(unsigned(survey.Questions[q].MaxAnswers));
                for (unsigned n = answers; n > 0; --n) {
                    const Integer c = Integer(1 + Pick(unsigned(choices - 1)));
                    const bool exclusive = (survey.Choices(q, c).Attr & (1 << AttrExclusive)) != 0;
                    if (codes.contains(c) || (exclusive && !codes.isEmpty()))
                        continue;
                    codes << c;
                    texts << ((survey.Choices(q, c).Attr & (1 << AttrEssay)) != 0 ? AnswerText(q, c, alphabet)
                                                                                  : QString());
                    if (exclusive)
                        break;
                }
                if (codes.isEmpty()) {
                    codes << 0;
                    texts << QString();
                }
                WriteQuestionAnswers(workspace, Dno, q, Integer(codes.size()), codes, texts);
            }
        }
    }

    // Every sample exported to `name`; the file's bytes.
    QByteArray Export(const QString& name)
    {
        const QString path = folder.filePath(name);
        const std::span<const Long> stored = samples.Samples.ids();
        const QVector<Long> ids(stored.begin(), stored.end());
        const std::vector<Integer> all(size_t(survey.QuestionCount) + 1, -1);
        EXPECT_EQ(WriteSamplesCSV(workspace, path, ids, all, csv).end, CsvExport::End::Written);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // Exports every sample, empties the table and imports the file.
    void ExportAndImport()
    {
        const QString path = folder.filePath(QStringLiteral("round.csv"));
        Export(QStringLiteral("round.csv"));
        samples.Samples.clear();
        ImportLines lines;
        ASSERT_TRUE(lines.open(path, 0));
        for (ImportRecord r = Read(lines, Format::Delimited); r.kind != ImportRecord::Kind::End;
             r = Read(lines, Format::Delimited)) {
            ASSERT_EQ(r.kind, ImportRecord::Kind::Sample) << r.message.toStdString();
            const QString status = EnterReply(workspace, r.ID, r.reply);
            ASSERT_TRUE(status.isEmpty())
                << status.toStdString() << " in " << QString(r.reply).replace(u'\r', u'|').toStdString();
        }
    }

    std::mt19937 random{22};
    ScriptedUi ui;
};

// What the reply notation cannot hold in a free text: a line break becomes
// a blank and "*/" "* /".
QString AsTheNotationHoldsIt(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    if (text.contains(u'/') || text.startsWith(u'*'))
        text.replace(QStringLiteral("*/"), QStringLiteral("* /"));
    return text;
}

TEST_F(ImportRoundTrip, ExportedSamplesImportAsTheyWere)
{
    for (int round = 0; round < 12; ++round) {
        for (QChar separator : {u',', u'\t', u' '}) {
            for (QChar quote : {QChar(), QChar(u'"'), QChar(u'\'')}) {
                for (bool noEssay : {false, true}) {
                    csv.separator = separator;
                    csv.quote = quote;
                    csv.noEssay = noEssay;
                    // Without a quote, separators and line breaks cannot stand in a text.
                    QString alphabet = QStringLiteral(" ,\t'\"/*aZｱ漢\r\n");
                    if (quote.isNull())
                        alphabet.remove(separator).remove(u'\r').remove(u'\n');
                    RandomQuestionnaire();
                    RandomSamples(alphabet);
                    std::vector<StoredSample> expected = Stored();
                    for (StoredSample& s : expected) {
                        for (QString& text : s.texts)
                            text = AsTheNotationHoldsIt(text);
                    }
                    ExportAndImport();
                    if (HasFatalFailure())
                        return;
                    const std::vector<StoredSample> imported = Stored();
                    ASSERT_EQ(imported.size(), expected.size());
                    for (size_t i = 0; i < expected.size(); ++i) {
                        EXPECT_EQ(imported[i].id, expected[i].id);
                        EXPECT_EQ(imported[i].flags, expected[i].flags);
                        EXPECT_EQ(imported[i].counts, expected[i].counts) << "sample " << expected[i].id;
                        EXPECT_EQ(imported[i].codes, expected[i].codes) << "sample " << expected[i].id;
                        EXPECT_EQ(imported[i].texts, expected[i].texts) << "sample " << expected[i].id;
                    }
                    // What was read back goes round again byte for byte.
                    const QByteArray exported = Export(QStringLiteral("once.csv"));
                    ExportAndImport();
                    if (HasFatalFailure())
                        return;
                    EXPECT_EQ(Export(QStringLiteral("twice.csv")), exported);
                }
            }
        }
    }
}

}  // namespace
}  // namespace kz::test
