#include "platform/canvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <cmath>
#include <cstdlib>

namespace platform {

int Font::size() const
{
    // -MulDiv(height, 72, ppi): rounds halves away from zero.
    const long long num = static_cast<long long>(height) * 72;
    const long long q = (std::llabs(num) * 2 + pixelsPerInch) / (2LL * pixelsPerInch);
    return static_cast<int>(num < 0 ? q : -q);
}

void Font::setSize(int points)
{
    const long long num = static_cast<long long>(points) * pixelsPerInch;
    const long long q = (std::llabs(num) * 2 + 72) / 144;
    height = static_cast<int>(num < 0 ? q : -q);
}

static QString familyFor(const QString& name)
{
    const QString n = name.toLower();
    if (n.contains(QLatin1String("courier")) || n.contains(QLatin1String("mono")))
        return QStringLiteral("Liberation Mono");
    return QStringLiteral("Liberation Sans");
}

QFont qtFont(const Font& font)
{
    // Cached: pages switch fonts often and the metrics lookup is not free.
    static QHash<QString, QFont> cache;
    const QString key = font.name + QLatin1Char('|') + QString::number(font.height);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;

    QFont f(familyFor(font.name));
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    int pixels = 1;
    if (font.height < 0) {
        pixels = -font.height;
    } else if (font.height > 0) {
        int cell = font.height;
        // "MS Sans Serif" is a raster font; its smallest size has a
        // 13-pixel cell and smaller requests get that size.
        if (font.name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
            cell = std::max(cell, 13);
        // The largest em size whose rounded ascent plus rounded descent
        // still fits the cell, as the classic font mapper chooses it.
        // One probe per family: loading a font engine is the costly part.
        static QHash<QString, QPair<double, double>> ratios;
        if (!ratios.contains(f.family())) {
            QFont probe = f;
            probe.setPixelSize(1000);
            const QFontMetricsF m(probe);
            ratios.insert(f.family(), {m.ascent() / 1000.0, m.descent() / 1000.0});
        }
        const double asc = ratios.value(f.family()).first, desc = ratios.value(f.family()).second;
        pixels = cell;
        while (pixels > 1 && std::lround(pixels * asc) + std::lround(pixels * desc) > cell)
            --pixels;
    }
    f.setPixelSize(std::max(1, pixels));
    cache.insert(key, f);
    return f;
}

Canvas::Canvas() = default;
Canvas::Canvas(QImage* image) : image_(image) {}
Canvas::Canvas(QPainter* painter) : painter_(painter) {}

void Canvas::record(CanvasOp::Kind kind, int x1, int y1, int x2, int y2, const QString& text,
                    int x3, int y3, int x4, int y4)
{
    if (!recording)
        return;
    CanvasOp op;
    op.kind = kind;
    op.x1 = x1; op.y1 = y1; op.x2 = x2; op.y2 = y2;
    op.x3 = x3; op.y3 = y3; op.x4 = x4; op.y4 = y4;
    op.pen = pen;
    op.brush = brush;
    op.font = font;
    op.text = text;
    ops.push_back(std::move(op));
}

void Canvas::notify()
{
    if (image_ && changed)
        changed();
}

static Qt::PenStyle qtStyle(PenStyle s)
{
    switch (s) {
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::Solid: break;
    }
    return Qt::SolidLine;
}

static QPen qtPen(const Pen& p)
{
    QPen q(p.color, std::max(1, p.width), qtStyle(p.style), Qt::RoundCap, Qt::RoundJoin);
    return q;
}

void Canvas::moveTo(int x, int y)
{
    record(CanvasOp::MoveTo, x, y);
    pos_ = QPoint(x, y);
}

// One-pixel lines as the classic raster rule draws them: from the start
// pixel up to, but not including, the end pixel; dots and dashes follow a
// fixed on/off pattern along the line.
void Canvas::rasterLine(int x0, int y0, int x1, int y1)
{
    static const int dashPattern[] = {18, 6};
    static const int dotPattern[] = {3, 3};
    const int* pattern = nullptr;
    if (pen.style == PenStyle::Dash)
        pattern = dashPattern;
    else if (pen.style == PenStyle::Dot)
        pattern = dotPattern;

    const QRgb rgb = pen.color.rgb();
    const int w = image_->width(), h = image_->height();
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    int step = 0;
    while (!(x == x1 && y == y1)) {
        bool on = true;
        if (pattern)
            on = (step % (pattern[0] + pattern[1])) < pattern[0];
        if (on && x >= 0 && y >= 0 && x < w && y < h)
            reinterpret_cast<QRgb*>(image_->scanLine(y))[x] = rgb;
        ++step;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

void Canvas::lineTo(int x, int y)
{
    record(CanvasOp::LineTo, pos_.x(), pos_.y(), x, y);
    if (image_ && pen.width <= 1) {
        rasterLine(pos_.x(), pos_.y(), x, y);
        notify();
    } else {
        const QPoint from = pos_;
        paint([&](QPainter& p) {
            p.setPen(qtPen(pen));
            p.drawLine(from, QPoint(x, y));
        });
    }
    pos_ = QPoint(x, y);
}

// Runs a drawing on the target's painter: the printer's active one, or a
// short-lived one on the raster image. A recording canvas draws nothing.
template <typename Draw>
void Canvas::paint(Draw draw)
{
    if (painter_) {
        draw(*painter_);
    } else if (image_) {
        QPainter p(image_);
        draw(p);
        notify();
    }
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    record(CanvasOp::Rectangle, left, top, right, bottom);
    paint([&](QPainter& p) {
        if (brush.style == BrushStyle::Solid)
            p.fillRect(QRect(left, top, right - left, bottom - top), brush.color);
        p.setPen(qtPen(pen));
        p.setBrush(Qt::NoBrush);
        if (right - left >= 1 && bottom - top >= 1)
            p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    });
}

void Canvas::ellipse(int left, int top, int right, int bottom)
{
    record(CanvasOp::Ellipse, left, top, right, bottom);
    paint([&](QPainter& p) {
        p.setPen(qtPen(pen));
        if (brush.style == BrushStyle::Solid)
            p.setBrush(brush.color);
        else
            p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    });
}

void Canvas::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    record(CanvasOp::Arc, x1, y1, x2, y2, QString(), x3, y3, x4, y4);
    paint([&](QPainter& p) {
        // Counter-clockwise from the radial through (x3, y3) to the one through (x4, y4).
        const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
        const double a0 = std::atan2(cy - y3, x3 - cx) * 180.0 / M_PI;
        const double a1 = std::atan2(cy - y4, x4 - cx) * 180.0 / M_PI;
        double span = a1 - a0;
        while (span <= 0)
            span += 360.0;
        p.setPen(qtPen(pen));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), static_cast<int>(std::lround(a0 * 16)),
                  static_cast<int>(std::lround(span * 16)));
    });
}

void Canvas::textOut(int x, int y, const QString& text)
{
    record(CanvasOp::TextOut, x, y, 0, 0, text);
    paint([&](QPainter& p) {
        const QFont f = qtFont(font);
        p.setFont(f);
        const QFontMetrics m(f, p.device());
        if (brush.style == BrushStyle::Solid)
            p.fillRect(QRect(x, y, m.horizontalAdvance(text), m.height()), brush.color);
        p.setPen(font.color);
        p.drawText(QPoint(x, y + m.ascent()), text);
    });
}

void Canvas::textOutFit(int x, int y, const QString& text, int right, int bottom)
{
    QString shown = text;
    while (!shown.isEmpty() && shown.back().isSpace())
        shown.chop(1);
    const Font wanted = font;
    auto fits = [&] {
        const QFontMetrics m(qtFont(font));
        return x + m.horizontalAdvance(shown) <= right && y + m.height() <= bottom;
    };
    // Heights move towards zero: a negative one is the character height, a
    // positive one the cell height.
    while (!fits() && std::abs(font.height) > 1)
        font.height += font.height > 0 ? -1 : 1;
    textOut(x, y, text);
    font = wanted;
}

void Canvas::draw(int x, int y, const QImage& image)
{
    record(CanvasOp::Image, x, y, x + image.width(), y + image.height());
    paint([&](QPainter& p) { p.drawImage(QPoint(x, y), image); });
}

int Canvas::textWidth(const QString& text) const
{
    return QFontMetrics(qtFont(font)).horizontalAdvance(text);
}

} // namespace platform
