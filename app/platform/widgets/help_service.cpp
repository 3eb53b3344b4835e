#include "widgets/help_service.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace kz::widgets {

namespace {

QString helpFile;
QList<HelpCall> calls;
std::function<bool(const QUrl&)> opener;

bool Open(const QUrl& url) { return opener ? opener(url) : QDesktopServices::openUrl(url); }

}  // namespace

void SetHelpFile(const QString& path) { helpFile = path; }

QString HelpFile() { return helpFile; }

bool ShowHelp(HelpCommand command, qint32 data)
{
    calls.push_back({command, data});
    if (command == HelpCommand::Quit)
        return true;
    if (helpFile.isEmpty() || !QFileInfo(helpFile).isFile())
        return false;
    return Open(QUrl::fromLocalFile(helpFile));
}

const QList<HelpCall>& HelpCalls() { return calls; }

void ClearHelpCalls() { calls.clear(); }

void SetHelpOpener(std::function<bool(const QUrl&)> replacement) { opener = std::move(replacement); }

}  // namespace kz::widgets
