#include "entry/frm_search.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "document/cmd_box.h"
#include "host/ui_seam.h"
#include "model/document_events.h"
#include "model/survey.h"
#include "model/workspace.h"
#include "shell/frm_collect.h"
#include "shell/menu_look.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "texts/question_lists.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

namespace {

constexpr Long HelpTopic = 49;

}  // namespace

frmSearch::frmSearch() : KzForm(QStringLiteral("frmSearch"))
{
    setWindowTitle(QStringLiteral("回答の追加"));
    buildControls();
}

void frmSearch::buildControls()
{
    cmbQno = Named(new QComboBox(this), "cmbQno");
    cmbRank = Named(new QComboBox(this), "cmbRank");
    auto* target = new QGroupBox(QStringLiteral("追加先"), this);
    auto* targetLayout = new QVBoxLayout(target);
    targetLayout->addWidget(cmbQno);
    targetLayout->addWidget(cmbRank);
    auto* note = new QLabel(
        QStringLiteral("追加によって回答数が回答可能数を超えた場合は、一番順位が低い回答が削除されます。"), target);
    note->setWordWrap(true);
    targetLayout->addWidget(note);

    auto* answer = new QGroupBox(QStringLiteral("追加する回答"), this);
    optSetCno = Named(new QRadioButton(QStringLiteral("指定の回答を追加"), answer), "optSetCno");
    cmbCno = Named(new QComboBox(answer), "cmbCno");
    txtAddEssay = Named(new QLineEdit(answer), "txtAddEssay");
    optCopyCno = Named(new QRadioButton(QStringLiteral("別の質問の回答をコピーして追加"), answer), "optCopyCno");
    cmbAddQno = Named(new QComboBox(answer), "cmbAddQno");
    txtAlpha = Named(new QLineEdit(QStringLiteral("0"), answer), "txtAlpha");
    UpDown1 = Named(new widgets::SpinButton(txtAlpha, answer), "UpDown1");
    chkCopyNum = Named(new QCheckBox(QStringLiteral("数量回答を"), answer), "chkCopyNum");
    txtSetNumFrom = Named(new QLineEdit(QStringLiteral("0"), answer), "txtSetNumFrom");
    txtSetNumCno = Named(new QLineEdit(QStringLiteral("5"), answer), "txtSetNumCno");
    lblSetNumCno = Named(new QLabel(QStringLiteral("0～5未満を(1)、5～10未満を(2)とします"), answer), "lblSetNumCno");
    optSetCno->setChecked(true);

    auto* grid = new QGridLayout(answer);
    grid->addWidget(optSetCno, 0, 0, 1, 4);
    grid->addWidget(cmbCno, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("記述/数量/ｺｰﾄﾞ(あれば)"), answer), 2, 1);
    grid->addWidget(txtAddEssay, 2, 2, 1, 2);
    grid->addWidget(optCopyCno, 3, 0, 1, 4);
    grid->addWidget(cmbAddQno, 4, 1, 1, 3);
    auto* shift = new QHBoxLayout;
    shift->addWidget(new QLabel(QStringLiteral("選択肢番号を"), answer));
    shift->addWidget(txtAlpha);
    shift->addWidget(UpDown1);
    shift->addWidget(new QLabel(QStringLiteral("だけずらして追加"), answer));
    shift->addStretch();
    grid->addLayout(shift, 5, 1, 1, 3);
    auto* bands = new QHBoxLayout;
    bands->addWidget(chkCopyNum);
    bands->addWidget(txtSetNumFrom);
    bands->addWidget(new QLabel(QStringLiteral("から"), answer));
    bands->addWidget(txtSetNumCno);
    bands->addWidget(new QLabel(QStringLiteral("間隔で記号に変換"), answer));
    bands->addStretch();
    grid->addLayout(bands, 6, 1, 1, 3);
    grid->addWidget(lblSetNumCno, 7, 1, 1, 3);
    grid->setColumnMinimumWidth(0, 16);

    cmdAdd[0] = Named(new QPushButton(QStringLiteral("追加(&A)"), this), "cmdAdd(0)");
    cmdAdd[1] = Named(new QPushButton(QStringLiteral("すべて追加(&W)"), this), "cmdAdd(1)");
    cmdClose = Named(new QPushButton(QStringLiteral("閉じる(&C)"), this), "cmdClose");
    cmdHelpContext = Named(new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this), "cmdHelpContext");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelpContext);
    buttons->addStretch();
    buttons->addWidget(cmdAdd[0]);
    buttons->addWidget(cmdAdd[1]);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(target);
    layout->addWidget(answer);
    layout->addLayout(buttons);

    connect(cmbQno, &QComboBox::currentIndexChanged, this, &frmSearch::targetChosen);
    connect(cmbAddQno, &QComboBox::currentIndexChanged, this, &frmSearch::sourceChosen);
    connect(cmbCno, &QComboBox::activated, optSetCno, [this] { optSetCno->setChecked(true); });
    connect(txtAddEssay, &QLineEdit::textEdited, this, [this] { optSetCno->setChecked(true); });
    connect(txtAlpha, &QLineEdit::textEdited, this, [this] { optCopyCno->setChecked(true); });
    connect(UpDown1, &QAbstractSlider::valueChanged, this, [this](int value) {
        txtAlpha->setText(QString::number(value));
        optCopyCno->setChecked(true);
    });
    connect(optSetCno, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chkCopyNum->setChecked(false);
    });
    connect(chkCopyNum, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            optCopyCno->setChecked(true);
    });
    connect(txtSetNumFrom, &QLineEdit::textEdited, this, &frmSearch::bandTyped);
    connect(txtSetNumCno, &QLineEdit::textEdited, this, &frmSearch::bandTyped);
    connect(cmdAdd[0], &QPushButton::clicked, this, [this] { addClicked(true); });
    connect(cmdAdd[1], &QPushButton::clicked, this, [this] { addClicked(false); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { widgets::Forms::unload(*this); });
    connect(cmdHelpContext, &QPushButton::clicked, this, [] { ShowHelpContext(HelpTopic); });
    connect(&documentEvents(), &DocumentEvents::changed, this, &frmSearch::updateAddButtons);
}

void frmSearch::formLoad()
{
    const Survey& survey = ProgramWorkspace().survey;
    const QStringList questions = FillQuestionList(survey);
    cmbQno->addItems(questions);
    cmbAddQno->addItems(questions);
    cmbQno->setCurrentIndex(0);
    cmbAddQno->setCurrentIndex(0);
    CentreForm(this);
    updateAddButtons();
}

void frmSearch::showEvent(QShowEvent* event)
{
    updateAddButtons();
    KzForm::showEvent(event);
}

void frmSearch::setParentGrid(widgets::KzForm* sheet)
{
    if (sheet)
        ParentGrid.set(*sheet);
    else
        ParentGrid.clear();
    updateAddButtons();
}

ListedSamples* frmSearch::listing() const
{
    auto* listed = dynamic_cast<ListedSamples*>(ParentGrid.get());
    return listed && listed->isListing() ? listed : nullptr;
}

void frmSearch::updateAddButtons()
{
    const bool enabled = listing() && ListedSampleCommandsEnabled(ProgramWorkspace().document);
    for (QPushButton* button : cmdAdd)
        button->setEnabled(enabled);
}

void frmSearch::targetChosen()
{
    const Survey& survey = ProgramWorkspace().survey;
    const Integer q = static_cast<Integer>(cmbQno->currentIndex());
    if (q < 0)
        return;
    cmbCno->clear();
    cmbCno->addItem(survey.Choices(q, 0).Text);
    cmbCno->addItems(FillChoiceList(survey, q));
    cmbCno->setCurrentIndex(1);
    cmbRank->clear();
    cmbRank->addItem(QStringLiteral("回答を追加"));
    const Integer maxAnswers = survey.Questions[q].MaxAnswers;
    for (Integer rank = 1; maxAnswers > 1 && rank <= maxAnswers; ++rank)
        cmbRank->addItem(QString::number(rank) + QStringLiteral("位の回答を変更"));
    cmbRank->setCurrentIndex(0);
}

void frmSearch::sourceChosen()
{
    const Survey& survey = ProgramWorkspace().survey;
    const Integer q = static_cast<Integer>(cmbAddQno->currentIndex());
    if (q >= 0)
        UpDown1->setMaximum(survey.Questions[q].ChoiceCount - 1);
}

void frmSearch::bandTyped()
{
    if (const std::optional<Band> band = ReadBand(txtSetNumFrom->text(), txtSetNumCno->text()))
        lblSetNumCno->setText(BandText(*band));
    optCopyCno->setChecked(true);
}

AnswerAdditionForm frmSearch::form()
{
    AnswerAdditionForm form;
    form.Qno = static_cast<Integer>(std::max(cmbQno->currentIndex(), 0));
    form.Rank = static_cast<Integer>(std::max(cmbRank->currentIndex(), 0));
    form.copy = optCopyCno->isChecked();
    form.Cno = static_cast<Integer>(std::max(cmbCno->currentIndex(), 0));
    form.AddEssay = txtAddEssay->text();
    form.AddQno = static_cast<Integer>(std::max(cmbAddQno->currentIndex(), 0));
    form.Alpha = txtAlpha->text();
    form.CopyNum = chkCopyNum->isChecked();
    form.SetNumFrom = txtSetNumFrom->text();
    form.SetNumCno = txtSetNumCno->text();
    return form;
}

void frmSearch::dropBands() { chkCopyNum->setChecked(false); }

void frmSearch::addClicked(bool askEach)
{
    ListedSamples* listed = listing();
    if (!listed) {
        Beep();
        updateAddButtons();
        return;
    }
    if (!askEach
        && MsgBox(QStringLiteral("警告：すべてのサンプルに回答が追加されます。よろしいですか？"),
                  vbOKCancel | vbInformation | vbDefaultButton2)
               != vbOK)
        return;
    if (!AskCheckOptions())
        return;
    AddAnswersToListed(ProgramWorkspace(), *listed, askEach, *this);
    widgets::Forms::unload(*this);
}

}  // namespace kz
