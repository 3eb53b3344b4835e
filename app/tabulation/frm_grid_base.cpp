#include "tabulation/frm_grid_base.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/workspace.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "shell/window_records.h"
#include "shell/window_services.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

using widgets::Forms;

namespace {

// The grid font size the design's sizes were made for.
constexpr float DesignFontSize = 9.75f;
// "Do Total" gives a sheet of another kind these placeholder widths.
constexpr int FreshColumns = 4;
constexpr int FreshWidth = 1000;

}  // namespace

frmGridBase::frmGridBase() : KzForm(QStringLiteral("frmGridBase"))
{
    setWindowTitle(QStringLiteral("集計結果"));
    buildControls();
    buildMenus();
    connectCommands();
    resize(640, 480);
}

void frmGridBase::buildControls()
{
    txtGrid = Named(new QLineEdit(this), "txtGrid");
    txtGrid->setReadOnly(true);
    // One fixed row, a thin strip above the blocks, and no fixed column.
    Grid = Named(new widgets::FlexGrid(this), "Grid");
    lblInfo2 = Named(new QLabel(this), "lblInfo2");
    lblInfo = Named(new QLabel(this), "lblInfo");
    lblInfo->setMinimumWidth(40);
    lblInfo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmdNext = Named(new QPushButton(QStringLiteral("集計の続き(&N)"), this), "cmdNext");
    cmdCancel = Named(new QPushButton(QStringLiteral("キャンセル"), this), "cmdCancel");
    cmdNext->hide();
    cmdCancel->hide();

    lblFromDno = Named(new QLabel(this), "lblFromDno");
    chkTotaled = Named(new QCheckBox(QStringLiteral("Totaled"), this), "chkTotaled");
    chkSorted = Named(new QCheckBox(QStringLiteral("Sorted"), this), "chkSorted");
    for (QWidget* state :
         {static_cast<QWidget*>(lblFromDno), static_cast<QWidget*>(chkTotaled), static_cast<QWidget*>(chkSorted)})
        state->hide();

    auto* status = new QHBoxLayout;
    status->addWidget(lblInfo2, 1);
    status->addWidget(lblInfo);
    status->addWidget(cmdNext);
    status->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtGrid);
    layout->addWidget(Grid, 1);
    layout->addLayout(status);

    connect(cmdCancel, &QPushButton::clicked, this, &frmGridBase::cancelClicked);
    connect(Grid, &widgets::FlexGrid::selectionChanged, this, &frmGridBase::selectionChanged);
}

void frmGridBase::formLoad()
{
    CentreForm(this);
    RestoreWindowRec(WindowSlot::frmGridBase, this);
    ApplyFontRec(FontSlot::ResultGrid, Grid);
    FontScale = static_cast<float>(Grid->font().pointSizeF()) / DesignFontSize;
}

void frmGridBase::formUnload(bool& cancel)
{
    if (running()) {
        Beep();
        cancel = true;
        return;
    }
    SaveWindowRec(this, WindowSlot::frmGridBase);
    SaveColumnWidths();
}

void frmGridBase::closeEvent(QCloseEvent* event)
{
    // While the sheet runs every window refuses its frame's close; this one
    // says so.
    if (running()) {
        event->ignore();
        Beep();
        return;
    }
    KzForm::closeEvent(event);
}

void frmGridBase::changeEvent(QEvent* event)
{
    KzForm::changeEvent(event);
    // Activated: the windows that work on a sheet take this one and the
    // tabulation window shows its request, except while the tabulation
    // window is handing it a request, and except before it has one at all.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && txtGrid->isEnabled() && ready_) {
        windows().resultSheetActivated(*this);
    }
}

void frmGridBase::SheetCommand(const QString& cmd)
{
    if (cmd == QLatin1String("Do Total"))
        DoTotal(sheet_.SheetOption);
    else if (cmd == QLatin1String("Resend GraphData"))
        ResendGraphData();
    else if (cmd == QLatin1String("Save Page"))
        SavePage();
    else
        MsgBox(QStringLiteral("命令ミス : ") + cmd);
}

void frmGridBase::DoTotal(TotalOptionRec request)
{
    show();
    const QString refusal = TotalOptionRefusal(request, ProgramWorkspace().survey);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vbExclamation);
        return;
    }
    sheet_ = CountSheet{};
    sheet_.SheetOption = std::move(request);
    sheet_.SheetOption.ExLimit = sheet_.SheetOption.Limits[0];
    Grid->setCols(FreshColumns);
    Grid->setRows(2);
    if (sheet_.SheetOption.Kind != LastKind) {
        for (int col = 0; col < FreshColumns; ++col)
            Grid->setColWidth(col, FreshWidth);
        LastKind = sheet_.SheetOption.Kind;
        widthsShown_ = 0;
    }
    chkTotaled->setChecked(false);
    // Only cmdNext continues a cut listing.
    lblFromDno->setText(QStringLiteral("0"));
    const bool counts = sheet_.SheetOption.Kind == TotalCodedAnswers;
    ShowTotalMenus(counts);
    ShowEssayMenus(!counts);
    ready_ = true;
    DoSheet();
}

void frmGridBase::DoHandedTotal(const TotalOptionRec& request)
{
    txtGrid->setEnabled(false);
    DoTotal(request);
    txtGrid->setEnabled(true);
}

void frmGridBase::ResendGraphData()
{
    graphFeed_.LastGraphQ = -1;
    selectionChanged();
}

void frmGridBase::DoSheet()
{
    if (!ready_)
        return;
    lblInfo2->setText(QStringLiteral("集計中"));
    lblInfo2->repaint();
    lblInfo->clear();
    LockWindows(false);
    cmdCancel->show();
    SaveColumnWidths();
    if (sheet_.SheetOption.Kind == TotalCodedAnswers) {
        RunCountSheet(ProgramWorkspace(), sheet_, displayMenus(), *this);
        chkTotaled->setChecked(sheet_.totaled);
        chkSorted->setChecked(sheet_.sorted);
    } else {
        RunListing();
    }
    if (cmdNext->isHidden())
        cmdCancel->hide();
    LockWindows(true);
    showOutputMenus(true);
    Grid->setRow(1);
    Grid->setCol(0);
    graphFeed_.LastGraphQ = -1;
    refeedChart();
}

void frmGridBase::LockWindows(bool enable)
{
    for (widgets::KzForm* form : Forms::openForms())
        if (form != this)
            form->setEnabled(enable);
    Forms::setLongJobRunning(!enable);
    txtGrid->setVisible(enable);
    for (QMenu* menu : {mnuFile, mnuEdit, mnuFont})
        menu->setEnabled(enable);
    cmdCancel->setEnabled(!enable);
}

void frmGridBase::cancelClicked()
{
    if (MsgBox(QStringLiteral("中止しますか？"), vbOKCancel | vbDefaultButton2) == vbOK)
        cmdCancel->setEnabled(false);
}

void frmGridBase::selectionChanged()
{
    if (!ready_)
        return;
    if (!txtGrid->isHidden())
        txtGrid->setText(Grid->textMatrix(Grid->row(), Grid->col()));
    if (sheet_.SheetOption.Kind == TotalFreeTexts)
        showListedSample();
    else
        feedChart();
}

}  // namespace kz
