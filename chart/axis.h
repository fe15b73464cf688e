#pragma once
// One axis of a chart: a value interval mapped onto a pixel range, on a
// logarithmic scale (frequencies, magnitudes as ratios) or a linear one
// (degrees, decibels). Pixels are rounded to the nearest integer, ties to
// the even.
#include "platform/numfmt.h"

#include <cmath>

struct AxisMap {
    long double lo;  // value at pixel `from`
    long double hi;  // value at pixel `to`
    int from;        // pixel of lo (left end, or top or bottom of a diagram)
    int to;          // pixel of hi
    bool logarithmic;

    // The pixels the interval spans, negative on an axis that rises upwards.
    int span() const { return to - from; }

    // How far a value lies from lo: in decades on a logarithmic axis, in
    // its own unit on a linear one.
    long double offset(long double v) const { return logarithmic ? std::log10(v / lo) : v - lo; }

    // The value's share of the interval times the span (the screen chart).
    int to_pixel(long double v) const { return from + pixel(offset(v) / offset(hi) * span()); }

    // The pixel `part` of `whole` of the way along the range. The product
    // comes first, so whole-numbered parts of whole-numbered spans stay
    // exact and their ties round as ties (grid divisions).
    int at(long double part, long double whole) const { return from + pixel(part * span() / whole); }

    // As to_pixel, with the product first as in `at` (the printed sheet).
    int to_pixel_exact(long double v) const { return at(offset(v), offset(hi)); }

    // An axis drawn to a scale (the printed sheet): the pixel `units`
    // decades or units from `from`, each `length` long, at
    // `pixels_per_length`.
    int at_scale(long double units, long double length, int pixels_per_length) const
    {
        return from + pixel(units * length * pixels_per_length);
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

private:
    static int pixel(long double v) { return static_cast<int>(numfmt::nearest(v)); }
};
