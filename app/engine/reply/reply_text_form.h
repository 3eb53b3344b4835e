// How texts are written into reply notation so that the parser reads them
// back as they were: free texts between slashes, question names between
// brackets, choice symbols. Every writer of reply notation (the entry
// window's display, the importers) goes through these.
#pragma once

#include <QString>

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// A free text in its marks: "/" text "/", or "/*" text "*/" when the text
// holds a "/" or begins with "*". Line breaks in the text become blanks (a
// reply line ends at the first CR), and in the "/*" form every "*/" becomes
// "* /", the one change that keeps the closing mark unique.
struct ReplyFreeTextForm {
    QString open;
    QString text;
    QString close;
};
ReplyFreeTextForm ReplyFreeText(const QString& text);
// The same as one string: open + text + close.
QString ReplyFreeTextNotation(const QString& text);

// A question name to stand between "[" and "]": brackets inside it become
// their full-width forms "［" "］" and line breaks blanks, so the name still
// ends at the closing "]". Names are skipped when read, so nothing is lost.
QString ReplyQuestionName(const QString& name);

// The symbol of choice c of question q: its code (ChoiceCodeText), or the
// dotted form "." c "." when the code would not read back as c (a choice
// beyond its code style's symbols).
QString ReplyChoiceSymbol(const Survey& questionnaire, Integer q, Integer c);

}  // namespace kz
