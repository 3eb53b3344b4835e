#include "shell/useful_controls.h"

#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace kz {

namespace {

class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Queued, so that a mouse click's own cursor placement does not undo it.
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, watched, [box = static_cast<QLineEdit*>(watched)] { box->selectAll(); });
        return false;
    }
};

}  // namespace

void CentreForm(QWidget* frm)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!frm || !screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = frm->frameGeometry().size();
    frm->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void CentreOn(QWidget* frm, const QWidget* owner)
{
    if (!frm || !owner || !owner->screen()) {
        CentreForm(frm);
        return;
    }
    const QRect area = owner->screen()->availableGeometry();
    QRect place(QPoint(), frm->frameGeometry().size());
    place.moveCenter(owner->frameGeometry().center());
    place.moveLeft(std::clamp(place.left(), area.left(), std::max(area.left(), area.right() - place.width())));
    place.moveTop(std::clamp(place.top(), area.top(), std::max(area.top(), area.bottom() - place.height())));
    frm->move(place.topLeft());
}

std::optional<bool> CheckToBool(const QCheckBox* ctl)
{
    switch (ctl->checkState()) {
    case Qt::Unchecked:
        return false;
    case Qt::Checked:
        return true;
    default:
        return std::nullopt;
    }
}

std::optional<int> BoolToCheck(std::optional<bool> b)
{
    if (!b)
        return std::nullopt;
    return *b ? 1 : 0;
}

void SetBold(QWidget* control, bool bold)
{
    QFont font = control->font();
    font.setBold(bold);
    control->setFont(font);
}

void SelectAllOnEntry(QLineEdit* box) { box->installEventFilter(new SelectAllFilter(box)); }

}  // namespace kz
