// Writes the demo survey: make_demo <path of demo.kz>. The repository keeps
// its output as examples/demo.kz; a test checks that the two never drift.
#include <QCoreApplication>
#include <QTextStream>

#include "demo_survey.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: make_demo <file.kz>\n";
        return 2;
    }
    if (!kz::demo::WriteDemoSurvey(args[1])) {
        err << "could not write " << args[1] << "\n";
        return 1;
    }
    return 0;
}
