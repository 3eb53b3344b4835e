#include "entry/frm_preview.h"

#include <QFile>
#include <QVBoxLayout>

#include "host/ui_seam.h"
#include "runtime/cp932.h"
#include "runtime/file_errors.h"

namespace kz {

namespace {

constexpr qint64 PreviewBytes = 10000;

}  // namespace

frmPreview::frmPreview() : KzForm(QStringLiteral("frmPreview"))
{
    setWindowTitle(QStringLiteral("ファイルの中身"));
    txtPreview = new QPlainTextEdit(this);
    txtPreview->setObjectName(QStringLiteral("txtPreview"));
    txtPreview->setReadOnly(true);
    txtPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtPreview);
    resize(480, 320);
}

void frmPreview::showFile(const QString& path)
{
    QFile file(path);
    if (const int error = OpenForReading(file)) {
        MsgBox(FileErrorText(error), vbExclamation);
        return;
    }
    const QByteArray bytes = file.read(PreviewBytes);
    if (bytes.isNull() && file.error() != QFileDevice::NoError) {
        MsgBox(file.errorString(), vbExclamation);
        return;
    }
    txtPreview->setPlainText(FromCp932(bytes));
}

void frmPreview::showLine(const QString& line)
{
    setWindowTitle(QStringLiteral("現在読み込んでいる行"));
    txtPreview->setPlainText(line);
}

}  // namespace kz
