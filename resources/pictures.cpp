// The three pictures of the example G(s) = 5 / (1 + s)^3, drawn with the
// window's canvas rules onto images.
#include "resources/pictures.h"

#include "chart/axis.h"
#include "platform/canvas.h"
#include "platform/numfmt.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>

namespace {

using platform::BrushStyle;
using platform::Canvas;

const QColor axis_color(0, 0, 0);
const QColor grid_color(176, 176, 176);
const QColor fine_grid_color(224, 224, 224);
const QColor curve_color(0, 0, 255);

constexpr long double pi = 3.14159265358979323846264338327950288L;
// 20 lg 5: the magnitude of the example at low frequencies.
const long double db_at_zero = 20 * std::log10(5.0L);

std::complex<long double> gain(long double w)
{
    return 5.0L / std::pow(std::complex<long double>(1, w), 3);
}

long double gain_db(long double w)
{
    return db_at_zero - 10 * std::log10(std::pow(1 + w * w, 3.0L));
}

long double gain_deg(long double w)
{
    return -3 * std::atan(w) * 180 / pi;
}

// The curves run over six decades of w, from 1e-3 to 1e3 1/sec.
constexpr int samples = 600;
long double sample_w(int i)
{
    return std::pow(10.0L, -3 + 6.0L * i / samples);
}

int px(long double v)
{
    return static_cast<int>(numfmt::nearest(v));
}

// A value range mapped linearly onto a pixel range.
AxisMap linear(long double v0, long double v1, int p0, int p1)
{
    return AxisMap{v0, v1, p0, p1, false};
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Frames are outlines only: a filled rectangle would wipe out the grid.
void frame(Canvas& c, int left, int top, int right, int bottom)
{
    c.brush.style = BrushStyle::Clear;
    c.rectangle(left, top, right + 1, bottom + 1);
}

void use_font(Canvas& c, int height)
{
    c.font.name = QStringLiteral("Arial");
    c.font.height = height;
    c.font.color = Qt::black;
}

enum class Align { Left, Centre, Right };

// A label on a white box, so that grid lines do not run through it; kept
// inside the picture.
void label(Canvas& c, int x, int y, const QString& text, Align align, int picture_width)
{
    const int w = c.textWidth(text);
    if (align == Align::Centre)
        x -= w / 2;
    else if (align == Align::Right)
        x -= w;
    x = std::clamp(x, 0, picture_width - w);
    c.brush.style = BrushStyle::Solid;
    c.brush.color = Qt::white;
    c.textOut(x, y, text);
    c.brush.style = BrushStyle::Clear;
}

void line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// Two strokes back from the tip (x, y) against the direction (dx, dy).
void arrow_head(Canvas& c, int x, int y, long double dx, long double dy)
{
    const long double len = std::hypot(dx, dy);
    const long double ux = dx / len, uy = dy / len;
    constexpr long double back = 9, side = 4;
    for (int s : {-1, 1}) {
        c.moveTo(x, y);
        c.lineTo(x - px(back * ux + s * side * uy), y - px(back * uy - s * side * ux));
    }
}

// The example's curve as a polyline from w = 0 on, in pixels of the picture.
void curve(Canvas& c, const std::function<QPoint(long double)>& at)
{
    const platform::ScopedPen pen(c, curve_color, 2);
    const QPoint start = at(0);
    c.moveTo(start.x(), start.y());
    for (int i = 0; i <= samples; ++i) {
        const QPoint p = at(sample_w(i));
        c.lineTo(p.x(), p.y());
    }
}

// An arrow head on the curve at w, pointing towards higher frequencies.
void direction_mark(Canvas& c, const std::function<QPointF(long double)>& at, long double w)
{
    const QPointF p = at(w), q = at(w * 1.05L);
    const platform::ScopedPen pen(c, curve_color, 2);
    arrow_head(c, px(p.x()), px(p.y()), q.x() - p.x(), q.y() - p.y());
}

QImage draw_locus()
{
    constexpr int width = 301, height = 240;
    QImage image = blank(width, height);
    Canvas c(&image);
    // One scale for both axes, so that the locus keeps its true shape.
    constexpr int unit = 36;
    constexpr int x0 = 64, y0 = 50;
    auto at = [](long double w) {
        const auto g = gain(w);
        return QPointF(x0 + g.real() * unit, y0 - g.imag() * unit);
    };
    // Unit steps from the origin: the imaginary axis rises upwards.
    const AxisMap re_axis = linear(0, 1, x0, x0 + unit);
    const AxisMap im_axis = linear(0, 1, y0, y0 - unit);
    auto X = [&](long double re) { return re_axis.to_pixel(re); };
    auto Y = [&](long double im) { return im_axis.to_pixel(im); };

    c.pen.color = fine_grid_color;
    for (int re = -1; re <= 6; ++re)
        line(c, X(re), Y(1), X(re), Y(-4) + 1);
    for (int im = -4; im <= 1; ++im)
        line(c, X(-1.5L), Y(im), X(6) + 1, Y(im));

    c.pen.color = axis_color;
    line(c, X(-1.5L), y0, 297, y0);
    arrow_head(c, 297, y0, 1, 0);
    line(c, x0, Y(-4.2L), x0, 5);
    arrow_head(c, x0, 5, 0, -1);
    for (int re = -1; re <= 6; ++re)
        line(c, X(re), y0 - 3, X(re), y0 + 4);
    for (int im = -4; im <= 1; ++im)
        line(c, x0 - 3, Y(im), x0 + 4, Y(im));

    use_font(c, -10);
    for (int re = -1; re <= 6; ++re)
        if (re != 0)
            label(c, X(re), y0 - 15, numfmt::integer(re), Align::Centre, width);
    for (int im = -4; im <= 1; ++im)
        if (im != 0 && im != 1) // 1 would run into the axis title
            label(c, x0 + 6, Y(im) - 6, numfmt::integer(im), Align::Left, width);
    label(c, x0 - 9, y0 + 2, QStringLiteral("0"), Align::Left, width);

    use_font(c, -11);
    label(c, width - 2, y0 - 33, QStringLiteral("RE ( G ( j w ) )"), Align::Right, width);
    label(c, x0 + 10, 0, QStringLiteral("IM ( G ( j w ) )"), Align::Left, width);
    label(c, X(5) + 7, y0 + 4, QStringLiteral("w = 0"), Align::Left, width);
    label(c, width / 2, 220, QStringLiteral("G(s) = 5 / ( 1 + s )^3"), Align::Centre, width);

    curve(c, [&](long double w) { return at(w).toPoint(); });
    direction_mark(c, at, 0.41L);
    return image;
}

QImage draw_nichols()
{
    constexpr int width = 280, height = 240;
    QImage image = blank(width, height);
    Canvas c(&image);
    constexpr int left = 52, right = 268, top = 20, bottom = 200;
    const AxisMap angle = linear(-270, 0, left, right);
    const AxisMap db = linear(db_at_zero, db_at_zero - 180, top, bottom);
    auto A = [&](long double deg) { return angle.to_pixel(deg); };
    auto D = [&](long double v) { return db.to_pixel(v); };
    auto at = [&](long double w) { return QPointF(A(gain_deg(w)), D(gain_db(w))); };

    c.pen.color = fine_grid_color;
    for (int k = 1; k < 6; ++k) {
        line(c, A(-270 + 45 * k), top, A(-270 + 45 * k), bottom);
        line(c, left, D(db_at_zero - 30 * k), right, D(db_at_zero - 30 * k));
    }
    c.pen.color = axis_color;
    frame(c, left, top, right, bottom);
    for (int k = 0; k <= 6; ++k) {
        line(c, A(-270 + 45 * k), bottom, A(-270 + 45 * k), bottom + 4);
        line(c, left - 4, D(db_at_zero - 30 * k), left, D(db_at_zero - 30 * k));
    }

    use_font(c, -10);
    for (int k = 0; k <= 6; ++k) {
        label(c, A(-270 + 45 * k), bottom + 5, numfmt::integer(-270 + 45 * k), Align::Centre, width);
        label(c, left - 6, D(db_at_zero - 30 * k) - 6, numfmt::fixed(db_at_zero - 30 * k, 3),
              Align::Right, width);
    }
    use_font(c, -11);
    label(c, left, 2, QStringLiteral("Betrag in dB"), Align::Left, width);
    label(c, (left + right) / 2, 222, QStringLiteral("Winkel in Grad"), Align::Centre, width);

    label(c, right - 2, top + 6, QStringLiteral("w = 0"), Align::Right, width);

    curve(c, [&](long double w) { return at(w).toPoint(); });
    direction_mark(c, at, 2.0L);
    return image;
}

QImage draw_bode()
{
    constexpr int width = 422, height = 263;
    QImage image = blank(width, height);
    Canvas c(&image);
    constexpr int left = 52, right = 394;
    constexpr int mag_top = 16, mag_bottom = 118, phase_top = 134, phase_bottom = 224;
    // The frequency axis divided linearly in decades of w.
    const AxisMap decades = linear(-3, 3, left, right);
    const AxisMap db = linear(db_at_zero, db_at_zero - 180, mag_top, mag_bottom);
    const AxisMap angle = linear(0, -270, phase_top, phase_bottom);
    auto W = [&](long double decade) { return decades.to_pixel(decade); };
    auto D = [&](long double v) { return db.to_pixel(v); };
    auto P = [&](long double deg) { return angle.to_pixel(deg); };
    auto x_of = [&](long double w) { return W(std::log10(w)); };

    auto grid = [&](int top, int bottom, int steps, auto y_of_step) {
        c.pen.color = fine_grid_color;
        for (int d = -3; d < 3; ++d)
            for (int k = 2; k <= 9; ++k) {
                const int x = x_of(k * std::pow(10.0L, d));
                line(c, x, top, x, bottom);
            }
        c.pen.color = grid_color;
        for (int d = -2; d < 3; ++d)
            line(c, W(d), top, W(d), bottom);
        for (int k = 1; k < steps; ++k)
            line(c, left, y_of_step(k), right, y_of_step(k));
        c.pen.color = axis_color;
        frame(c, left, top, right, bottom);
        for (int d = -3; d <= 3; ++d)
            line(c, W(d), bottom, W(d), bottom + 4);
    };
    auto mag_step = [&](int k) { return D(db_at_zero - 30 * k); };
    auto phase_step = [&](int k) { return P(-45 * k); };
    grid(mag_top, mag_bottom, 6, mag_step);
    grid(phase_top, phase_bottom, 6, phase_step);

    use_font(c, -10);
    for (int k = 0; k <= 6; k += 2) {
        line(c, left - 4, mag_step(k), left, mag_step(k));
        label(c, left - 6, mag_step(k) - 6, numfmt::fixed(db_at_zero - 30 * k, 3), Align::Right, width);
        line(c, left - 4, phase_step(k), left, phase_step(k));
        label(c, left - 6, phase_step(k) - 6, numfmt::integer(-45 * k), Align::Right, width);
    }
    for (int d = -3; d <= 3; ++d)
        label(c, W(d), phase_bottom + 5, numfmt::sci(std::pow(10.0L, d), 2), Align::Centre, width);

    use_font(c, -11);
    label(c, right - 4, mag_top + 3, QStringLiteral("Betrag in dB"), Align::Right, width);
    label(c, right - 4, phase_top + 3, QStringLiteral("Winkel in Grad"), Align::Right, width);
    label(c, (left + right) / 2, 245, QStringLiteral("OMEGA  in  1/sec"), Align::Centre, width);

    // The curves start at the left edge, w = 1e-3.
    auto mag_at = [&](long double w) { return QPoint(x_of(std::max(w, 1e-3L)), D(gain_db(w))); };
    auto phase_at = [&](long double w) { return QPoint(x_of(std::max(w, 1e-3L)), P(gain_deg(w))); };
    curve(c, mag_at);
    curve(c, phase_at);
    return image;
}

} // namespace

const QImage& locus_picture()
{
    static const QImage image = draw_locus();
    return image;
}

const QImage& nichols_picture()
{
    static const QImage image = draw_nichols();
    return image;
}

const QImage& bode_picture()
{
    static const QImage image = draw_bode();
    return image;
}
