#include "entry/frm_paragraph.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "document/menu_state.h"
#include "host/ui_seam.h"
#include "model/survey.h"
#include "plugins/extern_process.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

frmParagraph::frmParagraph() : KzForm(QStringLiteral("frmParagraph"))
{
    setWindowTitle(QStringLiteral("回答の改行位置"));
    lstLLocate = Named(new QListWidget(this), QStringLiteral("lstLLocate"));
    cmdInsert = Named(new QPushButton(QStringLiteral("改行をする(&P)"), this), QStringLiteral("cmdInsert"));
    cmdRemove = Named(new QPushButton(QStringLiteral("改行をやめる(&U)"), this), QStringLiteral("cmdRemove"));
    chkExeDLL = Named(new QCheckBox(QStringLiteral("外部DLL呼出(&D)"), this), QStringLiteral("chkExeDLL"));
    txtDLL = Named(new QLineEdit(this), QStringLiteral("txtDLL"));
    cmdTest = Named(new QPushButton(QStringLiteral("テスト(&T)"), this), QStringLiteral("cmdTest"));
    cmdClose = Named(new QPushButton(QStringLiteral("閉じる(&C)"), this), QStringLiteral("cmdClose"));
    Label3 = Named(new QLabel(QStringLiteral("質問を選んで (&S)"), this), QStringLiteral("Label3"));
    Label2[0] = Named(new QLabel(QStringLiteral("■を選んで (&S)"), this), QStringLiteral("Label2(0)"));
    Label2[1] =
        Named(new QLabel(QStringLiteral("外部DLLのクラス・ライブラリ(&E)"), this), QStringLiteral("Label2(1)"));
    Label3->setBuddy(lstLLocate);
    Label2[0]->setBuddy(lstLLocate);
    Label2[1]->setBuddy(txtDLL);

    auto* side = new QVBoxLayout;
    side->addWidget(Label3);
    side->addWidget(cmdInsert);
    side->addSpacing(8);
    side->addWidget(Label2[0]);
    side->addWidget(cmdRemove);
    side->addWidget(chkExeDLL);
    side->addStretch();
    side->addWidget(cmdClose);
    auto* process = new QHBoxLayout;
    process->addWidget(Label2[1]);
    process->addWidget(txtDLL, 1);
    process->addWidget(cmdTest);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lstLLocate, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addLayout(process, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(lstLLocate, &QListWidget::currentRowChanged, this, &frmParagraph::rowSelected);
    connect(cmdInsert, &QPushButton::clicked, this, &frmParagraph::insertBreak);
    connect(cmdRemove, &QPushButton::clicked, this, &frmParagraph::removeBreak);
    connect(chkExeDLL, &QCheckBox::clicked, this, &frmParagraph::flagLine);
    connect(txtDLL, &QLineEdit::textEdited, this,
            [](const QString& name) { ProgramWorkspace().survey.ExternProcessName = name; });
    connect(cmdTest, &QPushButton::clicked, this, &frmParagraph::testProcess);
    connect(cmdClose, &QPushButton::clicked, this, [this] { widgets::Forms::unload(*this); });
    resize(560, 420);
}

void frmParagraph::formLoad()
{
    const Survey& survey = ProgramWorkspace().survey;
    CentreForm(this);
    txtDLL->setText(survey.ExternProcessName);
    fillList(0);
}

void frmParagraph::formUnload(bool&)
{
    DocumentState& document = ProgramWorkspace().document;
    // The tables were changed as the user went; however the window closes,
    // the questionnaire now holds them.
    SetModified(document);
}

void frmParagraph::fillList(int row)
{
    rows_ = ParagraphRows(ProgramWorkspace());
    const QSignalBlocker quiet(lstLLocate);
    lstLLocate->clear();
    for (const ParagraphRow& r : rows_)
        lstLLocate->addItem(r.text);
    lstLLocate->setCurrentRow(std::clamp(row, 0, static_cast<int>(rows_.size()) - 1));
    rowSelected();
}

const ParagraphRow* frmParagraph::selectedRow() const
{
    const int row = lstLLocate->currentRow();
    return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[static_cast<size_t>(row)] : nullptr;
}

void frmParagraph::rowSelected()
{
    const Survey& survey = ProgramWorkspace().survey;
    const ParagraphRow* row = selectedRow();
    const ParagraphRow::Kind kind = row ? row->kind : ParagraphRow::End;
    // The first line always begins the reply: it is neither removed nor
    // flagged here.
    const bool laterLine = kind == ParagraphRow::Line && row->line > 0;
    cmdInsert->setEnabled(kind == ParagraphRow::Slot);
    cmdRemove->setEnabled(laterLine);
    chkExeDLL->setEnabled(laterLine);
    chkExeDLL->setChecked(row && row->line <= LastParagraph
                          && survey.ParagraphExeDLL[static_cast<size_t>(row->line)]);
}

void frmParagraph::insertBreak()
{
    const ParagraphRow* row = selectedRow();
    if (!row || row->kind != ParagraphRow::Slot)
        return;
    // The new line row takes the slot's place in the list.
    if (InsertParagraph(ProgramWorkspace(), row->line, row->position))
        fillList(lstLLocate->currentRow());
}

void frmParagraph::removeBreak()
{
    const ParagraphRow* row = selectedRow();
    if (!row || row->kind != ParagraphRow::Line || row->line == 0)
        return;
    RemoveParagraph(ProgramWorkspace(), row->line);
    fillList(lstLLocate->currentRow());
}

void frmParagraph::flagLine(bool runs)
{
    Survey& survey = ProgramWorkspace().survey;
    const ParagraphRow* row = selectedRow();
    if (!row || row->kind != ParagraphRow::Line || row->line == 0)
        return;
    survey.ParagraphExeDLL[static_cast<size_t>(row->line)] = runs ? -1 : 0;
    fillList(lstLLocate->currentRow());
}

void frmParagraph::testProcess()
{
    if (MsgBox(
            QStringLiteral("このテストはKelvorzunを強制終了させ、現在扱っているデータを消してしまう可能性があります。"
                           "よろしいですか？"),
            vbOKCancel)
        != vbOK)
        return;
    const ExternProcessResult result = CallExternProcess(ProgramWorkspace(), 0, -1, 0);
    MsgBox(result.text.isEmpty() ? QStringLiteral("OKです") : result.text);
}

}  // namespace kz
