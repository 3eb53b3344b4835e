// Feeds arbitrary bytes to the page reader as a result sheet opens a page
// (against the fuzz questionnaire and a few samples): no input may crash
// it. A page it accepts is counted or listed again and saved as the sheet
// saves it; that page must read back to the same request, display options
// and referenced questions, and save again to the same bytes.
#include <QByteArray>

#include <optional>

#include "fuzz_workspace.h"
#include "host/ui_seam.h"
#include "input_file.h"
#include "saved_page.h"
#include "tabulation/column_plan.h"
#include "tabulation/page_file.h"
#include "tabulation/rough_random.h"

namespace kz::fuzz {

namespace {

// The current request, whose fields a page does not hold.
TotalOptionRec CurrentRequest()
{
    TotalOptionRec current;
    current.EssayText = QStringLiteral("a");
    current.QtyMin = 1;
    current.QtyMax = 50;
    current.CodeFrom = QStringLiteral("10");
    current.CodeTo = QStringLiteral("20");
    return current;
}

std::optional<PageRequest> Opened(const QString& fileName, const Workspace& ws)
{
    return LoadPageFile(fileName, ws.survey, CurrentRequest());
}

}  // namespace

}  // namespace kz::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace kz;
    using namespace kz::fuzz;
    installUi(nullptr);  // no box waits for an answer
    // Rough counts take the same samples every time.
    static RoughRandomForTest sameSamples([] { return 0.25; });
    const Workspace& ws = FuzzWorkspace();
    const std::optional<PageRequest> first = Opened(WriteInputFile(data, size), ws);
    if (!first)
        return 0;
    const QByteArray saved = SavedPage(ws, *first);
    const std::optional<PageRequest> again =
        Opened(WriteInputFile(reinterpret_cast<const uint8_t*>(saved.constData()), size_t(saved.size())), ws);
    Require(again.has_value(), "a saved page is refused");
    Require(again->RefQuestions == first->RefQuestions, "a saved page names other referenced questions");
    const DisplayMenus menus = DisplayMenusOf(first->DisplayOptions);
    const DisplayMenus reopened = DisplayMenusOf(again->DisplayOptions);
    Require(reopened.percentItem == menus.percentItem && reopened.sort == menus.sort && reopened.space == menus.space,
            "a saved page opens with other display menus");
    Require(SavedPage(ws, *again) == saved, "a saved page opens to another request");
    return 0;
}
