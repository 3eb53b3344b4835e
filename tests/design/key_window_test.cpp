#include <QSet>

#include "design/frm_key.h"
#include "files/data_file_save.h"
#include "main_window_fixture.h"
#include "program/program_windows.h"
#include "shell/menu_look.h"

namespace kz {
namespace {

using widgets::Forms;

class KeyWindowTest : public test::MainWindowTest {
protected:
    static frmKey& Key() { return *Forms::loaded<frmKey>(); }
    // Which of the commands the lock switches are on.
    static QSet<QString> CommandsOn(const frmMain& main)
    {
        QSet<QString> on;
        for (int i = 0; i < MenuItemCount; ++i)
            if (Item(main, MenuItemName(static_cast<MenuItem>(i)).toLatin1().constData())->isEnabled())
                on.insert(MenuItemName(static_cast<MenuItem>(i)));
        return on;
    }
    ProgramWindows windows_;
};

TEST_F(KeyWindowTest, EachLevelLocksItsCommandsAndTheChangesStayUnsaved)
{
    const QSet<QString> editing = {"mnuFileSave", "mnuFileSaveAs",   "mnuInput",         "mnuOutput",
                                   "mnuSetQuota", "mnuSetParagraph", "mnuSetCollection", "mnuSetQuestion",
                                   "mnuSetLimit", "mnuMerge"};
    const QSet<QString> viewing = {"mnuStatis", "mnuQuestions", "mnuAbout"};
    const QSet<QString> all = editing + viewing + QSet<QString>{"mnuKey"};
    const std::pair<int, QSet<QString>> levels[] = {{0, {}}, {1, editing}, {2, editing + viewing}};
    frmMain& main = StartWith("a.kz");
    // A loaded questionnaire shows its lock: even at level 0 only its
    // password (here none) opens the level and the password to changes.
    EXPECT_TRUE(Key().LockF->isHidden());
    EXPECT_FALSE(Key().UnlockF->isHidden());
    for (const auto& [level, off] : levels) {
        script.on("frmKey")
            .typeKeys("Word", "\r")
            .inspect([](QWidget& w) { EXPECT_FALSE(static_cast<frmKey&>(w).LockF->isHidden()); })
            .click(QStringLiteral("LV(%1)").arg(level))
            .click("Lock")
            .inspect([](QWidget& w) {
                auto& key = static_cast<frmKey&>(w);
                EXPECT_TRUE(key.LockF->isHidden());
                EXPECT_FALSE(key.UnlockF->isHidden());
                EXPECT_TRUE(key.ChangeF->isHidden());
            })
            .click("Close");
        Item(main, "mnuKey")->trigger();
        EXPECT_EQ(document.ProtectLevel, level);
        EXPECT_EQ(CommandsOn(main), all - off) << "level " << level;
        EXPECT_TRUE(IsModified(document));  // choosing the level changed the questionnaire
    }
    script.on("frmKey").typeKeys("Word", "\r").click("Close");
    Item(main, "mnuKey")->trigger();
    EXPECT_EQ(CommandsOn(main), all);
    EXPECT_EQ(document.ProtectLevel, 2);
}

TEST_F(KeyWindowTest, LockedChangesAreOfferedAtQuitAndTheFileKeepsLevelAndPassword)
{
    frmMain& main = StartWith("a.kz");
    script.on("frmKey")
        .typeKeys("Word", "\r")
        .typeKeys("NewWord", "Kagi\r")
        .click("LV(1)")
        .click("Lock")
        .click("Close");
    script.onMessage(vbOK);  // asked to type it again
    script.on("frmOther").typeKeys("Text", "kagi\r");
    script.onMessage(vbOK);  // changed
    Item(main, "mnuKey")->trigger();
    EXPECT_EQ(script.messages()[0].text, "もう一度新しいパスワードを入力してください");
    EXPECT_EQ(script.messages()[1].text, "合っています。パスワードを変更しました。");
    EXPECT_EQ(survey.Password, "kagi");

    script.onMessage(vbCancel);
    Item(main, "mnuQuit")->trigger();
    EXPECT_EQ(script.messages()[2].text, "アンケート「通勤調査」は変更されています。保存しますか？");
    EXPECT_EQ(Forms::loaded<frmMain>(), &main);

    script.onMessage(vbYes);
    main.OpenDataFile(WriteSurvey("b.kz", "別の調査"), 1);
    main.OpenDataFile(dataPath("a.kz"), 1);
    EXPECT_EQ(survey.Password, "kagi");
    EXPECT_EQ(document.ProtectLevel, 1);
    EXPECT_FALSE(Item(main, "mnuInput")->isEnabled());
    EXPECT_FALSE(Key().UnlockF->isHidden());
}

TEST_F(KeyWindowTest, PasswordsAreCheckedAndTypedAsSmallLetters)
{
    frmMain& main = StartWith("a.kz");
    survey.Password = QStringLiteral("secret");
    document.ProtectLevel = 1;
    LockMenus(document);
    ClearModified(document);
    const QString longest(32, u'z');
    script.on("frmKey")
        .typeKeys("Word", "7guess\r")
        .inspect([](QWidget& w) { EXPECT_TRUE(static_cast<frmKey&>(w).Word->text().isEmpty()); })
        .paste("Word", "s3cret")  // refused as a whole
        .typeKeys("Word", "SECRET\r")
        .typeKeys("NewWord", "abc\r")  // mistyped again: the old one stays
        .setText("NewWord", longest + "z")
        .click("ChangeKey")
        .inspect([&](QWidget& w) { EXPECT_EQ(static_cast<frmKey&>(w).NewWord->text(), longest + "z"); })
        .setText("NewWord", longest)
        .click("ChangeKey")
        .click("Close");
    script.onMessage(vbOK);  // "7" refused
    script.onMessage(vbOK);  // wrong password
    script.onMessage(vbOK);  // type it again
    script.on("frmOther").typeKeys("Text", "abd\r");
    script.onMessage(vbOK);  // restored
    script.onMessage(vbOK);  // 33 letters refused
    script.onMessage(vbOK);  // type it again
    script.on("frmOther").typeKeys("Text", longest + "\r");
    script.onMessage(vbOK);  // changed
    Item(main, "mnuKey")->trigger();

    const QStringList expected = {"パスワードはすべて半角英６文字です",
                                  "パスワードが間違っています",
                                  "もう一度新しいパスワードを入力してください",
                                  "間違っています。パスワードを元に戻します。",
                                  "パスワードの字数が多すぎます（半角英文字32字以内でなければいけません）",
                                  "もう一度新しいパスワードを入力してください",
                                  "合っています。パスワードを変更しました。"};
    ASSERT_EQ(script.messages().size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(script.messages()[i].text, expected[i]);
    EXPECT_EQ(survey.Password, longest);
    EXPECT_TRUE(Item(main, "mnuInput")->isEnabled());  // the right one unlocked
    EXPECT_TRUE(IsModified(document));                 // by the change only
}

}  // namespace
}  // namespace kz
