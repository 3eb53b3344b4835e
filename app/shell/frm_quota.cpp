#include "shell/frm_quota.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>

#include <optional>

#include "document/cmd_box.h"
#include "files/settings_file.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/sample_ids.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "widgets/forms.h"

namespace kz {
namespace {

constexpr Long HelpTopic = 42;

}  // namespace

frmQuota::frmQuota() : KzForm(QStringLiteral("frmQuota"))
{
    setWindowTitle(QStringLiteral("このコンピューターに割り当てられたＩＤ"));
    lblRange = new QLabel(QStringLiteral("このコンピューターで出すIDの範囲"), this);
    lblRange->setObjectName(QStringLiteral("lblRange"));
    txtFrom = new QLineEdit(this);
    txtFrom->setObjectName(QStringLiteral("txtFrom"));
    lblFromTo = new QLabel(QStringLiteral("から"), this);
    lblFromTo->setObjectName(QStringLiteral("lblFromTo"));
    txtTo = new QLineEdit(this);
    txtTo->setObjectName(QStringLiteral("txtTo"));
    lblNote = new QLabel(QStringLiteral("この割り当ては、２台以上のコンピューターで回答を入力するとき、"
                                        "サンプルのIDが重複しないようにするためのものです。"
                                        "「回答入力」ウィンドウではここで指定した範囲のIDしか発行されません。"),
                         this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    Do = new QPushButton(QStringLiteral("決定"), this);
    Do->setObjectName(QStringLiteral("Do"));
    Cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    cmdHelpContext = new QPushButton(QStringLiteral("ヘルプ"), this);
    cmdHelpContext->setObjectName(QStringLiteral("cmdHelpContext"));

    auto* range = new QHBoxLayout;
    range->addWidget(txtFrom, 1);
    range->addWidget(lblFromTo);
    range->addWidget(txtTo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelpContext);
    buttons->addStretch();
    buttons->addWidget(Do);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblRange);
    layout->addLayout(range);
    layout->addWidget(lblNote);
    layout->addLayout(buttons);

    connect(Do, &QPushButton::clicked, this, &frmQuota::confirm);
    connect(Cancel, &QPushButton::clicked, this, [this] { widgets::Forms::unload(*this); });
    connect(cmdHelpContext, &QPushButton::clicked, this, [] { ShowHelpContext(HelpTopic); });
    setCancelButton(Cancel);
    setDefaultButton(Do);
}

void frmQuota::formLoad()
{
    const Settings& settings = ProgramSettings();
    txtFrom->setText(QString::number(settings.IDRangeLow));
    txtTo->setText(QString::number(settings.IDRangeHigh));
    resize(420, sizeHint().height());
    CentreForm(this);
}

void frmQuota::confirm()
{
    SampleTable& samples = ProgramWorkspace().samples;
    Settings& settings = ProgramSettings();
    const std::optional<IDRange> range = ParseIDRange(txtFrom->text(), txtTo->text());
    if (!range) {
        MsgBox(QStringLiteral("割り当ての範囲は 0 から 2147483647 までです。"), vbExclamation);
        return;
    }
    settings.IDRangeLow = range->low;
    settings.IDRangeHigh = range->high;
    ResetIDCursor(samples, settings);
    // A failed write is reported by SaveSettings itself. The range is in
    // force for this run all the same and shut-down tries to write it again,
    // so the window closes as after a successful write: keeping it open
    // would offer nothing the user could do about the file.
    SaveSettings(settings);
    widgets::Forms::unload(*this);
}

void AskIDRange()
{
    const QPointer<frmQuota> quota = &widgets::Forms::instance<frmQuota>();
    quota->showModal();
    if (quota)
        widgets::Forms::unload(*quota);
}

}  // namespace kz
