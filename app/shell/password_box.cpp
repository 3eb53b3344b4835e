#include "shell/password_box.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "host/ui_seam.h"

namespace kz {

namespace {

bool IsLower(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }
bool IsUpper(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

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

class PasswordKeys : public QObject {
public:
    PasswordKeys(QLineEdit* box, QString refusal, std::function<void()> onEnter)
        : QObject(box), box_(box), refusal_(std::move(refusal)), onEnter_(std::move(onEnter))
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != box_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Keys without a character (arrows, Delete, Tab) keep their editing role.
        if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
            || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace)
            return false;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            onEnter_();
            return true;
        }
        const QString typed = key->text();
        if (typed.size() == 1 && IsUpper(typed[0])) {
            box_->insert(typed.toLower());
            return true;
        }
        if (typed.size() == 1 && IsLower(typed[0]))
            return false;
        MsgBox(refusal_);
        return true;
    }

private:
    QLineEdit* box_;
    QString refusal_;
    std::function<void()> onEnter_;
};

}  // namespace

void MakePasswordBox(QLineEdit* box, const QString& refusal, std::function<void()> onEnter)
{
    box->setValidator(new PasswordValidator(box));
    box->installEventFilter(new PasswordKeys(box, refusal, std::move(onEnter)));
}

}  // namespace kz
