#include "shell/frm_other.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "host/ui_seam.h"
#include "shell/password_box.h"
#include "shell/useful_controls.h"
#include "widgets/forms.h"

namespace kz {

frmOther::frmOther() : KzForm(QStringLiteral("frmOther"))
{
    setWindowTitle(QStringLiteral("パスワード照合"));
    Label = new QLabel(QStringLiteral("パスワードを入力"), this);
    Label->setObjectName(QStringLiteral("Label"));
    Text = new QLineEdit(this);
    Text->setObjectName(QStringLiteral("Text"));
    MakePasswordBox(Text, QStringLiteral("助言を参照せよ"), [this] { OK->click(); });
    OK = new QPushButton(QStringLiteral("照合(&C)"), this);
    OK->setObjectName(QStringLiteral("OK"));

    auto* line = new QHBoxLayout;
    line->addWidget(Text, 1);
    line->addWidget(OK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label);
    layout->addLayout(line);

    connect(OK, &QPushButton::clicked, this, &QWidget::hide);
}

void frmOther::formLoad()
{
    adjustSize();
    CentreForm(this);
}

QString AskPasswordText()
{
    auto& box = widgets::Forms::instance<frmOther>();
    box.Text->clear();
    box.Text->setFocus();
    box.showModal();
    return box.Text->text();
}

bool RunPasswordBox(const QString& expected)
{
    if (AskPasswordText() == expected)
        return true;
    MsgBox(QStringLiteral("パスワードが正しくありません"));
    return false;
}

}  // namespace kz
