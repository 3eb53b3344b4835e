#include "shell/window_services.h"

#include <utility>

#include "model/sample_table.h"
#include "model/survey.h"
#include "runtime/rounding.h"
#include "runtime/val.h"
#include "shell/program_state.h"

namespace kz {

namespace {

WindowServices* installed = nullptr;

}  // namespace

WindowServices& windows()
{
    if (!installed)
        qFatal("A window asked for another window before the window services were installed");
    return *installed;
}

WindowServices* InstallWindowServices(WindowServices* services) { return std::exchange(installed, services); }

void ShowSampleID(const QString& dno, QString& idText)
{
    const Survey& survey = ProgramWorkspace().survey;
    const SampleTable& samples = ProgramWorkspace().samples;
    if (windows().entryWindowVisible()) {
        windows().showSampleInEntryWindow(idText, idText.isEmpty() ? dno : QStringLiteral("ID"));
        return;
    }
    if (!dno.isEmpty()) {
        // A position outside the table names no sample: the ID text stays.
        const double pos = RoundHalfEven(Val(dno));
        if (pos >= 0 && pos < SampleCount(samples))
            idText = SampleIDText(samples.Samples, static_cast<Long>(pos));
    }
    windows().showSampleView(QString::number(survey.QuestionCount), dno, idText);
}

}  // namespace kz
