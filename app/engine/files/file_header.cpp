#include "files/file_header.h"

#include "files/counted_strings.h"
#include "host/ui_seam.h"
#include "model/document.h"

namespace kz {
namespace {

const QString CrLf = QStringLiteral("\r\n");

QString ThisFile(const QString& fileName) { return QStringLiteral("このファイル") + CrLf + fileName + CrLf; }

// Magics compare exactly: case and blanks count.
FileVersionCode MagicVersion(const QString& magic)
{
    if (magic == DataFileMagic1003)
        return DataFile1003;
    if (magic == DataFileMagic1002)
        return DataFile1002;
    if (magic == DataFileMagic1001)
        return DataFile1001;
    if (magic == PageFileMagic)
        return PageFile;
    return FileRefused;
}

FileVersionCode DataFileVersion(FileVersionCode version, const QString& fileName, Integer mode)
{
    switch (mode) {
    case OpenQuestionnaire:
        if (version == DataFile1001)
            MsgBox(ThisFile(fileName)
                       + QStringLiteral("はKelvorzun95年4,5月版の形式のファイルです。 "
                                        "保存すると95年9月版の形式のファイルになります。"),
                   vbExclamation);
        else if (version == DataFile1002)
            MsgBox(ThisFile(fileName)
                       + QStringLiteral("はKelvorzun95年6,7,8月版の形式のファイルです。 "
                                        "保存すると95年9月版の形式のファイルになります。"),
                   vbExclamation);
        return version;
    case OpenTabulationResult:
        MsgBox(ThisFile(fileName) + QStringLiteral("はアンケートファイルデータです。ここでは読み込めません。"),
               vbExclamation);
        return FileRefused;
    default:
        MsgBox(QStringLiteral("FileVersion個別処理エラー(2)"));
        return version;
    }
}

FileVersionCode PageFileVersion(const DocumentState& open, const QString& base, QString& fileName, Integer mode)
{
    const QString& current = open.CurrentFilePath;
    const QString baseLines = CrLf + base + CrLf;
    switch (mode) {
    case OpenQuestionnaire:
        if (base == current) {
            const int answer = MsgBox(ThisFile(fileName) + QStringLiteral("は集計結果データです。読み込みますか？"),
                                      vbYesNo | vbExclamation);
            return answer == vbYes ? PageFile : FileRefused;
        } else {
            const int answer =
                MsgBox(ThisFile(fileName) + QStringLiteral("は集計結果データです。基となるアンケートファイル")
                           + baseLines + QStringLiteral("を先に読み込みますか。"),
                       vbYesNoCancel | vbExclamation);
            if (answer == vbYes)
                fileName = base;
            return answer == vbYes ? PageFileBaseFirst : answer == vbNo ? PageFile : FileRefused;
        }
    case OpenTabulationResult: {
        const QString thisResult = QStringLiteral("この集計結果データ") + CrLf + fileName + CrLf;
        if (current.isEmpty() || current == UnsavablePath) {
            const int answer = MsgBox(thisResult + QStringLiteral("を読み込む前に、基となるアンケートファイル")
                                          + baseLines + QStringLiteral("を読み込みます。"),
                                      vbOKCancel | vbExclamation);
            if (answer != vbOK)
                return FileRefused;
            fileName = base;
            return PageFileBaseFirst;
        }
        if (base == current)
            return PageFile;
        const int answer = MsgBox(thisResult + QStringLiteral("は、基となるアンケートファイルが") + baseLines
                                      + QStringLiteral("です。アンケートファイルを先に読み込みますか。"),
                                  vbYesNoCancel | vbExclamation);
        if (answer == vbYes)
            fileName = base;
        return answer == vbYes ? PageFileBaseFirst : answer == vbNo ? PageFile : FileRefused;
    }
    default:
        return PageFile;
    }
}

}  // namespace

void WriteFileHeader(BinaryWriter& out, Integer version)
{
    out.seek(0);
    out.writeInteger(0);
    if (version == DataFile1003)
        PutRevStr(out, DataFileMagic1003);
    else if (version == PageFile)
        PutRevStr(out, PageFileMagic);
    else
        MsgBox(QStringLiteral("ファイルの形式が正しく書き込めませんでした"), vbExclamation);
}

FileClassification ClassifyFile(BinaryReader& in)
{
    in.readInteger();
    const FileVersionCode version = MagicVersion(GetRevStr(in));
    if (version == FileRefused || !in.ok())
        return {};
    if (version != PageFile)
        return {FileKind::DataFile, version, QString()};
    const QString base = GetStr(in);
    if (!in.ok())
        return {};  // cut inside its base path
    return {FileKind::PageFile, version, base};
}

FileVersionCode FileVersion(BinaryReader& in, const DocumentState& open, QString& fileName, Integer mode)
{
    const FileClassification file = ClassifyFile(in);
    switch (file.kind) {
    case FileKind::DataFile:
        return DataFileVersion(file.version, fileName, mode);
    case FileKind::PageFile:
        return PageFileVersion(open, file.basePath, fileName, mode);
    case FileKind::NotOurs:
        break;
    }
    MsgBox(ThisFile(fileName) + QStringLiteral("はKelvorzunで扱えません。"), vbExclamation);
    return FileRefused;
}

}  // namespace kz
