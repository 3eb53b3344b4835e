// Kelvorzun: a desktop program for questionnaire surveys.
#include <QApplication>
#include <QStringList>

#include "program/program_windows.h"
#include "shell/main_program.h"
#include "widgets/qt_japanese.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvorzun"));
    // The main window's unload ends the program, with its save question;
    // closing windows never does.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs (files, folders, context menus) speak Japanese too.
    kz::widgets::UseJapaneseForQt();
    // The command line is one path, also when it holds blanks.
    kz::SetCommandLine(QApplication::arguments().mid(1).join(QLatin1Char(' ')));
    kz::ProgramWindows windows;
    kz::Main();
    return QApplication::exec();
}
