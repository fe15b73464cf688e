#pragma once
// A window laid out for a fixed pixel size, shown at another scale: fitted
// to a smaller screen or zoomed by the student. The window is carried by a
// scaled view, where every control keeps working and mouse positions arrive
// in the layout's own coordinates. A window that is never scaled stays its
// own top-level window, exactly as laid out.
#include <QPointF>
#include <QRect>
#include <QSize>
#include <array>
#include <memory>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QWidget;

namespace platform {

// Room the window system takes above a window for its caption.
constexpr int captionHeight = 28;

// The scales Ctrl+Plus and Ctrl+Minus step through.
constexpr std::array<double, 11> zoomSteps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0};
// The next step above (direction > 0) or below (direction < 0) a scale;
// beyond the last step the scale stays.
double nextZoom(double scale, int direction);

// The scale a layout starts at: 1 where the screen is at least as large as
// the layout; otherwise the largest at which the layout and its caption fit
// the available area, but never below one half.
double fitScale(QSize screen, QRect available, QSize layout);

// The layout pixel under the centre of the screen pixel at `point`, with the
// layout shown at `scale` screen pixels per layout pixel.
QPoint layoutPixel(QPointF point, double scale);

class ScaleHost {
public:
    // Takes `content`, a top-level window, into the scaled view; the view
    // takes the content's place on the screen when it was shown.
    explicit ScaleHost(QWidget* content);
    ~ScaleHost();
    ScaleHost(const ScaleHost&) = delete;
    ScaleHost& operator=(const ScaleHost&) = delete;

    double scale() const { return scale_; }
    // Shows the content at `scale`. The first time the view is centred in
    // the available area (or put where the content was); later it keeps
    // its top-left corner as far as the screen allows. A view larger than
    // the available area is cut to it and scrolls.
    void setScale(double scale);
    // The top-level window that shows the content.
    QWidget* window() const;

private:
    QWidget* content_;
    std::unique_ptr<QGraphicsScene> scene_;
    std::unique_ptr<QGraphicsView> view_;
    QGraphicsProxyWidget* proxy_ = nullptr;
    double scale_ = 1;
    bool placed_ = false;
    QPoint contentPos_;
};

} // namespace platform
