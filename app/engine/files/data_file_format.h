// Fixed values of the data file and the page file shared by their readers
// and writers.
#pragma once

#include <QString>

#include <array>

#include "runtime/vbtypes.h"

namespace kz {

// The magic texts of the file header (stored as a reversed string).
inline const QString DataFileMagic1003 = QStringLiteral("Kelvor Zuntab Datafile Since 95.9");
inline const QString DataFileMagic1002 = QStringLiteral("Kelvor Zuntab Datafile Since 95.6");
inline const QString DataFileMagic1001 = QStringLiteral("Kelvor Zuntab Version 95.x Datafile");
inline const QString PageFileMagic = QStringLiteral("Kelvor Zuntab PageData Since 95.10");

// Version codes of the header reader and the open routines.
enum FileVersionCode : Integer {
    FileRefused = 0,
    DataFile1001 = 1001,
    DataFile1002 = 1002,
    DataFile1003 = 1003,  // the only generation written
    PageFile = 2001,
    PageFileBaseFirst = 9001,  // the page's base data file is to be loaded first
};

// The count written before the stored limits (always 15, ignored on reading).
inline constexpr Integer StoredLimitCountField = 15;
// The count of network-questionnaire fields in the tail.
inline constexpr Integer NetworkItemCount = 3;
// The tail's external-process flag of one paragraph, and the end of the list.
inline constexpr Integer ExeDllOn = 1;
inline constexpr Integer ExeDllOff = 2;
inline constexpr Integer ExeDllEnd = 0;

// Paragraph starts are stored up to and including the first value that
// repeats its predecessor: the number of values stored for this table
// (at most the table's size, when no value repeats).
template <size_t N>
int StoredParagraphCount(const std::array<Integer, N>& starts)
{
    for (size_t k = 1; k < N; ++k)
        if (starts[k] == starts[k - 1])
            return static_cast<int>(k + 1);
    return static_cast<int>(N);
}

}  // namespace kz
