#include "shell/shell_ui.h"

#include <QApplication>
#include <QFileInfo>

#include "shell/frm_ask.h"
#include "shell/frm_dir_box.h"
#include "shell/frm_input.h"
#include "shell/frm_other.h"
#include "shell/frm_processing.h"
#include "shell/frm_q_box.h"
#include "shell/message_box.h"
#include "widgets/beep.h"
#include "widgets/file_dialog.h"
#include "widgets/forms.h"
#include "widgets/help_service.h"
#include "widgets/hourglass.h"

namespace kz {

using widgets::Forms;

ShellUi::ShellUi() { installUi(this); }

ShellUi::~ShellUi() { installUi(nullptr); }

int ShellUi::messageBox(const QString& prompt, int style, const QString& title)
{
    return ShowMessageBox(prompt, style, title);
}

void ShellUi::beep() { widgets::Beep(); }

void ShellUi::setHourglass(bool busy) { widgets::SetHourglass(busy); }

void ShellUi::showProcessing(const QString& caption, const QString& info, const QString& processing, bool fatal,
                             bool showNow, bool saveJob)
{
    Forms::instance<frmProcessing>().startJob(caption, info, processing, fatal, showNow, saveJob);
}

bool ShellUi::setProcessingProgress(const QString& text, float ratio)
{
    return Forms::instance<frmProcessing>().reportProgress(text, ratio);
}

void ShellUi::endProcessing() { Forms::instance<frmProcessing>().endJob(); }

void ShellUi::yieldToEvents() { QCoreApplication::processEvents(); }

bool ShellUi::askPassword(const QString& expected) { return RunPasswordBox(expected); }

Integer ShellUi::askBox(const QString& text1, const QString& text2, const QString& caption1, const QString& caption2)
{
    return RunAskBox(text1, text2, caption1, caption2);
}

bool ShellUi::inputBox(const QString& title, const QString& name, const QString& range, const QString& caution,
                       QString& text)
{
    return RunInputBox(title, name, range, caution, text);
}

QString ShellUi::askFolder() { return RunDirBox(); }

Integer ShellUi::qBoxSelect(const QString& prompt, Integer first) { return RunQBox(prompt, first); }

bool ShellUi::qBoxSelectMany(const QString& prompt, QList<bool>& chosen) { return RunQBoxMany(prompt, chosen); }

QString ShellUi::fileDialog(const QString& path, const QString& filter, bool save)
{
    return widgets::RunFileDialog(path, filter, save, DialogOwner());
}

void ShellUi::showHelp(int command, Long data)
{
    if (widgets::ShowHelp(static_cast<widgets::HelpCommand>(command), data))
        return;
    MsgBox(QStringLiteral("ヘルプを表示できません。ヘルプファイル「") + QFileInfo(widgets::HelpFile()).fileName()
               + QStringLiteral("」が見つからないか、開くアプリケーションがありません。"),
           vbExclamation);
}

}  // namespace kz
