#include "design/frm_question.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "document/cmd_box.h"
#include "model/survey.h"
#include "runtime/val.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "shell/window_services.h"
#include "texts/choice_texts.h"
#include "texts/condition_texts.h"
#include "texts/question_lists.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

constexpr Long HelpTopic = 32;
const QString EndRow = QStringLiteral("以上↑");

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
    // The window sees these keys before any of its controls.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), this), &QShortcut::activated, this,
            [this] { Form_KeyDown(Qt::Key_Up); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), this), &QShortcut::activated, this,
            [this] { Form_KeyDown(Qt::Key_Down); });
    // Leaving by the frame or Esc is Cancel: the samples were not converted,
    // so the edited structure must not stay.
    setCancelButton(cmdCancel);
}

frmQuestion::~frmQuestion() = default;

QLayout* frmQuestion::buildQuestionPart()
{
    lstQno = new QListWidget(Frame1);
    lstQno->setObjectName(QStringLiteral("lstQno"));
    lstQno->installEventFilter(this);
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
    lstCno->installEventFilter(this);
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
    const Survey& survey = ProgramWorkspace().survey;
    CentreForm(this);
    windows().unloadEntryWindow();
    windows().unloadTotal();
    windows().unloadQuestionList();
    edit_ = std::make_unique<StructureEdit>();
    OpenStructureEdit(survey, *edit_);
    fillQuestionRows();
    selectQuestion(0);
}

// Ctrl+Up and Ctrl+Down, from any control: the previous or the next
// question. A text being typed is stored with its own question first.
void frmQuestion::Form_KeyDown(int key)
{
    const Survey& survey = ProgramWorkspace().survey;
    if (Frame1->isHidden())
        return;
    const int next = CurrentQuestion() + (key == Qt::Key_Up ? -1 : +1);
    if (next < 0 || next >= survey.QuestionCount)
        return;
    QWidget* focus = focusWidget();
    if (std::ranges::find(QuesText, focus) != QuesText.end())
        QuesText_LostFocus();
    else if (focus == ChoiceText)
        ChoiceText_LostFocus();
    selectQuestion(static_cast<Integer>(next));
}

// A click on the condition edits it; Enter takes the keyboard on through
// the editing: from a list to the text of its row, through the question
// boxes and on to the next question.
bool frmQuestion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblQLimit && event->type() == QEvent::MouseButtonRelease) {
        if (realQuestion(CurrentQuestion()))
            lblQLimit_Click();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (watched == lstQno)
        QuesText[0]->setFocus();
    else if (watched == lstCno)
        ChoiceText->setFocus();
    else if (const auto box = std::ranges::find(QuesText, watched); box != QuesText.end())
        QuesText_KeyPress(static_cast<int>(box - QuesText.begin()));
    else
        return false;
    return true;
}

void frmQuestion::QuesText_KeyPress(int index)
{
    if (!realQuestion(CurrentQuestion()))
        return;
    if (index < 2) {
        QuesText[static_cast<size_t>(index) + 1]->setFocus();
        return;
    }
    QuesText_LostFocus();
    lstQno->setFocus();
    selectQuestion(static_cast<Integer>(CurrentQuestion() + 1));
}

Integer frmQuestion::CurrentQuestion() const { return static_cast<Integer>(Val(lblQno->text()) - 1); }

Integer frmQuestion::CurrentChoice() const { return static_cast<Integer>(Val(lblCno->text())); }

bool frmQuestion::realQuestion(Integer q) const { return q >= 0 && q < ProgramWorkspace().survey.QuestionCount; }

bool frmQuestion::realChoice(Integer q, Integer c) const { return realQuestion(q) && c >= 1 && c < ChoiceCountOf(q); }

// Rewrites the tree (which also recomputes the depths) and the end row,
// keeping the selected row.
void frmQuestion::fillQuestionRows()
{
    Survey& survey = ProgramWorkspace().survey;
    QStringList rows;
    for (int i = 0; i < survey.QuestionCount; ++i)
        rows << QString();
    FillQuestionTree(survey, rows, 0);
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
    const Survey& survey = ProgramWorkspace().survey;
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
    QuesText[0]->setText(QuestionLabel(survey, q));
    QuesText[1]->setText(QuestionText(survey, q));
    // The stored description only: one made from the condition would be
    // stored with the texts and no longer follow the condition.
    QuesText[2]->setText(QuestionLimitText(survey, q, true));
    frameChoice->show();
    {
        const QSignalBlocker quiet(optChr[0]);
        optChr[static_cast<size_t>(survey.Questions[q].CodeStyle & 3)]->setChecked(true);
    }
    {
        const QSignalBlocker quiet(lstCno);
        lstCno->clear();
        lstCno->addItem(QuestionLabel(survey, q) + QStringLiteral("の選択肢↓"));
        lstCno->addItems(FillChoiceList(survey, q));
        lstCno->addItem(EndRow);
        lstCno->setCurrentRow(std::min(1, lstCno->count() - 1));
    }
    lstCno_Click();
    lblQLimit->setText(ConditionText(survey, survey.QuestionLimit[q], true));
    showAnswerCount();
}

void frmQuestion::lstCno_Click()
{
    const Survey& survey = ProgramWorkspace().survey;
    const int row = lstCno->currentRow();
    lblCno->setText(QString::number(row));
    const Integer q = CurrentQuestion();
    const Integer c = static_cast<Integer>(row);
    if (realChoice(q, c)) {
        ChoiceText->setText(survey.Choices(q, c).Text);
        for (int i = 0; i < 6; ++i)
            setBox(i, ChoiceHasAttr(survey, q, c, static_cast<Integer>(i)) != 0);
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
    const Survey& survey = ProgramWorkspace().survey;
    if (QListWidgetItem* item = lstCno->item(c))
        item->setText(ChoiceLabel(survey, q, c, true, true));
}

void frmQuestion::showAnswerCount()
{
    const Survey& survey = ProgramWorkspace().survey;
    lblAnum->setText(QString::number(survey.Questions[static_cast<size_t>(CurrentQuestion())].MaxAnswers)
                     + QStringLiteral("つまで"));
}

Integer frmQuestion::ChoiceCountOf(Integer q)
{
    return ProgramWorkspace().survey.Questions[static_cast<size_t>(q)].ChoiceCount;
}

}  // namespace kz
