// The line exercise of lesson 4: page, random tasks, mouse, check and the
// drawing of boxes and segments.
#include "testutil.h"

#include "app/exercises.h"
#include "platform/numfmt.h"

#include <cmath>
#include <set>

using namespace testutil;

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 128, 0);

std::unique_ptr<TForm1> linePage(unsigned long long seed = 1)
{
    return openLesson(4, seed);
}

// A known task: from (f1, v1) over `ratio` with `slope`, on the fixed chart.
void knownTask(bool by_mouse, int kind, long double f1, long double v1, long double ratio, long double slope)
{
    draw_chart(true, true);
    line_by_mouse = by_mouse;
    exercise_kind = kind;
    seg_f1 = f1;
    seg_v1 = v1;
    target_freq = ratio;
    target_value = slope;
    seg_f2 = f1 * ratio;
    seg_v2 = v1 + std::log10(ratio) * slope;
    seg_x1 = freq_to_x(seg_f1);
    seg_y1 = line_value_to_y(seg_v1);
    seg_x2 = freq_to_x(seg_f2);
    seg_y2 = line_value_to_y(seg_v2);
}

int countRectangles(const TForm1& w, const QColor& color)
{
    int n = 0;
    for (const auto& op : ops(w, platform::CanvasOp::Rectangle))
        n += op.pen.color == color;
    return n;
}

bool hasBox(const TForm1& w, int x, int y, const QColor& color)
{
    for (const auto& op : ops(w, platform::CanvasOp::Rectangle))
        if (op.x1 == x - 5 && op.y1 == y - 5 && op.x2 == x + 6 && op.y2 == y + 6 && op.pen.color == color)
            return true;
    return false;
}

int drawn(long double u, int n)
{
    return std::max(1, int(std::nearbyint(u * n + 0.5L)));
}

bool near(long double a, long double b, long double tolerance = 1e-9L)
{
    return std::fabs(a - b) <= tolerance;
}

} // namespace

class TestLineExercise : public QObject {
    Q_OBJECT
private slots:
    void thePage()
    {
        auto w = newWindow();
        record(*w);
        chooseLesson(*w, 4);
        QCOMPARE(page_id, QString("04_01"));
        QCOMPARE(page_lesson, QString("4"));
        QVERIFY(line_mode && !point_mode && !constant_mode);
        QVERIFY(findText(*w, "4. Linien im Bode-Diagramm eintragen und ablesen"));
        QVERIFY(findText(*w, "Seite 04_01     Stand 07.11.07"));
        QVERIFY(w->P_punkt->isVisible() && !w->P_aufgaben->isVisible());
        QCOMPARE(w->B_neu->text(), QString("Neue Linie vorgeben"));
        QCOMPARE(w->B_pruef->text(), QString("Kontrolle der Eingaben"));
        QVERIFY(!w->B_pruef->isVisible());
        QCOMPARE(w->P_statistik->caption(), QString("Von   0 Linie(n) wurde(n) bisher   0   richtig bearbeitet"));

        QCOMPARE(double(chart.fmin), 0.1);
        QCOMPARE(double(chart.fmax), 100000.0);
        QCOMPARE(double(chart.bmin), 0.00001);
        QCOMPARE(double(chart.bmax), 100.0);
        QCOMPARE(chart.pmin, -180);
        QCOMPARE(chart.pmax, 180);
        QVERIFY(!chart.axis_f && !chart.with_units);

        const QString text = w->M_text->text();
        QVERIFY(text.startsWith("\r\n"));
        for (const char* part : {"Typ A", "Typ B", "n · 20 dB / Dek.", "n · 45 ° / Dek.", "Zeichendreieck"})
            QVERIFY2(text.contains(QString::fromUtf8(part)), part);
    }

    void newLineDrawsInOrder()
    {
        auto w = linePage();
        platform::seedRandom(9);
        long double u[7];
        for (long double& x : u)
            x = platform::random();
        platform::seedRandom(9);
        click(w->B_neu);

        QCOMPARE(exercise_kind, drawn(u[0], 2));
        QCOMPARE(line_by_mouse, u[1] < 0.5L);
        const int m = drawn(u[2], 10);
        const int k = drawn(u[3], 3) - 1;
        QVERIFY(near(seg_f1, 0.1L * m * std::pow(10.0L, k)));
        const int j = drawn(u[4], exercise_kind == 1 ? 28 : 8);
        QCOMPARE(double(target_freq), std::pow(10.0, drawn(u[5], 2)));
        QCOMPARE(std::fabs(double(target_value)), (exercise_kind == 1 ? 20.0 : 45.0) * drawn(u[6], 2));
        const long double start = exercise_kind == 1 ? -100 + 5 * j : -180 + 45 * j;
        QVERIFY(near(seg_v1, start) || near(std::fabs(seg_v1 - start), 10));
    }

    void tasksStayInTheDiagram()
    {
        auto w = linePage(4);
        int typeA = 0;
        long double highestRisingEnd = -100;
        std::set<long double> ratios;
        bool endsOnTheBottom = false;
        for (int i = 0; i < 800; ++i) {
            w->B_neuClick();
            typeA += line_by_mouse;
            ratios.insert(target_freq);
            const long double m = seg_f1 / std::pow(10.0L, std::floor(std::log10(seg_f1 * 10) + 1e-9L) - 1);
            QVERIFY(near(m, std::round(m), 1e-9L));
            QVERIFY(seg_f1 >= 0.1L - 1e-12L && seg_f1 <= 100 + 1e-9L);
            QVERIFY(near(seg_f2, seg_f1 * target_freq, 1e-6L));
            QVERIFY(near(seg_v2, seg_v1 + std::log10(target_freq) * target_value));
            if (exercise_kind == 1) {
                QVERIFY(seg_v1 > -100 && seg_v1 <= 40);
                QVERIFY(seg_v2 >= -100 - 1e-9L && seg_v2 <= 40);
                QVERIFY(std::fabs(target_value) == 20 || std::fabs(target_value) == 40);
                endsOnTheBottom |= near(seg_v2, -100);
                const long double step = std::fmod(seg_v1 + 100, 5);
                QVERIFY(near(step, 0) || near(step, 5));
                // Falling from the upper half, rising from the lower half.
                QCOMPARE(target_value < 0, seg_v1 >= -30);
                if (target_value > 0)
                    highestRisingEnd = std::max(highestRisingEnd, seg_v2);
            } else {
                QVERIFY(std::fabs(target_value) == 45 || std::fabs(target_value) == 90);
                // From 0° and above the line falls, below it rises.
                QCOMPARE(target_value < 0, seg_v1 >= 0);
                QVERIFY(seg_v1 >= -135 && seg_v1 <= 180);
                QVERIFY(seg_v2 >= -180 && seg_v2 <= 180);
            }
        }
        // A line that would leave the diagram starts 10 dB further inside: a
        // falling one may end on the bottom edge, a rising one at +35 dB.
        QVERIFY(endsOnTheBottom);
        QVERIFY(near(highestRisingEnd, 35));
        QCOMPARE(int(ratios.size()), 2);
        QVERIFY(typeA > 300 && typeA < 500);
    }

    void typeBShowsTheSegment()
    {
        auto w = linePage(6);
        do {
            record(*w);
            click(w->B_neu);
        } while (line_by_mouse || exercise_kind != 1);

        QVERIFY(hasBox(*w, seg_x1, seg_y1, red));
        QVERIFY(hasBox(*w, seg_x2, seg_y2, red));
        QVERIFY(hasLine(*w, 60, seg_y1, 510, seg_y1, red));
        QVERIFY(hasLine(*w, seg_x1, 30, seg_x1, 435, red));
        const int endY = seg_y1 < seg_y2 ? seg_y2 + 1 : seg_y1 == seg_y2 ? seg_y2 : seg_y2 - 1;
        QVERIFY(hasLine(*w, seg_x1, seg_y1, seg_x2 + 1, endY, red));

        QCOMPARE(w->l_pkt_ueber->text(), QString("Lesen Sie aus dem Bode-Diagramm für das Geradenstück heraus"));
        QCOMPARE(w->l_pkt_freq->text(), QString("        f end / f anf = "));
        QCOMPARE(w->l_pkt_wert1->text(), QString("Steigung in dB / Dek. ="));
        QCOMPARE(w->l_pkt_mli->text(),
                 QString("1. Bilden Sie das Frequenzverhältnis   f end / f anf   und geben Sie den Wert ein."));
        QCOMPARE(w->l_pkt_mre->text(),
                 QString("2. Ermitteln Sie die Steigung in   dB / Dekade   und geben Sie diese ein."));
        QVERIFY(w->E_freq->isEnabled() && w->E_freq->hasFocus());
        QVERIFY(w->E_freq->text().isEmpty());
    }

    void typeAShowsTheStartOnly()
    {
        auto w = linePage(6);
        do {
            record(*w);
            click(w->B_neu);
        } while (!line_by_mouse || exercise_kind != 2);

        QCOMPARE(countRectangles(*w, red), 1);
        QVERIFY(hasBox(*w, seg_x1, seg_y1, red));
        QVERIFY(hasLine(*w, seg_x1, 455, seg_x1, 750, red)); // the phase guide
        QCOMPARE(w->l_pkt_ueber->text(),
                 QString("Bewegen Sie die Maus so, dass sich vom gegebenen Punkt bei  f anf  aus ergibt"));
        QCOMPARE(w->l_pkt_freq->text(), QString("     f end / f anf = "));
        QCOMPARE(w->l_pkt_wert1->text(), QString(" Steigung in ° / Dek. ="));
        QCOMPARE(w->E_freq->text(), numfmt::fixed(target_freq, 2));
        QCOMPARE(w->E_wert->text(), " " + numfmt::fixed(target_value, 2));
        QVERIFY(!w->E_freq->isEnabled() && !w->E_wert->isEnabled());
    }

    void drawingASegmentByMouse()
    {
        auto w = linePage();
        knownTask(true, 1, 1, 0, 10, -20);
        record(*w);
        clickAt(*w, seg_x2, seg_y2);
        QVERIFY(position_stored);
        QVERIFY(near(stored_freq, 10, 1e-6L));
        QVERIFY(near(stored_value, -20, 0.5L));
        QVERIFY(hasBox(*w, seg_x2, seg_y2, green));
        QVERIFY(w->B_pruef->isVisible() && w->B_pruef->hasFocus());

        record(*w);
        click(w->B_pruef);
        QCOMPARE(w->l_pkt_loes->text(), QString("Sie haben die folgenden Kennwerte mit der Maus gespeichert:"));
        QCOMPARE(w->l_pkt_f->text(), "f end / f anf     " + numfmt::fixed(stored_freq, 2));
        QCOMPARE(w->l_pkt_wert2->text(), "Steigung in dB / Dek. =    " + numfmt::fixed(stored_value, 2));
        QCOMPARE(w->l_pkt_bem_f->text(), QString("RICHTIG"));
        QCOMPARE(w->l_pkt_bem_wert->text(), QString("RICHTIG"));
        // The target segment in red, its end pixel included.
        QVERIFY(hasLine(*w, seg_x1, seg_y1, seg_x2 + 1, seg_y2 + 1, red));
        QCOMPARE(lines_done, 1);
        QCOMPARE(lines_right, 1);
        QCOMPARE(lesson_answered[4], 1);
        QCOMPARE(lesson_solved[4], 1);
        QCOMPARE(w->P_statistik->caption(),
                 QString("Von   1 Linie(n) wurde(n) bisher   1   ( das sind   100.00  %  )   richtig bearbeitet"));
    }

    void slopeRatings_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("slope");
        QTest::addColumn<QString>("rating");
        QTest::newRow("dB, 0.7 off") << 1 << -20.7 << "RICHTIG";
        QTest::newRow("dB, 1.4 off") << 1 << -21.4 << "UNGENAU";
        QTest::newRow("dB, 2.5 off") << 1 << -22.5 << "FALSCH";
        QTest::newRow("degrees, 2.4 off") << 2 << -47.4 << "RICHTIG";
        QTest::newRow("degrees, 6 off") << 2 << -51.0 << "UNGENAU";
        QTest::newRow("degrees, 8 off") << 2 << -53.0 << "FALSCH";
    }
    void slopeRatings()
    {
        QFETCH(int, kind);
        QFETCH(double, slope);
        QFETCH(QString, rating);
        auto w = linePage();
        knownTask(false, kind, 1, kind == 1 ? 0 : 90, 10, kind == 1 ? -20 : -45);
        w->E_freq->setEnabled(true);
        w->E_wert->setEnabled(true);
        w->E_freq->clear();
        w->E_wert->clear();
        w->E_freq->setFocus();
        QTest::keyClicks(w->E_freq, "10");
        QTest::keyClick(w->E_freq, Qt::Key_Return);
        QTest::keyClicks(w->E_wert, QString::number(slope));
        QTest::keyClick(w->E_wert, Qt::Key_Return);
        QVERIFY(w->B_pruef->hasFocus());

        record(*w);
        QTest::keyClick(w->B_pruef, Qt::Key_Return);
        QCOMPARE(w->l_pkt_loes->text(), QString("Die vorgegebenen Sollkoordinaten lauten:"));
        QCOMPARE(w->l_pkt_f->text(), QString("f end / f anf     10.00"));
        QCOMPARE(w->l_pkt_wert2->text(), slope_labels[kind] + "    " + numfmt::fixed(target_value, 2));
        QCOMPARE(w->l_pkt_bem_f->text(), QString("RICHTIG"));
        QCOMPARE(w->l_pkt_bem_wert->text(), rating);
        // The entered segment in green, width 3.
        const int x2 = freq_to_x(10), y2 = line_value_to_y(seg_v1 + slope);
        QVERIFY(hasLine(*w, seg_x1, seg_y1, x2 + 1, y2 + 1, green));
        for (const auto& op : ops(*w, platform::CanvasOp::LineTo))
            if (op.pen.color == green)
                QCOMPARE(op.pen.width, 3);
        QCOMPARE(lines_done, 1);
        QCOMPARE(lines_right, rating == "RICHTIG" ? 1 : 0);
    }

    void aClickAtTheStartFrequencyStoresNothing()
    {
        auto w = linePage();
        knownTask(true, 1, x_to_freq(200), 0, 10, -20);
        QCOMPARE(seg_x1, 200);
        record(*w);
        clickAt(*w, 200, 100);
        QVERIFY(!position_stored);
        QVERIFY(w->Canvas.ops.empty());
        QVERIFY(!w->B_pruef->isVisible());
    }

    void aClickLeftOfTheStartTurnsTheSlope()
    {
        auto w = linePage();
        knownTask(true, 1, 10, 0, 10, -20);
        clickAt(*w, freq_to_x(1), db_to_y(-20));
        QVERIFY(position_stored);
        QVERIFY(near(stored_freq, 0.1L, 1e-3L));
        QVERIFY(near(stored_value, 20, 0.5L));
    }

    void clicksOutsideTheDiagramOfTheKind()
    {
        auto w = linePage();
        knownTask(true, 1, 1, 0, 10, -20);
        clickAt(*w, 300, 600);
        QVERIFY(!position_stored);
        knownTask(true, 2, 1, 90, 10, -45);
        clickAt(*w, 300, 200);
        clickAt(*w, 40, 600);
        clickAt(*w, 300, 600, Qt::LeftButton, Qt::AltModifier);
        QVERIFY(!position_stored);
        QCOMPARE(double(stored_freq), 0.0);
    }

    void aRightClickLeavesOnlyTheStartBox()
    {
        auto w = linePage(6);
        while (line_by_mouse)
            click(w->B_neu);
        clickAt(*w, 400, exercise_kind == 1 ? 100 : 500); // a stray click
        QVERIFY(position_stored);

        record(*w);
        clickAt(*w, 300, 300, Qt::RightButton);
        QVERIFY(!position_stored && !mark_drawn);
        QCOMPARE(countRectangles(*w, red), 1);
        QVERIFY(hasBox(*w, seg_x1, seg_y1, red));
        QCOMPARE(countRectangles(*w, green), 0);
        const int endY = seg_y1 < seg_y2 ? seg_y2 + 1 : seg_y1 == seg_y2 ? seg_y2 : seg_y2 - 1;
        QVERIFY(!hasLine(*w, seg_x1, seg_y1, seg_x2 + 1, endY));
        QVERIFY(!w->B_pruef->isVisible());
    }

    void drawSegmentIncludesItsEndPixel()
    {
        auto w = newWindow();
        record(*w);
        draw_segment(100, 100, 200, 150, 2, red);
        draw_segment(100, 100, 200, 100, 1, red);
        draw_segment(100, 100, 200, 50, 1, red);
        QVERIFY(hasLine(*w, 100, 100, 201, 151, red));
        QVERIFY(hasLine(*w, 100, 100, 201, 100, red));
        QVERIFY(hasLine(*w, 100, 100, 201, 49, red));
        QCOMPARE(ops(*w, platform::CanvasOp::LineTo)[0].pen.width, 2);
        QCOMPARE(w->Canvas.pen.width, 1);
        QCOMPARE(w->Canvas.pen.color, QColor(Qt::black));
    }
};

QTEST_MAIN(TestLineExercise)
#include "test_line_exercise.moc"
