#include "frm_other.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QValidator>

#include "host/ui_seam.h"
#include "useful_controls.h"
#include "widgets/forms.h"

namespace kz {

namespace {

bool IsLower(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }
bool IsUpper(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

// A password is lower-case letters only. Keys are filtered in the window;
// this catches what arrives without a key press (paste, input methods,
// dropped text): capitals become small letters, anything else is refused.
class PasswordValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (QChar& c : input) {
            if (IsUpper(c))
                c = c.toLower();
            else if (!IsLower(c))
                return Invalid;
        }
        return Acceptable;
    }
};

}  // namespace

frmOther::frmOther() : KzForm(QStringLiteral("frmOther"))
{
    setWindowTitle(QStringLiteral("パスワード照合"));
    Label = new QLabel(QStringLiteral("パスワードを入力"), this);
    Label->setObjectName(QStringLiteral("Label"));
    Text = new QLineEdit(this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setValidator(new PasswordValidator(Text));
    OK = new QPushButton(QStringLiteral("照合(&C)"), this);
    OK->setObjectName(QStringLiteral("OK"));

    auto* line = new QHBoxLayout;
    line->addWidget(Text, 1);
    line->addWidget(OK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label);
    layout->addLayout(line);

    connect(OK, &QPushButton::clicked, this, &QWidget::hide);
    Text->installEventFilter(this);
}

void frmOther::formLoad()
{
    adjustSize();
    CentreForm(this);
}

bool frmOther::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Text || event->type() != QEvent::KeyPress)
        return KzForm::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keys without a character (arrows, Delete, Tab) keep their editing role.
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
        || key->key() == Qt::Key_Delete)
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        OK->click();
        return true;
    }
    if (key->key() == Qt::Key_Backspace)
        return false;
    const QString typed = key->text();
    if (typed.size() == 1 && IsUpper(typed[0])) {
        Text->insert(typed.toLower());
        return true;
    }
    if (typed.size() == 1 && IsLower(typed[0]))
        return false;
    MsgBox(QStringLiteral("助言を参照せよ"));
    return true;
}

bool RunPasswordBox(const QString& expected)
{
    auto& box = widgets::Forms::instance<frmOther>();
    box.Text->clear();
    box.Text->setFocus();
    box.showModal();
    if (box.Text->text() == expected)
        return true;
    MsgBox(QStringLiteral("パスワードが正しくありません"));
    return false;
}

}  // namespace kz
