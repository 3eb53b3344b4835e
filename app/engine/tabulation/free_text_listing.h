// A listing sheet's run: who gave which free text. One row per answer to the
// listed question that meets the request's free-text criterion, from the
// samples that meet the question's own condition and the overall condition;
// a sample's first row also shows its answers to the referenced questions.
//
// Grid rows of a listing: 0 the column titles, 1 the headings, 2 the
// condition (and the rank), 3 empty, the listed rows from ListingFirstRow,
// then the footer.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

#include "answers/free_text_match.h"
#include "document/listed_samples.h"
#include "model/survey_types.h"

namespace kz {

struct Survey;
struct TotalOptionRec;
struct Workspace;

inline constexpr int ListingHeadRows = 4;
inline constexpr int ListingFirstRow = ListingHeadRows;
// The ID, choice and free-text columns; referenced questions follow them.
inline constexpr int ListingFixedColumns = 3;
inline constexpr int ListingTextColumn = 2;
// A listing stops after the sample that brings its rows and the five other
// rows to this many; the user continues it from the next sample.
inline constexpr Long ListingRowLimit = 9999;

// The header texts of a listing.
struct ListingHead {
    // Row 0: "ＩＤ", "選択肢", "記述文", and "参照回答" over the first
    // referenced column when there is one.
    QStringList titles;
    // Row 1: the listed question's heading (without its number), then each
    // referenced question's.
    QStringList headings;
    // Row 2 beside "[全体の限定]": the working condition; then "n位" for a
    // request of rank n.
    QString conditionText;
    QString rankText;
};

// The condition a listed sample meets: the listed question's own condition
// and the overall condition, joined; none when their rows do not fit one
// condition together.
std::optional<Condition> ListingCondition(const Survey& questionnaire, const TotalOptionRec& option);
// The message that refuses such a listing.
QString ListingConditionTooLong();

ListingHead MakeListingHead(const Survey& questionnaire, const TotalOptionRec& option, const Condition& cond,
                            std::span<const Integer> refQuestions);
// The heading row's text over question q's column.
QString ListedQuestionHeading(const Survey& questionnaire, Integer q);

// The matcher's part of a free-text request.
FreeTextRequest ListingRequest(const TotalOptionRec& option);

// A text as one grid field: tabs and line breaks become blanks, so that they
// cannot shift the row's cells.
QString GridField(const QString& text);

// What a listing run produced.
struct FreeTextListing {
    // The sample of each row, by ID; a sample with two matching answers is
    // there twice.
    ListedSampleIds listed;
    Long rows = 0;
    // The values of the answers to quantity choices.
    double quantitySum = 0;
    // Where a cut listing continues; 0 when it ran to its end or was stopped.
    Long nextStart = 0;
};

// The window of a run.
class ListingView {
public:
    virtual ~ListingView() = default;
    // How far the run is ("37%" of the samples), every few tens of
    // milliseconds, right after the events were let through; false once the
    // user has stopped the run.
    virtual bool showProgress(const QString& percent) = 0;
    // Appends a grid row: its fields separated by tabs.
    virtual void addRow(const QString& line) = 0;
};

// Lists the samples from position `from` on under `cond`: every listed row,
// then the footer "のべn人" with the average of the quantity answers over the
// rows. A listing that reaches ListingRowLimit before its last sample is cut
// after that sample (nextStart). A stop keeps the rows listed so far. Without
// samples nothing is shown, not even the footer.
FreeTextListing ListSamples(const Workspace& ws, const TotalOptionRec& option, const Condition& cond,
                            std::span<const Integer> refQuestions, Long from, ListingView& view);
// When the listing was cut, tells the user the last sample listed and how to
// go on; once its rows are shown, so that the message stands over them.
void TellListingCut(const FreeTextListing& listing);

}  // namespace kz
