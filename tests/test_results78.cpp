// Interim results of the construction pages of lessons 7 and 8: the
// explanations in M_teilloes and the solution polygons drawn into the chart.
#include "testutil.h"

#include "construction/Uallgemein.h"
#include "construction/construction_data.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>
#include <cmath>

using namespace testutil;
using Op = platform::CanvasOp;

namespace {

const QColor blue(0, 0, 255), fuchsia(255, 0, 255), maroon(128, 0, 0), red(255, 0, 0), teal(0, 128, 128),
    navy(0, 0, 128), olive(128, 128, 0);
const QString rule(129, QLatin1Char('-'));

struct PageSetup {
    const char* id;
    const char* lesson;
    int steps;
};

const PageSetup pages[] = {
    {"07_02", "7", 4},
    {"07_03", "7", 9},
    {"07_04", "7", 8},
    {"08_01", "8", 7},
    {"08_02", "8", 9},
    {"08_03", "8", 4},
};

const PageSetup& setup(const QString& id)
{
    for (const PageSetup& p : pages)
        if (id == QLatin1String(p.id))
            return p;
    qFatal("unknown page");
}

// What one step is expected to draw, in order.
struct Drawing {
    enum Kind { Mag, Phase, Mark } kind;
    QColor color;
    int width;
    int shift;
    std::vector<std::pair<long double, long double>> vertices;
};

struct Step {
    const char* id;
    int step;
    std::vector<Drawing> drawings;
};

using D = Drawing;
const std::vector<std::pair<long double, long double>> mag_07_04 = {
    {0.01L, -40}, {0.2L, 12.041L}, {5, 12.041L}, {100, -40}};
const std::vector<std::pair<long double, long double>> mag_07_03 = {
    {1E-4L, 53.979L}, {0.01L, 13.979L}, {1, 13.979L}, {20, 40}, {1000, 40}};

const std::vector<Step> steps = {
    {"07_02", 1, {{D::Phase, fuchsia, 2, -1, {{0.1L, -90}, {1000, -90}}}}},
    {"07_02", 2, {{D::Phase, maroon, 2, 1, {{0.1L, 0}, {0.5L, 0}, {50, -90}, {1000, -90}}}}},
    {"07_02", 3, {{D::Phase, red, 2, -1, {{0.1L, 0}, {5, 0}, {500, 90}, {1000, 90}}}}},
    {"07_02", 4,
     {{D::Phase, blue, 3, 0, {{0.1L, -90}, {0.5L, -90}, {5, -135}, {50, -135}, {500, -90}, {1000, -90}}}}},

    {"07_03", 1, {}},
    {"07_03", 2,
     {{D::Mag, fuchsia, 1, 3, {{1E-4L, 53.979L}, {0.05L, 0}}}, {D::Mark, fuchsia, 1, 0, {{0.05L, 0}}}}},
    {"07_03", 3, {{D::Mag, blue, 3, 0, mag_07_03}}},
    {"07_03", 4, {{D::Mag, blue, 3, 0, mag_07_03}}},
    {"07_03", 5, {{D::Phase, fuchsia, 2, 3, {{1E-4L, -90}, {1000, -90}}}}},
    {"07_03", 6, {{D::Phase, maroon, 2, -2, {{1E-4L, 0}, {1E-3L, 0}, {0.1L, 90}, {1000, 90}}}}},
    {"07_03", 7, {{D::Phase, red, 2, 0, {{1E-4L, 0}, {0.1L, 0}, {10, 90}, {1000, 90}}}}},
    {"07_03", 8, {{D::Phase, teal, 2, 1, {{1E-4L, 0}, {2, 0}, {200, -90}, {1000, -90}}}}},
    {"07_03", 9,
     {{D::Phase, blue, 3, 0, {{1E-4L, -90}, {1E-3L, -90}, {2, 58.546L}, {10, 58.546L}, {200, 0}, {1000, 0}}}}},

    {"07_04", 1, {}},
    {"07_04", 2, {{D::Mag, fuchsia, 1, -3, {{0.01L, -40}, {1, 40}}}, {D::Mark, fuchsia, 1, 0, {{1, 40}}}}},
    {"07_04", 3, {{D::Mag, blue, 3, 0, mag_07_04}}},
    {"07_04", 4, {{D::Phase, fuchsia, 2, 0, {{0.01L, 180}, {100, 180}}}}},
    {"07_04", 5, {{D::Phase, maroon, 2, 0, {{0.01L, 0}, {0.1L, 0}, {10, -180}, {100, -180}}}}},
    {"07_04", 6,
     {{D::Mag, blue, 3, 0, mag_07_04}, {D::Phase, red, 2, 0, {{0.01L, 0}, {0.02L, 0}, {2, -180}, {100, -180}}}}},
    {"07_04", 7,
     {{D::Mag, blue, 3, 0, mag_07_04}, {D::Phase, navy, 2, 0, {{0.01L, 0}, {0.5L, 0}, {50, -180}, {100, -180}}}}},
    {"07_04", 8,
     {{D::Mag, blue, 3, 0, mag_07_04},
      {D::Phase, blue, 3, 0,
       {{0.01L, 180}, {0.02L, 180}, {0.1L, 117.09L}, {0.5L, -8.72L}, {2, -171.3L}, {10, -297.09L}, {50, -360},
        {100, -360}}}}},

    {"08_01", 1,
     {{D::Phase, fuchsia, 2, 3, {{0.01L, -90}, {1E5L, -90}}}, {D::Mag, fuchsia, 1, 0, {{0.01L, 40}, {1000, -60}}}}},
    {"08_01", 2, {{D::Phase, maroon, 2, -3, {{0.01L, 0}, {0.1L, 0}, {10, 90}, {1E5L, 90}}}}},
    {"08_01", 3, {{D::Phase, red, 2, 1, {{0.01L, 0}, {1, 0}, {100, -90}, {1E5L, -90}}}}},
    {"08_01", 4, {{D::Phase, teal, 2, -1, {{0.01L, 0}, {10, 0}, {1000, 90}, {1E5L, 90}}}}},
    {"08_01", 5, {{D::Phase, navy, 2, 3, {{0.01L, 0}, {100, 0}, {1E4L, -90}, {1E5L, -90}}}}},
    {"08_01", 6,
     {{D::Mag, blue, 3, 0, {{0.01L, 40}, {1, 0}, {10, 0}, {100, -20}, {1000, -20}, {1E5L, -60}}}}},
    {"08_01", 7, {}},

    {"08_02", 1, {{D::Phase, fuchsia, 2, 0, {{1E-5L, 0}, {1E-4L, 0}, {0.01L, 90}, {1E5L, 90}}}}},
    {"08_02", 2, {{D::Phase, maroon, 2, 3, {{1E-5L, 0}, {1E-3L, 0}, {0.1L, -180}, {1E5L, -180}}}}},
    {"08_02", 3, {{D::Phase, red, 2, -1, {{1E-5L, 0}, {0.01L, 0}, {1, 180}, {1E5L, 180}}}}},
    {"08_02", 4, {{D::Phase, olive, 2, 2, {{1E-5L, 0}, {0.1L, 0}, {10, -180}, {1E5L, -180}}}}},
    {"08_02", 5, {{D::Phase, teal, 2, -2, {{1E-5L, 0}, {1, 0}, {100, 180}, {1E5L, 180}}}}},
    {"08_02", 6, {{D::Phase, navy, 2, 1, {{1E-5L, 0}, {10, 0}, {1000, -180}, {1E5L, -180}}}}},
    {"08_02", 7, {{D::Phase, olive, 2, 0, {{1E-5L, 0}, {100, 0}, {1E4L, 90}, {1E5L, 90}}}}},
    {"08_02", 8,
     {{D::Phase, blue, 3, 0,
       {{1E-5L, 0}, {1E-4L, 0}, {1E-3L, 45}, {0.01L, 0}, {100, 0}, {1000, -45}, {1E4L, 0}, {1E5L, 0}}}}},
    {"08_02", 9, {}},

    {"08_03", 1, {{D::Phase, fuchsia, 2, 3, {{0.01L, -90}, {1000, -90}}}, {D::Mark, blue, 2, 0, {{5, -20}}}}},
    {"08_03", 2, {{D::Phase, maroon, 2, -1, {{0.01L, 0}, {0.5L, 0}, {50, 180}, {1000, 180}}}}},
    {"08_03", 3, {{D::Phase, red, 2, 1, {{0.01L, 0}, {0.5L, 0}, {50, -180}, {1000, -180}}}}},
    {"08_03", 4, {}},
};

void openPage(TForm1& w, const PageSetup& p)
{
    openConstructionPage(w, QString::fromLatin1(p.id));
}

// The canvas operations a drawing must produce, with the chart settings in force.
std::vector<Op> expectedOps(const Drawing& d)
{
    std::vector<Op> out;
    auto pixel = [&](const std::pair<long double, long double>& v) {
        const int y = d.kind == Drawing::Phase ? phase_to_y(v.second) : db_to_y(v.second);
        return QPoint(freq_to_x(v.first), y + d.shift);
    };
    Op op{};
    op.pen.color = d.color;
    op.pen.width = d.width;
    if (d.kind == Drawing::Mark) {
        const QPoint p = pixel(d.vertices.front());
        op.kind = Op::Rectangle;
        op.x1 = p.x() - 5;
        op.y1 = p.y() - 5;
        op.x2 = p.x() + 6;
        op.y2 = p.y() + 6;
        out.push_back(op);
        return out;
    }
    QPoint prev = pixel(d.vertices.front());
    op.kind = Op::MoveTo;
    op.x1 = prev.x();
    op.y1 = prev.y();
    out.push_back(op);
    for (size_t i = 1; i < d.vertices.size(); ++i) {
        const QPoint p = pixel(d.vertices[i]);
        op.kind = Op::LineTo;
        op.x1 = prev.x();
        op.y1 = prev.y();
        op.x2 = p.x();
        op.y2 = p.y();
        out.push_back(op);
        prev = p;
    }
    return out;
}

QString describe(const Op& op)
{
    return QStringLiteral("kind %1 (%2,%3)-(%4,%5) pen %6 w%7")
        .arg(op.kind)
        .arg(op.x1)
        .arg(op.y1)
        .arg(op.x2)
        .arg(op.y2)
        .arg(op.pen.color.name())
        .arg(op.pen.width);
}

const InterimResult* result(const QString& id, int step)
{
    static const std::vector<const InterimResult*> all = workedResults();
    for (const InterimResult* r : all)
        if (r->id == id && r->step == step)
            return r;
    return nullptr;
}

// A section row of a table: lower and upper frequency, slope, values at both ends.
struct Section {
    double from, to, slope, v1, v2;
};

// A table in a result text: the column titles, the units, and the rows
// between the rule under them and the next empty line.
struct Table {
    QString titles;
    QString units;
    QStringList rows;
};

std::vector<Table> tables(const QString& text)
{
    std::vector<Table> out;
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines[i] != rule)
            continue;
        Table t{lines[i - 2], lines[i - 1], {}};
        for (qsizetype r = i + 1; r < lines.size() && !lines[r].isEmpty(); ++r)
            t.rows << lines[r];
        out.push_back(t);
    }
    return out;
}

// The figures of a row: "from  ...  to  slope  start  end  remark".
std::vector<Section> sections(const QString& text)
{
    std::vector<Section> out;
    for (const Table& t : tables(text))
        for (const QString& row : t.rows) {
            const QStringList cells = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (cells.size() < 6 || cells[1] != QLatin1String("..."))
                continue;
            bool ok[5];
            const Section s{cells[0].toDouble(&ok[0]), cells[2].toDouble(&ok[1]), cells[3].toDouble(&ok[2]),
                            cells[4].toDouble(&ok[3]), cells[5].toDouble(&ok[4])};
            if (ok[0] && ok[1] && ok[2] && ok[3] && ok[4])
                out.push_back(s);
        }
    return out;
}

// The column where the last occurrence of `title` in a line ends.
qsizetype endOf(const QString& line, const QString& title)
{
    const qsizetype at = line.lastIndexOf(title);
    return at < 0 ? -1 : at + title.size();
}

} // namespace

class TestResults78 : public QObject {
    Q_OBJECT
private slots:
    void everyStepHasOneResult()
    {
        int total = 0;
        for (const PageSetup& p : pages) {
            for (int step = 1; step <= p.steps; ++step)
                QVERIFY2(result(p.id, step), qPrintable(QStringLiteral("%1 step %2").arg(p.id).arg(step)));
            QVERIFY(!result(p.id, 0));
            QVERIFY(!result(p.id, p.steps + 1));
            total += p.steps;
        }
        QCOMPARE(total, 41);
        QCOMPARE(int(workedResults(7, 8).size()), total);
    }

    // Each press of B_ergeb draws exactly the listed polygons and marks, in
    // order, with their colours, widths and shifts, and leaves the pen black.
    void drawings_data()
    {
        QTest::addColumn<QString>("id");
        for (const PageSetup& p : pages)
            QTest::newRow(p.id) << QString::fromLatin1(p.id);
    }
    void drawings()
    {
        QFETCH(QString, id);
        auto w = newWindow();
        const PageSetup& p = setup(id);
        openPage(*w, p);
        QCOMPARE(subtask_no, 0);
        for (const Step& s : steps) {
            if (id != QLatin1String(s.id))
                continue;
            click(w->B_next);
            QCOMPARE(subtask_no, s.step);
            QVERIFY(w->B_ergeb->isEnabled());
            QVERIFY(w->M_teilloes->text().isEmpty());
            record(*w);
            click(w->B_ergeb);
            const QString where = QStringLiteral("%1 step %2").arg(id).arg(s.step);

            std::vector<Op> expected;
            for (const Drawing& d : s.drawings)
                for (const Op& op : expectedOps(d))
                    expected.push_back(op);
            const std::vector<Op>& drawn = w->Canvas.ops;
            QVERIFY2(drawn.size() == expected.size(), qPrintable(where));
            for (size_t i = 0; i < drawn.size(); ++i) {
                const Op& a = drawn[i];
                const Op& e = expected[i];
                const bool same = a.kind == e.kind && a.x1 == e.x1 && a.y1 == e.y1 &&
                                  (a.kind == Op::MoveTo || (a.x2 == e.x2 && a.y2 == e.y2)) &&
                                  a.pen.color == e.pen.color && a.pen.width == e.pen.width &&
                                  a.pen.style == platform::PenStyle::Solid;
                QVERIFY2(same, qPrintable(where + QStringLiteral(": drawn ") + describe(a) +
                                          QStringLiteral(", expected ") + describe(e)));
            }
            QCOMPARE(w->Canvas.pen.color, QColor(Qt::black));
            QCOMPARE(w->Canvas.pen.width, 1);
            QCOMPARE(w->M_teilloes->text(), result(id, s.step)->text);
            QVERIFY(!w->B_ergeb->isEnabled());
        }
        QCOMPARE(subtask_no, p.steps);
    }

    // A few vertices pinned to their pixels.
    void pixelPositions()
    {
        auto w = newWindow();
        openPage(*w, setup("07_04"));
        subtask_no = 8;
        record(*w);
        w->B_ergebClick();
        // (10; -297.09): the total angle at the end of the all-pass section.
        QVERIFY(hasLine(*w, 319, 649, 398, 716, blue));
        // (50; -360) lies on the bottom edge of the phase diagram.
        QVERIFY(hasLine(*w, 398, 716, 476, 750, blue));

        openPage(*w, setup("07_03"));
        subtask_no = 2;
        record(*w);
        w->B_ergebClick();
        // The 0 dB point of the I part's auxiliary line, shifted 3 pixels down, and its mark.
        QVERIFY(hasLine(*w, 60, 73, 234, 433, fuchsia));
        const auto marks = ops(*w, Op::Rectangle);
        QCOMPARE(int(marks.size()), 1);
        QCOMPARE(QRect(QPoint(marks[0].x1, marks[0].y1), QPoint(marks[0].x2, marks[0].y2)),
                 QRect(QPoint(229, 425), QPoint(240, 436)));

        openPage(*w, setup("08_03"));
        subtask_no = 1;
        record(*w);
        w->B_ergebClick();
        // The phase line is drawn first, then the blue square around (5; -20 dB).
        QCOMPARE(w->Canvas.ops.front().kind, Op::MoveTo);
        QCOMPARE(w->Canvas.ops.back().kind, Op::Rectangle);
        QCOMPARE(w->Canvas.ops.back().pen.color, blue);
        QCOMPARE(w->Canvas.ops.back().pen.width, 2);
    }

    void explainingStepsDrawNothing()
    {
        auto w = newWindow();
        const std::pair<const char*, int> explaining[] = {{"07_03", 1}, {"07_04", 1}, {"08_01", 7},
                                                          {"08_02", 9}, {"08_03", 4}};
        for (const auto& [id, step] : explaining) {
            openPage(*w, setup(id));
            subtask_no = step;
            w->B_ergeb->setEnabled(true);
            record(*w);
            w->B_ergebClick();
            QVERIFY(w->Canvas.ops.empty());
            QVERIFY(!w->M_teilloes->text().trimmed().isEmpty());
            QVERIFY(!w->B_ergeb->isEnabled());
        }
    }

    void stepsWithoutResultShowNothing()
    {
        auto w = newWindow();
        for (const PageSetup& p : pages) {
            openPage(*w, p);
            for (int step : {0, p.steps + 1}) {
                subtask_no = step;
                w->M_teilloes->setText(QStringLiteral("alt"));
                w->B_ergeb->setEnabled(true);
                record(*w);
                w->B_ergebClick();
                QVERIFY(w->Canvas.ops.empty());
                QVERIFY(w->M_teilloes->text().isEmpty());
                QVERIFY(!w->B_ergeb->isEnabled());
            }
        }
        // The lesson must match the page.
        openPage(*w, setup("07_02"));
        page_lesson = QStringLiteral("8");
        subtask_no = 1;
        record(*w);
        w->B_ergebClick();
        QVERIFY(w->Canvas.ops.empty());
        QVERIFY(w->M_teilloes->text().isEmpty());
    }

    void textsStartWithLineBreaksAndUseCrLf()
    {
        for (const InterimResult* result : workedResults(7, 8)) {
            const InterimResult& r = *result;
            const QString where = QStringLiteral("%1 step %2").arg(r.id).arg(r.step);
            int breaks = 0;
            while (r.text.mid(2 * breaks, 2) == QLatin1String("\r\n"))
                ++breaks;
            QVERIFY2(breaks >= 1 && breaks <= 4, qPrintable(where));
            QVERIFY2(!r.text.contains(QRegularExpression(QStringLiteral("[^\r]\n|\r[^\n]"))), qPrintable(where));
            QVERIFY2(!r.text.endsWith(QLatin1Char('\n')), qPrintable(where));
        }
    }

    void summingSteps()
    {
        const QString opening = QStringLiteral(
            "\r\nIn der Tabelle sind sind die Abschnitte mit den zugehörigen Steigungen zusammengestellt.\r\n");
        // Without an all-pass the end value follows from the final slope and
        // comes right after the opening.
        QVERIFY(result("07_02", 4)->text.startsWith(
            opening +
            QStringLiteral("Entsprechend der Steigung im Betragsfrequenzgang von - 20 dB / Dekade für w -> oo\r\n"
                           "erhält man als Endwert beim Phasenwikel   Phi ( w -> oo ) = - 90°\r\n\r\n")));
        QVERIFY(result("07_03", 9)->text.startsWith(
            opening +
            QStringLiteral("Entsprechend der Steigung im Betragsfrequenzgang von 0 dB / Dekade für w -> oo\r\n"
                           "erhält man als Endwert beim Phasenwikel   Phi ( w -> oo ) = 0°\r\n\r\n")));
        // With the all-pass of 07_04 it does not.
        const QString allpass = result("07_04", 8)->text;
        QVERIFY(allpass.startsWith(opening + QStringLiteral("\r\n")));
        QVERIFY(!allpass.contains(QStringLiteral("Entsprechend der Steigung")));
        QVERIFY(allpass.contains(QStringLiteral("NICHT")));
        QVERIFY(allpass.endsWith(QStringLiteral("Phi ( w -> oo ) = - 360°")));
        const QString bumps = result("08_02", 8)->text;
        QVERIFY(bumps.startsWith(
            QStringLiteral("\r\nIn der Tabelle sind sind die Abschnitte des Phasenwinkelverlaufs mit den zugehörigen "
                           "Steigungen zusammengestellt.\r\n\r\n")));
        QVERIFY(!bumps.contains(QStringLiteral("Entsprechend der Steigung")));

        // One table of the total angle under the opening, with its heading.
        for (const auto& [id, step] : {std::pair("07_02", 4), std::pair("07_03", 9), std::pair("07_04", 8),
                                       std::pair("08_02", 8)}) {
            const std::vector<Table> found = tables(result(id, step)->text);
            QCOMPARE(int(found.size()), 1);
            const QStringList titles = found[0].titles.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QCOMPARE(titles.mid(0, 4), QStringList({"Frequenzbereich", "Steigung", "Phi(w1)", "Phi(w2)"}));
            QVERIFY(found[0].titles.endsWith(QStringLiteral("beteiligte Teilwinkel")));
        }
    }

    // Slope times decades gives the change of every section; sections join
    // up; the values at the polygon's vertex frequencies are the vertex values.
    void tableFiguresAgreeWithTheCurves_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("rows");
        // The tables of lessons 5 and 6 share the layout.
        QTest::newRow("06_02 phase") << "06_02" << 4 << 5;
        QTest::newRow("06_04 phase") << "06_04" << 4 << 7;
        QTest::newRow("06_06 magnitude") << "06_06" << 3 << 5;
        QTest::newRow("06_06 phase") << "06_06" << 8 << 9;
        QTest::newRow("07_02 phase") << "07_02" << 4 << 5;
        QTest::newRow("07_03 magnitude from below") << "07_03" << 3 << 4;
        QTest::newRow("07_03 magnitude from above") << "07_03" << 4 << 4;
        QTest::newRow("07_03 phase") << "07_03" << 9 << 6;
        QTest::newRow("07_04 magnitude") << "07_04" << 3 << 3;
        QTest::newRow("07_04 phase") << "07_04" << 8 << 7;
        QTest::newRow("08_01 magnitude") << "08_01" << 6 << 5;
        QTest::newRow("08_02 phase") << "08_02" << 8 << 10;
    }
    void tableFiguresAgreeWithTheCurves()
    {
        QFETCH(QString, id);
        QFETCH(int, step);
        QFETCH(int, rows);
        const InterimResult* r = result(id, step);
        std::vector<Section> table = sections(r->text);
        QCOMPARE(int(table.size()), rows);
        std::sort(table.begin(), table.end(), [](const Section& a, const Section& b) { return a.from < b.from; });
        const std::vector<Vertex>& curve = r->drawings.back().vertices;
        QCOMPARE(double(table.front().from), double(curve.front().freq));
        QCOMPARE(double(table.back().to), double(curve.back().freq));
        for (size_t i = 0; i < table.size(); ++i) {
            const Section& s = table[i];
            QVERIFY2(std::abs(s.v1 + s.slope * std::log10(s.to / s.from) - s.v2) < 0.01,
                     qPrintable(QStringLiteral("section from %1").arg(s.from)));
            if (i > 0) {
                QCOMPARE(s.from, table[i - 1].to);
                QCOMPARE(s.v1, table[i - 1].v2);
            }
            for (const Vertex& v : curve) {
                if (std::abs(double(v.freq) / s.from - 1) < 1e-9)
                    QVERIFY(std::abs(double(v.value) - s.v1) < 0.05);
                if (std::abs(double(v.freq) / s.to - 1) < 1e-9)
                    QVERIFY(std::abs(double(v.value) - s.v2) < 0.05);
            }
        }
    }

    // One table style in all lessons: fixed-width columns in the fixed-pitch
    // font. Every row puts its figures where the titles put theirs (values
    // right-aligned under their titles, the range around "...", the remark
    // under its title), and no line of a table is wider than the memo.
    void tablesLineUp()
    {
        auto w = newWindow();
        const platform::Memo* memo = w->M_teilloes;
        openPage(*w, setup("07_04"));
        subtask_no = 8;
        w->B_ergebClick();
        QVERIFY(QFontInfo(memo->font()).fixedPitch());
        const QFontMetrics m(memo->font());
        const int usable = memo->width() - 2 * qRound(memo->document()->documentMargin()) -
                           memo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, memo);

        int count = 0;
        for (const InterimResult* result : workedResults()) {
            const InterimResult& r = *result;
            const QString where = QStringLiteral("%1 step %2").arg(r.id).arg(r.step);
            const std::vector<Table> found = tables(r.text);
            QVERIFY2(r.table == !found.empty(), qPrintable(where));
            for (const Table& t : found) {
                ++count;
                const bool magnitude = t.titles.contains(QLatin1String("|G("));
                QVERIFY2(t.titles.startsWith(QLatin1String(" Frequenzbereich ")), qPrintable(where));
                const qsizetype slope = endOf(t.titles, QStringLiteral("Steigung"));
                const QString value = magnitude ? QStringLiteral("|G(%1)|") : QStringLiteral("Phi(%1)");
                const qsizetype v1 = endOf(t.titles, value.arg(QLatin1String("w1")));
                const qsizetype v2 = endOf(t.titles, value.arg(QLatin1String("w2")));
                const qsizetype dots = t.units.indexOf(QLatin1String(" ... "));
                QVERIFY2(slope > 0 && v1 > slope && v2 > v1 && dots > 0, qPrintable(where));
                const qsizetype remark = t.titles.size() > v2 ? v2 + 3 : -1;
                if (remark > 0)
                    QVERIFY2(t.titles.mid(v2, 3) == QLatin1String("   ") && t.titles[remark] != QLatin1Char(' '),
                             qPrintable(where));
                QVERIFY2(!t.rows.isEmpty(), qPrintable(where));
                for (const QString& line : QStringList{t.titles, t.units} + t.rows) {
                    const QString here = where + QStringLiteral(": ") + line;
                    QVERIFY2(m.horizontalAdvance(line) <= usable, qPrintable(here));
                    if (line != t.titles)
                        QCOMPARE(line.indexOf(QLatin1String(" ... ")), dots);
                    // The figure or unit of each value column ends under its title's end.
                    for (const qsizetype end : {slope, v1, v2}) {
                        QVERIFY2(line.size() >= end && line[end - 1] != QLatin1Char(' '), qPrintable(here));
                        QVERIFY2(line.size() == end || line[end] == QLatin1Char(' '), qPrintable(here));
                    }
                    if (line.size() > v2) {
                        QVERIFY2(remark > 0, qPrintable(here));
                        QVERIFY2(line.mid(v2, 3) == QLatin1String("   ") && line[remark] != QLatin1Char(' '),
                                 qPrintable(here));
                    }
                }
                for (const QString& row : t.rows) {
                    const QStringList cells = row.left(v2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                    QCOMPARE(int(cells.size()), 6);
                    for (int c : {0, 2, 3, 4, 5}) {
                        bool ok = false;
                        cells[c].toDouble(&ok);
                        QVERIFY2(ok, qPrintable(where + QStringLiteral(": ") + row));
                    }
                }
            }
        }
        QCOMPARE(count, 12);
    }

    // A table is shown in the fixed-pitch font, the prose results around it
    // in the memo's own font.
    void tablesUseTheFixedPitchFont()
    {
        auto w = newWindow();
        openPage(*w, setup("07_03"));
        for (int step = 1; step <= 5; ++step) {
            click(w->B_next);
            click(w->B_ergeb);
            const bool table = step == 3 || step == 4;
            QCOMPARE(QFontInfo(w->M_teilloes->font()).fixedPitch(), table);
            if (!table)
                QCOMPARE(w->M_teilloes->font().family(), w->M_teilaufg->font().family());
        }
    }

    void keyPhrases_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("07_02 I part") << "07_02" << 1 << "Phi { Gi ( jw ) } = 0° - 90° = - 90°";
        QTest::newRow("07_02 pole") << "07_02" << 2 << "sx_1 = - 5";
        QTest::newRow("07_02 zero") << "07_02" << 3 << "so_1 = - 50";
        QTest::newRow("07_03 form") << "07_03" << 1 << "K = 1 / 20 = 0.05;   wo_1 = 0.01;   wo_2 = 1;   wx_1 = 20";
        QTest::newRow("07_03 auxiliary") << "07_03" << 2 << "w = K = 0.05";
        QTest::newRow("07_03 from above") << "07_03" << 4 << "| G ( oo ) | = + 40 dB";
        QTest::newRow("07_03 same degree") << "07_03" << 4 << "den gleichen Grad";
        QTest::newRow("07_03 end") << "07_03" << 9 << "+ 58.546°";
        QTest::newRow("07_04 all-pass") << "07_04" << 1 << "Allpass 1. Ordnung";
        QTest::newRow("07_04 auxiliary") << "07_04" << 2 << "| Gd ( jw ) | = 100 · w²";
        QTest::newRow("07_04 double zero") << "07_04" << 4 << "+ 180°";
        QTest::newRow("07_04 all-pass magnitude") << "07_04" << 5 << "keinen Einfluss auf den Betragsfrequenzgang";
        QTest::newRow("07_04 first pole") << "07_04" << 6 << "sx_1 = - 0.2";
        QTest::newRow("07_04 second pole") << "07_04" << 7 << "sx_2 = - 5";
        QTest::newRow("08_01 I part") << "08_01" << 1 << "Gi ( s ) = K / s";
        QTest::newRow("08_01 zero") << "08_01" << 2 << "wo_1 = 10 · 0.1 = 1";
        QTest::newRow("08_01 pole") << "08_01" << 3 << "wx_1 = 10 · 1 = 10";
        QTest::newRow("08_01 constant") << "08_01" << 7 << "K = 1";
        QTest::newRow("08_02 first") << "08_02" << 1 << "so_1 = - 1E-3";
        QTest::newRow("08_02 double pole") << "08_02" << 2 << "doppelte Polstelle";
        QTest::newRow("08_02 last") << "08_02" << 7 << "Der letzte Knick";
        QTest::newRow("08_02 constant") << "08_02" << 9 << "0.31623";
        QTest::newRow("08_03 constant") << "08_03" << 1 << "K = 0.5";
        QTest::newRow("08_03 double zero") << "08_03" << 2 << "so_1 = - 5";
        QTest::newRow("08_03 all-pass") << "08_03" << 3 << "Allpass 1. Ordnung";
        QTest::newRow("08_03 function") << "08_03" << 4 << "0.5 · ( 1 - s² / 25 ) / s";
    }
    void keyPhrases()
    {
        QFETCH(QString, id);
        QFETCH(int, step);
        QFETCH(QString, phrase);
        QVERIFY(result(id, step)->text.contains(phrase));
    }
};

QTEST_MAIN(TestResults78)
#include "test_results78.moc"
