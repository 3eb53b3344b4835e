#include "shell/frm_ask.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shell/useful_controls.h"
#include "widgets/forms.h"

namespace kz {

frmAsk::frmAsk() : KzForm(QStringLiteral("frmAsk"))
{
    setWindowTitle(QStringLiteral("Kelvorzun"));
    lblInfo1 = new QLabel(this);
    lblInfo1->setObjectName(QStringLiteral("lblInfo1"));
    lblInfo2 = new QLabel(this);
    lblInfo2->setObjectName(QStringLiteral("lblInfo2"));
    cmdFunc1 = new QPushButton(this);
    cmdFunc1->setObjectName(QStringLiteral("cmdFunc1"));
    cmdFunc2 = new QPushButton(this);
    cmdFunc2->setObjectName(QStringLiteral("cmdFunc2"));
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QLabel* label : {lblInfo1, lblInfo2})
        label->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdFunc1);
    buttons->addWidget(cmdFunc2);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInfo1);
    layout->addWidget(lblInfo2);
    layout->addLayout(buttons);

    // Each button marks itself by disabling itself; the caller reads the mark.
    for (QPushButton* button : {cmdFunc1, cmdFunc2, cmdCancel}) {
        connect(button, &QPushButton::clicked, this, [this, button] {
            button->setEnabled(false);
            hide();
        });
    }
    setCancelButton(cmdCancel);
}

void frmAsk::formLoad()
{
    adjustSize();
    CentreForm(this);
}

Integer RunAskBox(const QString& text1, const QString& text2, const QString& caption1, const QString& caption2)
{
    auto& box = widgets::Forms::instance<frmAsk>();
    box.lblInfo1->setText(text1);
    box.lblInfo2->setText(text2);
    box.cmdFunc1->setText(caption1);
    box.cmdFunc2->setText(caption2);
    box.showModal();
    Integer result = 0;
    if (!box.cmdFunc1->isEnabled())
        result = 1;
    else if (!box.cmdFunc2->isEnabled())
        result = 2;
    widgets::Forms::unload(box);
    return result;
}

}  // namespace kz
