#include "construction/transfer_function.h"

#include "chart/chart.h"
#include "platform/numfmt.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace tf {

namespace {

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
    // Starting points on the circles that the Newton polygon of the
    // coefficients gives, so that roots many decades apart are found alike.
    std::vector<int> hull;
    for (int k = 0; k <= d; ++k) {
        if (a[k] == 0)
            continue;
        const auto height = [&a](int i) { return std::log(std::fabs(a[i])); };
        while (hull.size() >= 2) {
            const int i = hull[hull.size() - 2], j = hull.back();
            if ((height(j) - height(i)) * (k - i) <= (height(k) - height(i)) * (j - i))
                hull.pop_back();
            else
                break;
        }
        hull.push_back(k);
    }
    std::vector<Complex> z;
    for (size_t e = 0; e + 1 < hull.size(); ++e) {
        const int n = hull[e + 1] - hull[e];
        const long double radius = std::pow(std::fabs(a[hull[e]] / a[hull[e + 1]]), 1.0L / n);
        for (int k = 0; k < n; ++k)
            z.push_back(std::polar(radius, 2 * std::numbers::pi_v<long double> * k / n + 0.4L + e));
    }
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

// Roots that Aberth's method returns for an m-fold root lie on a small
// circle of relative radius about (rounding error)^(1/m); this is the
// widest such circle taken for m roots (1E-8 for two, 1E-2 for six).
long double cluster_radius(size_t m)
{
    return 10 * std::pow(1E-18L, 1.0L / static_cast<long double>(m));
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
        if (disc < -1E-12L * scale) {
            // a s² + b s + k = k · ( 1 + 2·D·s / w0 + ( s / w0 )² )
            f.pairs.push_back({std::sqrt(k / a), b / (2 * std::sqrt(a * k)), 1});
        } else if (std::fabs(disc) <= 1E-12L * scale) {
            roots = {-b / (2 * a), -b / (2 * a)};
        } else {
            const long double q = -0.5L * (b + std::copysign(std::sqrt(disc), b));
            roots = {q / a, k / q};
        }
    } else if (d >= 3) {
        // A root with the most neighbours within the circle of their number
        // is one multiple root at their centre, which is far more accurate
        // than each member.
        const std::vector<Complex> z = all_roots(c);
        std::vector<bool> taken(z.size(), false);
        for (size_t i = 0; i < z.size(); ++i) {
            if (taken[i])
                continue;
            std::vector<size_t> near;
            for (size_t j = 0; j < z.size(); ++j)
                if (!taken[j])
                    near.push_back(j);
            std::sort(near.begin(), near.end(),
                      [&](size_t a, size_t b) { return std::abs(z[a] - z[i]) < std::abs(z[b] - z[i]); });
            std::vector<size_t> cluster = {i};
            Complex centre = z[i];
            for (size_t m = near.size(); m >= 2; --m) {
                Complex sum = 0;
                for (size_t k = 0; k < m; ++k)
                    sum += z[near[k]];
                const Complex mid = sum / static_cast<long double>(m);
                long double spread = 0;
                for (size_t k = 0; k < m; ++k)
                    spread = std::max(spread, std::abs(z[near[k]] - mid));
                if (spread <= cluster_radius(m) * std::abs(mid)) {
                    cluster.assign(near.begin(), near.begin() + static_cast<std::ptrdiff_t>(m));
                    centre = mid;
                    break;
                }
            }
            for (size_t j : cluster)
                taken[j] = true;
            if (!std::isfinite(centre.real()) || !std::isfinite(centre.imag()))
                return std::nullopt;
            // The members of a real multiple root need not be placed
            // symmetrically about the axis: within the circle it is real.
            const long double off_axis = cluster.size() > 1 ? std::max(1E-6L, cluster_radius(cluster.size())) : 1E-6L;
            if (std::fabs(centre.imag()) > off_axis * std::abs(centre)) {
                // The upper root of a pair stands for both.
                if (centre.imag() > 0)
                    f.pairs.push_back({std::abs(centre), -centre.real() / std::abs(centre),
                                       static_cast<int>(cluster.size())});
                continue;
            }
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

using Coefficients = std::vector<long double>; // c[0] = 1, degree >= 1

// A field's expression as it is read: k · s^n · product of polynomials,
// each with an exponent (a negative one dividing). Polynomials are kept
// unfactored until the whole field has been read; a polynomial that occurs
// again only changes its exponent.
struct Value {
    long double k = 1;
    int n = 0;
    std::vector<std::pair<Coefficients, int>> factors;
    bool sum = false;

    int degree() const
    {
        int d = std::abs(n);
        for (const auto& [c, e] : factors)
            d += std::abs(e) * static_cast<int>(c.size() - 1);
        return d;
    }
};

// Quoted input in a message, shortened where it is long.
QString quoted(const QString& text)
{
    return QStringLiteral("»") + (text.size() > 24 ? text.left(20) + QStringLiteral(" …") : text) + QStringLiteral("«");
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

    [[noreturn]] void fail(const QString& what) const { throw ParseError{field_ + QStringLiteral(": ") + what}; }

private:
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
    static bool number_start(QChar c) { return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char(','); }
    bool starts_factor() const
    {
        const QChar c = peek();
        return number_start(c) || c.isLetter() || opening(c);
    }

    void check_degree(const Value& v) const
    {
        if (v.degree() > highest_degree)
            fail(QStringLiteral("Polynome über dem %1. Grad werden nicht unterstützt.").arg(highest_degree));
    }

    // The constant of a product or quotient: a product of numbers that
    // leaves the range of the reals is refused, never carried on.
    long double product(long double a, long double b, int sign) const
    {
        const long double k = sign > 0 ? a * b : a / b;
        if (!std::isfinite(k) || (k == 0 && a != 0 && b != 0))
            fail(QStringLiteral("Die Zahlen ergeben zusammen einen Wert, der zu groß oder zu klein ist."));
        return k;
    }

    Value multiply(Value a, const Value& b, int sign) const
    {
        a.k = product(a.k, b.k, sign);
        a.n += sign * b.n;
        a.sum = a.sum || b.sum;
        for (const auto& factor : b.factors) {
            const auto same_poly = std::find_if(a.factors.begin(), a.factors.end(),
                                                [&factor](const auto& f) { return f.first == factor.first; });
            if (same_poly != a.factors.end())
                same_poly->second += sign * factor.second;
            else
                a.factors.push_back({factor.first, sign * factor.second});
        }
        std::erase_if(a.factors, [](const auto& f) { return f.second == 0; });
        check_degree(a);
        return a;
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
            if (!peek().isDigit() || peek().digitValue() < 0 || peek().digitValue() > 9)
                fail(QStringLiteral("Nach  ^  ist nur eine ganze Zahl von 0 bis 9 als Exponent erlaubt."));
            e = peek().digitValue();
            ++pos_;
            if (number_start(peek()))
                fail(QStringLiteral("Nach  ^  ist nur eine ganze Zahl von 0 bis 9 als Exponent erlaubt."));
        }
        skip();
        if (e == 1)
            return v;
        // The degree is checked before the power is taken: at most 10 · 9.
        Value p;
        p.sum = v.sum;
        p.n = v.n * e; // |n| <= 10 before
        p.k = 1;
        for (int i = 0; i < e; ++i)
            p.k = product(p.k, v.k, 1);
        if (e > 0)
            for (const auto& [c, m] : v.factors)
                p.factors.push_back({c, m * e});
        check_degree(p);
        return p;
    }

    Value atom()
    {
        const QChar c = peek();
        if (opening(c)) {
            const QChar closing = c == QLatin1Char('(') ? QLatin1Char(')') : QLatin1Char(']');
            if (++depth_ > deepest_nesting)
                fail(QStringLiteral("Klammern dürfen höchstens %1fach verschachtelt sein.").arg(deepest_nesting));
            ++pos_;
            skip();
            if (at_end())
                fail(QStringLiteral("Nach einer öffnenden Klammer fehlt der Ausdruck."));
            Value v = expression();
            if (peek() != closing)
                fail(QStringLiteral("Eine Klammer  %1  wird nicht geschlossen.").arg(c));
            --depth_;
            ++pos_;
            skip();
            return v;
        }
        if (number_start(c))
            return number();
        if (c.isLetter()) {
            const qsizetype start = pos_;
            while (!at_end() && t_[pos_].isLetter())
                ++pos_;
            const QString word = t_.mid(start, pos_ - start);
            skip();
            if (word == QLatin1String("s"))
                return Value{1, 1, {}, false};
            // The unit of the course's notation: frequencies are in 1/sec.
            if (word == QLatin1String("sec"))
                return Value{};
            fail(QStringLiteral("%1 ist weder eine Zahl noch die Variable  s .").arg(quoted(word)));
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
        while (!at_end() && number_start(t_[pos_]))
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
        const QString typed = t_.mid(start, pos_ - start);
        QString text = typed;
        text.replace(QLatin1Char(','), QLatin1Char('.')).replace(QChar(0x2212), QLatin1Char('-'));
        long double v = 0;
        if (numfmt::parse(text, v) != numfmt::ParseResult::Ok || !std::isfinite(v))
            fail(QStringLiteral("%1 ist keine gültige Zahl.").arg(quoted(typed)));
        const qsizetype end = pos_;
        skip();
        // "1 500" is no product of 1 and 500.
        if (pos_ > end && number_start(peek()))
            fail(QStringLiteral("Zwischen %1 und der folgenden Zahl steht an Stelle %2 ein Leerzeichen; "
                                "schreiben Sie Zahlen ohne Leerzeichen.")
                     .arg(quoted(typed))
                     .arg(end + 1));
        return Value{v, 0, {}, false};
    }

    // A sum is formed of the two polynomials' coefficients; it is factored
    // only when the whole field has been read.
    Value add(const Value& a, const Value& b) const
    {
        const auto polynomial = [](const Value& v) {
            return v.n >= 0 && std::all_of(v.factors.begin(), v.factors.end(), [](const auto& f) { return f.second > 0; });
        };
        if (!polynomial(a) || !polynomial(b))
            fail(QStringLiteral("Innerhalb einer Summe darf nur durch Zahlen geteilt werden; "
                                "schreiben Sie Brüche mit  s  als Zähler und Nenner."));
        if (a.n == 0 && b.n == 0 && a.factors.empty() && b.factors.empty()) { // two numbers
            Value v{a.k + b.k, 0, {}, a.sum || b.sum};
            if (!std::isfinite(v.k))
                fail(QStringLiteral("Die Koeffizienten der Summe werden zu groß."));
            return v;
        }
        Coefficients ca = expand(a), cb = expand(b);
        if (ca.size() < cb.size())
            ca.resize(cb.size(), 0);
        for (size_t i = 0; i < cb.size(); ++i)
            ca[i] += cb[i];
        for (long double x : ca)
            if (!std::isfinite(x))
                fail(QStringLiteral("Die Koeffizienten der Summe werden zu groß."));
        while (!ca.empty() && ca.back() == 0)
            ca.pop_back();
        Value v;
        // A sum of the second degree or more has to be factored.
        v.sum = a.sum || b.sum;
        if (ca.empty()) {
            v.k = 0;
            return v;
        }
        while (ca[static_cast<size_t>(v.n)] == 0)
            ++v.n;
        ca.erase(ca.begin(), ca.begin() + v.n);
        v.k = ca[0];
        for (long double& x : ca) {
            const long double scaled = x / v.k;
            if (!std::isfinite(scaled) || (scaled == 0) != (x == 0))
                fail(QStringLiteral("Die Koeffizienten der Summe liegen zu weit auseinander."));
            x = scaled;
        }
        if (ca.size() > 1)
            v.factors.push_back({ca, 1});
        v.sum = v.sum || ca.size() > 2;
        return v;
    }

    // The coefficients of k · s^n · product of the factors (degree <= 10).
    Coefficients expand(const Value& v) const
    {
        Coefficients c(static_cast<size_t>(v.n), 0);
        c.push_back(v.k);
        for (const auto& [f, e] : v.factors)
            for (int m = 0; m < e; ++m) {
                Coefficients next(c.size() + f.size() - 1, 0);
                for (size_t i = 0; i < c.size(); ++i)
                    for (size_t j = 0; j < f.size(); ++j)
                        next[i + j] += c[i] * f[j];
                c = next;
            }
        return c;
    }

    const QString& t_;
    QString field_;
    qsizetype pos_ = 0;
    int depth_ = 0;
};

// Merges equal roots and drops those that cancel.
void merge_roots(std::vector<std::pair<long double, int>>& roots)
{
    std::sort(roots.begin(), roots.end());
    std::vector<std::pair<long double, int>> merged;
    for (const auto& r : roots) {
        if (!merged.empty() && same(merged.back().first, r.first, same_root))
            merged.back().second += r.second;
        else
            merged.push_back(r);
    }
    std::erase_if(merged, [](const auto& r) { return r.second == 0; });
    roots = merged;
}

// Merges equal pairs and drops those that cancel.
void merge_pairs(std::vector<FieldForm::Pair>& pairs)
{
    std::sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) {
        return a.w0 != b.w0 ? a.w0 < b.w0 : a.D < b.D;
    });
    std::vector<FieldForm::Pair> merged;
    for (const auto& q : pairs) {
        if (!merged.empty() && same(merged.back().w0, q.w0, same_root) && std::fabs(merged.back().D - q.D) <= 1E-9L)
            merged.back().order += q.order;
        else
            merged.push_back(q);
    }
    std::erase_if(merged, [](const auto& q) { return q.order == 0; });
    pairs = merged;
}

// The factoring step of one field: each of its polynomials factored once.
FieldForm factor_field(const Value& v, const Parser& p)
{
    const auto unresolved = [&p] {
        p.fail(QStringLiteral("Die Wurzeln eines Polynoms lassen sich nicht genau genug bestimmen; "
                              "geben Sie es in Produktform ein."));
    };
    FieldForm f;
    f.k = v.k;
    f.n = v.n;
    f.sum = v.sum;
    for (const auto& [c, e] : v.factors) {
        const std::optional<Factored> factored = factor_polynomial(c);
        if (!factored)
            unresolved();
        for (const auto& [root, m] : factored->roots) {
            if (!std::isfinite(root) || root == 0)
                unresolved();
            f.roots.push_back({root, m * e});
        }
        for (const FieldForm::Pair& pair : factored->pairs) {
            if (!std::isfinite(pair.w0) || !std::isfinite(pair.D))
                unresolved();
            if (std::fabs(pair.D) < 1E-6L)
                p.fail(QStringLiteral("Das Polynom hat ein Wurzelpaar auf der imaginären Achse ( Dämpfung  D = 0 ): "
                                      "die Resonanzüberhöhung wäre unendlich."));
            f.pairs.push_back({pair.w0, pair.D, pair.order * e});
        }
    }
    merge_roots(f.roots);
    merge_pairs(f.pairs);
    return f;
}

} // namespace

Parsed parse(const QString& numerator, const QString& denominator)
{
    Parsed out;
    out.numerator = numerator.simplified();
    out.denominator = denominator.simplified();
    try {
        const Parser pn(numerator, QStringLiteral("Zähler"));
        const Parser pd(denominator, QStringLiteral("Nenner"));
        const Value n = Parser(pn).parse();
        const Value d = Parser(pd).parse();
        if (d.k == 0) {
            out.message = QStringLiteral("Der Nenner ist null: durch null kann nicht geteilt werden.");
            return out;
        }
        if (n.k == 0) {
            out.message = QStringLiteral("Der Zähler ist null: G(s) = 0 hat kein Bode-Diagramm.");
            return out;
        }
        out.numerator_form = factor_field(n, pn);
        out.denominator_form = factor_field(d, pd);
    } catch (const ParseError& e) {
        out.message = e.message;
        return out;
    }
    const FieldForm& fn = out.numerator_form;
    const FieldForm& fd = out.denominator_form;
    TransferFunction result;
    result.K = fn.k / fd.k;
    result.s_order = fn.n - fd.n;
    if (!std::isfinite(result.K) || result.K == 0) {
        out.message = QStringLiteral("Die Konstante  K  der Funktion ist zu groß oder zu klein.");
        return out;
    }
    std::vector<std::pair<long double, int>> roots = fn.roots;
    for (const auto& [root, m] : fd.roots)
        roots.push_back({root, -m});
    merge_roots(roots);
    std::vector<FieldForm::Pair> pairs = fn.pairs;
    for (const auto& q : fd.pairs)
        pairs.push_back({q.w0, q.D, -q.order});
    merge_pairs(pairs);
    // A pair is one corner at w0; it stands in the range check as a root.
    for (const auto& q : pairs)
        roots.push_back({q.w0, 0});
    for (const auto& [root, multiplicity] : roots) {
        const long double w = std::fabs(root);
        if (!(w >= lowest_corner * (1 - same_root) && w <= highest_corner * (1 + same_root))) {
            out.message = QStringLiteral("Die Eckkreisfrequenz %1 liegt außerhalb des darstellbaren Bereichs "
                                         "1E-5 ... 1E11 ( das Diagramm reicht von 1E-6 bis 1E12 und zeigt eine Dekade "
                                         "zu beiden Seiten jeder Eckkreisfrequenz ).")
                              .arg(number(w));
            return out;
        }
        if (multiplicity != 0)
            result.corners.push_back({w, std::abs(multiplicity), multiplicity > 0, root > 0});
    }
    for (const auto& q : pairs)
        result.corners.push_back({q.w0, std::abs(q.order), q.order > 0, q.D < 0, std::fabs(q.D)});
    std::stable_sort(result.corners.begin(), result.corners.end(), [](const Corner& a, const Corner& b) {
        if (a.w != b.w)
            return a.w < b.w;
        return a.zero > b.zero;
    });
    const Ranges r = choose_ranges(result);
    // The polygon stores hold ten vertices.
    const size_t mag = total_magnitude(result, r.fmin, r.fmax).size();
    const size_t phase = total_phase(result, r.fmin, r.fmax).size();
    if (std::max(mag, phase) > 10) {
        out.message = QStringLiteral("Der Polygonzug des Gesamtverlaufs hätte %1 Eckpunkte; das Programm "
                                     "zeichnet höchstens 10. Wählen Sie weniger oder weiter auseinander "
                                     "liegende Eckkreisfrequenzen.")
                          .arg(std::max(mag, phase));
        return out;
    }
    if (!r.problem.isEmpty()) {
        out.message = r.problem;
        return out;
    }
    out.g = result;
    return out;
}


// ------------------------------------------------------------- asymptotes

long double base_phase(const TransferFunction& g)
{
    return 90.0L * g.s_order + (g.K < 0 ? -180.0L : 0.0L);
}

int magnitude_step(const Corner& c)
{
    return (c.zero ? 20 : -20) * c.order * (c.pair() ? 2 : 1);
}

long double ramp_start(const Corner& c)
{
    return c.pair() ? c.w * std::pow(10.0L, -c.damping) : c.w / 10;
}

long double ramp_end(const Corner& c)
{
    return c.pair() ? c.w * std::pow(10.0L, c.damping) : c.w * 10;
}

int phase_step(const Corner& c)
{
    // A root in the right half plane turns the angle the other way.
    return (c.zero != c.right_half ? 90 : -90) * c.order * (c.pair() ? 2 : 1);
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

long double ramp(long double w, const Corner& c)
{
    // 0 at the ramp's start, 1 at its end, linear in lg w.
    const long double half = c.pair() ? c.damping : 1;
    return std::clamp((lg(w / c.w) + half) / (2 * half), 0.0L, 1.0L);
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
        breaks.push_back(ramp_start(c));
        breaks.push_back(ramp_end(c));
    }
    return polygon(
        [&g](long double w) {
            long double phi = base_phase(g);
            for (const Corner& c : g.corners)
                phi += phase_step(c) * ramp(w, c);
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
    return polygon([&c](long double w) { return phase_step(c) * ramp(w, c); }, {ramp_start(c), ramp_end(c)}, fmin,
                   fmax);
}

long double value_at(const Polygon& p, long double freq)
{
    for (size_t k = 0; k + 1 < p.size(); ++k)
        if (freq <= p[k + 1].freq)
            return p[k].value + (p[k + 1].value - p[k].value) * lg(freq / p[k].freq) / lg(p[k + 1].freq / p[k].freq);
    return p.back().value;
}

namespace {

// One factor at s = jw: 1 ± jw / w, or 1 - (w / w0)² ± j 2·D·w / w0.
std::complex<long double> factor_at(const Corner& c, long double w)
{
    const long double x = w / c.w;
    const long double sign = c.right_half ? -1 : 1;
    return c.pair() ? std::complex<long double>(1 - x * x, sign * 2 * c.damping * x)
                    : std::complex<long double>(1, sign * x);
}

} // namespace

long double exact_db(const TransferFunction& g, long double w)
{
    long double db = 20 * lg(std::fabs(g.K)) + 20.0L * g.s_order * lg(w);
    for (const Corner& c : g.corners)
        db += (c.zero ? 10.0L : -10.0L) * c.order * lg(std::norm(factor_at(c, w)));
    return db;
}

long double exact_phase(const TransferFunction& g, long double w)
{
    long double phi = base_phase(g);
    for (const Corner& c : g.corners)
        phi += (c.zero ? 1.0L : -1.0L) * c.order * std::arg(factor_at(c, w)) * 180 / std::numbers::pi_v<long double>;
    return phi;
}

Polygon clip(const Polygon& p, long double low, long double high)
{
    constexpr long double eps = 1E-9L;
    // A vertex a rounding error beyond the band lies on its edge, so that a
    // level on the edge runs on to the chart's end.
    Polygon q;
    for (Point pt : p) {
        if (!std::isfinite(pt.value) || !std::isfinite(pt.freq))
            return {};
        if (std::fabs(pt.value - low) <= eps * std::max(1.0L, std::fabs(low)))
            pt.value = low;
        if (std::fabs(pt.value - high) <= eps * std::max(1.0L, std::fabs(high)))
            pt.value = high;
        if (q.empty() || pt.freq > q.back().freq)
            q.push_back(pt);
    }
    Polygon out;
    if (q.size() == 1) {
        if (q[0].value >= low && q[0].value <= high)
            out = q;
        return out;
    }
    // Where a segment crosses an edge, the point lies on it exactly.
    const auto at = [low, high](const Point& a, const Point& b, long double t) {
        if (t <= 0)
            return a;
        if (t >= 1)
            return b;
        const long double v = a.value + t * (b.value - a.value);
        return Point{a.freq * std::pow(b.freq / a.freq, t), std::fabs(v - low) < std::fabs(v - high) ? low : high};
    };
    for (size_t i = 0; i + 1 < q.size(); ++i) {
        const Point& a = q[i];
        const Point& b = q[i + 1];
        long double t0 = 0, t1 = 1;
        if (a.value == b.value) {
            if (a.value < low || a.value > high)
                t0 = 2; // nothing of this segment lies inside
        } else {
            const long double ta = (low - a.value) / (b.value - a.value);
            const long double tb = (high - a.value) / (b.value - a.value);
            t0 = std::max(0.0L, std::min(ta, tb));
            t1 = std::min(1.0L, std::max(ta, tb));
        }
        if (t0 > t1) {
            if (!out.empty())
                break;
            continue;
        }
        if (out.empty())
            out.push_back(at(a, b, t0));
        else if (t0 > 0)
            break; // left the band and came back: only the first piece
        const Point end = at(a, b, t1);
        if (end.freq > out.back().freq)
            out.push_back(end);
        if (t1 < 1)
            break;
    }
    if (out.size() < 2)
        out.clear();
    return out;
}

namespace {

// "-12.5 dB", "+140 dB".
QString level(long double v, const QString& unit)
{
    return (v > 0 ? QStringLiteral("+") : QString()) + QString::number(static_cast<double>(std::round(v * 10) / 10)) +
           unit;
}

} // namespace

Ranges choose_ranges(const TransferFunction& g)
{
    Ranges r{};
    // Where there is no corner, the line of K · s^n crosses 0 dB in the
    // middle; a constant is shown around w = 1.
    long double lo = 0, hi = 0; // decades
    if (!g.corners.empty()) {
        lo = lg(g.corners.front().w);
        hi = lg(g.corners.back().w);
    } else if (g.s_order != 0) {
        lo = hi = std::clamp(-lg(std::fabs(g.K)) / g.s_order, lg(lowest_corner), lg(highest_corner));
    }
    r.fmin = std::max(lowest_corner / 10, std::pow(10.0L, std::floor(lo + 1E-9L) - 1));
    r.fmax = std::min(highest_corner * 10, std::pow(10.0L, std::ceil(hi - 1E-9L) + 1));

    // Every polygon of the construction: the totals whole, each partial
    // curve with its break and a decade beyond (the line of K · s^n is the
    // total's first section).
    long double top = -HUGE_VALL, bottom = HUGE_VALL;
    // A level that reaches a limit of the chart through logarithms may lie
    // beyond it by a rounding error (1 · (1 + s/1E-3) / (1 + s/1E4): 140 dB).
    constexpr long double slack = 1E-9L;
    const auto take = [&top, &bottom](long double v) {
        top = std::max(top, v);
        bottom = std::min(bottom, v);
    };
    const Polygon total = total_magnitude(g, r.fmin, r.fmax);
    const auto band = [&](bool whole) {
        top = -HUGE_VALL;
        bottom = HUGE_VALL;
        for (const Point& p : total)
            if (whole || p.freq == r.fmin || (!g.corners.empty() && p.freq <= g.corners.back().w * (1 + 1E-9L)))
                take(p.value);
        for (const Corner& c : g.corners) {
            take(0);
            take(magnitude_step(c));
            if (c.pair()) // the exact level at w0, marked on the partial curve
                take(exact_db({1, 0, {c}}, c.w));
        }
        return top <= 140 + slack && bottom >= -140 - slack;
    };
    // The margin where the chart's limits leave room for it.
    const auto grid = [](long double v, long double margin, long double step, long double limit) {
        const long double line = step * (margin > 0 ? std::ceil((v + margin) / step) : std::floor((v + margin) / step));
        return std::fabs(line) > limit && std::fabs(v) <= limit + slack ? std::copysign(limit, line) : line;
    };
    // Where the whole total does not fit, its last section may leave the
    // chart beyond the last corner.
    if (!band(true))
        band(false);
    const long double db_top = grid(top, db_margin, 20, 140);
    long double db_bottom = grid(bottom, -db_margin, 20, 140);
    if (!(db_top <= 140 && db_bottom >= -140)) {
        r.problem = QStringLiteral("Die Polygonzüge des Betrags reichen von %1 bis %2; das Diagramm zeigt nur "
                                   "- 140 dB ... + 140 dB.")
                        .arg(level(bottom, QStringLiteral(" dB")), level(top, QStringLiteral(" dB")));
        return r;
    }
    long double mag_top = db_top;
    if (mag_top - db_bottom < 40) {
        if (mag_top + 20 <= 140)
            mag_top += 20;
        if (mag_top - db_bottom < 40)
            db_bottom -= 20;
    }
    r.bmax = std::pow(10.0L, mag_top / 20);
    r.bmin = std::pow(10.0L, db_bottom / 20);

    top = std::max(0.0L, base_phase(g));
    bottom = std::min(0.0L, base_phase(g));
    for (const Point& p : total_phase(g, r.fmin, r.fmax))
        take(p.value);
    for (const Corner& c : g.corners)
        take(phase_step(c));
    const long double phi_top = grid(top, degree_margin, 90, 630);
    const long double phi_bottom = grid(bottom, -degree_margin, 90, 630);
    if (!(phi_top <= 630 && phi_bottom >= -630)) {
        r.problem = QStringLiteral("Die Polygonzüge des Phasenwinkels reichen von %1 bis %2; das Diagramm zeigt nur "
                                   "- 630° ... + 630°.")
                        .arg(level(bottom, QStringLiteral("°")), level(top, QStringLiteral("°")));
        return r;
    }
    r.pmax = static_cast<int>(phi_top);
    r.pmin = static_cast<int>(phi_bottom);

    // The sheet has about 240 mm for both diagrams, as on the worked examples.
    const int steps90 = (r.pmax - r.pmin) / 90;
    const int steps20 = static_cast<int>(std::lround((mag_top - db_bottom) / 20));
    r.mm_per_90deg = std::clamp(120 / steps90, 10, 45);
    r.mm_per_20dB = std::clamp((240 - steps90 * r.mm_per_90deg) / steps20, 5, 50);
    return r;
}

// ------------------------------------------------------------- texts

QString number(long double v)
{
    if (v == 0)
        return QStringLiteral("0");
    if (!std::isfinite(v)) // never shown: the reader refuses such values
        return QString::number(static_cast<double>(v));
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

QString coefficient(long double v)
{
    const QString s = QString::number(static_cast<double>(v), 'g', 15);
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    return e < 0 ? s : s.left(e) + QStringLiteral("E") + QString::number(s.mid(e + 1).toInt());
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
    const QString sign = c.right_half ? QStringLiteral("- ") : QStringLiteral("+ ");
    if (c.pair())
        return QStringLiteral("( 1 ") + sign + QStringLiteral("2·") + number(c.damping) + QStringLiteral("·s / ") +
               number(c.w) + QStringLiteral(" + ( s / ") + number(c.w) + QStringLiteral(" )² )") + superscript(c.order);
    return QStringLiteral("( 1 ") + sign + QStringLiteral("s / ") + number(c.w) + QStringLiteral(" )") + superscript(c.order);
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
