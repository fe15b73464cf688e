#pragma once
// Random practice functions for the own example: a few real corner
// factors on the usual 1-2-5 steps, optionally an I or D part, and at the
// higher level double roots, a negative constant or an all-pass factor;
// written in product form or as sums. Every function it hands out is one
// the reader accepts and whose totals fit the chart from edge to edge.
#include <QString>
#include <functional>

namespace practice {

struct Task {
    QString numerator;
    QString denominator;
};

// `uniform` gives reals in [0, 1).
Task random_function(bool advanced, bool sums, const std::function<long double()>& uniform);

} // namespace practice
