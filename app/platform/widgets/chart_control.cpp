#include "chart_control.h"

#include <QAbstract3DGraph>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPainter>
#include <QStackedLayout>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "chart_2d.h"
#include "chart_3d.h"

namespace kz::widgets {

namespace {

// 3D graphs draw with OpenGL; without it they cannot even be set up.
bool OpenGLAvailable()
{
    static const bool available = [] {
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext context;
        return context.create() && context.makeCurrent(&surface);
    }();
    return available;
}

}  // namespace

bool IsChart3d(int chartType)
{
    return chartType == Bar3d || chartType == Line3d || chartType == Area3d || chartType == Step3d;
}

ChartControl::ChartControl(QWidget* parent)
    : QWidget(parent), pages_(new QStackedLayout(this)), chart_(new QChart), page3d_(new QWidget(this)),
      title3d_(new QLabel(page3d_)),
      no3d_(new QLabel(QStringLiteral("3次元グラフを表示できません（OpenGLが使えません）。"), this))
{
    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    chart_->legend()->setAlignment(Qt::AlignRight);
    pages_->addWidget(view_);
    auto* layout3d = new QVBoxLayout(page3d_);
    layout3d->setContentsMargins(0, 0, 0, 0);
    title3d_->setAlignment(Qt::AlignCenter);
    title3d_->setFont(chart_->titleFont());
    layout3d->addWidget(title3d_);
    pages_->addWidget(page3d_);
    no3d_->setAlignment(Qt::AlignCenter);
    pages_->addWidget(no3d_);
}

void ChartControl::setChartType(int chartType)
{
    chartType_ = chartType;
    redraw();
}

void ChartControl::setStacking(bool stacking)
{
    stacking_ = stacking;
    redraw();
}

void ChartControl::setChartData(const QList<QVariantList>& data)
{
    table_ = ChartTable::fromData(data);
    redraw();
}

void ChartControl::setTitleText(const QString& title)
{
    title_ = title;
    chart_->setTitle(title);
    title3d_->setText(title);
}

void ChartControl::redraw()
{
    if (!IsChart3d(chartType_)) {
        DrawChart2d(*chart_, table_, chartType_, stacking_);
        pages_->setCurrentWidget(view_);
        return;
    }
    if (!OpenGLAvailable()) {
        pages_->setCurrentWidget(no3d_);
        return;
    }
    show3d();
    DrawGraph3d(*graph_, table_, chartType_, stacking_);
    pages_->setCurrentWidget(page3d_);
}

void ChartControl::show3d()
{
    if (graph_ && graphType_ == chartType_)
        return;
    // Each 3D type sets its graph up its own way: start afresh.
    delete container3d_;
    graph_ = NewGraph3d(chartType_);
    graphType_ = chartType_;
    container3d_ = QWidget::createWindowContainer(graph_, page3d_);
    container3d_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    page3d_->layout()->addWidget(container3d_);
}

QImage ChartControl::picture()
{
    const QSize size = this->size().expandedTo({1, 1});
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!IsChart3d(chartType_)) {
        view_->render(&painter, image.rect());
        return image;
    }
    if (!graph_) {
        no3d_->render(&painter);
        return image;
    }
    const int titleHeight = title3d_->sizeHint().height();
    painter.setFont(title3d_->font());
    painter.drawText(QRect(0, 0, size.width(), titleHeight), Qt::AlignCenter, title_);
    const QSize graphSize(size.width(), std::max(size.height() - titleHeight, 1));
    painter.drawImage(QPoint(0, titleHeight), graph_->renderToImage(0, graphSize));
    return image;
}

void ChartControl::paint(QPainter& painter, const QRect& page)
{
    paintPicture(painter, page, IsChart3d(chartType_) ? picture() : QImage());
}

void ChartControl::paintPicture(QPainter& painter, const QRect& page, const QImage& image)
{
    if (!IsChart3d(chartType_)) {
        view_->render(&painter, page);
        return;
    }
    QRect target(QPoint(), image.size().scaled(page.size(), Qt::KeepAspectRatio));
    target.moveCenter(page.center());
    painter.drawImage(target, image);
}

void ChartControl::editCopy()
{
    // A 3D graph is rendered once, for both formats.
    const QImage image = picture();
    QByteArray svg;
    {
        QBuffer buffer(&svg);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size());
        generator.setViewBox(rect());
        generator.setTitle(title_);
        QPainter painter(&generator);
        paintPicture(painter, rect(), image);
    }
    QByteArray png;
    {
        QBuffer buffer(&png);
        image.save(&buffer, "PNG");
    }
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), svg);
    mime->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(mime);
}

}  // namespace kz::widgets
