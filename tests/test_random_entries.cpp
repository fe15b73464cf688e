// Random entries, with a fixed seed, through the real checks of both input
// fields in every kind of both exercises: each rejection is reported once,
// nothing out of range or non-finite is stored, and what a field shows
// reads back as the value stored.
#include "testutil.h"

#include "platform/numfmt.h"

#include <cmath>
#include <random>

using namespace testutil;

namespace {

// QVERIFY2 formats its message even when the check holds.
#define CHECKED(condition, message)                                                                           \
    do {                                                                                                       \
        if (!(condition))                                                                                      \
            QFAIL(qPrintable(message));                                                                        \
    } while (false)

constexpr unsigned long long seed = 4711;
constexpr int entryCount = 100000;

class Entries {
public:
    explicit Entries(unsigned long long s) : random_(s) {}

    QString next()
    {
        switch (below(3)) {
        case 0: return number();
        case 1: return nearBound();
        default: return garbage();
        }
    }

    int below(int n) { return int(random_() % unsigned(n)); }

private:
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar('0' + below(10));
        return s;
    }

    // A number as a student could write it, with the comma or the point,
    // leading blanks and exponents of any size.
    QString number()
    {
        QString s = QString(below(4) == 0 ? below(4) : 0, ' ');
        if (below(3) == 0)
            s += below(2) ? '-' : '+';
        s += digits(below(6));
        if (below(2))
            s += QString(below(2) ? '.' : ',') + digits(below(25));
        if (below(3) == 0)
            s += QString(below(2) ? 'e' : 'E') + (below(2) ? "-" : "") + QString::number(below(2) ? below(20) : below(6000));
        return s;
    }

    // A value close to where the ranges of the fields end.
    QString nearBound()
    {
        static const long double bounds[] = {0.001L, 1000.0L, 1e-5L, 100.0L, 1e6L, 9.99L, 100.1L, 40.04L, 90.1L,
                                             -40.04L, -90.1L, 180.1L, -180.1L, -100.0L, 40.0L};
        const long double v = bounds[below(int(std::size(bounds)))] * (1 + (below(2001) - 1000) * 1e-5L);
        return numfmt::sci(v, below(8));
    }

    QString garbage()
    {
        static const QString alphabet = QString::fromUtf8("0123456789.,+-eE \n\t\rxä");
        QString s;
        for (int n = below(2) ? below(12) : below(130); n > 0; --n)
            s += alphabet.at(below(int(alphabet.size())));
        return s;
    }

    std::mt19937_64 random_;
};

struct Range {
    long double low, high;
};

// The accepted values of a field in the current exercise, with the margins.
Range rangeOf(bool frequency)
{
    if (frequency)
        return point_mode ? Range{chart.fmin * 0.999L, chart.fmax * 1.001L} : Range{9.99L, 100.1L};
    if (line_mode)
        return exercise_kind == 1 ? Range{-40.04L, 40.04L} : Range{-90.1L, 90.1L};
    switch (exercise_kind) {
    case 1: return {20 * std::log10(chart.bmin) - 0.1L, 20 * std::log10(chart.bmax) + 0.1L};
    case 2: return {chart.bmin * 0.999L, chart.bmax * 1.001L};
    default: return {chart.pmin - 0.1L, chart.pmax + 0.1L};
    }
}

// The entry as the checks read it: leading blanks off, commas as points.
QString asRead(QString text)
{
    while (text.size() > 1 && text.at(0) == ' ')
        text.remove(0, 1);
    return text.replace(',', '.');
}

} // namespace

class TestRandomEntries : public QObject {
    Q_OBJECT
private slots:
    void randomEntriesAreCheckedSoundly()
    {
        Entries entries(seed);
        int accepted = 0, rejected = 0;
        for (int lesson : {3, 4}) {
            auto w = openLesson(lesson, seed);
            for (int i = 0; i < entryCount / 2; ++i) {
                if (i % 500 == 0) { // a new task: new chart ranges and kind
                    w->B_neuClick();
                    exercise_kind = 1 + entries.below(lesson == 3 ? 3 : 2);
                }
                const bool frequency = entries.below(2);
                platform::Edit* field = frequency ? w->E_freq : w->E_wert;
                field->setEnabled(true);
                const QString entry = entries.next();
                field->selectAll();
                field->insert(entry); // as pasted: an over-long entry is refused whole
                const QString text = field->text();
                // Written out only when a check fails: formatting it for every
                // entry would take longer than the checks themselves.
                const auto context = [&] {
                    return QString("entry %1 '%2' (%3 in lesson %4, kind %5)")
                                            .arg(i).arg(text).arg(field->objectName()).arg(lesson).arg(exercise_kind);
                };
                CHECKED(text.size() <= TForm1::max_entry_length, context());

                long double &stored = frequency ? stored_freq : stored_value;
                bool& ok = frequency ? freq_ok : value_ok;
                const long double before = stored;
                const bool okBefore = ok;
                messages().clear();
                if (frequency)
                    w->check_freq_field(field);
                else
                    w->check_value_field(field);

                long double v = 0;
                const QString read = asRead(text);
                const numfmt::ParseResult parsed = read == " " ? numfmt::ParseResult::Empty : numfmt::parse(read, v);
                const bool number = parsed == numfmt::ParseResult::Ok;
                const Range range = rangeOf(frequency);
                const bool inRange = number && v >= range.low && v <= range.high;
                const bool noAnswer = parsed == numfmt::ParseResult::Empty;

                CHECKED(std::isfinite(stored), context());
                if (noAnswer || inRange) {
                    CHECKED(messages().empty(), context());
                } else {
                    // One error box, short enough for any screen.
                    CHECKED(messages().size() == 1, context());
                    QCOMPARE(messages()[0].type, platform::MessageType::Error);
                    const QString text = messages()[0].text;
                    const QString& hint = TForm1::entry_hint;
                    CHECKED(text.endsWith(hint) && text.size() - hint.size() <= 200 &&
                                text.count('\r') - hint.count('\r') <= 1,
                            context());
                    ++rejected;
                }
                if (!number || noAnswer) {
                    CHECKED(ok == okBefore && stored == before, context());
                    continue;
                }
                CHECKED(ok == inRange, context());
                if (!inRange) {
                    CHECKED(stored == before, context());
                    continue;
                }
                ++accepted;
                CHECKED(stored == v, context());
                // What the field shows reads back as the stored value, to its
                // decimals, and is shown alike again.
                long double shown = 0;
                QCOMPARE(numfmt::parse(asRead(field->text()), shown), numfmt::ParseResult::Ok);
                const bool scientific = field->text().contains('E');
                const long double unit = scientific ? std::fabs(v) * 1e-2L : 0.01L;
                CHECKED(std::fabs(shown - v) <= unit / 2 * 1.000001L, context() + " shown " + field->text());
                // The exact expansion of a long double reads back exactly.
                long double exact = 0;
                QCOMPARE(numfmt::parse(numfmt::sci(v, 20), exact), numfmt::ParseResult::Ok);
                CHECKED(exact == v, context());
            }
        }
        qInfo("seed %llu: %d entries, %d accepted, %d rejected", seed, entryCount, accepted, rejected);
        QVERIFY(accepted > entryCount / 20);
        QVERIFY(rejected > entryCount / 5);
    }
};

QTEST_MAIN(TestRandomEntries)
#include "test_random_entries.moc"
