// A picture box that keeps what is drawn on it (the old AutoRedraw): filled
// boxes stay until drawn over, and the picture survives repaints.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace kz::widgets {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    // A box of a fixed size, filled with `background`.
    PictureBox(QSize size, QColor background, QWidget* parent = nullptr);

    // Fills the columns from x1 to x2 (either order) over the full height.
    void fillColumns(int x1, int x2, QColor colour);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace kz::widgets
