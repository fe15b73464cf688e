#include "platform/scale_host.h"

#include "platform/system.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace platform {

double nextZoom(double scale, int direction)
{
    constexpr double eps = 1e-6;
    if (direction > 0) {
        for (double s : zoomSteps)
            if (s > scale + eps)
                return s;
        return std::max(scale, zoomSteps.back());
    }
    for (auto it = zoomSteps.rbegin(); it != zoomSteps.rend(); ++it)
        if (*it < scale - eps)
            return *it;
    return std::min(scale, zoomSteps.front());
}

double fitScale(QSize screen, QRect available, QSize layout)
{
    if (screen.width() >= layout.width() && screen.height() >= layout.height())
        return 1.0;
    const double s = std::min(double(available.width()) / layout.width(),
                              double(available.height() - captionHeight) / layout.height());
    return std::clamp(s, 0.5, 1.0);
}

QPoint layoutPixel(QPointF point, double scale)
{
    return QPoint(static_cast<int>(std::floor((point.x() + 0.5) / scale)),
                  static_cast<int>(std::floor((point.y() + 0.5) / scale)));
}

// Whole device pixels a length takes at a scale; a hair of rounding noise
// does not add a pixel.
static int scaled(int length, double scale)
{
    return static_cast<int>(std::ceil(length * scale - 1e-6));
}

ScaleHost::ScaleHost(QWidget* content)
    : content_(content), scene_(std::make_unique<QGraphicsScene>()), view_(std::make_unique<QGraphicsView>())
{
    const bool shown = content->isVisible();
    contentPos_ = content->pos();
    scene_->setSceneRect(QRectF(QPointF(0, 0), QSizeF(content->size())));
    proxy_ = scene_->addWidget(content);
    proxy_->setPos(0, 0);
    if (shown)
        content->show();

    view_->setScene(scene_.get());
    view_->setFrameShape(QFrame::NoFrame);
    view_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view_->setBackgroundBrush(Qt::white);
    // Controls drawn at a fraction of their size stay legible only smoothed.
    view_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    // Message boxes opened over the view take its font, as over the content.
    view_->setFont(content->font());
    view_->setWindowTitle(content->windowTitle());
    view_->setWindowIcon(content->windowIcon());
    if (shown) {
        placed_ = true;
        view_->move(contentPos_);
    }
}

ScaleHost::~ScaleHost()
{
    // The content belongs to its owner, not to the scene.
    proxy_->setWidget(nullptr);
}

QWidget* ScaleHost::window() const
{
    return view_.get();
}

void ScaleHost::setScale(double scale)
{
    // The layout point at the view's top-left corner stays there.
    const QPointF corner = view_->isVisible() ? view_->mapToScene(0, 0) : QPointF(0, 0);
    scale_ = scale;

    const QRect area = availableArea();
    const QSize room(area.width(), area.height() - captionHeight);
    const QSize full(scaled(content_->width(), scale), scaled(content_->height(), scale));
    QSize size = full.boundedTo(room);
    // A cut view needs room for the scroll bar across the other direction.
    const int bar = view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (size.height() < full.height())
        size.setWidth(std::min(room.width(), full.width() + bar));
    if (size.width() < full.width())
        size.setHeight(std::min(room.height(), full.height() + bar));
    // Sized before it is scaled: the scroll bars are judged at the final size.
    view_->resize(size);
    view_->setTransform(QTransform::fromScale(scale, scale));
    view_->horizontalScrollBar()->setValue(static_cast<int>(std::lround(corner.x() * scale)));
    view_->verticalScrollBar()->setValue(static_cast<int>(std::lround(corner.y() * scale)));

    QPoint at = view_->pos();
    if (!placed_) {
        at = QPoint(area.x() + (area.width() - size.width()) / 2,
                    area.y() + (area.height() - captionHeight - size.height()) / 2);
        placed_ = true;
    }
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.left() + room.width() - size.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.top() + room.height() - size.height())));
    view_->move(at);
    if (!view_->isVisible()) {
        content_->show();
        view_->show();
        // The view takes the keyboard in the content's place.
        view_->activateWindow();
    }
}

} // namespace platform
