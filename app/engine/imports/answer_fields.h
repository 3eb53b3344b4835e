// The fields of a returned network answer file. A file is read as one text
// W: its lines joined without separators, an empty line giving "&", and "&"
// at the end. Posted files (the web form as the server's script stores it)
// hold fields name=value, each ended by "&"; mail files (the e-mail form
// returned with its marks) hold items "#" name "(" mark ")", which reading
// turns into the posted names.
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace kz {

// The file at `path` as W; none when it cannot be read, is no text file or
// is plainly not CP932, with `why` telling the user. `goOn` is asked with
// the bytes read so far, between the blocks the encoding check reads and
// then between lines; once it says no, the reading ends with none and `why`
// empty.
std::optional<QString> ReadAnswerFile(const QString& path, QString& why,
                                      const std::function<bool(qint64 read)>& goOn = {});

// A file that holds "EMAIL" anywhere is a returned mail.
bool IsMailAnswer(const QString& W);

// Removes every leading and trailing blank (" ").
void TrimSpaces(QString& S);

// Reads the field at P (0-based) and returns its value; Name is its name.
// P moves behind the field; once W is read to its end P = W.size(), Name and
// the value are "". A field that carries no answer (an unmarked choice, an
// empty text, a pair without "=", a name of 16 characters or more) gives an
// empty Name and value. In a posted value a character reference "&#" digits
// ";", which a browser sends for a character the form's encoding lacks, does
// not end the field: it becomes its character where CP932 has one ("&#8214;"
// gives "∥"), and stays as written where not.
QString NextAnswerField(const QString& W, QString& Name, qsizetype& P, bool MailMode);

}  // namespace kz
