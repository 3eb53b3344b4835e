// How much typing the samples took: the answers given, the characters of
// free text, and the answers whose symbol needs more than one keystroke.
#pragma once

#include <QString>

#include <array>
#include <functional>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// The answers whose symbol takes more than one keystroke, by the question's
// code style: a number of two digits or more, a letter, a katakana.
enum EffortCounter : int { EffortTwoDigits = 0, EffortLetter = 1, EffortKatakana = 2 };

struct InputEffort {
    // Every answer read; an unanswered question reads as one answer.
    qint64 answers = 0;
    qint64 characters = 0;
    std::array<qint64, 3> counters{};
};

// Adds the answers of the sample at position `sample` to `effort`.
void AddSampleEffort(const Workspace& ws, Long sample, InputEffort& effort);

// Counts every sample in order. After each one `progress` is told how many
// are done; when it returns false the count ends there. True when every
// sample was counted.
bool CountInputEffort(const Workspace& ws, InputEffort& effort,
                      const std::function<bool(Long done, const InputEffort&)>& progress);

// The answer total while counting: "<answers> / <percent>%", the percent
// of the samples done written without leading or lone zeros ("0.5" gives
// "50%", nothing done gives "%").
QString EffortProgressText(qint64 answers, Long done, Long total);

}  // namespace kz
