// The small questions every window asks the user: the caller names what it
// wants, the box is shown modally and its answer comes back. Closing a box
// by its frame or with Esc is Cancel.
#pragma once

#include <QString>

#include <span>

#include "host/ui_seam.h"
#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// The cancel mark QBoxSelectMany leaves in selected[0].
constexpr Integer QBoxCancelled = -32768;

// Two texts, buttons captioned caption1 and caption2, and Cancel: 1 or 2 for
// the button pressed, 0 for Cancel.
Integer AskBox(const QString& text1, const QString& text2, const QString& caption1, const QString& caption2);
// One line of text under `title`, with the name, range and caution lines (an
// empty caution is not shown). OK: true, `text` the typed text. Cancel:
// false, `text` emptied.
bool InputBoxEx(const QString& title, const QString& name, const QString& range, const QString& caution,
                QString& text);
// The chosen folder; "" when cancelled.
QString AskFolder();
// True when the user types the questionnaire password `expected`; a wrong
// one is reported to the user.
bool AskPassword(const QString& expected);
// The question chosen from those numbered `first` on; -1 when cancelled, when
// none is chosen, or when `first` names no question.
Integer QBoxSelect(const Survey& questionnaire, const QString& prompt, Integer first);
// Marks each question chosen -1 and each other 0 (as far as `selected`
// reaches); when cancelled, only selected[0] = QBoxCancelled.
void QBoxSelectMany(const Survey& questionnaire, const QString& prompt, std::span<Integer> selected);
// The open (saveMode OpenDialog) or save dialog starting at `path` (a full path or a
// file name) with a filter "desc|pattern|desc|pattern|"; the chosen path, or
// "" when cancelled.
QString FileDialog(const QString& path, const QString& filter, Integer saveMode);
constexpr Integer OpenDialog = 0;
constexpr Integer SaveDialog = 1;

// The progress window of a long job (the seam's calls under their routine
// names): shown at the start, told each step (false once the user stopped
// the job), hidden at the end.
inline void ShowProcessing(const QString& caption, const QString& info, const QString& processing, bool fatal,
                           bool showNow, bool saveJob)
{
    ui().showProcessing(caption, info, processing, fatal, showNow, saveJob);
}
inline bool SetProcessingProgress(const QString& text, float ratio)
{
    return ui().setProcessingProgress(text, ratio);
}
inline void EndProcessing() { ui().endProcessing(); }

void ShowHelpContext(Long contextId);
void ShowHelpContents();
// The keyword search of the help file.
void ShowHelpByDialog();
// Tells the help viewer the program is done with it.
void QuitHelp();

}  // namespace kz
