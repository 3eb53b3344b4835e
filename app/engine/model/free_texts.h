// The free texts of one sample, kept only for the slots that hold a text:
// a sample with none costs nothing, whatever the number of its slots.
#pragma once

#include <QString>

#include <vector>

#include "runtime/vbtypes.h"

namespace kz {

class FreeTexts {
public:
    struct Entry {
        Integer slot = 0;
        QString text;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    // The slot's text; "" when it holds none.
    QString text(int slot) const;
    // An empty text empties the slot.
    void setText(int slot, QString text);
    void clear() { entries_.clear(); }

    bool isEmpty() const { return entries_.empty(); }
    qsizetype size() const { return static_cast<qsizetype>(entries_.size()); }
    // The texts in ascending slot order, none of them empty.
    std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
    std::vector<Entry>::const_iterator end() const { return entries_.end(); }

    friend bool operator==(const FreeTexts&, const FreeTexts&) = default;

private:
    std::vector<Entry>::iterator find(int slot);

    std::vector<Entry> entries_;
};

}  // namespace kz
