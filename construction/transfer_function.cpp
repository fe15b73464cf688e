#include "construction/transfer_function.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace tf {

namespace {

long double lg(long double v)
{
    return std::log10(v);
}

// Two roots closer than this (relative) are one root: a factor typed twice,
// or a zero that cancels a pole.
constexpr long double same_root = 1E-9L;

bool same(long double a, long double b, long double tolerance)
{
    return std::fabs(a - b) <= tolerance * std::max(std::fabs(a), std::fabs(b));
}

// ------------------------------------------------------------- factoring

using Complex = std::complex<long double>;

Complex horner(const std::vector<long double>& a, Complex z)
{
    Complex p = 0;
    for (size_t k = a.size(); k-- > 0;)
        p = p * z + a[k];
    return p;
}

std::vector<long double> derivative(const std::vector<long double>& a)
{
    std::vector<long double> d;
    for (size_t k = 1; k < a.size(); ++k)
        d.push_back(a[k] * static_cast<long double>(k));
    return d;
}

// All roots of a polynomial of degree >= 3 with a[0] != 0 (Aberth's method
// on the polynomial scaled to roots around 1). Multiple roots come back as
// tight clusters.
std::vector<Complex> all_roots(const std::vector<long double>& c)
{
    const int d = static_cast<int>(c.size()) - 1;
    const long double sigma = std::pow(std::fabs(c[0] / c[d]), 1.0L / d);
    std::vector<long double> a(c.size());
    for (int k = 0; k <= d; ++k)
        a[k] = c[k] * std::pow(sigma, static_cast<long double>(k)) / c[d];
    const std::vector<long double> da = derivative(a);
    std::vector<Complex> z(d);
    for (int k = 0; k < d; ++k)
        z[k] = std::polar(1.0L, 2 * std::numbers::pi_v<long double> * k / d + 0.4L);
    for (int iteration = 0; iteration < 5000; ++iteration) {
        long double largest = 0;
        for (int i = 0; i < d; ++i) {
            const Complex p = horner(a, z[i]);
            if (p == Complex(0))
                continue;
            const Complex ratio = p / horner(da, z[i]);
            Complex repulsion = 0;
            for (int j = 0; j < d; ++j)
                if (j != i)
                    repulsion += 1.0L / (z[i] - z[j]);
            const Complex step = ratio / (1.0L - ratio * repulsion);
            z[i] -= step;
            largest = std::max(largest, std::abs(step) / std::max(std::abs(z[i]), 1E-30L));
        }
        if (largest < 1E-18L)
            break;
    }
    // A simple real root is polished on the real polynomial.
    for (Complex& r : z) {
        if (std::fabs(r.imag()) > 1E-6L * std::abs(r))
            continue;
        long double t = r.real();
        for (int k = 0; k < 4; ++k) {
            const long double p = horner(a, t).real();
            const long double dp = horner(da, t).real();
            if (dp == 0)
                break;
            const long double next = t - p / dp;
            if (std::fabs(horner(a, next).real()) >= std::fabs(p))
                break;
            t = next;
        }
        r = Complex(t, r.imag());
    }
    for (Complex& r : z)
        r *= sigma;
    return z;
}

// A root of multiplicity m is a simple root of the (m-1)th derivative:
// Newton's method there, as long as it improves.
long double polish(const std::vector<long double>& c, long double root, int m)
{
    std::vector<long double> a = c;
    for (int k = 1; k < m; ++k)
        a = derivative(a);
    const std::vector<long double> da = derivative(a);
    for (int k = 0; k < 8; ++k) {
        const long double p = horner(a, root).real();
        const long double dp = horner(da, root).real();
        if (dp == 0 || p == 0)
            break;
        const long double next = root - p / dp;
        if (std::fabs(horner(a, next).real()) >= std::fabs(p))
            break;
        root = next;
    }
    return root;
}

} // namespace

std::optional<Factored> factor_polynomial(std::vector<long double> c)
{
    while (!c.empty() && c.back() == 0)
        c.pop_back();
    Factored f;
    if (c.empty())
        return f; // the zero polynomial: K = 0
    while (c[static_cast<size_t>(f.n)] == 0)
        ++f.n;
    c.erase(c.begin(), c.begin() + f.n);
    f.K = c[0];
    const size_t d = c.size() - 1;
    std::vector<long double> roots;
    if (d == 1) {
        roots = {-c[0] / c[1]};
    } else if (d == 2) {
        const long double a = c[2], b = c[1], k = c[0];
        const long double disc = b * b - 4 * a * k;
        const long double scale = std::max(b * b, std::fabs(4 * a * k));
        if (disc < -1E-12L * scale)
            return std::nullopt;
        if (std::fabs(disc) <= 1E-12L * scale) {
            roots = {-b / (2 * a), -b / (2 * a)};
        } else {
            const long double q = -0.5L * (b + std::copysign(std::sqrt(disc), b));
            roots = {q / a, k / q};
        }
    } else if (d >= 3) {
        // Roots of a cluster are one multiple root at the cluster's centre,
        // which is far more accurate than each member.
        std::vector<Complex> z = all_roots(c);
        std::vector<bool> taken(z.size(), false);
        for (size_t i = 0; i < z.size(); ++i) {
            if (taken[i])
                continue;
            std::vector<size_t> cluster = {i};
            taken[i] = true;
            for (size_t k = 0; k < cluster.size(); ++k)
                for (size_t j = 0; j < z.size(); ++j)
                    if (!taken[j] && std::abs(z[cluster[k]] - z[j]) <=
                                         1E-5L * std::max(std::abs(z[cluster[k]]), std::abs(z[j]))) {
                        taken[j] = true;
                        cluster.push_back(j);
                    }
            Complex centre = 0;
            for (size_t j : cluster)
                centre += z[j];
            centre /= static_cast<long double>(cluster.size());
            if (std::fabs(centre.imag()) > 1E-6L * std::abs(centre))
                return std::nullopt;
            const long double root = polish(c, centre.real(), static_cast<int>(cluster.size()));
            for (size_t j = 0; j < cluster.size(); ++j)
                roots.push_back(root);
        }
    }
    std::sort(roots.begin(), roots.end());
    for (long double r : roots) {
        if (!f.roots.empty() && same(f.roots.back().first, r, same_root))
            ++f.roots.back().second;
        else
            f.roots.push_back({r, 1});
    }
    return f;
}

// ------------------------------------------------------------- parsing

namespace {

struct ParseError {
    QString message;
};

// A rational expression in factored form: k · s^n · product of
// ( 1 - s / root )^multiplicity, a negative multiplicity dividing.
struct Value {
    long double k = 1;
    int n = 0;
    std::vector<std::pair<long double, int>> roots;
};

constexpr int highest_degree = 10;

void tidy(Value& v)
{
    std::sort(v.roots.begin(), v.roots.end());
    std::vector<std::pair<long double, int>> merged;
    for (const auto& r : v.roots) {
        if (!merged.empty() && same(merged.back().first, r.first, same_root))
            merged.back().second += r.second;
        else
            merged.push_back(r);
    }
    std::erase_if(merged, [](const auto& r) { return r.second == 0; });
    v.roots = merged;
}

Value multiply(Value a, const Value& b, int sign)
{
    a.k = sign > 0 ? a.k * b.k : a.k / b.k;
    a.n += sign * b.n;
    for (const auto& r : b.roots)
        a.roots.push_back({r.first, sign * r.second});
    tidy(a);
    return a;
}

class Parser {
public:
    Parser(const QString& text, const QString& field) : t_(text), field_(field) {}

    Value parse()
    {
        skip();
        if (at_end())
            fail(QStringLiteral("Das Feld ist leer."));
        Value v = expression();
        if (!at_end())
            unexpected();
        return v;
    }

private:
    [[noreturn]] void fail(const QString& what) const { throw ParseError{field_ + QStringLiteral(": ") + what}; }

    bool at_end() const { return pos_ >= t_.size(); }
    QChar peek() const { return at_end() ? QChar() : t_[pos_]; }
    void skip()
    {
        while (!at_end() && t_[pos_].isSpace())
            ++pos_;
    }
    static bool minus(QChar c) { return c == QLatin1Char('-') || c == QChar(0x2212); }
    static bool times(QChar c) { return c == QChar(0x00B7) || c == QLatin1Char('*') || c == QChar(0x00D7); }
    static bool opening(QChar c) { return c == QLatin1Char('(') || c == QLatin1Char('['); }
    bool starts_factor() const
    {
        const QChar c = peek();
        return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char(',') || c.isLetter() || opening(c);
    }

    Value expression()
    {
        int sign = 1;
        if (peek() == QLatin1Char('+') || minus(peek())) {
            sign = minus(peek()) ? -1 : 1;
            ++pos_;
            skip();
        }
        Value sum = term();
        sum.k *= sign;
        while (peek() == QLatin1Char('+') || minus(peek())) {
            const int s = minus(peek()) ? -1 : 1;
            ++pos_;
            skip();
            Value next = term();
            next.k *= s;
            sum = add(sum, next);
        }
        return sum;
    }

    Value term()
    {
        Value v = power();
        for (;;) {
            if (times(peek()) || peek() == QLatin1Char('/')) {
                const int sign = peek() == QLatin1Char('/') ? -1 : 1;
                ++pos_;
                skip();
                const Value f = power();
                if (sign < 0 && f.k == 0)
                    fail(QStringLiteral("Division durch null."));
                v = multiply(v, f, sign);
            } else if (starts_factor()) {
                v = multiply(v, power(), 1); // "100 s", "2 ( 1 + s )"
            } else {
                return v;
            }
        }
    }

    Value power()
    {
        Value v = atom();
        int e = 1;
        if (peek() == QChar(0x00B2) || peek() == QChar(0x00B3)) {
            e = peek() == QChar(0x00B2) ? 2 : 3;
            ++pos_;
        } else if (peek() == QLatin1Char('^')) {
            ++pos_;
            skip();
            if (!peek().isDigit())
                fail(QStringLiteral("Nach  ^  ist nur eine ganze Zahl von 0 bis 9 als Exponent erlaubt."));
            e = peek().digitValue();
            ++pos_;
            if (peek().isDigit() || peek() == QLatin1Char('.') || peek() == QLatin1Char(','))
                fail(QStringLiteral("Nach  ^  ist nur eine ganze Zahl von 0 bis 9 als Exponent erlaubt."));
        }
        skip();
        Value p;
        for (int i = 0; i < e; ++i)
            p = multiply(p, v, 1);
        return p;
    }

    Value atom()
    {
        const QChar c = peek();
        if (opening(c)) {
            const QChar closing = c == QLatin1Char('(') ? QLatin1Char(')') : QLatin1Char(']');
            ++pos_;
            skip();
            if (at_end())
                fail(QStringLiteral("Nach einer öffnenden Klammer fehlt der Ausdruck."));
            Value v = expression();
            if (peek() != closing)
                fail(QStringLiteral("Eine Klammer  %1  wird nicht geschlossen.").arg(c));
            ++pos_;
            skip();
            return v;
        }
        if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char(','))
            return number();
        if (c.isLetter()) {
            const qsizetype start = pos_;
            while (!at_end() && t_[pos_].isLetter())
                ++pos_;
            const QString word = t_.mid(start, pos_ - start);
            skip();
            if (word == QLatin1String("s"))
                return Value{1, 1, {}};
            // The unit of the course's notation: frequencies are in 1/sec.
            if (word == QLatin1String("sec"))
                return Value{};
            fail(QStringLiteral("»%1« ist weder eine Zahl noch die Variable  s .").arg(word));
        }
        if (at_end())
            fail(QStringLiteral("Der Ausdruck endet unvollständig."));
        unexpected();
    }

    [[noreturn]] void unexpected() const
    {
        const QChar c = peek();
        static const QString known = QStringLiteral("+-\u2212\u00B7*\u00D7/^\u00B2\u00B3()[].,");
        if (c.isLetterOrNumber() || known.contains(c))
            fail(QStringLiteral("Das Zeichen  %1  ist hier nicht erwartet.").arg(c));
        fail(QStringLiteral("Das Zeichen  %1  ist nicht erlaubt (erlaubt sind Zahlen, s, + - · * / ^ ² ³ und "
                            "Klammern).")
                 .arg(c));
    }

    Value number()
    {
        const qsizetype start = pos_;
        while (!at_end() && (t_[pos_].isDigit() || t_[pos_] == QLatin1Char('.') || t_[pos_] == QLatin1Char(',')))
            ++pos_;
        // An exponent: E or e directly followed by digits, with an optional sign.
        if (!at_end() && (t_[pos_] == QLatin1Char('E') || t_[pos_] == QLatin1Char('e'))) {
            qsizetype p = pos_ + 1;
            if (p < t_.size() && (t_[p] == QLatin1Char('+') || minus(t_[p])))
                ++p;
            if (p < t_.size() && t_[p].isDigit()) {
                pos_ = p;
                while (!at_end() && t_[pos_].isDigit())
                    ++pos_;
            }
        }
        QString text = t_.mid(start, pos_ - start);
        text.replace(QLatin1Char(','), QLatin1Char('.')).replace(QChar(0x2212), QLatin1Char('-'));
        bool ok = false;
        const long double v = text.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            fail(QStringLiteral("»%1« ist keine gültige Zahl.").arg(t_.mid(start, pos_ - start)));
        skip();
        return Value{v, 0, {}};
    }

    Value add(const Value& a, const Value& b)
    {
        const auto polynomial = [](const Value& v) {
            return v.n >= 0 && std::all_of(v.roots.begin(), v.roots.end(), [](const auto& r) { return r.second > 0; });
        };
        if (!polynomial(a) || !polynomial(b))
            fail(QStringLiteral("Innerhalb einer Summe darf nur durch Zahlen geteilt werden; "
                                "schreiben Sie Brüche mit  s  als Zähler und Nenner."));
        std::vector<long double> ca = expand(a), cb = expand(b);
        if (ca.size() < cb.size())
            ca.resize(cb.size(), 0);
        for (size_t i = 0; i < cb.size(); ++i)
            ca[i] += cb[i];
        const std::optional<Factored> f = factor_polynomial(ca);
        if (!f)
            fail(QStringLiteral("Das Polynom hat konjugiert komplexe Wurzeln. Unterstützt werden nur reelle "
                                "Pol- und Nullstellen."));
        return Value{f->K, f->n, f->roots};
    }

    std::vector<long double> expand(const Value& v)
    {
        int degree = v.n;
        for (const auto& r : v.roots)
            degree += r.second;
        if (degree > highest_degree)
            fail(QStringLiteral("Polynome über dem %1. Grad werden nicht unterstützt.").arg(highest_degree));
        std::vector<long double> c(static_cast<size_t>(v.n), 0);
        c.push_back(v.k);
        for (const auto& r : v.roots)
            for (int m = 0; m < r.second; ++m) {
                std::vector<long double> next(c.size() + 1, 0);
                for (size_t i = 0; i < c.size(); ++i) {
                    next[i] += c[i];
                    next[i + 1] -= c[i] / r.first;
                }
                c = next;
            }
        return c;
    }

    const QString& t_;
    QString field_;
    qsizetype pos_ = 0;
};

int degree(const Value& v)
{
    int d = v.n;
    for (const auto& r : v.roots)
        d += r.second;
    return d;
}

} // namespace

Parsed parse(const QString& numerator, const QString& denominator)
{
    Value n, d;
    try {
        n = Parser(numerator, QStringLiteral("Zähler")).parse();
        d = Parser(denominator, QStringLiteral("Nenner")).parse();
    } catch (const ParseError& e) {
        return {std::nullopt, e.message};
    }
    if (d.k == 0)
        return {std::nullopt, QStringLiteral("Der Nenner ist null: durch null kann nicht geteilt werden.")};
    if (n.k == 0)
        return {std::nullopt, QStringLiteral("Der Zähler ist null: G(s) = 0 hat kein Bode-Diagramm.")};
    if (degree(d) <= 0 && d.roots.empty() && d.n == 0)
        return {std::nullopt, QStringLiteral("Der Nenner hat den Grad 0 (er enthält kein  s ). Unterstützt werden "
                                             "nur Funktionen mit  s  im Nenner.")};
    Value g = multiply(n, d, -1);
    TransferFunction result;
    result.K = g.k;
    result.s_order = g.n;
    for (const auto& [root, multiplicity] : g.roots) {
        const long double w = std::fabs(root);
        if (!(w >= lowest_corner * (1 - same_root) && w <= highest_corner * (1 + same_root)))
            return {std::nullopt, QStringLiteral("Die Eckkreisfrequenz %1 liegt außerhalb des darstellbaren Bereichs "
                                                 "1E-6 ... 1E12.")
                                      .arg(number(w))};
        result.corners.push_back({w, std::abs(multiplicity), multiplicity > 0, root > 0});
    }
    std::stable_sort(result.corners.begin(), result.corners.end(), [](const Corner& a, const Corner& b) {
        if (a.w != b.w)
            return a.w < b.w;
        return a.zero > b.zero;
    });
    // The polygon stores hold ten vertices.
    const Ranges r = choose_ranges(result);
    const size_t mag = total_magnitude(result, r.fmin, r.fmax).size();
    const size_t phase = total_phase(result, r.fmin, r.fmax).size();
    if (std::max(mag, phase) > 10)
        return {std::nullopt, QStringLiteral("Der Polygonzug des Gesamtverlaufs hätte %1 Eckpunkte; das Programm "
                                             "zeichnet höchstens 10. Wählen Sie weniger oder weiter auseinander "
                                             "liegende Eckkreisfrequenzen.")
                                  .arg(std::max(mag, phase))};
    return {result, QString()};
}

// ------------------------------------------------------------- asymptotes

long double base_phase(const TransferFunction& g)
{
    return 90.0L * g.s_order + (g.K < 0 ? -180.0L : 0.0L);
}

int magnitude_step(const Corner& c)
{
    return (c.zero ? 20 : -20) * c.order;
}

int phase_step(const Corner& c)
{
    // A root in the right half plane turns the angle the other way.
    return (c.zero != c.right_half ? 90 : -90) * c.order;
}

namespace {

// Vertices at the ends and at every break inside, without those where the
// slope does not change.
template <typename F>
Polygon polygon(F value, std::vector<long double> breaks, long double fmin, long double fmax)
{
    std::vector<long double> at = {fmin};
    std::sort(breaks.begin(), breaks.end());
    for (long double b : breaks)
        if (b > fmin && b < fmax && !same(b, fmin, same_root) && !same(b, fmax, same_root) &&
            !same(b, at.back(), same_root))
            at.push_back(b);
    at.push_back(fmax);
    Polygon p;
    for (long double f : at) {
        const Point next{f, value(f)};
        if (p.size() >= 2) {
            const Point& a = p[p.size() - 2];
            const Point& b = p.back();
            const long double before = (b.value - a.value) / lg(b.freq / a.freq);
            const long double after = (next.value - b.value) / lg(next.freq / b.freq);
            if (std::fabs(before - after) < 1E-6L)
                p.pop_back();
        }
        p.push_back(next);
    }
    return p;
}

long double ramp(long double w, long double corner)
{
    // 0 one decade below the corner, 1 one decade above, linear in lg w.
    return std::clamp((lg(w / corner) + 1) / 2, 0.0L, 1.0L);
}

} // namespace

Polygon total_magnitude(const TransferFunction& g, long double fmin, long double fmax)
{
    std::vector<long double> breaks;
    for (const Corner& c : g.corners)
        breaks.push_back(c.w);
    return polygon(
        [&g](long double w) {
            long double db = 20 * lg(std::fabs(g.K)) + 20.0L * g.s_order * lg(w);
            for (const Corner& c : g.corners)
                db += magnitude_step(c) * std::max(0.0L, lg(w / c.w));
            return db;
        },
        breaks, fmin, fmax);
}

Polygon total_phase(const TransferFunction& g, long double fmin, long double fmax)
{
    std::vector<long double> breaks;
    for (const Corner& c : g.corners) {
        breaks.push_back(c.w / 10);
        breaks.push_back(c.w * 10);
    }
    return polygon(
        [&g](long double w) {
            long double phi = base_phase(g);
            for (const Corner& c : g.corners)
                phi += phase_step(c) * ramp(w, c.w);
            return phi;
        },
        breaks, fmin, fmax);
}

Polygon base_magnitude(const TransferFunction& g, long double fmin, long double fmax)
{
    const auto db = [&g](long double w) { return 20 * lg(std::fabs(g.K)) + 20.0L * g.s_order * lg(w); };
    return {{fmin, db(fmin)}, {fmax, db(fmax)}};
}

Polygon corner_magnitude(const Corner& c, long double fmin, long double fmax)
{
    return polygon([&c](long double w) { return magnitude_step(c) * std::max(0.0L, lg(w / c.w)); }, {c.w}, fmin,
                   fmax);
}

Polygon corner_phase(const Corner& c, long double fmin, long double fmax)
{
    return polygon([&c](long double w) { return phase_step(c) * ramp(w, c.w); }, {c.w / 10, c.w * 10}, fmin, fmax);
}

long double value_at(const Polygon& p, long double freq)
{
    for (size_t k = 0; k + 1 < p.size(); ++k)
        if (freq <= p[k + 1].freq)
            return p[k].value + (p[k + 1].value - p[k].value) * lg(freq / p[k].freq) / lg(p[k + 1].freq / p[k].freq);
    return p.back().value;
}

long double exact_db(const TransferFunction& g, long double w)
{
    long double db = 20 * lg(std::fabs(g.K)) + 20.0L * g.s_order * lg(w);
    for (const Corner& c : g.corners)
        db += (c.zero ? 10.0L : -10.0L) * c.order * lg(1 + (w / c.w) * (w / c.w));
    return db;
}

long double exact_phase(const TransferFunction& g, long double w)
{
    long double phi = base_phase(g);
    for (const Corner& c : g.corners)
        phi += phase_step(c) / 90.0L * std::atan(w / c.w) * 180 / std::numbers::pi_v<long double>;
    return phi;
}

Polygon clip(const Polygon& p, long double low, long double high)
{
    constexpr long double eps = 1E-9L;
    Polygon out;
    if (p.size() == 1) {
        if (p[0].value >= low - eps && p[0].value <= high + eps)
            out = p;
        return out;
    }
    const auto at = [](const Point& a, const Point& b, long double t) {
        if (t <= 0)
            return a;
        if (t >= 1)
            return b;
        return Point{a.freq * std::pow(b.freq / a.freq, t), a.value + t * (b.value - a.value)};
    };
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        const Point& a = p[i];
        const Point& b = p[i + 1];
        long double t0 = 0, t1 = 1;
        if (a.value == b.value) {
            if (a.value < low - eps || a.value > high + eps)
                t0 = 2; // nothing of this segment lies inside
        } else {
            const long double ta = (low - a.value) / (b.value - a.value);
            const long double tb = (high - a.value) / (b.value - a.value);
            t0 = std::max(0.0L, std::min(ta, tb));
            t1 = std::min(1.0L, std::max(ta, tb));
        }
        if (t0 > t1 + eps) {
            if (!out.empty())
                break;
            continue;
        }
        if (out.empty())
            out.push_back(at(a, b, t0));
        else if (t0 > eps)
            break; // left the band and came back: only the first piece
        out.push_back(at(a, b, t1));
        if (t1 < 1 - eps)
            break;
    }
    return out;
}

Ranges choose_ranges(const TransferFunction& g)
{
    Ranges r{};
    long double lo = 1, hi = 1;
    if (!g.corners.empty()) {
        lo = g.corners.front().w;
        hi = g.corners.back().w;
    }
    r.fmin = std::max(lowest_corner, std::pow(10.0L, std::floor(lg(lo) + 1E-9L) - 1));
    r.fmax = std::min(highest_corner, std::pow(10.0L, std::ceil(lg(hi) - 1E-9L) + 1));

    long double top = 0, bottom = 0;
    for (const Point& p : total_magnitude(g, r.fmin, r.fmax)) {
        top = std::max(top, p.value);
        bottom = std::min(bottom, p.value);
    }
    // The chart reaches from -140 dB to +140 dB.
    int db_top = std::clamp(static_cast<int>(20 * std::ceil(top / 20 - 1E-9L)), -120, 140);
    int db_bottom = std::clamp(static_cast<int>(20 * std::floor(bottom / 20 + 1E-9L)), -140, 120);
    if (db_top - db_bottom < 40) {
        db_top += 20;
        db_bottom -= 20;
    }
    r.bmax = std::pow(10.0L, db_top / 20.0L);
    r.bmin = std::pow(10.0L, db_bottom / 20.0L);

    long double phi_top = std::max(0.0L, base_phase(g)), phi_bottom = std::min(0.0L, base_phase(g));
    for (const Point& p : total_phase(g, r.fmin, r.fmax)) {
        phi_top = std::max(phi_top, p.value);
        phi_bottom = std::min(phi_bottom, p.value);
    }
    for (const Corner& c : g.corners) {
        phi_top = std::max(phi_top, static_cast<long double>(phase_step(c)));
        phi_bottom = std::min(phi_bottom, static_cast<long double>(phase_step(c)));
    }
    r.pmax = std::clamp(static_cast<int>(90 * std::ceil(phi_top / 90 - 1E-9L)), -540, 630);
    r.pmin = std::clamp(static_cast<int>(90 * std::floor(phi_bottom / 90 + 1E-9L)), -630, 540);
    if (r.pmax == r.pmin) {
        r.pmax += 90;
        r.pmin -= 90;
    }

    // The sheet has about 240 mm for both diagrams, as on the worked examples.
    const int steps90 = (r.pmax - r.pmin) / 90;
    const int steps20 = (db_top - db_bottom) / 20;
    r.mm_per_90deg = std::clamp(120 / steps90, 10, 45);
    r.mm_per_20dB = std::clamp((240 - steps90 * r.mm_per_90deg) / steps20, 5, 50);
    return r;
}

// ------------------------------------------------------------- texts

QString number(long double v)
{
    if (v == 0)
        return QStringLiteral("0");
    const QString sign = v < 0 ? QStringLiteral("-") : QString();
    const long double a = std::fabs(v);
    const auto digits = [](long double m, int significant) {
        QString s = QString::number(static_cast<double>(m), 'f', std::max(0, significant));
        if (s.contains(QLatin1Char('.'))) {
            while (s.endsWith(QLatin1Char('0')))
                s.chop(1);
            if (s.endsWith(QLatin1Char('.')))
                s.chop(1);
        }
        return s;
    };
    if (a >= 0.01L && a < 1E4L) {
        const int e = static_cast<int>(std::floor(lg(a)));
        return sign + digits(a, 4 - e);
    }
    int e = static_cast<int>(std::floor(lg(a)));
    long double m = a / std::pow(10.0L, static_cast<long double>(e));
    if (std::round(m * 1000) >= 10000) { // 9.9999 is written 1E(e+1)
        m /= 10;
        ++e;
    }
    return sign + digits(m, 3) + QStringLiteral("E") + QString::number(e);
}

namespace {

QString superscript(int order)
{
    if (order == 1)
        return QString();
    if (order == 2)
        return QStringLiteral("²");
    if (order == 3)
        return QStringLiteral("³");
    return QStringLiteral("^") + QString::number(order);
}

} // namespace

QString factor_text(const Corner& c)
{
    return QStringLiteral("( 1 ") + (c.right_half ? QStringLiteral("- ") : QStringLiteral("+ ")) +
           QStringLiteral("s / ") + number(c.w) + QStringLiteral(" )") + superscript(c.order);
}

QString product_form(const TransferFunction& g)
{
    QStringList top, bottom;
    if (g.s_order > 0)
        top << QStringLiteral("s") + superscript(g.s_order);
    if (g.s_order < 0)
        bottom << QStringLiteral("s") + superscript(-g.s_order);
    for (const Corner& c : g.corners)
        (c.zero ? top : bottom) << factor_text(c);
    QString text = QStringLiteral("G(s) = ") + number(g.K);
    if (!top.isEmpty())
        text += QStringLiteral(" · ") + top.join(QStringLiteral(" · "));
    if (bottom.size() == 1)
        text += QStringLiteral(" / ") + bottom.front();
    else if (!bottom.isEmpty())
        text += QStringLiteral(" / [ ") + bottom.join(QStringLiteral(" · ")) + QStringLiteral(" ]");
    return text;
}

} // namespace tf
