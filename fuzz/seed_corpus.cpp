// Writes the fuzz targets' seed corpora into the folder given, one folder
// per target named as the target: the data files of the loader's tests,
// and for the other readers what the program's own writers make of the
// fuzz questionnaire and its samples (pages of counts and listings,
// delimited exports, replies, network forms returned with marks, settings
// files), beside the small files the readers' tests begin from.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include "files/settings_file.h"
#include "fuzz_workspace.h"
#include "host/settings.h"
#include "import_choice.h"
#include "imports/network_answers.h"
#include "imports/network_forms.h"
#include "imports/samples_csv.h"
#include "model/question_codes.h"
#include "runtime/binary_file.h"
#include "runtime/cp932.h"
#include "saved_page.h"
#include "support/data_file_builder.h"
#include "tabulation/column_plan.h"

namespace kz::fuzz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

class SeedFolder {
public:
    SeedFolder(const QDir& root, const QString& target) : folder_(root.filePath(target))
    {
        ok_ = QDir(folder_).mkpath(QStringLiteral("."));
    }
    void add(const QString& name, const QByteArray& bytes) { ok_ &= test::WriteBytes(folder_.filePath(name), bytes); }
    bool ok() const { return ok_; }

private:
    QDir folder_;
    bool ok_ = true;
};

void DataFileSeeds(SeedFolder& seeds)
{
    for (Integer version : {Integer(1001), Integer(1002), Integer(1003)}) {
        test::DataFileFixture full = test::RichDataFile(version);
        seeds.add(QStringLiteral("data%1.kz").arg(version), test::BuildDataFile(full));
        full.Samples.clear();
        full.Tail.reset();
        seeds.add(QStringLiteral("empty%1.kz").arg(version), test::BuildDataFile(full));
    }
    test::FieldWriter page;
    page.integer(0);
    page.reversed(QString::fromLatin1(test::FixtureMagic(2001)));
    page.plain(QStringLiteral("/data/base.kz"));
    seeds.add(QStringLiteral("page.kzp"), page.bytes());
}

LimitItem Row(Integer kind, Integer q, Integer c) { return LimitItem{kind, MakeQC(q, c)}; }

void PageSeeds(const Workspace& ws, SeedFolder& seeds)
{
    // Every question split three ways, under an overall condition; counts
    // and percentages ordered by count.
    PageRequest counts;
    counts.option.Title = QStringLiteral("集計結果");
    counts.option.ToQno = 5;
    counts.option.LimitCount = 3;
    counts.option.Limits[1][1] = Row(3, 0, 1);
    counts.option.Limits[2][1] = Row(3, 0, 2);
    counts.option.Limits[3][1] = Row(3, 1, 5);
    counts.option.Limits[3][2] = Row(2, 1, 9);
    counts.option.Limits[0][1] = Row(4, 5, 127);
    counts.DisplayOptions = ShowCounts | ShowPercents | OrderByCount;
    seeds.add(QStringLiteral("counts.kzp"), SavedPage(ws, counts));
    // The second answers of one question, roughly, percentages with spacers.
    PageRequest rough;
    rough.option.Qno = rough.option.ToQno = 1;
    rough.option.Rank = 2;
    rough.option.Rough = true;
    rough.DisplayOptions = ShowPercents | SpacerColumns;
    seeds.add(QStringLiteral("rough.kzp"), SavedPage(ws, rough));
    // The free texts of a choice with two referenced questions, of women.
    PageRequest listing;
    listing.option.Kind = TotalFreeTexts;
    listing.option.Qno = 1;
    listing.option.XQno = 5;
    listing.option.Limits[0][1] = Row(3, 0, 2);
    listing.RefQuestions = {2, 4};
    seeds.add(QStringLiteral("listing.kzp"), SavedPage(ws, listing));
    // The codes of a coded choice, no referenced question.
    PageRequest codes;
    codes.option.Kind = TotalFreeTexts;
    codes.option.Qno = 3;
    codes.option.XQno = 1;
    seeds.add(QStringLiteral("codes.kzp"), SavedPage(ws, codes));
}

QByteArray WithChoice(const ImportChoice& choice, const QByteArray& file)
{
    return char(ImportChoiceByte(choice)) + file;
}

void ImportSeeds(const Workspace& ws, SeedFolder& seeds)
{
    // Text input: the samples' replies, headed by ID lines and without.
    QString headed;
    QString bare;
    for (Long Dno = 0; Dno < ws.samples.Samples.size(); ++Dno) {
        const QString reply = WWWReplyText(ws.survey, StoredAnswer(Dno));
        headed += QStringLiteral("ID=%1").arg(ws.samples.Samples.id(Dno)) + CrLf + reply + CrLf + CrLf;
        bare += reply + CrLf + CrLf;
    }
    const ImportChoice textInput;
    seeds.add(QStringLiteral("headed.txt"), WithChoice(textInput, ToCp932(headed)));
    seeds.add(QStringLiteral("bare.txt"), WithChoice(textInput, ToCp932(bare)));
    seeds.add(QStringLiteral("ids.txt"), WithChoice(textInput, "ID=5\r\n12-\r\n\r\nNo*6\r\n34-\r\n\r\n1/abc/=3\r\n"));

    // Delimited: the samples exported with each separator and quote.
    QTemporaryDir folder;
    const QString exported = folder.filePath(QStringLiteral("samples.csv"));
    QVector<Long> ids;
    for (Long Dno = 0; Dno < ws.samples.Samples.size(); ++Dno)
        ids << ws.samples.Samples.id(Dno);
    const std::vector<Integer> everyQuestion(size_t(ws.survey.QuestionCount) + 1, -1);
    const CsvSettings settings[] = {{u',', QChar(), false}, {u'\t', u'"', false}, {u' ', u'\'', true}};
    for (const CsvSettings& csv : settings) {
        const ImportChoice delimited{true, csv};
        if (WriteSamplesCSV(ws, exported, ids, everyQuestion, csv).end != CsvExport::End::Written)
            continue;
        QFile file(exported);
        if (file.open(QIODevice::ReadOnly))
            seeds.add(QStringLiteral("samples%1.csv").arg(ImportChoiceByte(delimited)),
                      WithChoice(delimited, file.readAll()));
    }
    const ImportChoice comma{true, {}};
    seeds.add(QStringLiteral("short.csv"), WithChoice(comma, "7,1,2,3\r\n7,1\r\n8,1,,2,x,3,\r\nabc,1\r\n0,12,,\r\n"));
}

void NetworkSeeds(const Workspace& ws, SeedFolder& seeds)
{
    // Posted: the samples as the web form posts them.
    QString posted;
    for (Long Dno = 0; Dno < ws.samples.Samples.size(); ++Dno) {
        const WWWAnswer answer = StoredAnswer(Dno);
        posted += QStringLiteral("KZDSTNCTNNAME=") + ws.document.WWWDistName + u'&';
        qsizetype A = 0;
        for (Integer q = 0; q < ws.survey.QuestionCount; ++q) {
            for (Integer n = 0; n < answer.Counts[q]; ++n, ++A) {
                const QString choice = QStringLiteral("Q%1C%2").arg(q).arg(answer.Codes[A]);
                posted += QStringLiteral("KZANSQ%1=KZCH").arg(q) + choice + u'&';
                if (!answer.Texts[A].isEmpty())
                    posted += QStringLiteral("KZES") + choice + u'=' + answer.Texts[A] + u'&';
            }
        }
        posted += CrLf;
    }
    seeds.add(QStringLiteral("posted.txt"), ToCp932(posted));
    seeds.add(QStringLiteral("fields.txt"),
              "KZANSQ0=KZCHQ0C2&KZESQ0C3=&nofield&ABCDEFGHIJKLMNOP=x&KZESQ0C3=a=b&\r\n");

    // Mail: the e-mail form returned with every other choice marked and
    // every free text written.
    QString mail = QuestionnaireMailText(ws.survey, {ws.document.WWWDistName, false});
    static const QRegularExpression freeText(QStringLiteral("(#EQ\\d+C\\d+)\\( \\)"));
    mail.replace(freeText, QStringLiteral("\\1(記述)"));
    const QString unmarked = QStringLiteral("( )");
    bool mark = true;
    for (qsizetype at = mail.indexOf(unmarked); at >= 0; at = mail.indexOf(unmarked, at + 1), mark = !mark)
        if (mark)
            mail[at + 1] = u'*';
    seeds.add(QStringLiteral("mail.txt"), ToCp932(mail));
    seeds.add(QStringLiteral("items.txt"),
              ToCp932(QStringLiteral("KZEMAIL#KZDSTNCTNNAME(cafe1)\r\n#Q0C1( )#Q0C2( x )#EQ0C3(  )\r\n"
                                     "#EQ0C3(*) tea #Q1C1(*)\r\n\r\n#EQ4C1(*)jiro&more#Q0C1(*")));
}

QByteArray SettingsFile(const Settings& from)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteSettings(buffer, from);
    return buffer.data();
}

void SettingsSeeds(SeedFolder& seeds)
{
    Settings defaults;
    DefaultSettings(defaults);
    seeds.add(QStringLiteral("defaults.ini"), SettingsFile(defaults));
    Settings used = defaults;
    used.IDRangeLow = 7;
    used.IDRangeHigh = 70;
    for (int i = 0; i < SettingsSlotCount; ++i) {
        used.FontRecs[size_t(i)].Name = QStringLiteral("フォント%1").arg(i);
        used.FontRecs[size_t(i)].Size = 9.0f + float(i);
        used.FontRecs[size_t(i)].Bold = i % 2 == 0;
        used.WindowRecs[size_t(i)] = {100, 200, 3000, 4000};
    }
    for (int i = 0; i < RecentFileCount; ++i)
        used.MRUFiles[size_t(i)] = QStringLiteral("/data/調査%1.kz").arg(i);
    used.WWWAnswerDir = QStringLiteral("/www/answers");
    used.WWWBackupDir = QStringLiteral("/www/backup");
    used.SaveInterval = 45.0 / (24 * 60);
    seeds.add(QStringLiteral("used.ini"), SettingsFile(used));
    // The older generations: the ID range only.
    test::FieldWriter version0;
    version0.integer(0);
    version0.longInt(11);
    version0.longInt(22);
    seeds.add(QStringLiteral("version0.ini"), version0.bytes());
    test::FieldWriter older;
    older.integer(1);
    older.reversed(QStringLiteral("Kelvor Zuntab Initialize File Ver 965d"));
    older.longInt(11);
    older.longInt(22);
    seeds.add(QStringLiteral("965d.ini"), older.bytes());
}

}  // namespace

}  // namespace kz::fuzz

int main(int argc, char** argv)
{
    using namespace kz::fuzz;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const kz::Workspace& ws = FuzzWorkspace();
    SeedFolder dataFiles(root, QStringLiteral("load_data_file_fuzz"));
    DataFileSeeds(dataFiles);
    SeedFolder pages(root, QStringLiteral("page_file_fuzz"));
    PageSeeds(ws, pages);
    SeedFolder imports(root, QStringLiteral("import_records_fuzz"));
    ImportSeeds(ws, imports);
    SeedFolder network(root, QStringLiteral("network_answers_fuzz"));
    NetworkSeeds(ws, network);
    SeedFolder settingsFiles(root, QStringLiteral("settings_file_fuzz"));
    SettingsSeeds(settingsFiles);
    const bool ok = dataFiles.ok() && pages.ok() && imports.ok() && network.ok() && settingsFiles.ok();
    return ok ? 0 : 1;
}
