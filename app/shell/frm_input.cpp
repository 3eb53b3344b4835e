#include "shell/frm_input.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/message_box.h"
#include "shell/useful_controls.h"
#include "widgets/forms.h"

namespace kz {

frmInput::frmInput() : KzForm(QStringLiteral("frmInput"))
{
    setWindowTitle(QStringLiteral("入力"));
    lblName = new QLabel(this);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblRange = new QLabel(this);
    lblRange->setObjectName(QStringLiteral("lblRange"));
    lblCaution = new QLabel(this);
    lblCaution->setObjectName(QStringLiteral("lblCaution"));
    txtInput = new QLineEdit(this);
    txtInput->setObjectName(QStringLiteral("txtInput"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* line = new QHBoxLayout;
    line->addWidget(lblName);
    line->addWidget(txtInput, 1);
    line->addWidget(lblRange);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(lblCaution);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &QWidget::hide);
    // Cancel marks itself by emptying its caption.
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        cmdCancel->setText(QString());
        hide();
    });
    setCancelButton(cmdCancel);
    setDefaultButton(cmdOK);
    txtInput->installEventFilter(this);
}

bool frmInput::eventFilter(QObject* watched, QEvent* event)
{
    // The whole text is selected whenever the box gets the focus; queued so
    // that a mouse click's own cursor placement does not undo it.
    if (watched == txtInput && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtInput, &QLineEdit::selectAll);
    return KzForm::eventFilter(watched, event);
}

bool RunInputBox(const QString& title, const QString& name, const QString& range, const QString& caution,
                 QString& text)
{
    auto& box = widgets::Forms::instance<frmInput>();
    box.setWindowTitle(title);
    box.lblName->setText(name);
    box.lblRange->setText(range);
    box.lblCaution->setText(caution);
    box.lblCaution->setVisible(!caution.isEmpty());
    box.txtInput->setText(text);
    box.txtInput->selectAll();
    box.txtInput->setFocus();
    // The box is as wide as its texts and stands over the window it was
    // asked from.
    box.adjustSize();
    CentreOn(&box, DialogOwner());
    box.showModal();
    const bool ok = !box.cmdCancel->text().isEmpty();
    if (ok)
        text = box.txtInput->text();
    widgets::Forms::unload(box);
    return ok;
}

}  // namespace kz
