#include "window_services.h"

#include "model/sample_table.h"
#include "model/survey.h"
#include "program_state.h"
#include "runtime/rounding.h"
#include "runtime/val.h"

namespace kz {

namespace {

WindowServices*& installed()
{
    static WindowServices* services = nullptr;
    return services;
}

// Until windows are installed there is no entry window to take a record.
class NoWindows final : public WindowServices {
public:
    ImportOutcome enterImported(const ImportedRecord& /*record*/) override { return {}; }
    bool settleRefusedImport() override { return false; }
    void setEntryStatus(const QString& /*status*/) override {}
};

}  // namespace

WindowServices& windows()
{
    static NoWindows silent;
    WindowServices* services = installed();
    return services ? *services : silent;
}

void InstallWindowServices(WindowServices* services) { installed() = services; }

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
