#include <gtest/gtest.h>

#include <QBuffer>

#include <utility>

#include "files/file_header.h"
#include "model/document.h"
#include "support/data_file_builder.h"
#include "support/scripted_ui.h"

namespace kz {
namespace {

const QString Name = QStringLiteral("/data/page.kzp");
const QString Base = QStringLiteral("/data/base.kz");

QByteArray Header(const QString& magic, int leading = 0, const QString* basePath = nullptr)
{
    test::FieldWriter out;
    out.integer(leading);
    out.reversed(magic);
    if (basePath)
        out.plain(*basePath);
    return out.bytes();
}

QByteArray PageHeader(const QString& base) { return Header(PageFileMagic, 0, &base); }

struct VersionResult {
    Integer version;
    QString fileName;
};

class FileHeaderTest : public ::testing::Test {
protected:
    VersionResult Classify(QByteArray bytes, Integer mode)
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        BinaryReader in(buffer);
        QString fileName = Name;
        const Integer version = FileVersion(in, document, fileName, mode);
        return {version, fileName};
    }

    void SetUp() override { document.CurrentFilePath = Base; }
    QString LastBox() const { return ui_.boxes().empty() ? QString() : ui_.boxes().back().prompt; }
    DocumentState document;
    test::ScriptedUi ui_;
};

TEST_F(FileHeaderTest, WriterPutsIntegerZeroAndMagicAtTheStartOfTheFile)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    BinaryWriter out(buffer);
    out.writeLong(-1);  // the position is not where the header goes
    WriteFileHeader(out, DataFile1003);
    EXPECT_EQ(bytes, Header(DataFileMagic1003));

    bytes.clear();
    buffer.seek(0);
    WriteFileHeader(out, PageFile);
    EXPECT_EQ(bytes, Header(PageFileMagic));
}

TEST_F(FileHeaderTest, WriterOfAnUnknownVersionWritesOnlyTheIntegerAndSaysSo)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter out(buffer);
    ui_.expectBox(vbOK);
    WriteFileHeader(out, DataFile1002);
    EXPECT_EQ(bytes, QByteArray(2, '\0'));
    EXPECT_EQ(LastBox(), QStringLiteral("ファイルの形式が正しく書き込めませんでした"));
    EXPECT_EQ(ui_.boxes().back().style, vbExclamation);
}

struct ClassifyCase {
    const char* what;
    QByteArray bytes;
    FileKind kind;
    FileVersionCode version;
    QString basePath;
};

FileClassification ClassifyBytes(QByteArray bytes, Integer* nextField = nullptr)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(buffer);
    const FileClassification file = ClassifyFile(in);
    if (nextField)
        *nextField = in.readInteger();
    return file;
}

TEST_F(FileHeaderTest, ClassifiesOurFilesWithoutAskingAndStopsAfterTheHeader)
{
    const QString japaneseBase = QStringLiteral("C:/調査/基本データ.kz");
    const ClassifyCase cases[] = {
        {"1003", Header(DataFileMagic1003), FileKind::DataFile, DataFile1003, {}},
        {"1002", Header(DataFileMagic1002), FileKind::DataFile, DataFile1002, {}},
        {"1001", Header(DataFileMagic1001), FileKind::DataFile, DataFile1001, {}},
        {"leading value not checked", Header(DataFileMagic1003, -1), FileKind::DataFile, DataFile1003, {}},
        {"page", PageHeader(Base), FileKind::PageFile, PageFile, Base},
        {"page, Japanese base", PageHeader(japaneseBase), FileKind::PageFile, PageFile, japaneseBase},
        {"page, empty base", PageHeader(QString()), FileKind::PageFile, PageFile, {}},
    };
    const Integer firstField = 0x1234;
    for (const ClassifyCase& c : cases) {
        SCOPED_TRACE(c.what);
        test::FieldWriter next;
        next.integer(firstField);
        Integer fieldAfter = 0;
        const FileClassification file = ClassifyBytes(c.bytes + next.bytes(), &fieldAfter);
        EXPECT_EQ(file.kind, c.kind);
        EXPECT_EQ(file.version, c.version);
        EXPECT_EQ(file.basePath, c.basePath);
        EXPECT_EQ(fieldAfter, firstField);
    }
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(FileHeaderTest, ShortDamagedAndForeignFilesAreNotOurs)
{
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"leading value only", QByteArray(2, '\0')},
        {"cut inside the magic", Header(DataFileMagic1003).left(20)},
        {"page without its base", Header(PageFileMagic)},
        {"page cut inside its base", PageHeader(Base).chopped(3)},
        {"text", QByteArray("not a data file")},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        const FileClassification file = ClassifyBytes(bytes);
        EXPECT_EQ(file.kind, FileKind::NotOurs);
        EXPECT_EQ(file.version, FileRefused);
        EXPECT_TRUE(file.basePath.isEmpty());
    }
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(FileHeaderTest, DataFilesWhenOpeningAQuestionnaire)
{
    EXPECT_EQ(Classify(Header(DataFileMagic1003), OpenQuestionnaire).version, DataFile1003);
    EXPECT_TRUE(ui_.boxes().empty());
    // The leading Integer is not checked.
    EXPECT_EQ(Classify(Header(DataFileMagic1003, 77), OpenQuestionnaire).version, DataFile1003);

    ui_.expectBox(vbOK);
    EXPECT_EQ(Classify(Header(DataFileMagic1002), OpenQuestionnaire).version, DataFile1002);
    EXPECT_EQ(LastBox(),
              QStringLiteral("このファイル\r\n/data/page.kzp\r\nはKelvorzun95年6,7,8月版の形式のファイルです。 "
                             "保存すると95年9月版の形式のファイルになります。"));
    ui_.expectBox(vbOK);
    EXPECT_EQ(Classify(Header(DataFileMagic1001), OpenQuestionnaire).version, DataFile1001);
    EXPECT_EQ(LastBox(),
              QStringLiteral("このファイル\r\n/data/page.kzp\r\nはKelvorzun95年4,5月版の形式のファイルです。 "
                             "保存すると95年9月版の形式のファイルになります。"));
    EXPECT_EQ(ui_.boxes().back().style, vbExclamation);
}

TEST_F(FileHeaderTest, DataFilesForOtherPurposes)
{
    ui_.expectBox(vbOK);
    EXPECT_EQ(Classify(Header(DataFileMagic1003), OpenTabulationResult).version, FileRefused);
    EXPECT_EQ(
        LastBox(),
        QStringLiteral("このファイル\r\n/data/page.kzp\r\nはアンケートファイルデータです。ここでは読み込めません。"));
    // The page load of a result sheet gets the generation back, which it refuses itself.
    ui_.expectBox(vbOK);
    EXPECT_EQ(Classify(Header(DataFileMagic1001), OpenPageInSheet).version, DataFile1001);
    EXPECT_EQ(LastBox(), QStringLiteral("FileVersion個別処理エラー(2)"));
    EXPECT_EQ(ui_.boxes().back().style, vbOKOnly);
}

TEST_F(FileHeaderTest, UnknownMagicsAreRefused)
{
    for (const QString& magic : {QStringLiteral("kelvor zuntab datafile since 95.9"),
                                 QStringLiteral("Kelvor Zuntab Datafile Since 95.9 "), QString()}) {
        ui_.expectBox(vbOK);
        EXPECT_EQ(Classify(Header(magic), OpenQuestionnaire).version, FileRefused);
        EXPECT_EQ(LastBox(), QStringLiteral("このファイル\r\n/data/page.kzp\r\nはKelvorzunで扱えません。"));
    }
    // A file cut inside its magic or its page base path.
    ui_.expectBox(vbOK);
    EXPECT_EQ(Classify(Header(DataFileMagic1003).left(20), OpenQuestionnaire).version, FileRefused);
    ui_.expectBox(vbOK);
    EXPECT_EQ(Classify(PageHeader(Base).chopped(3), OpenPageInSheet).version, FileRefused);
}

TEST_F(FileHeaderTest, PageOfTheLoadedQuestionnaire)
{
    EXPECT_EQ(Classify(PageHeader(Base), OpenTabulationResult).version, PageFile);
    EXPECT_EQ(Classify(PageHeader(Base), OpenPageInSheet).version, PageFile);
    EXPECT_TRUE(ui_.boxes().empty());

    ui_.expectBox(vbYes);
    EXPECT_EQ(Classify(PageHeader(Base), OpenQuestionnaire).version, PageFile);
    EXPECT_EQ(LastBox(), QStringLiteral("このファイル\r\n/data/page.kzp\r\nは集計結果データです。読み込みますか？"));
    EXPECT_EQ(ui_.boxes().back().style, vbYesNo | vbExclamation);
    ui_.expectBox(vbNo);
    EXPECT_EQ(Classify(PageHeader(Base), OpenQuestionnaire).version, FileRefused);
}

TEST_F(FileHeaderTest, PageOfAnotherQuestionnaireWhenOpeningAQuestionnaire)
{
    const QString other = QStringLiteral("/data/other.kz");
    ui_.expectBox(vbYes);
    const VersionResult yes = Classify(PageHeader(other), OpenQuestionnaire);
    EXPECT_EQ(yes.version, PageFileBaseFirst);
    EXPECT_EQ(yes.fileName, other);
    EXPECT_EQ(LastBox(),
              QStringLiteral("このファイル\r\n/data/page.kzp\r\nは集計結果データです。基となるアンケートファイル\r\n"
                             "/data/other.kz\r\nを先に読み込みますか。"));
    EXPECT_EQ(ui_.boxes().back().style, vbYesNoCancel | vbExclamation);

    ui_.expectBox(vbNo);
    const VersionResult no = Classify(PageHeader(other), OpenQuestionnaire);
    EXPECT_EQ(no.version, PageFile);
    EXPECT_EQ(no.fileName, Name);
    ui_.expectBox(vbCancel);
    EXPECT_EQ(Classify(PageHeader(other), OpenQuestionnaire).version, FileRefused);
}

TEST_F(FileHeaderTest, PageOfAnotherQuestionnaireWhenOpeningAResult)
{
    const QString other = QStringLiteral("/data/other.kz");
    ui_.expectBox(vbYes);
    const VersionResult yes = Classify(PageHeader(other), OpenTabulationResult);
    EXPECT_EQ(yes.version, PageFileBaseFirst);
    EXPECT_EQ(yes.fileName, other);
    EXPECT_EQ(LastBox(), QStringLiteral("この集計結果データ\r\n/data/page.kzp\r\nは、基となるアンケートファイルが\r\n"
                                        "/data/other.kz\r\nです。アンケートファイルを先に読み込みますか。"));
    ui_.expectBox(vbNo);
    EXPECT_EQ(Classify(PageHeader(other), OpenTabulationResult).version, PageFile);
    ui_.expectBox(vbCancel);
    EXPECT_EQ(Classify(PageHeader(other), OpenTabulationResult).version, FileRefused);
}

TEST_F(FileHeaderTest, PageWithoutAUsableQuestionnaireLoadsItsBaseFirst)
{
    for (const QString& current : {QString(), UnsavablePath}) {
        document.CurrentFilePath = current;
        ui_.expectBox(vbOK);
        const VersionResult ok = Classify(PageHeader(Base), OpenTabulationResult);
        EXPECT_EQ(ok.version, PageFileBaseFirst);
        EXPECT_EQ(ok.fileName, Base);
        EXPECT_EQ(
            LastBox(),
            QStringLiteral("この集計結果データ\r\n/data/page.kzp\r\nを読み込む前に、基となるアンケートファイル\r\n"
                           "/data/base.kz\r\nを読み込みます。"));
        EXPECT_EQ(ui_.boxes().back().style, vbOKCancel | vbExclamation);
        ui_.expectBox(vbCancel);
        const VersionResult cancel = Classify(PageHeader(Base), OpenTabulationResult);
        EXPECT_EQ(cancel.version, FileRefused);
        EXPECT_EQ(cancel.fileName, Name);
    }
}

}  // namespace
}  // namespace kz
