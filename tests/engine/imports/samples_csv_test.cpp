#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "imports/samples_csv.h"
#include "model/answer_store.h"
#include "runtime/cp932.h"
#include "support/listed_rows.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz::test {
namespace {

// Answers the export's questions: which part, which questions, which file.
class ExportUi : public ScriptedUi {
public:
    Integer askBox(const QString&, const QString&, const QString&, const QString&) override { return part; }
    bool qBoxSelectMany(const QString&, QList<bool>& chosen) override
    {
        chosen = questions;
        return !questions.isEmpty();
    }
    QString fileDialog(const QString&, const QString&, bool save) override { return save ? file : QString(); }

    Integer part = 1;
    QList<bool> questions;
    QString file;
};

// Q0 one answer of 3; Q1 up to three answers of 4, choice 3 with free text.
// Samples 10 (Q0 unanswered; Q1 1 and 3 "a,b"), 20 (Q0 2).
class SamplesCsvTest : public SurveyFixture {
protected:
    void SetUp() override
    {
        AddQuestion(1, 3);
        AddQuestion(3, 4, {3});
        BuildLayout();
        WriteQuestionAnswers(workspace, AddSample(10), 1, 2, {1, 3}, {QString(), QStringLiteral("a,b")});
        WriteQuestionAnswers(workspace, AddSample(20), 0, 1, {2}, {QString()});
        ui.file = folder.filePath(QStringLiteral("out.csv"));
    }
    QString Written(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? FromCp932(file.readAll()) : QStringLiteral("(none)");
    }
    CsvExport Write(const QVector<Long>& ids, std::vector<Integer> selected, const CsvSettings& csv)
    {
        return WriteSamplesCSV(workspace, ui.file, ids, selected, csv);
    }

    ExportUi ui;
    QTemporaryDir folder;
};

CsvSettings Csv(QChar separator, QChar quote, bool noEssay)
{
    CsvSettings csv;
    csv.separator = separator;
    csv.quote = quote;
    csv.noEssay = noEssay;
    return csv;
}

TEST_F(SamplesCsvTest, LinesHoldEverySlotWithZerosAndEmptyTextsPastTheAnswers)
{
    EXPECT_EQ(Write({10, 20}, {-1, -1, -1}, Csv(u',', u'\'', false)).end, CsvExport::End::Written);
    EXPECT_EQ(Written(ui.file), "10,0,'',1,'',3,'a,b',0,''\r\n20,2,'',0,'',0,'',0,''\r\n");
    // Only the second question, tab separated, no quote; a question without
    // free-text choices gets no text column when that is asked for.
    EXPECT_EQ(Write({20, 10}, {0, -1, 0}, Csv(u'\t', {}, true)).end, CsvExport::End::Written);
    EXPECT_EQ(Written(ui.file), "20\t0\t\t0\t\t0\t\r\n10\t1\t\t3\ta,b\t0\t\r\n");
}

TEST_F(SamplesCsvTest, TextsTheFormatCannotHoldAreCountedOnceAndWrittenWithBlanks)
{
    WriteQuestionAnswers(workspace, AddSample(30), 1, 1, {3}, {QStringLiteral(" x\r\ny,")});
    const CsvExport result = Write({10, 30}, {0, -1, 0}, Csv(u',', {}, true));
    EXPECT_EQ(result.changedTexts, 2);
    EXPECT_EQ(Written(ui.file), "10,1,,3,a b,0,\r\n30,3,  x y  ,0,,0,\r\n");
}

// The import reads a text back through the reply notation, which holds no
// "*/" in a text: it comes back as "* /", and is counted.
TEST_F(SamplesCsvTest, TextsTheImportReadsBackChangedAreCounted)
{
    const Long Dno = AddSample(30);
    for (const auto& [text, changed] : {std::pair{"a*/", 1}, std::pair{"*/b", 1}, std::pair{"a/*b", 0},
                                        std::pair{"*a/", 0}, std::pair{"a*", 0}, std::pair{"a\r\n*/", 1}}) {
        WriteQuestionAnswers(workspace, Dno, 1, 1, {3}, {QString::fromUtf8(text)});
        EXPECT_EQ(Write({30}, {0, -1, 0}, Csv(u',', u'"', true)).changedTexts, changed) << text;
    }
}

TEST_F(SamplesCsvTest, TheExportAsksWhatAndWhereWritesTheListedSamplesOnceAndSaysSo)
{
    ListedRows sheet({1, 0, 1});
    ui.expectBox(vbOK);
    ui.expectBox(vbOK);
    ExportSamplesCSV(workspace, sheet, Csv(u',', {}, true));
    EXPECT_EQ(Written(ui.file), "20,2,0,,0,,0,\r\n10,0,1,,3,a b,0,\r\n");
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[0].prompt, "区切り文字か改行を含む記述が1件あったので、それらを空白にして書き出しました。");
    EXPECT_EQ(ui.boxes()[1].prompt, "書き出しが終わりました");
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(SamplesCsvTest, SomeQuestionsOrNoneAndAnEmptyListing)
{
    ui.part = 2;
    ui.questions = {false, true};
    ListedRows empty({});
    ui.expectBox(vbOK);
    ExportSamplesCSV(workspace, empty, Csv(u',', u'"', true));
    EXPECT_EQ(Written(ui.file), "");
    EXPECT_EQ(ui.boxes().back().prompt, "書き出しが終わりました");
    // Cancelled at each question: nothing is written.
    QFile::remove(ui.file);
    ListedRows sheet({0});
    for (const auto& [part, questions, file] :
         {std::tuple{Integer(0), QList<bool>{}, ui.file}, std::tuple{Integer(2), QList<bool>{}, ui.file},
          std::tuple{Integer(1), QList<bool>{}, QString()}}) {
        ui.part = part;
        ui.questions = questions;
        ui.file = file;
        ExportSamplesCSV(workspace, sheet, Csv(u',', {}, true));
        EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("out.csv"))));
    }
}

TEST_F(SamplesCsvTest, AFailureIsReportedAndLeavesAnyFileOfThatNameAsItWas)
{
    ListedRows sheet({0});
    // A position the table lacks: the sheet does not answer.
    ListedRows broken({0, 5});
    QFile old(ui.file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ui.expectBox(vbOK);
    ExportSamplesCSV(workspace, broken, Csv(u',', {}, true));
    EXPECT_EQ(ui.boxes().back().prompt, "サンプル番号が範囲外です。(5)");
    EXPECT_EQ(Written(ui.file), "old");
    ui.file = folder.filePath(QStringLiteral("out.csv/in/no/folder.csv"));
    ui.expectBox(vbOK);
    ExportSamplesCSV(workspace, sheet, Csv(u',', {}, true));
    EXPECT_TRUE(ui.boxes().back().prompt.startsWith(QStringLiteral("ファイルを作成できません。")));
    EXPECT_EQ(ui.boxes().back().style, vbOKOnly);
    EXPECT_EQ(ui.beeps(), 0);
}

}  // namespace
}  // namespace kz::test
