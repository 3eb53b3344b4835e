#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QMessageBox>
#include <QSet>
#include <QTextBlock>
#include <QTimer>

#include "entry/frm_merge.h"
#include "entry/frm_preview.h"
#include "entry_window_fixture.h"
#include "host/long_job.h"
#include "host/settings.h"
#include "model/sample_table.h"
#include "runtime/cp932.h"
#include "support/huge_file.h"
#include "support/listed_rows.h"

namespace kz::test {
namespace {

using widgets::Forms;

class MergeWindowTest : public EntryWindowTest {
protected:
    QString WriteFile(const QString& name, const QString& text)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ToCp932(text));
        return path;
    }
    frmMerge& StartImport(const QString& format, const QString& label, const QString& path)
    {
        windows.startImport(format, label, path);
        auto* merge = Forms::loaded<frmMerge>();
        EXPECT_NE(merge, nullptr);
        return *merge;
    }
    // 進む, 一つ戻って進む and 閉じる on, 中止 off.
    const QList<bool> Idle = {true, true, false, true};
    static QList<bool> Enabled(const frmMerge& merge)
    {
        return {merge.cmdGo->isEnabled(), merge.cmdBack->isEnabled(), merge.cmdStop->isEnabled(),
                merge.cmdClose->isEnabled()};
    }
    // The user replaces the reply in the entry window by typing `keys`
    // ("\r" is Enter, which commits).
    static void Retype(frmAddData& entry, const QString& keys)
    {
        entry.txtReply->setFocus();
        QTest::keyClick(entry.txtReply, Qt::Key_A, Qt::ControlModifier);
        Type(entry, keys);
    }
    // The colours the reply box's text is drawn in.
    static QSet<QRgb> TextColours(const frmAddData& entry)
    {
        QSet<QRgb> colours;
        for (QTextBlock block = entry.txtReply->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it)
                colours << it.fragment().charFormat().foreground().color().rgb();
        }
        return colours;
    }

    QTemporaryDir folder;
};

TEST_F(MergeWindowTest, TheFormatChoosesTheCaptionAndWhatTheWindowShows)
{
    settings.WWWAnswerDir = QStringLiteral("/answers");
    auto& merge = Forms::instance<frmMerge>();
    merge.show();
    const struct {
        const char* format;
        const char* caption;
        int frame;
    } cases[] = {{"OUTPUT", "CSV書き出し", 2},
                 {"CSV", "取り込み", 2},
                 {"WWWHTML", "ﾈｯﾄﾜｰｸｱﾝｹｰﾄ作成", 0},
                 {"WWWANS", "取り込み", 1},
                 {"TXT", "取り込み", -1}};
    for (const auto& c : cases) {
        merge.lblFormat->setCaption(QString::fromUtf8(c.format));
        EXPECT_EQ(merge.windowTitle(), QString::fromUtf8(c.caption));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(merge.frameMake[size_t(i)]->isVisible(), i == c.frame) << c.format << " frame " << i;
        EXPECT_EQ(merge.importPanel->isVisible(), c.frame < 0) << c.format;
    }
    EXPECT_EQ(merge.cmbDistQno->count(), survey.QuestionCount + 1);
    EXPECT_EQ(merge.txtDir[0]->text(), settings.WWWAnswerDir);
    EXPECT_EQ(merge.cmbDistQno->itemText(0), "(識別しない)");
    // The settings frame covers the panel until its settings are taken.
    merge.lblFormat->setCaption("CSV");
    merge.optTab->click();
    merge.optSingle->click();
    merge.chkNoEssay->click();
    merge.cmdConfig->click();
    EXPECT_FALSE(merge.frameMake[2]->isVisible());
    EXPECT_TRUE(merge.importPanel->isVisible());
    const CsvSettings csv = merge.csvSettings();
    EXPECT_EQ(csv.separator, u'\t');
    EXPECT_EQ(csv.quote, u'\'');
    EXPECT_TRUE(csv.noEssay);
    // A label's access key needs the box it names, or the "&" shows as it stands.
    for (const QLabel* label : merge.findChildren<QLabel*>()) {
        if (label->text().contains(u'&')) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
}

TEST_F(MergeWindowTest, TheImportWindowStaysInFrontOfTheEntryWindowItOpens)
{
    for (const char* format : {"TXT", "CSV", "WWWANS"}) {
        frmMerge& merge = StartImport(format, "", WriteFile("input.csv", "1,1\r\n"));
        EXPECT_TRUE(Forms::loaded<frmAddData>()->isVisible() && QTest::qWaitForWindowActive(&merge)) << format;
        Forms::unload(*Forms::loaded<frmAddData>());
        Forms::unload(merge);
        FlushEvents();
    }
}

TEST_F(MergeWindowTest, ARefusedRecordWaitsForItsCorrectionAndIsReadAgainWithoutTrippingOverItself)
{
    Open();
    const QString path = WriteFile("input.txt", "ID=1\r\n1\r\n23\r\n1\r\n\r\nID=2\r\n9/\r\n\r\n3\r\n/x/\r\n2\r\n");
    frmMerge& merge = StartImport("TXT", "Kelvorzun入力形式", path);
    EXPECT_EQ(merge.lblFileLen->text(), QString::number(QFileInfo(path).size()));
    auto& entry = *Forms::loaded<frmAddData>();
    const QString unclosed = QStringLiteral("記述回答文が//でくくれていません。");

    script.onMessage(vbOK);  // the entry window refuses record 2
    merge.cmdGo->click();
    EXPECT_EQ(entry.stbInput->text(), unclosed);
    EXPECT_EQ(Enabled(merge), (QList<bool>{false, false, true, false}));
    EXPECT_EQ(merge.lblInportNum->text(), "1");
    EXPECT_GE(FindSamplePos(samples.Samples, 2), 0);

    // Stopped with the record left empty: it goes.
    merge.cmdStop->click();
    EXPECT_EQ(FindSamplePos(samples.Samples, 2), -1);
    EXPECT_EQ(Enabled(merge), (QList<bool>{true, true, false, true}));

    // Read again: refused for what it says, not for its ID, and shown whole,
    // as typed, for the user to correct.
    script.onMessage(vbOK);
    merge.cmdBack->click();
    EXPECT_EQ(entry.stbInput->text(), unclosed);
    EXPECT_EQ(entry.txtReply->text(), "9/\r\n\r\n\r\n");
    EXPECT_EQ(TextColours(entry).size(), 1);
    Retype(entry, "2\r1\r1\r");
    EXPECT_TRUE(entry.stbInput->text().isEmpty());
    // Corrected, it stays and counts.
    merge.cmdStop->click();
    EXPECT_EQ(Answers(FindSamplePos(samples.Samples, 2), 0), QVector<Integer>{2});
    EXPECT_EQ(merge.lblInportNum->text(), "2");

    script.onMessage(vbOK);      // "終了しました"
    script.onMessage(vbCancel);  // "取り込みを終了ます": stay
    merge.cmdGo->click();
    ASSERT_EQ(script.messages().size(), 4);
    EXPECT_EQ(script.messages()[2].text, "終了しました");
    EXPECT_EQ(script.messages()[2].icon, QMessageBox::Information);
    EXPECT_EQ(script.messages()[3].text, "取り込みを終了ます");
    EXPECT_EQ(script.messages()[3].icon, QMessageBox::Warning);
    EXPECT_EQ(Enabled(merge), (QList<bool>{false, false, false, false}));
    EXPECT_EQ(merge.lblInportNum->text(), "3");
    EXPECT_EQ(merge.lblSeek->text(), QString::number(QFileInfo(path).size()));
    const Long first = FindSamplePos(samples.Samples, 1);
    EXPECT_EQ(Answers(first, 1), (QVector<Integer>{2, 3}));
    EXPECT_EQ(Answers(first, 2), QVector<Integer>{1});
    // The record without an ID line took the next free one.
    const Long third = FindSamplePos(samples.Samples, 3);
    ASSERT_GE(third, 0);
    EXPECT_EQ(Answers(third, 1), QVector<Integer>{4});
    EXPECT_EQ(Text(third, 1, 0), "x");
}

TEST_F(MergeWindowTest, StopEndsTheRunAfterTheRecordInHandAndLeavesTheOtherButtonsToTheUser)
{
    Open();
    const QString first = QStringLiteral("ID=1\r\n1\r\n\r\n");
    const QString path = WriteFile("input.txt", first + "ID=2\r\n2\r\n\r\nID=3\r\n3\r\n");
    frmMerge& merge = StartImport("TXT", "Kelvorzun入力形式", path);
    EXPECT_EQ(merge.lblSeek->text(), "0");
    // Stop is pressed while the first record's turn lets events in.
    const LongJobPacing everyStep(0);
    QTimer::singleShot(0, merge.cmdStop, &QPushButton::click);
    merge.cmdGo->click();
    EXPECT_EQ(Enabled(merge), (QList<bool>{true, true, false, true}));
    EXPECT_EQ(merge.lblInportNum->text(), "1");
    EXPECT_EQ(merge.lblSeek->text(), QString::number(first.size()));
    EXPECT_GE(FindSamplePos(samples.Samples, 1), 0);
    EXPECT_EQ(FindSamplePos(samples.Samples, 2), -1);
}

TEST_F(MergeWindowTest, ClosingTheWindowDropsARefusedRecordLeftEmptyAndKeepsACorrectedOne)
{
    auto& entry = Open();
    const QString path = WriteFile("input.txt", "ID=1\r\n9/\r\n\r\nID=2\r\n1\r\n");
    for (const bool corrected : {false, true}) {
        SCOPED_TRACE(corrected ? "corrected" : "left empty");
        frmMerge& merge = StartImport("TXT", "Kelvorzun入力形式", path);
        script.onMessage(vbOK);  // the entry window refuses the record
        merge.cmdGo->click();
        ASSERT_GE(FindSamplePos(samples.Samples, 1), 0);
        // The refused reply is there to be corrected, laid out.
        EXPECT_TRUE(entry.txtReply->text().startsWith("9/"));
        EXPECT_FALSE(entry.txtReply->document()->documentLayout()->documentSize().isEmpty());
        // Typed but not committed, the correction still counts.
        if (corrected)
            Retype(entry, "2");
        merge.close();
        FlushEvents();
        EXPECT_EQ(Forms::loaded<frmMerge>(), nullptr);
        EXPECT_EQ(FindSamplePos(samples.Samples, 1) >= 0, corrected);
        EXPECT_EQ(FindSamplePos(samples.Samples, 2), -1);
    }
    EXPECT_EQ(Answers(FindSamplePos(samples.Samples, 1), 0), QVector<Integer>{2});
}

TEST_F(MergeWindowTest, StoredRecordsAreShownAtThePaceTheRunLetsEventsIn)
{
    auto& entry = Open();
    QString records;
    for (int ID = 1; ID <= 5; ++ID)
        records += QStringLiteral("ID=%1\r\n%2\r\n\r\n").arg(ID).arg(ID % 4 + 1);
    const QString path = WriteFile("input.txt", records);
    QStringList shownIDs;
    QObject::connect(entry.txtIDno, &QLineEdit::textChanged, [&shownIDs](const QString& ID) { shownIDs << ID; });
    for (const qint64 intervalMs : {qint64{1'000'000}, qint64{0}}) {
        SCOPED_TRACE(intervalMs);
        samples.Samples.clear();
        frmMerge& merge = StartImport("TXT", "Kelvorzun入力形式", path);
        const LongJobPacing pacing(intervalMs);
        shownIDs.clear();
        script.onMessage(vbOK);      // "終了しました"
        script.onMessage(vbCancel);  // "取り込みを終了ます": stay
        merge.cmdGo->click();
        // Events come in between records at the job's pace, at each one or
        // not at all during so short a run, and at the closing message:
        // the record stored last is shown by then.
        if (intervalMs == 0)
            EXPECT_EQ(shownIDs, (QStringList{"1", "2", "3", "4", "5"}));
        else
            EXPECT_EQ(shownIDs, QStringList{"5"});
        EXPECT_TRUE(entry.txtReply->text().startsWith("2-")) << entry.txtReply->text().toStdString();
        EXPECT_EQ(SampleCount(samples), 5);
        Forms::unload(merge);
        FlushEvents();
    }
}

TEST_F(MergeWindowTest, TheClosingMessageCountsTheRecordsTheChecksCorrected)
{
    Open();
    // Q0 has no choice 9, and Q1 no choice 7.
    const QString path = WriteFile("input.txt", "ID=1\r\n9\r\n1\r\n1\r\n\r\nID=2\r\n1\r\n\r\nID=3\r\n2\r\n7\r\n");
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "findings shown" : "findings silent");
        samples.Samples.clear();
        frmMerge& merge = StartImport("TXT", "Kelvorzun入力形式", path);
        merge.chkNoMessage->setChecked(shown);
        if (shown) {
            script.onMessage(vbOK);
            script.onMessage(vbOK);
        }
        script.onMessage(vbOK);  // "終了しました"
        script.onMessage(vbOK);  // "取り込みを終了ます"
        merge.cmdGo->click();
        FlushEvents();
        ASSERT_GE(script.messages().size(), 2);
        EXPECT_EQ(script.messages()[script.messages().size() - 2].text,
                  "終了しました\r\n回答を修正したサンプルが2件あります(ID 1, 3)。");
        EXPECT_EQ(Answers(FindSamplePos(samples.Samples, 1), 0), QVector<Integer>{0});
        EXPECT_EQ(Answers(FindSamplePos(samples.Samples, 3), 1), QVector<Integer>{0});
    }
    EXPECT_EQ(script.messages().size(), 6);
}

TEST_F(MergeWindowTest, EveryKindOfLineEndImportsLikeCrLf)
{
    auto& entry = Open();
    // Records of samples %1 and %2, lines ended by "|".
    const struct {
        const char* format;
        const char* label;
        const char* records;
    } files[] = {{"TXT", "Kelvorzun入力形式", "ID=%1|1|23|1||ID=%2|3|/x/|2|"},
                 {"CSV", "区切り形式", "%1,1,2,,3,,0,,1|%2,3,4,x,0,,0,,2|"}};
    Long ID = 0;
    for (const auto& file : files) {
        for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
            SCOPED_TRACE(std::string(file.format) + (lineEnd[0] == '\n' ? " LF" : lineEnd[1] ? " CR LF" : " CR"));
            const Long first = ++ID;
            const Long second = ++ID;
            const QString records =
                QString::fromUtf8(file.records).arg(first).arg(second).replace(u'|', QString::fromLatin1(lineEnd));
            frmMerge& merge = StartImport(file.format, file.label, WriteFile("records", records));
            if (merge.frameMake[2]->isVisible()) {
                merge.chkNoEssay->click();
                merge.cmdConfig->click();
            }
            script.onMessage(vbOK);  // "終了しました"
            script.onMessage(vbOK);  // "取り込みを終了ます"
            merge.cmdGo->click();
            FlushEvents();
            EXPECT_EQ(Forms::loaded<frmMerge>(), nullptr);
            const Long Dno = FindSamplePos(samples.Samples, first);
            ASSERT_GE(Dno, 0);
            EXPECT_EQ(Answers(Dno, 1), (QVector<Integer>{2, 3}));
            EXPECT_EQ(Answers(Dno, 2), QVector<Integer>{1});
            const Long next = FindSamplePos(samples.Samples, second);
            ASSERT_GE(next, 0);
            EXPECT_EQ(Answers(next, 0), QVector<Integer>{3});
            EXPECT_EQ(Text(next, 1, 0), "x");
            // The last record stays shown, laid out.
            EXPECT_FALSE(entry.txtReply->document()->documentLayout()->documentSize().isEmpty());
        }
    }
}

TEST_F(MergeWindowTest, ADelimitedFileIsPreviewedAndImportedWithTheChosenSettings)
{
    Open();
    const QString path = WriteFile("answers.csv", "1\t3\t4\t\"他\"\t0\t\"\"\t0\t\"\"\t2\r\n"
                                                  "2\t1\t1\t\"\"\t2\t\"\"\t0\t\"\"\t1\r\n");
    frmMerge& merge = StartImport("CSV", "区切り形式", path);
    auto* preview = Forms::loaded<frmPreview>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->txtPreview->toPlainText().startsWith("1\t3\t4\t\"他\""));
    EXPECT_TRUE(merge.frameMake[2]->isVisible());
    merge.optTab->click();
    merge.optDouble->click();
    merge.chkNoEssay->click();
    merge.cmdConfig->click();
    script.onMessage(vbOK);  // "終了しました"
    script.onMessage(vbOK);  // "取り込みを終了ます"
    merge.cmdGo->click();
    EXPECT_EQ(preview->windowTitle(), "現在読み込んでいる行");
    EXPECT_EQ(preview->txtPreview->toPlainText(), "2\t1\t1\t\"\"\t2\t\"\"\t0\t\"\"\t1");
    FlushEvents();
    EXPECT_EQ(Forms::loaded<frmMerge>(), nullptr);
    EXPECT_EQ(Forms::loaded<frmPreview>(), nullptr);
    EXPECT_EQ(Answers(FindSamplePos(samples.Samples, 1), 1), QVector<Integer>{4});
    EXPECT_EQ(Text(FindSamplePos(samples.Samples, 1), 1, 0), "他");
    EXPECT_EQ(Answers(FindSamplePos(samples.Samples, 2), 1), (QVector<Integer>{1, 2}));
    EXPECT_EQ(Answers(FindSamplePos(samples.Samples, 2), 2), QVector<Integer>{1});
}

TEST_F(MergeWindowTest, ThePreviewShowsTheFirstTenThousandBytes)
{
    StartImport("CSV", "区切り形式", WriteFile("long.csv", QString(12'000, u'7')));
    auto* preview = Forms::loaded<frmPreview>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), "ファイルの中身");
    EXPECT_EQ(preview->txtPreview->toPlainText(), QString(10'000, u'7'));
}

TEST_F(MergeWindowTest, AFileInAnotherEncodingIsRefusedBeforeAnythingIsStored)
{
    Open();
    const struct {
        const char* format;
        const char* label;
        QByteArray bytes;
        const char* encoding;
    } files[] = {
        {"TXT", "Kelvorzun入力形式", QStringLiteral("ID=1\r\n1\r\n4/他の店/\r\n1\r\n").toUtf8(), "UTF-8"},
        {"CSV", "区切り形式",
         "\xEF\xBB\xBF"
         "1,1,2,,3,,0,,1\r\n",
         "UTF-8(BOM付き)"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.format);
        const QString path = folder.filePath("foreign");
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.bytes);
        out.close();
        frmMerge& merge = StartImport(file.format, file.label, path);
        if (merge.frameMake[2]->isVisible()) {
            merge.chkNoEssay->click();
            merge.cmdConfig->click();
        }
        script.onMessage(vbOK);
        merge.cmdGo->click();
        EXPECT_TRUE(script.messages().back().text.startsWith(QStringLiteral("このファイルは")
                                                             + QString::fromUtf8(file.encoding)
                                                             + QStringLiteral("で書かれているようです。")))
            << script.messages().back().text.toStdString();
        EXPECT_EQ(script.messages().back().icon, QMessageBox::Warning);
        EXPECT_EQ(SampleCount(samples), 0);
        EXPECT_EQ(Enabled(merge), Idle);
    }
}

TEST_F(MergeWindowTest, ADeviceIsNoFileToImport)
{
    Open();
    const QString notRegular = QStringLiteral("通常のファイルではありません(装置やパイプなどは読み込めません)。");
    script.onMessage(vbOK);  // the preview's
    frmMerge& merge = StartImport("CSV", "区切り形式", "/dev/zero");
    merge.cmdConfig->click();
    script.onMessage(vbOK);
    merge.cmdGo->click();
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages()[0].text, notRegular);
    EXPECT_TRUE(script.messages()[1].text.startsWith(notRegular)) << script.messages()[1].text.toStdString();
    EXPECT_EQ(SampleCount(samples), 0);
    EXPECT_EQ(Enabled(merge), Idle);
}

TEST_F(MergeWindowTest, StopEndsTheEncodingCheckOfALargeFile)
{
    const QString path = folder.filePath("huge.txt");
    MakeHugeFile(path);
    frmMerge& merge = StartImport("TXT", "Kelvorzun入力形式", path);
    LongJobPacing everyStep(0);
    const qint64 before = BytesReadByThisProcess();
    QTimer::singleShot(0, merge.cmdStop, &QPushButton::click);
    merge.cmdGo->click();
    EXPECT_LT(BytesReadByThisProcess() - before, 64 << 20);
    EXPECT_EQ(script.messages().size(), 0);
    EXPECT_EQ(Enabled(merge), Idle);
}

TEST_F(MergeWindowTest, AnswerCheckMessagesWaitForTheReportOptionWhileTheWindowIsShown)
{
    EXPECT_TRUE(windows.answerReportsWanted());
    auto& merge = Forms::instance<frmMerge>();
    EXPECT_TRUE(windows.answerReportsWanted());
    merge.show();
    EXPECT_FALSE(windows.answerReportsWanted());
    EXPECT_TRUE(windows.importWindowOpen());
    merge.chkNoMessage->setChecked(true);
    EXPECT_TRUE(windows.answerReportsWanted());
}

// A listing sheet's window.
class Sheet : public QObject, public ListedRows {
public:
    using ListedRows::ListedRows;
};

TEST_F(MergeWindowTest, TheExportWritesTheSheetsSamplesAndDoesNothingOnceTheSheetIsGone)
{
    StoredSample(1, 2);
    StoredSample(3, 4);
    Sheet sheet({1, 0});
    windows.exportListedSamples(&sheet);
    frmMerge* merge = Forms::loaded<frmMerge>();
    ASSERT_NE(merge, nullptr);
    EXPECT_EQ(merge->windowTitle(), "CSV書き出し");
    const QString path = folder.filePath("out.csv");
    script.on("frmAsk").click("cmdFunc1");
    ChooseFileNext(path);
    script.onMessage(vbOK);
    merge->chkNoEssay->click();
    merge->cmdConfig->click();
    EXPECT_EQ(script.messages().back().text, "書き出しが終わりました");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "3,4,0,,0,,0,,0\r\n1,2,0,,0,,0,,0\r\n");
    FlushEvents();
    EXPECT_EQ(Forms::loaded<frmMerge>(), nullptr);

    auto gone = std::make_unique<Sheet>(QVector<Long>{0});
    windows.exportListedSamples(gone.get());
    gone.reset();
    Forms::loaded<frmMerge>()->cmdConfig->click();
    EXPECT_EQ(script.messages().size(), 1);
}

}  // namespace
}  // namespace kz::test
