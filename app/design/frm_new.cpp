#include "design/frm_new.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QStyle>
#include <QVBoxLayout>

#include "document/cmd_box.h"
#include "files/data_file_save.h"
#include "host/ui_seam.h"
#include "model/document.h"
#include "model/document_events.h"
#include "model/survey.h"
#include "shell/frm_quota.h"
#include "shell/program_state.h"
#include "shell/unload_all_forms.h"
#include "shell/useful_controls.h"
#include "shell/window_services.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Forms;
using widgets::Named;

namespace {

constexpr Long OverviewTopic = 83;
constexpr Long HelpTopic = 30;
const QString DataFiles = QStringLiteral("Kelvorzunデータ(*.kz*)|*.kz*|全てのファイル(*.*)|*.*|");
const QString Later = QStringLiteral("後でも変更できます。");

QString Indexed(const char* name, size_t index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

}  // namespace

frmNew::frmNew() : KzForm(QStringLiteral("frmNew"))
{
    setWindowTitle(QStringLiteral("あたらしいアンケート"));
    auto* pages = new QVBoxLayout;
    for (Integer page = 0; page < PageCount; ++page) {
        pctWizard[size_t(page)] = newPage(page);
        pages->addWidget(pctWizard[size_t(page)]);
    }
    buildIntroduction();
    buildBaseChoice();
    buildWindowPages();

    cmdNext[0] = Named(new QPushButton(QStringLiteral("次へ(&N) >"), this), QStringLiteral("cmdNext(0)"));
    cmdNext[1] = Named(new QPushButton(QStringLiteral("< 戻る(&B)"), this), QStringLiteral("cmdNext(1)"));
    Cancel = Named(new QPushButton(QStringLiteral("中止(&S)"), this), QStringLiteral("Cancel"));
    cmdOverView = Named(new QPushButton(QStringLiteral("概要(&O)"), this), QStringLiteral("cmdOverView"));
    cmdHelpContext = Named(new QToolButton(this), QStringLiteral("cmdHelpContext"));
    cmdHelpContext->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelpContext);
    buttons->addWidget(cmdOverView);
    buttons->addStretch();
    buttons->addWidget(cmdNext[1]);
    buttons->addWidget(cmdNext[0]);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);

    connect(cmdNext[0], &QPushButton::clicked, this, &frmNew::next);
    connect(cmdNext[1], &QPushButton::clicked, this, &frmNew::back);
    connect(Cancel, &QPushButton::clicked, this, &frmNew::cancel);
    connect(cmdOverView, &QPushButton::clicked, this, [] { ShowHelpContext(OverviewTopic); });
    connect(cmdHelpContext, &QToolButton::clicked, this, [] { ShowHelpContext(HelpTopic); });
    setCancelButton(Cancel);
    setDefaultButton(cmdNext[0]);
}

QWidget* frmNew::newPage(Integer page)
{
    auto* box = Named(new QWidget(this), Indexed("pctWizard", size_t(page)));
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setAlignment(Qt::AlignTop);
    return box;
}

QLabel* frmNew::addLabel(QWidget* page, const QString& name, const QString& caption)
{
    auto* label = Named(new QLabel(caption, page), name);
    label->setWordWrap(true);
    page->layout()->addWidget(label);
    return label;
}

void frmNew::buildIntroduction()
{
    QWidget* page = pctWizard[0];
    lblTitle[1] = addLabel(page, Indexed("lblTitle", 1), QStringLiteral("新しいアンケートを作る"));
    lblTaskTitle[0] = addLabel(page, Indexed("lblTaskTitle", 0), QStringLiteral("ここでは次のものを入力します"));
    Label2 = addLabel(page, QStringLiteral("Label2"), QStringLiteral("1. タイトルと制作者名"));
    Label3 = addLabel(page, QStringLiteral("Label3"), QStringLiteral("2. 質問・選択肢"));
    Label4 = addLabel(page, QStringLiteral("Label4"), QStringLiteral("3. 回答欄の行あたり回答数"));
    Label6 = addLabel(page, QStringLiteral("Label6"), QStringLiteral("4. このコンピュータの割り当てID"));
}

void frmNew::buildBaseChoice()
{
    QWidget* page = pctWizard[1];
    lblTaskTitle[2] = addLabel(page, Indexed("lblTaskTitle", 2), QStringLiteral("どちらか選んでください"));
    optNotUse = Named(new QRadioButton(QStringLiteral("利用しない"), page), QStringLiteral("optNotUse"));
    page->layout()->addWidget(optNotUse);
    Label1 = addLabel(page, QStringLiteral("Label1"), QStringLiteral("全く白紙の状態の新規アンケートになります。"));
    optUse =
        Named(new QRadioButton(QStringLiteral("すでにあるアンケートを利用する"), page), QStringLiteral("optUse"));
    page->layout()->addWidget(optUse);
    Label8 = addLabel(page, QStringLiteral("Label8"),
                      QStringLiteral("現在読み込んであるアンケートから回答データを消して、新規アンケートとします。"));
    Label9 = addLabel(page, QStringLiteral("Label9"), QStringLiteral("元となるアンケート"));
    lblBaseName = addLabel(page, QStringLiteral("lblBaseName"), QString());
    for (QLabel* described : {Label1, Label8, Label9, lblBaseName})
        described->setIndent(20);
    optNotUse->setChecked(true);
}

void frmNew::buildWindowPages()
{
    struct WindowPage {
        Integer page;
        size_t title;
        const char* titleText;
        size_t task;
        const char* taskText;
        int change;  // -1: the page has no note
        QString changeText;
    };
    const WindowPage windowPages[] = {
        {2, 4, "タイトルと制作者名", 1, "いまからタイトルと制作者名を設定します", 0, Later},
        {3, 0, "質問と選択肢の設定", 3, "いまから質問と選択肢を設定します", 1,
         QStringLiteral("後でも変更できますが、質問文、選択肢文以外のもの（質問数、選択肢数、質問限定条件、"
                        "回答可能数、記述付き選択肢かどうか）はなるべくこの場で設定してください。")},
        {4, 2, "回答欄の行あたり回答数", 4, "いまから回答欄の行あたり回答数を設定します", 3, Later},
        {5, 3, "このコンピュータの割り当てID", 5, "このコンピュータで出せるIDの範囲を指定します", 2, Later},
        {6, 5, "アンケートの設定が終わりました", 6, "最後に保存をしてください", -1, QString()},
    };
    for (const WindowPage& p : windowPages) {
        QWidget* page = pctWizard[size_t(p.page)];
        lblTitle[p.title] = addLabel(page, Indexed("lblTitle", p.title), QString::fromUtf8(p.titleText));
        lblTaskTitle[p.task] = addLabel(page, Indexed("lblTaskTitle", p.task), QString::fromUtf8(p.taskText));
        if (p.change >= 0)
            lblChangeOK[size_t(p.change)] = addLabel(page, Indexed("lblChangeOK", size_t(p.change)), p.changeText);
    }
    for (QLabel* title : lblTitle)
        SetBold(title, true);
}

void frmNew::formLoad()
{
    const Survey& survey = ProgramWorkspace().survey;
    const DocumentState& document = ProgramWorkspace().document;
    hiddenBase_ = document.ProtectLevel >= 2;
    if (hiddenBase_) {
        Label8->setEnabled(false);
        optUse->setEnabled(false);
        optNotUse->setChecked(true);
        lblBaseName->setText(QStringLiteral("元になるアンケートは隠蔽されています"));
    } else {
        lblBaseName->setText(survey.Title);
    }
    showPage(0);
    resize(520, 340);
    CentreForm(this);
}

void frmNew::showPage(Integer page)
{
    WizardStep = page;
    for (Integer other = 0; other < PageCount; ++other)
        pctWizard[size_t(other)]->setVisible(other == page);
}

void frmNew::next()
{
    const QPointer<frmNew> self(this);
    const Integer page = WizardStep;
    if (!performStep(page) || !self)
        return;
    showPage(page == 0 && hiddenBase_ ? 2 : page + 1);
}

void frmNew::back()
{
    if (WizardStep == 0)
        return;
    showPage(WizardStep == 2 && hiddenBase_ ? 0 : WizardStep - 1);
}

void frmNew::cancel()
{
    // Nothing done by the pages so far is undone.
    if (MsgBox(QStringLiteral("本当にアンケートの設定を中止しますか"), vbYesNo | vbDefaultButton2) == vbYes)
        Forms::unload(*this);
}

bool frmNew::performStep(Integer page)
{
    switch (page) {
    case 0:
        return startNewDocument();
    case 1:
        chooseStructure();
        return true;
    case 2:
        windows().showAbout(true);
        return true;
    case 3:
        // A cancelled editor leads on too. A finished one changed the
        // structure: no other window may go on showing the old one.
        if (windows().editQuestionsAndChoices())
            UnloadAllForms(this);
        return true;
    case 4:
        windows().showParagraph();
        return true;
    case 5:
        AskIDRange();
        return true;
    default:
        return saveNewQuestionnaire();
    }
}

bool frmNew::startNewDocument()
{
    const Settings& settings = ProgramSettings();
    if (steps_.newDocument) {
        // Back on the first page: the new document exists, and making it
        // again would drop what was set up since.
        if (MsgBox(QStringLiteral("新しいアンケートを作り直しますか？ここまでの設定が失われることがあります。"),
                   vbYesNo | vbQuestion | vbDefaultButton2)
            == vbNo)
            return true;
    } else if (!windows().saveChangesFirst()) {
        // Cancel, or a save that failed: the old questionnaire must stay.
        Forms::unload(*this);
        return false;
    }
    StartNewDocument(ProgramWorkspace(), settings, steps_, hiddenBase_);
    // The old questionnaire is gone: no window may go on showing it.
    UnloadAllForms(this);
    showBlank();
    return true;
}

void frmNew::chooseStructure()
{
    const bool useLoaded = optUse->isChecked();
    if (ChoiceLosesWork(steps_, useLoaded)
        && MsgBox(QStringLiteral("アンケートを白紙に戻しますか？ここまでの設定は失われます。"),
                  vbYesNo | vbQuestion | vbDefaultButton2)
               == vbNo)
        return;
    ChooseStructure(ProgramWorkspace(), steps_, useLoaded);
    showBlank();
}

void frmNew::showBlank()
{
    // The loaded structure is gone: it can no longer be chosen.
    if (!steps_.blank)
        return;
    optNotUse->setChecked(true);
    optUse->setEnabled(false);
    Label8->setEnabled(false);
}

bool frmNew::saveNewQuestionnaire()
{
    const Survey& survey = ProgramWorkspace().survey;
    DocumentState& document = ProgramWorkspace().document;
    Settings& settings = ProgramSettings();
    const QPointer<frmNew> self(this);
    const QString path = FileDialog(document.CurrentFilePath, DataFiles, SaveDialog);
    // A cancelled dialog or a failed save (reported by the saver) keeps the
    // wizard on this page, so the new questionnaire is not left unsaved.
    if (path.isEmpty() || !SaveDataFile(ProgramWorkspace(), settings, path))
        return false;
    CompleteNewDocument(document, path);
    AnnounceCaption(survey, document);
    MsgBox(QStringLiteral("保存が終わりました。"));
    MsgBox(QStringLiteral("データのパスワードは現在設定されていません。"
                          "変更するときは『その他』の中の『データにパスワードをつける』を選んでください。"));
    if (self)
        Forms::unload(*this);
    UnloadAllForms();
    return false;
}

}  // namespace kz
