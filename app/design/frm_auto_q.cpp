#include "design/frm_auto_q.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/choice_entry.h"
#include "host/ui_seam.h"
#include "model/survey_types.h"
#include "shell/useful_controls.h"
#include "widgets/forms.h"

namespace kz {

namespace {

// "無回答" and the "以上↑" row besides the choices.
constexpr int FullListRows = MaxChoices + 1;

}  // namespace

frmAutoQ::frmAutoQ() : KzForm(QStringLiteral("frmAutoQ"))
{
    setWindowTitle(QStringLiteral("選択肢文の自動入力"));
    Label1 = new QLabel(QStringLiteral("入力する選択肢文を下のボックスにペーストしてください"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtData = new QPlainTextEdit(this);
    txtData->setObjectName(QStringLiteral("txtData"));
    txtData->setLineWrapMode(QPlainTextEdit::NoWrap);
    Label2 = new QLabel(QStringLiteral("例"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Text1 = new QPlainTextEdit(QStringLiteral("選択肢その１\n選択肢その２\n選択肢その３\n・・・\n"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFixedHeight(Text1->fontMetrics().lineSpacing() * 5 + 12);
    cmdDo = new QPushButton(QStringLiteral("実行"), this);
    cmdDo->setObjectName(QStringLiteral("cmdDo"));
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* example = new QHBoxLayout;
    example->addWidget(Label2, 0, Qt::AlignTop);
    example->addWidget(Text1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDo);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtData, 1);
    layout->addLayout(example);
    layout->addLayout(buttons);

    connect(cmdDo, &QPushButton::clicked, this, &frmAutoQ::feedLines);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        if (cmdDo->isEnabled())
            widgets::Forms::unload(*this);
        else
            cmdCancel->setEnabled(false);  // the feeding loop's stop signal
    });
    setCancelButton(cmdCancel);
}

void frmAutoQ::formLoad()
{
    resize(420, 360);
    CentreForm(this);
}

void frmAutoQ::setTarget(CommandLabel* channel, const QListWidget* choiceList)
{
    channel_ = channel;
    choiceList_ = choiceList;
}

bool frmAutoQ::questionFull() const { return choiceList_ == nullptr || choiceList_->count() >= FullListRows; }

void frmAutoQ::feedLines()
{
    QStringList lines = TextLines(txtData->toPlainText());
    cmdDo->setEnabled(false);
    while (!lines.isEmpty() && !questionFull() && channel_ != nullptr) {
        // "" first, so that a line equal to the last one arrives too.
        channel_->setCaption(QString());
        channel_->setCaption(lines.takeFirst());
        txtData->setPlainText(lines.join(u'\n'));
        ui().yieldToEvents();
        if (!cmdCancel->isEnabled()) {
            cmdCancel->setEnabled(true);
            cmdDo->setEnabled(true);
            return;
        }
    }
    txtData->clear();
    MsgBox(QStringLiteral("終了しました"));
    cmdDo->setEnabled(true);
    widgets::Forms::unload(*this);
}

}  // namespace kz
