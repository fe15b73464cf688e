// libFuzzer target for the function reader of the own example. The input
// is the numerator, a line break and the denominator, as UTF-8. Every
// function the reader accepts is constructed, and the construction must
// keep its invariants: ranges ordered and within the chart, polygons
// finite and within the ranges, no "nan", "inf" or overflowed integer in
// any text. Any breach aborts with the input that caused it.
#include "construction/construction_data.h"
#include "construction/own_example.h"
#include "construction/transfer_function.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

const QRegularExpression& broken()
{
    static const QRegularExpression re(QStringLiteral(R"(\b(nan|inf)\b|2147483648|9223372036854775808)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

void requireClean(const QString& text)
{
    require(!broken().match(text).hasMatch());
}

void checkPolygon(const tf::Polygon& p)
{
    require(!p.empty() && p.size() <= 10);
    for (const tf::Point& v : p)
        require(std::isfinite(v.freq) && std::isfinite(v.value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype cut = input.indexOf(QLatin1Char('\n'));
    // The fields take 32767 characters.
    const QString numerator = input.left(cut < 0 ? input.size() : cut).left(32767);
    const QString denominator = cut < 0 ? QStringLiteral("1") : input.mid(cut + 1).left(32767);
    const tf::Parsed p = tf::parse(numerator, denominator);
    requireClean(p.message);
    if (!p.g) {
        require(!p.message.isEmpty());
        return 0;
    }
    const tf::TransferFunction& g = *p.g;
    require(std::isfinite(g.K) && g.K != 0 && std::abs(g.s_order) <= 2 * tf::highest_degree);
    for (const tf::Corner& c : g.corners)
        require(c.w >= tf::lowest_corner * (1 - 1E-9L) && c.w <= tf::highest_corner * (1 + 1E-9L) && c.order >= 1 &&
                c.order <= 2 * tf::highest_degree);
    const tf::Ranges r = tf::choose_ranges(g);
    require(r.problem.isEmpty());
    require(r.fmin >= 1E-6L * (1 - 1E-9L) && r.fmin < r.fmax && r.fmax <= 1E12L * (1 + 1E-9L));
    const long double top = std::round(20 * std::log10(r.bmax)), bottom = std::round(20 * std::log10(r.bmin));
    require(bottom >= -140 && bottom < top && top <= 140);
    require(r.pmin >= -630 && r.pmin < r.pmax && r.pmax <= 630 && r.pmin % 90 == 0 && r.pmax % 90 == 0);
    require(r.mm_per_20dB > 0 && r.mm_per_90deg > 0);
    checkPolygon(tf::total_magnitude(g, r.fmin, r.fmax));
    checkPolygon(tf::total_phase(g, r.fmin, r.fmax));
    requireClean(tf::product_form(g));

    own_example::set_function(p);
    requireClean(own_example::description());
    for (const QString& t : own_subtask_page().texts)
        requireClean(t);
    for (const InterimResult& result : own_results()) {
        requireClean(result.text);
        for (const ResultDrawing& d : result.drawings) {
            const bool mag = d.kind == ResultDrawing::Magnitude || d.kind == ResultDrawing::MagnitudeCurve ||
                             d.kind == ResultDrawing::Mark;
            for (const Vertex& v : d.vertices)
                require(std::isfinite(v.freq) && std::isfinite(v.value) && v.freq >= r.fmin &&
                        v.freq <= r.fmax * (1 + 1E-12L) && v.value >= (mag ? bottom : r.pmin) &&
                        v.value <= (mag ? top : r.pmax));
        }
    }
    return 0;
}
