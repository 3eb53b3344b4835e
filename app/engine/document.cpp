#include "document.h"

#include "program_folder.h"

namespace kz {

DocumentState document;

QString AppDir()
{
    QString folder = ProgramFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace kz
