// Feeds arbitrary bytes to the record readers of the import window: the
// first byte chooses the text input or the delimited format and the
// delimited settings (import_choice.h), the rest is the file. No input may
// crash them, and every record must be read in a bounded number of steps,
// each taking part of the file. A record is handed over as the window does;
// a sample stored from it must read back to the same answers.
#include <QString>

#include "fuzz_workspace.h"
#include "host/ui_seam.h"
#include "import_choice.h"
#include "imports/delimited_import.h"
#include "imports/import_encoding.h"
#include "imports/import_lines.h"
#include "imports/text_input_import.h"
#include "input_file.h"
#include "texts/choice_texts.h"

namespace kz::fuzz {

namespace {

ImportRecord ReadRecord(Workspace& ws, ImportLines& lines, const ImportChoice& choice)
{
    if (!choice.delimited)
        return ReadTextInputRecord(ws.samples, FuzzSettings(), lines);
    return ReadDelimitedRecord(ws, lines, choice.csv, MarkEssayQuestions(ws.survey, choice.csv.noEssay));
}

}  // namespace

}  // namespace kz::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace kz;
    using namespace kz::fuzz;
    if (size == 0)
        return 0;
    installUi(nullptr);  // no box waits for an answer
    Workspace& ws = FuzzWorkspace();
    ClearSamples(ws);
    const ImportChoice choice = ImportChoiceOf(data[0]);
    const QString path = WriteInputFile(data + 1, size - 1);
    // The window refuses a file in another encoding before reading it.
    if (!ImportEncodingProblem(path).isEmpty())
        return 0;
    ImportLines lines;
    Require(lines.open(path, 0), "the import file cannot be opened");
    for (;;) {
        const qint64 start = lines.pos();
        const ImportRecord record = ReadRecord(ws, lines, choice);
        if (record.kind == ImportRecord::Kind::End || record.kind == ImportRecord::Kind::Failed)
            break;
        Require(lines.pos() > start, "a record was read without taking any of the file");
        if (record.kind == ImportRecord::Kind::Sample) {
            EnterRecord(record.ID, record.reply);
        } else {
            // The user resumes after a refused record: the window opens the
            // file again where the record ended.
            const qint64 resume = lines.pos();
            Require(lines.open(path, resume), "the import file cannot be opened again");
        }
    }
    return 0;
}
