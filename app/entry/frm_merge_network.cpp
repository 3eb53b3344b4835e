// The network questionnaire's two jobs: writing its forms ("WWWHTML") and
// reading the answers returned from them ("WWWANS"), each answer handed to
// the entry window as a new sample.
#include <QPointer>

#include "document/cmd_box.h"
#include "document/menu_state.h"
#include "entry/frm_merge.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "imports/network_answer_import.h"
#include "imports/network_forms.h"
#include "model/workspace.h"
#include "shell/program_state.h"
#include "shell/window_services.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

namespace {

const QString HtmlFiles = QStringLiteral("HTMLﾌｧｲﾙ|*.html;*.htm|すべてのﾌｧｲﾙ (*.*)|*.*");
const QString TextFiles = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*");
const QString CrLf = QStringLiteral("\r\n");

}  // namespace

void frmMerge::cmdDo_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    DocumentState& document = ProgramWorkspace().document;
    const QString distName = txtDistName->text();
    // The name goes into the form and back through the answer files as it
    // stands: letters and digits only, as the hint says.
    if (!IsValidDistName(distName)) {
        MsgBox(QStringLiteral("アンケート識別名は半角英字・数字のみで入力してください"), vbExclamation);
        txtDistName->setFocus(Qt::OtherFocusReason);
        return;
    }
    const bool html = optKind[0]->isChecked();
    const QString path = FileDialog(QString(), html ? HtmlFiles : TextFiles, SaveDialog);
    if (path.isEmpty())
        return;
    const NetworkFormOptions options{distName, chkEssayFull->isChecked()};
    if (!(html ? WriteQuestionnaireHTML(survey, path, options) : WriteQuestionnaireMailText(survey, path, options)))
        return;
    MsgBox(QStringLiteral("作成しました"));
    document.WWWDistName = distName;
    document.WWWDistQno = Integer(cmbDistQno->currentIndex() - 1);
    document.WWWEssayFull = options.essayFull;
    SetModified(document);
    Forms::unload(*this);
}

void frmMerge::cmdGetWWW_Click()
{
    Settings& settings = ProgramSettings();
    windows().showEntryWindow();
    ui().yieldToEvents();
    const QPointer<frmMerge> alive(this);
    cmdGetWWW->setEnabled(false);
    corrected_.clear();
    running_ = true;
    const bool ran = importNetworkAnswers();
    if (!alive)
        return;
    running_ = false;
    cmdGetWWW->setEnabled(true);
    if (!ran)
        return;
    settings.WWWAnswerDir = txtDir[0]->text();
    settings.WWWBackupDir = txtDir[1]->text();
    Beep();
    MsgBox(withCorrections(QStringLiteral("作業が終了しました")));
    Forms::unload(*this);
}

bool frmMerge::importNetworkAnswers()
{
    const DocumentState& document = ProgramWorkspace().document;
    const WWWFolders folders{txtDir[0]->text(), txtDir[1]->text()};
    const QString problem = WWWFolderProblem(folders);
    if (!problem.isEmpty()) {
        MsgBox(problem, vbExclamation);
        return false;
    }
    const QPointer<frmMerge> alive(this);
    const Long generation = ProgramWorkspace().samples.generation;
    WWWImportView view;
    view.showFile = [this](const QString& path, qint64 length) {
        lblFileName->setCaption(path);
        lblFileLen->setText(QString::number(length));
    };
    // The window or the questionnaire may go while events are processed.
    view.report = [this, alive, generation](const QString&, float) {
        return alive && Forms::isLoaded(*this) && ProgramWorkspace().samples.generation == generation;
    };
    const WWWDistinction distinction{document.WWWDistName, document.WWWDistQno};
    const WWWImportEnd end = ImportWWWAnswers(
        ProgramWorkspace(), folders, distinction, [this](const WWWAnswer& answer) { return SendWWWSample(answer); },
        view);
    if (alive && !end.refusedFiles.isEmpty())
        MsgBox(QStringLiteral("入力画面で受け付けられなかった回答があります。次のファイルを確かめてください:") + CrLf
                   + end.refusedFiles.join(CrLf),
               vbExclamation);
    return true;
}

HandOver frmMerge::SendWWWSample(const WWWAnswer& answer)
{
    const Survey& survey = ProgramWorkspace().survey;
    const ImportOutcome outcome = windows().enterImported({std::nullopt, WWWReplyText(survey, answer)});
    switch (outcome.kind) {
    case ImportOutcome::Kind::Stored:
        if (outcome.corrected)
            corrected_.add(outcome.ID);
        return HandOver::Stored;
    case ImportOutcome::Kind::Refused:
        // The refused answer stays in its file; the sample made for it goes.
        windows().settleRefusedImport();
        return HandOver::Refused;
    case ImportOutcome::Kind::Stopped:
        break;
    }
    return HandOver::NoIDLeft;
}

}  // namespace kz
