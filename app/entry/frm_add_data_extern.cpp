// The questionnaire's external process, run on the shown sample, and the
// reminder to save before another sample is added.
#include "entry/entry_messages.h"
#include "entry/frm_add_data.h"
#include "files/day_count.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/survey.h"
#include "plugins/extern_process.h"
#include "shell/program_state.h"
#include "shell/window_services.h"

namespace kz {

QString frmAddData::externalTail(Long Dno, Integer CursorQ, Integer CursorN)
{
    const ExternProcessResult result = CallExternProcess(ProgramWorkspace(), Dno, CursorQ, CursorN);
    // A failure is told, never typed into the answers.
    if (!result.ok) {
        MsgBox(result.text, vbExclamation);
        return {};
    }
    return result.text;
}

void frmAddData::executeExternal()
{
    const Survey& survey = ProgramWorkspace().survey;
    const SampleTable& samples = ProgramWorkspace().samples;
    Long Dno = shownDno();
    if (Dno < 0) {
        if (SampleCount(samples) > 0)
            return;
        Dno = 0;
    }
    const ExternProcessResult result = CallExternProcess(ProgramWorkspace(), Dno, survey.QuestionCount, 0);
    if (!result.ok)
        MsgBox(result.text, vbExclamation);
    else if (!result.text.isEmpty())
        MsgBox(result.text);
}

void frmAddData::remindToSave()
{
    SampleTable& samples = ProgramWorkspace().samples;
    const Settings& settings = ProgramSettings();
    if (!(NowAsDayCount() - samples.LastSaveTime > settings.SaveInterval))
        return;
    if (MsgBox(SaveReminderMessage(settings.SaveInterval), vbYesNo | vbQuestion) == vbYes) {
        // The main window's Save: a questionnaire without a file to write
        // to is saved under a name the user gives.
        windows().saveFile();
    } else {
        samples.LastSaveTime = NowAsDayCount();
    }
    samples.SavedSampleCount = SampleCount(samples);
}

}  // namespace kz
