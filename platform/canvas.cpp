#include "platform/canvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

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
Canvas::Canvas(QImage* image) : image_(image)
{
    // Until the first fill nothing is known about the pixels.
    resetTiles(true);
}

void Canvas::resetTiles(bool drawn)
{
    tilesX_ = (image_->width() + tileSize - 1) / tileSize;
    tilesY_ = (image_->height() + tileSize - 1) / tileSize;
    drawn_.assign(static_cast<size_t>(tilesX_) * static_cast<size_t>(tilesY_), drawn ? 1 : 0);
    changes_.assign(drawn_.size(), 0);
}

void Canvas::markTiles(std::vector<unsigned char>& tiles, QRect area) const
{
    area &= QRect(0, 0, tilesX_ * tileSize, tilesY_ * tileSize);
    if (area.isEmpty())
        return;
    for (int ty = area.top() / tileSize; ty <= area.bottom() / tileSize; ++ty)
        std::fill(tiles.begin() + ty * tilesX_ + area.left() / tileSize,
                  tiles.begin() + ty * tilesX_ + area.right() / tileSize + 1, 1);
}

std::vector<QRect> Canvas::takeChanges()
{
    std::vector<QRect> rows;
    if (!image_)
        return rows;
    for (int ty = 0; ty < tilesY_; ++ty)
        for (int tx = 0; tx < tilesX_; ++tx) {
            if (!changes_[static_cast<size_t>(ty * tilesX_ + tx)])
                continue;
            const int from = tx;
            while (tx + 1 < tilesX_ && changes_[static_cast<size_t>(ty * tilesX_ + tx + 1)])
                ++tx;
            const QRect row(from * tileSize, ty * tileSize, (tx - from + 1) * tileSize, tileSize);
            // A row of the same extent as the one above continues it.
            if (!rows.empty() && rows.back().left() == row.left() && rows.back().right() == row.right() &&
                rows.back().bottom() + 1 == row.top())
                rows.back().setBottom(row.bottom());
            else
                rows.push_back(row);
        }
    std::fill(changes_.begin(), changes_.end(), 0);
    for (QRect& r : rows)
        r &= image_->rect();
    return rows;
}

void Canvas::unmarkDrawn(QRect area)
{
    const QRect a = area & image_->rect();
    if (a.isEmpty())
        return;
    // The tiles whose pixels all lie in the area; a tile at the image's
    // right or bottom edge has fewer pixels than others.
    const auto first = [](int from) { return (from + tileSize - 1) / tileSize; };
    const auto last = [](int to, int size) { return to + 1 == size ? (to / tileSize) : (to + 1) / tileSize - 1; };
    const int x0 = first(a.left()), x1 = last(a.right(), image_->width());
    const int y0 = first(a.top()), y1 = last(a.bottom(), image_->height());
    for (int ty = y0; ty <= y1 && x0 <= x1; ++ty)
        std::fill(drawn_.begin() + ty * tilesX_ + x0, drawn_.begin() + ty * tilesX_ + x1 + 1, 0);
}

QRegion Canvas::drawnAround(QRect area) const
{
    // A margin for the rounding of edges at a finer scale.
    const QRect a = area.adjusted(-2, -2, 2, 2) & QRect(0, 0, tilesX_ * tileSize, tilesY_ * tileSize);
    QRegion region;
    if (a.isEmpty())
        return region;
    const int last = a.right() / tileSize;
    for (int ty = a.top() / tileSize; ty <= a.bottom() / tileSize; ++ty)
        for (int tx = a.left() / tileSize; tx <= last; ++tx) {
            if (!drawn_[static_cast<size_t>(ty * tilesX_ + tx)])
                continue;
            const int from = tx;
            while (tx < last && drawn_[static_cast<size_t>(ty * tilesX_ + tx + 1)])
                ++tx;
            region += QRect(from * tileSize, ty * tileSize, (tx - from + 1) * tileSize, tileSize);
        }
    return region;
}

Canvas::Canvas(QPainter* painter) : painter_(painter) {}

void Canvas::record(CanvasOp::Kind kind, int x1, int y1, int x2, int y2, const QString& text,
                    int x3, int y3, int x4, int y4, QRect bounds, const QImage& image, const QRegion* clears)
{
    const bool keepIt = image_ && kind != CanvasOp::MoveTo;
    if (keepIt) {
        changedArea_ = bounds;
        changedRegion_ = bounds;
    }
    if (!recording && !keepIt)
        return;
    CanvasOp op;
    op.kind = kind;
    op.x1 = x1; op.y1 = y1; op.x2 = x2; op.y2 = y2;
    op.x3 = x3; op.y3 = y3; op.x4 = x4; op.y4 = y4;
    op.pen = pen;
    op.brush = brush;
    op.font = font;
    op.text = text;
    if (recording)
        ops.push_back(op);
    if (keepIt)
        keep(std::move(op), bounds, image, clears);
}

void Canvas::keep(CanvasOp&& op, QRect bounds, const QImage& image, const QRegion* clears)
{
    // An opaque fill hides whatever lies entirely inside it: dropping that
    // keeps the list as short as the drawing of one page.
    // A clearing that drops an earlier one fills what that one filled as
    // well: a drawing only partly cleared then is rendered again before it.
    QRegion only = clears ? *clears : QRegion();
    if (op.kind == CanvasOp::Rectangle && op.brush.style == BrushStyle::Solid) {
        const QRect area(QPoint(op.x1, op.y1), QPoint(op.x2 - 1, op.y2 - 1));
        size_t index = 0, droppedDone = 0;
        auto out = kept_.begin();
        for (auto it = kept_.begin(); it != kept_.end(); ++it, ++index) {
            if (area.contains(it->bounds)) {
                droppedDone += index < sharpDone_;
                if (clears && it->clears)
                    only += it->only;
                continue;
            }
            if (out != it)
                *out = std::move(*it);
            ++out;
        }
        kept_.erase(out, kept_.end());
        sharpDone_ -= droppedDone;
    }
    // Where the operation may have set pixels, also at a finer scale:
    // smoothed edges reach beyond a line, glyphs beyond their cell, and a
    // text drawn without hinting runs longer or shorter than at 1x.
    if (!clears) {
        const bool text = op.kind == CanvasOp::TextOut;
        const int margin = text ? 3 + bounds.height() / 2 : 3 + std::max(1, op.pen.width);
        const int run = text ? bounds.width() / 4 : 0;
        markDrawn(bounds.adjusted(-margin - run, -margin, margin + run, margin));
    }
    // What lies off the image is nowhere to be seen.
    bounds &= image_->rect();
    if (!bounds.isEmpty()) {
        kept_.push_back({std::move(op), bounds, image, false, QRegion()});
        if (clears) {
            kept_.back().clears = true;
            kept_.back().only = std::move(only);
        }
    }
}

void Canvas::notify()
{
    if (!image_)
        return;
    for (const QRect& r : changedRegion_)
        markTiles(changes_, r);
    if (changed)
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
// fixed on/off pattern along the line. Calls plot(x, y) for each pixel set.
template <typename Plot>
static void linePixels(int x0, int y0, int x1, int y1, PenStyle style, Plot plot)
{
    static const int dashPattern[] = {18, 6};
    static const int dotPattern[] = {3, 3};
    const int* pattern = nullptr;
    if (style == PenStyle::Dash)
        pattern = dashPattern;
    else if (style == PenStyle::Dot)
        pattern = dotPattern;

    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    int step = 0;
    while (!(x == x1 && y == y1)) {
        if (!pattern || (step % (pattern[0] + pattern[1])) < pattern[0])
            plot(x, y);
        ++step;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

void Canvas::rasterLine(int x0, int y0, int x1, int y1)
{
    const QRgb rgb = pen.color.rgb();
    const int w = image_->width(), h = image_->height();
    // One detach for the whole line: scanLine() checks for sharing each time.
    uchar* const bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    // Grid and frame lines: a solid line along a row or a column is a run
    // of pixels from the start up to, not including, the end.
    if (pen.style == PenStyle::Solid && (x0 == x1 || y0 == y1)) {
        if (x0 == x1 && y0 == y1)
            return;
        if (y0 == y1) {
            if (y0 < 0 || y0 >= h)
                return;
            const int from = std::max(0, x0 < x1 ? x0 : x1 + 1), to = std::min(w - 1, x0 < x1 ? x1 - 1 : x0);
            QRgb* const row = reinterpret_cast<QRgb*>(bits + y0 * stride);
            for (int x = from; x <= to; ++x)
                row[x] = rgb;
        } else {
            if (x0 < 0 || x0 >= w)
                return;
            const int from = std::max(0, y0 < y1 ? y0 : y1 + 1), to = std::min(h - 1, y0 < y1 ? y1 - 1 : y0);
            for (int y = from; y <= to; ++y)
                reinterpret_cast<QRgb*>(bits + y * stride)[x0] = rgb;
        }
        return;
    }
    linePixels(x0, y0, x1, y1, pen.style, [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h)
            reinterpret_cast<QRgb*>(bits + y * stride)[x] = rgb;
    });
}

// The pixels a stroke through these corners may set: a wide pen reaches
// half its width beyond the line.
static QRect strokeBounds(int x1, int y1, int x2, int y2, const Pen& pen)
{
    const int m = std::max(1, pen.width) / 2;
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
        .adjusted(-m, -m, m, m);
}

void Canvas::lineTo(int x, int y)
{
    record(CanvasOp::LineTo, pos_.x(), pos_.y(), x, y, QString(), 0, 0, 0, 0,
           strokeBounds(pos_.x(), pos_.y(), x, y, pen));
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

// Sets the pixels of an area of a 32-bit image that lie on it.
static void fillPixels(QImage& image, QRect area, QRgb rgb)
{
    area &= image.rect();
    if (area.isEmpty())
        return;
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    // The first row by doubling what is already set, every further row as a
    // copy of it: the library's block copy instead of a store per pixel
    // (page backgrounds are a good part of the window).
    QRgb* const first = reinterpret_cast<QRgb*>(bits + area.top() * stride) + area.left();
    const size_t width = static_cast<size_t>(area.width());
    first[0] = rgb;
    for (size_t done = 1; done < width; done *= 2)
        std::memcpy(first + done, first, std::min(done, width - done) * sizeof(QRgb));
    for (int y = area.top() + 1; y <= area.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(bits + y * stride) + area.left(), first, width * sizeof(QRgb));
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    const bool direct = image_ && image_->format() == QImage::Format_RGB32 && pen.width <= 1 &&
                        pen.style == PenStyle::Solid && pen.color.alpha() == 255 &&
                        (brush.style == BrushStyle::Clear || brush.color.alpha() == 255) && right - left >= 2 &&
                        bottom - top >= 2;
    // A page cleared in the background colour, frame and all: only what was
    // drawn on is filled again.
    const QRect area(left, top, right - left, bottom - top);
    const bool clears = direct && brush.style == BrushStyle::Solid && brush.color.rgb() == background_.rgb() &&
                        pen.color.rgb() == background_.rgb();
    const QRegion drawn = clears ? drawnAround(area) : QRegion();
    record(CanvasOp::Rectangle, left, top, right, bottom, QString(), 0, 0, 0, 0,
           strokeBounds(left, top, right - 1, bottom - 1, pen), QImage(), clears ? &drawn : nullptr);
    if (clears) {
        for (const QRect& r : drawn)
            fillPixels(*image_, r & area, brush.color.rgb());
        changedRegion_ = drawn & area;
        unmarkDrawn(area);
        notify();
        return;
    }
    // Fills and frames of one opaque pixel: the pixels set directly, as a
    // painter would set them, without setting one up.
    if (direct) {
        if (brush.style == BrushStyle::Solid)
            fillPixels(*image_, QRect(left, top, right - left, bottom - top), brush.color.rgb());
        const QRgb rgb = pen.color.rgb();
        fillPixels(*image_, QRect(left, top, right - left, 1), rgb);
        fillPixels(*image_, QRect(left, bottom - 1, right - left, 1), rgb);
        fillPixels(*image_, QRect(left, top, 1, bottom - top), rgb);
        fillPixels(*image_, QRect(right - 1, top, 1, bottom - top), rgb);
        notify();
        return;
    }
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
    record(CanvasOp::Ellipse, left, top, right, bottom, QString(), 0, 0, 0, 0,
           strokeBounds(left, top, right - 1, bottom - 1, pen));
    paint([&](QPainter& p) {
        p.setPen(qtPen(pen));
        if (brush.style == BrushStyle::Solid)
            p.setBrush(brush.color);
        else
            p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    });
}

// Start and span, in 1/16 degree, of an arc counter-clockwise from the
// radial through (x3, y3) to the one through (x4, y4).
static std::pair<int, int> arcAngles(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double a0 = std::atan2(cy - y3, x3 - cx) * 180.0 / M_PI;
    const double a1 = std::atan2(cy - y4, x4 - cx) * 180.0 / M_PI;
    double span = a1 - a0;
    while (span <= 0)
        span += 360.0;
    return {static_cast<int>(std::lround(a0 * 16)), static_cast<int>(std::lround(span * 16))};
}

void Canvas::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    record(CanvasOp::Arc, x1, y1, x2, y2, QString(), x3, y3, x4, y4, strokeBounds(x1, y1, x2 - 1, y2 - 1, pen));
    paint([&](QPainter& p) {
        const auto [start, span] = arcAngles(x1, y1, x2, y2, x3, y3, x4, y4);
        p.setPen(qtPen(pen));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), start, span);
    });
}

// The cell of a text in a canvas font on a device (none: the screen).
// Pages draw the same labels again and again; measuring a text costs more
// than the rest of drawing it, so the sizes are remembered.
static QSize textCell(const Font& font, const QString& text, const QPaintDevice* device)
{
    static QHash<QString, QSize> sizes[2];
    QHash<QString, QSize>& cache = sizes[device ? 1 : 0];
    const QString key = font.name + QLatin1Char('|') + QString::number(font.height) + QLatin1Char('|') + text;
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        if (cache.size() > 4096)
            cache.clear();
        const QFont f = qtFont(font);
        const QFontMetrics m = device ? QFontMetrics(f, device) : QFontMetrics(f);
        it = cache.insert(key, QSize(m.horizontalAdvance(text), m.height()));
    }
    return *it;
}

void Canvas::textOut(int x, int y, const QString& text)
{
    const QFont f = qtFont(font);
    QRect cell;
    if (image_)
        cell = QRect(QPoint(x, y), textCell(font, text, image_));
    record(CanvasOp::TextOut, x, y, 0, 0, text, 0, 0, 0, 0, cell);
    paint([&](QPainter& p) {
        p.setFont(f);
        const QFontMetrics m(f, p.device());
        if (brush.style == BrushStyle::Solid)
            p.fillRect(image_ ? cell : QRect(x, y, m.horizontalAdvance(text), m.height()), brush.color);
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
        const QSize size = textCell(font, shown, nullptr);
        return x + size.width() <= right && y + size.height() <= bottom;
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
    const QRect area(x, y, image.width(), image.height());
    record(CanvasOp::Image, x, y, x + image.width(), y + image.height(), QString(), 0, 0, 0, 0, area, image);
    paint([&](QPainter& p) { p.drawImage(QPoint(x, y), image); });
}

void Canvas::fill(const QColor& color)
{
    if (!image_)
        return;
    image_->fill(color);
    changedArea_ = image_->rect();
    changedRegion_ = image_->rect();
    resetTiles(false);
    background_ = color;
    kept_.clear();
    sharp_ = QImage();
    sharpScale_ = 0;
    sharpDone_ = 0;
    notify();
}

Canvas::Snapshot Canvas::snapshot() const
{
    Snapshot s;
    if (!image_)
        return s;
    s.image_ = *image_;
    s.kept_ = kept_;
    s.sharp_ = sharp_;
    s.sharpScale_ = sharpScale_;
    s.sharpDone_ = sharpDone_;
    s.drawn_ = drawn_;
    return s;
}

void Canvas::restore(const Snapshot& s)
{
    if (!image_ || s.image_.size() != image_->size())
        return;
    *image_ = s.image_;
    kept_ = s.kept_;
    sharp_ = s.sharp_;
    sharpScale_ = s.sharpScale_;
    sharpDone_ = s.sharpDone_;
    drawn_ = s.drawn_;
    changedRegion_ = changedArea_;
    notify();
}

namespace {

// A pixel area (right and bottom exclusive) on a target at `scale`: edges
// round to the nearest device pixel, and nothing shrinks below one.
QRect deviceRect(int left, int top, int right, int bottom, double scale)
{
    const int l = static_cast<int>(std::lround(left * scale));
    const int t = static_cast<int>(std::lround(top * scale));
    const int r = std::max(l + 1, static_cast<int>(std::lround(right * scale)));
    const int b = std::max(t + 1, static_cast<int>(std::lround(bottom * scale)));
    return QRect(l, t, r - l, b - t);
}

bool integral(double scale)
{
    return std::abs(scale - std::round(scale)) < 1e-9;
}

// Runs a drawing in layout units on a target at `scale`, smoothed. An odd
// pen width is centred on the pixel centres, an even one on pixel edges,
// as the 1x raster rule places them; no line gets thinner than one device
// pixel. rasterDashes: the dashes of a one-pixel line, which the 1x image
// draws by its own on/off steps.
template <typename Draw>
void stroke(QPainter& p, double scale, const Pen& pen, const Brush* fill, bool rasterDashes, Draw draw)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int width = std::max(1, pen.width);
    const double offset = width % 2 ? 0.5 : 0.0;
    p.setTransform(QTransform::fromScale(scale, scale).translate(offset, offset));
    QPen q = qtPen(pen);
    q.setWidthF(std::max(double(width), 1.0 / scale));
    if (rasterDashes && pen.width <= 1 && pen.style != PenStyle::Solid) {
        // The on/off steps of the one-pixel raster rule, in pen widths.
        const double on = pen.style == PenStyle::Dash ? 18 : 3, off = pen.style == PenStyle::Dash ? 6 : 3;
        q.setDashPattern({on / q.widthF(), off / q.widthF()});
        q.setCapStyle(Qt::FlatCap);
    }
    p.setPen(q);
    p.setBrush(fill && fill->style == BrushStyle::Solid ? QBrush(fill->color) : QBrush());
    draw(p);
    p.restore();
}

} // namespace

// An area of the sharp image in one colour. A small opaque one sets the
// pixels directly, as the painter would set them: the runs of grid lines
// and dashes are many small areas, each costing more to set up than to
// fill. Large areas are the painter's, which fills them faster.
void Canvas::fillSharp(QPainter& p, const QRect& area, const QColor& color)
{
    if (color.alpha() == 255 && sharp_.format() == QImage::Format_RGB32 &&
        qint64(area.width()) * area.height() < 4096)
        fillPixels(sharp_, area, color.rgb());
    else
        p.fillRect(area, color);
}

// One kept operation on the sharp image at `scale`. Axis-parallel one-pixel
// lines and fills cover exactly the device pixels of their 1x pixels, so
// grid lines stay as crisp as the 1x image at any whole scale.
void Canvas::renderKept(QPainter& p, const Kept& k, double scale)
{
    const CanvasOp& op = k.op;
    switch (op.kind) {
    case CanvasOp::MoveTo:
        break;
    case CanvasOp::LineTo:
        if (op.pen.width <= 1 && (op.x1 == op.x2 || op.y1 == op.y2)) {
            // Runs of consecutive set pixels, each filled as one area.
            int left = 0, top = 0, right = -1, bottom = -1; // the run, empty while right < left
            auto flush = [&] {
                if (right >= left)
                    fillSharp(p, deviceRect(left, top, right + 1, bottom + 1, scale), op.pen.color);
                right = left - 1;
            };
            linePixels(op.x1, op.y1, op.x2, op.y2, op.pen.style, [&](int x, int y) {
                if (right >= left && x >= left - 1 && x <= right + 1 && y >= top - 1 && y <= bottom + 1) {
                    left = std::min(left, x); right = std::max(right, x);
                    top = std::min(top, y); bottom = std::max(bottom, y);
                } else {
                    flush();
                    left = right = x;
                    top = bottom = y;
                }
            });
            flush();
        } else {
            stroke(p, scale, op.pen, nullptr, true,
                   [&](QPainter& q) { q.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)); });
        }
        break;
    case CanvasOp::Rectangle:
        if (k.clears) {
            // The fill and the frame as below, both in the background
            // colour, where the 1x drawing had drawn tiles.
            const QRect parts[] = {deviceRect(op.x1, op.y1, op.x2, op.y2, scale),
                                   deviceRect(op.x1, op.y1, op.x2, op.y1 + 1, scale),
                                   deviceRect(op.x1, op.y2 - 1, op.x2, op.y2, scale),
                                   deviceRect(op.x1, op.y1, op.x1 + 1, op.y2, scale),
                                   deviceRect(op.x2 - 1, op.y1, op.x2, op.y2, scale)};
            for (const QRect& r : k.only) {
                const QRect tiles = deviceRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1, scale);
                for (size_t i = 0; i < std::size(parts); ++i) {
                    const QRect part = tiles & parts[i];
                    if (!part.isEmpty())
                        fillSharp(p, part, i == 0 ? op.brush.color : op.pen.color);
                }
            }
            break;
        }
        if (op.brush.style == BrushStyle::Solid)
            fillSharp(p, deviceRect(op.x1, op.y1, op.x2, op.y2, scale), op.brush.color);
        if (op.x2 - op.x1 < 1 || op.y2 - op.y1 < 1)
            break;
        if (op.pen.width <= 1 && op.pen.style == PenStyle::Solid) {
            for (const QRect& side : {QRect(op.x1, op.y1, op.x2 - op.x1, 1), QRect(op.x1, op.y2 - 1, op.x2 - op.x1, 1),
                                      QRect(op.x1, op.y1, 1, op.y2 - op.y1), QRect(op.x2 - 1, op.y1, 1, op.y2 - op.y1)})
                fillSharp(p, deviceRect(side.left(), side.top(), side.right() + 1, side.bottom() + 1, scale),
                           op.pen.color);
        } else {
            stroke(p, scale, op.pen, nullptr, false, [&](QPainter& q) {
                q.drawRect(QRectF(op.x1, op.y1, op.x2 - op.x1 - 1, op.y2 - op.y1 - 1));
            });
        }
        break;
    case CanvasOp::Ellipse:
        stroke(p, scale, op.pen, &op.brush, false, [&](QPainter& q) {
            q.drawEllipse(QRectF(op.x1, op.y1, op.x2 - op.x1 - 1, op.y2 - op.y1 - 1));
        });
        break;
    case CanvasOp::Arc:
        stroke(p, scale, op.pen, nullptr, false, [&](QPainter& q) {
            const auto [start, span] = arcAngles(op.x1, op.y1, op.x2, op.y2, op.x3, op.y3, op.x4, op.y4);
            q.drawArc(QRectF(op.x1, op.y1, op.x2 - op.x1 - 1, op.y2 - op.y1 - 1), start, span);
        });
        break;
    case CanvasOp::TextOut: {
        const QFont f = qtFont(op.font);
        if (op.brush.style == BrushStyle::Solid) // the text cell, as far as it lies on the image
            fillSharp(p, deviceRect(k.bounds.left(), k.bounds.top(), k.bounds.right() + 1, k.bounds.bottom() + 1, scale),
                       op.brush.color);
        // Same cell and baseline as on the 1x image; the glyphs themselves
        // are drawn at the finer size, smoothed.
        QFont fine = f;
        fine.setStyleStrategy(QFont::PreferAntialias);
        fine.setHintingPreference(QFont::PreferNoHinting);
        p.save();
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setTransform(QTransform::fromScale(scale, scale));
        p.setFont(fine);
        p.setPen(op.font.color);
        p.drawText(QPointF(op.x1, op.y1 + QFontMetrics(f, image_).ascent()), op.text);
        p.restore();
        break;
    }
    case CanvasOp::Image:
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, !integral(scale));
        p.drawImage(deviceRect(op.x1, op.y1, op.x2, op.y2, scale), k.image);
        p.restore();
        break;
    }
}

const QImage& Canvas::sharpImage(double scale)
{
    if (!image_)
        return sharp_;
    if (sharp_.isNull() || scale != sharpScale_) {
        sharp_ = QImage(static_cast<int>(std::ceil(image_->width() * scale)),
                        static_cast<int>(std::ceil(image_->height() * scale)), QImage::Format_RGB32);
        sharp_.fill(background_);
        sharpScale_ = scale;
        sharpDone_ = 0;
    }
    if (sharpDone_ < kept_.size()) {
        // Not shared with a snapshot while the painter and direct fills
        // both write into it.
        sharp_.detach();
        QPainter p(&sharp_);
        for (; sharpDone_ < kept_.size(); ++sharpDone_)
            renderKept(p, kept_[sharpDone_], scale);
    }
    return sharp_;
}

int Canvas::textWidth(const QString& text) const
{
    return QFontMetrics(qtFont(font)).horizontalAdvance(text);
}

} // namespace platform
