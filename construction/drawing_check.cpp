// The rating of a drawn polygon: distances in layout pixels, findings in
// the words of the course.
#include "construction/drawing_check.h"

#include "construction/transfer_function.h"
#include "platform/numfmt.h"

#include <algorithm>
#include <cmath>

namespace drawing_check {

namespace {

// Distances are compared with a little slack: interpolated positions are
// not whole pixels.
constexpr long double slack = 1E-9L;
// A student vertex this close to a corner of the solution (horizontally)
// is taken as the student's version of that corner.
constexpr int corner_reach = 5;

struct P {
    long double x, y;
};

long double chebyshev(P a, P b)
{
    return std::max(std::fabs(a.x - b.x), std::fabs(a.y - b.y));
}

// The distance of p from the segment a-b: the least over the segment's
// points of the larger coordinate offset. It is piecewise linear along the
// segment, so its least value lies at an end, where one offset vanishes or
// where both offsets are equal.
long double segment_distance(P p, P a, P b)
{
    const long double dx = b.x - a.x, dy = b.y - a.y;
    const long double ux = p.x - a.x, uy = p.y - a.y;
    long double best = std::min(chebyshev(p, a), chebyshev(p, b));
    auto at = [&](long double t) {
        if (t > 0 && t < 1)
            best = std::min(best, chebyshev(p, {a.x + t * dx, a.y + t * dy}));
    };
    if (dx != 0)
        at(ux / dx);
    if (dy != 0)
        at(uy / dy);
    if (dx != dy)
        at((ux - uy) / (dx - dy));
    if (dx != -dy)
        at((ux + uy) / (dx + dy));
    return best;
}

long double polyline_distance(P p, const std::vector<P>& line)
{
    if (line.size() == 1)
        return chebyshev(p, line.front());
    long double best = INFINITY;
    for (size_t k = 0; k + 1 < line.size(); ++k)
        best = std::min(best, segment_distance(p, line[k], line[k + 1]));
    return best;
}

// The polyline as a function of x, between its first and its last x.
long double value_at(const std::vector<P>& sorted, long double x)
{
    for (size_t k = 0; k + 1 < sorted.size(); ++k) {
        const P a = sorted[k], b = sorted[k + 1];
        if (x >= a.x && x <= b.x)
            return b.x == a.x ? a.y : a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    }
    return x < sorted.front().x ? sorted.front().y : sorted.back().y;
}

long double pixel_to_freq(const Diagram& d, long double x)
{
    return std::pow(10.0L, std::log10(d.fmin) + std::log10(d.fmax / d.fmin) * (x - d.left) / (d.right - d.left));
}

// A frequency read off the chart: two significant digits, which is what a
// pixel tells.
QString read_freq(const Diagram& d, long double x)
{
    const long double f = pixel_to_freq(d, x);
    const long double unit = std::pow(10.0L, std::floor(std::log10(f)) - 1);
    return tf::number(std::round(f / unit) * unit);
}

// Slope of a pixel step in the diagram's unit per decade.
long double slope(const Diagram& d, P a, P b)
{
    const long double value_per_px = (d.value_top - d.value_bottom) / (d.bottom - d.top);
    const long double decades_per_px = std::log10(d.fmax / d.fmin) / (d.right - d.left);
    return -(b.y - a.y) * value_per_px / ((b.x - a.x) * decades_per_px);
}

QString slope_text(long double s)
{
    const long long n = numfmt::nearest(s);
    return n > 0 ? QStringLiteral("+") + numfmt::integer(n) : numfmt::integer(n);
}

} // namespace

long long whole_pixels(long double px)
{
    // Rounded up, so that a distance rated beyond 2 pixels never reads 2.
    return static_cast<long long>(std::ceil(px - slack));
}

namespace {

QString pixels_text(long double px)
{
    return numfmt::integer(whole_pixels(px)) + QStringLiteral(" Pixel");
}

} // namespace

Grade grade_of(long double pixels)
{
    if (pixels <= 2 + slack)
        return Grade::Richtig;
    return pixels <= 5 + slack ? Grade::Ungenau : Grade::Falsch;
}

QString grade_text(Grade g)
{
    switch (g) {
    case Grade::Richtig: return QStringLiteral("RICHTIG");
    case Grade::Ungenau: return QStringLiteral("UNGENAU");
    default: return QStringLiteral("FALSCH");
    }
}

Rating rate(const std::vector<Corner>& solution, const std::vector<QPoint>& student, const Diagram& d)
{
    Rating r;
    if (solution.size() < 2 || student.size() < 2)
        return r;
    std::vector<P> s, p;
    for (const Corner& c : solution)
        s.push_back({static_cast<long double>(c.at.x()), static_cast<long double>(c.at.y())});
    for (QPoint q : student)
        p.push_back({static_cast<long double>(q.x()), static_cast<long double>(q.y())});
    std::vector<P> sorted = p;
    std::stable_sort(sorted.begin(), sorted.end(), [](P a, P b) { return a.x < b.x; });
    const long double min_x = sorted.front().x, max_x = sorted.back().x;
    const size_t n = s.size();

    auto consider = [&r](long double px, P at) {
        if (px > r.pixels) {
            r.pixels = px;
            r.worst = QPoint(static_cast<int>(at.x), static_cast<int>(at.y));
        }
    };
    std::vector<long double> off_solution(n), off_student(p.size());
    for (size_t i = 0; i < n; ++i)
        consider(off_solution[i] = polyline_distance(s[i], p), s[i]);
    for (size_t j = 0; j < p.size(); ++j)
        consider(off_student[j] = polyline_distance(p[j], s), p[j]);
    const long double short_left = std::max(0.0L, min_x - s.front().x);
    const long double short_right = std::max(0.0L, s.back().x - max_x);
    consider(short_left, s.front());
    consider(short_right, s.back());
    r.grade = grade_of(r.pixels);

    // What is off, explained once: a missing corner or a wrong slope
    // explains the offsets it causes further on.
    auto bad = [](long double px) { return grade_of(px) != Grade::Richtig; };
    std::vector<bool> explained(n, false);
    std::vector<std::pair<long double, QString>> findings; // by x
    auto freq_text = [](const Corner& c) { return tf::number(c.freq); };

    if (bad(short_left)) {
        findings.push_back({s.front().x, s.front().x <= d.left + 2
                                             ? QStringLiteral("Polygonzug beginnt nach dem linken Rand")
                                             : QStringLiteral("Polygonzug beginnt nach w = ") + freq_text(solution.front())});
        explained.front() = true;
    }
    if (bad(short_right)) {
        findings.push_back({s.back().x, s.back().x >= d.right - 2
                                            ? QStringLiteral("Polygonzug endet vor dem rechten Rand")
                                            : QStringLiteral("Polygonzug endet vor w = ") + freq_text(solution.back())});
        explained.back() = true;
    }
    // Corners beyond the drawn range are covered by the extent.
    for (size_t i = 0; i < n; ++i)
        if (s[i].x < min_x - 2 || s[i].x > max_x + 2)
            explained[i] = true;
    std::vector<bool> missing(n, false);
    for (size_t i = 1; i + 1 < n; ++i) {
        if (explained[i] || !bad(off_solution[i]))
            continue;
        long double reach = INFINITY;
        for (P q : p)
            reach = std::min(reach, std::fabs(q.x - s[i].x));
        if (reach > corner_reach) {
            findings.push_back({s[i].x, QStringLiteral("Knick bei w = ") + freq_text(solution[i]) +
                                            QStringLiteral(" fehlt")});
            explained[i] = missing[i] = true;
        }
    }
    std::vector<bool> slope_wrong(n - 1, false);
    for (size_t k = 0; k + 1 < n; ++k) {
        const long double xa = std::max(s[k].x, min_x), xb = std::min(s[k + 1].x, max_x);
        if (xb - xa < 3 || missing[k] || missing[k + 1])
            continue;
        const P sa{xa, value_at(s, xa)}, sb{xb, value_at(s, xb)};
        const P pa{xa, value_at(sorted, xa)}, pb{xb, value_at(sorted, xb)};
        if (bad(std::fabs(pa.y - sa.y)) || !bad(std::fabs((pb.y - pa.y) - (sb.y - sa.y))))
            continue;
        // The slope drawn is that of the student's section across the middle
        // of the solution's section; a corner drawn a little aside changes
        // the course over the section, not the slope.
        const long double middle = (xa + xb) / 2;
        size_t m = 0;
        while (m + 2 < sorted.size() && sorted[m + 1].x < middle)
            ++m;
        if (sorted[m + 1].x == sorted[m].x)
            continue;
        const QString drawn = slope_text(slope(d, sorted[m], sorted[m + 1]));
        const QString asked = slope_text(slope(d, s[k], s[k + 1]));
        if (drawn == asked)
            continue;
        findings.push_back({xa, QStringLiteral("Steigung ab w = ") +
                                    (xa == s[k].x ? freq_text(solution[k]) : read_freq(d, xa)) +
                                    QStringLiteral(" falsch: ") + drawn + QStringLiteral(" statt ") + asked +
                                    QStringLiteral(" ") + d.slope_unit});
        slope_wrong[k] = true;
        explained[k + 1] = true;
    }
    for (size_t i = 0; i < n; ++i) {
        if (explained[i] || !bad(off_solution[i]))
            continue;
        const QString where = freq_text(solution[i]);
        findings.push_back({s[i].x, i == 0       ? QStringLiteral("Anfangspunkt liegt ") + pixels_text(off_solution[i]) +
                                                     QStringLiteral(" neben w = ") + where
                                    : i + 1 == n ? QStringLiteral("Endpunkt liegt ") + pixels_text(off_solution[i]) +
                                                     QStringLiteral(" neben w = ") + where
                                                 : QStringLiteral("Knick bei w = ") + where + QStringLiteral(" liegt ") +
                                                     pixels_text(off_solution[i]) + QStringLiteral(" daneben")});
        explained[i] = true;
    }
    // Student vertices off the solution that nothing above accounts for:
    // corners the solution does not have.
    for (size_t j = 0; j < p.size(); ++j) {
        if (!bad(off_student[j]))
            continue;
        bool accounted = false;
        for (size_t i = 0; i < n && !accounted; ++i)
            accounted = explained[i] && bad(off_solution[i]) && std::fabs(p[j].x - s[i].x) <= 2 * corner_reach;
        for (size_t k = 0; k + 1 < n && !accounted; ++k)
            accounted = slope_wrong[k] && p[j].x >= s[k].x && p[j].x <= s[k + 1].x;
        if (p[j].x < s.front().x - 2 || p[j].x > s.back().x + 2)
            accounted = false; // drawn where the solution has nothing
        if (accounted)
            continue;
        // Near a corner of the solution it is the student's version of it.
        size_t corner = 0;
        for (size_t i = 1; i + 1 < n; ++i)
            if (std::fabs(p[j].x - s[i].x) <= 2 * corner_reach &&
                (corner == 0 || std::fabs(p[j].x - s[i].x) < std::fabs(p[j].x - s[corner].x)))
                corner = i;
        const bool first = p[j].x == min_x && std::fabs(p[j].x - s.front().x) <= 2 * corner_reach;
        const bool last = p[j].x == max_x && std::fabs(p[j].x - s.back().x) <= 2 * corner_reach;
        if (first || last) {
            findings.push_back({p[j].x, (first ? QStringLiteral("Anfangspunkt liegt ") : QStringLiteral("Endpunkt liegt ")) +
                                            pixels_text(off_student[j]) + QStringLiteral(" neben w = ") +
                                            freq_text(first ? solution.front() : solution.back())});
            continue;
        }
        findings.push_back({p[j].x, corner ? QStringLiteral("Knick bei w = ") + freq_text(solution[corner]) +
                                                 QStringLiteral(" liegt ") + pixels_text(off_student[j]) +
                                                 QStringLiteral(" daneben")
                                           : QStringLiteral("Polygonzug weicht bei w = ") + read_freq(d, p[j].x) +
                                                 QStringLiteral(" um ") + pixels_text(off_student[j]) +
                                                 QStringLiteral(" ab")});
    }
    std::stable_sort(findings.begin(), findings.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& f : findings)
        if (!r.findings.contains(f.second))
            r.findings << f.second;
    return r;
}

} // namespace drawing_check
