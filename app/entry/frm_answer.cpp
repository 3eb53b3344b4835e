#include "entry/frm_answer.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "document/cmd_box.h"
#include "model/survey.h"
#include "runtime/rounding.h"
#include "runtime/val.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "shell/window_records.h"
#include "texts/question_texts.h"
#include "texts/sample_text.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

namespace {

QString FromQuestionText(Integer q)
{
    const Survey& survey = ProgramWorkspace().survey;
    return QuestionHeading(survey, q, HeadingNumber | HeadingLabel) + QStringLiteral("から");
}

Integer QuestionCountIn(const QString& text)
{
    const double value = Val(text);
    return FitsInteger(value) ? CInt(value) : Integer(0);
}

}  // namespace

frmAnswer::frmAnswer() : KzForm(QStringLiteral("frmAnswer"))
{
    setWindowTitle(QStringLiteral("サンプルの内容"));
    txtAnswer = Named(new QPlainTextEdit(this), QStringLiteral("txtAnswer"));
    txtAnswer->setReadOnly(true);
    chkQ = Named(new QCheckBox(QStringLiteral("質問も表示(&Q)"), this), QStringLiteral("chkQ"));
    cmdChangeFromQ = Named(new QPushButton(QStringLiteral("変更(&C)"), this), QStringLiteral("cmdChangeFromQ"));
    cmdCLose = Named(new QPushButton(QStringLiteral("閉じる(&C)"), this), QStringLiteral("cmdCLose"));
    lblFromQ = Named(new QLabel(this), QStringLiteral("lblFromQ"));
    // Written by the callers; the ID is the one shown.
    lblEndQno = Named(new QLabel(this), QStringLiteral("lblEndQno"));
    lblEndQno->hide();
    lblDno = Named(new QLabel(this), QStringLiteral("lblDno"));
    lblDno->hide();
    lblIDno = new CommandLabel(QStringLiteral("lblIDno"), this);
    lblIDno->show();
    Label1 = Named(new QLabel(QStringLiteral("ＩＤ"), this), QStringLiteral("Label1"));

    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(lblIDno);
    top->addSpacing(12);
    top->addWidget(lblFromQ, 1);
    top->addWidget(cmdChangeFromQ);
    top->addWidget(chkQ);
    top->addWidget(cmdCLose);
    auto* layout = new QGridLayout(this);
    layout->addLayout(top, 0, 0);
    layout->addWidget(txtAnswer, 1, 0);
    layout->addWidget(lblEndQno, 2, 0);
    layout->addWidget(lblDno, 2, 0);
    layout->setRowStretch(1, 1);

    connect(lblIDno, &CommandLabel::captionChanged, this, &frmAnswer::rebuild);
    connect(chkQ, &QCheckBox::toggled, this, &frmAnswer::rebuild);
    connect(cmdChangeFromQ, &QPushButton::clicked, this, &frmAnswer::changeFromQ);
    connect(cmdCLose, &QPushButton::clicked, this, [this] { widgets::Forms::unload(*this); });
    resize(520, 360);
}

void frmAnswer::formLoad()
{
    CentreForm(this);
    RestoreWindowRec(WindowSlot::frmAnswer, this);
    lblFromQ->setText(FromQuestionText(0));
}

void frmAnswer::formUnload(bool&) { SaveWindowRec(this, WindowSlot::frmAnswer); }

void frmAnswer::rebuild()
{
    if (lblIDno->text().isEmpty()) {
        txtAnswer->clear();
        lblDno->clear();
        return;
    }
    const Workspace& ws = ProgramWorkspace();
    const Long Dno = SampleViewPosition(ws, lblDno->text(), lblIDno->text());
    if (Dno < 0)
        return;
    lblDno->setText(QString::number(Dno));
    const QString text = SampleViewText(ws, Dno, FromQ, QuestionCountIn(lblEndQno->text()), chkQ->isChecked());
    txtAnswer->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmAnswer::changeFromQ()
{
    const Survey& survey = ProgramWorkspace().survey;
    const Integer q = QBoxSelect(survey, QStringLiteral("どの質問から表示しますか"), 0);
    if (q < 0)
        return;
    FromQ = q;
    lblFromQ->setText(FromQuestionText(q));
    rebuild();
}

void frmAnswer::showSample(const QString& endQno, const QString& dno, const QString& idText)
{
    lblEndQno->setText(endQno);
    lblDno->setText(dno);
    // Empty first: the same ID written again rebuilds too.
    lblIDno->setCaption(QString());
    lblIDno->setCaption(idText);
}

}  // namespace kz
