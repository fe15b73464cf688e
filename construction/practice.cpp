#include "construction/practice.h"

#include "construction/transfer_function.h"

#include <QStringList>
#include <cmath>
#include <vector>

namespace practice {

namespace {

struct Root {
    long double w; // corner frequency
    int order;
    bool zero;
    bool right_half;
};

struct Draft {
    long double K = 1;
    int s_order = 0;
    std::vector<Root> roots;
};

// A number on the 1-2-5 steps between 10^low and 10^high.
long double step_125(const std::function<long double()>& uniform, int low, int high)
{
    static const long double mantissa[] = {1, 2, 5};
    const int decade = low + static_cast<int>(uniform() * (high - low + 1));
    return mantissa[static_cast<int>(uniform() * 3)] * std::pow(10.0L, static_cast<long double>(decade));
}

Draft draw(bool advanced, const std::function<long double()>& uniform)
{
    Draft d;
    d.K = step_125(uniform, -1, 2);
    if (advanced && uniform() < 0.3L)
        d.K = -d.K;
    const long double part = uniform();
    d.s_order = part < 0.25L ? -1 : part < 0.4L ? 1 : 0;
    const int factors = 2 + static_cast<int>(uniform() * 4);
    bool all_pass = false;
    while (static_cast<int>(d.roots.size()) < factors) {
        Root r{step_125(uniform, -2, 3), 1, uniform() < 0.4L, false};
        bool taken = false;
        for (const Root& o : d.roots)
            taken = taken || o.w == r.w;
        if (taken)
            continue;
        if (advanced && uniform() < 0.25L)
            r.order = 2;
        if (advanced && r.zero && r.order == 1 && !all_pass && uniform() < 0.3L)
            r.right_half = all_pass = true;
        d.roots.push_back(r);
    }
    return d;
}

QString power(const QString& base, int order)
{
    return order == 1 ? base : base + QStringLiteral("^") + QString::number(order);
}

QString join_product(QStringList parts)
{
    return parts.isEmpty() ? QStringLiteral("1") : parts.join(QStringLiteral(" · "));
}

Task product_form(const Draft& d)
{
    QStringList top = {tf::coefficient(d.K)}, bottom;
    if (d.s_order != 0)
        (d.s_order > 0 ? top : bottom) << QStringLiteral("s");
    for (const Root& r : d.roots)
        (r.zero ? top : bottom) << power(QStringLiteral("(1 ") + (r.right_half ? QStringLiteral("- ") : QStringLiteral("+ ")) +
                                             QStringLiteral("s/") + tf::coefficient(r.w) + QStringLiteral(")"),
                                         r.order);
    return {join_product(top), join_product(bottom)};
}

// c · s^n · product of ( s ∓ w )^order, multiplied out: "2 s^3 + 13 s^2 - 20 s".
QString sum(long double c, int n, const std::vector<Root>& roots)
{
    std::vector<long double> p(static_cast<size_t>(n), 0);
    p.push_back(c);
    for (const Root& r : roots)
        for (int m = 0; m < r.order; ++m) {
            std::vector<long double> next(p.size() + 1, 0);
            for (size_t i = 0; i < p.size(); ++i) {
                next[i + 1] += p[i];
                next[i] += p[i] * (r.right_half ? -r.w : r.w);
            }
            p = next;
        }
    QString text;
    for (size_t i = p.size(); i-- > 0;) {
        if (p[i] == 0)
            continue;
        const long double a = std::fabs(p[i]);
        const QString s = i == 0 ? QString() : i == 1 ? QStringLiteral("s") : QStringLiteral("s^") + QString::number(i);
        QString term = i > 0 && a == 1 ? s : tf::coefficient(a) + (s.isEmpty() ? QString() : QStringLiteral(" ") + s);
        if (text.isEmpty())
            text = (p[i] < 0 ? QStringLiteral("-") : QString()) + term;
        else
            text += (p[i] < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + term;
    }
    return text;
}

Task sum_form(const Draft& d)
{
    // ( 1 + s / w ) = ( s + w ) / w: the constant of the numerator.
    long double c = d.K;
    std::vector<Root> zeros, poles;
    for (const Root& r : d.roots) {
        const long double scale = std::pow(r.right_half ? -r.w : r.w, static_cast<long double>(r.order));
        if (r.zero) {
            c /= scale;
            zeros.push_back(r);
        } else {
            c *= scale;
            poles.push_back(r);
        }
    }
    return {sum(c, std::max(0, d.s_order), zeros), sum(1, std::max(0, -d.s_order), poles)};
}

// The reader accepts it and both totals run from the chart's left edge to
// its right edge.
bool fits(const Task& t)
{
    const tf::Parsed p = tf::parse(t.numerator, t.denominator);
    if (!p.g)
        return false;
    const tf::Ranges r = tf::choose_ranges(*p.g);
    const tf::Polygon m = tf::clip(tf::total_magnitude(*p.g, r.fmin, r.fmax), std::round(20 * std::log10(r.bmin)),
                                   std::round(20 * std::log10(r.bmax)));
    const tf::Polygon phi = tf::clip(tf::total_phase(*p.g, r.fmin, r.fmax), r.pmin, r.pmax);
    const auto whole = [&r](const tf::Polygon& q) {
        return !q.empty() && q.front().freq == r.fmin && q.back().freq == r.fmax;
    };
    return whole(m) && whole(phi);
}

} // namespace

Task random_function(bool advanced, bool sums, const std::function<long double()>& uniform)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        const Draft d = draw(advanced, uniform);
        const Task t = sums ? sum_form(d) : product_form(d);
        if (fits(t))
            return t;
    }
    // Practically never reached: the test function of the page.
    return sums ? Task{QStringLiteral("10 s + 500"), QStringLiteral("s^2 + 5 s")}
                : Task{QStringLiteral("10 · (1 + s/50)"), QStringLiteral("s · (1 + s/5)")};
}

} // namespace practice
