#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QTest>

#include "design/frm_auto_q.h"
#include "design/frm_q_anum.h"
#include "program_fixture.h"
#include "shell/shell_ui.h"
#include "support/survey_fixture.h"
#include "widgets/command_label.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz {
namespace {

using widgets::Forms;

class AnswerDialogsTest : public test::WindowTest, public test::ProgramSurvey {
protected:
    test::ProgramStateGuard programState;
    ShellUi shellUi;
    test::WindowScript script;
};

TEST_F(AnswerDialogsTest, AnswerCountOffersEveryChoiceAndSpinsOnFromTheNumberShown)
{
    AddQuestion(1, 3);
    AddQuestion(2, 5);
    auto& box = Forms::instance<frmQAnum>();
    box.setQuestion(1, 2);
    script.on("frmQAnum")
        .inspect([](QWidget& w) {
            auto& form = static_cast<frmQAnum&>(w);
            EXPECT_EQ(form.windowTitle(), "回答可能数");
            EXPECT_EQ(form.lblQAnum->text(), "2");
            form.UpDown1->upArrow()->click();
            EXPECT_EQ(form.lblQAnum->text(), "3");
            form.UpDown1->downArrow()->click();
            form.UpDown1->downArrow()->click();
            EXPECT_EQ(form.lblQAnum->text(), "1");
            form.UpDown1->downArrow()->click();
            EXPECT_EQ(form.lblQAnum->text(), "1") << "no fewer than one";
            form.UpDown1->upArrow()->click();
            EXPECT_EQ(form.lblQAnum->text(), "2");
            form.cmdAll->click();
            EXPECT_EQ(form.lblQAnum->text(), "4");  // 5 choices, "無回答" not counted
        })
        .closeFrame();
    box.showModal();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.answerCount(), 4);  // closing applies the number shown
}

TEST_F(AnswerDialogsTest, AnswerCountOpensCentredOnTheScreen)
{
    AddQuestion(1, 3);
    auto& box = Forms::instance<frmQAnum>();
    box.setQuestion(0, 1);
    QPoint centre;
    script.on("frmQAnum").inspect([&centre](QWidget& w) { centre = w.frameGeometry().center(); }).click("cmdClose");
    box.showModal();
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 4) << centre.x() << "," << centre.y();
}

// A stand-in for the question editor's end of the command channel: each
// non-empty caption is inserted as a row before the "以上↑" row.
class BulkEntryTest : public AnswerDialogsTest {
protected:
    void SetUp() override
    {
        list_.addItems({QStringLiteral("Q1の選択肢↓"), QStringLiteral("以上↑")});
        QObject::connect(&channel_, &CommandLabel::captionChanged, &list_, [this](const QString& caption) {
            if (caption.isEmpty())
                return;
            list_.insertItem(list_.count() - 1, caption);
            if (stopAfterFirst_)
                Forms::instance<frmAutoQ>().cmdCancel->click();
        });
        Forms::instance<frmAutoQ>().setTarget(&channel_, &list_);
    }

    QStringList choices() const
    {
        QStringList texts;
        for (int row = 1; row + 1 < list_.count(); ++row)
            texts << list_.item(row)->text();
        return texts;
    }

    void feed(const QString& text)
    {
        script.on("frmAutoQ").inspect([text](QWidget& w) {
            auto& form = static_cast<frmAutoQ&>(w);
            form.txtData->setPlainText(text);
            form.cmdDo->click();
        });
    }

    QWidget host_;
    CommandLabel channel_{QStringLiteral("lblAuto"), &host_};
    QListWidget list_;
    bool stopAfterFirst_ = false;
};

TEST_F(BulkEntryTest, EachPastedLineBecomesAChoiceInOrder)
{
    const struct {
        const char* text;
        QStringList choices;
    } cases[] = {
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\r\n\r\nB", {"A", "B"}},
        {"A\r\nA", {"A", "A"}},
        {"A\nB", {"A", "B"}},  // LF-only ends, final one-character line
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.text);
        list_.clear();
        list_.addItems({QStringLiteral("Q1の選択肢↓"), QStringLiteral("以上↑")});
        feed(QString::fromUtf8(test.text));
        script.onMessage(vbOK);
        Forms::instance<frmAutoQ>().showModal();
        EXPECT_EQ(choices(), test.choices);
        EXPECT_EQ(script.messages().back().text, "終了しました");
        EXPECT_EQ(Forms::loaded<frmAutoQ>(), nullptr);
        Forms::instance<frmAutoQ>().setTarget(&channel_, &list_);
    }
}

TEST_F(BulkEntryTest, FeedingStopsWhenTheQuestionIsFull)
{
    for (int c = 1; c < 127; ++c)
        list_.insertItem(list_.count() - 1, QString::number(c));
    feed(QStringLiteral("X\nY\nZ"));
    script.onMessage(vbOK);
    Forms::instance<frmAutoQ>().showModal();
    EXPECT_EQ(list_.count(), 129);
    EXPECT_EQ(choices().last(), "X");
}

TEST_F(BulkEntryTest, StopAfterTheFirstLineKeepsTheRestAndTheWindowOpen)
{
    stopAfterFirst_ = true;
    script.on("frmAutoQ")
        .inspect([](QWidget& w) {
            auto& form = static_cast<frmAutoQ&>(w);
            form.txtData->setPlainText(QStringLiteral("A\nB\nC"));
            form.cmdDo->click();
            EXPECT_TRUE(form.isVisible());
            EXPECT_EQ(form.txtData->toPlainText(), "B\nC");
            EXPECT_TRUE(form.cmdDo->isEnabled());
            EXPECT_TRUE(form.cmdCancel->isEnabled());
        })
        .click("cmdCancel");
    Forms::instance<frmAutoQ>().showModal();
    EXPECT_EQ(choices(), QStringList{"A"});
    EXPECT_TRUE(script.messages().isEmpty());
}

}  // namespace
}  // namespace kz
