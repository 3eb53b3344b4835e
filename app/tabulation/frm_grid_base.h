// The result sheet: one window per tabulation request, counting the request
// over the samples and showing the result in its grid. Several sheets can be
// open at once (Forms::createNew); each keeps its own copy of the request
// and its own results until it is closed. Other windows drive it through the
// window services, which hand it requests (DoHandedTotal) and ask it to send
// its chart again (ResendGraphData).
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <array>
#include <vector>

#include "document/listed_samples.h"
#include "tabulation/block_cells.h"
#include "tabulation/chart_feed.h"
#include "tabulation/count_sheet.h"
#include "tabulation/free_text_listing.h"
#include "widgets/flex_grid.h"
#include "widgets/kz_form.h"

namespace kz {

class frmGridBase : public widgets::KzForm, public ListedSamples, private CountSheetView, private ListingView {
    Q_OBJECT
public:
    frmGridBase();

    // "Do Total": count the sheet's own request again; "Resend GraphData":
    // send the selection to the chart again; "Save Page": write the page file
    // named in lblInfo2. Anything else is refused with "命令ミス : " and the
    // command.
    void SheetCommand(const QString& cmd);
    // Shows the sheet and counts `request`, which becomes the sheet's own; a
    // request that does not fit the questionnaire is refused with a message
    // and the sheet keeps what it had.
    void DoTotal(TotalOptionRec request);
    // DoTotal on the request the tabulation window hands over; until it is
    // done the sheet's activation hands nothing back.
    void DoHandedTotal(const TotalOptionRec& request);
    // Sends the current selection to the chart again.
    void ResendGraphData();
    // Counts (after "Do Total") or redraws from the stored counts (after a
    // display change); nothing before the first "Do Total".
    void DoSheet();

    // Opens a page file: its request, over the sheet's own for what a page
    // does not store, is counted on the data now loaded, with the page's
    // display options.
    // False, with a message and nothing taken over, for a page that is not
    // whole or does not fit the questionnaire; the sheet keeps its result.
    bool PageLoad(const QString& FileName);
    // The selected cells as tab-separated text, every row ended by CR LF.
    QString SelectionText() const;
    // Writes the sheet as an HTML page; false after a reported failure.
    bool WriteHTML(const QString& FileName);

    // What the sheet has computed: its request, counts and layout.
    const CountSheet& result() const { return sheet_; }
    bool isListing() const override { return ready_ && sheet_.SheetOption.Kind == TotalFreeTexts; }

    // The samples of the last listing run, a sample once per listed row;
    // none on a count sheet.
    Long EssayDno() override;
    void EssayDnoReset() override;
    Long EssayDnoCount() override;

    widgets::FlexGrid* Grid;
    // The text of the current cell, to select and copy; its Enabled state
    // tells that the tabulation window is handing the sheet a request.
    QLineEdit* txtGrid;
    QLabel* lblInfo;
    QLabel* lblInfo2;
    QLabel* lblFromDno;
    QPushButton* cmdCancel;
    QPushButton* cmdNext;
    // State only, never shown.
    QCheckBox* chkTotaled;
    QCheckBox* chkSorted;

    QMenuBar* menuBar;
    QMenu* mnuFile;
    QAction* mnuPageLoad;
    QAction* mnuPageSave;
    QAction* mnuSpaceSearch;
    QAction* mnuSearch;
    QAction* mnuOutput;
    QAction* mnuRefQno;
    QAction* mnuSpaceQuit;
    QAction* mnuQuit;
    QMenu* mnuEdit;
    QAction* mnuCopy;
    QAction* mnuAll;
    QAction* mnuTextSave;
    QAction* mnuHTMLSave;
    QAction* mnuSendToExcel;
    QAction* mnuSpaceResult;
    std::array<QAction*, 3> mnuPercent;
    QAction* mnuGraphPerSpace;
    std::array<QAction*, 5> mnuGraphOrder;
    QAction* mnuSortSpace;
    QAction* mnuSort;
    QAction* mnuSpaceSpace;
    QAction* mnuSpace;
    QAction* mnuSpaceEssay;
    QAction* mnuGoEssay;
    QAction* mnuEssayTotal;
    QAction* mnuSearchLetter;
    QAction* mnuSearchNumber;
    QMenu* mnuFont;
    QAction* mnuFontChange;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();

    // Every other window enabled or disabled, with the sheet's own menus;
    // the stop button the other way round.
    void LockWindows(bool enable);
    void cancelClicked();
    void selectionChanged();

    // Edit, file and font commands (frm_grid_base_commands.cpp).
    void connectCommands();
    void copyClicked();
    void selectAllClicked();
    void fontChangeClicked();
    void outputClicked();
    // A listing's ID cell shows its sample.
    void showListedSample();

    // The chart window (frm_grid_base_chart_feed.cpp).
    void graphOrderClicked(size_t index);
    ChartFeedOptions chartOptions() const;
    // Sends the current cell's question to the chart window when it is shown.
    void feedChart();
    // After a run: the chart fed by this sheet takes the question it showed
    // from the sheet's new result, or is emptied when that question is gone.
    void refeedChart();
    // A run of this sheet has its own menus off; a long job elsewhere,
    // which disables the whole window, is no run of the sheet.
    bool running() const { return !mnuFile->isEnabledTo(this); }

    // Page files and outputs.
    void buildOutputMenus();
    void showOutputMenus(bool available);
    void SavePage();
    QString cellsText(int firstRow, int firstCol, int lastRow, int lastCol) const;
    void textSaveClicked();

    // Menu sets and display menus.
    void ShowTotalMenus(bool show);
    void ShowEssayMenus(bool show);
    void percentClicked(int index);
    DisplayMenus displayMenus() const;

    // The grid.
    void SaveColumnWidths();
    int scaled(double twips) const;
    void showStatus(const QString& text) override;
    bool showProgress(const QString& percent) override;
    void layOut(const CountSheet& sheet) override;
    void showColumn(int L, std::vector<SheetCell> cells) override;

    // Listings, their tally and searches (frm_grid_base_listing.cpp).
    void connectListingMenus();
    // The commands that take the listed samples out of the program, or add
    // answers to them, follow the lock.
    void showListedSampleCommands();
    void RunListing();
    void SetupSheetHeader(const ListingHead& head);
    void addRow(const QString& line) override;
    QStringList listedTexts() const;
    void appendCells(const std::vector<SheetCell>& cells, int newCols);
    void cmdNextClicked();
    void mnuEssayTotalClicked();
    void mnuGoEssayClicked();
    void mnuSearchLetterClicked();
    void mnuSearchNumberClicked();
    void mnuRefQnoClicked();

    CountSheet sheet_;
    FreeTextListing listing_;
    std::vector<Integer> RefQuestions;
    // The last text search's words; the first search offers one empty line.
    QStringList SearchWords{QString()};
    // A "Do Total" has run: the sheet has a request to run.
    bool ready_ = false;
    Integer LastKind = 0;
    // LastGraphQ and LastGraphCol.
    ChartFeedState graphFeed_;
    float FontScale = 1;
    // The Kind of sheet whose widths the grid shows, or 0 for the
    // placeholders a new kind of sheet starts from: only a kind's own widths
    // are stored as the user's.
    Integer widthsShown_ = 0;
};

}  // namespace kz
