// What the limit editor works on: a given condition (a question's own limit,
// a tabulation's overall or column condition) that the caller takes back, or
// the questionnaire's sixteen stored limits, changed in place. Which of the
// two is fixed when the editor opens.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "conditions/limit_rows.h"
#include "model/workspace.h"

namespace kz {

struct LimitEditing {
    Condition rows{};
    // A given condition; otherwise the stored limits.
    bool givenCondition = false;
    // The stored limit in `rows`; none until one is chosen.
    std::optional<Integer> storedLimit;
    // The stored limits rewritten since the editor opened.
    std::array<bool, StoredLimitCount> changed{};
};

LimitEditing GivenConditionEditing(const Condition& cond);
// Starts on stored limit 0, so that no limit is written before the user sees
// which one is edited.
LimitEditing StoredLimitsEditing(const Workspace& ws);

// Puts stored limit `limit` into the rows.
void SelectStoredLimit(const Workspace& ws, LimitEditing& editing, Integer limit);

// The row operations of limit_rows.h; each change of a stored limit is
// stored at once (StorePreLimit). With the stored limits edited and none
// chosen, a write beeps and changes nothing.
LimitRowWrite WriteLimitRow(Workspace& ws, LimitEditing& editing, int line, const LimitRowRequest& request);
int DeleteLimitRow(Workspace& ws, LimitEditing& editing, int line);
void ClearLimitRows(Workspace& ws, LimitEditing& editing);

// The rows become the stored limit being edited (with an empty head), which
// counts as changed; the questionnaire is marked modified. Nothing happens
// when a given condition is edited or no stored limit is chosen.
void StorePreLimit(Workspace& ws, LimitEditing& editing);

// The condition a given-condition editor hands back: `headMask`, the rows.
Condition AcceptedCondition(const LimitEditing& editing, Integer headMask);

// Sets bit i of every sample's Flags anew for each changed stored limit i.
// Every few samples and after each limit `showProgress` is told a
// percentage ("25%"): the share of the limit's samples done times
// (i + 1) / 16. It cannot be stopped: flags left half done would disagree
// with their limits.
void ApplyChangedLimits(Workspace& ws, const LimitEditing& editing,
                        const std::function<void(const QString& percent)>& showProgress);

}  // namespace kz
