#include "widgets/spin_button.h"

#include <QVBoxLayout>

#include <algorithm>

namespace kz::widgets {

namespace {

QToolButton* Arrow(Qt::ArrowType direction, QWidget* parent)
{
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return arrow;
}

}  // namespace

SpinButton::SpinButton(QWidget* field, QWidget* parent)
    : QAbstractSlider(parent), up_(Arrow(Qt::UpArrow, this)), down_(Arrow(Qt::DownArrow, this))
{
    setSingleStep(1);
    setPageStep(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { triggerAction(SliderSingleStepAdd); });
    connect(down_, &QToolButton::clicked, this, [this] { triggerAction(SliderSingleStepSub); });
    const int arrowHeight = up_->minimumSizeHint().height();
    setFixedHeight(std::max(field->sizeHint().height(), 2 * arrowHeight));
    setFixedWidth(up_->minimumSizeHint().width());
}

}  // namespace kz::widgets
