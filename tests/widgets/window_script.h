// The window test harness. Window tests run on Qt's offscreen platform
// (kz_add_window_test in CMake; this library brings main and the
// application object). A test scripts the answer to every modal window and
// message box the code under test shows, by window and control names:
//
//   kz::test::WindowScript script;
//   script.on("frmAsk").click("cmdFunc2");                  // next modal: frmAsk
//   script.on("frmInput").setText("txtInput", "abc").click("cmdOK");
//   script.on("frmOther").typeKeys("Text", "Pw1\r");         // real key presses
//   script.on("frmQBox").selectRows("lstQno(1)", {0, 2}).click("cmdOK");
//   script.onMessage(kz::vbYes);                            // a message box, answered Yes
//   EXPECT_EQ(AskBox(...), 2);
//   EXPECT_EQ(script.messages().at(0).text, "...");          // what the box said
//
// Rules:
// - Steps are used in the order the windows appear; a box opened from inside
//   another box's step (a click that shows a message) takes the next step.
// - A step's actions run once its window is shown and waiting. When they are
//   done the window must be hidden (answered); a window still shown fails the
//   test and is closed as Cancel (its frame is closed).
// - A modal window no step expects fails the test and is closed the same
//   way, also when no WindowScript exists, so a test never hangs. A modal
//   window shown without passing the program's modal point is caught by a
//   watchdog after about a second; one that passed it is its script's, for
//   as long as the work its step sets off takes.
// - A script whose steps were not all used fails the test when it ends.
// - Message boxes are answered by the old result value (kz::vbOK, kz::vbYes,
//   ...): the program's message box carries it on each button as property
//   "vbResult".
// - Control arrays are named "name(index)", e.g. "lstQno(1)".
// - Derive fixtures from WindowTest: it unloads every window after each test.
#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "widgets/modal_point.h"

class QTimer;
class QWidget;

namespace kz::test {

// A message box as it was shown.
struct ShownMessage {
    QString text;
    QString title;
    int icon = 0;           // QMessageBox::Icon
    QList<int> answers;     // the vbResult of each button, in order
    int defaultAnswer = 0;  // the vbResult of the default button
};

class WindowScript;

class ScriptStep {
public:
    using Action = std::function<void(QWidget& window)>;

    // Presses the button `name`; fails when it is missing or disabled.
    ScriptStep& click(const QString& name);
    // Sets the text of a line edit (as a program would, bypassing key
    // filters and validators).
    ScriptStep& setText(const QString& name, const QString& text);
    // Types `keys` into the control with real key events; "\r" is Enter,
    // "\b" Backspace, "\x1b" Esc.
    ScriptStep& typeKeys(const QString& name, const QString& keys);
    // Inserts `text` into a line edit as paste and input methods do.
    ScriptStep& paste(const QString& name, const QString& text);
    // Makes `row` the current (selected) row of a list.
    ScriptStep& select(const QString& name, int row);
    // Selects exactly `rows` of a multiple-selection list.
    ScriptStep& selectRows(const QString& name, std::vector<int> rows);
    // Double-clicks `row` of a list with the mouse.
    ScriptStep& doubleClick(const QString& name, int row);
    // Closes the window by its frame.
    ScriptStep& closeFrame();
    // Presses Esc in the window.
    ScriptStep& pressEscape();
    // Looks at (or works on) the shown window; gtest assertions may be used.
    ScriptStep& inspect(Action action);

private:
    friend class WindowScript;
    QString window_;  // empty: a message box
    int answer_ = 0;  // for a message box
    std::vector<Action> actions_;
};

class WindowScript : public widgets::ModalDriver {
public:
    WindowScript();
    ~WindowScript() override;
    WindowScript(const WindowScript&) = delete;
    WindowScript& operator=(const WindowScript&) = delete;

    // The next modal window must be the window named `window`.
    ScriptStep& on(const QString& window);
    // The next modal window must be a message box; it is answered `answer`.
    ScriptStep& onMessage(int answer);

    const QList<ShownMessage>& messages() const { return messages_; }
    bool finished() const { return steps_.empty(); }

    void modalShown(QWidget& window) override;

private:
    std::deque<std::unique_ptr<ScriptStep>> steps_;
    QList<ShownMessage> messages_;
    widgets::ModalDriver* previous_;
};

// Closes a modal window as the user's Cancel would: the frame of a window,
// the Esc answer of a message box, reject() of a dialog.
void Dismiss(QWidget& window);

// Runs deferred deletions and pending events.
void FlushEvents();

// Unloads every window after each test.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;
};

// Installed by the harness's main: fails and dismisses every modal window
// while no WindowScript is active, and watches for modal windows that
// nobody answers.
void InstallModalGuard();

}  // namespace kz::test
