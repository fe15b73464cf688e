// libFuzzer target for number reading and writing. The first bytes choose
// the number of decimals, a field width and the decimal separator; the
// rest is read as a typed entry and, as raw bits, as a value to write.
// Any difference from the rules below aborts with the input that caused it.
#include "platform/numfmt.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// A written number read back: without the blanks of its field width and
// with the separator made a point again.
long double readBack(QString text)
{
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    long double v = 0;
    require(numfmt::parse(text, v) == numfmt::ParseResult::Ok);
    return v;
}

void checkWritten(long double v, int decimals, int width)
{
    const QString f = numfmt::fixed(v, decimals, width);
    const QString s = numfmt::sci(v, decimals);
    require(f.size() >= width);
    if (!std::isfinite(v))
        return;
    // Written with the point whatever the locale, as the course teaches.
    const qsizetype point = f.lastIndexOf(QLatin1Char('.'));
    require(decimals == 0 ? point < 0 : f.size() - point - 1 == decimals);
    const qsizetype e = s.indexOf(QLatin1Char('E'));
    require(e > 0 && s.size() - e >= 5); // sign and at least three digits
    // Enough decimals give the exact value back; values below the smallest
    // normal one (subnormal, or pseudo-denormal bit patterns) are written,
    // but reading takes them as beyond the range.
    if (decimals >= 20 && (std::fabs(v) >= std::numeric_limits<long double>::min() || v == 0))
        require(readBack(s) == v);
    // Rounded to the decimals shown, then to the nearest long double: at most
    // one unit of the last decimal apart.
    require(std::fabs(readBack(f) - v) <= std::pow(10.0L, -decimals));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const int decimals = data[0] % 130;
    const int width = data[1] % 40;
    static const QLocale point = QLocale::c();
    static const QLocale comma(QLocale::German, QLocale::Germany);
    QLocale::setDefault(data[2] & 1 ? comma : point);
    data += 3;
    size -= 3;

    // The entry: Latin-1 bytes, as a field would hold them.
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    long double v = 0;
    const numfmt::ParseResult r = numfmt::parse(text, v);
    if (r == numfmt::ParseResult::Ok) {
        require(std::isfinite(v));
        checkWritten(v, decimals, width);
    } else {
        require(v == 0); // nothing is stored from a rejected entry
    }

    // The same bytes as the bits of a long double: every pattern, NaNs and
    // infinities included. The invalid encodings of the 80-bit format
    // (pseudo-denormals, unnormals), which no arithmetic produces and on
    // which the processor and the C library disagree, must only be written
    // without harm; the checks take them with their integer bit made valid.
    if (size >= 10) {
        unsigned char bits[sizeof(long double)] = {};
        std::memcpy(bits, data, 10);
        long double raw = 0;
        std::memcpy(&raw, bits, sizeof raw);
        numfmt::fixed(raw, decimals, width);
        numfmt::sci(raw, decimals);
        const bool exponentZero = bits[8] == 0 && (bits[9] & 0x7f) == 0;
        bits[7] = exponentZero ? (bits[7] & 0x7f) : (bits[7] | 0x80);
        std::memcpy(&raw, bits, sizeof raw);
        checkWritten(raw, decimals, width);
    }
    return 0;
}
