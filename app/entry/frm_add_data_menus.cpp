// The entry window's menus: the sample view and the answer-adding window,
// what the reply shows (question names, line-break marks), its colours and
// font, and help.
#include <QColorDialog>
#include <QFontDialog>
#include <QLayout>

#include "document/cmd_box.h"
#include "entry/frm_add_data.h"
#include "entry/reply_colours.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/survey.h"
#include "reply/reply_rtf.h"
#include "shell/program_state.h"
#include "shell/window_records.h"
#include "shell/window_services.h"
#include "widgets/modal_point.h"

namespace kz {

namespace {

constexpr Long HelpTopic = 44;
constexpr int TextColourItem = 0;
constexpr int BackColourItem = 5;

// The colour a colour item stands for: the reply's text, its free texts,
// errors, questions that do not apply, question names, its background.
Long& ColourSetting(int index)
{
    Settings& settings = ProgramSettings();
    FontRec& reply = settings.FontRecs[FontSlot::Reply];
    if (index == TextColourItem)
        return reply.ForeColor;
    if (index == BackColourItem)
        return reply.BackColor;
    return settings.ColourTable[ReplyColourSlots[static_cast<size_t>(index - 1)]];
}

}  // namespace

void frmAddData::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(menuBar);
    auto item = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    auto submenu = [this](const char* name, const QString& caption) {
        QMenu* menu = menuBar->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    mnuFunction = submenu("mnuFunction", QStringLiteral("回答関連の機能(&F)"));
    mnuAnswer = item(mnuFunction, "mnuAnswer", QStringLiteral("回答の内容(&A)"));
    mnuSearch = item(mnuFunction, "mnuSearch", QStringLiteral("検索・追加(&S)"));

    mnuFont = submenu("mnuFont", QStringLiteral("文字(&L)"));
    mnuFontChange = item(mnuFont, "mnuFontChange", QStringLiteral("文字のﾌｫﾝﾄの変更(&F)"));
    mnuQDisp = item(mnuFont, "mnuQDisp", QStringLiteral("質問番号を表示する(&D)"));
    mnuShowReturn = item(mnuFont, "mnuShowReturn", QStringLiteral("改行記号を表示する(&R)"));
    mnuQDisp->setCheckable(true);
    mnuShowReturn->setCheckable(true);
    mnuFont->addSeparator();
    const std::array<QString, 6> colours = {
        QStringLiteral("文字の色(&L)"),   QStringLiteral("記述文の色(&E)"), QStringLiteral("エラーの色(&R)"),
        QStringLiteral("非該当の色(&U)"), QStringLiteral("質問名の色(&Q)"), QStringLiteral("背景の色(&B)"),
    };
    for (size_t i = 0; i < colours.size(); ++i) {
        mnuColor[i] = mnuFont->addAction(colours[i]);
        mnuColor[i]->setObjectName(QStringLiteral("mnuColor(%1)").arg(i));
        connect(mnuColor[i], &QAction::triggered, this, [this, i] { changeColour(static_cast<int>(i)); });
    }

    mnuHelp = submenu("mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuHelpContent = item(mnuHelp, "mnuHelpContent", QStringLiteral("目次(&C)"));
    mnuHelpContext = item(mnuHelp, "mnuHelpContext", QStringLiteral("回答入力について(&A)"));
    mnuHelpKeyword = item(mnuHelp, "mnuHelpKeyword", QStringLiteral("キーワードで検索(&S)..."));

    connect(mnuAnswer, &QAction::triggered, this, &frmAddData::showSampleView);
    connect(mnuSearch, &QAction::triggered, this, [] { windows().showAddAnswers(); });
    connect(mnuFontChange, &QAction::triggered, this, &frmAddData::changeFont);
    connect(mnuQDisp, &QAction::triggered, this, [this] { toggleDisplayFlag(mnuQDisp, ReplyShowNames); });
    connect(mnuShowReturn, &QAction::triggered, this, [this] { toggleDisplayFlag(mnuShowReturn, ReplyShowReturns); });
    connect(mnuHelpContent, &QAction::triggered, this, [] { ShowHelpContents(); });
    connect(mnuHelpContext, &QAction::triggered, this, [] { ShowHelpContext(HelpTopic); });
    connect(mnuHelpKeyword, &QAction::triggered, this, [] { ShowHelpByDialog(); });
}

void frmAddData::showSampleView()
{
    const Survey& survey = ProgramWorkspace().survey;
    const SampleTable& samples = ProgramWorkspace().samples;
    if (SampleCount(samples) > 0)
        windows().showSampleView(QString::number(survey.QuestionCount), txtDno->text(), txtIDno->text());
    else
        windows().showSampleView(QString(), QString(), QString());
}

int frmAddData::displayFlags() const
{
    const Settings& settings = ProgramSettings();
    return static_cast<int>(settings.ColourTable[ColourSlot::DisplayFlags]) & (ReplyShowNames | ReplyShowReturns);
}

QString frmAddData::sampleRTF(Long Dno) const
{
    const Survey& survey = ProgramWorkspace().survey;
    const Settings& settings = ProgramSettings();
    int caret = 0;
    return BuildReplyRTF(ProgramWorkspace(), settings, Dno, survey.QuestionCount, 0, caret, -1, QString(),
                         displayFlags());
}

void frmAddData::toggleDisplayFlag(QAction* item, int flag)
{
    Settings& settings = ProgramSettings();
    // The menu has toggled the mark already; the setting follows it.
    Long& flags = settings.ColourTable[ColourSlot::DisplayFlags];
    flags = item->isChecked() ? (flags | flag) : (flags & ~Long{flag});
    ShowSample();
}

void frmAddData::changeColour(int index)
{
    Long& setting = ColourSetting(index);
    QColorDialog dialog(ColourOf(setting), this);
    dialog.setObjectName(QStringLiteral("CMDialog"));
    if (widgets::execDialog(dialog) != QDialog::Accepted)
        return;
    setting = RgbOf(dialog.selectedColor());
    if (index == BackColourItem)
        txtReply->setBackColor(dialog.selectedColor());
    ReadFontRec(txtReply, index == TextColourItem ? FontSlot::Reply : FontSlot::ReplyOtherColours);
    ShowSample();
}

void frmAddData::changeFont()
{
    QFontDialog dialog(txtReply->font(), this);
    dialog.setObjectName(QStringLiteral("CMDialog"));
    if (widgets::execDialog(dialog) != QDialog::Accepted)
        return;
    txtReply->setFont(dialog.selectedFont());
    keepReplyReadable();
    ReadFontRec(txtReply, FontSlot::Reply);
    ShowSample();
}

}  // namespace kz
