// What happens to the open document, told to whoever listens: the main
// window's commands and caption, and every window that shows the document.
#pragma once

#include <QObject>
#include <QString>

namespace kz {

struct DocumentState;
struct Survey;

class DocumentEvents : public QObject {
    Q_OBJECT
signals:
    // The modified mark, the lock or the recent files changed.
    void changed();
    // The questionnaire and its samples were replaced by a load or a merge:
    // windows that show them close.
    void replaced();
    // A loaded questionnaire asks to be named in the main window's caption.
    void captionChanged(const QString& caption);
    // Nothing savable is loaded (a load failed or was stopped after the
    // previous questionnaire was discarded): the caption names none.
    void captionReset();
};

DocumentEvents& documentEvents();

// Names the questionnaire in the main window's caption by its title; a
// concealed one (lock level 2) leaves the caption as it is.
void AnnounceCaption(const Survey& questionnaire, const DocumentState& state);

}  // namespace kz
