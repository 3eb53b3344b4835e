// The main window's Questionnaire and Others menus and the New command.
#include "document/cmd_box.h"
#include "document/recent_files.h"
#include "files/settings_file.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "shell/frm_collect.h"
#include "shell/frm_main.h"
#include "shell/frm_quota.h"
#include "shell/frm_title.h"
#include "shell/program_state.h"
#include "shell/save_interval.h"
#include "shell/unload_all_forms.h"
#include "shell/window_services.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

void frmMain::FileNew() { windows().showNewQuestionnaire(); }

void frmMain::setQuestion() { windows().showQuestionEditor(); }

void frmMain::showQuestions() { windows().showQuestionList(); }

void frmMain::showAbout()
{
    // A locked questionnaire's title and author can be read, not changed.
    windows().showAbout(itemEnabled(MenuItem::mnuSetQuestion));
}

void frmMain::input() { windows().showEntryWindow(); }

void frmMain::setParagraph() { windows().showParagraph(); }

void frmMain::setQuota() { AskIDRange(); }

void frmMain::setCollection() { AskCheckOptions(); }

void frmMain::setSaveInterval() { AskSaveInterval(); }

void frmMain::setLimit()
{
    windows().editStoredLimits();
    // The stored limits may have changed under every open window; the
    // limit editor closes with them.
    UnloadAllForms();
}

void frmMain::statis()
{
    windows().showTotal(1);
    windows().showGraph();
}

void frmMain::resetWindows()
{
    Settings& settings = ProgramSettings();
    if (MsgBox(QStringLiteral("各ウィンドウのサイズとフォントなどを初期化します。"), vbOKCancel) == vbOK) {
        DefaultSettings(settings);
        // The defaults empty the recent files: the menu must not keep items
        // that would open nothing.
        RecentFilesMenu(settings, QString());
    }
}

void frmMain::showKey()
{
    windows().unloadEntryWindow();
    windows().showKeyWindow();
}

void frmMain::helpContents() { ShowHelpContents(); }

void frmMain::helpKeyword() { ShowHelpByDialog(); }

void frmMain::aboutProgram() { ShowVersionWindow(this); }

void frmMain::quit() { Forms::unload(*this); }

}  // namespace kz
