#include "tabulation/frm_word.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "shell/useful_controls.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

namespace {

constexpr int MaxWords = 16;

}  // namespace

frmWord::frmWord() : KzForm(QStringLiteral("frmWord"))
{
    setWindowTitle(QStringLiteral("記述文の検索"));
    lblInfo =
        Named(new QLabel(QStringLiteral("記述文の中から検索する単語・文を入力してください。"), this), "lblInfo");
    lblWord = Named(new QLabel(QStringLiteral("単語・文(&W)"), this), "lblWord");
    txtWord = Named(new QLineEdit(this), "txtWord");
    lblWord->setBuddy(txtWord);
    lblList = Named(new QLabel(QStringLiteral("検索する語(&S)"), this), "lblList");
    lstWord = Named(new QListWidget(this), "lstWord");
    lblList->setBuddy(lstWord);
    cmdAdd = Named(new QPushButton(QStringLiteral("追加(&A)"), this), "cmdAdd");
    cmdDel = Named(new QPushButton(QStringLiteral("削除(&D)"), this), "cmdDel");
    cmdAllDel = Named(new QPushButton(QStringLiteral("全て削除(&T)"), this), "cmdAllDel");
    cmdDo = Named(new QPushButton(QStringLiteral("検索開始(&S)"), this), "cmdDo");
    cmdCancel = Named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "cmdCancel");

    auto* grid = new QGridLayout;
    grid->addWidget(lblWord, 0, 0);
    grid->addWidget(txtWord, 0, 1);
    grid->addWidget(cmdAdd, 0, 2);
    grid->addWidget(lblList, 1, 0, Qt::AlignTop);
    grid->addWidget(lstWord, 1, 1, 3, 1);
    grid->addWidget(cmdDel, 1, 2);
    grid->addWidget(cmdAllDel, 2, 2, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDo);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInfo);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(cmdAdd, &QPushButton::clicked, this, &frmWord::addLine);
    connect(cmdDel, &QPushButton::clicked, this, &frmWord::deleteLine);
    connect(cmdAllDel, &QPushButton::clicked, this, &frmWord::deleteAll);
    connect(cmdDo, &QPushButton::clicked, this, &frmWord::start);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        cmdCancel->setEnabled(false);
        hide();
    });
    connect(txtWord, &QLineEdit::textEdited, this, &frmWord::wordEdited);
    connect(lstWord, &QListWidget::itemClicked, this, &frmWord::lineChosen);
    txtWord->installEventFilter(this);
    setCancelButton(cmdCancel);
    resize(420, 300);
}

void frmWord::formLoad() { CentreForm(this); }

bool frmWord::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the word adds a line and goes no further.
    if (watched == txtWord && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            addLine();
            return true;
        }
    }
    return KzForm::eventFilter(watched, event);
}

void frmWord::addLine()
{
    if (lstWord->count() >= MaxWords)
        return;
    lstWord->addItem(QString());
    lstWord->setCurrentRow(lstWord->count() - 1);
    txtWord->clear();
    txtWord->setFocus();
}

void frmWord::deleteLine()
{
    QListWidgetItem* line = lstWord->currentItem();
    if (!line)
        return;
    txtWord->clear();
    delete line;
    if (lstWord->count() == 0)
        deleteAll();
}

void frmWord::deleteAll()
{
    lstWord->clear();
    lstWord->addItem(QString());
    lstWord->setCurrentRow(0);
    txtWord->clear();
}

void frmWord::start()
{
    for (int i = 0; i < lstWord->count();) {
        if (lstWord->item(i)->text().isEmpty())
            delete lstWord->item(i);
        else
            ++i;
    }
    hide();
}

void frmWord::wordEdited(const QString& text)
{
    if (QListWidgetItem* line = lstWord->currentItem())
        line->setText(text);
}

void frmWord::lineChosen()
{
    if (QListWidgetItem* line = lstWord->currentItem())
        txtWord->setText(line->text());
}

bool AskSearchWords(QStringList& words)
{
    if (auto* old = widgets::Forms::loaded<frmWord>())
        widgets::Forms::unload(*old);
    auto& box = widgets::Forms::instance<frmWord>();
    box.lstWord->clear();
    box.lstWord->addItems(words.mid(0, MaxWords));
    if (box.lstWord->count() == 0)
        box.lstWord->addItem(QString());
    box.lstWord->setCurrentRow(0);
    box.txtWord->setText(box.lstWord->item(0)->text());
    box.showModal();
    QStringList chosen;
    for (int i = 0; i < box.lstWord->count() && i < MaxWords; ++i)
        chosen << box.lstWord->item(i)->text();
    const bool cancelled = !box.cmdCancel->isEnabled();
    widgets::Forms::unload(box);
    if (cancelled || chosen.isEmpty())
        return false;
    words = chosen;
    return true;
}

}  // namespace kz
