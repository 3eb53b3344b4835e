// Entering one imported record: the importers hand each record to the entry
// window, which makes it a new sample through the same parse, checks and
// store as a typed reply (EnterImportedRecord) and says what became of it.
#pragma once

#include <QString>
#include <QVector>

#include <optional>

#include "host/settings.h"
#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

class ReplyView;

// One record as an importer hands it over.
struct ImportedRecord {
    std::optional<Long> ID;  // none: the next free ID of this computer's range
    QString reply;           // reply notation, without the line end entry adds
};

// What became of a record handed over.
struct ImportOutcome {
    enum class Kind {
        Stored,   // a new sample
        Refused,  // the reply was refused: its sample waits, with the reply,
                  // for the user to correct
        Stopped,  // no sample could be made for it: the import ends here
    };
    Kind kind = Kind::Stopped;
    QString message;         // Refused, Stopped: why, as the entry window said it
    Long ID = 0;             // Stored, Refused: the sample's ID
    bool corrected = false;  // Stored: the answer checks repaired an answer
};

// What entering a record did, for the entry window to show.
struct ImportedEntry {
    enum class Result { Stored, Refused, NoIDLeft, TableFull, IDInUse };
    Result result = Result::NoIDLeft;
    Long ID = 0;
    Long Dno = -1;  // Stored, Refused: the new sample's position
    // The parse's results (ParseReply); for Refused, Caret is the error
    // position and Status the message.
    Integer CursorQ = 0;
    Integer CursorN = 0;
    Integer CaretQ = -1;
    int Caret = -1;
    QString Status;
    int findings = 0;  // answers the checks repaired (or found at fault)
};

// Makes a sample of the workspace with the record's ID (or the next free one
// of this computer's range) and parses `reply` into it, storing what it says
// as a commit of the entry window does; `reply` holds the record's reply with
// its line end and comes back as parsed (one-slot lines rewritten). A refused
// reply leaves its new sample empty. Checks report through `view`.
ImportedEntry EnterImportedRecord(Workspace& ws, const Settings& computer, std::optional<Long> ID, QString& reply,
                                  ReplyView* view);

// Whether one more sample would take the sample table to 2^31 bytes.
bool SampleTableFull(const Workspace& ws);

// The records whose answers the checks corrected during an import, for the
// note at its end.
class CorrectedRecords {
public:
    void add(Long ID);
    void clear();
    // "" when none was; else how many, with the first IDs.
    QString note() const;

private:
    Long count_ = 0;
    QVector<Long> first_;
};

}  // namespace kz
