// How the program's windows open and call one another: one typed interface,
// so that no window looks up another's controls, holds another window's
// class or reaches into it. The program installs the implementation that
// knows its windows (program/program_windows.h); window tests install a
// stand-in that records what it was asked (tests/shell/window_calls.h). A
// result sheet is named as the window it is; the implementation knows it.
#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "imports/import_entry.h"
#include "model/survey_types.h"
#include "model/total_option.h"
#include "runtime/vbtypes.h"
#include "tabulation/chart_feed.h"

namespace kz::widgets {
class KzForm;
}  // namespace kz::widgets

namespace kz {

// How the limit editor shows a given condition: a question's own limit
// without the stored limits; a tabulation's condition with the stored limits
// it may require; or without them and with the note on cross tabulation.
enum class LimitEditMode { WithoutStoredLimits, WithStoredLimits, CrossNote };

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Questionnaire design.
    // The new-questionnaire wizard, modeless.
    virtual void showNewQuestionnaire() = 0;
    virtual void showQuestionEditor() = 0;
    // The question and choice editor, modal, as a step of setting up a new
    // questionnaire; true when the user finished it, false when cancelled.
    virtual bool editQuestionsAndChoices() = 0;
    virtual void showQuestionList() = 0;
    virtual void unloadQuestionList() = 0;
    // The title-and-author window, modal; read only when `editable` is false.
    virtual void showAbout(bool editable) = 0;
    // The reply-sheet line breaks, modal.
    virtual void showParagraph() = 0;
    // The limit editor on the stored limits, modal; returns once it is done
    // and every changed limit's flags are recomputed.
    virtual void editStoredLimits() = 0;
    // The limit editor on `cond`, modal; `cond` holds the edited condition
    // afterwards.
    virtual void editLimit(Condition& cond, LimitEditMode mode) = 0;

    // Answer entry.
    virtual void showEntryWindow() = 0;
    virtual void unloadEntryWindow() = 0;
    virtual bool entryWindowVisible() const = 0;
    // The entry window shows a sample: txtIDno takes `idText`, its command
    // label `command` ("ID" or a position).
    virtual void showSampleInEntryWindow(const QString& idText, const QString& command) = 0;
    // The sample view shows sample `dno` (a position, as text) with ID
    // `idText`, counting questions up to `endQno`; all three empty: no
    // sample. refreshSampleView does so only when the sample view is open.
    virtual void showSampleView(const QString& endQno, const QString& dno, const QString& idText) = 0;
    virtual void refreshSampleView(const QString& endQno, const QString& dno, const QString& idText) = 0;
    // The window adding answers to listed samples, modeless.
    virtual void showAddAnswers() = 0;
    // The same over the result sheet `sheet`: its listed samples receive the
    // answer.
    virtual void showAddAnswersOn(widgets::KzForm& sheet) = 0;

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
    virtual bool importWindowOpen() const = 0;
    virtual QString importWindowCaption() const = 0;
    virtual void raiseImportWindow() = 0;
    // Whether the answer checks report their findings now: always, except
    // while the import window is shown with its report option off.
    virtual bool answerReportsWanted() const = 0;
    // The import window (with the entry window) set to `format` ("TXT",
    // "CSV", "WWWANS") with its label `formatLabel`, then to `file` (empty
    // for network answers); a delimited file is shown in the preview.
    virtual void startImport(const QString& format, const QString& formatLabel, const QString& file) = 0;
    // The preview shows the line being read, when it is open.
    virtual void showLineInPreview(const QString& line) = 0;
    virtual void unloadPreview() = 0;
    // The import window writing the network questionnaire forms, modal.
    virtual void writeNetworkForms() = 0;
    // The import window exporting the samples a result sheet lists: `sheet`
    // is that sheet's window, which implements ListedSamples.
    virtual void exportListedSamples(QObject* sheet) = 0;

    // Tabulation.
    // The tabulation window, modeless, on `page` (1 coded answers, 2 free
    // texts; 0 leaves the page it shows); and its unloading.
    virtual void showTotal(Integer page) = 0;
    virtual void unloadTotal() = 0;
    // The tabulation window, shown, loads `request` (a free-text listing)
    // and runs it on a new result sheet.
    virtual void runFreeTextRequest(const TotalOptionRec& request) = 0;
    // A new result sheet, not shown before it runs a request.
    virtual widgets::KzForm& newResultSheet() = 0;
    // The result sheet `sheet` counts `request`, which becomes its own; while
    // it takes it, its activation hands nothing back.
    virtual void runTotal(widgets::KzForm& sheet, const TotalOptionRec& request) = 0;
    // A result sheet was activated: the windows that work on a result sheet
    // take this one, and the tabulation window shows its request.
    virtual void resultSheetActivated(widgets::KzForm& sheet) = 0;
    // A new result sheet, shown, loading the page file.
    virtual void openResultPage(const QString& pagePath) = 0;

    // The chart window, shown in front; it charts the active count sheet.
    virtual void showGraph() = 0;
    // The chart window shown on top of the result sheet that asks, which
    // keeps the focus.
    virtual void raiseGraph() = 0;
    // Whether the chart window is shown; and shown charting what `sheet`
    // sent it last (not only activated since).
    virtual bool graphShown() const = 0;
    virtual bool graphFedBy(const widgets::KzForm& sheet) const = 0;
    // The chart window works on `sheet` from now on, and charts `feed` when
    // there is one.
    virtual void feedGraph(widgets::KzForm& sheet, const std::optional<ChartFeed>& feed) = 0;
    // The result sheet `sheet` sends its chart data again.
    virtual void resendGraphData(widgets::KzForm& sheet) = 0;

    // The password window: loaded at start-up, shown modally by its menu.
    virtual void loadKeyWindow() = 0;
    virtual void showKeyWindow() = 0;

    // The main window's question whether to save unsaved changes before the
    // document is replaced; false when the caller must stop (Cancel, or a
    // save that failed or was stopped).
    virtual bool saveChangesFirst() = 0;
    // The main window's Save: to the document's path, or by Save As when it
    // has none it may be written to. True when the file was saved.
    virtual bool saveFile() = 0;
};

// The installed window services. Asking before any are installed is a
// fault of the program (or of the test), and ends it.
WindowServices& windows();
// Installs `services` and returns those it replaces (nullptr: none), for
// whoever installed them for a while to put back.
WindowServices* InstallWindowServices(WindowServices* services);

// Shows the sample at position dno (as text) or with ID idText in the entry
// window when it is visible, else in the sample view; with the sample view
// and a position, idText becomes that sample's ID.
void ShowSampleID(const QString& dno, QString& idText);

}  // namespace kz
