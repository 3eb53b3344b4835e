#include "widgets/kz_form.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>

#include "widgets/forms.h"
#include "widgets/modal_point.h"

namespace kz::widgets {

KzForm::KzForm(const QString& name, QWidget* parent) : QWidget(parent, Qt::Window) { setObjectName(name); }

KzForm::~KzForm()
{
    if (modalLoop_)
        modalLoop_->quit();
}

void KzForm::showModal()
{
    const QPointer<KzForm> self(this);
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    announceModal(*this);
    QEventLoop loop;
    modalLoop_ = &loop;
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (!self)
        return;
    modalLoop_ = nullptr;
    if (isVisible())
        hide();
    setWindowModality(Qt::NonModal);
}

void KzForm::closeEvent(QCloseEvent* event)
{
    // The window decides for itself; Qt must not hide it behind our back.
    event->ignore();
    // A box answers Cancel, also while a long job runs: that ends only the
    // box, never the job.
    if (cancelButton_) {
        if (cancelButton_->isEnabled())
            cancelButton_->click();
        return;
    }
    if (Forms::longJobRunning())
        return;
    bool cancel = false;
    formQueryClose(cancel);
    if (!cancel)
        Forms::unload(*this);
}

void KzForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && cancelButton_) {
        if (cancelButton_->isEnabled())
            cancelButton_->click();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && defaultButton_) {
        if (defaultButton_->isEnabled())
            defaultButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void KzForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A minimised window stays visible; only a real hide ends the modal wait.
    if (modalLoop_ && !isVisible())
        modalLoop_->quit();
}

}  // namespace kz::widgets
