// How the program's windows open and call one another: one typed interface,
// so that no window looks up another's controls or reaches into it. The
// program installs the implementation that knows its windows
// (program/program_windows.h); until one is installed, every window answers
// as absent. A window that this build does not have yet answers as absent
// too: its command does nothing.
#pragma once

#include <QObject>
#include <QString>

#include "imports/import_entry.h"
#include "model/survey_types.h"
#include "model/total_option.h"
#include "runtime/vbtypes.h"

namespace kz::widgets {
class KzForm;
}  // namespace kz::widgets

namespace kz {

class frmGridBase;

// The windows that a command may find missing in this build.
enum class Window { LimitEditor, Tabulation, ResultSheet };

// How the limit editor shows a given condition: a question's own limit
// without the stored limits; a tabulation's condition with the stored limits
// it may require; or without them and with the note on cross tabulation.
enum class LimitEditMode { WithoutStoredLimits, WithStoredLimits, CrossNote };

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Whether the build has the window.
    virtual bool has(Window /*window*/) const { return false; }

    // Questionnaire design.
    // The new-questionnaire wizard, modeless.
    virtual void showNewQuestionnaire() {}
    virtual void showQuestionEditor() {}
    // The question and choice editor, modal, as a step of setting up a new
    // questionnaire; true when the user finished it, false when cancelled
    // (or without the editor).
    virtual bool editQuestionsAndChoices() { return false; }
    virtual void showQuestionList() {}
    virtual void unloadQuestionList() {}
    // The title-and-author window, modal; read only when `editable` is false.
    virtual void showAbout(bool /*editable*/) {}
    // The reply-sheet line breaks, modal.
    virtual void showParagraph() {}
    // The limit editor on the stored limits, modal; returns once it is done
    // and every changed limit's flags are recomputed.
    virtual void editStoredLimits() {}
    // The limit editor on `cond`, modal; `cond` holds the edited condition
    // afterwards (without the editor it stays as it was).
    virtual void editLimit(Condition& /*cond*/, LimitEditMode /*mode*/) {}

    // Answer entry.
    virtual void showEntryWindow() {}
    virtual void unloadEntryWindow() {}
    virtual bool entryWindowVisible() const { return false; }
    // The entry window shows a sample: txtIDno takes `idText`, its command
    // label `command` ("ID" or a position).
    virtual void showSampleInEntryWindow(const QString& /*idText*/, const QString& /*command*/) {}
    // The sample view shows sample `dno` (a position, as text) with ID
    // `idText`, counting questions up to `endQno`; all three empty: no
    // sample. refreshSampleView does so only when the sample view is open.
    virtual void showSampleView(const QString& /*endQno*/, const QString& /*dno*/, const QString& /*idText*/) {}
    virtual void refreshSampleView(const QString& /*endQno*/, const QString& /*dno*/, const QString& /*idText*/) {}
    // The window adding answers to listed samples, modeless.
    virtual void showAddAnswers() {}
    // The same over a result sheet: its listed samples receive the answer.
    virtual void showAddAnswersOn(frmGridBase& /*sheet*/) {}

    // Imported records, handed to the entry window one by one.
    // Enters the record as a new sample through the parse, checks and store
    // of a typed reply. A stored record is shown at the pace a user can
    // follow, a refused one at once, whole, with its message, for the user
    // to correct; the entry window says why a record was refused or stopped.
    virtual ImportOutcome enterImported(const ImportedRecord& record) = 0;
    // The record refused last is done with (the import goes on, stops or
    // closes): its sample goes when the user left it without answers. True
    // when it stays, corrected.
    virtual bool settleRefusedImport() = 0;
    // The entry window's status line tells why an importer refused a record.
    virtual void setEntryStatus(const QString& status) = 0;

    // Import and export beside the entry window.
    // Whether the import window is open, and its caption.
    virtual bool importWindowOpen() const { return false; }
    virtual QString importWindowCaption() const { return {}; }
    virtual void raiseImportWindow() {}
    // Whether the answer checks report their findings now: always, except
    // while the import window is shown with its report option off.
    virtual bool answerReportsWanted() const { return true; }
    // The import window (with the entry window) set to `format` ("TXT",
    // "CSV", "WWWANS") with its label `formatLabel`, then to `file` (empty
    // for network answers).
    virtual void startImport(const QString& /*format*/, const QString& /*formatLabel*/, const QString& /*file*/) {}
    // The import window writing the network questionnaire forms, modal.
    virtual void writeNetworkForms() {}
    // The import window exporting the samples a result sheet lists: `sheet`
    // is that sheet's window, which implements ListedSamples.
    virtual void exportListedSamples(QObject* /*sheet*/) {}

    // Tabulation.
    // The tabulation window, modeless, on `page` (1 coded answers, 2 free
    // texts; 0 leaves the page it shows); and its unloading.
    virtual void showTotal(Integer /*page*/) {}
    virtual void unloadTotal() {}
    // The tabulation window, shown, loads `request` (a free-text listing)
    // and runs it on a new result sheet.
    virtual void runFreeTextRequest(const TotalOptionRec& /*request*/) {}
    // A result sheet was activated: the windows that work on a result sheet
    // take this one, and the tabulation window shows its request.
    virtual void resultSheetActivated(widgets::KzForm& /*sheet*/) {}
    // The chart window, shown in front; it charts the active count sheet.
    virtual void showGraph() {}
    // A new result sheet, shown, loading the page file.
    virtual void openResultPage(const QString& /*pagePath*/) {}

    // The password window: loaded at start-up, shown modally by its menu.
    virtual void loadKeyWindow() {}
    virtual void showKeyWindow() {}

    // The main window's question whether to save unsaved changes before the
    // document is replaced; false when the caller must stop (Cancel, or a
    // save that failed or was stopped). Without the main window nothing can
    // be asked: true.
    virtual bool saveChangesFirst() { return true; }
    // The main window's Save: to the document's path, or by Save As when it
    // has none it may be written to. True when the file was saved.
    virtual bool saveFile() { return false; }
};

// The installed window services; a silent set until one is installed.
WindowServices& windows();
// Installs `services` (nullptr: the silent set again).
void InstallWindowServices(WindowServices* services);

// Shows the sample at position dno (as text) or with ID idText in the entry
// window when it is visible, else in the sample view; with the sample view
// and a position, idText becomes that sample's ID.
void ShowSampleID(const QString& dno, QString& idText);

}  // namespace kz
