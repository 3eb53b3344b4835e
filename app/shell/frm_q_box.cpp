#include "shell/frm_q_box.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/survey.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "texts/question_lists.h"
#include "widgets/forms.h"

namespace kz {

frmQBox::frmQBox() : KzForm(QStringLiteral("frmQBox"))
{
    setWindowTitle(QStringLiteral("質問"));
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    for (int i = 0; i < 2; ++i) {
        lstQno[i] = new QListWidget(this);
        lstQno[i]->setObjectName(QStringLiteral("lstQno(%1)").arg(i));
    }
    lstQno[1]->setSelectionMode(QAbstractItemView::MultiSelection);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInfo);
    layout->addWidget(lstQno[0], 1);
    layout->addWidget(lstQno[1], 1);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &QWidget::hide);
    connect(lstQno[0], &QListWidget::itemDoubleClicked, this, &QWidget::hide);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        cmdCancel->setEnabled(false);
        hide();
    });
    setCancelButton(cmdCancel);
    // Enter in a list, which passes it on, confirms the lines selected.
    setDefaultButton(cmdOK);
}

void frmQBox::formLoad()
{
    Survey& survey = ProgramWorkspace().survey;
    QStringList rows;
    for (Integer q = 0; q < survey.QuestionCount; ++q)
        rows.push_back(QString());
    FillQuestionTree(survey, rows, 0);
    for (QListWidget* list : lstQno)
        list->addItems(rows);
    resize(480, 360);
    CentreForm(this);
}

Integer RunQBox(const QString& prompt, Integer first)
{
    auto& box = widgets::Forms::instance<frmQBox>();
    box.lblInfo->setText(prompt);
    box.lstQno[0]->show();
    box.lstQno[1]->hide();
    for (Integer i = 0; i < first && box.lstQno[0]->count() > 0; ++i)
        delete box.lstQno[0]->takeItem(0);
    for (QListWidget* list : box.lstQno)
        list->setCurrentRow(0);
    box.showModal();
    const QList<QListWidgetItem*> selected = box.lstQno[0]->selectedItems();
    Integer result = -1;
    if (box.cmdCancel->isEnabled() && !selected.isEmpty())
        result = static_cast<Integer>(box.lstQno[0]->row(selected.front()) + first);
    widgets::Forms::unload(box);
    return result;
}

bool RunQBoxMany(const QString& prompt, QList<bool>& chosen)
{
    auto& box = widgets::Forms::instance<frmQBox>();
    box.lblInfo->setText(prompt);
    box.lstQno[0]->hide();
    box.lstQno[1]->show();
    box.showModal();
    const bool ok = box.cmdCancel->isEnabled();
    if (ok) {
        chosen.clear();
        for (int row = 0; row < box.lstQno[1]->count(); ++row)
            chosen.push_back(box.lstQno[1]->item(row)->isSelected());
    }
    widgets::Forms::unload(box);
    return ok;
}

}  // namespace kz
