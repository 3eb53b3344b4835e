#include "shell/frm_dir_box.h"

#include <QDir>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/forms.h"

namespace kz {

frmDirBox::frmDirBox() : KzForm(QStringLiteral("frmDirBox"))
{
    setWindowTitle(QStringLiteral("ディレクトリの選択"));
    drvDir = new widgets::DriveList(this);
    drvDir->setObjectName(QStringLiteral("drvDir"));
    dirDir = new widgets::DirList(this);
    dirDir->setObjectName(QStringLiteral("dirDir"));
    fleDir = new widgets::FileList(this);
    fleDir->setObjectName(QStringLiteral("fleDir"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* left = new QVBoxLayout;
    left->addWidget(dirDir, 1);
    left->addWidget(drvDir);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(fleDir, 1);
    layout->addLayout(buttons);

    connect(drvDir, &widgets::DriveList::driveChanged, this, &frmDirBox::driveChanged);
    connect(dirDir, &widgets::DirList::pathChanged, fleDir, &widgets::FileList::setPath);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::hide);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        cmdCancel->setEnabled(false);
        hide();
    });
    setCancelButton(cmdCancel);
}

void frmDirBox::formLoad()
{
    dirDir->setPath(QDir::currentPath());
    drvDir->setDrive(widgets::DriveList::driveOf(dirDir->path()));
}

void frmDirBox::driveChanged(const QString& drive)
{
    // An unreadable drive: back to the drive of the folder shown.
    if (!dirDir->setPath(drive))
        drvDir->setDrive(widgets::DriveList::driveOf(dirDir->path()));
}

QString RunDirBox()
{
    auto& box = widgets::Forms::instance<frmDirBox>();
    box.showModal();
    const QString folder = box.cmdCancel->isEnabled() ? box.dirDir->path() : QString();
    widgets::Forms::unload(box);
    return folder;
}

}  // namespace kz
