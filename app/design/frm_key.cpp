#include "design/frm_key.h"

#include <QLabel>
#include <QVBoxLayout>

#include "document/menu_state.h"
#include "host/ui_seam.h"
#include "model/document.h"
#include "model/document_events.h"
#include "model/survey.h"
#include "shell/frm_other.h"
#include "shell/menu_look.h"
#include "shell/password_box.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

namespace {

// The most letters a password may have.
constexpr qsizetype MaxPasswordLength = 32;

}  // namespace

frmKey::frmKey() : KzForm(QStringLiteral("frmKey"))
{
    setWindowTitle(QStringLiteral("データ隠蔽"));
    buildControls();
    connect(&documentEvents(), &DocumentEvents::changed, this, &frmKey::showLockState);
}

void frmKey::buildControls()
{
    LockF = Named(new QGroupBox(QStringLiteral("施錠"), this), QStringLiteral("LockF"));
    auto* lblLevel = new QLabel(QStringLiteral("セキュリティーレベル"), LockF);
    const std::array<QString, 3> levels = {QStringLiteral("見るのも変えるのも自由"), QStringLiteral("見るだけ"),
                                           QStringLiteral("見ることもできない")};
    Lock = Named(new QPushButton(QStringLiteral("施錠(&L)"), LockF), QStringLiteral("Lock"));
    auto* lockRows = new QVBoxLayout(LockF);
    lockRows->addWidget(lblLevel);
    for (size_t i = 0; i < levels.size(); ++i) {
        LV[i] = Named(new QRadioButton(levels[i], LockF), QStringLiteral("LV(%1)").arg(i));
        lockRows->addWidget(LV[i]);
        connect(LV[i], &QRadioButton::clicked, this, [this, i] { chooseLevel(static_cast<int>(i)); });
    }
    lockRows->addWidget(Lock, 0, Qt::AlignRight);

    UnlockF = Named(new QGroupBox(QStringLiteral("鍵をはずす"), this), QStringLiteral("UnlockF"));
    auto* lblWord = new QLabel(QStringLiteral("パスワードを入力してください"), UnlockF);
    Word = Named(new QLineEdit(UnlockF), QStringLiteral("Word"));
    Unlock = Named(new QPushButton(QStringLiteral("解錠(&U)"), UnlockF), QStringLiteral("Unlock"));
    auto* unlockRows = new QVBoxLayout(UnlockF);
    unlockRows->addWidget(lblWord);
    unlockRows->addWidget(Word);
    unlockRows->addWidget(Unlock, 0, Qt::AlignRight);

    ChangeF = Named(new QGroupBox(QStringLiteral("パスワードの変更"), this), QStringLiteral("ChangeF"));
    auto* lblNewWord = new QLabel(QStringLiteral("希望のパスワードを入力してください"), ChangeF);
    NewWord = Named(new QLineEdit(ChangeF), QStringLiteral("NewWord"));
    ChangeKey = Named(new QPushButton(QStringLiteral("実行(&E)"), ChangeF), QStringLiteral("ChangeKey"));
    auto* changeRows = new QVBoxLayout(ChangeF);
    changeRows->addWidget(lblNewWord);
    changeRows->addWidget(NewWord);
    changeRows->addWidget(ChangeKey, 0, Qt::AlignRight);

    Close = Named(new QPushButton(QStringLiteral("閉じる(&C)"), this), QStringLiteral("Close"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LockF);
    layout->addWidget(UnlockF);
    layout->addWidget(ChangeF);
    layout->addWidget(Close, 0, Qt::AlignRight);

    MakePasswordBox(Word, QStringLiteral("パスワードはすべて半角英６文字です"), [this] { Unlock->click(); });
    MakePasswordBox(NewWord, QStringLiteral("パスワードはすべて半角英文字です"), [this] { ChangeKey->click(); });
    connect(Lock, &QPushButton::clicked, this, [] { LockMenus(ProgramWorkspace().document); });
    connect(Unlock, &QPushButton::clicked, this, &frmKey::unlock);
    connect(ChangeKey, &QPushButton::clicked, this, &frmKey::changeKey);
    connect(Close, &QPushButton::clicked, this, &QWidget::hide);
}

void frmKey::formLoad()
{
    showLockState();
    CentreForm(this);
}

void frmKey::formQueryClose(bool& cancel)
{
    // The window stays loaded: its frame only hides it, as Close does.
    cancel = true;
    hide();
}

void frmKey::showLockState()
{
    const DocumentState& document = ProgramWorkspace().document;
    const KeyWindowFrames look = KeyWindowLook(document);
    LockF->setVisible(look.LockF);
    UnlockF->setVisible(look.UnlockF);
    ChangeF->setVisible(look.ChangeF);
    if (look.LV >= 0 && look.LV < static_cast<Integer>(LV.size()))
        LV[static_cast<size_t>(look.LV)]->setChecked(true);
    adjustSize();
}

void frmKey::chooseLevel(int level)
{
    DocumentState& document = ProgramWorkspace().document;
    document.ProtectLevel = static_cast<Integer>(level);
    SetModified(document);
}

void frmKey::unlock()
{
    const Survey& survey = ProgramWorkspace().survey;
    DocumentState& document = ProgramWorkspace().document;
    if (Word->text() == survey.Password)
        UnlockMenus(document);
    else
        MsgBox(QStringLiteral("パスワードが間違っています"));
    Word->clear();
}

void frmKey::changeKey()
{
    Survey& survey = ProgramWorkspace().survey;
    DocumentState& document = ProgramWorkspace().document;
    if (NewWord->text().size() > MaxPasswordLength) {
        MsgBox(QStringLiteral("パスワードの字数が多すぎます（半角英文字32字以内でなければいけません）"));
        return;
    }
    const QString old = survey.Password;
    survey.Password = NewWord->text();
    MsgBox(QStringLiteral("もう一度新しいパスワードを入力してください"));
    if (AskPasswordText() == survey.Password) {
        MsgBox(QStringLiteral("合っています。パスワードを変更しました。"));
        SetModified(document);
    } else {
        MsgBox(QStringLiteral("間違っています。パスワードを元に戻します。"));
        survey.Password = old;
    }
    NewWord->clear();
}

}  // namespace kz
