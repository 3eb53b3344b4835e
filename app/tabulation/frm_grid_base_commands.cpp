// The result sheet's own commands: copying and selecting cells, the grid's
// font, the pop-up edit menu, writing a listing's samples out, and showing
// the sample of a listing's row.
#include <QClipboard>
#include <QFontDialog>
#include <QGuiApplication>

#include "document/cmd_box.h"
#include "document/listed_samples.h"
#include "files/data_file_save.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/workspace.h"
#include "shell/program_state.h"
#include "shell/window_records.h"
#include "shell/window_services.h"
#include "tabulation/frm_grid_base.h"
#include "widgets/modal_point.h"

namespace kz {

namespace {

// A listing's first row of samples.
const QString CrLf = QStringLiteral("\r\n");

}  // namespace

void frmGridBase::connectCommands()
{
    mnuSendToExcel->setCheckable(true);
    connect(mnuCopy, &QAction::triggered, this, &frmGridBase::copyClicked);
    connect(mnuAll, &QAction::triggered, this, &frmGridBase::selectAllClicked);
    connect(mnuFontChange, &QAction::triggered, this, &frmGridBase::fontChangeClicked);
    connect(mnuOutput, &QAction::triggered, this, &frmGridBase::outputClicked);
    connect(Grid, &widgets::FlexGrid::rightClicked, this, [this](const QPoint& at) { mnuEdit->popup(at); });
}

void frmGridBase::copyClicked()
{
    const HourglassScope busy;
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(SelectionText());
}

void frmGridBase::selectAllClicked()
{
    Grid->setRow(1);
    Grid->setCol(0);
    Grid->setRowSel(Grid->rows() - 1);
    Grid->setColSel(Grid->cols() - 1);
}

void frmGridBase::fontChangeClicked()
{
    QFontDialog dialog(Grid->font(), this);
    dialog.setObjectName(QStringLiteral("CMDialog"));
    if (widgets::execDialog(dialog) != QDialog::Accepted)
        return;
    Grid->setFont(dialog.selectedFont());
    ReadFontRec(Grid, FontSlot::ResultGrid);
}

void frmGridBase::outputClicked()
{
    Settings& settings = ProgramSettings();
    // A listing of samples no longer loaded would write a file without them.
    if (!listing_.listed.isOf(ProgramWorkspace().samples)) {
        Beep();
        return;
    }
    const Integer format = AskBox(QStringLiteral("書き出すファイルの形式はどうしますか。"),
                                  QStringLiteral("Kelvorzun形式・・・Kelvorzunで直接扱えます") + CrLf
                                      + QStringLiteral("ｺﾝﾏ区切り(CSV)形式・・・テキストファイルです"),
                                  QStringLiteral("Kelvorzun形式"), QStringLiteral("ｺﾝﾏ区切り(CSV)形式"));
    if (format == 1) {
        const QString fileName = FileDialog(QString(), QStringLiteral("Kelvorzun形式(*.kz)|*.kz|"), SaveDialog);
        if (!fileName.isEmpty())
            SaveDataFile(ProgramWorkspace(), settings, fileName, this);
    } else if (format == 2) {
        windows().exportListedSamples(this);
    }
}

void frmGridBase::showListedSample()
{
    const int row = Grid->row();
    // The last row is the listing's footer.
    if (row < ListingFirstRow || row >= Grid->rows() - 1 || Grid->col() != 0)
        return;
    QString idText = Grid->textMatrix(row, 0);
    if (!idText.isEmpty())
        ShowSampleID(QString(), idText);
}

}  // namespace kz
