// The common header of data files and page files: an Integer 0 and a
// reversed magic text that tells the file's kind and generation.
#pragma once

#include <QString>

#include "files/data_file_format.h"
#include "model/document.h"
#include "runtime/binary_file.h"

namespace kz {

// Why a file is being opened; it decides what FileVersion asks.
enum FileVersionMode : Integer {
    OpenPageInSheet = 0,       // the result sheet's own page load: asks nothing
    OpenQuestionnaire = 1,     // open commands, recent files, dropped files, command line
    OpenTabulationResult = 2,  // the main window's open of a tabulation result
};

// Writes the Integer 0 at the start of the file (whatever the position) and
// the magic of `version` (1003 or 2001). Any other version writes only the
// Integer and says so in a message box.
void WriteFileHeader(BinaryWriter& out, Integer version);

// What a file's header says the file is.
enum class FileKind { NotOurs, DataFile, PageFile };

struct FileClassification {
    FileKind kind = FileKind::NotOurs;
    // The magic's code: a data file's generation (1001, 1002, 1003), PageFile
    // for a page file, FileRefused for a file that is not ours.
    FileVersionCode version = FileRefused;
    QString basePath;  // a page file's base data file
};

// Reads the header from the reader's position: the leading Integer (not
// checked), the magic and, for a page file, its base path. Asks nothing; a
// file that ends inside its header is not ours.
FileClassification ClassifyFile(BinaryReader& in);

// Classifies the file from the reader's position, asks the user what `mode`
// calls for (a page file's base is compared with the open document's path)
// and returns the version code. When the page file's base is to be
// loaded first (PageFileBaseFirst), fileName is replaced by the base path.
FileVersionCode FileVersion(BinaryReader& in, const DocumentState& open, QString& fileName, Integer mode);

}  // namespace kz
