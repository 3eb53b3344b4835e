// The limit editor's controls and the two ways it is opened.
#include "tabulation/frm_limit.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <functional>

#include "document/cmd_box.h"
#include "model/condition_arrays.h"
#include "model/survey.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "texts/condition_texts.h"
#include "texts/question_lists.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

namespace {

constexpr Long HelpTopic = 51;

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption)
{
    return Named(new QPushButton(caption, parent), name);
}

QLabel* Label(QWidget* parent, const QString& name, const QString& caption)
{
    return Named(new QLabel(caption, parent), name);
}

// A fresh editor set up by `prepare`, shown modally; `takeBack` reads it once
// it is closed, unless it was unloaded meanwhile.
void RunEditor(const std::function<void(frmLimit&)>& prepare, const std::function<void(const frmLimit&)>& takeBack)
{
    if (auto* stale = widgets::Forms::loaded<frmLimit>())
        widgets::Forms::unload(*stale);
    const QPointer<frmLimit> editor = &widgets::Forms::instance<frmLimit>();
    prepare(*editor);
    editor->showModal();
    if (!editor)
        return;
    takeBack(*editor);
    widgets::Forms::unload(*editor);
}

}  // namespace

frmLimit::frmLimit() : KzForm(QStringLiteral("frmLimit"))
{
    setWindowTitle(QStringLiteral("限定条件"));
    buildControls();
    connectControls();
    // Esc and the frame's close are the close button.
    setCancelButton(cmdClose);
}

void frmLimit::buildControls()
{
    lstQno = Named(new QListWidget(this), QStringLiteral("lstQno"));
    lstCno = Named(new QListWidget(this), QStringLiteral("lstCno"));
    cmbRank = Named(new QComboBox(this), QStringLiteral("cmbRank"));
    const std::array<QString, 5> writeCaptions = {QString(), QStringLiteral("又は(&O)"), QStringLiteral("から(&T)"),
                                                  QStringLiteral("必須(&A)"), QStringLiteral("除く(&N)")};
    for (int kind = KindOr; kind <= KindExclude; ++kind)
        cmdWrite[kind] = Button(this, QStringLiteral("cmdWrite(%1)").arg(kind), writeCaptions[kind]);
    lstLimit = Named(new QListWidget(this), QStringLiteral("lstLimit"));
    cmdDelete = Button(this, QStringLiteral("cmdDelete"), QStringLiteral("削除(&D)"));
    cmdClear = Button(this, QStringLiteral("cmdClear"), QStringLiteral("全削除(&X)"));
    lstPreLimit = Named(new QListWidget(this), QStringLiteral("lstPreLimit"));
    lstPreLimit->setSelectionMode(QAbstractItemView::MultiSelection);
    lstPreEdit = Named(new QListWidget(this), QStringLiteral("lstPreEdit"));
    for (int limit = 0; limit < StoredLimitCount; ++limit)
        lstPreEdit->addItem(QString::number(limit));
    lstPreEdit->setMaximumWidth(lstPreEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 40);
    chkExData = Named(new QCheckBox(QStringLiteral("特別"), this), QStringLiteral("chkExData"));
    chkExData->setEnabled(false);
    cmdClose = Button(this, QStringLiteral("cmdClose"), QStringLiteral("閉じる(&C)"));
    cmdHelpContext = Button(this, QStringLiteral("cmdHelpContext"), QStringLiteral("ヘルプ"));
    Label1 = Label(this, QStringLiteral("Label1"), QStringLiteral("既成限定条件"));
    Label2 = Label(this, QStringLiteral("Label2"), QStringLiteral("<<条件"));
    Label3 = Label(this, QStringLiteral("Label3"), QStringLiteral("限定条件"));
    lblPreLimit = Label(this, QStringLiteral("lblPreLimit"), QString());
    lblCrossInfo =
        Label(this, QStringLiteral("lblCrossInfo"),
              QStringLiteral("クロス集計の場合、ここで設定する限定条件の一行目が「一行目に選んだ選択肢」から"
                             "「その選択肢がある質問の、最後の選択肢」まで順に替わった限定条件が出来ます。"));
    lblCrossInfo->setWordWrap(true);
    lblCrossInfo->hide();

    // The rows on the left, the buttons that write them in the middle, the
    // question and choice they are written from on the right.
    auto* rowsHeading = new QHBoxLayout;
    rowsHeading->addWidget(Label3);
    rowsHeading->addWidget(lblPreLimit);
    rowsHeading->addStretch();
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(cmdDelete);
    rowButtons->addWidget(cmdClear);
    rowButtons->addStretch();
    auto* rows = new QVBoxLayout;
    rows->addLayout(rowsHeading);
    rows->addWidget(lstLimit, 1);
    rows->addLayout(rowButtons);

    auto* writers = new QVBoxLayout;
    writers->addStretch();
    writers->addWidget(Label2);
    for (int kind = KindOr; kind <= KindExclude; ++kind)
        writers->addWidget(cmdWrite[kind]);
    writers->addStretch();

    auto* sources = new QVBoxLayout;
    sources->addWidget(lstQno, 3);
    sources->addWidget(lstCno, 2);
    sources->addWidget(cmbRank);

    auto* editing = new QHBoxLayout;
    editing->addLayout(rows, 3);
    editing->addLayout(writers);
    editing->addLayout(sources, 3);

    auto* storedLimits = new QVBoxLayout;
    storedLimits->addWidget(Label1);
    storedLimits->addWidget(lstPreLimit, 1);
    auto* commands = new QVBoxLayout;
    commands->addWidget(chkExData);
    commands->addStretch();
    commands->addWidget(cmdHelpContext);
    commands->addWidget(cmdClose);
    auto* lower = new QHBoxLayout;
    lower->addLayout(storedLimits, 1);
    lower->addWidget(lstPreEdit);
    lower->addLayout(commands);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editing, 3);
    layout->addLayout(lower, 2);
    layout->addWidget(lblCrossInfo);
}

void frmLimit::connectControls()
{
    connect(lstQno, &QListWidget::currentRowChanged, this, [this] { ShowQuestionChoices(); });
    connect(lstCno, &QListWidget::itemDoubleClicked, this, [this] { WriteLimitRow(KindRequired); });
    for (int kind = KindOr; kind <= KindExclude; ++kind)
        connect(cmdWrite[kind], &QPushButton::clicked, this, [this, kind] { WriteLimitRow(kind); });
    connect(lstLimit, &QListWidget::currentRowChanged, this, [this](int line) { showRow(line); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { deleteRow(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { clearRows(); });
    connect(lstPreEdit, &QListWidget::currentRowChanged, this, [this](int limit) { chooseStoredLimit(limit); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { closeEditor(); });
    connect(cmdHelpContext, &QPushButton::clicked, this, [] { ShowHelpContext(HelpTopic); });
}

void frmLimit::formLoad()
{
    Survey& survey = ProgramWorkspace().survey;
    QStringList questions;
    for (Integer q = 0; q < survey.QuestionCount; ++q)
        questions.push_back(QString());
    FillQuestionTree(survey, questions, 0);
    lstQno->addItems(questions);
    lstQno->setCurrentRow(0);
    for (const Condition& stored : survey.LimitTable)
        lstPreLimit->addItem(ConditionText(survey, stored, true));
    resize(820, 660);
    CentreForm(this);
}

void frmLimit::editGivenCondition(const Condition& cond, LimitEditMode mode)
{
    editing_ = GivenConditionEditing(cond);
    accepted_ = cond;
    setWindowTitle(QStringLiteral("限定条件選択"));
    cmdClose->setText(QStringLiteral("ＯＫ"));
    chkExData->setChecked(true);
    lblPreLimit->hide();
    lstPreEdit->hide();
    const bool withStoredLimits = mode == LimitEditMode::WithStoredLimits;
    Label1->setVisible(withStoredLimits);
    lstPreLimit->setVisible(withStoredLimits);
    lblCrossInfo->setVisible(mode == LimitEditMode::CrossNote);
    // Without the stored limits the rows take the room they leave.
    static_cast<QBoxLayout*>(layout())->setStretch(1, withStoredLimits ? 2 : 0);
    const std::array<bool, StoredLimitCount> required = RequiredStoredLimits(cond[0].Code);
    for (int limit = 0; limit < StoredLimitCount; ++limit)
        lstPreLimit->item(limit)->setSelected(required[static_cast<size_t>(limit)]);
    ShowLimitRows(LimitRowCount(editing_.rows) + 1);
}

void frmLimit::editStoredLimits()
{
    editing_ = StoredLimitsEditing(ProgramWorkspace());
    chkExData->setChecked(false);
    // Here the list only shows the limits: a stored limit requires no other.
    lstPreLimit->setSelectionMode(QAbstractItemView::NoSelection);
    const QSignalBlocker blocker(lstPreEdit);
    lstPreEdit->setCurrentRow(0);
    chooseStoredLimit(0);
}

void EditLimit(Condition& cond, LimitEditMode mode)
{
    RunEditor([&](frmLimit& editor) { editor.editGivenCondition(cond, mode); },
              [&](const frmLimit& editor) { cond = editor.acceptedCondition(); });
}

void EditStoredLimits()
{
    RunEditor([](frmLimit& editor) { editor.editStoredLimits(); }, [](const frmLimit&) {});
}

}  // namespace kz
