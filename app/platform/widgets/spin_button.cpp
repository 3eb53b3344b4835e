#include "widgets/spin_button.h"

#include <QVBoxLayout>

#include <algorithm>

namespace kz::widgets {

namespace {

// Small enough to stand beside one line of text, large enough to hit.
constexpr int ArrowWidth = 16;
constexpr int LeastArrowHeight = 10;

QToolButton* Arrow(Qt::ArrowType direction, QWidget* parent)
{
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
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
    const int height = std::max(field->sizeHint().height(), 2 * LeastArrowHeight);
    up_->setFixedSize(ArrowWidth, height / 2);
    down_->setFixedSize(ArrowWidth, height - height / 2);
    setFixedSize(ArrowWidth, height);
}

}  // namespace kz::widgets
