// Typing answers and committing them with each trigger, refused commits, and
// the external process on the reached line.
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QStyleHints>
#include <QTextCursor>

#include <functional>

#include "entry/reply_colours.h"
#include "entry_window_fixture.h"
#include "model/sample_table.h"
#include "reply/reply_rtf.h"
#include "support/text_setup.h"
#include "texts/question_texts.h"

namespace kz::test {
namespace {

const QString UnclosedText = QStringLiteral("記述回答文が//でくくれていません。");

class EntryCommit : public EntryWindowTest {
protected:
    // The window on a new, empty sample (ID 1), ready for typing.
    frmAddData& OpenOnNewSample()
    {
        frmAddData& entry = Open();
        entry.cmdNextInput->click();
        EXPECT_EQ(SampleCount(samples), 1);
        return entry;
    }
};

TEST_F(EntryCommit, EnterStoresTheAnswerRedrawsAndListsTheNextQuestion)
{
    frmAddData& entry = OpenOnNewSample();
    Type(entry, "3");
    EXPECT_TRUE(entry.chkChanged->isChecked());
    EXPECT_EQ(entry.stbInput->text(), QStringLiteral("変更あり"));
    Type(entry, "\r");
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{3});
    EXPECT_EQ(entry.txtReply->text(), QStringLiteral("3-\r\n"));
    EXPECT_EQ(entry.txtReply->selStart(), 4);
    EXPECT_FALSE(entry.chkChanged->isChecked());
    EXPECT_EQ(entry.stbInput->text(), QString());
    ASSERT_EQ(entry.lstChoices->count(), 5);
    EXPECT_EQ(entry.lstChoices->item(0)->text(), QuestionHeading(survey, 1, HeadingLabel | HeadingMax));
    EXPECT_TRUE(entry.lstChoices->item(0)->text().contains(QStringLiteral("［3つまで］")));
}

TEST_F(EntryCommit, SpaceCommitsOutsideAFreeTextAndIsTypedInsideOne)
{
    frmAddData& entry = OpenOnNewSample();
    Type(entry, "2 1 ");
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{2});
    EXPECT_EQ(Answers(0, 1), QVector<Integer>{1});
    EXPECT_FALSE(entry.txtReply->text().contains(QLatin1Char(' ')));
    // Typed at the end, the text has no closing "/" yet: its blank is typed.
    Type(entry, "4/x y/ ");
    EXPECT_EQ(Answers(0, 1), (QVector<Integer>{1, 4}));
    EXPECT_EQ(Text(0, 1, 1), QStringLiteral("x y"));
    EXPECT_FALSE(entry.chkChanged->isChecked());
}

TEST_F(EntryCommit, WithNamesShownTheNextQuestionsNameAfterTheCaretStaysOutOfTheAnswer)
{
    settings.ColourTable[ColourSlot::DisplayFlags] = ReplyShowNames;
    frmAddData& entry = OpenOnNewSample();
    EXPECT_EQ(entry.txtReply->text(), QStringLiteral("[1質問] "));
    EXPECT_EQ(entry.txtReply->selStart(), 0);
    // Q0 has a line of its own and one slot: its value is read bare.
    Type(entry, "3 ");
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{3});
    EXPECT_EQ(entry.txtReply->text(), QStringLiteral("[1質問]3-\r\n[2質問] "));
    Type(entry, "2 ");
    EXPECT_EQ(Answers(0, 1), QVector<Integer>{2});
}

TEST_F(EntryCommit, ADashTypedBeforeTheNextQuestionsNameClosesTheAnswerOnEveryTrigger)
{
    settings.ColourTable[ColourSlot::DisplayFlags] = ReplyShowNames;
    const struct {
        const char* trigger;
        std::function<void(frmAddData&)> commit;
    } triggers[] = {
        {"Space", [](frmAddData& e) { QTest::keyClick(e.txtReply, Qt::Key_Space); }},
        {"Enter", [](frmAddData& e) { QTest::keyClick(e.txtReply, Qt::Key_Return); }},
        {"Up", [](frmAddData& e) { QTest::keyClick(e.txtReply, Qt::Key_Up); }},
        {"Down", [](frmAddData& e) { QTest::keyClick(e.txtReply, Qt::Key_Down); }},
        {"leaving", [](frmAddData& e) { e.lstChoices->setFocus(Qt::MouseFocusReason); }},
    };
    frmAddData& entry = Open();
    for (const auto& t : triggers) {
        SCOPED_TRACE(t.trigger);
        entry.cmdNextInput->click();
        const Long Dno = SampleCount(samples) - 1;
        ASSERT_EQ(entry.txtReply->text(), QStringLiteral("[1質問] "));
        Type(entry, "3-");
        t.commit(entry);
        EXPECT_EQ(Answers(Dno, 0), QVector<Integer>{3});
        EXPECT_TRUE(entry.txtReply->text().startsWith(QStringLiteral("[1質問]3-\r\n[2質問] ")));
    }
    EXPECT_TRUE(script.messages().isEmpty());
}

// Whether the box draws its caret at some moment of a blink cycle: the
// box is drawn as it is and again without a caret.
bool CaretDrawn(widgets::RichTextBox& box)
{
    const int width = box.cursorWidth();
    for (int frame = 0; frame < 3; ++frame) {
        const QImage shown = box.viewport()->grab().toImage();
        box.setCursorWidth(0);
        const QImage withoutCaret = box.viewport()->grab().toImage();
        box.setCursorWidth(width);
        if (shown != withoutCaret)
            return true;
        QTest::qWait(QGuiApplication::styleHints()->cursorFlashTime() / 4);
    }
    return false;
}

TEST_F(EntryCommit, ACompletedSampleLeavesNoCaretInTheReplyWhateverKeyCommittedIt)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Up, Qt::Key_Down}) {
        SCOPED_TRACE(key);
        frmAddData& entry = OpenOnNewSample();
        Type(entry, "2\r1-\r1");
        ASSERT_TRUE(CaretDrawn(*entry.txtReply));
        QTest::keyClick(entry.txtReply, key);
        EXPECT_EQ(Answers(0, 2), QVector<Integer>{1});
        EXPECT_TRUE(entry.cmdNextInput->hasFocus());
        EXPECT_FALSE(CaretDrawn(*entry.txtReply));
        widgets::Forms::unload(entry);
        DeleteSampleRec(samples.Samples, 0);
    }
}

TEST_F(EntryCommit, TypingGoesOnAfterAQuestionThatDoesNotApply)
{
    // Q1 is asked only when Q0 is answered 1.
    survey.QuestionLimit[1] = MakeCondition(0, {Row(3, 0, 1)});
    frmAddData& entry = OpenOnNewSample();
    Type(entry, "2\r");
    EXPECT_EQ(entry.txtReply->text(), QStringLiteral("2-\r\n0-\r\n"));
    EXPECT_EQ(entry.txtReply->selStart(), entry.txtReply->text().size());
    Type(entry, "1\r");
    EXPECT_EQ(Answers(0, 2), QVector<Integer>{1});
}

TEST_F(EntryCommit, UpAndDownCommitAndAreCancelledWhenTheCommitFails)
{
    frmAddData& entry = OpenOnNewSample();
    Type(entry, "1");
    QTest::keyClick(entry.txtReply, Qt::Key_Down);
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{1});
    EXPECT_EQ(entry.txtReply->selStart(), 4);  // after "1-" CR LF: the Down key moved nothing

    Type(entry, "2/ab");
    script.onMessage(vbOK);
    QTest::keyClick(entry.txtReply, Qt::Key_Up);
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, UnclosedText);
    EXPECT_EQ(script.messages()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(entry.stbInput->text(), UnclosedText);
    EXPECT_EQ(Answers(0, 1), QVector<Integer>{0});
    // The caret stands at the error (after the "/" that opens the text), not
    // where Up would have put it.
    EXPECT_EQ(entry.txtReply->selStart(), 6);
}

TEST_F(EntryCommit, LeavingTheBoxCommitsOnlyWhatChanged)
{
    frmAddData& entry = OpenOnNewSample();
    Type(entry, "4");
    entry.cmdClose->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{4});
    EXPECT_FALSE(entry.chkChanged->isChecked());
    // Leaving again without an edit parses nothing (a message would fail).
    entry.txtReply->setFocus(Qt::TabFocusReason);
    entry.cmdClose->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{4});
}

TEST_F(EntryCommit, AParseErrorLeavesTheStoredSampleAndTheTypedTextAlone)
{
    StoredSample(1, 2);
    frmAddData& entry = Open();
    EXPECT_EQ(entry.txtReply->text(), QStringLiteral("2-\r\n0-\r\n0-\r\n"));
    entry.txtReply->selectAll();
    script.onMessage(vbOK);
    Type(entry, "[q3\r");
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, QStringLiteral("質問名が[]でくくれていません。"));
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{2});
    // The refused Enter brought no line break.
    EXPECT_EQ(entry.txtReply->text(), QStringLiteral("[q3"));
    EXPECT_EQ(entry.txtReply->selStart(), 1);

    // Corrected, the same box stores.
    entry.txtReply->selectAll();
    Type(entry, "3\r");
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{3});
    EXPECT_EQ(entry.stbInput->text(), QString());
}

TEST_F(EntryCommit, ClosingByTheFrameCommitsTypingAndStaysOpenOnAnError)
{
    StoredSample(1, 2);
    frmAddData& entry = Open();
    entry.txtReply->selectAll();
    Type(entry, "/x");
    script.onMessage(vbOK);
    entry.close();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, UnclosedText);
    ASSERT_EQ(widgets::Forms::loaded<frmAddData>(), &entry);

    entry.txtReply->selectAll();
    Type(entry, "4");
    entry.close();
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{4});
    EXPECT_EQ(widgets::Forms::loaded<frmAddData>(), nullptr);
}

TEST_F(EntryCommit, AnUnloadByTheProgramLeavesTheSamplesAsTheyAre)
{
    StoredSample(1, 2);
    frmAddData& entry = Open();
    entry.txtReply->selectAll();
    Type(entry, "4");
    // A file loaded meanwhile holds another sample at the shown position;
    // the windows are unloaded after it.
    WriteQuestionAnswers(workspace, 0, 0, 1, {3}, {QString()});
    widgets::Forms::unload(entry);
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{3});
}

TEST_F(EntryCommit, AOneSlotLineRewrittenByAFailedParseStaysRewritten)
{
    frmAddData& entry = OpenOnNewSample();
    // Q0's line holds one slot: "12" is no choice of 5, so it becomes a
    // free text, and the text on line 2 fails.
    script.onMessage(vbOK);
    Type(entry, "12");
    entry.txtReply->setText(entry.txtReply->text() + QStringLiteral("\r\n/x"));
    entry.txtReply->setSelStart(2);
    QTest::keyClick(entry.txtReply, Qt::Key_Up);
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, UnclosedText);
    EXPECT_EQ(entry.txtReply->text(), QStringLiteral("/12/\r\n/x"));
}

// The colour of the character at `position` of the reply.
QColor ColourAt(frmAddData& entry, int position)
{
    entry.txtReply->setSelStart(position);
    entry.txtReply->setSelLength(1);
    const QColor colour = entry.txtReply->selColor();
    entry.txtReply->setSelLength(0);
    return colour;
}

TEST_F(EntryCommit, TypedTextTakesTheAnswerColourAndARefusedRewriteKeepsTheColours)
{
    const QColor answer(10, 20, 30);
    const QColor mark(127, 127, 127);
    settings.FontRecs[FontSlot::Reply].ForeColor = RgbOf(answer);
    settings.ColourTable[ColourSlot::QuestionName] = RgbOf(mark);
    settings.ColourTable[ColourSlot::DisplayFlags] = ReplyShowNames;
    frmAddData& entry = OpenOnNewSample();
    // Typed before the name of the question to answer next.
    Type(entry, "3");
    EXPECT_EQ(entry.txtReply->text(), QStringLiteral("3[1質問] "));
    EXPECT_EQ(ColourAt(entry, 0), answer);
    EXPECT_EQ(ColourAt(entry, 1), mark);

    // Q0's one-slot value 33 becomes a free text, and the unclosed text on
    // the next line is refused: the rewrite stays, and so do the colours.
    entry.txtReply->setSelStart(0);
    Type(entry, "3");
    QTextCursor end = entry.txtReply->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\n/x"));
    script.onMessage(vbOK);
    QTest::keyClick(entry.txtReply, Qt::Key_Up);
    ASSERT_EQ(entry.txtReply->text(), QStringLiteral("/33/[1質問] \r\n/x"));
    EXPECT_EQ(ColourAt(entry, 1), answer);
    EXPECT_EQ(ColourAt(entry, 4), mark);
}

TEST_F(EntryCommit, ReachingAnExternalProcessLineAddsTheProcessTextAndKeepsTheReplyChanged)
{
    SetProgramFolderForTest(QCoreApplication::applicationDirPath());
    survey.ExternProcessName = QStringLiteral("kz_extern_echo");
    survey.ParagraphExeDLL[1] = -1;
    frmAddData& entry = OpenOnNewSample();
    Type(entry, "2\r");
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{2});
    // The echo tells the question reached (action 2) and the answers in it.
    EXPECT_TRUE(entry.txtReply->text().startsWith(QStringLiteral("2-\r\n0|")));
    EXPECT_TRUE(entry.txtReply->text().contains(QStringLiteral("|2|3|0|")));
    EXPECT_TRUE(entry.chkChanged->isChecked());
    EXPECT_EQ(entry.stbInput->text(), "変更あり");
}

TEST_F(EntryCommit, AFailedExternalProcessIsToldAndNeverTyped)
{
    SetProgramFolderForTest(QCoreApplication::applicationDirPath());
    survey.ExternProcessName = QStringLiteral("kz_no_such_plugin");
    survey.ParagraphExeDLL[1] = -1;
    frmAddData& entry = OpenOnNewSample();
    script.onMessage(vbOK);
    Type(entry, "2\r");
    ASSERT_EQ(script.messages().size(), 1);
    const ShownMessage failure = script.messages()[0];
    EXPECT_EQ(failure.icon, QMessageBox::Warning);
    EXPECT_FALSE(failure.text.isEmpty());
    EXPECT_EQ(Answers(0, 0), QVector<Integer>{2});
    EXPECT_EQ(entry.txtReply->text(), QStringLiteral("2-\r\n"));

    // Execute reports the same failure the same way.
    script.onMessage(vbOK);
    entry.cmdExecute->click();
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages()[1].text, failure.text);
    EXPECT_EQ(script.messages()[1].icon, QMessageBox::Warning);
}

TEST_F(EntryCommit, ExecuteWithoutAnExternalProcessSaysSoInJapanese)
{
    StoredSample(1, 2);
    frmAddData& entry = Open();
    script.onMessage(vbOK);
    entry.cmdExecute->click();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text,
              QStringLiteral("外部処理が設定されていません。DLL呼び出しエラーが起きました。"));
    EXPECT_EQ(script.messages()[0].icon, QMessageBox::Warning);
}

}  // namespace
}  // namespace kz::test
