// Files dropped on the main window (or its picture) are opened.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include "files/file_header.h"
#include "shell/frm_main.h"
#include "widgets/forms.h"

namespace kz {

namespace {

// The first dropped item that is a local file; other items (web addresses,
// folders) are ignored.
QString FirstLocalFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isDir())
            return url.toLocalFile();
    }
    return {};
}

}  // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!widgets::Forms::longJobRunning() && !FirstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QString file = FirstLocalFile(event->mimeData());
    if (file.isEmpty() || widgets::Forms::longJobRunning())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: the loader's boxes must not run inside
    // the drag and drop of the desktop.
    QTimer::singleShot(0, this,
                       [this, file] { runCommand([this, file] { OpenDataFile(file, OpenQuestionnaire); }); });
}

}  // namespace kz
