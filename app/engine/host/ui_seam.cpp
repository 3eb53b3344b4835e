#include "host/ui_seam.h"

namespace kz {

bool UiSeam::askPassword(const QString&) { return false; }
Integer UiSeam::askBox(const QString&, const QString&, const QString&, const QString&) { return 0; }
bool UiSeam::inputBox(const QString&, const QString&, const QString&, const QString&, QString&) { return false; }
Integer UiSeam::qBoxSelect(const QString&, Integer) { return -1; }
bool UiSeam::qBoxSelectMany(const QString&, QList<bool>&) { return false; }
QString UiSeam::fileDialog(const QString&, const QString&, bool) { return {}; }
void UiSeam::showHelp(int, Long) {}

namespace {

// Stands in until the program installs its widgets: no one to ask, so every
// box takes its first button and no job is ever stopped.
class SilentUi final : public UiSeam {
public:
    int messageBox(const QString&, int style, const QString&) override
    {
        switch (style & 0xF) {
        case vbAbortRetryIgnore:
            return vbAbort;
        case vbYesNoCancel:
        case vbYesNo:
            return vbYes;
        case vbRetryCancel:
            return vbRetry;
        default:
            return vbOK;  // vbOKOnly, vbOKCancel
        }
    }
    void beep() override {}
    void setHourglass(bool) override {}
    void showProcessing(const QString&, const QString&, const QString&, bool, bool, bool) override {}
    bool setProcessingProgress(const QString&, float) override { return true; }
    void endProcessing() override {}
    void yieldToEvents() override {}
};

SilentUi silentUi;
UiSeam* installed = &silentUi;

}  // namespace

UiSeam& ui() { return *installed; }

void installUi(UiSeam* seam) { installed = seam ? seam : &silentUi; }

}  // namespace kz
