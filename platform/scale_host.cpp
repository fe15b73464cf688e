#include "platform/scale_host.h"

#include "platform/system.h"

#include <QApplication>
#include <QGuiApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
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

double fitScale(QSize room, QSize layout)
{
    return std::min(double(room.width()) / layout.width(), double(room.height()) / layout.height());
}

double startScale(QRect available, QMargins frame, QSize layout)
{
    return std::clamp(fitScale(available.marginsRemoved(frame).size(), layout), 0.5, 1.0);
}

QPoint layoutPixel(QPointF point, double scale)
{
    return QPoint(static_cast<int>(std::floor((point.x() + 0.5) / scale)),
                  static_cast<int>(std::floor((point.y() + 0.5) / scale)));
}

QPoint layoutPixel(QPointF position, double devicePixelRatio, QPointF origin, double zoom)
{
    // Mouse positions arrive as whole device pixels divided by the ratio; a
    // hair of rounding noise must not fall into the pixel before.
    const auto device = [devicePixelRatio](double logical) { return std::floor(logical * devicePixelRatio + 1e-4); };
    const QPointF pixel(device(position.x()), device(position.y()));
    return layoutPixel(pixel - origin * devicePixelRatio, devicePixelRatio * zoom);
}

// Whole pixels a length takes at a scale; a hair of rounding noise does not
// add a pixel.
static int scaled(int length, double scale)
{
    return static_cast<int>(std::ceil(length * scale - 1e-6));
}

static QSize scaled(QSize size, double scale)
{
    return QSize(scaled(size.width(), scale), scaled(size.height(), scale));
}

class ScaleHost::Shell : public QWidget {
public:
    explicit Shell(ScaleHost* host) : host_(host) {}

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        host_->windowResized();
        noticeFrame();
    }
    void moveEvent(QMoveEvent* e) override
    {
        QWidget::moveEvent(e);
        noticeFrame();
        host_->frame(); // remembered while the window is normal
    }
    void changeEvent(QEvent* e) override
    {
        QWidget::changeEvent(e);
        if (e->type() == QEvent::WindowStateChange)
            host_->stateChanged();
    }
    void closeEvent(QCloseEvent* e) override
    {
        QWidget::closeEvent(e);
        if (host_->onClose)
            host_->onClose();
    }

private:
    // The window system puts its frame around the window some time after
    // it is shown; only then is known how much room the caption takes.
    void noticeFrame()
    {
        if (frameSeen_ || !isVisible() || frameGeometry() == geometry())
            return;
        frameSeen_ = true;
        host_->frameKnown();
    }
    ScaleHost* host_;
    bool frameSeen_ = false;
};

// Remembers where a press arrived, with the fraction of a pixel that the
// scene's own coordinates drop.
class ScaleHost::View : public QGraphicsView {
public:
    using QGraphicsView::QGraphicsView;
    QPointF at;
    bool delivering = false;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        at = e->globalPosition();
        delivering = true;
        QGraphicsView::mousePressEvent(e);
        delivering = false;
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        at = e->globalPosition();
        delivering = true;
        QGraphicsView::mouseMoveEvent(e);
        delivering = false;
    }
};

ScaleHost::ScaleHost(QWidget* content)
    : content_(content), layout_(content->size()), shell_(std::make_unique<Shell>(this)),
      scene_(std::make_unique<QGraphicsScene>())
{
    shell_->setWindowTitle(content->windowTitle());
    shell_->setWindowIcon(content->windowIcon());
    // Message boxes opened over the window take the layout's font.
    shell_->setFont(content->font());
    QPalette white = shell_->palette();
    white.setColor(QPalette::Window, Qt::white);
    shell_->setPalette(white);
    shell_->setAutoFillBackground(true);
    shell_->setMinimumSize(scaled(layout_, 0.25));
    content->setParent(shell_.get());
    // Closing the window ends the program, also while the content is in the
    // scene, where it counts as a window of its own.
    content->setAttribute(Qt::WA_QuitOnClose, false);

    scene_->setSceneRect(QRectF(QPointF(0, 0), QSizeF(layout_)));
    view_ = new View(shell_.get());
    view_->setScene(scene_.get());
    view_->setFrameShape(QFrame::NoFrame);
    view_->setAlignment(Qt::AlignCenter);
    view_->setBackgroundBrush(Qt::white);
    // Controls drawn at a fraction of their size stay legible only smoothed.
    view_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    view_->hide();
}

ScaleHost::~ScaleHost()
{
    // The content belongs to its owner, not to the scene or the window.
    if (proxy_)
        proxy_->setWidget(nullptr);
    content_->setParent(nullptr);
}

QWidget* ScaleHost::window() const
{
    return shell_.get();
}

QGraphicsView* ScaleHost::view() const
{
    return proxy_ && proxy_->widget() == content_ ? view_ : nullptr;
}

QMargins ScaleHost::frame() const
{
    // A maximized window has a narrower frame than the normal one it is
    // fitted for: the first frame seen is kept.
    if (normalFrame_.isNull() && shell_->isVisible() && shell_->frameGeometry() != shell_->geometry() &&
        !(shell_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QRect f = shell_->frameGeometry(), g = shell_->geometry();
        normalFrame_ =
            QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
    }
    if (!normalFrame_.isNull())
        return normalFrame_;
    return frameless_ ? QMargins() : defaultFrame();
}

QSize ScaleHost::room() const
{
    return availableArea().marginsRemoved(frame()).size();
}

double ScaleHost::fittedScale() const
{
    return startScale(availableArea(), frame(), layout_);
}

void ScaleHost::start(const WindowSettings& kept)
{
    scale_ = fittedScale();
    const QSize space = room();
    QSize size = scaled(layout_, scale_).boundedTo(space);
    if (!kept.size.isEmpty() && kept.zoom >= zoomSteps.front() - 1e-6 && kept.zoom <= 4) {
        const QSize atZoom = scaled(layout_, kept.zoom);
        // Kept only where the layout at that zoom fits the screen as it is.
        if (atZoom.width() <= space.width() && atZoom.height() <= space.height()) {
            scale_ = kept.zoom;
            size = kept.size.expandedTo(atZoom).boundedTo(space);
            keptStart_ = true;
        }
    }
    centre(size);
    resizeWindow(size);
    if (kept.maximized && keptStart_)
        shell_->showMaximized();
    else
        shell_->show();
    arrange();
    // The window takes the keyboard.
    shell_->activateWindow();
    // Where the platform draws no frames, the size stands at once.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        settled_ = true;
        return;
    }
    // Without a window manager no frame ever comes: the window then has the
    // caption's room as well.
    QTimer::singleShot(500, shell_.get(), [this] {
        if (shell_->frameGeometry() != shell_->geometry()) {
            frameKnown();
            return;
        }
        if (!keptStart_ && !changed_) {
            frameless_ = true;
            placeFitted();
        }
        settle();
    });
}

void ScaleHost::whenSettled(std::function<void()> action)
{
    if (settled_)
        action();
    else
        settled_action_ = std::move(action);
}

void ScaleHost::settle()
{
    if (settled_)
        return;
    settled_ = true;
    // Not inside the event that told the frame: the action may open a box.
    if (settled_action_)
        QTimer::singleShot(0, shell_.get(), std::move(settled_action_));
}

void ScaleHost::centre(QSize size)
{
    const QRect area = availableArea();
    const QSize outer = size.grownBy(frame());
    shell_->move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                 area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

void ScaleHost::placeFitted()
{
    scale_ = fittedScale();
    const QSize size = scaled(layout_, scale_).boundedTo(room());
    centre(size);
    resizeWindow(size);
    arrange();
}

void ScaleHost::resizeWindow(QSize size)
{
    requested_ = size;
    shell_->resize(size);
}

void ScaleHost::windowResized()
{
    // A size the program did not ask for is the student's (or the window
    // system's): the layout fills it as far as its aspect allows.
    if (shell_->size() != requested_) {
        scale_ = fitScale(shell_->size(), layout_);
        requested_ = shell_->size();
        changed_ = true;
    }
    arrange();
}

void ScaleHost::frameKnown()
{
    frame(); // remembered while the window is normal
    // Only the start is corrected; a size the student chose stays.
    if (!keptStart_ && !changed_ && !availableArea().contains(shell_->frameGeometry()))
        placeFitted();
    settle();
}

void ScaleHost::setScale(double scale)
{
    changed_ = true;
    scale_ = scale;
    if (shell_->isMaximized() || shell_->isFullScreen()) {
        arrange();
        return;
    }
    resizeWindow(scaled(layout_, scale).boundedTo(room()));
    // The window stays where it is as far as the whole of it stays on the screen.
    const QRect area = availableArea();
    const QMargins m = frame();
    const QSize outer = shell_->size().grownBy(m);
    QPoint at = shell_->isVisible() ? shell_->frameGeometry().topLeft() : shell_->pos();
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.left() + area.width() - outer.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.top() + area.height() - outer.height())));
    shell_->move(at);
    arrange();
}

void ScaleHost::resetScale()
{
    if (shell_->isMaximized() || shell_->isFullScreen()) {
        // Fitted once the window system has given the normal window back.
        fitWhenNormal_ = true;
        shell_->showNormal();
        if (shell_->isMaximized() || shell_->isFullScreen())
            return;
        fitWhenNormal_ = false;
    }
    setScale(fittedScale());
}

void ScaleHost::stateChanged()
{
    if (!fitWhenNormal_ || shell_->isMaximized() || shell_->isFullScreen())
        return;
    fitWhenNormal_ = false;
    QTimer::singleShot(0, shell_.get(), [this] { setScale(fittedScale()); });
}

void ScaleHost::embed(bool scaled)
{
    if (scaled == (view() != nullptr))
        return;
    // The control with the keyboard keeps it.
    QPointer<QWidget> focus = QApplication::focusWidget();
    if (focus && !content_->isAncestorOf(focus))
        focus = nullptr;
    if (scaled) {
        content_->setParent(nullptr);
        if (!proxy_)
            proxy_ = scene_->addWidget(content_);
        else
            proxy_->setWidget(content_);
        proxy_->setPos(0, 0);
        content_->show();
        view_->show();
    } else {
        proxy_->setWidget(nullptr);
        content_->setParent(shell_.get());
        content_->show();
        view_->hide();
    }
    if (focus)
        focus->setFocus();
}

void ScaleHost::arrange()
{
    const QSize window = shell_->size();
    const double scale = scale_;
    const QSize full = scaled(layout_, scale);
    const bool fits = full.width() <= window.width() && full.height() <= window.height();
    if (std::abs(scale - 1.0) < 1e-9 && fits) {
        embed(false);
        content_->move((window.width() - layout_.width()) / 2, (window.height() - layout_.height()) / 2);
        return;
    }
    // The layout point at the view's top-left corner stays there.
    const QPointF corner = view() && view_->isVisible() ? view_->mapToScene(0, 0) : QPointF(0, 0);
    embed(true);
    if (fits) {
        // The layout centred on whole pixels, and nothing to scroll.
        view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setGeometry(QRect(QPoint((window.width() - full.width()) / 2, (window.height() - full.height()) / 2),
                                 full));
    } else {
        view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        view_->setGeometry(QRect(QPoint(0, 0), window));
    }
    view_->setTransform(QTransform::fromScale(scale, scale));
    view_->horizontalScrollBar()->setValue(static_cast<int>(std::lround(corner.x() * scale)));
    view_->verticalScrollBar()->setValue(static_cast<int>(std::lround(corner.y() * scale)));
}

QPoint ScaleHost::layoutPixel(const QMouseEvent* e) const
{
    if (QGraphicsView* v = view()) {
        // A press sent to the content itself arrives in layout units.
        if (!view_->delivering)
            return QPoint(static_cast<int>(std::floor(e->position().x())), static_cast<int>(std::floor(e->position().y())));
        const QPointF origin = v->viewport()->mapToGlobal(v->viewportTransform().map(QPointF(0, 0)));
        return platform::layoutPixel(view_->at, v->devicePixelRatioF(), origin, scale_);
    }
    return platform::layoutPixel(e->globalPosition(), content_->devicePixelRatioF(),
                                 content_->mapToGlobal(QPointF(0, 0)), 1.0);
}

WindowSettings ScaleHost::settings() const
{
    WindowSettings s;
    s.maximized = shell_->isMaximized();
    s.size = s.maximized ? shell_->normalGeometry().size() : shell_->size();
    // A maximized window comes back at its normal size, filled.
    s.zoom = s.maximized ? fitScale(s.size, layout_) : scale_;
    return s;
}

} // namespace platform
