#include "model/free_texts.h"

#include <algorithm>
#include <utility>

namespace kz {
namespace {

bool SlotBelow(const FreeTexts::Entry& entry, int slot) { return entry.slot < slot; }

}  // namespace

std::vector<FreeTexts::Entry>::iterator FreeTexts::find(int slot)
{
    // Texts mostly arrive in slot order: the end is the usual place.
    if (entries_.empty() || entries_.back().slot < slot)
        return entries_.end();
    return std::lower_bound(entries_.begin(), entries_.end(), slot, SlotBelow);
}

QString FreeTexts::text(int slot) const
{
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), slot, SlotBelow);
    return at != entries_.end() && at->slot == slot ? at->text : QString();
}

void FreeTexts::setText(int slot, QString text)
{
    const auto at = find(slot);
    const bool present = at != entries_.end() && at->slot == slot;
    if (text.isEmpty()) {
        if (present)
            entries_.erase(at);
    } else if (present) {
        at->text = std::move(text);
    } else {
        entries_.insert(at, Entry{static_cast<Integer>(slot), std::move(text)});
    }
}

}  // namespace kz
