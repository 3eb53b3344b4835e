#include "design/frm_q_anum.h"

#include <QGridLayout>
#include <QSignalBlocker>

#include "model/survey.h"
#include "runtime/val.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"

namespace kz {

namespace {

constexpr int MostAnswers = 127;

}  // namespace

frmQAnum::frmQAnum() : KzForm(QStringLiteral("frmQAnum"))
{
    setWindowTitle(QStringLiteral("回答可能数"));
    lblQno = new QLabel(this);
    lblQno->setObjectName(QStringLiteral("lblQno"));
    lblQno->hide();
    lblQAnum = new QLabel(QStringLiteral("12"), this);
    lblQAnum->setObjectName(QStringLiteral("lblQAnum"));
    lblQAnum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblQAnum->setMinimumWidth(48);
    lblQAnum->setFrameShape(QFrame::Panel);
    lblQAnum->setFrameShadow(QFrame::Sunken);
    Label1 = new QLabel(QStringLiteral("個"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    UpDown1 = new widgets::SpinButton(lblQAnum, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(1, MostAnswers);
    cmdAll = new QPushButton(QStringLiteral("選択肢の数だけ回答可(&F)"), this);
    cmdAll->setObjectName(QStringLiteral("cmdAll"));
    cmdClose = new QPushButton(QStringLiteral("決定"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblQAnum, 0, 0);
    layout->addWidget(UpDown1, 0, 1);
    layout->addWidget(Label1, 0, 2);
    layout->addWidget(cmdAll, 1, 0, 1, 3);
    layout->addWidget(cmdClose, 2, 0, 1, 3);

    connect(UpDown1, &QAbstractSlider::valueChanged, this,
            [this](int value) { lblQAnum->setText(QString::number(value)); });
    connect(cmdAll, &QPushButton::clicked, this, [this] {
        showCount(static_cast<Integer>(ProgramWorkspace().survey.Questions[GetQno()].ChoiceCount - 1));
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    setDefaultButton(cmdClose);
    // Esc closes as the frame does: there is no cancel, the number applies.
    setCancelButton(cmdClose);
}

void frmQAnum::formLoad()
{
    // Centred at its own size, not at the size a window has before it is shown.
    adjustSize();
    CentreForm(this);
}

void frmQAnum::setQuestion(Integer q, Integer maxAnswers)
{
    lblQno->setText(QString::number(q));
    showCount(maxAnswers);
}

Integer frmQAnum::answerCount() const { return static_cast<Integer>(Val(lblQAnum->text())); }

Integer frmQAnum::GetQno() const { return static_cast<Integer>(Val(lblQno->text())); }

void frmQAnum::showCount(Integer count)
{
    lblQAnum->setText(QString::number(count));
    // The next spin step goes on from the number shown.
    const QSignalBlocker quiet(UpDown1);
    UpDown1->setValue(count);
}

}  // namespace kz
