// Help in place of the old help viewer: the program asks for a topic by
// context id, the contents, the keyword search, or tells the viewer to quit.
// The help file is opened with the desktop's viewer for its type when there
// is one; the viewer cannot be steered to a topic, so every request opens
// the file. Every call is recorded.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

namespace kz::widgets {

// The old help commands, with their numbers.
enum class HelpCommand : int { Context = 1, Quit = 2, Contents = 11, PartialKey = 261 };

struct HelpCall {
    HelpCommand command;
    qint32 data;  // the context id for Context, else 0
    bool operator==(const HelpCall&) const = default;
};

void SetHelpFile(const QString& path);
QString HelpFile();

// False when help could not be shown: no help file set, the file is
// missing, or nothing on the desktop opens it. Quit always succeeds (the
// viewer is not ours to close).
bool ShowHelp(HelpCommand command, qint32 data = 0);

const QList<HelpCall>& HelpCalls();
void ClearHelpCalls();

// What opens the file; QDesktopServices::openUrl unless replaced (tests).
// An empty function restores it.
void SetHelpOpener(std::function<bool(const QUrl&)> opener);

}  // namespace kz::widgets
