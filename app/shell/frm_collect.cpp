#include "shell/frm_collect.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "answers/answer_check.h"
#include "document/cmd_box.h"
#include "document/menu_state.h"
#include "model/survey.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "widgets/forms.h"

namespace kz {
namespace {

constexpr Long HelpTopic = 40;

struct OptionRow {
    std::array<QRadioButton*, 2> frmCollect::*pair;
    const char* name;
    Integer bit;
    QString fault;
    QString whenSet;
    QString whenClear;
};

const std::array<OptionRow, 4>& OptionRows()
{
    static const std::array<OptionRow, 4> rows{{
        {&frmCollect::optNoChoice, "optNoChoice", CheckMissingToOther,
         QStringLiteral("存在しない選択肢を選んでいる回答"), QStringLiteral("その他選択肢があればそれに変更"),
         QStringLiteral("無回答にする")},
        {&frmCollect::optNoEssay, "optNoEssay", CheckEssayToOther,
         QStringLiteral("記述回答ができない選択肢なのに記述がある時"),
         QStringLiteral("記述付きその他選択肢があればそれに変更"), QStringLiteral("記述文は無視")},
        {&frmCollect::optExcuse, "optExcuse", CheckDropExclusive, QStringLiteral("複数回答の中に排他選択肢がある時"),
         QStringLiteral("排他回答を消す"), QStringLiteral("他の回答を取り除く")},
        {&frmCollect::optQLimit, "optQLimit", CheckLimitToUnanswered, QStringLiteral("質問の限定条件に不当"),
         QStringLiteral("限定元にかかわらず無回答にする"),
         QStringLiteral("限定元が無回答の時は限定に合うよう修正する")},
    }};
    return rows;
}

}  // namespace

frmCollect::frmCollect() : KzForm(QStringLiteral("frmCollect"))
{
    setWindowTitle(QStringLiteral("回答補正"));
    auto* grid = new QGridLayout;
    int row = 0;
    for (const OptionRow& option : OptionRows()) {
        auto& pair = this->*option.pair;
        // Each pair is its own exclusive group: one option of every row.
        auto* group = new QButtonGroup(this);
        pair[0] = new QRadioButton(option.whenSet, this);
        pair[1] = new QRadioButton(option.whenClear, this);
        for (int i = 0; i < 2; ++i) {
            pair[i]->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(option.name)).arg(i));
            group->addButton(pair[i]);
        }
        grid->addWidget(new QLabel(option.fault, this), row, 0);
        grid->addWidget(pair[0], row, 1);
        grid->addWidget(pair[1], row, 2);
        ++row;
    }
    auto* limitNote = new QLabel(QStringLiteral("※限定元の回答を質問限定条件の１行目の選択肢にします。"
                                                "（条件が「除外」の時は修正できません）"),
                                 this);
    grid->addWidget(limitNote, row++, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("記号も記述も重複している回答がある時"), this), row, 0);
    grid->addWidget(new QLabel(QStringLiteral("重複しないように回答を消します"), this), row, 1, 1, 2);

    cmdOK = new QPushButton(QStringLiteral("決定(&O)"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdHelpContext = new QPushButton(QStringLiteral("ヘルプ"), this);
    cmdHelpContext->setObjectName(QStringLiteral("cmdHelpContext"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelpContext);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &QWidget::hide);
    // Cancel marks itself on cmdOK; the caller reads the mark.
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        cmdOK->setEnabled(false);
        hide();
    });
    connect(cmdHelpContext, &QPushButton::clicked, this, [] { ShowHelpContext(HelpTopic); });
    setCancelButton(cmdCancel);
    setDefaultButton(cmdOK);
}

void frmCollect::formLoad()
{
    adjustSize();
    CentreForm(this);
}

bool AskCheckOptions()
{
    Survey& survey = ProgramWorkspace().survey;
    DocumentState& document = ProgramWorkspace().document;
    auto& box = widgets::Forms::instance<frmCollect>();
    for (const OptionRow& option : OptionRows()) {
        const bool set = (survey.CheckOptions & option.bit) != 0;
        (box.*option.pair)[set ? 0 : 1]->setChecked(true);
    }
    const Integer before = survey.CheckOptions;
    box.showModal();
    // The pairs are taken over however the box closed: a changed option
    // stays changed even when the user then cancels.
    for (const OptionRow& option : OptionRows()) {
        if ((box.*option.pair)[0]->isChecked())
            survey.CheckOptions = static_cast<Integer>(survey.CheckOptions | option.bit);
        else
            survey.CheckOptions = static_cast<Integer>(survey.CheckOptions & ~option.bit);
    }
    // The options are saved with the questionnaire: a change must not be
    // lost by leaving without the save question.
    if (survey.CheckOptions != before)
        SetModified(document);
    const bool ok = box.cmdOK->isEnabled();
    widgets::Forms::unload(box);
    return ok;
}

}  // namespace kz
