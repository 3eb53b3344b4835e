// A result sheet saved as a page file (".kzp"): the request that made it and
// the result it showed. Opening a page does not show the stored result: the
// request is counted again on the data now loaded, so the stored result is
// only walked to see that the file is whole.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "model/total_option.h"
#include "tabulation/result_table.h"

namespace kz {

class BinaryReader;
class BinaryWriter;
struct Survey;

// A listing sheet's grid as the page stores it: every column, and the rows
// below the header row.
struct ListingGridText {
    int rows = 1;                      // the grid's row count, header row included
    std::vector<Long> colWidths;       // one per column
    std::vector<Long> rowHeights;      // rows 1 .. rows - 1
    std::vector<QStringList> columns;  // per column, the texts of rows 1 .. rows - 1
};

// Everything a page file holds.
struct PageContents {
    QString basePath;  // the data file the sheet was counted on
    QString questionnaireTitle;
    QString sheetTitle;          // the sheet's window caption
    TotalOptionRec option;       // the sheet's own request
    Integer DisplayOptions = 0;  // DisplayOption bits
    // Count sheet: its result.
    ResultTable result;
    // Listing sheet: its referenced questions and its grid.
    std::vector<Integer> RefQuestions;
    ListingGridText grid;
};

// Writes the page from its header on. A listing page stores its XQno where a
// count page stores ToQno (a listing leaves ToQno as it was), and its
// referenced questions where a count page stores its individual conditions.
// Cells outside the result table are written as 0.
void WritePage(BinaryWriter& out, const PageContents& page);

// Writes the page to fileName through a temporary file that replaces the
// previous file only once complete. Every failure is reported to the user;
// false then, and a previous file is left as it was.
bool SavePageFile(const QString& fileName, const PageContents& page);

// What opening a page takes over: the request, the display options and, for
// a listing, its referenced questions.
struct PageRequest {
    TotalOptionRec option;
    Integer DisplayOptions = 0;
    std::vector<Integer> RefQuestions;
};

// Reads a page from the reader's position after its header and base path
// (ClassifyFile). Fields the page does not hold are taken from `current`; a
// count request gets CrossMode 2, its columns being the stored ones; a
// listing lists every answer with a free text, quantity or code (CrossMode
// 1), its own criteria not being stored. A listing page holds only its first
// referenced question; the others are recognised by their headings in the
// stored grid. `refusal` tells why a page is not
// taken: a file that is cut, damaged or runs on past its end, or a request
// or stored result naming questions or choices `questionnaire` lacks.
std::optional<PageRequest> ReadPage(BinaryReader& in, const Survey& questionnaire, const TotalOptionRec& current,
                                    QString& refusal);

// Opens fileName as the result sheet does: the header is checked without
// questions (FileVersion's own messages for another kind of file), then the
// page is read; a refused page is reported to the user.
std::optional<PageRequest> LoadPageFile(const QString& fileName, const Survey& questionnaire,
                                        const TotalOptionRec& current);

}  // namespace kz
