#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>

#include "shell/localize_form.h"
#include "widgets/kz_form.h"

namespace kz {
namespace {

using widgets::KzForm;

template <typename T>
T* Add(KzForm& form, T* control, const QString& name)
{
    control->setParent(&form);
    control->setObjectName(name);
    return control;
}

TEST(CaptionNumberTest, OnlyAWholeNumberThatFitsAnIntegerCounts)
{
    EXPECT_EQ(CaptionNumber("1000"), 1000);
    EXPECT_EQ(CaptionNumber(" 1100 "), 1100);
    EXPECT_EQ(CaptionNumber("32767"), 32767);
    EXPECT_EQ(CaptionNumber("32768"), std::nullopt);
    EXPECT_EQ(CaptionNumber("1000abc"), std::nullopt);
    EXPECT_EQ(CaptionNumber("質問一覧"), std::nullopt);
    EXPECT_EQ(CaptionNumber("-"), std::nullopt);
    EXPECT_EQ(CaptionNumber(""), std::nullopt);
}

TEST(LocalizeFormTest, LabelsButtonsAndMenuItemsNeedTheirWholeCaptionANumber)
{
    KzForm form("frmTest");
    form.setWindowTitle("設計の見出し");
    auto* label = Add(form, new QLabel("1000"), "lblNumber");
    auto* literal = Add(form, new QLabel("質問一覧"), "lblLiteral");
    auto* empty = Add(form, new QLabel(""), "lblEmpty");
    auto* missing = Add(form, new QLabel("1234"), "lblMissing");
    auto* button = Add(form, new QPushButton("1010"), "cmdNumber");
    auto* tooBig = Add(form, new QPushButton("99999"), "cmdTooBig");
    auto* menu = Add(form, new QMenu("1100"), "mnuMenu");
    QAction* item = menu->addAction("1011");
    QAction* separator = menu->addSeparator();
    QAction* written = menu->addAction("集計結果ﾌｧｲﾙを開く&R)");

    LocalizeForm(form);
    EXPECT_EQ(form.windowTitle(), "設計の見出し");  // no tag
    EXPECT_EQ(label->text(), "ﾌｧｲﾙ&F");
    EXPECT_EQ(literal->text(), "質問一覧");
    EXPECT_EQ(empty->text(), "");
    EXPECT_EQ(missing->text(), "1234");
    EXPECT_EQ(button->text(), "新規作成(&N)");
    EXPECT_EQ(tooBig->text(), "99999");
    EXPECT_EQ(menu->title(), "ｱﾝｹｰﾄ&Q");
    EXPECT_EQ(item->text(), "開く(&O)");
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_EQ(separator->text(), "");
    EXPECT_EQ(written->text(), "集計結果ﾌｧｲﾙを開く&R)");
}

TEST(LocalizeFormTest, WindowCaptionComesFromItsTag)
{
    KzForm form("frmTest");
    form.setWindowTitle("designed");
    form.setProperty("Tag", "2000");
    LocalizeForm(form);
    EXPECT_EQ(form.windowTitle(), "ｸﾞﾗﾌ(&G)");

    KzForm partly("frmPartly");
    partly.setWindowTitle("designed");
    partly.setProperty("Tag", "2000x");  // the window's tag must be a whole number
    LocalizeForm(partly);
    EXPECT_EQ(partly.windowTitle(), "designed");
}

TEST(LocalizeFormTest, OtherControlsGoByTheLeadingNumberOfTheirTagAndToolTip)
{
    KzForm form("frmTest");
    auto* numbered = Add(form, new QCheckBox("1000"), "chkNumberCaption");
    auto* tagged = Add(form, new QCheckBox("designed"), "chkTagged");
    tagged->setProperty("Tag", "1412 and more");
    tagged->setToolTip("1510");
    auto* frame = Add(form, new QGroupBox("designed"), "fraTagged");
    frame->setProperty("Tag", "1100");
    frame->setToolTip("0");
    auto* zero = Add(form, new QCheckBox("designed"), "chkZero");
    zero->setProperty("Tag", "0");
    zero->setToolTip("tip");

    LocalizeForm(form);
    EXPECT_EQ(numbered->text(), "1000");
    EXPECT_EQ(tagged->text(), "このｱﾝｹｰﾄについて(&Q)");
    EXPECT_EQ(tagged->toolTip(), "目次(&C)");
    EXPECT_EQ(frame->title(), "ｱﾝｹｰﾄ&Q");
    EXPECT_EQ(frame->toolTip(), "0");
    EXPECT_EQ(zero->text(), "designed");
    EXPECT_EQ(zero->toolTip(), "tip");
}

TEST(LocalizeFormTest, TabsToolBarsAndColumnHeadersGoByTheirTags)
{
    KzForm form("frmTest");
    auto* tabs = Add(form, new QTabBar, "tabPages");
    tabs->addTab("designed 1");
    tabs->setTabData(0, "2012");
    tabs->setTabToolTip(0, "2013");
    tabs->addTab("designed 2");
    tabs->setTabToolTip(1, "words");
    auto* bar = Add(form, new QToolBar, "tbrTools");
    QAction* tool = bar->addAction("tool");
    tool->setToolTip("2011");
    auto* list = Add(form, new QTreeWidget, "lvwList");
    list->setColumnCount(2);
    list->headerItem()->setText(0, "designed");
    list->headerItem()->setData(0, Qt::UserRole, "2021");
    list->headerItem()->setText(1, "kept");

    LocalizeForm(form);
    EXPECT_EQ(tabs->tabText(0), "2次元 棒");
    EXPECT_EQ(tabs->tabToolTip(0), "2次元 円");
    EXPECT_EQ(tabs->tabText(1), "designed 2");
    EXPECT_EQ(tabs->tabToolTip(1), "words");
    EXPECT_EQ(tool->toolTip(), "印刷(&P)");
    EXPECT_EQ(list->headerItem()->text(0), "閉じる(&C)");
    EXPECT_EQ(list->headerItem()->text(1), "kept");
}

TEST(LocalizeFormTest, ControlsOfAnOwnedWindowAreLeftToThatWindow)
{
    KzForm form("frmTest");
    auto* owned = new KzForm("frmOwned", &form);
    auto* label = new QLabel("1000", owned);
    LocalizeForm(form);
    EXPECT_EQ(label->text(), "1000");
    LocalizeForm(*owned);
    EXPECT_EQ(label->text(), "ﾌｧｲﾙ&F");
}

}  // namespace
}  // namespace kz
