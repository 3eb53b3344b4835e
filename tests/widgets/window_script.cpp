#include "window_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "widgets/forms.h"

namespace kz::test {

namespace {

std::string Describe(const QWidget& window)
{
    if (const auto* box = qobject_cast<const QMessageBox*>(&window))
        return "message box \"" + box->text().toStdString() + "\"";
    return "window \"" + window.objectName().toStdString() + "\"";
}

// The control `name` of the window, of type T; fails the test when missing.
template <class T>
T* Control(QWidget& window, const QString& name)
{
    auto* control = window.findChild<T*>(name);
    if (!control)
        ADD_FAILURE() << Describe(window) << " has no control \"" << name.toStdString() << "\" of that kind";
    return control;
}

int ResultOf(const QAbstractButton* button) { return button ? button->property("vbResult").toInt() : 0; }

ShownMessage Record(const QMessageBox& box)
{
    ShownMessage shown{box.text(), box.windowTitle(), box.icon(), {}, ResultOf(box.defaultButton())};
    for (const QAbstractButton* button : box.buttons())
        shown.answers.push_back(ResultOf(button));
    std::sort(shown.answers.begin(), shown.answers.end());
    return shown;
}

void Answer(QMessageBox& box, int answer)
{
    for (QAbstractButton* button : box.buttons()) {
        if (ResultOf(button) == answer) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << Describe(box) << " has no button answering " << answer;
    Dismiss(box);
}

// The modal windows that passed the program's modal point: their scripts
// answer them, however long the work a step sets off takes.
QList<QPointer<QWidget>>& AnnouncedModals()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

void NoteAnnounced(QWidget& window)
{
    QList<QPointer<QWidget>>& windows = AnnouncedModals();
    windows.removeAll(nullptr);
    windows.push_back(&window);
}

bool WasAnnounced(QWidget* window) { return window && AnnouncedModals().contains(window); }

// Fails every modal window while no script runs, and any modal window left
// waiting unanswered (one that never passed the modal point).
class ModalGuard : public widgets::ModalDriver {
public:
    ModalGuard()
    {
        timer_.setInterval(500);
        QObject::connect(&timer_, &QTimer::timeout, [this] { watch(); });
        timer_.start();
    }
    void modalShown(QWidget& window) override
    {
        NoteAnnounced(window);
        ADD_FAILURE() << "unexpected modal " << Describe(window) << " (no WindowScript)";
        Dismiss(window);
    }

private:
    void watch()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (WasAnnounced(modal))
            modal = nullptr;
        if (modal && modal == lastSeen_) {
            ADD_FAILURE() << "modal " << Describe(*modal) << " left waiting unanswered";
            Dismiss(*modal);
            modal = nullptr;
        }
        lastSeen_ = modal;
    }

    QTimer timer_;
    QPointer<QWidget> lastSeen_;
};

}  // namespace

ScriptStep& ScriptStep::click(const QString& name)
{
    actions_.push_back([name](QWidget& window) {
        if (auto* button = Control<QAbstractButton>(window, name)) {
            if (!button->isEnabled())
                ADD_FAILURE() << "button \"" << name.toStdString() << "\" is disabled";
            else
                button->click();
        }
    });
    return *this;
}

ScriptStep& ScriptStep::setText(const QString& name, const QString& text)
{
    actions_.push_back([name, text](QWidget& window) {
        if (auto* edit = Control<QLineEdit>(window, name))
            edit->setText(text);
    });
    return *this;
}

ScriptStep& ScriptStep::typeKeys(const QString& name, const QString& keys)
{
    actions_.push_back([name, keys](QWidget& window) {
        QPointer<QWidget> control = Control<QWidget>(window, name);
        for (const QChar c : keys) {
            if (!control || !control->isVisible())
                return;
            control->setFocus();
            switch (c.unicode()) {
            case '\r':
                QTest::keyClick(control, Qt::Key_Return);
                break;
            case '\b':
                QTest::keyClick(control, Qt::Key_Backspace);
                break;
            case 0x1b:
                QTest::keyClick(control, Qt::Key_Escape);
                break;
            default:
                QTest::keyClicks(control, QString(c));
            }
        }
    });
    return *this;
}

ScriptStep& ScriptStep::paste(const QString& name, const QString& text)
{
    actions_.push_back([name, text](QWidget& window) {
        if (auto* edit = Control<QLineEdit>(window, name))
            edit->insert(text);
    });
    return *this;
}

ScriptStep& ScriptStep::select(const QString& name, int row)
{
    actions_.push_back([name, row](QWidget& window) {
        if (auto* list = Control<QListWidget>(window, name))
            list->setCurrentRow(row);
    });
    return *this;
}

ScriptStep& ScriptStep::selectRows(const QString& name, std::vector<int> rows)
{
    actions_.push_back([name, wanted = std::move(rows)](QWidget& window) {
        if (auto* list = Control<QListWidget>(window, name)) {
            list->clearSelection();
            for (int row : wanted) {
                if (QListWidgetItem* item = list->item(row))
                    item->setSelected(true);
                else
                    ADD_FAILURE() << "list \"" << name.toStdString() << "\" has no row " << row;
            }
        }
    });
    return *this;
}

ScriptStep& ScriptStep::doubleClick(const QString& name, int row)
{
    actions_.push_back([name, row](QWidget& window) {
        auto* list = Control<QListWidget>(window, name);
        if (!list)
            return;
        QListWidgetItem* item = list->item(row);
        if (!item) {
            ADD_FAILURE() << "list \"" << name.toStdString() << "\" has no row " << row;
            return;
        }
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    });
    return *this;
}

ScriptStep& ScriptStep::closeFrame()
{
    actions_.push_back([](QWidget& window) { window.close(); });
    return *this;
}

ScriptStep& ScriptStep::pressEscape()
{
    actions_.push_back([](QWidget& window) {
        QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keyClick(target, Qt::Key_Escape);
    });
    return *this;
}

ScriptStep& ScriptStep::inspect(Action action)
{
    actions_.push_back(std::move(action));
    return *this;
}

WindowScript::WindowScript() : previous_(widgets::modalDriver()) { widgets::setModalDriver(this); }

WindowScript::~WindowScript()
{
    widgets::setModalDriver(previous_);
    for (const auto& step : steps_)
        ADD_FAILURE() << "scripted "
                      << (step->window_.isEmpty() ? std::string("message box") : step->window_.toStdString())
                      << " never shown";
}

ScriptStep& WindowScript::on(const QString& window)
{
    steps_.push_back(std::make_unique<ScriptStep>());
    steps_.back()->window_ = window;
    return *steps_.back();
}

ScriptStep& WindowScript::onMessage(int answer)
{
    steps_.push_back(std::make_unique<ScriptStep>());
    steps_.back()->answer_ = answer;
    return *steps_.back();
}

void WindowScript::modalShown(QWidget& window)
{
    NoteAnnounced(window);
    auto* box = qobject_cast<QMessageBox*>(&window);
    const bool matches =
        !steps_.empty()
        && (steps_.front()->window_.isEmpty() ? box != nullptr : window.objectName() == steps_.front()->window_);
    if (!matches) {
        ADD_FAILURE() << "unexpected modal " << Describe(window)
                      << (steps_.empty()
                              ? std::string(" (nothing scripted)")
                              : " (scripted: "
                                    + (steps_.front()->window_.isEmpty() ? std::string("a message box")
                                                                         : steps_.front()->window_.toStdString())
                                    + ")");
        // The order is off: the step is spent as well.
        if (!steps_.empty())
            steps_.pop_front();
        Dismiss(window);
        return;
    }
    const std::unique_ptr<ScriptStep> step = std::move(steps_.front());
    steps_.pop_front();
    QPointer<QWidget> guard(&window);
    if (box)
        messages_.push_back(Record(*box));
    for (const ScriptStep::Action& action : step->actions_) {
        if (!guard || !guard->isVisible()) {
            ADD_FAILURE() << "window \"" << step->window_.toStdString() << "\" closed before its script ended";
            return;
        }
        action(*guard);
    }
    if (box && guard && guard->isVisible())
        Answer(*box, step->answer_);
    if (guard && guard->isVisible()) {
        ADD_FAILURE() << Describe(*guard) << " still shown after its script";
        Dismiss(*guard);
    }
}

void Dismiss(QWidget& window)
{
    QPointer<QWidget> guard(&window);
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        if (QAbstractButton* escape = box->escapeButton())
            escape->click();
        else
            box->reject();
    } else if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->reject();
    } else {
        window.close();
    }
    if (guard && guard->isVisible())
        guard->hide();
}

void FlushEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowTest::TearDown()
{
    widgets::Forms::discardAll();
    FlushEvents();
}

void InstallModalGuard()
{
    static ModalGuard guard;
    widgets::setModalDriver(&guard);
}

}  // namespace kz::test
