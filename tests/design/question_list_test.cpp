#include <QClipboard>
#include <QGuiApplication>

#include "design/frm_table.h"
#include "files/questionnaire_text_file.h"
#include "main_window_fixture.h"
#include "program/program_windows.h"
#include "runtime/cp932.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "texts/question_sheet.h"

namespace kz {
namespace {

using widgets::Forms;

class QuestionListTest : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        for (const char* label : {"性別", "年齢", "交通"}) {
            const Integer q = AddQuestion(1, 3);
            SetQuestionText(q, QString::fromUtf8(label), QStringLiteral("どれですか"));
            survey.Choices(q, 1).Text = QStringLiteral("はい");
        }
        survey.QuestionLimit[2][1] = test::Row(3, 0, 1);
    }
    frmTable& Open()
    {
        windows_.showQuestionList();
        return *Forms::loaded<frmTable>();
    }
    static QString Shown(Integer q)
    {
        return QuestionSheetText(ProgramWorkspace(), q).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    ProgramWindows windows_;
};

TEST_F(QuestionListTest, TreeOfQuestionsAndTheSelectedOnesText)
{
    frmTable& list = Open();
    ASSERT_EQ(list.lstQno->count(), 3);
    EXPECT_EQ(list.lstQno->item(2)->text(), "+--Q3 交通");  // under its condition
    EXPECT_EQ(list.txtChoice->toPlainText(), Shown(0));
    list.lstQno->setCurrentRow(2);
    EXPECT_EQ(list.txtChoice->toPlainText(), Shown(2));

    list.txtChoice->selectAll();
    list.mnuListQuesCopy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Shown(2));

    list.cmdClose->click();
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(Forms::loaded<frmTable>(), &list);  // hidden, still loaded
}

TEST_F(QuestionListTest, TextsOfARangeOfQuestionsAreWrittenToAFile)
{
    frmTable& list = Open();
    const QString path = dataPath("list.txt");
    script.on("frmQBox").select("lstQno(0)", 1).click("cmdOK");
    script.on("frmQBox")
        .inspect([](QWidget& w) { EXPECT_TRUE(w.findChild<QLabel*>("lblInfo")->text().startsWith("Q2 年齢から")); })
        .select("lstQno(0)", 0)
        .click("cmdOK");
    ChooseFile(path);
    script.onMessage(vbOK);
    list.mnuOutput->trigger();
    EXPECT_EQ(script.messages()[0].text, "終了しました");
    EXPECT_EQ(Bytes(path), ToCp932(QuestionSheetText(ProgramWorkspace(), 1) + "\r\n"));  // and an empty line
    EXPECT_EQ(list.lstQno->currentRow(), 1);

    // Cancel at the first question writes nothing.
    script.on("frmQBox").click("cmdCancel");
    QFile::remove(path);
    list.mnuOutput->trigger();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(QuestionListTest, EnterConfirmsTheSelectedQuestion)
{
    frmTable& list = Open();
    const QString path = dataPath("one.txt");
    script.on("frmQBox").select("lstQno(0)", 2).typeKeys("lstQno(0)", "\r");
    script.on("frmQBox").typeKeys("lstQno(0)", "\r");
    ChooseFile(path);
    script.onMessage(vbOK);
    list.mnuOutput->trigger();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(Bytes(path), ToCp932(QuestionSheetText(ProgramWorkspace(), 2) + "\r\n"));
}

TEST_F(QuestionListTest, TheQuestionnaireIsExportedAsTextData)
{
    frmTable& list = Open();
    const QString path = dataPath("structure.txt");
    ChooseFile(path);
    script.onMessage(vbOK);
    list.mnuOutputQuestion->trigger();
    EXPECT_EQ(script.messages()[0].text, "終了しました");
    EXPECT_EQ(Bytes(path), ToCp932(QuestionnaireTextFile(ProgramWorkspace())));
}

}  // namespace
}  // namespace kz
