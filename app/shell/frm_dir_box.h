// Choosing a folder: drive, folder and file lists.
#pragma once

#include <QPushButton>

#include "widgets/folder_lists.h"
#include "widgets/kz_form.h"

namespace kz {

class frmDirBox : public widgets::KzForm {
    Q_OBJECT
public:
    frmDirBox();

    widgets::DriveList* drvDir;
    widgets::DirList* dirDir;
    widgets::FileList* fleDir;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void formLoad() override;

private:
    void driveChanged(const QString& drive);
};

// Shows the box: the chosen folder, or "" for Cancel, Esc or the frame's
// close.
QString RunDirBox();

}  // namespace kz
