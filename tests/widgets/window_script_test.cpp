#include <gtest/gtest-spi.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/forms.h"
#include "window_script.h"

namespace kz::test {
namespace {

// A box with a text and OK; OK hides it.
class frmTiny : public widgets::KzForm {
public:
    frmTiny() : KzForm(QStringLiteral("frmTiny"))
    {
        txt = new QLineEdit(this);
        txt->setObjectName(QStringLiteral("txt"));
        cmdOK = new QPushButton(QStringLiteral("OK"), this);
        cmdOK->setObjectName(QStringLiteral("cmdOK"));
        connect(cmdOK, &QPushButton::clicked, this, &QWidget::hide);
    }
    QLineEdit* txt;
    QPushButton* cmdOK;
};

using WindowScriptTest = WindowTest;

TEST_F(WindowScriptTest, ScriptedStepDrivesTheWindowByControlNames)
{
    WindowScript script;
    script.on("frmTiny").setText("txt", "abc").click("cmdOK");
    auto& box = widgets::Forms::instance<frmTiny>();
    box.showModal();
    EXPECT_EQ(box.txt->text(), "abc");
    EXPECT_TRUE(script.finished());
}

TEST_F(WindowScriptTest, UnexpectedModalWindowFailsAndIsClosed)
{
    auto& box = widgets::Forms::instance<frmTiny>();
    EXPECT_NONFATAL_FAILURE(
        {
            WindowScript script;
            box.showModal();
        },
        "unexpected modal window \"frmTiny\"");
    EXPECT_FALSE(box.isVisible());
}

TEST_F(WindowScriptTest, WindowStillShownAfterItsStepFailsAndIsClosed)
{
    auto& box = widgets::Forms::instance<frmTiny>();
    EXPECT_NONFATAL_FAILURE(
        {
            WindowScript script;
            script.on("frmTiny").setText("txt", "x");
            box.showModal();
        },
        "still shown after its script");
    EXPECT_FALSE(box.isVisible());
}

TEST_F(WindowScriptTest, StepForAnotherWindowFails)
{
    auto& box = widgets::Forms::instance<frmTiny>();
    EXPECT_NONFATAL_FAILURE(
        {
            WindowScript script;
            script.on("frmAsk").click("cmdOK");
            box.showModal();
        },
        "scripted: frmAsk");
}

TEST_F(WindowScriptTest, UnusedStepFailsWhenTheScriptEnds)
{
    EXPECT_NONFATAL_FAILURE(
        {
            WindowScript script;
            script.on("frmTiny").click("cmdOK");
        },
        "frmTiny never shown");
}

TEST_F(WindowScriptTest, ModalWindowWithoutAScriptFailsInsteadOfHanging)
{
    auto& box = widgets::Forms::instance<frmTiny>();
    EXPECT_NONFATAL_FAILURE(box.showModal(), "no WindowScript");
    EXPECT_FALSE(box.isVisible());
}

TEST_F(WindowScriptTest, WatchdogClosesAModalDialogThatBypassedTheModalPoint)
{
    QDialog plain;
    plain.setObjectName(QStringLiteral("plain"));
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(plain.exec(), QDialog::Rejected), "left waiting unanswered");
}

}  // namespace
}  // namespace kz::test
