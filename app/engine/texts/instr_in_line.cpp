#include "texts/instr_in_line.h"

#include "runtime/vbstring.h"

namespace kz {

int InStrInLine(int start, const QString& s, const QString& find)
{
    const int found = InStr(start, s, find);
    if (found == 0 || Mid(s, start, found - start).contains(QLatin1Char('\r')))
        return 0;
    return found;
}

}  // namespace kz
