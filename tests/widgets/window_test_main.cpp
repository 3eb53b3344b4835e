// main of every window test program: the application object on the
// offscreen platform (unless another is asked for) and the modal guard.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>

#include "window_script.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every window feature it lacks.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (defaultHandler)
        defaultHandler(type, context, message);
    else
        fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(QuietOffscreenWarnings);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    kz::test::InstallModalGuard();
    return RUN_ALL_TESTS();
}
