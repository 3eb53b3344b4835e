// The windows that work beside the entry window: the import window, which
// feeds it records and keeps it open, and the sample view, which follows the
// sample it shows. They are found among the open windows by name, so the
// entry window works whether or not they exist in this build.
#pragma once

#include <QString>

class QWidget;

namespace kz {

// The import window when it is open, else nullptr.
QWidget* OpenImportWindow();
// Whether the answer checks report their findings now: always, except while
// the import window is shown with its report option off.
bool AnswerReportsWanted();

// Shows sample `dno` (position text) with ID `idText` in the sample view,
// counting questions up to `endQno`, when the sample view is open.
void RefreshSampleView(const QString& endQno, const QString& dno, const QString& idText);

// Gives `control` a bold or a normal font.
void SetBold(QWidget* control, bool bold);

}  // namespace kz
