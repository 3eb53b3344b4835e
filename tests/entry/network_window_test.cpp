#include <QDir>
#include <QFile>

#include "entry/frm_merge.h"
#include "entry_window_fixture.h"
#include "model/sample_table.h"
#include "model/workspace.h"

namespace kz::test {
namespace {

using widgets::Forms;

class NetworkWindowTest : public EntryWindowTest {
protected:
    void SetUp() override
    {
        EntryWindowTest::SetUp();
        document.WWWDistName = QStringLiteral("cafe");
        ASSERT_TRUE(QDir(folder.path()).mkpath("in") && QDir(folder.path()).mkpath("out"));
    }
    void put(const char* name, const QByteArray& bytes)
    {
        QFile file(QDir(folder.filePath("in")).filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList files(const char* dir) const { return QDir(folder.filePath(dir)).entryList(QDir::Files); }
    // Imports the answer folder "in" into "out", answering `boxes` message boxes with OK.
    void ImportAnswers(int boxes)
    {
        windows.startImport("WWWANS", "WWWｱﾝｹｰﾄ", QString());
        frmMerge& merge = *Forms::loaded<frmMerge>();
        merge.txtDir[0]->setText(folder.filePath("in"));
        merge.txtDir[1]->setText(folder.filePath("out"));
        for (int box = 0; box < boxes; ++box)
            script.onMessage(vbOK);
        merge.cmdGetWWW->click();
    }

    QTemporaryDir folder;
};

TEST_F(NetworkWindowTest, TheFormsTakeOnlyAPlainNameAndStoreTheSettings)
{
    document.WWWDistQno = 1;
    document.WWWEssayFull = true;
    auto& merge = Forms::instance<frmMerge>();
    merge.show();
    merge.lblFormat->setCaption("WWWHTML");
    EXPECT_EQ(merge.txtDistName->text(), "cafe");
    EXPECT_EQ(merge.cmbDistQno->currentIndex(), 2);
    EXPECT_TRUE(merge.chkEssayFull->isChecked());

    merge.txtDistName->setText("ca fe");
    script.onMessage(vbOK);
    merge.cmdDo->click();
    EXPECT_EQ(script.messages().back().text, "アンケート識別名は半角英字・数字のみで入力してください");

    const QString path = folder.filePath("mail.txt");
    merge.txtDistName->setText("cafe2");
    merge.optKind[1]->click();
    merge.cmbDistQno->setCurrentIndex(0);
    ChooseFileNext(path);
    script.onMessage(vbOK);
    merge.cmdDo->click();
    EXPECT_EQ(script.messages().back().text, "作成しました");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("KZEMAIL#KZDSTNCTNNAME(cafe2)\r\n"));
    EXPECT_EQ(document.WWWDistName, "cafe2");
    EXPECT_EQ(document.WWWDistQno, -1);
    EXPECT_TRUE(document.modified);
    FlushEvents();
    EXPECT_EQ(Forms::loaded<frmMerge>(), nullptr);
}

TEST_F(NetworkWindowTest, ReturnedAnswersBecomeSamplesAndTheirFilesMove)
{
    Open();
    put("a.txt", "KZDSTNCTNNAME=cafe&KZANSQ0=KZCHQ0C2&KZANSQ1=KZCHQ1C4&KZESQ1C4=tea&\r\n"
                 "KZDSTNCTNNAME=cafe&KZANSQ2=KZCHQ2C1&\r\n");
    put("b.txt", "KZEMAIL#KZDSTNCTNNAME(cafe)\r\n#Q0C3(*)\r\n");
    put("c.txt", "KZDSTNCTNNAME=other&KZANSQ0=KZCHQ0C1&");
    windows.startImport("WWWANS", "WWWｱﾝｹｰﾄ", QString());
    frmMerge& merge = *Forms::loaded<frmMerge>();
    EXPECT_EQ(merge.lblDistName->text(), "cafe");

    // The backup folder must be another folder.
    merge.txtDir[0]->setText(folder.filePath("in"));
    merge.txtDir[1]->setText(folder.filePath("in"));
    script.onMessage(vbOK);
    merge.cmdGetWWW->click();
    EXPECT_EQ(SampleCount(samples), 0);

    merge.txtDir[1]->setText(folder.filePath("out"));
    script.onMessage(vbOK);
    merge.cmdGetWWW->click();
    EXPECT_EQ(script.messages().back().text, "作業が終了しました");
    ASSERT_EQ(SampleCount(samples), 3);
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{2});
    EXPECT_EQ(Answers(0, 1), QVector<Integer>{4});
    EXPECT_EQ(Text(0, 1, 0), "tea");
    EXPECT_EQ(Answers(1, 2), QVector<Integer>{1});
    EXPECT_EQ(Answers(2, 0), QVector<Integer>{3});
    EXPECT_EQ(files("in"), QStringList{"c.txt"});
    EXPECT_EQ(files("out").size(), 2);
    EXPECT_EQ(settings.WWWBackupDir, folder.filePath("out"));
    FlushEvents();
    EXPECT_EQ(Forms::loaded<frmMerge>(), nullptr);
}

TEST_F(NetworkWindowTest, AnAnswerTheEntryWindowRefusesLeavesNoSampleAndItsFileIsNamed)
{
    Open();
    // Q1's "other" text is a quantity from 1 to 10.
    survey.Choices(1, 4).Attr |= 1 << AttrQuantity;
    survey.Choices(1, 4).Low = 1;
    survey.Choices(1, 4).High = 10;
    put("a.txt", "KZDSTNCTNNAME=cafe&KZANSQ0=KZCHQ0C1&KZESQ1C4=500&\r\n"
                 "KZDSTNCTNNAME=cafe&KZANSQ0=KZCHQ0C2&KZESQ1C4=5&\r\n");
    ImportAnswers(3);
    ASSERT_EQ(script.messages().size(), 3);
    EXPECT_EQ(script.messages()[0].text, "数量回答が範囲1～10に納まっていません。");
    EXPECT_TRUE(script.messages()[1].text.startsWith("入力画面で受け付けられなかった回答があります。"));
    EXPECT_EQ(script.messages()[2].text, "作業が終了しました");
    ASSERT_EQ(SampleCount(samples), 1);
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{2});
    EXPECT_EQ(Text(0, 1, 0), "5");
}

TEST_F(NetworkWindowTest, RunningOutOfIDsStopsTheRunAndTheEndNamesTheAnswersTheChecksCorrected)
{
    Open();
    for (Long ID : {1, 2, 3})
        StoredSample(ID, 1);
    // The first answer's text stands beside a choice that takes none.
    put("a.txt", "KZDSTNCTNNAME=cafe&KZANSQ0=KZCHQ0C2&KZESQ0C2=tea&\r\n"
                 "KZDSTNCTNNAME=cafe&KZANSQ0=KZCHQ0C1&\r\n"
                 "KZDSTNCTNNAME=cafe&KZANSQ0=KZCHQ0C3&\r\n");
    ImportAnswers(3);
    ASSERT_EQ(script.messages().size(), 3);
    EXPECT_TRUE(script.messages()[0].text.startsWith("ＩＤが尽きました。"));
    EXPECT_EQ(script.messages()[1].text, "取り込みを中止します");
    EXPECT_EQ(script.messages()[2].text, "作業が終了しました\r\n回答を修正したサンプルが1件あります(ID 4)。");
    EXPECT_EQ(TableIDs(), (std::vector<Long>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Answers(FindSamplePos(samples.Samples, 4), 0), QVector<Integer>{2});
    EXPECT_EQ(Text(FindSamplePos(samples.Samples, 4), 0, 0), "");
    EXPECT_EQ(Answers(FindSamplePos(samples.Samples, 5), 0), QVector<Integer>{1});
    // Stopped inside it, the file stays to be read again.
    EXPECT_EQ(files("in"), QStringList{"a.txt"});
    EXPECT_TRUE(files("out").isEmpty());
}

}  // namespace
}  // namespace kz::test
