#include "tabulation/sheet_text.h"

#include "tabulation/free_text_listing.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString OneLine(QString text) { return GridField(text.replace(CrLf, QStringLiteral(" "))); }

}  // namespace

QString SelectionText(const CellText& cell, int firstRow, int firstCol, int lastRow, int lastCol)
{
    QString text;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            if (col > firstCol)
                text += u'\t';
            text += OneLine(cell(row, col));
        }
        text += CrLf;
    }
    return text;
}

QString SheetTextFile(const QString& caption, const QString& selection) { return caption + CrLf + selection + CrLf; }

}  // namespace kz
