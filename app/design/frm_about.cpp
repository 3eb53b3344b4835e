#include "design/frm_about.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>

#include "answers/input_effort.h"
#include "document/cmd_box.h"
#include "document/menu_state.h"
#include "document/questionnaire_info.h"
#include "host/ui_seam.h"
#include "model/document.h"
#include "model/document_events.h"
#include "model/survey.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

namespace {

constexpr Long HelpTopic = 61;
// How often the counters are redrawn while counting, in milliseconds.
constexpr qint64 CountRefreshMs = 50;
const QString NotCounted = QStringLiteral("---");

QLabel* Value(const QString& name, QWidget* parent)
{
    auto* label = Named(new QLabel(parent), name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

frmAbout::frmAbout() : KzForm(QStringLiteral("frmAbout"))
{
    setWindowTitle(QStringLiteral("このアンケートおよび回答データについて"));
    cmdClose = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdClose"));
    cmdCancel = Named(new QPushButton(QStringLiteral("キャンセル"), this), QStringLiteral("cmdCancel"));
    cmdHelpContext = Named(new QPushButton(QStringLiteral("ヘルプ"), this), QStringLiteral("cmdHelpContext"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelpContext);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildInformation());
    layout->addLayout(buildEffort());
    layout->addLayout(buttons);

    connect(cmdClose, &QPushButton::clicked, this, &frmAbout::confirm);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { widgets::Forms::unload(*this); });
    connect(cmdDo, &QPushButton::clicked, this, &frmAbout::count);
    connect(cmdDoCancel, &QPushButton::clicked, this, &frmAbout::cancelCount);
    connect(cmdHelpContext, &QPushButton::clicked, this, [] { ShowHelpContext(HelpTopic); });
    setCancelButton(cmdCancel);
    SelectAllOnEntry(txtTitle);
    SelectAllOnEntry(txtEditer);
}

QLayout* frmAbout::buildInformation()
{
    txtTitle = Named(new QLineEdit(this), QStringLiteral("txtTitle"));
    txtEditer = Named(new QLineEdit(this), QStringLiteral("txtEditer"));
    lblFileName = Value(QStringLiteral("lblFileName"), this);
    auto* names = new QGridLayout;
    names->addWidget(new QLabel(QStringLiteral("タイトル"), this), 0, 0);
    names->addWidget(txtTitle, 0, 1);
    names->addWidget(new QLabel(QStringLiteral("制作者"), this), 1, 0);
    names->addWidget(txtEditer, 1, 1);
    names->addWidget(new QLabel(QStringLiteral("アンケートファイル名"), this), 2, 0);
    names->addWidget(lblFileName, 2, 1);

    auto* memory = new QGroupBox(QStringLiteral("記号回答・記述管理データのメモリ使用量"), this);
    lblShare = Value(QStringLiteral("lblShare"), memory);
    lblrpnum = Value(QStringLiteral("lblrpnum"), memory);
    lblUseD = Value(QStringLiteral("lblUseD"), memory);
    auto* memoryRows = new QGridLayout(memory);
    memoryRows->addWidget(new QLabel(QStringLiteral("1サンプルに必要な容量 A"), memory), 0, 0);
    memoryRows->addWidget(lblShare, 0, 1);
    memoryRows->addWidget(new QLabel(QStringLiteral("サンプル数 B"), memory), 1, 0);
    memoryRows->addWidget(lblrpnum, 1, 1);
    memoryRows->addWidget(new QLabel(QStringLiteral("使用量 A×B"), memory), 2, 0);
    memoryRows->addWidget(lblUseD, 2, 1);

    auto* quota = new QGroupBox(QStringLiteral("このコンピュータのＩＤ割り当て"), this);
    lblQuotaFrom = Value(QStringLiteral("lblQuotaFrom"), quota);
    lblQuotaTo = Value(QStringLiteral("lblQuotaTo"), quota);
    lblQuotaNow = Value(QStringLiteral("lblQuotaNow"), quota);
    auto* quotaRows = new QGridLayout(quota);
    quotaRows->addWidget(lblQuotaFrom, 0, 0);
    quotaRows->addWidget(new QLabel(QStringLiteral("～"), quota), 0, 1);
    quotaRows->addWidget(lblQuotaTo, 0, 2);
    quotaRows->addWidget(new QLabel(QStringLiteral("最後に発行したＩＤ"), quota), 1, 0);
    quotaRows->addWidget(lblQuotaNow, 1, 1, 1, 2);

    auto* layout = new QVBoxLayout;
    layout->addLayout(names);
    layout->addWidget(memory);
    layout->addWidget(quota);
    return layout;
}

QLayout* frmAbout::buildEffort()
{
    auto* effort = new QGroupBox(QStringLiteral("入力手間数"), this);
    lblAnswer = Value(QStringLiteral("lblAnswer"), effort);
    lblEssay = Value(QStringLiteral("lblEssay"), effort);
    cmdDo = Named(new QPushButton(QStringLiteral("計測開始(&D)"), effort), QStringLiteral("cmdDo"));
    cmdDoCancel = Named(new QPushButton(QStringLiteral("計測ｷｬﾝｾﾙ(&C)"), effort), QStringLiteral("cmdDoCancel"));
    cmdDoCancel->hide();
    auto* rows = new QGridLayout(effort);
    rows->addWidget(new QLabel(QStringLiteral("記号回答の総数"), effort), 0, 0);
    rows->addWidget(lblAnswer, 0, 1, 1, 2);
    rows->addWidget(new QLabel(QStringLiteral("記述回答の総文字数"), effort), 1, 0);
    rows->addWidget(lblEssay, 1, 1, 1, 2);
    const std::array<QString, 3> kinds = {QStringLiteral("2ｹﾀ以上"), QStringLiteral("英文字"),
                                          QStringLiteral("ｶﾀｶﾅ")};
    for (size_t i = 0; i < kinds.size(); ++i) {
        const int column = static_cast<int>(i);
        lblDiffiSym[i] = Value(QStringLiteral("lblDiffiSym(%1)").arg(i), effort);
        rows->addWidget(new QLabel(kinds[i], effort), 2, column);
        rows->addWidget(lblDiffiSym[i], 3, column);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDo);
    buttons->addWidget(cmdDoCancel);
    rows->addLayout(buttons, 4, 0, 1, 3);

    auto* layout = new QVBoxLayout;
    layout->addWidget(effort);
    return layout;
}

void frmAbout::formLoad()
{
    const Survey& survey = ProgramWorkspace().survey;
    const Settings& settings = ProgramSettings();
    const QuestionnaireInfo info = DescribeQuestionnaire(ProgramWorkspace(), settings);
    txtTitle->setText(survey.Title);
    txtEditer->setText(survey.Author);
    lblFileName->setText(info.fileName);
    lblShare->setText(info.sampleBytes);
    lblrpnum->setText(info.sampleCount);
    lblUseD->setText(info.memoryUse);
    lblQuotaFrom->setText(info.idFrom);
    lblQuotaTo->setText(info.idTo);
    lblQuotaNow->setText(info.lastID);
    for (QLabel* label : {lblAnswer, lblEssay, lblDiffiSym[0], lblDiffiSym[1], lblDiffiSym[2]})
        label->setText(NotCounted);
    resize(480, sizeHint().height());
    CentreForm(this);
}

void frmAbout::confirm()
{
    Survey& survey = ProgramWorkspace().survey;
    DocumentState& document = ProgramWorkspace().document;
    // Opened for editing: the texts are the questionnaire's now.
    if (!cmdCancel->isHidden()) {
        survey.Title = txtTitle->text();
        survey.Author = txtEditer->text();
        SetModified(document);
        AnnounceCaption(survey, document);
    }
    widgets::Forms::unload(*this);
}

void frmAbout::showCounters(const InputEffort& effort)
{
    for (size_t i = 0; i < lblDiffiSym.size(); ++i)
        lblDiffiSym[i]->setText(QString::number(effort.counters[i]));
}

void frmAbout::count()
{
    const SampleTable& samples = ProgramWorkspace().samples;
    const QPointer<frmAbout> self(this);
    cmdClose->setEnabled(false);
    cmdCancel->setEnabled(false);
    cmdDo->hide();
    cmdDoCancel->show();
    cmdDoCancel->setEnabled(true);
    bool complete = false;
    InputEffort effort;
    {
        HourglassScope hourglass;
        showCounters(effort);
        const Long total = SampleCount(samples);
        QElapsedTimer shown;
        complete = CountInputEffort(ProgramWorkspace(), effort, [&](Long done, const InputEffort& sofar) {
            // The first sample and then a few times a second: the user sees
            // it move and can stop it.
            if (shown.isValid() && shown.elapsed() < CountRefreshMs)
                return true;
            lblAnswer->setText(EffortProgressText(sofar.answers, done, total));
            lblEssay->setText(QString::number(sofar.characters));
            showCounters(sofar);
            QCoreApplication::processEvents();
            shown.start();
            return self && cmdDoCancel->isEnabled();
        });
    }
    if (!self)
        return;
    lblAnswer->setText(QString::number(effort.answers) + QStringLiteral(" 個"));
    lblEssay->setText(QString::number(effort.characters) + QStringLiteral(" 文字"));
    showCounters(effort);
    cmdClose->setEnabled(true);
    cmdCancel->setEnabled(true);
    // A completed count cannot be repeated in this opening; a stopped one can.
    cmdDo->setVisible(!complete);
    cmdDoCancel->hide();
    Beep();
}

void frmAbout::cancelCount()
{
    if (MsgBox(QStringLiteral("計測を中断しますか？"), vbOKCancel) == vbOK)
        cmdDoCancel->setEnabled(false);
}

void frmAbout::setEditable(bool editable)
{
    txtTitle->setEnabled(editable);
    txtEditer->setEnabled(editable);
    cmdCancel->setVisible(editable);
}

}  // namespace kz
