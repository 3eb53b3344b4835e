// The samples a result sheet lists, in the sheet's order: what the saver
// writes when it exports a sheet instead of the whole questionnaire.
#pragma once

#include "runtime/vbtypes.h"

namespace kz {

class ListedSamples {
public:
    virtual ~ListedSamples() = default;
    // The number of samples the sheet lists.
    virtual Long EssayDnoCount() = 0;
    // Starts the walk over the listed samples.
    virtual void EssayDnoReset() = 0;
    // The position in samples.Samples of the next listed sample.
    virtual Long EssayDno() = 0;
};

}  // namespace kz
