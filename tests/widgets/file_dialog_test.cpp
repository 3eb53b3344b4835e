#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "widgets/file_dialog.h"
#include "window_script.h"

namespace kz::widgets {
namespace {

TEST(QtFileFilterTest, PairsBecomeQtFiltersWithAllFilesAsStar)
{
    EXPECT_EQ(QtFileFilter("全てのKelvorzunﾌｧｲﾙ(*.kz*)|*.kz*|全てのファイル(*.*)|*.*|"),
              "全てのKelvorzunﾌｧｲﾙ(*.kz*) (*.kz*);;全てのファイル(*.*) (*)");
    EXPECT_EQ(QtFileFilter("集計結果(*.kzp)|*.kzp|"), "集計結果(*.kzp) (*.kzp)");
}

TEST(QtFileFilterTest, PatternListsMissingPatternsAndNoFilter)
{
    EXPECT_EQ(QtFileFilter("文書|*.txt;*.csv"), "文書 (*.txt *.csv)");
    EXPECT_EQ(QtFileFilter("説明だけ"), "");
    EXPECT_EQ(QtFileFilter("a|*.a|b"), "a (*.a)");
    EXPECT_EQ(QtFileFilter(""), "");
}

TEST(SplitDialogPathTest, FolderAndNameOfAPath)
{
    EXPECT_EQ(SplitDialogPath("/home/u/data.kz").folder, "/home/u");
    EXPECT_EQ(SplitDialogPath("/home/u/data.kz").fileName, "data.kz");
    EXPECT_EQ(SplitDialogPath("/data.kz").folder, "/");
    EXPECT_EQ(SplitDialogPath("data.kz").folder, "");
    EXPECT_EQ(SplitDialogPath("data.kz").fileName, "data.kz");
    EXPECT_EQ(SplitDialogPath("/home/u/").fileName, "");
    EXPECT_EQ(SplitDialogPath("").fileName, "");
}

class FileDialogTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QFile file(dir.filePath("data.kz"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir;
};

TEST_F(FileDialogTest, OpensInThePathsFolderWithItsNameAndReturnsTheChoice)
{
    const QString path = dir.filePath("data.kz");
    test::WindowScript script;
    script.on("CMDialog").inspect([&](QWidget& w) {
        auto& dialog = static_cast<QFileDialog&>(w);
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.selectedNameFilter(), "データ(*.kz) (*.kz)");
        ASSERT_FALSE(dialog.selectedFiles().isEmpty());
        EXPECT_EQ(QFileInfo(dialog.selectedFiles().front()).fileName(), "data.kz");
        static_cast<QDialog&>(dialog).accept();
    });
    const QString chosen = RunFileDialog(path, "データ(*.kz)|*.kz|全て(*.*)|*.*|", false);
    EXPECT_EQ(QFileInfo(chosen).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
}

TEST_F(FileDialogTest, CancelGivesEmptyAndSaveModeSaves)
{
    test::WindowScript script;
    script.on("CMDialog").inspect([](QWidget& w) {
        auto& dialog = static_cast<QFileDialog&>(w);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(QDir(dialog.directory()).absolutePath(), QDir::currentPath());
        dialog.reject();
    });
    EXPECT_EQ(RunFileDialog("", "全て|*.*|", true), "");
}

}  // namespace
}  // namespace kz::widgets
