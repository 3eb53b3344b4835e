#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "widgets/file_dialog.h"
#include "widgets/qt_japanese.h"
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
        EXPECT_EQ(dialog.selectedNameFilter(), "データ(*.kz)");
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

TEST_F(FileDialogTest, SpeaksJapaneseAndShowsTheFileTypesAsGiven)
{
    UseJapaneseForQt();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    QFile other(dir.filePath("other.kz"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("\x01\x02", 2);
    other.close();
    QFile text(dir.filePath("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    test::WindowScript script;
    script.on("CMDialog").inspect([&](QWidget& w) {
        auto& dialog = static_cast<QFileDialog&>(w);
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        ASSERT_EQ(types->count(), 2);
        EXPECT_EQ(types->itemText(0), "Kelvorzunデータ(*.kz)");
        EXPECT_EQ(types->itemText(1), "全て");
        QStringList buttons;
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            buttons << button->text();
        EXPECT_TRUE(buttons.contains("開く(&O)")) << buttons.join(' ').toStdString();
        EXPECT_TRUE(buttons.contains("キャンセル")) << buttons.join(' ').toStdString();

        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex folder = model->index(dir.path());
        // The folder and the two data files; the pattern still applies.
        EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(folder) == 3; }, 5000));
        const auto typeOf = [&](const char* name) { return model->index(dir.filePath(name), 2).data().toString(); };
        EXPECT_EQ(typeOf("folder"), "フォルダ");
        EXPECT_EQ(typeOf("other.kz"), "不明");
        EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "タイプ");
        dialog.reject();
    });
    RunFileDialog(dir.filePath("data.kz"), "Kelvorzunデータ(*.kz)|*.kz|全て|*.*|", false);
}

}  // namespace
}  // namespace kz::widgets
