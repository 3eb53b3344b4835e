#include "widgets/picture_box.h"

#include <QPainter>

#include <algorithm>

namespace kz::widgets {

PictureBox::PictureBox(QSize size, QColor background, QWidget* parent)
    : QWidget(parent), picture_(size, QImage::Format_RGB32)
{
    picture_.fill(background);
    setFixedSize(size);
}

void PictureBox::fillColumns(int x1, int x2, QColor colour)
{
    const int left = std::clamp(std::min(x1, x2), 0, picture_.width());
    const int right = std::clamp(std::max(x1, x2), 0, picture_.width());
    if (right > left) {
        QPainter painter(&picture_);
        painter.fillRect(QRect(left, 0, right - left, picture_.height()), colour);
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

}  // namespace kz::widgets
