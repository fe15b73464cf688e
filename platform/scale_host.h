#pragma once
// A window laid out for a fixed pixel size, shown at any scale in a window
// the student may resize: the layout is fitted to the free screen area at
// start, scales uniformly with the window (centred where the aspect leaves
// room) and is zoomed by the keys. At exactly 1:1 the layout sits in the
// window as it is; at any other scale it is carried by a scaled view, where
// every control keeps working.
#include <QMargins>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <array>
#include <functional>
#include <memory>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QMouseEvent;
class QWidget;

namespace platform {

// Room the window system takes around a window's client area for its
// caption and frame, until the shown window tells its own.
constexpr int captionHeight = 28;
inline QMargins defaultFrame()
{
    return QMargins(0, captionHeight, 0, 0);
}

// The scales Ctrl+Plus and Ctrl+Minus step through.
constexpr std::array<double, 11> zoomSteps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0};
// The next step above (direction > 0) or below (direction < 0) a scale;
// beyond the last step the scale stays.
double nextZoom(double scale, int direction);

// The largest scale at which the layout fits the room whole.
double fitScale(QSize room, QSize layout);
// The scale a layout starts at: fitted to the available area less the
// window's frame and caption, never above 1 and never below one half.
double startScale(QRect available, QMargins frame, QSize layout);

// The layout pixel under the centre of the screen pixel at `point`, with the
// layout shown at `scale` screen pixels per layout pixel from point (0, 0).
QPoint layoutPixel(QPointF point, double scale);
// The layout pixel under a mouse position given in a widget's logical
// pixels (with the fraction the device pixel ratio leaves), where the
// layout's corner lies at `origin` and a layout pixel is `zoom` logical
// pixels wide.
QPoint layoutPixel(QPointF position, double devicePixelRatio, QPointF origin, double zoom);

// What is kept of the window from one run to the next.
struct WindowSettings {
    QSize size;      // the client area; empty when nothing was kept
    double zoom = 0; // layout scale
    bool maximized = false;
};

class ScaleHost {
public:
    // Takes `content`, a top-level widget of the layout's size not yet shown,
    // into a window of its own.
    explicit ScaleHost(QWidget* content);
    ~ScaleHost();
    ScaleHost(const ScaleHost&) = delete;
    ScaleHost& operator=(const ScaleHost&) = delete;

    // Shows the window centred in the available area: at the kept size and
    // zoom where the layout fits the screen at that zoom, otherwise at the
    // start scale.
    void start(const WindowSettings& kept);

    // Runs `action` once the start size stands: at once where the platform
    // draws no frames, else when the window system has framed the window
    // (or has shown that it will not).
    void whenSettled(std::function<void()> action);

    double scale() const { return scale_; }
    // Whether the window started at the size and zoom kept from the last run.
    bool keptStart() const { return keptStart_; }
    // The start scale for the screen as it is now (Ctrl+0).
    double fittedScale() const;
    // Zooms the layout: the window follows as far as the available area
    // allows, where the layout scrolls; a maximized window keeps its size.
    void setScale(double scale);
    // Back to the fitted size: the whole window on the screen, no scroll bars.
    void resetScale();

    // The top-level window that shows the content.
    QWidget* window() const;
    // The scaled view while the content is in it, else nullptr.
    QGraphicsView* view() const;
    // The layout pixel under the mouse event `e` delivered to the content.
    QPoint layoutPixel(const QMouseEvent* e) const;

    WindowSettings settings() const;
    // Runs when the window is closed (not when it is merely destroyed).
    std::function<void()> onClose;

    // For the window: its size changed, by the program or the student.
    void windowResized();
    // For the window: the window system has put its frame around it.
    void frameKnown();
    // For the window: maximized, restored, ...
    void stateChanged();

private:
    class Shell;
    class View;
    QMargins frame() const;
    QSize room() const;
    void resizeWindow(QSize size);
    // Puts a window of this client size in the middle of the free area.
    void centre(QSize size);
    // The start without kept settings: fitted and centred.
    void placeFitted();
    void settle();
    void arrange();
    void embed(bool scaled);

    QWidget* content_;
    QSize layout_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<QGraphicsScene> scene_;
    View* view_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
    double scale_ = 1;
    QSize requested_;
    bool keptStart_ = false;
    bool changed_ = false; // zoomed or resized since the start
    bool frameless_ = false; // no window manager puts a frame around it
    bool settled_ = false;
    bool fitWhenNormal_ = false;
    mutable QMargins normalFrame_;
    std::function<void()> settled_action_;
};

} // namespace platform
