#include "frm_question.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "conditions/condition_arrays.h"
#include "conditions/condition_texts.h"
#include "conditions/limit_depths.h"
#include "design/choice_entry.h"
#include "design/essay_coding.h"
#include "design/question_rules.h"
#include "design/structure_finish.h"
#include "document/cmd_box.h"
#include "document/document.h"
#include "document/useful.h"
#include "frm_auto_q.h"
#include "frm_collect.h"
#include "frm_q_anum.h"
#include "host/ui_seam.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "runtime/cp932.h"
#include "runtime/val.h"
#include "texts/choice_texts.h"
#include "texts/question_lists.h"
#include "texts/question_texts.h"
#include "useful_controls.h"
#include "widgets/forms.h"
#include "window_services.h"

namespace kz {

using widgets::Forms;

namespace {

constexpr Long HelpTopic = 32;
const QString EndRow = QStringLiteral("以上↑");
const QString AskDelete = QStringLiteral("本当に削除して構いませんか？");

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel* Label(const QString& name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLabel* ValueLabel(const QString& name, QWidget* parent)
{
    QLabel* label = Label(name, {}, parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

Integer ChoiceCountOf(Integer q) { return survey.Questions[static_cast<size_t>(q)].ChoiceCount; }

}  // namespace

frmQuestion::frmQuestion() : KzForm(QStringLiteral("frmQuestion"))
{
    setWindowTitle(QStringLiteral("質問と選択肢の設定"));
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* editing = new QHBoxLayout(Frame1);
    editing->setContentsMargins(0, 0, 0, 0);
    editing->addLayout(buildQuestionPart(), 1);
    editing->addWidget(buildChoicePart(), 1);

    cmdDo = Button(QStringLiteral("cmdDo"), QStringLiteral("終了(&X)"), this);
    cmdCancel = Button(QStringLiteral("cmdCancel"), QStringLiteral("キャンセル"), this);
    cmdHelpContext = Button(QStringLiteral("cmdHelpContext"), QStringLiteral("ヘルプ(&H)"), this);
    lblChanged = Label(QStringLiteral("lblChanged"), QStringLiteral("要回答チェック"), this);
    lblChanged->setStyleSheet(QStringLiteral("color: red"));
    lblChanged->hide();
    lblAuto = new CommandLabel(QStringLiteral("lblAuto"), this);
    lblAuto->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblChanged);
    buttons->addStretch();
    buttons->addWidget(cmdDo);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelpContext);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(cmdDo, &QPushButton::clicked, this, &frmQuestion::cmdDo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmQuestion::cmdCancel_Click);
    connect(cmdHelpContext, &QPushButton::clicked, this, [] { ShowHelpContext(HelpTopic); });
    connect(lblAuto, &CommandLabel::captionChanged, this, &frmQuestion::lblAuto_Change);
    // Leaving by the frame or Esc is Cancel: the samples were not converted,
    // so the edited structure must not stay.
    setCancelButton(cmdCancel);
}

frmQuestion::~frmQuestion() = default;

QLayout* frmQuestion::buildQuestionPart()
{
    lstQno = new QListWidget(Frame1);
    lstQno->setObjectName(QStringLiteral("lstQno"));
    Label8 = Label(QStringLiteral("Label8"), QStringLiteral("質問番号"), Frame1);
    lblQno = ValueLabel(QStringLiteral("lblQno"), Frame1);
    InsertQuestion = Button(QStringLiteral("InsertQuestion"), QStringLiteral("質問挿入(&Q)"), Frame1);
    DeleteQuestion = Button(QStringLiteral("DeleteQuestion"), QStringLiteral("質問削除(&R)"), Frame1);
    Label1 = Label(QStringLiteral("Label1"), QStringLiteral("質問名(Q):"), Frame1);
    const QString textCaptions[] = {QStringLiteral("質問文(&S):"), QStringLiteral("限定文(&L):"),
                                    QStringLiteral("←空白の場合、自動的に付けられます")};
    for (int i = 0; i < 3; ++i) {
        Label3[i] = Label(QStringLiteral("Label3(%1)").arg(i), textCaptions[i], Frame1);
        QuesText[i] = new QLineEdit(Frame1);
        QuesText[i]->setObjectName(QStringLiteral("QuesText(%1)").arg(i));
        SelectAllOnEntry(QuesText[i]);
        QuesText[i]->installEventFilter(this);
    }
    Label1->setBuddy(QuesText[0]);
    Label3[0]->setBuddy(QuesText[1]);
    Label3[1]->setBuddy(QuesText[2]);
    Label6 = Label(QStringLiteral("Label6"), QStringLiteral("限定条件:"), Frame1);
    lblQLimit = ValueLabel(QStringLiteral("lblQLimit"), Frame1);
    lblQLimit->setWordWrap(true);
    lblQLimit->setCursor(Qt::PointingHandCursor);
    lblQLimit->installEventFilter(this);
    Label12 = Label(QStringLiteral("Label12"), QStringLiteral("階層:"), Frame1);
    cmdDirUp = Button(QStringLiteral("cmdDirUp"), QStringLiteral("上げる(&U)"), Frame1);
    cmdDirDown = Button(QStringLiteral("cmdDirDown"), QStringLiteral("下げる(&D)"), Frame1);
    Label2 = Label(QStringLiteral("Label2"), QStringLiteral("回答可能数:"), Frame1);
    lblAnum = ValueLabel(QStringLiteral("lblAnum"), Frame1);
    lblAnum->setText(QStringLiteral("1"));
    cmdQAnum = Button(QStringLiteral("cmdQAnum"), QStringLiteral("変更(&N)"), Frame1);
    Label5 = Label(QStringLiteral("Label5"), QStringLiteral("選択肢記号:"), Frame1);
    const QString styles[] = {QStringLiteral("0-127"), QStringLiteral("0,1-9,a-z"), QStringLiteral("0,ｱ-ﾛ,ﾜ,ﾝ"),
                              QStringLiteral("0,A-Z")};
    auto* styleRow = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        optChr[i] = new QRadioButton(styles[i], Frame1);
        optChr[i]->setObjectName(QStringLiteral("optChr(%1)").arg(i));
        styleRow->addWidget(optChr[i]);
        connect(optChr[i], &QRadioButton::clicked, this, [this, i] { optChr_Click(i); });
    }

    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(Label8);
    numberRow->addWidget(lblQno, 1);
    numberRow->addWidget(InsertQuestion);
    numberRow->addWidget(DeleteQuestion);
    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(QuesText[0], 0, 1, 1, 3);
    fields->addWidget(Label3[0], 1, 0);
    fields->addWidget(QuesText[1], 1, 1, 1, 3);
    fields->addWidget(Label3[1], 2, 0);
    fields->addWidget(QuesText[2], 2, 1, 1, 3);
    fields->addWidget(Label3[2], 3, 1, 1, 3);
    fields->addWidget(Label6, 4, 0);
    fields->addWidget(lblQLimit, 4, 1, 1, 3);
    fields->addWidget(Label12, 5, 0);
    fields->addWidget(cmdDirUp, 5, 1);
    fields->addWidget(cmdDirDown, 5, 2);
    fields->addWidget(Label2, 6, 0);
    fields->addWidget(lblAnum, 6, 1);
    fields->addWidget(cmdQAnum, 6, 2);
    fields->addWidget(Label5, 7, 0);
    fields->addLayout(styleRow, 7, 1, 1, 3);
    auto* part = new QVBoxLayout;
    part->addWidget(lstQno, 1);
    part->addLayout(numberRow);
    part->addLayout(fields);

    connect(lstQno, &QListWidget::currentRowChanged, this, [this] { lstQno_Click(); });
    connect(InsertQuestion, &QPushButton::clicked, this, &frmQuestion::InsertQuestion_Click);
    connect(DeleteQuestion, &QPushButton::clicked, this, &frmQuestion::DeleteQuestion_Click);
    connect(cmdDirUp, &QPushButton::clicked, this, &frmQuestion::cmdDirUp_Click);
    connect(cmdDirDown, &QPushButton::clicked, this, &frmQuestion::cmdDirDown_Click);
    connect(cmdQAnum, &QPushButton::clicked, this, &frmQuestion::cmdQAnum_Click);
    for (QLineEdit* box : QuesText)
        connect(box, &QLineEdit::editingFinished, this, &frmQuestion::QuesText_LostFocus);
    return part;
}

QFrame* frmQuestion::buildChoicePart()
{
    frameChoice = new QFrame(Frame1);
    frameChoice->setObjectName(QStringLiteral("frameChoice"));
    lstCno = new QListWidget(frameChoice);
    lstCno->setObjectName(QStringLiteral("lstCno"));
    Label9 = Label(QStringLiteral("Label9"), QStringLiteral("選択肢番号"), frameChoice);
    lblCno = ValueLabel(QStringLiteral("lblCno"), frameChoice);
    InsertChoice = Button(QStringLiteral("InsertChoice"), QStringLiteral("選択肢挿入(&C)"), frameChoice);
    DeleteChoice = Button(QStringLiteral("DeleteChoice"), QStringLiteral("選択肢削除(&M)"), frameChoice);
    cmdAuto = Button(QStringLiteral("cmdAuto"), QStringLiteral("一括入力(&A)"), frameChoice);
    Label4 = Label(QStringLiteral("Label4"), QStringLiteral("選択肢文(&C):"), frameChoice);
    ChoiceText = new QLineEdit(frameChoice);
    ChoiceText->setObjectName(QStringLiteral("ChoiceText"));
    ChoiceText->setMaxLength(128);
    SelectAllOnEntry(ChoiceText);
    Label4->setBuddy(ChoiceText);
    Label7 = Label(QStringLiteral("Label7"), QStringLiteral("属性(&P):"), frameChoice);
    const QString attrs[] = {QStringLiteral("記述付き(&E)"),   QStringLiteral("数量付き(&N)"),
                             QStringLiteral("排他(&C)"),       QStringLiteral("その他(&O)"),
                             QStringLiteral("コード付き(&D)"), QStringLiteral("複数選択(&M)")};
    auto* attrGrid = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        chkStatus[i] = new QCheckBox(attrs[i], frameChoice);
        chkStatus[i]->setObjectName(QStringLiteral("chkStatus(%1)").arg(i));
        attrGrid->addWidget(chkStatus[i], i / 3, i % 3);
        connect(chkStatus[i], &QCheckBox::toggled, this, [this, i] { chkStatus_Click(i); });
    }
    Label7->setBuddy(chkStatus[0]);
    cmdAllMulti = Button(QStringLiteral("cmdAllMulti"), QStringLiteral("全てに適用(&A)"), frameChoice);
    attrGrid->addWidget(cmdAllMulti, 2, 2);

    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(Label9);
    numberRow->addWidget(lblCno, 1);
    numberRow->addWidget(InsertChoice);
    numberRow->addWidget(DeleteChoice);
    numberRow->addWidget(cmdAuto);
    auto* part = new QVBoxLayout(frameChoice);
    part->setContentsMargins(0, 0, 0, 0);
    part->addWidget(lstCno, 1);
    part->addLayout(numberRow);
    part->addWidget(Label4);
    part->addWidget(ChoiceText);
    part->addWidget(Label7);
    part->addLayout(attrGrid);

    connect(lstCno, &QListWidget::currentRowChanged, this, [this] { lstCno_Click(); });
    connect(InsertChoice, &QPushButton::clicked, this, &frmQuestion::InsertChoice_Click);
    connect(DeleteChoice, &QPushButton::clicked, this, &frmQuestion::DeleteChoice_Click);
    connect(cmdAuto, &QPushButton::clicked, this, &frmQuestion::cmdAuto_Click);
    connect(cmdAllMulti, &QPushButton::clicked, this, &frmQuestion::cmdAllMulti_Click);
    connect(ChoiceText, &QLineEdit::editingFinished, this, &frmQuestion::ChoiceText_LostFocus);
    connect(ChoiceText, &QLineEdit::returnPressed, lstCno, qOverload<>(&QWidget::setFocus));
    return frameChoice;
}

void frmQuestion::formLoad()
{
    CentreForm(this);
    windows().unloadEntryWindow();
    windows().unloadTotal();
    windows().unloadQuestionList();
    edit_ = std::make_unique<StructureEdit>();
    OpenStructureEdit(*edit_);
    fillQuestionRows();
    selectQuestion(0);
}

void frmQuestion::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const Integer q = CurrentQuestion();
        if (event->key() == Qt::Key_Up && q > 0) {
            selectQuestion(static_cast<Integer>(q - 1));
            return;
        }
        if (event->key() == Qt::Key_Down && q < survey.QuestionCount - 1) {
            selectQuestion(static_cast<Integer>(q + 1));
            return;
        }
    }
    KzForm::keyPressEvent(event);
}

// Enter walks the three question boxes and then on to the next question;
// a click on the condition edits it.
bool frmQuestion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblQLimit && event->type() == QEvent::MouseButtonRelease) {
        if (realQuestion(CurrentQuestion()))
            lblQLimit_Click();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        for (int i = 0; i < 3; ++i) {
            if (watched != QuesText[i])
                continue;
            if (!realQuestion(CurrentQuestion()))
                return true;
            if (i < 2) {
                QuesText[i + 1]->setFocus();
            } else {
                QuesText_LostFocus();
                lstQno->setFocus();
                selectQuestion(static_cast<Integer>(CurrentQuestion() + 1));
            }
            return true;
        }
    }
    return false;
}

Integer frmQuestion::CurrentQuestion() const { return static_cast<Integer>(Val(lblQno->text()) - 1); }

Integer frmQuestion::CurrentChoice() const { return static_cast<Integer>(Val(lblCno->text())); }

bool frmQuestion::realQuestion(Integer q) const { return q >= 0 && q < survey.QuestionCount; }

bool frmQuestion::realChoice(Integer q, Integer c) const { return realQuestion(q) && c >= 1 && c < ChoiceCountOf(q); }

// Rewrites the tree (which also recomputes the depths) and the end row,
// keeping the selected row.
void frmQuestion::fillQuestionRows()
{
    QStringList rows;
    for (int i = 0; i < survey.QuestionCount; ++i)
        rows << QString();
    FillQuestionTree(rows, 0);
    const QSignalBlocker quiet(lstQno);
    const int row = lstQno->currentRow();
    lstQno->clear();
    lstQno->addItems(rows);
    lstQno->addItem(EndRow);
    lstQno->setCurrentRow(row);
}

void frmQuestion::selectQuestion(Integer q)
{
    const QSignalBlocker quiet(lstQno);
    lstQno->setCurrentRow(std::min<int>(q, lstQno->count() - 1));
    lstQno_Click();
}

void frmQuestion::lstQno_Click()
{
    const int row = lstQno->currentRow();
    lblQno->setText(QString::number(row + 1));
    const Integer q = static_cast<Integer>(row);
    if (!realQuestion(q)) {
        for (QLineEdit* box : QuesText)
            box->clear();
        lstCno->clear();
        frameChoice->hide();
        return;
    }
    QuesText[0]->setText(QuestionLabel(q));
    QuesText[1]->setText(QuestionText(q));
    QuesText[2]->setText(QuestionLimitText(q, false));
    frameChoice->show();
    {
        const QSignalBlocker quiet(optChr[0]);
        optChr[static_cast<size_t>(survey.Questions[q].CodeStyle & 3)]->setChecked(true);
    }
    {
        const QSignalBlocker quiet(lstCno);
        lstCno->clear();
        lstCno->addItem(QuestionLabel(q) + QStringLiteral("の選択肢↓"));
        lstCno->addItems(FillChoiceList(q));
        lstCno->addItem(EndRow);
        lstCno->setCurrentRow(std::min(1, lstCno->count() - 1));
    }
    lstCno_Click();
    lblQLimit->setText(ConditionText(survey.QuestionLimit[q], true));
    showAnswerCount();
}

void frmQuestion::lstCno_Click()
{
    const int row = lstCno->currentRow();
    lblCno->setText(QString::number(row));
    const Integer q = CurrentQuestion();
    const Integer c = static_cast<Integer>(row);
    if (realChoice(q, c)) {
        ChoiceText->setText(survey.Choices(q, c).Text);
        for (int i = 0; i < 6; ++i)
            setBox(i, ChoiceHasAttr(q, c, static_cast<Integer>(i)) != 0);
    } else {
        ChoiceText->clear();
        setBox(AttrEssay, false);
    }
}

// Sets a box as code does: the attribute rules see the box already showing
// the stored bit and do nothing.
void frmQuestion::setBox(int index, bool on) { chkStatus[static_cast<size_t>(index)]->setChecked(on); }

void frmQuestion::refreshChoiceRow(Integer q, Integer c)
{
    if (QListWidgetItem* item = lstCno->item(c))
        item->setText(ChoiceLabel(q, c, true, true));
}

void frmQuestion::showAnswerCount()
{
    lblAnum->setText(QString::number(survey.Questions[static_cast<size_t>(CurrentQuestion())].MaxAnswers)
                     + QStringLiteral("つまで"));
}

bool frmQuestion::ConfirmSampleChange()
{
    if (edit_->changed || SampleCount() < 1)
        return true;
    return MsgBox(
               QStringLiteral("この操作をするとサンプルデータを修正しなくてはいけません。修正には時間がかかります。"
                              "操作を続けますか？"),
               vbOKCancel)
           == vbOK;
}

void frmQuestion::markChanged(bool numbering)
{
    edit_->changed = true;
    if (numbering)
        edit_->numberingChanged = true;
    lblChanged->setVisible(SampleCount() >= 1);
}

void frmQuestion::QuesText_LostFocus()
{
    const Integer q = CurrentQuestion();
    if (!realQuestion(q))
        return;
    survey.Questions[q].Text = JoinQuestionText(QuesText[0]->text(), QuesText[1]->text(), QuesText[2]->text());
    fillQuestionRows();
}

void frmQuestion::ChoiceText_LostFocus()
{
    const Integer q = CurrentQuestion();
    const Integer c = CurrentChoice();
    if (!realChoice(q, c))
        return;
    survey.Choices(q, c).Text = ChoiceText->text();
    refreshChoiceRow(q, c);
}

void frmQuestion::InsertQuestion_Click()
{
    const Integer q = CurrentQuestion();
    if (survey.QuestionCount >= MaxQuestions) {
        MsgBox(QStringLiteral("これ以上質問は作れません"), vbExclamation);
        return;
    }
    if (!ConfirmSampleChange())
        return;
    QString text;
    if (!InputBoxEx(QStringLiteral("挿入する質問の選択肢数"), QStringLiteral("選択肢数="),
                    QStringLiteral("1～127,｢無回答｣を数えない"),
                    QStringLiteral("すでにある質問をコピーする時は何も入力せずにOKを押してください"), text))
        return;
    Integer style = 0;
    if (text.isEmpty()) {
        Integer source = QBoxSelect(QStringLiteral("どの質問をコピーしますか"), 0);
        if (source < 0)
            return;
        markChanged(true);
        ShiftStructure(*edit_, q, -1, +1);
        if (source >= q)
            ++source;
        survey.Questions[q] = survey.Questions[source];
        for (Integer c = 0; c < ChoiceCountOf(source); ++c)
            survey.Choices(q, c) = survey.Choices(source, c);
        survey.QuestionLimit[q] = survey.QuestionLimit[source];
        style = survey.Questions[q].CodeStyle;
    } else {
        const std::optional<Integer> count = NewChoiceCount(text);
        if (!count)
            return;
        markChanged(true);
        ShiftStructure(*edit_, q, -1, +1);
        style = MakeNewQuestion(q, *count);
    }
    fillQuestionRows();
    applyCodeStyle(style);
    selectQuestion(q);
    if (SampleCount() >= 1)
        MsgBox(QStringLiteral("お知らせ\r\n")
                   + QStringLiteral("　既に入力してあるサンプルの新しい質問での回答は全員『(0)無回答』になります。"),
               vbInformation);
    QuesText[0]->setFocus();
}

void frmQuestion::DeleteQuestion_Click()
{
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || survey.QuestionCount == 1)
        return;
    if (MsgBox(AskDelete, vbOKCancel | vbExclamation) != vbOK || !ConfirmSampleChange())
        return;
    markChanged(true);
    ShiftStructure(*edit_, q, -1, -1);
    fillQuestionRows();
    selectQuestion(q);
}

void frmQuestion::InsertChoice_Click()
{
    const Integer q = CurrentQuestion();
    const Integer c = CurrentChoice();
    if (!realQuestion(q) || c < 1 || c > ChoiceCountOf(q) || ChoiceCountOf(q) >= MaxChoices)
        return;
    if (!ConfirmSampleChange())
        return;
    markChanged(true);
    ++survey.Questions[q].ChoiceCount;
    ShiftStructure(*edit_, q, c, +1);
    survey.Choices(q, c) = ChoiceRec{};
    const Integer style = survey.Questions[q].CodeStyle;
    survey.Questions[q].CodeStyle = 0;
    fillQuestionRows();
    applyCodeStyle(style);
    selectQuestion(q);
    lstCno->setCurrentRow(c);
}

void frmQuestion::DeleteChoice_Click()
{
    const Integer q = CurrentQuestion();
    const Integer c = CurrentChoice();
    if (!realChoice(q, c) || ChoiceCountOf(q) == 2)
        return;
    if (MsgBox(AskDelete, vbOKCancel | vbExclamation) != vbOK || !ConfirmSampleChange())
        return;
    markChanged(true);
    --survey.Questions[q].ChoiceCount;
    ShiftStructure(*edit_, q, c, -1);
    fillQuestionRows();
    selectQuestion(q);
    lstCno->setCurrentRow(c);
}

// The symbol set chosen for the current question, kept only when its
// choices fit it.
void frmQuestion::applyCodeStyle(Integer style)
{
    const Integer q = CurrentQuestion();
    if (!realQuestion(q))
        return;
    survey.Questions[q].CodeStyle = FittingCodeStyle(style, ChoiceCountOf(q));
}

void frmQuestion::optChr_Click(int index)
{
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || survey.Questions[q].CodeStyle == index)
        return;
    applyCodeStyle(static_cast<Integer>(index));
    selectQuestion(q);
}

void frmQuestion::chkStatus_Click(int index)
{
    const Integer q = CurrentQuestion();
    const Integer c = CurrentChoice();
    const auto bit = static_cast<Integer>(index);
    const bool ticked = chkStatus[static_cast<size_t>(index)]->isChecked();
    if (!realChoice(q, c) || ticked == (ChoiceHasAttr(q, c, bit) != 0))
        return;
    if (bit == AttrEssay || bit == AttrExclusive) {
        if (!ConfirmSampleChange()) {
            if (bit == AttrEssay && ticked) {
                setBox(AttrQuantity, false);
                setBox(AttrCoded, false);
            }
            setBox(index, !ticked);
            return;
        }
        markChanged(false);
    }
    ToggleChoiceAttr(q, c, bit);
    if (bit == AttrEssay && !ticked) {
        setBox(AttrQuantity, false);
        setBox(AttrCoded, false);
    }
    if ((bit == AttrQuantity || bit == AttrCoded) && ticked) {
        setBox(AttrEssay, true);
        // Declined at the sample question: the box was set back.
        if (ChoiceHasAttr(q, c, bit) == 0) {
            refreshChoiceRow(q, c);
            return;
        }
    }
    if (bit == AttrQuantity && ticked) {
        setBox(AttrCoded, false);
        askQuantityBounds(q, c);
    }
    if (bit == AttrCoded && ticked) {
        setBox(AttrQuantity, false);
        chooseCodeTable(q, c);
    }
    if (bit == AttrCoded && !ticked) {
        survey.Choices(q, c).CodeFile.clear();
        if (!lblChanged->isHidden())
            MsgBox(QStringLiteral("コードを消すのは要回答チェックが表示されていない時だけ出来ます。"));
        else if (MsgBox(QStringLiteral("コ－ドを消しますか？"), vbYesNo) == vbYes)
            AssignEssayCodes(q, c, EssayCoding::RemoveCodes);
    }
    if (bit == AttrOther && ticked)
        offerOtherSwap(q, c);
    refreshChoiceRow(q, c);
}

void frmQuestion::askQuantityBounds(Integer q, Integer c)
{
    ChoiceRec& choice = survey.Choices(q, c);
    QString text = QString::number(choice.Low);
    if (InputBoxEx(QStringLiteral("数量の条件"), QStringLiteral("最小値は"), {}, {}, text))
        choice.Low = Val(text);
    text = QString::number(choice.High);
    if (InputBoxEx(QStringLiteral("数量の条件"), QStringLiteral("最大値は"),
                   QString::number(choice.Low) + QStringLiteral("～"), {}, text))
        choice.High = Val(text);
    std::tie(choice.Low, choice.High) = OrderedBounds(choice.Low, choice.High);
}

void frmQuestion::chooseCodeTable(Integer q, Integer c)
{
    const QString path = FileDialog({}, QStringLiteral("全てのﾌｧｲﾙ|*.*|"), 0);
    if (path.isEmpty())
        return;
    QString name = path;
    if (PathFolder(path) == PathFolder(document.CurrentFilePath)
        && MsgBox(QStringLiteral("コード表ﾌｧｲﾙは常にアンケートファイルと同じディレクトリに在るとしますか？"), vbYesNo)
               == vbYes)
        name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(QStringLiteral("コード表ファイルを読めません : ") + path, vbExclamation);
        return;
    }
    const QStringList lines = FromCp932(file.readAll()).split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (const std::optional<QString> bad = InvalidCodeTableLine(lines)) {
        MsgBox(QStringLiteral("コード表として使えるファイルになっていません : ") + *bad);
        return;
    }
    survey.Choices(q, c).CodeFile = name;
    if (SampleCount() < 1)
        return;
    if (edit_->changed) {
        MsgBox(QStringLiteral("既にある記述回答に対する割り付けは要回答チェックが表示されていない時だけ出来ます。"));
        return;
    }
    const Integer answer = AskBox(
        QStringLiteral("既にある記述回答に対して割り付けしますか？　コードを見て割り付けするか単語を見て割り付け"
                       "するか選べます。ｷｬﾝｾﾙを選ぶと割り付けをしません。"),
        QStringLiteral("この操作は後でキャンセル出来ません。"), QStringLiteral("コードを見て割り付け"),
        QStringLiteral("単語を見て割り付け"));
    if (answer == 1)
        AssignEssayCodes(q, c, EssayCoding::ByCode);
    else if (answer == 2)
        AssignEssayCodes(q, c, EssayCoding::ByWord);
}

void frmQuestion::offerOtherSwap(Integer q, Integer c)
{
    const Integer k = OtherMarkedChoice(q, c);
    if (k < 0)
        return;
    if (MsgBox(QStringLiteral("その他選択肢は通常１つの質問につき１つです。今まで") + ChoiceLabel(q, k, true, false)
                   + QStringLiteral("がその他選択肢でしたが、交替しますか"),
               vbYesNo)
        == vbYes) {
        survey.Choices(q, k).Attr = static_cast<Integer>(survey.Choices(q, k).Attr & ~BitMaskI[AttrOther]);
        refreshChoiceRow(q, k);
    }
}

void frmQuestion::cmdAllMulti_Click()
{
    for (int c = 1; c < ChoiceCountOf(CurrentQuestion()); ++c) {
        lstCno->setCurrentRow(c);
        setBox(AttrMultiple, true);
    }
}

void frmQuestion::cmdQAnum_Click()
{
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || !ConfirmSampleChange())
        return;
    const QPointer<frmQAnum> dialog = &Forms::instance<frmQAnum>();
    dialog->setQuestion(q, survey.Questions[q].MaxAnswers);
    dialog->showModal();
    markChanged(false);
    if (dialog) {
        survey.Questions[q].MaxAnswers = dialog->answerCount();
        Forms::unload(*dialog);
    }
    fillQuestionRows();
    selectQuestion(q);
}

void frmQuestion::lblQLimit_Click()
{
    const Integer q = CurrentQuestion();
    if (!ConfirmSampleChange())
        return;
    Condition work{};
    Integer pos = 0;
    ClearCondition(work, pos);
    AppendCondition(work, pos, survey.QuestionLimit, q);
    work[static_cast<size_t>(pos)].KindRank = 0;
    windows().editLimit(work, LimitEditMode::WithoutStoredLimits);
    markChanged(false);
    StoreCondition(work, survey.QuestionLimit, q);
    LimitDepths();
    fillQuestionRows();
    selectQuestion(q);
}

void frmQuestion::cmdDirUp_Click()
{
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || !ConfirmSampleChange())
        return;
    markChanged(false);
    Integer parent = 0;
    Integer choice = 0;
    SplitQC(survey.QuestionLimit[q][1].Code, parent, choice);
    CopyParentLimit(parent, q);
    fillQuestionRows();
    selectQuestion(q);
}

void frmQuestion::cmdDirDown_Click()
{
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || q < 1)
        return;
    const auto depth = [](Integer question) { return survey.QuestionLimit[question][0].KindRank; };
    if (depth(q - 1) - depth(q) == 1) {
        if (!ConfirmSampleChange())
            return;
        CopyParentLimit(static_cast<Integer>(q - 1), q);
    } else if (q < survey.QuestionCount - 1 && depth(q + 1) - depth(q) == 1) {
        if (!ConfirmSampleChange())
            return;
        CopyParentLimit(static_cast<Integer>(q + 1), q);
    } else {
        const Condition setAside = survey.QuestionLimit[q];
        Integer pos = 0;
        ClearCondition2(survey.QuestionLimit, q, pos);
        lblQLimit_Click();
        if (survey.QuestionLimit[q][1].KindRank == 0)
            survey.QuestionLimit[q] = setAside;
    }
    markChanged(false);
    fillQuestionRows();
    selectQuestion(q);
}

void frmQuestion::cmdAuto_Click()
{
    if (!ConfirmSampleChange())
        return;
    const QPointer<frmAutoQ> dialog = &Forms::instance<frmAutoQ>();
    dialog->setTarget(lblAuto, lstCno);
    dialog->showModal();
    if (dialog)
        Forms::unload(*dialog);
}

void frmQuestion::lblAuto_Change(const QString& caption)
{
    if (caption.isEmpty())
        return;
    InsertChoice_Click();
    ChoiceText->setText(caption);
    ChoiceText_LostFocus();
    if (lstCno->count() < MaxChoices + 1)
        lstCno->setCurrentRow(lstCno->currentRow() + 1);
}

// The finish's question, and the correction options when answers are to be
// checked; false when the user stays in the editor.
bool frmQuestion::confirmFinish()
{
    QString text = QStringLiteral("終了します。");
    if (!lblChanged->isHidden())
        text += QStringLiteral("要回答チェックの時は時間がかかります。");
    if (StoredLimitsDefined())
        text += QStringLiteral("既成限定条件はすべて空になります。");
    if (MsgBox(text, vbOKCancel | vbInformation) != vbOK)
        return false;
    return !edit_->changed || AskCheckOptions();
}

void frmQuestion::cmdDo_Click()
{
    QuesText_LostFocus();
    ChoiceText_LostFocus();
    if (!confirmFinish())
        return;
    Frame1->hide();
    const FinishResult result = FinishStructureEdit(*edit_);
    Frame1->show();
    if (result == FinishResult::TooLarge)
        return;
    if (result == FinishResult::Stopped) {
        // The structure at opening is back in the tables; editing goes on
        // with the edited one.
        SaveRestoreStructure(*edit_, 0, true);
        return;
    }
    finished_ = true;
    hide();
}

void frmQuestion::AssignEssayCodes(Integer q, Integer c, EssayCoding mode)
{
    const HourglassScope hourglass;
    Frame1->hide();
    kz::AssignEssayCodes(q, c, mode, [this](const QString&, float ratio) {
        cmdDo->setText(QString::number(qRound(ratio * 100)) + u'%');
        QCoreApplication::processEvents();
        return cmdCancel->isEnabled();
    });
    Frame1->show();
    cmdDo->setText(QStringLiteral("終了(&X)"));
    cmdCancel->setEnabled(true);
}

void frmQuestion::cmdCancel_Click()
{
    if (Frame1->isHidden()) {
        // Coding is running: a stop leaves the texts coded so far.
        if (MsgBox(QStringLiteral("中止しますか？"), vbOKCancel | vbExclamation | vbDefaultButton2) == vbOK)
            cmdCancel->setEnabled(false);
        return;
    }
    if (MsgBox(QStringLiteral("今までの変更はコード再割り当て以外すべて取り消されます。いいですか？"),
               vbOKCancel | vbExclamation)
        != vbOK)
        return;
    SaveRestoreStructure(*edit_, 1, true);
    hide();
}

}  // namespace kz
