// The delimited export: samples written one line each, in the layout the
// delimited import reads, so that the file reads back into the same samples
// and other programs can read it too.
#pragma once

#include <QString>
#include <QVector>

#include <span>

#include "document/listed_samples.h"
#include "imports/csv_fields.h"
#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// The IDs of the samples a sheet lists, in its order, each once: a sample
// listed on two rows is written once, and later changes to the sample table
// cannot make the export write another sample. Empty with `failure` set
// when the sheet names a position outside the table.
QVector<Long> ListedSampleIDs(const Workspace& ws, ListedSamples& sheet, QString& failure);

struct CsvExport {
    enum class End { Written, Stopped, Failed };
    End end = End::Failed;
    QString failure;        // for Failed: what went wrong
    Long changedTexts = 0;  // texts written with blanks, or read back with them, for what the format cannot hold
};

// Writes the samples with these IDs (IDs no sample has are passed over),
// each line the ID and, for each question q with Selected[q] = -1, every
// answer slot's choice (0 past the answers) and, where the question has
// text columns, its free text. The file is written aside and put in place
// when it is complete; it replaces a file of that name. The answers are
// read through the answer store (the program's samples). Progress and stop
// go through the progress window.
CsvExport WriteSamplesCSV(const Workspace& ws, const QString& FileName, const QVector<Long>& ids,
                          std::span<const Integer> Selected, const CsvSettings& csv);

// The export a listing sheet starts: asks for all or some questions and for
// the file, writes it and says how it went.
void ExportSamplesCSV(const Workspace& ws, ListedSamples& sheet, const CsvSettings& csv);

}  // namespace kz
