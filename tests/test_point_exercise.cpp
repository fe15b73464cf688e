// The point exercise of lesson 3: page, random tasks, mouse, check, marks
// and statistics.
#include "testutil.h"

#include "app/exercises.h"
#include "platform/numfmt.h"

#include <QLocale>
#include <cmath>
#include <set>

using namespace testutil;

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 128, 0);

std::unique_ptr<TForm1> pointPage(unsigned long long seed = 1)
{
    return openLesson(3, seed);
}

// A known task on the chart f 0.001 .. 1000 Hz, 0.01 .. 100, -90° .. 90°.
void knownTask(bool by_mouse, int kind, long double freq, long double value)
{
    chart = ChartSettings{0.001L, 1000.0L, 0.01L, 100.0L, -90, 90, chart.axis_f, chart.with_units};
    draw_chart(true, true);
    point_by_mouse = by_mouse;
    exercise_kind = kind;
    target_freq = freq;
    target_value = value;
}

int targetX()
{
    return freq_to_x(target_freq);
}

int targetY()
{
    return point_value_to_y(target_value);
}

// The vertical pieces of a crosshair at x.
bool hasCrossVertical(const TForm1& w, int x, const QColor& color)
{
    return hasLine(w, x, 750, x, 455, color) && hasLine(w, x, 435, x, 30, color);
}

int countLines(const TForm1& w, const QColor& color)
{
    int n = 0;
    for (const auto& op : ops(w, platform::CanvasOp::LineTo))
        n += op.pen.color == color;
    return n;
}

// u -> R(n) as the tasks draw it.
int drawn(long double u, int n)
{
    return std::max(1, int(std::nearbyint(u * n + 0.5L)));
}

bool near(long double a, long double b)
{
    return std::fabs(a - b) <= 1e-9L * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

class TestPointExercise : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void thePage()
    {
        auto w = newWindow();
        record(*w);
        chooseLesson(*w, 3);
        QCOMPARE(page_id, QString("03_01"));
        QCOMPARE(page_lesson, QString("3"));
        QVERIFY(page_section.isEmpty() && page_example.isEmpty());
        QVERIFY(point_mode && !line_mode && !constant_mode);
        QVERIFY(findText(*w, "3. Punkte im Bode-Diagramm eintragen und ablesen"));
        QVERIFY(findText(*w, "Seite 03_01     Stand 07.11.07"));
        QVERIFY(chart.axis_f && chart.with_units);
        QVERIFY(w->P_punkt->isVisible());
        QVERIFY(!w->P_aufgaben->isVisible() && !w->P_diag->isVisible());
        QCOMPARE(w->M_text->height(), 926);
        QCOMPARE(w->B_neu->text(), QString("Neuen Punkt vorgeben"));
        QCOMPARE(w->B_pruef->text(), QString("Kontrolle der Eingaben"));
        QVERIFY(!w->B_pruef->isVisible());
        QCOMPARE(w->P_statistik->caption(), QString("Von   0 Punkt(en) wurde(n) bisher   0  richtig bearbeitet"));
        QCOMPARE(w->P_punkt->font().pixelSize(), 15);

        const QString text = w->M_text->text();
        QVERIFY(text.startsWith("\r\n"));
        QVERIFY(text.contains("\r\n" + QString(129, '-') + "\r\n"));
        QVERIFY(text.contains("Richtwert 100, besser mehr"));
        for (const char* both : {"600 = 6E2", "900 = 9E2", "1000 = 1E3", "5000 = 5E3"})
            QVERIFY2(text.contains(both), both);
    }

    void newPointDrawsInOrder()
    {
        auto w = pointPage();
        platform::seedRandom(7);
        long double u[11];
        for (long double& x : u)
            x = platform::random();
        platform::seedRandom(7);
        click(w->B_neu);

        const int lo = drawn(u[0], 6);
        const int span = std::max(2, drawn(u[1], 5));
        QVERIFY(near(chart.fmin, std::pow(10.0L, lo - 3)));
        QVERIFY(near(chart.fmax, chart.fmin * std::pow(10.0L, span)));
        QVERIFY(near(chart.bmin, std::pow(10.0L, drawn(u[2], 3) - 4)));
        QVERIFY(near(chart.bmax, chart.bmin * std::pow(10.0L, (u[3] < 0.5L ? 1 : 2) + 2)));
        QCOMPARE(chart.pmin, 90 * drawn(u[4], 3) - 450);
        QCOMPARE(chart.pmax, chart.pmin + 90 * drawn(u[5], 4));
        QCOMPARE(point_by_mouse, u[6] < 0.5L);
        const int m = drawn(u[7], 10);
        const int k = drawn(u[8], span) - 1;
        QVERIFY(near(target_freq, m * std::pow(10.0L, lo - 3 + k)));
        QCOMPARE(exercise_kind, drawn(u[9], 3));
        const int j = drawn(u[10], exercise_kind == 1 ? (chart.bmax / chart.bmin > 1e3L ? 16 : 12)
                                   : exercise_kind == 2 ? (chart.bmax / chart.bmin > 1e3L ? 8 : 6)
                                                        : (chart.pmax - chart.pmin) / 90 * 4);
        const long double expected = exercise_kind == 1   ? 20 * std::log10(chart.bmin) + 5 * j
                                     : exercise_kind == 2 ? chart.bmin * std::pow(10.0L, j / 2.0L)
                                                          : chart.pmin + 22.5L * j;
        QVERIFY(near(target_value, expected));
    }

    void tasksStayOnTheGridAndAboveTheBottomEdge()
    {
        auto w = pointPage(3);
        std::set<int> kinds, spans;
        int mouse = 0;
        bool sawSmallChart = false;
        for (int i = 0; i < 600; ++i) {
            w->B_neuClick();
            const long double fmin = chart.fmin;
            const int decades = int(std::lround(std::log10(chart.fmax / fmin)));
            QVERIFY(fmin >= 0.0099L && fmin <= 1001);
            QVERIFY(decades >= 2 && decades <= 5);
            spans.insert(decades);
            QVERIFY(chart.bmin > 0.00099L && chart.bmin < 0.11L);
            const long double db = 20 * std::log10(chart.bmax / chart.bmin);
            QVERIFY(near(db, 60) || near(db, 80));
            QVERIFY(chart.pmin == -360 || chart.pmin == -270 || chart.pmin == -180);
            QVERIFY(chart.pmax - chart.pmin >= 90 && chart.pmax - chart.pmin <= 360);

            // 1..10 times a decade of the chart.
            const long double decade = std::pow(10.0L, std::floor(std::log10(target_freq / fmin) + 1e-9L));
            const long double m = target_freq / (fmin * decade);
            QVERIFY(near(m, std::round(m)) && std::round(m) >= 1 && std::round(m) <= 10);
            QVERIFY(target_freq >= fmin * 0.999L && target_freq <= chart.fmax * 1.001L);
            if (near(fmin, 0.01L) && decades == 2) {
                sawSmallChart = true;
                bool listed = false;
                for (int m = 1; m <= 10; ++m)
                    listed |= near(target_freq, 0.01L * m) || near(target_freq, 0.1L * m);
                QVERIFY(listed);
            }

            kinds.insert(exercise_kind);
            const int y = point_value_to_y(target_value);
            if (exercise_kind == 3) {
                QVERIFY(target_value > chart.pmin && target_value <= chart.pmax);
                QVERIFY(y < phase_bottom && y >= phase_top);
            } else {
                QVERIFY(y < mag_bottom && y >= mag_top);
            }
            mouse += point_by_mouse;
        }
        QCOMPARE(int(kinds.size()), 3);
        QCOMPARE(int(spans.size()), 4);
        QVERIFY(sawSmallChart);
        QVERIFY(mouse > 200 && mouse < 400);
    }

    void placeByMousePanel()
    {
        auto w = pointPage(5);
        while (!point_by_mouse || exercise_kind != 2)
            click(w->B_neu);
        QCOMPARE(w->l_pkt_ueber->text(),
                 QString("Bewegen Sie die Maus im Bode-Diagramm zu dem Punkt mit den Koordinaten"));
        QCOMPARE(w->l_pkt_freq->text(), QString("Frequenz in Hz = "));
        QCOMPARE(w->l_pkt_wert1->text(), QString("Betrag als Zahl ="));
        QCOMPARE(w->l_pkt_mli->text(),
                 QString("Mit einem Klick auf die LINKE MAUSTASTE wird die Position gespeichert"));
        QCOMPARE(w->l_pkt_mre->text(),
                 QString("Mit einem Klick auf die RECHTE MAUSTASTE löschen Sie die Position wieder"));
        QCOMPARE(w->E_freq->text(), " " + numfmt::sci(target_freq, 3));
        QCOMPARE(w->E_wert->text(), " " + numfmt::sci(target_value, 4));
        QVERIFY(!w->E_freq->isEnabled() && !w->E_wert->isEnabled());
    }

    void readAndTypePanel()
    {
        auto w = pointPage(5);
        do {
            record(*w);
            click(w->B_neu);
        } while (point_by_mouse || exercise_kind != 3);
        QCOMPARE(w->l_pkt_ueber->text(),
                 QString("Ermitteln Sie die Koordinaten des im Bode-Diagramm markierten Punktes"));
        QCOMPARE(w->l_pkt_wert1->text(), QString("    Winkel in ° ="));
        QCOMPARE(w->l_pkt_mli->text(),
                 QString("1. Lesen Sie die markierte   Frequenz in Hz   ab und geben Sie diese ein."));
        QCOMPARE(w->l_pkt_mre->text(),
                 QString("2. Lesen Sie den markierten  Winkel in °   ab und geben Sie diesen ein."));
        QVERIFY(w->E_freq->isEnabled() && w->E_wert->isEnabled());
        QVERIFY(w->E_freq->text().isEmpty() && w->E_wert->text().isEmpty());
        QVERIFY(w->E_freq->hasFocus());

        // The red crosshair at the target, its horizontal drawn twice, width 3.
        QCOMPARE(target_px, targetX());
        QCOMPARE(target_py, phase_to_y(target_value));
        QVERIFY(hasCrossVertical(*w, target_px, red));
        int horizontals = 0;
        for (const auto& op : ops(*w, platform::CanvasOp::LineTo))
            if (op.pen.color == red) {
                QCOMPARE(op.pen.width, 3);
                horizontals += op.x1 == 55 && op.x2 == 515 && op.y1 == target_py && op.y2 == target_py;
            }
        QCOMPARE(horizontals, 2);
        QCOMPARE(w->Canvas.pen.width, 1);
        QCOMPARE(w->Canvas.pen.color, QColor(Qt::black));
    }

    void mouseRatings_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QString>("freqRating");
        QTest::addColumn<QString>("valueRating");
        QTest::newRow("on the target") << 1 << 0 << 0 << "RICHTIG" << "RICHTIG";
        QTest::newRow("2 px off") << 2 << 2 << -2 << "RICHTIG" << "RICHTIG";
        QTest::newRow("3 px off in x") << 3 << -3 << 0 << "UNGENAU" << "RICHTIG";
        QTest::newRow("5 px off in y") << 1 << 0 << 5 << "RICHTIG" << "UNGENAU";
        QTest::newRow("6 px off in x") << 2 << 6 << 1 << "FALSCH" << "RICHTIG";
        QTest::newRow("6 px off in y") << 3 << 1 << -6 << "RICHTIG" << "FALSCH";
    }
    void mouseRatings()
    {
        QFETCH(int, kind);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(QString, freqRating);
        QFETCH(QString, valueRating);
        auto w = pointPage();
        const long double value = kind == 1 ? -20.0L : kind == 2 ? 0.1L : 45.0L;
        knownTask(true, kind, 20.0L, value);
        const int x = targetX() + dx, y = targetY() + dy;

        record(*w);
        clickAt(*w, x, y);
        QVERIFY(position_stored && mark_drawn);
        QCOMPARE(stored_px, x);
        QCOMPARE(stored_py, y);
        QVERIFY(hasCrossVertical(*w, x - 3, green) && hasCrossVertical(*w, x + 3, green));
        QVERIFY(hasLine(*w, 55, y - 3, 515, y - 3, green) && hasLine(*w, 55, y + 3, 515, y + 3, green));
        QVERIFY(w->B_pruef->isVisible() && w->B_pruef->hasFocus());

        record(*w);
        click(w->B_pruef);
        QCOMPARE(w->l_pkt_bem_f->text(), freqRating);
        QCOMPARE(w->l_pkt_bem_wert->text(), valueRating);
        const bool right = freqRating == "RICHTIG" && valueRating == "RICHTIG";
        QCOMPARE(freq_ok && value_ok, right);
        QCOMPARE(w->l_pkt_loes->text(), QString("Sie haben die folgenden Koordinaten mit der Maus gespeichert:"));
        QCOMPARE(w->l_pkt_f->text(), "Frequenz in Hz =    " + numfmt::sci(x_to_freq(x), 3));
        QCOMPARE(w->l_pkt_wert2->text(), readout_labels[kind] + "    " + point_value_text(stored_value));
        QVERIFY(hasCrossVertical(*w, targetX(), red)); // the solution
        QVERIFY(!w->B_pruef->isVisible());
        QVERIFY(w->B_neu->hasFocus());

        QCOMPARE(points_done, 1);
        QCOMPARE(points_right, right ? 1 : 0);
        QCOMPARE(lesson_answered[3], 1);
        QCOMPARE(lesson_solved[3], right ? 1 : 0);
        QCOMPARE(total_answered, 1);
        QCOMPARE(total_solved, right ? 1 : 0);
        QCOMPARE(w->P_statistik->caption(),
                 right ? QString("Von   1 Punkt(en) wurde(n) bisher   1   ( das sind   100.00  %  )   richtig bearbeitet")
                       : QString("Von   1 Punkt(en) wurde(n) bisher   0   ( das sind   0.00  %  )   richtig bearbeitet"));
    }

    void clicksThatStoreNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        const int left = Qt::LeftButton, none = Qt::NoModifier;
        QTest::newRow("magnitude task, phase diagram") << 1 << QPoint(300, 600) << left << none;
        QTest::newRow("number task, phase diagram") << 2 << QPoint(300, 460) << left << none;
        QTest::newRow("phase task, magnitude diagram") << 3 << QPoint(300, 430) << left << none;
        QTest::newRow("between the diagrams") << 1 << QPoint(300, 431) << left << none;
        QTest::newRow("left of the chart") << 1 << QPoint(59, 200) << left << none;
        QTest::newRow("right of the chart") << 3 << QPoint(511, 600) << left << none;
        QTest::newRow("with shift") << 1 << QPoint(300, 200) << left << int(Qt::ShiftModifier);
        QTest::newRow("with control") << 1 << QPoint(300, 200) << left << int(Qt::ControlModifier);
        QTest::newRow("middle button") << 1 << QPoint(300, 200) << int(Qt::MiddleButton) << none;
        QTest::newRow("right button") << 1 << QPoint(300, 200) << int(Qt::RightButton) << none;
    }
    void clicksThatStoreNothing()
    {
        QFETCH(int, kind);
        QFETCH(QPoint, at);
        QFETCH(int, button);
        QFETCH(int, modifiers);
        auto w = pointPage();
        knownTask(true, kind, 20.0L, kind == 3 ? 45.0L : -20.0L);
        record(*w);
        clickAt(*w, at.x(), at.y(), Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(click_x, at.x());
        QCOMPARE(click_y, at.y());
        QVERIFY(!position_stored && !mark_drawn);
        QCOMPARE(double(stored_freq), 0.0);
        QVERIFY(w->Canvas.ops.empty());
        QVERIFY(!w->B_pruef->isVisible());
    }

    void theEdgesOfTheDiagramsStore()
    {
        auto w = pointPage();
        knownTask(true, 1, 20.0L, -20.0L);
        clickAt(*w, 60, 430);
        QVERIFY(position_stored);
        QVERIFY(near(stored_freq, 0.001L));
        QVERIFY(near(stored_value, -40));

        knownTask(true, 3, 20.0L, 45.0L);
        reset_answer();
        clickAt(*w, 510, 460);
        QVERIFY(position_stored);
        QVERIFY(near(stored_freq, 1000));
        QVERIFY(near(stored_value, 90));
    }

    void aFurtherClickReplacesThePositionButNotTheMark()
    {
        auto w = pointPage();
        knownTask(true, 1, 20.0L, -20.0L);
        clickAt(*w, 200, 100);
        record(*w);
        clickAt(*w, 300, 200);
        QVERIFY(w->Canvas.ops.empty());
        QVERIFY(near(stored_freq, x_to_freq(300)));
        QVERIFY(near(stored_value, y_to_db(200)));

        // A click in the other diagram keeps the stored point whole.
        clickAt(*w, 400, 600);
        QVERIFY(near(stored_freq, x_to_freq(300)));
        QVERIFY(w->B_pruef->isVisible());
    }

    void aRightClickErasesEveryMark()
    {
        auto w = pointPage(11);
        while (point_by_mouse)
            click(w->B_neu);
        clickAt(*w, 300, exercise_kind == 3 ? 600 : 200);
        QVERIFY(position_stored);

        record(*w);
        clickAt(*w, 250, 300, Qt::RightButton);
        QVERIFY(!position_stored && !mark_drawn);
        QCOMPARE(click_x, 0);
        QCOMPARE(click_y, 0);
        QCOMPARE(double(stored_freq), 0.0);
        QCOMPARE(double(stored_value), 0.0);
        QVERIFY(!w->B_pruef->isVisible());
        QVERIFY(w->B_neu->hasFocus());
        // The chart is drawn afresh, and the red target cross is gone with it.
        bool frame = false;
        for (const auto& op : ops(*w, platform::CanvasOp::Rectangle))
            frame |= op.x1 == 60 && op.y1 == 30 && op.x2 == 511 && op.y2 == 431;
        QVERIFY(frame);
        QCOMPARE(countLines(*w, red), 0);
        QCOMPARE(countLines(*w, green), 0);

        // With nothing stored a right click changes nothing.
        record(*w);
        clickAt(*w, 250, 300, Qt::RightButton);
        QVERIFY(w->Canvas.ops.empty());
    }

    void typedAnswersAreCheckedAgainstTheTarget()
    {
        auto w = pointPage();
        knownTask(false, 1, 20.0L, -20.0L);
        w->E_freq->setEnabled(true);
        w->E_wert->setEnabled(true);
        w->E_freq->clear();
        w->E_wert->clear();
        w->E_freq->setFocus();
        QTest::keyClicks(w->E_freq, "20");
        QTest::keyClick(w->E_freq, Qt::Key_Return);
        QTest::keyClicks(w->E_wert, "-20,8");
        QTest::keyClick(w->E_wert, Qt::Key_Return);
        QVERIFY(w->B_pruef->hasFocus());

        record(*w);
        QTest::keyClick(w->B_pruef, Qt::Key_Return);
        QCOMPARE(w->l_pkt_loes->text(), QString("Die vorgegebenen Sollkoordinaten lauten:"));
        QCOMPARE(w->l_pkt_f->text(), QString("Frequenz in Hz =    2.000E+001"));
        QCOMPARE(w->l_pkt_wert2->text(), QString("   Betrag in dB =    -20.00"));
        QCOMPARE(w->l_pkt_bem_f->text(), QString("RICHTIG"));
        // 0.8 dB are 4 px on 80 dB over 400 px.
        QCOMPARE(w->l_pkt_bem_wert->text(), QString("UNGENAU"));
        // The entered point in green.
        const int y = db_to_y(-20.8L);
        QVERIFY(hasCrossVertical(*w, targetX() - 3, green));
        QVERIFY(hasLine(*w, 55, y + 3, 515, y + 3, green));
        QCOMPARE(countLines(*w, red), 0);
        QCOMPARE(points_done, 1);
        QCOMPARE(points_right, 0);
    }

    void everyCheckCounts()
    {
        auto w = pointPage();
        total_answered = 10;
        total_solved = 4;
        knownTask(true, 1, 20.0L, -20.0L);
        clickAt(*w, targetX(), targetY());
        click(w->B_pruef);
        // The position stays stored: the next click offers the check again.
        clickAt(*w, targetX() + 10, targetY());
        QVERIFY(w->B_pruef->isVisible());
        click(w->B_pruef);
        QCOMPARE(points_done, 2);
        QCOMPARE(points_right, 1);
        QCOMPARE(lesson_answered[3], 2);
        QCOMPARE(lesson_solved[3], 1);
        QCOMPARE(total_answered, 12);
        QCOMPARE(total_solved, 5);
        QCOMPARE(w->P_statistik->caption(),
                 QString("Von   2 Punkt(en) wurde(n) bisher   1   ( das sind   50.00  %  )   richtig bearbeitet"));

        // A new task keeps the counters and starts clean.
        click(w->B_neu);
        QVERIFY(!position_stored && !mark_drawn && !freq_ok && !value_ok);
        QVERIFY(w->l_pkt_bem_f->text().isEmpty() && w->l_pkt_loes->text().isEmpty());
        QCOMPARE(points_done, 2);
    }

    void theStatisticsText()
    {
        const QString noun = " Punkt(en) wurde(n) bisher   ";
        const QString tail = "  richtig bearbeitet";
        QCOMPARE(exercise_statistics_text(0, 0, noun, tail),
                 QString("Von   0 Punkt(en) wurde(n) bisher   0  richtig bearbeitet"));
        QCOMPARE(exercise_statistics_text(3, 1, noun, tail),
                 QString("Von   3 Punkt(en) wurde(n) bisher   1   ( das sind   33.33  %  )   richtig bearbeitet"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(exercise_statistics_text(3, 2, noun, tail),
                 QString("Von   3 Punkt(en) wurde(n) bisher   2   ( das sind   66.67  %  )   richtig bearbeitet"));
    }

    void returningToThePageStartsACleanTask()
    {
        auto w = pointPage();
        knownTask(true, 1, 20.0L, -20.0L);
        clickAt(*w, targetX(), targetY());
        click(w->B_pruef);
        chooseLesson(*w, 4);
        chooseLesson(*w, 3);
        QVERIFY(!position_stored && !mark_drawn && !freq_ok && !value_ok);
        QCOMPARE(points_done, 1);
        QCOMPARE(w->P_statistik->caption(),
                 QString("Von   1 Punkt(en) wurde(n) bisher   1   ( das sind   100.00  %  )   richtig bearbeitet"));

        knownTask(true, 1, 20.0L, -20.0L);
        record(*w);
        clickAt(*w, targetX(), targetY());
        QVERIFY(countLines(*w, green) > 0);
    }
};

QTEST_MAIN(TestPointExercise)
#include "test_point_exercise.moc"
