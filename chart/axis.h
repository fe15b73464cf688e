#pragma once
// One axis of a chart: a value interval mapped onto a pixel range, on a
// logarithmic scale (frequencies, magnitudes as ratios) or a linear one
// (degrees). Pixels are rounded to the nearest integer, ties to the even.
#include "platform/numfmt.h"

#include <cmath>

struct AxisMap {
    long double lo;  // value at pixel `from`
    long double hi;  // value at pixel `to`
    int from;        // pixel of lo (left end, or bottom of a diagram)
    int to;          // pixel of hi
    bool logarithmic;

    // The pixels the interval spans, negative on an axis that rises upwards.
    int span() const { return to - from; }

    int to_pixel(long double v) const
    {
        const long double share = logarithmic ? std::log10(v / lo) / std::log10(hi / lo) : (v - lo) / (hi - lo);
        return from + static_cast<int>(numfmt::nearest(share * span()));
    }

    // The decimal logarithm of the value at a pixel (logarithmic axes).
    long double log_at(int p) const
    {
        return std::log10(lo) + std::log10(hi / lo) * (p - from) / (to - from);
    }

    long double to_value(int p) const
    {
        if (logarithmic)
            return std::pow(10.0L, log_at(p));
        return (hi - lo) * (p - from) / (to - from) + lo;
    }
};
