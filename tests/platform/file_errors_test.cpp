#include <gtest/gtest.h>

#include <cerrno>

#include "runtime/file_errors.h"

namespace kz {
namespace {

TEST(FileErrorText, CommonErrorsInTheirOwnWordsOthersWithTheirNumber)
{
    const std::pair<int, const char*> cases[] = {
        {ENOSPC, "ディスクの空き容量が足りません。"},
        {EDQUOT, "ディスクの空き容量が足りません。"},
        {EROFS, "読み取り専用のディスクには書き込めません。"},
        {EACCES, "ファイルへのアクセスが許可されていません。"},
        {EPERM, "ファイルへのアクセスが許可されていません。"},
        {ENOENT, "ファイルまたはフォルダーが見つかりません。"},
        {ENOTDIR, "ファイルまたはフォルダーが見つかりません。"},
        {ENODEV, "通常のファイルではありません(装置やパイプなどは読み込めません)。"},
        {EIO, "ファイルの読み書きでエラーが発生しました。(エラー番号 5)"},
        {0, "ファイルの読み書きでエラーが発生しました。"},
    };
    for (const auto& [error, text] : cases)
        EXPECT_EQ(FileErrorText(error), QString::fromUtf8(text)) << error;
}

}  // namespace
}  // namespace kz
