// The reply sheet's line breaks and the external process, edited in their
// window.
#include "document/menu_state.h"
#include "entry/frm_paragraph.h"
#include "entry_window_fixture.h"
#include "model/question_codes.h"

namespace kz::test {
namespace {

class LineBreaksTest : public EntryWindowTest {
protected:
    static frmParagraph& Window(QWidget& w) { return static_cast<frmParagraph&>(w); }
    // cmdInsert, cmdRemove and chkExeDLL enabled, as "110".
    static QString Buttons(QWidget& w)
    {
        const frmParagraph& p = Window(w);
        QString on;
        for (const QWidget* control : {static_cast<QWidget*>(p.cmdInsert), static_cast<QWidget*>(p.cmdRemove),
                                       static_cast<QWidget*>(p.chkExeDLL)})
            on += control->isEnabled() ? u'1' : u'0';
        return on;
    }
};

TEST_F(LineBreaksTest, BreaksFlagsAndTheProcessAreEditedInPlace)
{
    ClearModified(document);
    // Rows: line 1, Q1, line 2, Q2 slots 1-3, line 3, Q3, the end.
    script.on("frmParagraph")
        .inspect([](QWidget& w) {
            ASSERT_EQ(Window(w).lstLLocate->count(), 9);
            EXPECT_EQ(Window(w).lstLLocate->item(4)->text(), "Q2 2質問[2/3] ");
            for (const auto& [row, buttons] : {std::pair{0, "000"}, {1, "100"}, {2, "011"}, {8, "000"}}) {
                Window(w).lstLLocate->setCurrentRow(row);
                EXPECT_EQ(Buttons(w), buttons) << row;
            }
        })
        .select("lstLLocate", 4)
        .click("cmdInsert")
        .inspect([](QWidget& w) {
            EXPECT_EQ(Window(w).lstLLocate->count(), 10);
            EXPECT_EQ(Window(w).lstLLocate->currentRow(), 4);  // the new line
            EXPECT_EQ(Buttons(w), "011");
        })
        .click("chkExeDLL")
        .inspect([](QWidget& w) { EXPECT_TRUE(Window(w).lstLLocate->item(4)->text().contains("▲DLL実行")); })
        .typeKeys("txtDLL", "kz_extern_echo")
        .click("cmdClose");
    windows.showParagraph();

    EXPECT_EQ(survey.ParagraphStart[2], MakeQC(1, 1));
    EXPECT_EQ(survey.ParagraphStart[3], MakeQC(2, 0));
    EXPECT_EQ(survey.ParagraphExeDLL[2], -1);
    EXPECT_EQ(survey.ExternProcessName, "kz_extern_echo");
    EXPECT_TRUE(IsModified(document));
}

TEST_F(LineBreaksTest, TheTestCallRunsTheProcessOnlyAfterTheWarning)
{
    survey.ExternProcessName = QStringLiteral("kz_extern_echo");
    // Shown without waiting: the process runs outside any modal window.
    auto& lineBreaks = widgets::Forms::instance<frmParagraph>();
    EXPECT_EQ(lineBreaks.txtDLL->text(), "kz_extern_echo");
    script.onMessage(vbCancel);
    lineBreaks.cmdTest->click();
    script.onMessage(vbOK);
    script.onMessage(vbOK);  // the process's answer
    lineBreaks.cmdTest->click();
    ASSERT_EQ(script.messages().size(), 3);
    EXPECT_TRUE(script.messages()[0].text.startsWith("このテストはKelvorzunを強制終了させ"));
    EXPECT_TRUE(script.messages()[2].text.contains("|0|"));  // the test call's action code
}

TEST_F(LineBreaksTest, ClosingByTheFrameKeepsTheEditsToo)
{
    ClearModified(document);
    script.on("frmParagraph").select("lstLLocate", 2).click("cmdRemove").closeFrame();
    windows.showParagraph();
    EXPECT_EQ(survey.ParagraphStart[1], MakeQC(2, 0));
    EXPECT_TRUE(IsModified(document));
}

}  // namespace
}  // namespace kz::test
