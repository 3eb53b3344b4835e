// The tabulation request window's controls, its loading and unloading.
#include "tabulation/frm_total.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "host/settings.h"
#include "model/survey.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "shell/window_records.h"
#include "tabulation/total_request.h"
#include "texts/question_lists.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::ClickLabel;
using widgets::Named;

namespace {

QLabel* Caption(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
{
    return Named(new QPushButton(caption, parent), name);
}

QComboBox* List(const QString& name, QWidget* parent)
{
    auto* list = Named(new QComboBox(parent), name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(16);
    return list;
}

// The overall condition's text, framed so that it reads as a field to click.
ClickLabel* ConditionLabel(int index, QWidget* parent)
{
    auto* label = Named(new ClickLabel(parent), QStringLiteral("lblExLimit(%1)").arg(index));
    label->setFrameShape(QFrame::StyledPanel);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    label->setCursor(Qt::PointingHandCursor);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmTotal::frmTotal() : KzForm(QStringLiteral("frmTotal"))
{
    setWindowTitle(QStringLiteral("集計"));
    buildControls();
    connectControls();
}

void frmTotal::buildControls()
{
    txtNname = Named(new QLineEdit(this), QStringLiteral("txtNname"));
    tabTotal = Named(new QTabBar(this), QStringLiteral("tabTotal"));
    tabTotal->addTab(QStringLiteral("記号集計"));
    tabTotal->addTab(QStringLiteral("記述集計"));
    pages = new QStackedWidget(this);
    frameTotal[0] = buildCodedPage();
    frameTotal[1] = buildFreeTextPage();
    for (QWidget* page : frameTotal)
        pages->addWidget(page);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtNname);
    layout->addWidget(tabTotal);
    layout->addWidget(pages, 1);
}

QWidget* frmTotal::buildCodedPage()
{
    auto* page = Named(new QWidget(this), QStringLiteral("frameTotal(0)"));
    cmbQno = List(QStringLiteral("cmbQno"), page);
    cmbToQno = List(QStringLiteral("cmbToQno"), page);
    cmbRank = Named(new QComboBox(page), QStringLiteral("cmbRank"));
    chkRough = Named(new QCheckBox(QStringLiteral("荒く集計(&R)"), page), QStringLiteral("chkRough"));
    lblExLimit[0] = ConditionLabel(0, page);

    auto* cross = new QGroupBox(QStringLiteral("クロス集計の限定"), page);
    const std::array<QString, 3> crossCaptions = {QStringLiteral("２つの質問でクロス(&X)"),
                                                  QStringLiteral("既成限定条件でクロス(&L)"),
                                                  QStringLiteral("自由な条件でクロス(&L)")};
    for (int mode = 0; mode < 3; ++mode)
        optCross[mode] =
            Named(new QRadioButton(crossCaptions[mode], cross), QStringLiteral("optCross(%1)").arg(mode));
    cmbXQno = List(QStringLiteral("cmbXQno"), cross);
    lstLimit = Named(new QListWidget(cross), QStringLiteral("lstLimit"));
    cmdAddLimit = Button(QStringLiteral("cmdAddLimit"), QStringLiteral("追加(&A)"), cross);
    cmdChangeLimit = Button(QStringLiteral("cmdChangeLimit"), QStringLiteral("変更(&R)"), cross);
    cmdDelLimit = Button(QStringLiteral("cmdDelLimit"), QStringLiteral("削除(&D)"), cross);

    auto* crossQuestion = new QHBoxLayout;
    crossQuestion->addWidget(optCross[0]);
    crossQuestion->addWidget(cmbXQno, 1);
    auto* limitButtons = new QVBoxLayout;
    limitButtons->addWidget(cmdAddLimit);
    limitButtons->addWidget(cmdChangeLimit);
    limitButtons->addWidget(cmdDelLimit);
    limitButtons->addStretch();
    auto* limits = new QGridLayout;
    limits->addWidget(Caption(QStringLiteral("個別の限定"), cross), 0, 0);
    limits->addWidget(lstLimit, 1, 0);
    limits->addLayout(limitButtons, 1, 1);
    auto* crossLayout = new QVBoxLayout(cross);
    crossLayout->addLayout(crossQuestion);
    crossLayout->addWidget(optCross[1]);
    crossLayout->addWidget(optCross[2]);
    crossLayout->addLayout(limits, 1);

    auto* range = new QGridLayout;
    range->addWidget(cmbQno, 0, 0);
    range->addWidget(Caption(QStringLiteral("から"), page), 0, 1);
    range->addWidget(cmbRank, 0, 2);
    range->addWidget(cmbToQno, 1, 0);
    range->addWidget(Caption(QStringLiteral("まで"), page), 1, 1);
    range->addWidget(chkRough, 1, 2);
    range->setColumnStretch(0, 1);

    cmdTotal[0] = Button(QStringLiteral("cmdTotal(0)"), QStringLiteral("更新(&T)"), page);
    cmdTotal[1] = Button(QStringLiteral("cmdTotal(1)"), QStringLiteral("新規作成(&N)"), page);
    cmdTotal[1]->setToolTip(QStringLiteral("集計"));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(range);
    layout->addWidget(Caption(QStringLiteral("全体の限定条件"), page));
    layout->addWidget(lblExLimit[0]);
    layout->addWidget(cross, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdTotal[0]);
    buttons->addWidget(cmdTotal[1]);
    layout->addLayout(buttons);
    return page;
}

QWidget* frmTotal::buildFreeTextPage()
{
    auto* page = Named(new QWidget(this), QStringLiteral("frameTotal(1)"));
    cmbEQno = List(QStringLiteral("cmbEQno"), page);
    cmbECno = List(QStringLiteral("cmbECno"), page);
    cmbERank = Named(new QComboBox(page), QStringLiteral("cmbERank"));
    chkRequire =
        Named(new QCheckBox(QStringLiteral("「集計条件」は使用しない(&L)"), page), QStringLiteral("chkRequire"));
    lblExLimit[1] = ConditionLabel(1, page);

    // Two groups of options: whether the answer carries a free text, and
    // within "it does", which condition it meets.
    frameELimit = Named(new QGroupBox(page), QStringLiteral("frameELimit"));
    Frame1 = Named(new QGroupBox(QStringLiteral("具体的な条件をつける："), frameELimit), QStringLiteral("Frame1"));
    const std::array<QString, 6> captions = {QStringLiteral("記述/数量/コードﾞが無いもの(&D)"),
                                             QStringLiteral("記述/数量/コードがあるもの(&E)"),
                                             QStringLiteral("記述(&E)"),
                                             QStringLiteral("数量(&N)"),
                                             QStringLiteral("コード(&C)"),
                                             QStringLiteral("記述/数量/コードﾞの条件なし(&A)")};
    for (int criterion = 0; criterion < 6; ++criterion) {
        const bool specific = criterion >= TextContains && criterion <= CodeBetween;
        optCon[criterion] = Named(new QRadioButton(captions[criterion], specific ? Frame1 : frameELimit),
                                  QStringLiteral("optCon(%1)").arg(criterion));
    }
    lblCon = Named(new ClickLabel(Frame1), QStringLiteral("lblCon"));
    lblCon->setFrameShape(QFrame::StyledPanel);
    lblCon->setCursor(Qt::PointingHandCursor);

    auto* specific = new QGridLayout(Frame1);
    specific->addWidget(optCon[TextContains], 0, 0);
    specific->addWidget(optCon[QuantityBetween], 0, 1);
    specific->addWidget(optCon[CodeBetween], 0, 2);
    specific->addWidget(lblCon, 1, 0, 1, 3);
    auto* options = new QVBoxLayout(frameELimit);
    options->addWidget(optCon[WithoutText]);
    options->addWidget(optCon[WithText]);
    options->addWidget(Frame1);
    options->addWidget(optCon[NoTextCondition]);

    auto* condition = new QGridLayout;
    condition->addWidget(Caption(QStringLiteral("集計条件"), page), 0, 0);
    condition->addWidget(cmbEQno, 0, 1);
    condition->addWidget(cmbECno, 1, 1);
    condition->addWidget(cmbERank, 1, 2);
    condition->setColumnStretch(1, 1);

    cmdTotal[2] = Button(QStringLiteral("cmdTotal(2)"), QStringLiteral("更新(&T)"), page);
    cmdTotal[3] = Button(QStringLiteral("cmdTotal(3)"), QStringLiteral("新規作成(&N)"), page);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdTotal[2]);
    buttons->addWidget(cmdTotal[3]);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(condition);
    layout->addWidget(chkRequire);
    layout->addWidget(frameELimit);
    layout->addWidget(Caption(QStringLiteral("より複雑な条件"), page));
    layout->addWidget(lblExLimit[1]);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}

void frmTotal::connectControls()
{
    connect(tabTotal, &QTabBar::currentChanged, pages, &QStackedWidget::setCurrentIndex);
    connect(cmbQno, &QComboBox::activated, this, [this] { questionChosen(); });
    connect(cmbEQno, &QComboBox::currentIndexChanged, this, [this] { freeTextQuestionChosen(); });
    connect(cmbXQno, &QComboBox::activated, this, [this] { selectCross(0); });
    for (Integer mode = 0; mode < 3; ++mode)
        connect(optCross[mode], &QRadioButton::clicked, this, [this, mode] { crossClicked(mode); });
    connect(lstLimit, &QListWidget::currentRowChanged, this,
            [this](int line) { lstLimit->setToolTip(line >= 0 ? lstLimit->item(line)->text() : QString()); });
    connect(lstLimit, &QListWidget::itemDoubleClicked, this, [this] { changeLimit(); });
    connect(cmdAddLimit, &QPushButton::clicked, this, [this] { addLimit(); });
    connect(cmdChangeLimit, &QPushButton::clicked, this, [this] { changeLimit(); });
    connect(cmdDelLimit, &QPushButton::clicked, this, [this] { deleteLimit(); });
    for (ClickLabel* label : lblExLimit)
        connect(label, &ClickLabel::clicked, this, [this, label] { editOverallCondition(label); });

    connect(chkRequire, &QCheckBox::toggled, this, [this](bool on) { frameELimit->setEnabled(!on); });
    for (Integer criterion = 0; criterion < 6; ++criterion)
        connect(optCon[criterion], &QRadioButton::clicked, this, [this, criterion] { criterionClicked(criterion); });
    connect(lblCon, &ClickLabel::clicked, this, [this] { askCriterion(); });

    connect(cmdTotal[0], &QPushButton::clicked, this, [this] { submit(true, false); });
    connect(cmdTotal[1], &QPushButton::clicked, this, [this] { submit(true, true); });
    connect(cmdTotal[2], &QPushButton::clicked, this, [this] { submit(false, false); });
    connect(cmdTotal[3], &QPushButton::clicked, this, [this] { submit(false, true); });
}

void frmTotal::formLoad()
{
    const Survey& survey = ProgramWorkspace().survey;
    const SampleTable& samples = ProgramWorkspace().samples;
    const QStringList questions = FillQuestionList(survey);
    for (QComboBox* list : {cmbQno, cmbXQno, cmbToQno, cmbEQno}) {
        list->addItems(questions);
        list->setCurrentIndex(0);
    }
    selectCross(2);
    chkRough->setEnabled(RoughCountingOffered(SampleCount(samples)));
    txtNname->setText(QStringLiteral("(題名)"));
    questionChosen();
    chkRough->setChecked(false);
    showOverallCondition();
    optCon[NoTextCondition]->setChecked(true);
    Frame1->setEnabled(false);
    resize(560, 600);
    CentreForm(this);
}

void frmTotal::formUnload(bool& /*cancel*/) { SaveWindowRec(this, WindowSlot::frmTotal); }

void frmTotal::SetWindow(Integer tab)
{
    if (tab == 1 || tab == 2)
        tabTotal->setCurrentIndex(tab - 1);
}

}  // namespace kz
