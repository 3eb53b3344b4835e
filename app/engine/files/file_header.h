// The common header of data files and page files: an Integer 0 and a
// reversed magic text that tells the file's kind and generation.
#pragma once

#include <QString>

#include "files/data_file_format.h"
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

// Reads the leading Integer (not checked) and the magic from the position.
QString ReadFileMagic(BinaryReader& in);
// The version code of a magic text (exact comparison), 0 for any other.
Integer MagicVersion(const QString& magic);

// Reads the header from the reader's position, classifies the file, asks the
// user what `mode` calls for and returns the version code (FileVersionCode).
// For a page file it also reads the base data file's path and, when the base
// is to be loaded first (9001), replaces fileName by it.
Integer FileVersion(BinaryReader& in, QString& fileName, Integer mode);

}  // namespace kz
