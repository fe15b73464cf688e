#include "chart/chart.h"

#include "platform/canvas.h"
#include "platform/numfmt.h"
#include "platform/system.h"

#include <cmath>
#include <utility>

using numfmt::nearest;

ChartSettings chart;

long double lg(long double v)
{
    return std::log10(v);
}

AxisMap frequency_axis()
{
    return {chart.fmin, chart.fmax, chart_left, chart_right, true};
}

AxisMap magnitude_axis()
{
    return {chart.bmin, chart.bmax, mag_bottom, mag_top, true};
}

AxisMap phase_axis()
{
    return {static_cast<long double>(chart.pmin), static_cast<long double>(chart.pmax), phase_bottom, phase_top,
            false};
}

int freq_to_x(long double f)
{
    return frequency_axis().to_pixel(f);
}

long double x_to_freq(int x)
{
    return frequency_axis().to_value(x);
}

int mag_to_y(long double m)
{
    return magnitude_axis().to_pixel(m);
}

long double y_to_mag(int y)
{
    return magnitude_axis().to_value(y);
}

int db_to_y(long double db)
{
    return mag_to_y(std::pow(10.0L, db / 20));
}

long double y_to_db(int y)
{
    // Each logarithm scaled to dB before the sum, to the last digit as before.
    const AxisMap a = magnitude_axis();
    return 20 * lg(a.lo) + 20 * lg(a.hi / a.lo) * (y - a.from) / (a.to - a.from);
}

int phase_to_y(long double phi)
{
    return phase_axis().to_pixel(phi);
}

long double y_to_phase(int y)
{
    return phase_axis().to_value(y);
}

// Orders a range and widens an empty one by one step on each side, or on
// the one side that stays within the limits.
template <typename T, typename Down, typename Up>
static void normalize(T& lo, T& hi, T lowest, T highest, Down down, Up up)
{
    if (hi < lo)
        std::swap(lo, hi);
    if (lo == hi && lo == lowest)
        hi = up(lo);
    if (lo == hi && lo == highest)
        lo = down(hi);
    if (lo == hi) {
        lo = down(hi);
        hi = up(hi);
    }
}

void normalize_ranges()
{
    const auto decade_down = [](long double v) { return v / 10; };
    const auto decade_up = [](long double v) { return v * 10; };
    normalize(chart.fmin, chart.fmax, 1e-6L, 1e12L, decade_down, decade_up);
    normalize(chart.bmin, chart.bmax, 1e-7L, 1e7L, decade_down, decade_up);
    normalize(chart.pmin, chart.pmax, -630, 630, [](int v) { return v - 90; }, [](int v) { return v + 90; });
}

int decades()
{
    return static_cast<int>(nearest(lg(chart.fmax / chart.fmin)));
}

static const QColor silver(192, 192, 192);

static QString axis_title()
{
    if (chart.axis_f)
        return chart.with_units ? QStringLiteral("f / Hz  -->") : QStringLiteral("    f  -->       ");
    return chart.with_units ? QStringLiteral("w · sec  -->") : QStringLiteral("    w  -->       ");
}

// The label of a horizontal grid line: "+" for positive values, two
// leading blanks below 100, and the unit behind.
static QString grid_label(long long v, const QString& unit)
{
    QString s = QString::number(v);
    if (v > 0)
        s.prepend(QLatin1Char('+'));
    if (std::llabs(v) < 100)
        s.prepend(QLatin1String("  "));
    return s + unit;
}

// Texts of the chart end before the page frame, which clears from x 599.
constexpr int page_frame_left = 599;

void draw_chart(platform::Canvas& canvas, bool magnitude, bool phase)
{
    using platform::BrushStyle;
    normalize_ranges();
    platform::setCrossCursor();

    canvas.font.name = QStringLiteral("Arial");
    canvas.font.height = 14;
    const QColor window(Qt::white);
    canvas.brush.style = BrushStyle::Solid;
    canvas.brush.color = window;
    const platform::ScopedPen pen(canvas, window);
    // Cleared up to the page frame's own clearing at x 599: the right-hand
    // labels reach a little beyond x 595, and the few columns in between
    // would otherwise keep stale pixels of an earlier chart.
    canvas.rectangle(0, 0, 599, 850);
    canvas.pen.color = Qt::black;
    canvas.brush.style = BrushStyle::Clear;

    if (magnitude) {
        canvas.rectangle(chart_left, mag_top, chart_right + 1, mag_bottom + 1);
        if (chart.axis_f)
            canvas.textOutFit(32, 3, QStringLiteral("    Im oberen Diagramm wird der  BETRAG  der Funktion in Abhängigkeit von der Frequenz  f  dargestellt       "), page_frame_left);
        else
            canvas.textOutFit(30, 3, QStringLiteral("  Im oberen Diagramm wird der  BETRAG  der Funktion in Abhängigkeit von der Kreisfrequenz  w  dargestellt"), page_frame_left);
    }
    if (phase) {
        canvas.rectangle(chart_left, phase_top, chart_right + 1, phase_bottom + 1);
        if (chart.axis_f)
            canvas.textOutFit(32, 762, QStringLiteral("    Im unteren Diagramm wird der  WINKEL  der Funktion in Abhängigkeit von der Frequenz  f  dargestellt       "), page_frame_left);
        else
            canvas.textOutFit(30, 762, QStringLiteral("  Im unteren Diagramm wird der  WINKEL  der Funktion in Abhängigkeit von der Kreisfrequenz  w  dargestellt"), page_frame_left);
    }

    const int dec = decades();
    // A range narrower than half a decade has no grid to divide.
    if (dec >= 1) {
        auto vertical = [&](int x) {
            if (magnitude) {
                canvas.moveTo(x, mag_top - grid_overhang);
                canvas.lineTo(x, mag_bottom + grid_overhang);
            }
            if (phase) {
                canvas.moveTo(x, phase_top - grid_overhang);
                canvas.lineTo(x, phase_bottom + grid_overhang);
            }
        };

        const AxisMap f = frequency_axis();
        canvas.pen.color = silver;
        for (int i = 0; i <= dec - 1; ++i)
            for (int k = 1; k <= 10; ++k)
                vertical(f.at(lg(k * std::pow(10.0L, i)), dec));

        canvas.pen.color = Qt::black;
        long long e = nearest(lg(chart.fmin / 10));
        for (int q = 0; q <= dec; ++q) {
            const int x = f.at(q, dec);
            vertical(x);
            if (!(magnitude || phase))
                continue;
            ++e;
            if (dec <= 1) {
                const QString label = e < 0 ? QStringLiteral("10^(%1)").arg(e) : QStringLiteral("10^%1").arg(e);
                canvas.textOut(x - 15, frequency_label_y, label);
                canvas.textOut(285, frequency_label_y, axis_title());
            } else if (q == dec - 1) {
                canvas.textOut(x - 25, frequency_label_y, axis_title());
            } else {
                canvas.textOut(x - 10, frequency_label_y, QStringLiteral("1E%1").arg(e));
            }
        }
    }

    if (magnitude) {
        long double r = chart.bmin / std::sqrt(10.0L);
        long long d = nearest(20 * lg(r));
        const long long n = nearest(20 * lg(chart.bmax / chart.bmin) / 10);
        for (long long q = 0; q <= n && n > 0; ++q) {
            canvas.pen.color = q % 2 == 0 ? QColor(Qt::black) : silver;
            const int y = magnitude_axis().at(q, n);
            canvas.moveTo(chart_left - grid_overhang, y);
            canvas.lineTo(chart_right + grid_overhang, y);
            r *= std::sqrt(10.0L);
            d += 10;
            const int x = d > 0 ? 10 : d == 0 ? 20 : 13;
            canvas.textOut(x, y - 6, grid_label(d, QStringLiteral(" dB")));
            canvas.textOutFit(right_label_x, y - 6, numfmt::sci(r, 5), page_frame_left);
        }
    }

    if (phase) {
        long long v = chart.pmin - 45;
        const long long n = nearest(static_cast<long double>(chart.pmax - chart.pmin) / 45);
        for (long long q = 0; q <= n && n > 0; ++q) {
            canvas.pen.color = q % 2 == 0 ? QColor(Qt::black) : silver;
            const int y = phase_axis().at(q, n);
            canvas.moveTo(chart_left - grid_overhang, y);
            canvas.lineTo(chart_right + grid_overhang, y);
            v += 45;
            const QString label = grid_label(v, QStringLiteral(" °"));
            canvas.textOut(v != 0 ? 20 : 27, y - 6, label);
            canvas.textOut(v != 0 ? right_label_x : right_label_x + 7, y - 6, label);
        }
    }
}
