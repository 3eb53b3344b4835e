// Cutting a returned answer file into respondents' answers: one answer per
// distinction-name field, each handed over in the packing the entry window's
// reply notation is made from.
#pragma once

#include <QString>
#include <QVector>

#include <functional>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// One respondent's answers, question after question: Counts per question,
// Codes and Texts per answer held.
struct WWWAnswer {
    QVector<Integer> Counts;
    QVector<Integer> Codes;
    QVector<QString> Texts;
};

// What became of an answer handed over.
enum class HandOver {
    Stored,    // it is a new sample
    Refused,   // the entry window refused its reply
    NoIDLeft,  // no sample could be made: the run stops
    // The file cannot be moved to the backup folder: nothing of it is handed
    // over (the next run would hand it over again), and its reading ends.
    FileStays,
};
using SendAnswer = std::function<HandOver(const WWWAnswer&)>;

// The questionnaire's network settings the reader follows.
struct WWWDistinction {
    QString name;           // WWWDistName
    Integer question = -1;  // WWWDistQno: whose free text names a respondent
};

struct WWWFileRead {
    Long Taken = 0;        // answers handed over
    Long refused = 0;      // of them, refused by the entry window
    bool stopped = false;  // no ID was left
    bool kept = false;     // the file was to stay: nothing more was handed over
};

// Reads W (answer_fields.h) against the workspace's questionnaire and samples
// and hands each accepted answer to `send`;
// messages for numbers outside the questionnaire, over-counts and repeated
// respondents go to the user.
WWWFileRead ReadWWWAnswers(const Workspace& ws, const QString& W, const WWWDistinction& distinction,
                           const SendAnswer& send);

// True when Name is not empty and some stored sample's first free text of
// question Q equals it.
bool SampleNameExists(const Workspace& ws, Integer Q, const QString& Name);

// The answer in reply notation, with the line breaks of the questionnaire's
// reply sheet.
QString WWWReplyText(const Survey& questionnaire, const WWWAnswer& answer);

}  // namespace kz
