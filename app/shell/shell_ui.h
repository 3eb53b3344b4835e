// The engine's user interface served by the program's windows: message
// boxes, beep, hourglass, the progress window, the small boxes and help. The
// program installs one for its whole run; window tests install one per
// test.
#pragma once

#include "host/ui_seam.h"

namespace kz {

class ShellUi : public UiSeam {
public:
    ShellUi();
    ~ShellUi() override;
    ShellUi(const ShellUi&) = delete;
    ShellUi& operator=(const ShellUi&) = delete;

    int messageBox(const QString& prompt, int style, const QString& title) override;
    void beep() override;
    void setHourglass(bool busy) override;
    void showProcessing(const QString& caption, const QString& info, const QString& processing, bool fatal,
                        bool showNow, bool saveJob) override;
    bool setProcessingProgress(const QString& text, float ratio) override;
    void endProcessing() override;
    void yieldToEvents() override;

    bool askPassword(const QString& expected) override;

    Integer askBox(const QString& text1, const QString& text2, const QString& caption1,
                   const QString& caption2) override;
    bool inputBox(const QString& title, const QString& name, const QString& range, const QString& caution,
                  QString& text) override;
    QString askFolder() override;
    Integer qBoxSelect(const QString& prompt, Integer first) override;
    bool qBoxSelectMany(const QString& prompt, QList<bool>& chosen) override;
    QString fileDialog(const QString& path, const QString& filter, bool save) override;
    void showHelp(int command, Long data) override;
};

}  // namespace kz
