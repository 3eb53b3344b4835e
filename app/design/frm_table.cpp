#include "design/frm_table.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QVBoxLayout>

#include "document/cmd_box.h"
#include "files/questionnaire_text_file.h"
#include "files/text_file_write.h"
#include "host/ui_seam.h"
#include "model/survey.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "shell/window_records.h"
#include "texts/question_lists.h"
#include "texts/question_sheet.h"
#include "texts/question_texts.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

namespace {

constexpr Long HelpTopic = 32;
const QString AllFiles = QStringLiteral("全てのファイル(*.*)|*.*|");

QString DisplayLines(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

frmTable::frmTable() : KzForm(QStringLiteral("frmTable"))
{
    setWindowTitle(QStringLiteral("質問文と選択肢の一覧"));
    lstQno = Named(new QListWidget(this), QStringLiteral("lstQno"));
    txtChoice = Named(new QPlainTextEdit(this), QStringLiteral("txtChoice"));
    txtChoice->setReadOnly(true);
    cmdClose = Named(new QPushButton(QStringLiteral("閉じる"), this), QStringLiteral("cmdClose"));

    // The button sits over the text's lower right corner.
    auto* layout = new QGridLayout(this);
    layout->addWidget(lstQno, 0, 0);
    layout->addWidget(txtChoice, 1, 0);
    layout->addWidget(cmdClose, 1, 0, Qt::AlignRight | Qt::AlignBottom);
    layout->setRowStretch(1, 1);
    buildMenus();

    connect(lstQno, &QListWidget::currentRowChanged, this, &frmTable::showQuestion);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    resize(560, 480);
}

void frmTable::buildMenus()
{
    menuBar = Named(new QMenuBar(this), QStringLiteral("menuBar"));
    layout()->setMenuBar(menuBar);
    const auto submenu = [this](const char* name, const QString& caption) {
        return Named(menuBar->addMenu(caption), QString::fromLatin1(name));
    };
    const auto item = [this](QMenu* menu, const char* name, const QString& caption, auto command) {
        QAction* action = Named(menu->addAction(caption), QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    mnuFile = submenu("mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuOutput = item(mnuFile, "mnuOutput", QStringLiteral("ｱﾝｹｰﾄの内容をﾃｷｽﾄで書き出し(&S)"),
                     [this] { writeQuestionTexts(); });
    mnuOutputQuestion = item(mnuFile, "mnuOutputQuestion", QStringLiteral("ｱﾝｹｰﾄの質問・選択肢ﾃﾞｰﾀを書き出し(&D)"),
                             [this] { exportQuestionnaire(); });
    mnuFile->addSeparator();
    mnuClose = item(mnuFile, "mnuClose", QStringLiteral("閉じる(&C)"), [this] { widgets::Forms::unload(*this); });
    mnuEdit = submenu("mnuEdit", QStringLiteral("編集(&E)"));
    mnuListQuesCopy = item(mnuEdit, "mnuListQuesCopy", QStringLiteral("コピー(&C)"), [this] { copySelection(); });
    mnuHelp = submenu("mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuHelpContent = item(mnuHelp, "mnuHelpContent", QStringLiteral("目次(&C)"), [] { ShowHelpContents(); });
    mnuHelpContext = item(mnuHelp, "mnuHelpContext", QStringLiteral("質問と選択肢の一覧について(&A)"),
                          [] { ShowHelpContext(HelpTopic); });
    mnuHelpKeyword =
        item(mnuHelp, "mnuHelpKeyword", QStringLiteral("キーワードで検索(&S)..."), [] { ShowHelpByDialog(); });
}

void frmTable::formLoad()
{
    Survey& survey = ProgramWorkspace().survey;
    CentreForm(this);
    RestoreWindowRec(WindowSlot::frmTable, this);
    QStringList tree;
    FillQuestionTree(survey, tree, 0);
    lstQno->addItems(tree);
    lstQno->setCurrentRow(0);
}

void frmTable::formUnload(bool&) { SaveWindowRec(this, WindowSlot::frmTable); }

void frmTable::showQuestion(int q)
{
    const Survey& survey = ProgramWorkspace().survey;
    if (q >= 0 && q < survey.QuestionCount)
        txtChoice->setPlainText(DisplayLines(QuestionSheetText(ProgramWorkspace(), static_cast<Integer>(q))));
}

void frmTable::copySelection()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(txtChoice->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'));
}

void frmTable::writeQuestionTexts()
{
    const Survey& survey = ProgramWorkspace().survey;
    const Integer first = QBoxSelect(survey, QStringLiteral("どの質問から？"), 0);
    if (first < 0)
        return;
    const Integer last = QBoxSelect(survey,
                                    QuestionHeading(survey, first, HeadingNumber | HeadingLabel)
                                        + QStringLiteral("からどの質問までですか？"),
                                    first);
    if (last < 0)
        return;
    const QString path = FileDialog(QString(), AllFiles, SaveDialog);
    if (path.isEmpty())
        return;
    bool written = false;
    {
        HourglassScope hourglass;
        written = WriteTextFile(path, QuestionSheetsText(ProgramWorkspace(), first, last));
    }
    // The list is left on the last question written, as after walking them.
    lstQno->setCurrentRow(last);
    if (written)
        MsgBox(QStringLiteral("終了しました"));
}

void frmTable::exportQuestionnaire()
{
    const QString path = FileDialog(QString(), AllFiles, SaveDialog);
    if (path.isEmpty())
        return;
    bool written = false;
    {
        HourglassScope hourglass;
        written = WriteTextFile(path, QuestionnaireTextFile(ProgramWorkspace()));
    }
    if (!written)
        return;
    Beep();
    MsgBox(QStringLiteral("終了しました"));
}

}  // namespace kz
