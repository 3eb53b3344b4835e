// The base of every window of the program. A window is built in code in its
// constructor (layouts, controls named as the program knows them: "cmdOK",
// "txtInput", control arrays as "lstQno(0)"), reached through the registry
// (forms.h) and loaded there: formLoad runs once, right after the window is
// registered, so a load handler may reach its own window through the
// registry. Unloading runs formUnload, which may refuse.
#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

class QEventLoop;

namespace kz::widgets {

class Forms;

class KzForm : public QWidget {
    Q_OBJECT
public:
    // `name` is the window's object name ("frmAsk"), by which the program
    // and the tests tell windows apart.
    explicit KzForm(const QString& name, QWidget* parent = nullptr);
    ~KzForm() override;

    // Shows the window modally and returns once it is hidden or unloaded.
    // Other windows take no input meanwhile.
    void showModal();
    bool isShownModally() const { return modalLoop_ != nullptr; }

protected:
    friend class Forms;

    // Runs once when the registry creates the window.
    virtual void formLoad() {}
    // Runs when the window is unloaded; setting `cancel` keeps it loaded.
    virtual void formUnload(bool& cancel) { Q_UNUSED(cancel); }
    // Runs when the user closes the window by its frame; setting `cancel`
    // keeps it open, otherwise the window is unloaded.
    virtual void formQueryClose(bool& cancel) { Q_UNUSED(cancel); }

    // The box's Cancel: Esc and the frame's close press it instead of
    // unloading the window, so a box closed either way answers Cancel.
    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    // The box's default button: Enter presses it unless the control with
    // the focus takes Enter itself.
    void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPointer<QAbstractButton> cancelButton_;
    QPointer<QAbstractButton> defaultButton_;
    QEventLoop* modalLoop_ = nullptr;
    bool unloading_ = false;
};

}  // namespace kz::widgets
