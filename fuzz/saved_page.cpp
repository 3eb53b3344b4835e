#include "saved_page.h"

#include <QBuffer>
#include <QStringList>

#include <optional>

#include "fuzz_workspace.h"
#include "runtime/binary_file.h"
#include "tabulation/column_plan.h"
#include "tabulation/count_sheet.h"
#include "tabulation/free_text_listing.h"

namespace kz::fuzz {

namespace {

// A result sheet that shows nothing and is never stopped.
class QuietSheet final : public CountSheetView, public ListingView {
public:
    void showStatus(const QString&) override {}
    bool showProgress(const QString&) override { return true; }
    void layOut(const CountSheet&) override {}
    void showColumn(int, std::vector<SheetCell>) override {}
    void addRow(const QString& line) override { rows << line; }

    QStringList rows;
};

// The grid of a listing as the sheet lays it out: the heading row over the
// listed question and each referenced one, then the listed rows.
ListingGridText ListingGrid(const Workspace& ws, const TotalOptionRec& option, const std::vector<Integer>& refs)
{
    const int columns = ListingFixedColumns + static_cast<int>(refs.size());
    ListingGridText grid;
    grid.colWidths.assign(static_cast<size_t>(columns), 1000);
    grid.columns.resize(static_cast<size_t>(columns));
    QuietSheet sheet;
    const std::optional<Condition> cond = ListingCondition(ws.survey, option);
    const Condition none{};
    const ListingHead head = MakeListingHead(ws.survey, option, cond.value_or(none), refs);
    if (cond)
        ListSamples(ws, option, *cond, refs, 0, sheet);
    QStringList headings(columns, QString());
    headings[0] = head.headings.value(0);
    for (int i = 0; i < static_cast<int>(refs.size()); ++i)
        headings[ListingFixedColumns + i] = head.headings.value(i + 1);
    sheet.rows.prepend(headings.join(u'\t'));
    for (const QString& row : sheet.rows) {
        const QStringList cells = row.split(u'\t');
        for (int col = 0; col < columns; ++col)
            grid.columns[static_cast<size_t>(col)] << cells.value(col);
        grid.rowHeights.push_back(240);
    }
    grid.rows = static_cast<int>(sheet.rows.size()) + 1;
    return grid;
}

}  // namespace

QByteArray SavedPage(const Workspace& ws, const PageRequest& request)
{
    PageContents page;
    page.basePath = ws.document.CurrentFilePath;
    page.questionnaireTitle = ws.survey.Title;
    page.sheetTitle = request.option.Title;
    const DisplayMenus menus = DisplayMenusOf(request.DisplayOptions);
    page.DisplayOptions = PlanColumns(menus, request.option.LimitCount).DisplayOptions;
    if (request.option.Kind == TotalCodedAnswers) {
        CountSheet sheet;
        sheet.SheetOption = request.option;
        sheet.SheetOption.ExLimit = sheet.SheetOption.Limits[0];
        QuietSheet view;
        RunCountSheet(ws, sheet, menus, view);
        page.option = sheet.SheetOption;
        page.result = sheet.result;
    } else {
        page.option = request.option;
        page.RefQuestions = request.RefQuestions;
        page.grid = ListingGrid(ws, request.option, request.RefQuestions);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter out(buffer);
    WritePage(out, page);
    Require(out.ok(), "a page cannot be written");
    return buffer.data();
}

}  // namespace kz::fuzz
