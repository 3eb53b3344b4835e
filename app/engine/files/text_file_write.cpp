#include "files/text_file_write.h"

#include <QSaveFile>

#include "host/ui_seam.h"
#include "runtime/cp932.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// A plain box (OK only, no icon), as the program's other write failures.
bool Report(const QString& what, const QSaveFile& file, const QString& fileName)
{
    Beep();
    MsgBox(what + file.errorString() + CrLf + fileName + CrLf + QStringLiteral("正しく書き出せませんでした。"));
    return false;
}

}  // namespace

bool WriteTextFile(const QString& fileName, const QString& text)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return Report(QStringLiteral("ファイルを作成できません。"), file, fileName);
    const QByteArray bytes = ToCp932(text);
    if (file.write(bytes) != bytes.size())
        return Report(QStringLiteral("ファイルに書き込めませんでした。"), file, fileName);
    if (!file.commit())
        return Report(QStringLiteral("ファイルを閉じられませんでした。"), file, fileName);
    return true;
}

}  // namespace kz
