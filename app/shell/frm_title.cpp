#include "shell/frm_title.h"

#include <QFont>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shell/useful_controls.h"
#include "widgets/forms.h"

namespace kz {

frmTitle::frmTitle() : KzForm(QStringLiteral("frmTitle"))
{
    setWindowTitle(QStringLiteral("Kelvorzun"));
    lblName = new QLabel(QStringLiteral("Kelvorzun"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    QFont big = lblName->font();
    big.setPointSizeF(big.pointSizeF() * 2.5);
    big.setBold(true);
    lblName->setFont(big);
    lblName->setAlignment(Qt::AlignCenter);
    lblDescription = new QLabel(QStringLiteral("アンケートの設計・回答入力・集計"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setAlignment(Qt::AlignCenter);
    lblVersion = new QLabel(QStringLiteral("バージョン ") + QStringLiteral(KZ_VERSION), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignCenter);
    cmdClose = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 20);
    layout->addWidget(lblName);
    layout->addWidget(lblDescription);
    layout->addWidget(lblVersion);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    connect(cmdClose, &QPushButton::clicked, this, [this] { widgets::Forms::unload(*this); });
    adjustSize();
    CentreForm(this);
}

void ShowVersionWindow(QWidget* owner)
{
    auto& title = widgets::Forms::instance<frmTitle>();
    title.setParent(owner, Qt::Dialog);
    title.cmdClose->show();
    title.adjustSize();
    title.show();
    title.raise();
    title.activateWindow();
}

}  // namespace kz
