// Committing the reply: what triggers it, the parse and store, and showing
// the result (the redrawn reply, the choices of the question to answer next).
#include <QSignalBlocker>

#include "document/menu_state.h"
#include "entry/entry_messages.h"
#include "entry/frm_add_data.h"
#include "entry/reply_colours.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "reply/reply_parse.h"
#include "reply/reply_rtf.h"
#include "shell/program_state.h"
#include "shell/window_services.h"
#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

const QString ChangedStatus = QStringLiteral("変更あり");

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// An even number of "/" before the caret: it stands outside any free text,
// also while a text typed at the end has no closing "/" yet.
bool OutsideFreeText(const QString& text, int caret) { return text.left(caret).count(QLatin1Char('/')) % 2 == 0; }

}  // namespace

bool frmAddData::CommitReply(const QString& Insert)
{
    DocumentState& document = ProgramWorkspace().document;
    // A commit's own message boxes and redraw move the focus; that is no
    // second commit.
    if (!chkChanged->isChecked() || committing_)
        return true;
    const Long Dno = shownDno();
    if (Dno < 0) {
        setChanged(false);
        Beep();
        MsgBox(NoSampleMessage(), vbExclamation);
        stbInput->setText(NoSampleMessage());
        return false;
    }
    committing_ = true;
    SetModified(document);
    int Caret = txtReply->selStart();
    QString text = txtReply->text();
    if (Caret >= 0) {
        if (Caret <= text.size())
            text.insert(Caret, Insert);
        Caret += Insert.size();
    }
    Integer CursorQ = 0;
    Integer CursorN = 0;
    Integer CaretQ = -1;
    QString Status;
    const QString typed = text;
    parsedReply_ = &text;
    ParseReply(ProgramWorkspace(), Dno, text, CursorQ, CursorN, Caret, CaretQ, Status, this);
    parsedReply_ = nullptr;
    setChanged(false);
    const bool stored = Status.isEmpty() || Status == ExeDllStatus;
    if (stored) {
        showCommitted({Dno, CursorQ, CursorN, Caret, CaretQ}, Status);
    } else {
        // Lines the parser rewrote stay rewritten.
        if (text != typed)
            writeReply(text, ReplyForm::Amended);
        showRefusal(Caret, Status);
    }
    committing_ = false;
    return stored;
}

void frmAddData::showRefusal(int Caret, const QString& Status)
{
    Beep();
    MsgBox(Status, vbExclamation);
    txtReply->setSelStart(Caret);
    txtReply->setSelLength(0);
    txtReply->setFocus(Qt::OtherFocusReason);
    stbInput->setText(Status);
}

void frmAddData::showCommitted(const StoredReply& reply, const QString& Status)
{
    const Survey& survey = ProgramWorkspace().survey;
    const SampleTable& samples = ProgramWorkspace().samples;
    const Long Dno = reply.Dno;
    const Integer CursorQ = reply.CursorQ;
    if (Status == ExeDllStatus) {
        showStoredReply(reply,
                        CursorQ < survey.QuestionCount ? externalTail(Dno, CursorQ, reply.CursorN) : QString());
        // The process's text is part of the reply now, still to be committed.
        replyChanged();
    } else {
        showStoredReply(reply, QString());
    }
    windows().refreshSampleView(QString::number(CursorQ), QString::number(Dno), SampleIDText(samples.Samples, Dno));
    if (CursorQ == survey.QuestionCount && reply.CursorN == 0) {
        if (!windows().importWindowOpen())
            cmdNextInput->setFocus(Qt::OtherFocusReason);
        return;
    }
    listChoices(CursorQ);
}

void frmAddData::showStoredReply(const StoredReply& reply, const QString& Tail)
{
    const Settings& settings = ProgramSettings();
    int Caret = reply.Caret;
    writeReply(BuildReplyRTF(ProgramWorkspace(), settings, reply.Dno, reply.CursorQ, reply.CursorN, Caret,
                             reply.CaretQ, Tail, displayFlags()),
               ReplyForm::Rich);
    txtReply->setSelStart(Caret);
}

void frmAddData::listChoices(Integer CursorQ)
{
    const Survey& survey = ProgramWorkspace().survey;
    lstChoices->clear();
    if (CursorQ < 0 || CursorQ >= survey.QuestionCount)
        return;
    lstChoices->addItem(QuestionHeading(survey, CursorQ, HeadingLabel | HeadingMax));
    for (Integer c = 1; c < survey.Questions[CursorQ].ChoiceCount; ++c)
        lstChoices->addItem(ChoiceLabel(survey, CursorQ, c, true, true));
}

void frmAddData::writeReply(const QString& text, ReplyForm form)
{
    const Settings& settings = ProgramSettings();
    // What is written replaces an imported sample still waiting to be shown.
    importToShow_.reset();
    // The program's own writes are no edits of the user's.
    const QSignalBlocker quiet(txtReply);
    // What is typed shows as answers until the commit colours it.
    txtReply->setTypingColor(ColourOf(settings.FontRecs[FontSlot::Reply].ForeColor));
    switch (form) {
    case ReplyForm::Rich:
        txtReply->setTextRTF(text);
        break;
    case ReplyForm::Amended:
        txtReply->amendText(text);
        break;
    case ReplyForm::Typed:
        txtReply->setText(text);
        break;
    }
}

void frmAddData::setChanged(bool changed)
{
    chkChanged->setChecked(changed);
    // Clearing takes back only the window's own mark; a message stays.
    if (!changed && stbInput->text() == ChangedStatus)
        stbInput->clear();
}

void frmAddData::replyChanged()
{
    importToShow_.reset();
    setChanged(true);
    stbInput->setText(ChangedStatus);
}

void frmAddData::replyKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* cancel)
{
    Q_UNUSED(modifiers);
    if (IsEnter(key)) {
        // The line break enters the text only through a successful commit.
        *cancel = true;
        setChanged(true);
        CommitReply(QStringLiteral("\r\n"));
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        if (!CommitReply(QString()))
            *cancel = true;
    }
}

void frmAddData::replyKeyPress(const QString& text, bool* cancel)
{
    if (text != QLatin1String(" ") || !OutsideFreeText(txtReply->text(), txtReply->selStart()))
        return;
    *cancel = true;
    CommitReply(QString());
}

void frmAddData::replyLostFocus()
{
    if (chkChanged->isChecked())
        CommitReply(QString());
}

void frmAddData::inputCommand()
{
    setChanged(true);
    CommitReply(QString());
}

bool frmAddData::wantsReports() const { return windows().answerReportsWanted(); }

void frmAddData::markAnswer(int start, int length)
{
    const Settings& settings = ProgramSettings();
    // The checks count in the text being parsed, which may hold a rewritten
    // line or the inserted line end the box does not show yet.
    if (parsedReply_ && txtReply->text() != *parsedReply_)
        writeReply(*parsedReply_, ReplyForm::Amended);
    const QSignalBlocker quiet(txtReply);
    markedStart_ = start - 1;
    markedLength_ = length;
    txtReply->setSelStart(markedStart_);
    txtReply->setSelLength(markedLength_);
    markedColour_ = txtReply->selColor();
    txtReply->setSelColor(ColourOf(settings.ColourTable[ColourSlot::Error]));
}

void frmAddData::restoreText()
{
    const QSignalBlocker quiet(txtReply);
    txtReply->setSelStart(markedStart_);
    txtReply->setSelLength(markedLength_);
    txtReply->setSelColor(markedColour_);
    txtReply->setSelLength(0);
}

}  // namespace kz
