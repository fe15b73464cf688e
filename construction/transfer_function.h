#pragma once
// A transfer function G(s) as the student types it: numerator and
// denominator are read, factored into real zeros and poles, and turned into
// the asymptotic polygons of the Bode diagram. No widgets: the own-example
// page and the tests use it alike.
#include <QString>
#include <optional>
#include <vector>

namespace tf {

// A real zero or pole away from the origin, written ( 1 + s / w ) for a
// root at -w and ( 1 - s / w ) for a root at +w; or a pair of complex
// roots, written ( 1 + 2·D·s / w + ( s / w )² ) with the damping
// 0 < D < 1 ( 1 - 2·D·s / w ... in the right half plane ).
struct Corner {
    long double w = 0;  // corner frequency, the root's distance from the origin
    int order = 1;      // multiplicity
    bool zero = true;   // numerator (zero) or denominator (pole)
    bool right_half = false; // root on the positive real axis, pair right of the imaginary axis
    long double damping = 0; // > 0: a complex pair with this damping D
    bool pair() const { return damping > 0; }
};

// G(s) = K · s^s_order · product of the corner factors (poles dividing).
struct TransferFunction {
    long double K = 1;
    int s_order = 0;             // > 0: D part of that order; < 0: I part
    std::vector<Corner> corners; // rising corner frequency; at one frequency zeros first, left half plane first
};

// One field as the factoring step works it out: its constant, its power
// of s and its roots (a negative multiplicity divides), in the form
// k · s^n · product of ( 1 - s / root )^multiplicity.
struct FieldForm {
    long double k = 1;
    int n = 0;
    std::vector<std::pair<long double, int>> roots; // rising root
    // Complex pairs: w0, signed damping (negative: right half plane), multiplicity.
    struct Pair {
        long double w0;
        long double D;
        int order;
    };
    std::vector<Pair> pairs;
    bool sum = false; // the field holds a sum that has to be factored
};

// The outcome of reading the two fields: the function, or the German
// message that names what is not supported.
struct Parsed {
    std::optional<TransferFunction> g;
    QString message;
    // What was typed (blanks collapsed) and each field in factored form.
    QString numerator, denominator;
    FieldForm numerator_form, denominator_form;
};

// Corner frequencies the chart can show with a decade to spare on either
// side (the chart reaches from 1E-6 to 1E12).
constexpr long double lowest_corner = 1E-5L;
constexpr long double highest_corner = 1E11L;
// The reader's limits: the degree of a field (factors above and below a
// fraction line within it counted alike) and the depth of brackets.
constexpr int highest_degree = 10;
constexpr int deepest_nesting = 20;

Parsed parse(const QString& numerator, const QString& denominator);

// A real polynomial c[0] + c[1] s + ... factored as K · s^n · product of
// ( 1 - s / root )^multiplicity and of ( 1 + 2·D·s / w0 + ( s / w0 )² )^m
// for its complex pairs. Empty when its roots cannot be found.
struct Factored {
    long double K = 0;
    int n = 0;
    std::vector<std::pair<long double, int>> roots; // (root, multiplicity), rising root
    std::vector<FieldForm::Pair> pairs;              // D = 0: a pair on the imaginary axis
};
std::optional<Factored> factor_polynomial(std::vector<long double> c);

// A piecewise straight curve over log frequency.
struct Point {
    long double freq;
    long double value;
};
using Polygon = std::vector<Point>;

// Angle of the constant and the I/D part: 90° per order of s, and -180°
// for a negative constant.
long double base_phase(const TransferFunction& g);
// Signed magnitude slope of a corner in dB per decade above it, and its
// angle step from 0° (reached one decade above the corner).
int magnitude_step(const Corner& c);
int phase_step(const Corner& c);
// The angle of a corner turns between these frequencies: a decade on either
// side of a real corner, D decades on either side of a pair's w0.
long double ramp_start(const Corner& c);
long double ramp_end(const Corner& c);

// Asymptotes over fmin ... fmax, with a vertex wherever the slope changes.
Polygon total_magnitude(const TransferFunction& g, long double fmin, long double fmax);
Polygon total_phase(const TransferFunction& g, long double fmin, long double fmax);
// The line of K · s^n and the asymptote of one corner factor.
Polygon base_magnitude(const TransferFunction& g, long double fmin, long double fmax);
Polygon corner_magnitude(const Corner& c, long double fmin, long double fmax);
Polygon corner_phase(const Corner& c, long double fmin, long double fmax);

// The value of a polygon at a frequency within it.
long double value_at(const Polygon& p, long double freq);

// The exact curves, in dB and degrees.
long double exact_db(const TransferFunction& g, long double w);
long double exact_phase(const TransferFunction& g, long double w);

// The part of a polygon between two values: it starts where the polygon
// first enters the band and ends where it first leaves it.
Polygon clip(const Polygon& p, long double low, long double high);

// Chart ranges that show every corner with a decade to spare and every
// polygon of the construction with a margin (the totals whole, each
// partial curve with its break and a decade beyond it), and the scales of
// the printed sheet. `problem` says why a function cannot be shown.
struct Ranges {
    long double fmin, fmax;  // frequency
    long double bmin, bmax;  // magnitude as ratios, on 20-dB lines
    int pmin, pmax;          // degrees, on 90° lines
    int mm_per_20dB, mm_per_90deg;
    QString problem;
};
Ranges choose_ranges(const TransferFunction& g);
// The space kept between a curve and the chart's top or bottom edge.
constexpr long double db_margin = 2;
constexpr long double degree_margin = 10;

// Numbers as the course writes them: 0.05, 464.2, 2E3, 1.5E-4.
QString number(long double v);
// A coefficient with all its digits (up to 15 significant): 52.5, 0.0001, 2E-7.
QString coefficient(long double v);
// The function in product form on one line: K, s^n and the corner factors.
QString product_form(const TransferFunction& g);
// "( 1 + s / 10 )", "( 1 - s / 5 )²".
QString factor_text(const Corner& c);

} // namespace tf
