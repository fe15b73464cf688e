// Conversions, normalisation and the drawing of the empty chart.
#include "chart/chart.h"
#include "platform/canvas.h"
#include "platform/numfmt.h"

#include <QLocale>
#include <QTest>
#include <cmath>

using platform::CanvasOp;

static void startupSettings()
{
    chart = ChartSettings{};
}

static std::vector<CanvasOp> drawn(bool magnitude, bool phase)
{
    platform::Canvas c;
    c.recording = true;
    draw_chart(c, magnitude, phase);
    return c.ops;
}

static bool hasLine(const std::vector<CanvasOp>& ops, int x1, int y1, int x2, int y2, QColor color)
{
    for (const auto& op : ops)
        if (op.kind == CanvasOp::LineTo && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 &&
            op.pen.color == color)
            return true;
    return false;
}

static const CanvasOp* text(const std::vector<CanvasOp>& ops, const QString& t)
{
    for (const auto& op : ops)
        if (op.kind == CanvasOp::TextOut && op.text == t)
            return &op;
    return nullptr;
}

static int count(const std::vector<CanvasOp>& ops, CanvasOp::Kind kind)
{
    int n = 0;
    for (const auto& op : ops)
        n += op.kind == kind;
    return n;
}

static const QColor black(0, 0, 0), silver(192, 192, 192);

class TestChart : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        startupSettings();
        QLocale::setDefault(QLocale::c());
    }

    void conversionsAtStartup()
    {
        QCOMPARE(freq_to_x(0.001L), 60);
        QCOMPARE(freq_to_x(1), 285);
        QCOMPARE(freq_to_x(1000), 510);
        QVERIFY(std::fabs(double(x_to_freq(285)) - 1.0) < 1e-15);
        QVERIFY(std::fabs(double(x_to_freq(60)) - 0.001) < 1e-15);

        QCOMPARE(mag_to_y(0.01L), 430);
        QCOMPARE(mag_to_y(1), 230);
        QCOMPARE(mag_to_y(100), 30);
        QCOMPARE(db_to_y(20), 130);
        QCOMPARE(db_to_y(-40), 430);
        QVERIFY(std::fabs(double(y_to_db(230))) < 1e-15);
        QVERIFY(std::fabs(double(y_to_mag(130)) - 10.0) < 1e-14);

        QCOMPARE(phase_to_y(-90), 750);
        QCOMPARE(phase_to_y(0), 605);
        QCOMPARE(phase_to_y(90), 460);
        QCOMPARE(phase_to_y(45), 532);  // 217.5 goes to the even 218
        QCOMPARE(phase_to_y(-45), 678); // 72.5 goes to the even 72
        QCOMPARE(double(y_to_phase(605)), 0.0);
        QCOMPARE(double(y_to_phase(460)), 90.0);
        QCOMPARE(double(y_to_phase(751)), -90.0 - 180.0 / 290.0);
    }

    void conversionsRoundTrip()
    {
        for (int x = 60; x <= 510; ++x)
            QCOMPARE(freq_to_x(x_to_freq(x)), x);
        for (int y = 30; y <= 430; ++y) {
            QCOMPARE(mag_to_y(y_to_mag(y)), y);
            QCOMPARE(db_to_y(y_to_db(y)), y);
        }
        for (int y = 460; y <= 750; ++y)
            QCOMPARE(phase_to_y(y_to_phase(y)), y);
    }

    void valuesOutsideTheRangesAreNotClipped()
    {
        QCOMPARE(freq_to_x(1e6L), 510 + 225);
        QCOMPARE(mag_to_y(1e4L), -170);
        QCOMPARE(phase_to_y(180), 460 - 145);
    }

    void normalisation_data()
    {
        // As texts, so that the values are the exact extended reals a page stores.
        QTest::addColumn<QString>("fmin");
        QTest::addColumn<QString>("fmax");
        QTest::addColumn<QString>("expMin");
        QTest::addColumn<QString>("expMax");
        QTest::newRow("equal at 1") << "1" << "1" << "0.1" << "10";
        QTest::newRow("swapped") << "1000" << "0.001" << "0.001" << "1000";
        QTest::newRow("equal at the lower limit") << "1e-6" << "1e-6" << "1e-6" << "1e-5";
        QTest::newRow("equal at the upper limit") << "1e12" << "1e12" << "1e11" << "1e12";
        QTest::newRow("already fine") << "0.1" << "100" << "0.1" << "100";
    }
    void normalisation()
    {
        auto value = [](const QString& s) {
            long double v = 0;
            numfmt::parse(s, v);
            return v;
        };
        QFETCH(QString, fmin);
        QFETCH(QString, fmax);
        QFETCH(QString, expMin);
        QFETCH(QString, expMax);
        chart.fmin = value(fmin);
        chart.fmax = value(fmax);
        normalize_ranges();
        QVERIFY(std::fabs(double(chart.fmin / value(expMin)) - 1) < 1e-12);
        QVERIFY(std::fabs(double(chart.fmax / value(expMax)) - 1) < 1e-12);
    }

    void normalisationOfMagnitudeAndPhase()
    {
        chart.bmin = chart.bmax = 1;
        chart.pmin = chart.pmax = 0;
        normalize_ranges();
        QVERIFY(std::fabs(double(chart.bmin) - 0.1) < 1e-15);
        QVERIFY(std::fabs(double(chart.bmax) - 10) < 1e-12);
        QCOMPARE(chart.pmin, -90);
        QCOMPARE(chart.pmax, 90);

        chart.bmin = 100; chart.bmax = 0.01L;
        chart.pmin = 90; chart.pmax = -90;
        normalize_ranges();
        QCOMPARE(double(chart.bmin), 0.01);
        QCOMPARE(chart.pmin, -90);
        QCOMPARE(chart.pmax, 90);

        chart.pmin = chart.pmax = -630;
        normalize_ranges();
        QCOMPARE(chart.pmin, -630);
        QCOMPARE(chart.pmax, -540);
        chart.pmin = chart.pmax = 630;
        normalize_ranges();
        QCOMPARE(chart.pmin, 540);
        QCOMPARE(chart.pmax, 630);
        chart.bmin = chart.bmax = 1e7L;
        normalize_ranges();
        QCOMPARE(double(chart.bmin), 1e6);
        QCOMPARE(double(chart.bmax), 1e7);
    }

    void startupChartGrid()
    {
        const auto ops = drawn(true, true);
        // Cleared area, then both frames.
        QCOMPARE(ops.front().kind, CanvasOp::Rectangle);
        QCOMPARE(ops.front().x2, 599);
        QCOMPARE(ops.front().y2, 850);
        int frames = 0;
        for (const auto& op : ops)
            if (op.kind == CanvasOp::Rectangle && op.brush.style == platform::BrushStyle::Clear &&
                ((op.x1 == 60 && op.y1 == 30 && op.x2 == 511 && op.y2 == 431) ||
                 (op.x1 == 60 && op.y1 == 460 && op.x2 == 511 && op.y2 == 751)))
                ++frames;
        QCOMPARE(frames, 2);

        // Decade lines, black, in both diagrams.
        for (int x : {60, 135, 210, 285, 360, 435, 510}) {
            QVERIFY2(hasLine(ops, x, 25, x, 435, black), qPrintable(QString::number(x)));
            QVERIFY(hasLine(ops, x, 455, x, 755, black));
        }
        // Minor lines in silver: 2 and 5 within the first decade.
        const int x2 = 60 + int(std::nearbyint(std::log10(2.0) * 75));
        QVERIFY(hasLine(ops, x2, 25, x2, 435, silver));
        QVERIFY(hasLine(ops, 60 + 52, 455, 60 + 52, 755, silver)); // log10(5)*75 = 52.4

        // Decade labels and the axis title in place of the label of q = 5.
        const char* labels[] = {"1E-3", "1E-2", "1E-1", "1E0", "1E1"};
        for (int q = 0; q < 5; ++q) {
            const CanvasOp* t = text(ops, labels[q]);
            QVERIFY2(t, labels[q]);
            QCOMPARE(t->x1, 60 + 75 * q - 10);
            QCOMPARE(t->y1, 440);
        }
        QVERIFY(!text(ops, "1E2"));
        const CanvasOp* title = text(ops, "    w  -->       ");
        QVERIFY(title);
        QCOMPARE(title->x1, 410);
        QCOMPARE(text(ops, "1E3")->x1, 500);

        // Magnitude lines every 50 pixels, black on even steps.
        const char* db[] = {"  -40 dB", "  -30 dB", "  -20 dB", "  -10 dB", "  0 dB",
                            "  +10 dB", "  +20 dB", "  +30 dB", "  +40 dB"};
        for (int q = 0; q <= 8; ++q) {
            const int y = 430 - 50 * q;
            QVERIFY(hasLine(ops, 55, y, 515, y, q % 2 == 0 ? black : silver));
            const CanvasOp* t = text(ops, db[q]);
            QVERIFY2(t, db[q]);
            QCOMPARE(t->y1, y - 6);
            QCOMPARE(t->x1, q < 4 ? 13 : q == 4 ? 20 : 10);
        }
        QCOMPARE(text(ops, "1.00000E-002")->y1, 424);
        QCOMPARE(text(ops, "3.16228E-002")->y1, 374);
        QCOMPARE(text(ops, "1.00000E+002")->x1, 520);

        // Phase lines at 750, 678, 605, 532, 460.
        const int ys[] = {750, 678, 605, 532, 460};
        const char* deg[] = {"  -90 °", "  -45 °", "  0 °", "  +45 °", "  +90 °"};
        for (int q = 0; q <= 4; ++q) {
            QVERIFY(hasLine(ops, 55, ys[q], 515, ys[q], q % 2 == 0 ? black : silver));
            std::vector<const CanvasOp*> both;
            for (const auto& op : ops)
                if (op.kind == CanvasOp::TextOut && op.text == deg[q])
                    both.push_back(&op);
            QCOMPARE(int(both.size()), 2);
            QCOMPARE(both[0]->x1, q == 2 ? 27 : 20);
            QCOMPARE(both[1]->x1, q == 2 ? 527 : 520);
            QCOMPARE(both[0]->y1, ys[q] - 6);
        }

        QVERIFY(text(ops, "  Im oberen Diagramm wird der  BETRAG  der Funktion in Abhängigkeit von der Kreisfrequenz  w  dargestellt"));
        // Every chart text in Arial, cell height 14, or a little less where
        // the text would otherwise run into the page frame.
        for (const auto& op : ops)
            if (op.kind == CanvasOp::TextOut) {
                QCOMPARE(op.font.name, QString("Arial"));
                QVERIFY(op.font.height == 14 || (op.font.height >= 12 && op.x1 >= 520) ||
                        op.text.contains("Diagramm wird der"));
            }
    }

    void labelsWithThePointOnACommaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto ops = drawn(true, false);
        QVERIFY(text(ops, "1.00000E-002"));
        QVERIFY(text(ops, "3.16228E+001"));
    }

    void oneDecadeChart()
    {
        chart.fmin = 1;
        chart.fmax = 10;
        chart.axis_f = true;
        chart.with_units = true;
        const auto ops = drawn(true, true);
        QCOMPARE(decades(), 1);
        QCOMPARE(text(ops, "10^0")->x1, 45);
        QCOMPARE(text(ops, "10^1")->x1, 495);
        const CanvasOp* t = text(ops, "f / Hz  -->");
        QVERIFY(t);
        QCOMPARE(t->x1, 285);
        QCOMPARE(t->y1, 440);
        QVERIFY(text(ops, "    Im oberen Diagramm wird der  BETRAG  der Funktion in Abhängigkeit von der Frequenz  f  dargestellt       "));
        QCOMPARE(text(ops, "    Im unteren Diagramm wird der  WINKEL  der Funktion in Abhängigkeit von der Frequenz  f  dargestellt       ")->x1, 32);
        // Minor lines at log10(k) of the one decade.
        QVERIFY(hasLine(ops, 60 + 135, 25, 60 + 135, 435, silver)); // log10(2)*450 = 135.5 -> 135 (even)
    }

    void negativeExponentInOneDecadeLabel()
    {
        chart.fmin = 0.1L;
        chart.fmax = 1;
        const auto ops = drawn(false, true);
        QVERIFY(text(ops, "10^(-1)"));
        QVERIFY(text(ops, "10^0"));
    }

    void largeValuesAndUnitTitles()
    {
        chart.bmin = 1e-5L;
        chart.bmax = 1e5L;
        chart.pmin = -270;
        chart.pmax = 180;
        chart.with_units = true;
        const auto ops = drawn(true, true);
        QCOMPARE(text(ops, "+100 dB")->x1, 10);
        QCOMPARE(text(ops, "-100 dB")->x1, 13);
        QVERIFY(text(ops, "-270 °"));
        QVERIFY(text(ops, "+180 °"));
        QVERIFY(text(ops, "w · sec  -->"));
    }

    void nothingButClearing()
    {
        chart.fmin = 10;
        chart.fmax = 0.01L;
        const auto ops = drawn(false, false);
        QCOMPARE(count(ops, CanvasOp::TextOut), 0);
        QCOMPARE(count(ops, CanvasOp::Rectangle), 1);
        QCOMPARE(double(chart.fmin), 0.01); // normalised all the same
    }

    void magnitudeOnly()
    {
        const auto ops = drawn(true, false);
        for (const auto& op : ops) {
            if (op.kind == CanvasOp::LineTo)
                QVERIFY(op.y1 < 450 && op.y2 < 450);
            if (op.kind == CanvasOp::TextOut)
                QVERIFY(op.y1 < 450);
        }
        QVERIFY(text(ops, "1E0"));
    }

    // A range narrower than half a decade has no grid; nothing divides by zero.
    void zeroDecades()
    {
        chart.fmin = 1;
        chart.fmax = 2;
        QCOMPARE(decades(), 0);
        const auto ops = drawn(true, true);
        QVERIFY(!ops.empty());
        for (const auto& op : ops)
            if (op.kind == CanvasOp::LineTo)
                QVERIFY(op.x1 == 55); // only the horizontal lines
    }

    void penEndsBlack()
    {
        platform::Canvas c;
        draw_chart(c, true, true);
        QCOMPARE(c.pen.color, QColor(Qt::black));
        QCOMPARE(c.pen.width, 1);
        QCOMPARE(c.brush.style, platform::BrushStyle::Clear);
    }
};

QTEST_MAIN(TestChart)
#include "test_chart.moc"
