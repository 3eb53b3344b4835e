// The samples a result sheet lists, in the sheet's order: what the saver
// writes when it exports a sheet instead of the whole questionnaire, and what
// answers are added to.
#pragma once

#include <cstddef>
#include <vector>

#include "runtime/vbtypes.h"

namespace kz {

struct SampleTable;

class ListedSamples {
public:
    virtual ~ListedSamples() = default;
    // The number of rows the sheet lists; a sample listed on two rows counts
    // twice.
    virtual Long EssayDnoCount() = 0;
    // Starts the walk over the listed samples.
    virtual void EssayDnoReset() = 0;
    // The position in its sample table of the next listed sample (again for
    // each further row it is listed on); -1 after the last.
    virtual Long EssayDno() = 0;
    // Whether samples are listed at all: a result sheet that counts instead
    // lists none, and no answers are added through it.
    virtual bool isListing() const { return true; }
};

// A listing kept by SampleID, resolved to positions as it is walked, so that
// samples added, deleted or renumbered in the meantime never shift it onto
// other samples: a listed ID that is gone is passed over, and a listing of a
// sample table that was since replaced (another file) lists nothing.
class ListedSampleIds : public ListedSamples {
public:
    // Empty, and tied to `table` as it holds its samples now.
    void clear(const SampleTable& table);
    void append(Long id) { ids_.push_back(id); }

    Long EssayDnoCount() override { return static_cast<Long>(ids_.size()); }
    void EssayDnoReset() override { cursor_ = 0; }
    Long EssayDno() override;

    // Whether the listing is of `table`, not of a table it has replaced.
    bool isOf(const SampleTable& table) const;

private:
    std::vector<Long> ids_;
    std::size_t cursor_ = 0;
    const SampleTable* table_ = nullptr;
    Long generation_ = 0;
};

// Every listed sample once, in listing order: what consumers work on.
std::vector<Long> DistinctListedPositions(ListedSamples& listed);

}  // namespace kz
