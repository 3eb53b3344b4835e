// A label that answers a click with the left button, for windows whose
// labels are also commands.
#pragma once

#include <QLabel>

namespace kz::widgets {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kz::widgets
