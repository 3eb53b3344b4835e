#include "shell/frm_processing.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

#include "document/document_routines.h"
#include "host/ui_seam.h"
#include "runtime/rounding.h"
#include "shell/program_state.h"
#include "shell/useful_controls.h"
#include "widgets/forms.h"

namespace kz {

namespace {

constexpr QSize BarSize(360, 18);

void EnableOtherForms(const QWidget& except, bool enabled)
{
    for (widgets::KzForm* form : widgets::Forms::openForms()) {
        if (form != &except)
            form->setEnabled(enabled);
    }
}

int BarX(int width, Long percent)
{
    return static_cast<int>(std::lround(width * static_cast<double>(percent) / 100.0));
}

}  // namespace

QColor ProgressColour(Long percent)
{
    const double l = percent;
    return QColor(CInt(l * 255 / 100), CInt(191 + l * 64 / 100), CInt(l * 255 / 100));
}

Long ProgressPercent(float ratio)
{
    if (!(ratio > 0.0f))
        return 0;
    return CLng(std::min(ratio, 1.0f) * 100.0f);
}

frmProcessing::frmProcessing() : KzForm(QStringLiteral("frmProcessing"))
{
    lblInfomation = new QLabel(this);
    lblInfomation->setObjectName(QStringLiteral("lblInfomation"));
    lblInfomation->setWordWrap(true);
    lblProcessing = new QLabel(this);
    lblProcessing->setObjectName(QStringLiteral("lblProcessing"));
    pctBar = new widgets::PictureBox(BarSize, Qt::black, this);
    pctBar->setObjectName(QStringLiteral("pctBar"));
    cmdStop = new QPushButton(QStringLiteral("中止(&S)"), this);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    chkFatal = new QCheckBox(this);
    chkFatal->setObjectName(QStringLiteral("chkFatal"));
    chkFatal->hide();
    chkSave = new QCheckBox(this);
    chkSave->setObjectName(QStringLiteral("chkSave"));
    chkSave->hide();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(pctBar);
    bottom->addWidget(cmdStop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInfomation);
    layout->addWidget(lblProcessing);
    layout->addLayout(bottom);

    connect(cmdStop, &QPushButton::clicked, this, &frmProcessing::stopClicked);
    cmdStop->installEventFilter(this);
}

void frmProcessing::formLoad()
{
    LastPercent = 0;
    adjustSize();
    CentreForm(this);
}

void frmProcessing::Progress(Long percent)
{
    const int width = pctBar->picture().width();
    if (percent >= LastPercent)
        pctBar->fillColumns(BarX(width, LastPercent), BarX(width, percent), ProgressColour(LastPercent));
    else
        pctBar->fillColumns(BarX(width, percent), BarX(width, LastPercent), Qt::black);
    LastPercent = percent;
}

void frmProcessing::startJob(const QString& caption, const QString& info, const QString& processing, bool fatal,
                             bool showNow, bool saveJob)
{
    setWindowTitle(caption);
    lblInfomation->setText(info);
    lblProcessing->setText(processing);
    Progress(0);
    chkFatal->setChecked(fatal);
    chkSave->setChecked(saveJob);
    cmdStop->setEnabled(true);
    if (showNow) {
        show();
        repaint();
    }
    EnableOtherForms(*this, false);
    widgets::Forms::setLongJobRunning(true);
}

bool frmProcessing::reportProgress(const QString& text, float ratio)
{
    Progress(ProgressPercent(ratio));
    lblProcessing->setText(text);
    lblProcessing->repaint();
    return !(isVisible() && !cmdStop->isEnabled());
}

void frmProcessing::endJob()
{
    EnableOtherForms(*this, true);
    setEnabled(true);
    hide();
    widgets::Forms::setLongJobRunning(false);
}

void frmProcessing::stopClicked()
{
    DocumentState& document = ProgramWorkspace().document;
    const int question = vbOKCancel | vbExclamation | vbDefaultButton2;
    if (chkFatal->isChecked() && !chkSave->isChecked()) {
        if (MsgBox(QStringLiteral("中止するとKelvorzun内部のアンケートデータが壊れて保存出来なくなります。"),
                   question)
            != vbOK)
            return;
        SetUnsavable(document);
    } else if (chkFatal->isChecked()) {
        if (MsgBox(QStringLiteral("中止すると保存先のファイルが中途半端で読み込めなくなります。"), question) != vbOK)
            return;
        MsgBox(QStringLiteral(
            "保存先のファイルが読み込めなくなりました。Kelvorzun終了前に必ず改めて保存し直してください。"));
    } else if (MsgBox(QStringLiteral("中止しますか？"), question) != vbOK) {
        return;
    }
    cmdStop->setEnabled(false);
}

bool frmProcessing::eventFilter(QObject* watched, QEvent* event)
{
    // Stop keeps the focus while it can be pressed; a change of window
    // (a question box) does not count.
    if (watched == cmdStop && event->type() == QEvent::FocusOut && cmdStop->isEnabled() && isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QTimer::singleShot(0, cmdStop, [this] { cmdStop->setFocus(); });
    }
    return KzForm::eventFilter(watched, event);
}

void frmProcessing::changeEvent(QEvent* event)
{
    KzForm::changeEvent(event);
    // Another window of the program taking the focus gives it back; a modal
    // box or another program keeps it.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && QApplication::activeWindow()
        && !QApplication::activeModalWidget())
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                activateWindow();
        });
}

}  // namespace kz
