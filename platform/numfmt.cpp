#include "platform/numfmt.h"

#include <QLocale>
#include <QRegularExpression>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace numfmt {

long long nearest(long double v)
{
    // llrintl honours the current rounding mode, which is round-to-nearest-even.
    return std::llrint(v);
}

// The C library's number functions follow LC_NUMERIC, which Qt sets from the
// environment; they are run under the "C" locale so that the separator is
// always the point before it is localised here.
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

static QString localised(QString s)
{
    const QString sep = QLocale().decimalPoint();
    if (sep != QLatin1String("."))
        s.replace(QLatin1Char('.'), sep);
    return s;
}

QString fixed(long double v, int decimals)
{
    return fixed(v, decimals, 0);
}

QString fixed(long double v, int decimals, int width)
{
    char buf[128];
    const CNumericLocale c;
    std::snprintf(buf, sizeof buf, "%*.*Lf", width, decimals, v);
    return localised(QString::fromLatin1(buf));
}

QString sci(long double v, int decimals)
{
    char buf[128];
    const CNumericLocale c;
    std::snprintf(buf, sizeof buf, "%.*LE", decimals, v);
    // C prints at least two exponent digits; the program's style has three.
    QString s = QString::fromLatin1(buf);
    const int e = s.indexOf(QLatin1Char('E'));
    if (e >= 0) {
        const QChar sign = s.at(e + 1);
        QString digits = s.mid(e + 2);
        while (digits.size() < 3)
            digits.prepend(QLatin1Char('0'));
        s = s.left(e + 1) + sign + digits;
    }
    return localised(s);
}

QString integer(long long v)
{
    return QString::number(v);
}

ParseResult parse(const QString& text, long double& value)
{
    if (text.isEmpty())
        return ParseResult::Empty;
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(text).hasMatch())
        return ParseResult::Invalid;
    const QByteArray latin = text.toLatin1();
    const CNumericLocale c;
    errno = 0;
    char* end = nullptr;
    const long double v = std::strtold(latin.constData(), &end);
    if (errno == ERANGE || !std::isfinite(v))
        return ParseResult::OutOfRange;
    value = v;
    return ParseResult::Ok;
}

} // namespace numfmt
