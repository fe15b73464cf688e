#include "platform/numfmt.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace numfmt {

long long nearest(long double v)
{
    // llrintl honours the current rounding mode, which is round-to-nearest-even.
    return std::llrint(v);
}

// The C library's number functions follow LC_NUMERIC, which Qt sets from the
// environment; they are run under the "C" locale so that the separator is
// always the point, as the lessons teach and write it, on every system.
namespace {
class CNumericLocale {
public:
    CNumericLocale()
    {
        static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", nullptr);
        previous_ = uselocale(c);
    }
    ~CNumericLocale() { uselocale(previous_); }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    locale_t previous_;
};
} // namespace

// A long double has no more than this many decimals in its exact decimal
// expansion (the smallest subnormal, 2^-16445, has 16445); every further
// decimal is a zero. Asking the C library only for this many bounds the
// buffer; the zeros beyond are appended here.
constexpr int maxSignificantDecimals = 16500;

// printf of one long double into a buffer as large as the result needs.
static std::string printed(const char* format, int precision, long double v)
{
    const CNumericLocale c;
    const int length = std::snprintf(nullptr, 0, format, precision, v);
    if (length < 0)
        return std::string();
    std::string buf(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(buf.data(), buf.size(), format, precision, v);
    buf.resize(static_cast<size_t>(length));
    return buf;
}

// Appends the zero decimals beyond those the C library was asked for, at
// `at` (the end of the mantissa); infinities and NaNs have no decimals.
static void padDecimals(std::string& s, size_t at, int decimals)
{
    if (decimals > maxSignificantDecimals && s.find('.') != std::string::npos)
        s.insert(at, static_cast<size_t>(decimals - maxSignificantDecimals), '0');
}

QString fixed(long double v, int decimals)
{
    return fixed(v, decimals, 0);
}

QString fixed(long double v, int decimals, int width)
{
    decimals = std::max(decimals, 0);
    std::string s = printed("%.*Lf", std::min(decimals, maxSignificantDecimals), v);
    padDecimals(s, s.size(), decimals);
    QString text = QString::fromLatin1(s.data(), qsizetype(s.size()));
    if (width > text.size())
        text.prepend(QString(width - text.size(), QLatin1Char(' ')));
    return text;
}

QString sci(long double v, int decimals)
{
    decimals = std::max(decimals, 0);
    std::string s = printed("%.*LE", std::min(decimals, maxSignificantDecimals), v);
    const size_t e = s.find('E');
    if (e == std::string::npos) // INF, NAN
        return QString::fromLatin1(s.data(), qsizetype(s.size()));
    padDecimals(s, e, decimals);
    // C prints at least two exponent digits; the program's style has three.
    const size_t exponent = s.find('E') + 2;
    if (s.size() - exponent < 3)
        s.insert(exponent, 3 - (s.size() - exponent), '0');
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

QString integer(long long v)
{
    return QString::number(v);
}

// The grammar is checked by one forward scan: no backtracking, so the
// time grows only linearly with the length of the text.
static bool isNumber(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
            ++i;
        return i - from;
    };
    const auto sign = [&] {
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            ++i;
    };
    sign();
    qsizetype mantissa = digits();
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        sign();
        if (digits() == 0)
            return false;
    }
    return i == n;
}

ParseResult parse(const QString& text, long double& value)
{
    if (text.isEmpty())
        return ParseResult::Empty;
    if (!isNumber(text))
        return ParseResult::Invalid;
    const QByteArray latin = text.toLatin1();
    const CNumericLocale c;
    errno = 0;
    const long double v = std::strtold(latin.constData(), nullptr);
    if (errno == ERANGE || !std::isfinite(v))
        return ParseResult::OutOfRange;
    value = v;
    return ParseResult::Ok;
}

} // namespace numfmt
