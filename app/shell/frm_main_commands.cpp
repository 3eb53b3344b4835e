// The main window's Questionnaire and Others menus and the New command.
#include <QPointer>

#include "document/cmd_box.h"
#include "document/recent_files.h"
#include "files/settings_file.h"
#include "frm_collect.h"
#include "frm_main.h"
#include "frm_quota.h"
#include "frm_title.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "later_windows.h"
#include "save_interval.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

void frmMain::FileNew() { RunLaterWindow(laterWindows.showNewQuestionnaire); }

void frmMain::setQuestion() { RunLaterWindow(laterWindows.showQuestionEditor); }

void frmMain::showQuestions() { RunLaterWindow(laterWindows.showQuestionList); }

void frmMain::showAbout()
{
    // A locked questionnaire's title and author can be read, not changed.
    RunLaterWindow(laterWindows.showAbout, itemEnabled("mnuSetQuestion"));
}

void frmMain::input() { RunLaterWindow(laterWindows.showEntryWindow); }

void frmMain::setParagraph() { RunLaterWindow(laterWindows.showParagraph); }

void frmMain::setQuota()
{
    const QPointer<frmQuota> quota = &Forms::instance<frmQuota>();
    quota->showModal();
    if (quota)
        Forms::unload(*quota);
}

void frmMain::setCollection() { AskCheckOptions(); }

void frmMain::setSaveInterval() { AskSaveInterval(); }

void frmMain::setLimit()
{
    if (!laterWindows.editStoredLimits)
        return;
    laterWindows.editStoredLimits();
    // The stored limits may have changed under every open window; the
    // limit editor closes with them.
    UnloadAllForms();
}

void frmMain::statis()
{
    RunLaterWindow(laterWindows.showTotal, Integer{1});
    RunLaterWindow(laterWindows.showGraph);
}

void frmMain::resetWindows()
{
    if (MsgBox(QStringLiteral("各ウィンドウのサイズとフォントなどを初期化します。"), vbOKCancel) == vbOK) {
        DefaultSettings();
        // The defaults empty the recent files: the menu must not keep items
        // that would open nothing.
        RecentFilesMenu(QString());
    }
}

void frmMain::showKey()
{
    if (!laterWindows.showKeyWindow)
        return;
    RunLaterWindow(laterWindows.unloadEntryWindow);
    laterWindows.showKeyWindow();
}

void frmMain::helpContents() { ShowHelpContents(); }

void frmMain::helpKeyword() { ShowHelpByDialog(); }

void frmMain::aboutProgram() { ShowVersionWindow(this); }

void frmMain::quit() { Forms::unload(*this); }

}  // namespace kz
