// Result sheets over the café questionnaire (tabulation/sheet_fixture.h),
// opened from code as the tabulation window will open them; what they ask
// of the other windows is recorded.
#pragma once

#include <QStringList>

#include "program_fixture.h"
#include "shell/shell_ui.h"
#include "tabulation/frm_grid_base.h"
#include "tabulation/sheet_fixture.h"
#include "widgets/forms.h"
#include "window_calls.h"
#include "window_script.h"

namespace kz::test {

class ResultSheetWindowTest : public WindowTest, public ProgramSurvey {
protected:
    void SetUp() override { BuildCafeSurvey(*this); }

    // A new sheet counting `request`.
    static frmGridBase& DoTotal(const TotalOptionRec& request)
    {
        frmGridBase& sheet = widgets::Forms::createNew<frmGridBase>();
        sheet.DoTotal(request);
        return sheet;
    }

    static QStringList Row(const frmGridBase& sheet, int row)
    {
        QStringList texts;
        for (int col = 0; col < sheet.Grid->cols(); ++col)
            texts << sheet.Grid->textMatrix(row, col);
        return texts;
    }

    ProgramStateGuard state;
    ShellUi shellUi;
    WindowScript script;
    WindowCalls calls;
};

}  // namespace kz::test
