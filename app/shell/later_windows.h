// The windows the main window opens that are built elsewhere (questionnaire
// design, answer entry and import, tabulation and result sheets, the
// password window). Each window plugs its opening in here when it is built;
// a hook left unset stands for a window that does not exist yet, and the
// command that would open it does nothing.
#pragma once

#include <QString>

#include <functional>
#include <utility>

#include "runtime/vbtypes.h"

namespace kz {

struct LaterWindows {
    // The new-questionnaire wizard, modeless.
    std::function<void()> showNewQuestionnaire;
    // The question editor, modal.
    std::function<void()> showQuestionEditor;
    // The question list, modeless.
    std::function<void()> showQuestionList;
    // The title-and-author window, modal; read only when `editable` is false
    // (the questionnaire is locked).
    std::function<void(bool editable)> showAbout;
    // The answer-entry window, modeless; and its unloading.
    std::function<void()> showEntryWindow;
    std::function<void()> unloadEntryWindow;
    // Whether the answer-entry window is shown; and showing a sample there:
    // txtIDno takes `idText`, its command label `command` ("ID" or a position).
    std::function<bool()> entryWindowVisible;
    std::function<void(const QString& idText, const QString& command)> showSampleInEntryWindow;
    // The window adding answers to listed samples, modeless.
    std::function<void()> showAddAnswers;
    // The reply-sheet line breaks, modal.
    std::function<void()> showParagraph;
    // The limit editor on the stored limits, modal; returns once it is done.
    std::function<void()> editStoredLimits;
    // The tabulation window, modeless, on `page` (1 coded answers, 2 free
    // texts; 0 leaves the page it shows); and its unloading.
    std::function<void(Integer page)> showTotal;
    std::function<void()> unloadTotal;
    // The chart window, modeless.
    std::function<void()> showGraph;
    // A new result sheet, shown, loading the page file.
    std::function<void(const QString& pagePath)> openResultPage;
    // The import window (with the entry window) set to `format` ("TXT",
    // "CSV", "WWWANS") with its label `formatLabel`, then to `file` (empty
    // for network answers).
    std::function<void(const QString& format, const QString& formatLabel, const QString& file)> startImport;
    // The import window writing the network questionnaire forms, modal.
    std::function<void()> writeNetworkForms;
    // The password window: loaded at start-up, shown modally by its menu.
    std::function<void()> loadKeyWindow;
    std::function<void()> showKeyWindow;
};

extern LaterWindows laterWindows;

// Runs the hook when it is set.
template <typename Hook, typename... Args>
void RunLaterWindow(const Hook& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

}  // namespace kz
