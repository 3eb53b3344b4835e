// The progress window of long jobs. While it is up every other window is
// disabled; Stop asks what stopping will cost and then marks the request,
// which the job reads from the next progress report.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QPushButton>

#include "runtime/vbtypes.h"
#include "widgets/kz_form.h"
#include "widgets/picture_box.h"

namespace kz {

// The colour of a piece of the bar that starts at `percent`: green at 0 %
// toward white at 100 %.
QColor ProgressColour(Long percent);
// The whole percent of a ratio: above 1 counts as 1, below 0 (and NaN) as 0;
// halves go to the even number.
Long ProgressPercent(float ratio);

class frmProcessing : public widgets::KzForm {
    Q_OBJECT
public:
    frmProcessing();

    QLabel* lblInfomation;
    QLabel* lblProcessing;
    widgets::PictureBox* pctBar;
    QPushButton* cmdStop;
    // Never shown: the job's kind, for the stop question.
    QCheckBox* chkFatal;
    QCheckBox* chkSave;

    // Draws the bar up to `percent`: a new piece in the colour of where it
    // starts, or black back from the last percent when it shrinks.
    void Progress(Long percent);

    // The job starts: texts, an empty bar, Stop enabled, the window shown
    // when `showNow`, every other window disabled.
    void startJob(const QString& caption, const QString& info, const QString& processing, bool fatal, bool showNow,
                  bool saveJob);
    // False once the user stopped the job while the window is shown.
    bool reportProgress(const QString& text, float ratio);
    // Every window enabled again and the window hidden; it stays loaded.
    void endJob();

protected:
    void formLoad() override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stopClicked();

    Long LastPercent = 0;
};

}  // namespace kz
