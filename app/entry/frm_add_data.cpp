#include "entry/frm_add_data.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/survey.h"
#include "reply/reply_rtf.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "shell/window_records.h"
#include "shell/window_services.h"
#include "widgets/forms.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

namespace {

constexpr int ControlWidth = 210;
// The reply box never gets smaller than this many characters and lines of
// its font, so a few lines of answers can always be read and typed.
constexpr int ReplyColumns = 32;
constexpr int ReplyLines = 7;
constexpr Integer AskIDOnAdd = 16;

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The focus moving on to another control, not the window losing it to a
// message box or a menu.
bool LeavesControl(const QEvent* event)
{
    const auto* focus = static_cast<const QFocusEvent*>(event);
    return focus->reason() != Qt::ActiveWindowFocusReason && focus->reason() != Qt::PopupFocusReason;
}

}  // namespace

frmAddData::frmAddData() : KzForm(QStringLiteral("frmAddData"))
{
    setWindowTitle(QStringLiteral("回答入力"));
    buildControls();
    buildMenus();
    connectControls();
    resize(680, 440);
}

void frmAddData::buildControls()
{
    txtReply = Named(new widgets::RichTextBox(this), "txtReply");
    frmControl = Named(new QFrame(this), "frmControl");
    txtDno = Named(new QLineEdit(frmControl), "txtDno");
    lblMax = Named(new QLabel(QStringLiteral("----"), frmControl), "lblMax");
    scrDno = Named(new QScrollBar(Qt::Horizontal, frmControl), "scrDno");
    Label7 = Named(new QLabel(QStringLiteral("ＩＤ"), frmControl), "Label7");
    txtIDno = Named(new QLineEdit(frmControl), "txtIDno");
    cmdChangeID = Named(new QPushButton(QStringLiteral("変更"), frmControl), "cmdChangeID");
    Label1 = Named(new QLabel(QStringLiteral("選択肢"), frmControl), "Label1");
    Label2 = Named(new QLabel(QStringLiteral("(スペースで表示)"), frmControl), "Label2");
    lstChoices = Named(new QListWidget(frmControl), "lstChoices");
    chkInputID = Named(new QCheckBox(QStringLiteral("追加時にIDを入力"), frmControl), "chkInputID");
    cmdNextInput = Named(new QPushButton(QStringLiteral("追加(&N)"), frmControl), "cmdNextInput");
    cmdDelete = Named(new QPushButton(QStringLiteral("削除(&D)"), frmControl), "cmdDelete");
    cmdExecute = Named(new QPushButton(QStringLiteral("DLL実行(&E)"), frmControl), "cmdExecute");
    cmdClose = Named(new QPushButton(QStringLiteral("閉じる(&C)"), frmControl), "cmdClose");
    stbInput = Named(new QLabel(this), "stbInput");
    stbInput->setFrameShape(QFrame::StyledPanel);
    stbInput->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // State only: never shown.
    chkChanged = Named(new QCheckBox(QStringLiteral("変更あり"), this), "chkChanged");
    chkNew = Named(new QCheckBox(QStringLiteral("New"), this), "chkNew");
    lblNowDno = Named(new QLabel(this), "lblNowDno");
    lblDno = new CommandLabel(QStringLiteral("lblDno"), this);
    lblDno->setText(QStringLiteral("Dno"));
    for (QWidget* state : {static_cast<QWidget*>(chkChanged), static_cast<QWidget*>(chkNew),
                           static_cast<QWidget*>(lblNowDno), static_cast<QWidget*>(lblDno)})
        state->hide();

    frmControl->setFixedWidth(ControlWidth);
    auto* position = new QHBoxLayout;
    position->addWidget(txtDno, 1);
    position->addWidget(lblMax);
    auto* id = new QHBoxLayout;
    id->addWidget(Label7);
    id->addWidget(txtIDno, 1);
    id->addWidget(cmdChangeID);
    auto* choicesCaption = new QHBoxLayout;
    choicesCaption->addWidget(Label1);
    choicesCaption->addWidget(Label2);
    choicesCaption->addStretch();
    auto* buttons = new QGridLayout;
    buttons->addWidget(cmdNextInput, 0, 0);
    buttons->addWidget(cmdDelete, 0, 1);
    buttons->addWidget(cmdExecute, 1, 0);
    buttons->addWidget(cmdClose, 1, 1);
    auto* control = new QVBoxLayout(frmControl);
    control->setContentsMargins(0, 0, 0, 0);
    control->addLayout(position);
    control->addWidget(scrDno);
    control->addLayout(id);
    control->addLayout(choicesCaption);
    control->addWidget(lstChoices, 1);
    control->addWidget(chkInputID);
    control->addLayout(buttons);

    // The reply fills what the controls at the right and the status line
    // leave; the layouts never give a control a size below zero.
    auto* body = new QHBoxLayout;
    body->addWidget(txtReply, 1);
    body->addWidget(frmControl);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(stbInput);
}

void frmAddData::connectControls()
{
    connect(txtReply, &widgets::RichTextBox::change, this, &frmAddData::replyChanged);
    connect(txtReply, &widgets::RichTextBox::keyDown, this, &frmAddData::replyKeyDown);
    connect(txtReply, &widgets::RichTextBox::keyPress, this, &frmAddData::replyKeyPress);
    connect(txtReply, &widgets::RichTextBox::lostFocus, this, &frmAddData::replyLostFocus);
    connect(lblDno, &CommandLabel::captionChanged, this, &frmAddData::commandWritten);
    connect(scrDno, &QScrollBar::valueChanged, this, &frmAddData::scrollBarMoved);
    // A typed position or ID stands out until it is shown.
    connect(txtDno, &QLineEdit::textEdited, this, [this] { SetBold(txtDno, true); });
    connect(txtIDno, &QLineEdit::textEdited, this, [this] { SetBold(txtIDno, true); });
    connect(cmdChangeID, &QPushButton::clicked, this, &frmAddData::changeID);
    connect(cmdNextInput, &QPushButton::clicked, this, &frmAddData::nextInput);
    connect(cmdDelete, &QPushButton::clicked, this, &frmAddData::deleteShownSample);
    connect(cmdExecute, &QPushButton::clicked, this, &frmAddData::executeExternal);
    connect(cmdClose, &QPushButton::clicked, this, &frmAddData::closeWindow);
    txtDno->installEventFilter(this);
    txtIDno->installEventFilter(this);
}

void frmAddData::formLoad()
{
    const Survey& survey = ProgramWorkspace().survey;
    const SampleTable& samples = ProgramWorkspace().samples;
    const Settings& settings = ProgramSettings();
    tableGeneration_ = samples.generation;
    CentreForm(this);
    RestoreWindowRec(WindowSlot::frmAddData, this);
    EnableEntryControls();
    const Long flags = settings.ColourTable[ColourSlot::DisplayFlags];
    mnuQDisp->setChecked((flags & ReplyShowNames) != 0);
    mnuShowReturn->setChecked((flags & ReplyShowReturns) != 0);
    setChanged(false);
    chkInputID->setChecked((survey.CheckOptions & AskIDOnAdd) != 0);
    ApplyFontRec(FontSlot::Reply, txtReply);
    keepReplyReadable();
    if (SampleCount(samples) > 0) {
        txtDno->setText(QString::number(SampleCount(samples) - 1));
        ShowSample();
    }
}

void frmAddData::keepReplyReadable()
{
    const QFontMetrics metrics = txtReply->fontMetrics();
    txtReply->setMinimumSize(ReplyColumns * metrics.averageCharWidth(), ReplyLines * metrics.lineSpacing());
}

void frmAddData::formQueryClose(bool& cancel)
{
    // Answers typed but not yet committed are kept, not lost with the
    // window; a refused reply keeps the window open at the error.
    cancel = !CommitReply(QString());
}

void frmAddData::formUnload(bool& cancel)
{
    Survey& survey = ProgramWorkspace().survey;
    const SampleTable& samples = ProgramWorkspace().samples;
    Q_UNUSED(cancel);
    // No commit here: the program also unloads the window after a load or a
    // merge has replaced the samples, and the typed text belongs to none of them.
    SaveWindowRec(this, WindowSlot::frmAddData);
    // After such a replacement the shown position names another sample and
    // the check box another questionnaire's option: neither is touched.
    if (samples.generation != tableGeneration_)
        return;
    dropShownEmptySample();
    if (chkInputID->isChecked())
        survey.CheckOptions = static_cast<Integer>(survey.CheckOptions | AskIDOnAdd);
    else
        survey.CheckOptions = static_cast<Integer>(survey.CheckOptions & ~AskIDOnAdd);
}

bool frmAddData::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtDno && watched != txtIDno)
        return KzForm::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (IsEnter(key)) {
            txtReply->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (watched == txtIDno && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            stepPosition(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && LeavesControl(event) && isVisible()) {
        if (watched == txtDno)
            ShowSample();
        else
            showSampleByID();
    }
    return KzForm::eventFilter(watched, event);
}

void frmAddData::closeWindow()
{
    if (windows().importWindowOpen()) {
        Beep();
        MsgBox(windows().importWindowCaption()
                   + QStringLiteral("ウィンドウが開いているうちはこのウィンドウは閉じられません"),
               vbExclamation);
        windows().raiseImportWindow();
        return;
    }
    bool cancel = false;
    formQueryClose(cancel);
    if (!cancel)
        widgets::Forms::unload(*this);
}

}  // namespace kz
