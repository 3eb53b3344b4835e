// Opening, saving, merging and importing from the main window's File menu.
#include "document/cmd_box.h"
#include "document/menu_state.h"
#include "files/data_file_load.h"
#include "files/data_file_merge.h"
#include "files/data_file_save.h"
#include "files/file_header.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/document.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "shell/frm_main.h"
#include "shell/program_state.h"
#include "shell/window_services.h"

namespace kz {

namespace {

const QString AllKelvorzunFiles = QStringLiteral("全てのKelvorzunﾌｧｲﾙ(*.kz*)|*.kz*|全てのファイル(*.*)|*.*|");
const QString DataFiles = QStringLiteral("Kelvorzunデータ(*.kz)|*.kz|全てのファイル(*.*)|*.*|");
const QString ResultFiles = QStringLiteral("集計結果(*.kzp)|*.kzp|");
const QString TextFiles = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|全てのﾌｧｲﾙ(*.*)|*.*|");
const QString CsvFiles = QStringLiteral("CSV形式(*.csv)|*.csv|全てのﾌｧｲﾙ(*.*)|*.*|");

}  // namespace

bool frmMain::SaveChangesFirst()
{
    const Survey& survey = ProgramWorkspace().survey;
    const DocumentState& document = ProgramWorkspace().document;
    // An unsavable questionnaire has nothing the user could keep.
    if (!IsModified(document) || IsUnsavable(document))
        return true;
    const int answer =
        MsgBox(QStringLiteral("アンケート「") + survey.Title + QStringLiteral("」は変更されています。保存しますか？"),
               vbYesNoCancel | vbQuestion);
    if (answer == vbCancel)
        return false;
    return answer == vbNo || SaveFile();
}

bool frmMain::SaveFile()
{
    const DocumentState& document = ProgramWorkspace().document;
    Settings& settings = ProgramSettings();
    // The unsavable marker and a new document's placeholder are no names
    // the user chose: ask for one instead.
    if (!HasChosenPath(document))
        return SaveFileAs();
    return SaveDataFile(ProgramWorkspace(), settings, document.CurrentFilePath);
}

bool frmMain::SaveFileAs()
{
    DocumentState& document = ProgramWorkspace().document;
    Settings& settings = ProgramSettings();
    if (IsUnsavable(document)) {
        refuseSaving();
        return false;
    }
    const QString path = FileDialog(document.CurrentFilePath, DataFiles, SaveDialog);
    if (path.isEmpty() || !SaveDataFile(ProgramWorkspace(), settings, path))
        return false;
    SetDocumentPath(document, path);
    return true;
}

void frmMain::OpenDataFile(QString path, Integer mode)
{
    Settings& settings = ProgramSettings();
    if (!SaveChangesFirst())
        return;
    const QString named = path;
    const LoadDataFileResult result = LoadDataFile(ProgramWorkspace(), settings, path, mode);
    if (result == PageBaseToLoadFirst) {
        if (LoadDataFile(ProgramWorkspace(), settings, path, OpenQuestionnaire) != NothingLoaded)
            AfterFileLoad(named);
    } else if (result == PageOfLoadedQuestionnaire) {
        AfterFileLoad(named);
    }
}

void frmMain::AfterFileLoad(const QString& pagePath)
{
    const Survey& survey = ProgramWorkspace().survey;
    windows().showTotal(0);
    // A questionnaire locked at level 2 shows its results only to whoever
    // knows its password.
    if (itemEnabled(MenuItem::mnuKey) && !itemEnabled(MenuItem::mnuStatis) && !AskPassword(survey.Password)) {
        windows().unloadTotal();
        return;
    }
    windows().openResultPage(pagePath);
}

void frmMain::fileOpen()
{
    const QString path = FileDialog(QString(), AllKelvorzunFiles, OpenDialog);
    if (!path.isEmpty())
        OpenDataFile(path, OpenQuestionnaire);
}

void frmMain::fileSaveAs() { SaveFileAs(); }

void frmMain::loadResult()
{
    const QString path = FileDialog(QString(), ResultFiles, OpenDialog);
    if (!path.isEmpty())
        OpenDataFile(path, OpenTabulationResult);
}

void frmMain::mergeDataFile()
{
    SampleTable& samples = ProgramWorkspace().samples;
    const Settings& settings = ProgramSettings();
    const QString path = FileDialog(QString(), DataFiles, OpenDialog);
    if (!path.isEmpty() && MergeDataFile(ProgramWorkspace(), path) == 1)
        ResetIDCursor(samples, settings);
}

void frmMain::importInputFormat()
{
    const QString path = FileDialog(QString(), TextFiles, OpenDialog);
    if (path.isEmpty())
        return;
    if (MsgBox(QStringLiteral("ただいまから「Kelvorzun入力形式」で書かれたファイルを取り込みます。"
                              "入力間違いが起きて読み込みが止まった時は、訂正して「進む」ボタンを押してください。"),
               vbOKCancel)
        == vbOK)
        windows().startImport(QStringLiteral("TXT"), QStringLiteral("Kelvorzun入力形式"), path);
}

void frmMain::importDelimited()
{
    const QString path = FileDialog(QString(), CsvFiles, OpenDialog);
    if (path.isEmpty())
        return;
    if (MsgBox(QStringLiteral("ただいまから区切り形式で書かれたファイルを取り込みます。"
                              "入力間違いが起きて読み込みが止まった時は、訂正して「進む」ボタンを押してください。"),
               vbOKCancel | vbInformation)
        == vbOK)
        windows().startImport(QStringLiteral("CSV"), QStringLiteral("区切り形式"), path);
}

void frmMain::importNetworkAnswers()
{
    windows().startImport(QStringLiteral("WWWANS"), QStringLiteral("WWWｱﾝｹｰﾄ"), QString());
}

void frmMain::saveSelectedSamples()
{
    MsgBox(QStringLiteral("特定の条件を満たしたサンプルのみのKelvorzun／区切り(CSV)形式のファイルを作ります。"
                          "（もちろん条件無しでも構いません）"));
    windows().showTotal(2);
    MsgBox(QStringLiteral("まずこの「検索」ウィンドウで条件を設定して、書き出したいサンプルを検索してください"));
    MsgBox(QStringLiteral("条件を満たすサンプルのＩＤが「集計結果」ウィンドウに出てきます。"
                          "メニューの「書き出し」を選べばサンプルが書き出されます。"));
}

void frmMain::writeNetworkForms() { windows().writeNetworkForms(); }

}  // namespace kz
