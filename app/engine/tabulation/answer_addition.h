// Adding one answer to one question of every listed sample: a given choice
// with its text, or a copy of the sample's own answers to another question,
// shifted by some choices or turned from a quantity into a band number.
#pragma once

#include <QString>
#include <QVector>

#include <optional>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

class ListedSamples;

// What the addition window holds, read afresh for every sample.
struct AnswerAdditionForm {
    Integer Qno = 0;  // the target question
    // 0: the answers are added after the target's; n: they replace the
    // target's answer at rank n.
    Integer Rank = 0;
    // False: the given choice Cno with the text AddEssay; true: a copy of
    // the answers to AddQno.
    bool copy = false;
    Integer Cno = 1;
    QString AddEssay;
    Integer AddQno = 0;
    QString Alpha;  // the shift, as typed
    // The copied answers' texts are quantities turned into bands of width
    // SetNumCno from SetNumFrom on: band 1, 2, ...
    bool CopyNum = false;
    QString SetNumFrom;
    QString SetNumCno;
};

struct Band {
    double start = 0;
    double width = 1;
};

// The bands as typed; none when the start or the width is empty, 10
// characters or longer or no number, or the width is not above 0 (so that
// no quantity divides by it).
std::optional<Band> ReadBand(const QString& start, const QString& width);

// The text describing the bands: "0～5未満を(1)、5～10未満を(2)...とします".
QString BandText(const Band& band);

// The answers to add: a code and a text each.
struct AddedAnswers {
    QVector<Integer> codes;
    QVector<QString> texts;
};

// The answers to add to the workspace's sample. A copy shifts each code and keeps it
// within the target's choices; a source answer "無回答" is not copied, so
// an unanswered source adds nothing. `band` converts the copied quantities.
AddedAnswers AnswersToAdd(const Workspace& ws, Long sample, const AnswerAdditionForm& form,
                          const std::optional<Band>& band);

// Merges the answers into the target's (count n): after them while the
// question has room, else over its last answer; or over the answer at rank
// `rank` when the target has one, the last added answer winning. False when
// no answer found a place.
bool MergeAddedAnswers(Integer maxAnswers, Integer rank, Integer& n, QVector<Integer>& codes, QVector<QString>& texts,
                       const AddedAnswers& added);

// The window a run works for.
class AnswerAdditionWindow {
public:
    virtual ~AnswerAdditionWindow() = default;
    virtual AnswerAdditionForm form() = 0;
    // The bands could not be read: the conversion is switched off, for the
    // following samples too.
    virtual void dropBands() = 0;
};

// Adds the window's answer to each listed sample once, in listing order,
// asking for each when askEach (Yes / No to skip it / Cancel to end), under
// the progress window; each changed sample is repaired by the correction
// options and checked against the target's own condition. A stop or cancel
// keeps the samples changed so far, and the questionnaire is marked
// modified either way. Returns the number of samples changed.
Long AddAnswersToListed(Workspace& ws, ListedSamples& listed, bool askEach, AnswerAdditionWindow& window);

}  // namespace kz
