// A spin button: two arrows beside the field whose number they change, with
// no field of their own; the upper arrow counts up, the lower one down, and
// holding one repeats it.
#pragma once

#include <QAbstractSlider>
#include <QToolButton>

namespace kz::widgets {

class SpinButton : public QAbstractSlider {
    Q_OBJECT
public:
    // As tall as `field`, so that the arrows stand beside it whole.
    SpinButton(QWidget* field, QWidget* parent);

    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace kz::widgets
