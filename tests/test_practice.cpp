// Random practice functions, a few thousand of them through the whole
// construction: every polygon within the chart, the totals from edge to
// edge, the tables' slopes adding up, and no broken number in any text.
#include "construction/construction_data.h"
#include "construction/own_example.h"
#include "construction/practice.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <random>

namespace {

// A table row: "0.5  ...  5   -45   -90.000   -135.000   wx_1 -45".
const QRegularExpression row(QStringLiteral(R"(^\s*(\S+)  \.\.\.  (\S+)\s+([+-]?\d+)\s+([+-]?[\d.]+)\s+([+-]?[\d.]+)(.*)$)"));
const QRegularExpression partial(QStringLiteral(R"(w[ox]_\d+ ([+-]\d+))"));
const QRegularExpression broken(QStringLiteral(R"(\b(nan|inf)\b|2147483648|9223372036854775808)"),
                                QRegularExpression::CaseInsensitiveOption);

QString checkText(const QString& text)
{
    if (broken.match(text).hasMatch())
        return QStringLiteral("broken number in: ") + text;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        const auto m = row.match(line);
        if (!m.hasMatch())
            continue;
        const double decades = std::log10(m.captured(2).toDouble() / m.captured(1).toDouble());
        const double slope = m.captured(3).toDouble();
        if (std::fabs(slope * decades - (m.captured(5).toDouble() - m.captured(4).toDouble())) > 0.02)
            return QStringLiteral("slope and values disagree: ") + line;
        const QString remark = m.captured(6);
        // The phase table names the partial angles with their slopes.
        double sum = 0;
        int named = 0;
        for (const auto& part : partial.globalMatch(remark)) {
            sum += part.captured(1).toDouble();
            ++named;
        }
        if ((named > 0 || remark.trimmed() == QLatin1String("keine")) && sum != slope)
            return QStringLiteral("partial slopes do not add up: ") + line;
    }
    return {};
}

QString checkConstruction()
{
    const tf::Ranges& r = own_example::ranges();
    const long double top = std::round(20 * std::log10(r.bmax)), bottom = std::round(20 * std::log10(r.bmin));
    for (const QString& t : own_subtask_page().texts)
        if (const QString e = checkText(t); !e.isEmpty())
            return e;
    for (const InterimResult& result : own_results()) {
        if (const QString e = checkText(result.text); !e.isEmpty())
            return e;
        for (const ResultDrawing& d : result.drawings) {
            const bool mag = d.kind == ResultDrawing::Magnitude || d.kind == ResultDrawing::MagnitudeCurve;
            for (const Vertex& v : d.vertices)
                if (!(v.freq >= r.fmin && v.freq <= r.fmax * (1 + 1E-12L) && v.value >= (mag ? bottom : r.pmin) &&
                      v.value <= (mag ? top : r.pmax)))
                    return QStringLiteral("step %1: vertex (%2; %3) outside the chart")
                        .arg(result.step).arg(double(v.freq)).arg(double(v.value));
            const bool polygon = d.kind == ResultDrawing::Magnitude || d.kind == ResultDrawing::Phase;
            if (polygon && (d.vertices.size() < 2 || d.vertices.size() > 10))
                return QStringLiteral("step %1: a polygon of %2 vertices").arg(result.step).arg(d.vertices.size());
            if (polygon && result.table && (d.vertices.front().freq != r.fmin || d.vertices.back().freq != r.fmax))
                return QStringLiteral("step %1: the total does not run from edge to edge").arg(result.step);
        }
    }
    return {};
}

} // namespace

class TestPractice : public QObject {
    Q_OBJECT

private slots:
    void everyFunctionConstructs_data()
    {
        QTest::addColumn<bool>("advanced");
        QTest::addColumn<bool>("sums");
        QTest::newRow("easy, product form") << false << false;
        QTest::newRow("advanced, product form") << true << false;
        QTest::newRow("easy, sums") << false << true;
        QTest::newRow("advanced, sums") << true << true;
    }

    void everyFunctionConstructs()
    {
        QFETCH(bool, advanced);
        QFETCH(bool, sums);
        std::mt19937_64 engine(2026);
        std::uniform_real_distribution<double> uniform(0, 1);
        const auto draw = [&] { return static_cast<long double>(uniform(engine)); };
        for (int i = 0; i < 500; ++i) {
            const practice::Task t = practice::random_function(advanced, sums, draw);
            const tf::Parsed p = tf::parse(t.numerator, t.denominator);
            const QString what = t.numerator + QStringLiteral("  over  ") + t.denominator;
            QVERIFY2(p.g, qPrintable(what + ": " + p.message));
            const int factors = static_cast<int>(p.g->corners.size());
            QVERIFY2(factors >= 2 && factors <= 5, qPrintable(what));
            own_example::set_function(p);
            const QString e = checkConstruction();
            QVERIFY2(e.isEmpty(), qPrintable(what + ": " + e));
        }
    }
};

QTEST_APPLESS_MAIN(TestPractice)
#include "test_practice.moc"
