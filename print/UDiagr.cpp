// The printed diagram sheet.
#include "print/UDiagr.h"

#include "construction/Uallgemein.h"
#include "platform/numfmt.h"
#include "platform/printer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

using numfmt::nearest;

namespace {

// Labels of the frequency grid under the phase diagram: the decade start
// 10^e written with a unit prefix, four characters each, from 10^-9 up to
// the 10^12 the chart can reach.
constexpr int first_prefix_exponent = -9;
constexpr const char* prefix_labels[] = {
    " 1n ", " 10n", "100n", " 1u ", " 10u", "100u", " 1m ", " 10m", "100m", " 1  ", " 10 ",
    " 100", " 1k ", " 10k", "100k", " 1M ", " 10M", "100M", " 1G ", " 10G", "100G", " 1T ",
};

QString prefix_label(int e, bool right_end)
{
    // At the right end the hundred stands left-aligned, as after a prefix.
    if (right_end && e == 2)
        return QStringLiteral("100 ");
    const int i = e - first_prefix_exponent;
    if (i < 0 || i >= int(std::size(prefix_labels)))
        return QString();
    return QString::fromLatin1(prefix_labels[i]);
}

QString axis_name(bool axis_f, bool with_units)
{
    if (axis_f)
        return with_units ? QStringLiteral("FREQUENZ in Hz ->") : QStringLiteral("  FREQUENZ  ->");
    return with_units ? QStringLiteral("OMEGA in 1/sec ->") : QStringLiteral("   OMEGA  ->");
}

QString signed_integer(long long v)
{
    return v > 0 ? QStringLiteral("+") + numfmt::integer(v) : numfmt::integer(v);
}

// "  +20 dB", "  -40 dB", " +100 dB": the values right-aligned.
QString db_label(int t)
{
    QString s = signed_integer(10LL * t);
    if (std::abs(t) < 10)
        s.prepend(QStringLiteral("  "));
    else if (std::abs(t) < 100)
        s.prepend(QLatin1Char(' '));
    return s + QStringLiteral(" dB");
}

QString degree_label(int q)
{
    QString s = signed_integer(45LL * q);
    if (std::abs(q) < 100)
        s.prepend(QLatin1Char(' '));
    return s + QStringLiteral("°");
}

void mark_vertex(platform::Canvas& c, int x, int y)
{
    const auto pen = platform::ScopedPen::part(c, Qt::black, 5);
    c.rectangle(x - 5, y - 5, x + 6, y + 6);
}

} // namespace

SheetOfPage fixed_sheet(const PageSheet& sheet)
{
    return [sheet] { return sheet; };
}

void print_dashed_line(platform::Canvas& canvas, int x1, int x2, int y, int dash, int gap)
{
    canvas.moveTo(x1, y);
    const long long n = nearest(static_cast<long double>(x2 - x1) / (dash + gap));
    for (long long i = 0; i < n; ++i) {
        const int x = canvas.penPos().x();
        canvas.lineTo(x + dash, y);
        canvas.moveTo(x + dash + gap, y);
    }
}

bool print_diagram_sheet(const SheetDescription& sheet)
{
    const long double fmin = sheet.range.fmin;
    const long double fmax = sheet.range.fmax;
    const long double bmin = sheet.range.bmin;
    const long double bmax = sheet.range.bmax;
    const int pmin = sheet.range.pmin;
    const int pmax = sheet.range.pmax;
    const int mm_per_20dB = sheet.mm_per_20dB;
    const int mm_per_90deg = sheet.mm_per_90deg;
    const int decmin = int(nearest(std::log10(fmin)));
    const int decmax = int(nearest(std::log10(fmax)));
    const int ndec = decmax - decmin;
    const int dBmax = int(nearest(20 * std::log10(bmax)));
    const int dBmin = int(nearest(20 * std::log10(bmin)));
    // The chart settings never allow these; a sheet without a decade or a
    // range would divide by zero.
    if (ndec < 1 || dBmax <= dBmin || pmax <= pmin)
        return false;
    const long double mm_per_decade = 140.0L / ndec;
    const int steps20 = int(nearest((dBmax - dBmin) / 20.0L));
    const int steps90 = int(nearest((pmax - pmin) / 90.0L));
    const int tmax = int(nearest(dBmax / 10.0L));
    const int tmin = int(nearest(dBmin / 10.0L));
    const int qmax = int(nearest(pmax / 45.0L));
    const int qmin = int(nearest(pmin / 45.0L));

    // Sheet units are tenths of a millimetre.
    constexpr int units_per_mm = 10;
    constexpr int X0 = 310;
    constexpr int Y0 = 220;
    const int Hm = steps20 * mm_per_20dB * units_per_mm;
    const int Yp = Y0 + Hm + 200;
    const int Hp = steps90 * mm_per_90deg * units_per_mm;
    // The frequency axis is drawn to its scale in millimetres per decade and
    // ends where its last decade does; grid rows lie half the millimetres
    // per 20 dB or 90 degrees apart.
    AxisMap frequency{fmin, fmax, X0, X0, true};
    const auto decade_x = [&](long double decades) {
        return frequency.at_scale(decades, mm_per_decade, units_per_mm);
    };
    frequency.to = decade_x(ndec);
    const int XR = frequency.to;
    const AxisMap magnitude{static_cast<long double>(dBmax), static_cast<long double>(dBmin), Y0, Y0 + Hm, false};
    const AxisMap phase{static_cast<long double>(pmax), static_cast<long double>(pmin), Yp, Yp + Hp, false};

    platform::PrintJob job(sheet.document);
    // From the top of the banner line to the foot of the lowest angle labels.
    job.centreVertically(80, Yp + Hp + 20);
    if (!job.begin())
        return false;
    platform::Canvas& c = job.canvas();

    c.pen = platform::Pen{};
    c.font.color = Qt::black;
    c.brush.style = platform::BrushStyle::Clear;
    c.font.name = QStringLiteral("courier");
    c.font.height = 40;
    const int text_size = c.font.size();
    c.font.setSize(25);

    c.textOut(100, 80, QStringLiteral("FALKORIN   Lernprogramm zum Bode-Diagramm   "
                                      "Blatt zur eigenen Konstruktion"));
    c.textOut(410, 120, QStringLiteral("[ ") + numfmt::integer(ndec) + QStringLiteral(" Dekaden mit je ") +
                            numfmt::fixed(mm_per_decade, 2, 7) + QStringLiteral(" mm ; ") +
                            numfmt::integer(mm_per_20dB) + QStringLiteral(" mm/20 dB ; ") +
                            numfmt::integer(mm_per_90deg) + QStringLiteral(" mm/90° ]"));
    c.font.name = QStringLiteral("courier");
    c.font.height = 40;
    c.font.setSize(text_size);

    const auto zero_line = [&](int y) {
        c.pen.width = 3;
        c.moveTo(X0 - 15, y);
        c.lineTo(X0 + 15, y);
        c.moveTo(XR - 15, y);
        c.lineTo(XR + 15, y);
        print_dashed_line(c, X0, XR, y, 10, 10);
    };
    const auto grid_line = [&](int y, int width) {
        c.pen.style = platform::PenStyle::Solid;
        c.pen.width = width;
        c.moveTo(X0 - 15, y);
        c.lineTo(XR + 15, y);
    };

    for (int t = tmax; t >= tmin; --t) {
        const int y = magnitude.at_scale(tmax - t, mm_per_20dB / 2.0L, units_per_mm);
        if (t == tmax - 1)
            c.textOut(X0 - 210, y - 20, QStringLiteral(" BETRAG"));
        if (t == 0) {
            zero_line(y);
            c.textOut(X0 - 210, y - 20, QStringLiteral("    0 dB"));
            c.textOut(XR + 25, y - 20, QStringLiteral("10"));
            c.textOut(XR + 70, y - 35, QStringLiteral("0"));
        } else if (t % 2 == 0) {
            grid_line(y, 2);
            c.textOut(X0 - 210, y - 20, db_label(t));
            c.textOut(XR + 25, y - 20, QStringLiteral("10"));
            c.textOut(XR + 70, y - 35, signed_integer(t / 2));
        } else {
            grid_line(y, 1);
        }
    }

    for (int q = qmax; q >= qmin; --q) {
        const int y = phase.at_scale(qmax - q, mm_per_90deg / 2.0L, units_per_mm);
        if (q == qmax - 1)
            c.textOut(X0 - 210, y - 20, QStringLiteral(" WINKEL"));
        if (q == 0) {
            zero_line(y);
            c.textOut(X0 - 150, y - 20, QStringLiteral("   0°"));
            c.textOut(XR + 10, y - 20, QStringLiteral("   0°"));
        } else if (q % 2 == 0) {
            grid_line(y, 2);
            c.textOut(X0 - 150, y - 20, degree_label(q));
            c.textOut(XR + 10, y - 20, degree_label(q));
        } else {
            grid_line(y, 1);
        }
    }

    const int y_between = Y0 + Hm + 80;
    c.textOut(X0 - 200, y_between, sheet.title);
    c.textOut(X0 + 1400 - 550, y_between, axis_name(sheet.range.axis_f, sheet.range.with_units));

    const auto grid_x = [&](int d, int m) { return decade_x(d + std::log10(static_cast<long double>(m))); };
    for (int d = 0; d < ndec; ++d) {
        for (int m = 1; m <= 10; ++m) {
            const int x = grid_x(d, m);
            c.pen.width = (m == 1 || m == 10) ? 3 : 1;
            c.moveTo(x, Y0);
            c.lineTo(x, Y0 + Hm + 15);
            const bool right_end = d == ndec - 1 && m == 10;
            if (m == 1 || right_end) {
                c.textOut(x - 25, Y0 + Hm + 30, QStringLiteral("10"));
                c.textOut(x + 20, Y0 + Hm + 15, numfmt::integer(m == 1 ? decmin + d : decmax));
            }
        }
    }
    for (int d = 0; d < ndec; ++d) {
        for (int m = 1; m <= 10; ++m) {
            const int x = grid_x(d, m);
            c.pen.width = (m == 1 || m == 10) ? 3 : 1;
            c.moveTo(x, Yp - 15);
            c.lineTo(x, Yp + Hp);
            if (m == 1)
                c.textOut(x - 45, Y0 + Hm + 130, prefix_label(decmin + d, false));
            else if (d == ndec - 1 && m == 10)
                c.textOut(x - 45, Y0 + Hm + 130, prefix_label(decmax, true));
        }
    }

    const auto vertex_x = [&](long double f) { return decade_x(frequency.offset(f)); };
    const auto mag_y = [&](long double db) { return magnitude.to_pixel_exact(db); };
    const auto phase_y = [&](long double deg) { return phase.to_pixel_exact(deg); };
    const auto polyline = [&](const PolygonStore& p, auto to_y) {
        if (p.count < 1)
            return;
        c.pen.width = 5;
        c.moveTo(vertex_x(p.freq[1]), to_y(p.value[1]));
        for (int k = 2; k <= std::min(p.count, 10); ++k)
            c.lineTo(vertex_x(p.freq[k]), to_y(p.value[k]));
    };
    const auto marks = [&](const PolygonStore& p, auto to_y) {
        for (int k = 2; k <= std::min(p.count, 10) - 1; ++k)
            mark_vertex(c, vertex_x(p.freq[k]), to_y(p.value[k]));
    };
    if (sheet.draw_magnitude)
        polyline(sheet.magnitude, mag_y);
    if (sheet.mark_magnitude)
        marks(sheet.magnitude, mag_y);
    if (sheet.draw_phase)
        polyline(sheet.phase, phase_y);
    if (sheet.mark_phase)
        marks(sheet.phase, phase_y);

    return job.end();
}
