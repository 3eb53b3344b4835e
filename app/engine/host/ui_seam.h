// The engine's only way to the user: message boxes and the small modal
// boxes, the beep, the hourglass, the progress window and yielding to the
// event loop. What happens to the document is told as events instead
// (model/document_events.h). The program installs
// its widgets behind it; tests install a scripted one.
#pragma once

#include <QList>
#include <QString>

#include "runtime/vbtypes.h"

namespace kz {

// Message box buttons, icons and answers keep the values callers know.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

class UiSeam {
public:
    virtual ~UiSeam() = default;
    // An empty title means the application title "Kelvorzun".
    virtual int messageBox(const QString& prompt, int style, const QString& title) = 0;
    virtual void beep() = 0;
    virtual void setHourglass(bool busy) = 0;
    virtual void showProcessing(const QString& caption, const QString& info, const QString& processing, bool fatal,
                                bool showNow, bool saveJob) = 0;
    // False when the user stopped the job.
    virtual bool setProcessingProgress(const QString& text, float ratio) = 0;
    virtual void endProcessing() = 0;
    // Lets the event loop run; callers throttle it to a few tens of milliseconds.
    virtual void yieldToEvents() = 0;

    // The boxes below answer through the same seam. Until a window exists
    // (and in engine tests) these defaults stand: nothing is shown, and the
    // password box refuses.

    // The questionnaire password box; true when the typed password equals
    // `expected`.
    virtual bool askPassword(const QString& expected);

    // The small modal boxes (cmd_box.h has the routines callers use). Without
    // windows every box answers Cancel.

    // Two texts, two buttons and Cancel: 1 or 2 for the button, 0 for Cancel.
    virtual Integer askBox(const QString& text1, const QString& text2, const QString& caption1,
                           const QString& caption2);
    // One line of text; true for OK with `text` the typed text.
    virtual bool inputBox(const QString& title, const QString& name, const QString& range, const QString& caution,
                          QString& text);
    // The chosen folder; "" for Cancel.
    virtual QString askFolder() { return {}; }
    // The question chosen in the list of questions from `first` on; -1 for
    // Cancel or when none is chosen.
    virtual Integer qBoxSelect(const QString& prompt, Integer first);
    // Whether each question (by number) was chosen; false for Cancel.
    virtual bool qBoxSelectMany(const QString& prompt, QList<bool>& chosen);
    // The open (save false) or save dialog over a filter "desc|pattern|...";
    // the chosen path, "" for Cancel.
    virtual QString fileDialog(const QString& path, const QString& filter, bool save);
    // The old help commands: 1 topic by context id `data`, 2 quit, 11
    // contents, 261 keyword search.
    virtual void showHelp(int command, Long data);
};

// The installed seam; until one is installed, a silent one that answers
// every message box with its first button, every small box with Cancel, and
// never stops a job.
UiSeam& ui();
void installUi(UiSeam* seam);

inline int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {})
{
    return ui().messageBox(prompt, style, title);
}
inline void Beep() { ui().beep(); }

// The hourglass pointer for the life of the guard.
class HourglassScope {
public:
    HourglassScope() { ui().setHourglass(true); }
    ~HourglassScope() { ui().setHourglass(false); }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;
};

}  // namespace kz
