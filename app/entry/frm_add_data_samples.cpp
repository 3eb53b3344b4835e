// Which sample the entry window shows, and adding, deleting and renumbering
// samples.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "document/cmd_box.h"
#include "document/menu_state.h"
#include "entry/entry_messages.h"
#include "entry/frm_add_data.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/answer_store.h"
#include "model/sample_ids.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "model/workspace.h"
#include "runtime/rounding.h"
#include "runtime/val.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "shell/window_services.h"

namespace kz {

namespace {

// The scroll bar holds at most this many steps; longer tables are scaled.
constexpr Long ScrollSteps = 32767;

bool HasAnswer(Long Dno)
{
    QVector<Integer> counts;
    QVector<Integer> codes;
    PopSampleAnswers(ProgramWorkspace(), Dno, counts, codes);
    qsizetype answers = 0;
    for (Integer n : counts)
        answers += n;
    answers = std::min(answers, codes.size());
    return std::any_of(codes.cbegin(), codes.cbegin() + answers, [](Integer c) { return c > 0; });
}

// The position a text names, or -1 when it names none of the table.
Long PositionIn(const QString& text)
{
    const SampleTable& samples = ProgramWorkspace().samples;
    const double value = Val(text);
    if (!FitsLong(value))
        return -1;
    const Long Dno = CLng(value);
    return Dno >= 0 && Dno < SampleCount(samples) ? Dno : -1;
}

QString PositionText(Long Dno) { return Dno < 0 ? QString() : QString::number(Dno); }

// Ends a press on the bar's arrows, track or slider as its release would.
void EndPress(QScrollBar* bar)
{
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), bar->mapToGlobal(QPointF()), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &release);
}

}  // namespace

Long frmAddData::shownDno() const { return shownDno_ < SampleCount(ProgramWorkspace().samples) ? shownDno_ : -1; }

void frmAddData::setShownDno(Long Dno)
{
    shownDno_ = Dno;
    lblNowDno->setText(PositionText(Dno));
}

void frmAddData::ShowSample()
{
    const Survey& survey = ProgramWorkspace().survey;
    const SampleTable& samples = ProgramWorkspace().samples;
    if (chkChanged->isChecked())
        CommitReply(QString());
    const double wanted = Val(txtDno->text());
    const Long shown = shownDno();
    if (!chkNew->isChecked() && shown >= 0 && wanted != shown) {
        const Long before = SampleCount(samples);
        DropEmptySample(shown);
        // The samples after a dropped one move up; the one asked for is shown.
        if (SampleCount(samples) < before && wanted > shown)
            txtDno->setText(QString::number(Val(txtDno->text()) - 1));
    }
    const Long Dno = PositionIn(txtDno->text());
    if (Dno < 0) {
        if (SampleCount(samples) > 0) {
            MsgBox(PositionRangeMessage(SampleCount(samples) - 1), vbExclamation);
            txtDno->setText(PositionText(shownDno_));
        }
        return;
    }
    showPosition(Dno);
    if (chkNew->isChecked()) {
        chkNew->setChecked(false);
        writeReply(QString(), ReplyForm::Typed);
    } else {
        writeReply(sampleRTF(Dno), ReplyForm::Rich);
        setChanged(false);
        windows().refreshSampleView(QString::number(survey.QuestionCount), txtDno->text(), txtIDno->text());
    }
}

void frmAddData::showPosition(Long Dno)
{
    const SampleTable& samples = ProgramWorkspace().samples;
    setShownDno(Dno);
    txtDno->setText(QString::number(Dno));
    SetBold(txtDno, false);
    txtIDno->setText(SampleIDText(samples.Samples, Dno));
    SetBold(txtIDno, false);
    setScrollBarFor(Dno);
    lblMax->setText(QStringLiteral("/ ") + QString::number(SampleCount(samples) - 1));
}

void frmAddData::EnableEntryControls()
{
    const SampleTable& samples = ProgramWorkspace().samples;
    const bool any = SampleCount(samples) > 0;
    for (QWidget* control :
         {static_cast<QWidget*>(txtDno), static_cast<QWidget*>(txtIDno), static_cast<QWidget*>(cmdDelete),
          static_cast<QWidget*>(txtReply), static_cast<QWidget*>(scrDno)})
        control->setEnabled(any);
    const QSignalBlocker quiet(scrDno);
    scrDno->setRange(0, std::clamp<Long>(SampleCount(samples) - 1, 0, ScrollSteps));
}

void frmAddData::setScrollBarFor(Long Dno)
{
    const SampleTable& samples = ProgramWorkspace().samples;
    const Long last = SampleCount(samples) - 1;
    const QSignalBlocker quiet(scrDno);
    scrDno->setValue(last > ScrollSteps ? static_cast<int>(qint64{Dno} * ScrollSteps / last) : Dno);
}

void frmAddData::scrollBarMoved(int value)
{
    const SampleTable& samples = ProgramWorkspace().samples;
    if (chkChanged->isChecked()) {
        // A box the commit shows takes the mouse, so the bar would never see
        // its arrow released and go on stepping behind the box.
        EndPress(scrDno);
        // A refused reply keeps its sample shown, and its text.
        if (!CommitReply(QString())) {
            setScrollBarFor(shownDno());
            return;
        }
    }
    const Long last = SampleCount(samples) - 1;
    const qint64 Dno = last > ScrollSteps ? qint64{value} * last / ScrollSteps : value;
    txtDno->setText(QString::number(Dno));
    ShowSample();
}

bool frmAddData::AddSample(Long ID)
{
    const SampleTable& samples = ProgramWorkspace().samples;
    DocumentState& document = ProgramWorkspace().document;
    if (SampleTableFull(ProgramWorkspace())) {
        MsgBox(QStringLiteral("もうサンプルを入力できません"), vbExclamation);
        return false;
    }
    if (FindSampleByID(samples.Samples, ID) >= 0) {
        refuseCommand(IDInUseMessage(ID));
        return false;
    }
    chkNew->setChecked(true);
    SetModified(document);
    const Long Dno = AppendSampleRec(ProgramWorkspace(), ID);
    // The sample shown so far keeps its place, so pending
    // answers are committed to it and not to its new neighbour.
    const Long shown = shownDno();
    if (shown >= Dno)
        setShownDno(shown + 1);
    EnableEntryControls();
    txtDno->setText(QString::number(Dno));
    ShowSample();
    setChanged(true);
    return true;
}

void frmAddData::DeleteSample(Long Dno)
{
    SampleTable& samples = ProgramWorkspace().samples;
    DocumentState& document = ProgramWorkspace().document;
    if (Dno < 0 || Dno >= SampleCount(samples))
        return;
    SetModified(document);
    // Once its sample is gone the position shows nothing until the next
    // sample is shown.
    if (Dno == shownDno())
        setShownDno(-1);
    DeleteSampleRec(samples.Samples, Dno);
    EnableEntryControls();
}

void frmAddData::DropEmptySample(Long Dno)
{
    SampleTable& samples = ProgramWorkspace().samples;
    const Settings& settings = ProgramSettings();
    if (Dno < 0 || Dno >= SampleCount(samples) || HasAnswer(Dno))
        return;
    stbInput->setText(QStringLiteral("空のサンプル(ID=") + SampleIDText(samples.Samples, Dno)
                      + QStringLiteral(")を削除しました"));
    DeleteSample(Dno);
    ResetIDCursor(samples, settings);
}

void frmAddData::dropShownEmptySample() { DropEmptySample(shownDno()); }

void frmAddData::commandWritten(const QString& caption)
{
    if (caption.isEmpty() || caption == txtDno->text())
        return;
    if (caption == QLatin1String("ID")) {
        showSampleByID();
    } else if (caption == QLatin1String("NEW")) {
        const double id = Val(txtIDno->text());
        if (FitsLong(id))
            AddSample(CLng(id));
        else
            refuseCommand(IDRangeMessage());
    } else if (caption == QLatin1String("AUTONEW")) {
        autoNew();
    } else if (caption == QLatin1String("INPUT")) {
        inputCommand();
    } else {
        txtDno->setText(caption);
        ShowSample();
    }
}

void frmAddData::refuseCommand(const QString& message)
{
    // Nothing is the target of the reply now, so a reply written next is
    // refused instead of landing in the sample shown before.
    setShownDno(-1);
    MsgBox(message, vbExclamation);
    stbInput->setText(message);
}

void frmAddData::autoNew()
{
    SampleTable& samples = ProgramWorkspace().samples;
    const Settings& settings = ProgramSettings();
    const Long ID = NextFreeID(samples, settings);
    if (ID == -1) {
        noIDLeft();
        return;
    }
    txtIDno->setText(QString::number(ID));
    AddSample(ID);
}

void frmAddData::noIDLeft()
{
    MsgBox(QStringLiteral(
               "ＩＤが尽きました。メインウィンドウ「内容変更」の「割り当てＩＤ」で、出せるＩＤを増やしてください。"),
           vbExclamation);
    stbInput->setText(QStringLiteral("ＩＤが尽きました"));
}

void frmAddData::showSampleByID()
{
    const SampleTable& samples = ProgramWorkspace().samples;
    const double id = Val(txtIDno->text());
    if (!FitsLong(id)) {
        MsgBox(IDRangeMessage(), vbExclamation);
        ShowSample();
        return;
    }
    const Long Dno = FindSampleByID(samples.Samples, CLng(id));
    if (Dno < 0) {
        MsgBox(QStringLiteral("指定のＩＤが見つかりません。"), vbExclamation);
        ShowSample();
        return;
    }
    // Emptied first: the same position written again must still show it.
    lblDno->setCaption(QString());
    lblDno->setCaption(QString::number(Dno));
    SetBold(txtIDno, false);
}

void frmAddData::stepPosition(int step)
{
    txtDno->setText(QString::number(Val(txtDno->text()) + step));
    ShowSample();
}

void frmAddData::nextInput()
{
    SampleTable& samples = ProgramWorkspace().samples;
    const Settings& settings = ProgramSettings();
    remindToSave();
    dropShownEmptySample();
    const Long ID = NextFreeID(samples, settings);
    if (ID == -1) {
        MsgBox(QStringLiteral("発行できるＩＤが無くなりました。メインウィンドウ「ｱﾝｹｰﾄ」の「ＩＤの範囲」で、出せるＩ"
                              "Ｄを増やしてください。"),
               vbExclamation);
        return;
    }
    // Without the new sample the steps below would empty the one shown.
    if (!AddSample(ID))
        return;
    CommitReply(QString());
    if (chkInputID->isChecked()) {
        CommitReply(QString());
        changeID();
    }
    writeReply(QString(), ReplyForm::Typed);
    setChanged(true);
    CommitReply(QString());
    txtReply->setFocus(Qt::OtherFocusReason);
}

void frmAddData::changeID()
{
    SampleTable& samples = ProgramWorkspace().samples;
    DocumentState& document = ProgramWorkspace().document;
    const Settings& settings = ProgramSettings();
    const Long Dno = shownDno();
    if (Dno < 0)
        return;
    const Long oldID = samples.Samples.id(Dno);
    QString text = QString::number(oldID);
    const QString range =
        QString::number(settings.IDRangeLow) + QStringLiteral("～") + QString::number(settings.IDRangeHigh);
    if (!InputBoxEx(QStringLiteral("IDの変更"), QStringLiteral("変更後のID"), range, QString(), text))
        return;
    const IDChangeResult result = ChangeSampleID(samples, Dno, text, {settings.IDRangeLow, settings.IDRangeHigh});
    switch (result.change) {
    case IDChange::Kept:
        return;
    case IDChange::OutsideRange:
        MsgBox(QStringLiteral("IDが割り当て外です"), vbExclamation);
        return;
    case IDChange::InUse:
        MsgBox(QStringLiteral("IDが重複しています"), vbExclamation);
        return;
    case IDChange::Moved:
        break;
    }
    SetModified(document);
    // The shown sample moved with its ID; nothing was left behind to drop.
    setShownDno(result.Dno);
    txtDno->setText(QString::number(result.Dno));
    ShowSample();
}

void frmAddData::deleteShownSample()
{
    SampleTable& samples = ProgramWorkspace().samples;
    const Settings& settings = ProgramSettings();
    const Long Dno = shownDno();
    if (Dno < 0)
        return;
    if (MsgBox(QStringLiteral("サンプル") + txtDno->text() + QStringLiteral("を消去します"),
               vbOKCancel | vbExclamation)
        != vbOK)
        return;
    DeleteSample(Dno);
    ResetIDCursor(samples, settings);
    txtDno->setText(QString::number(std::max<Long>(Dno - 1, 0)));
    ShowSample();
    cmdNextInput->setFocus(Qt::OtherFocusReason);
}

}  // namespace kz
