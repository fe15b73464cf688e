// Construction steps drawn on screen: every step of every construction page
// whose interim result draws a polygon can be drawn with the mouse and is
// rated against that polygon.
#include "construction/drawing_check.h"
#include "construction/drawing_exercise.h"
#include "construction/transfer_function.h"
#include "lessons/pages.h"
#include "testutil.h"

using namespace testutil;
using drawing_exercise::Magnitude;
using drawing_exercise::Phase;
namespace dc = drawing_check;

namespace {

struct Step {
    QString id;
    int step;
    int diagram;
    std::vector<dc::Corner> solution;
    dc::Diagram frame;
};

dc::Diagram frame(int d)
{
    dc::Diagram g{60, 510, d == Magnitude ? 30 : 460, d == Magnitude ? 430 : 750, chart.fmin, chart.fmax, 0, 0,
                  d == Magnitude ? "dB/Dekade" : "°/Dekade"};
    g.value_top = d == Magnitude ? 20 * std::log10(chart.bmax) : chart.pmax;
    g.value_bottom = d == Magnitude ? 20 * std::log10(chart.bmin) : chart.pmin;
    return g;
}

// Every polygon a step asks for, found by walking each construction page
// (and the own example with a typed function) through its subtasks; `each`
// runs on the window at that step.
template <typename F>
void forEachStep(F each)
{
    const std::pair<int, int> pages[] = {{5, 13}, {6, 2}, {6, 4}, {6, 6}, {7, 2}, {7, 3},
                                         {7, 4},  {8, 1}, {8, 2}, {8, 3}, {0, 0}};
    for (auto [lesson, number] : pages) {
        auto w = newWindow();
        if (lesson) {
            lesson_no = lesson;
            page_no = number;
            w->show_page(lesson, number);
        } else {
            w->B_eigenClick();
            w->E_zaehler->setText("100 · ( 1 + s / 10 )");
            w->E_nenner->setText("s · ( 1 + s )^2 · ( 1 + s / 1000 )");
            click(w->B_uebernehmen);
        }
        QVERIFY(w->B_zeichnung->isVisible());
        while (w->B_next->isEnabled()) {
            click(w->B_next);
            const auto asked = drawing_exercise::step_polygons(page_id, subtask_no);
            QCOMPARE(drawing_exercise::active(), asked.any());
            for (int d : {Magnitude, Phase}) {
                if (asked.polygon[d].size() < 2)
                    continue;
                Step s{page_id, subtask_no, d, {}, frame(d)};
                for (const Vertex& v : asked.polygon[d])
                    s.solution.push_back(
                        {QPoint(freq_to_x(v.freq), d == Magnitude ? db_to_y(v.value) : phase_to_y(v.value)), v.freq});
                each(*w, s);
            }
        }
    }
}

std::vector<QPoint> moved(const std::vector<dc::Corner>& solution, int dx, int dy)
{
    std::vector<QPoint> out;
    for (const dc::Corner& c : solution)
        out.push_back(c.at + QPoint(dx, dy));
    return out;
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT

private slots:
    // Drawn with the mouse: the solution's own vertices rate "RICHTIG" and
    // count; a right click takes back exactly one vertex; the interim
    // result ends the drawing.
    void everyStepDrawnWithTheMouse()
    {
        int steps = 0;
        forEachStep([&](TForm1& w, const Step& s) {
            const auto asked = drawing_exercise::step_polygons(page_id, subtask_no);
            if (s.diagram == Magnitude && asked.polygon[Phase].size() >= 2)
                return; // both diagrams asked: drawn once, with the phase
            QPoint last;
            for (int d : {Magnitude, Phase})
                for (const Vertex& v : asked.polygon[d]) {
                    last = QPoint(freq_to_x(v.freq), d == Magnitude ? db_to_y(v.value) : phase_to_y(v.value));
                    // On the frame's edge from just outside it, as the grid lines reach.
                    clickAt(w, last.x() == 60 ? 57 : last.x(), last.y());
                }
            auto count = [] { return drawing_exercise::vertices(Magnitude).size() + drawing_exercise::vertices(Phase).size(); };
            const size_t drawn = count();
            clickAt(w, 300, 440); // between the diagrams: nothing
            clickAt(w, 300, 200, Qt::RightButton);
            QCOMPARE(count(), drawn - 1);
            clickAt(w, last.x(), last.y());
            const int answered = lesson_answered[lesson_no];
            click(w.B_zeichnung);
            QVERIFY2(w.M_teilloes->text().contains(dc::grade_text(dc::Grade::Richtig)),
                     qPrintable(s.id + " " + QString::number(s.step) + w.M_teilloes->text()));
            QCOMPARE(drawings_done, drawings_right);
            QCOMPARE(lesson_answered[lesson_no], answered + 1);
            QVERIFY(!w.B_zeichnung->isEnabled());
            click(w.B_ergeb);
            QVERIFY(!drawing_exercise::active() && count() == 0);
            ++steps;
        });
        QVERIFY(steps > 60);
    }

    // The rule on every asked polygon: 3 pixels off "UNGENAU", 6 "FALSCH";
    // a missing corner, a wrong slope and a short polygon are named.
    void everyPolygonRated()
    {
        int named = 0;
        forEachStep([&](TForm1&, const Step& s) {
            const QString where = s.id + " " + QString::number(s.step);
            auto grade = [&](const std::vector<QPoint>& p) { return dc::rate(s.solution, p, s.frame).grade; };
            QCOMPARE(grade(moved(s.solution, 0, 0)), dc::Grade::Richtig);
            for (int sign : {-1, 1}) {
                QVERIFY2(grade(moved(s.solution, 0, 3 * sign)) == dc::Grade::Ungenau, qPrintable(where));
                QVERIFY2(grade(moved(s.solution, 0, 6 * sign)) == dc::Grade::Falsch, qPrintable(where));
                QVERIFY2(grade(moved(s.solution, 3 * sign, 0)) == dc::Grade::Ungenau, qPrintable(where));
            }
            const size_t n = s.solution.size();
            // The last section 40 pixels off at its end.
            std::vector<QPoint> p = moved(s.solution, 0, 0);
            p.back().ry() += s.solution[n - 2].at.y() > 300 && s.solution[n - 2].at.y() < 460 ? -40 : 40;
            QVERIFY2(dc::rate(s.solution, p, s.frame)
                         .findings.join('|')
                         .contains("Steigung ab w = " + tf::number(s.solution[n - 2].freq) + " falsch: "),
                     qPrintable(where));
            // Ends halfway along the last section.
            p = moved(s.solution, 0, 0);
            p.back() = (p[n - 2] + p.back()) / 2;
            const QString end = s.solution.back().at.x() == 510
                                    ? QString("Polygonzug endet vor dem rechten Rand")
                                    : "Polygonzug endet vor w = " + tf::number(s.solution.back().freq);
            QVERIFY2(dc::rate(s.solution, p, s.frame).findings.contains(end), qPrintable(where));
            // Every corner left out that the polygon does not pass anyway.
            for (size_t i = 1; i + 1 < n; ++i) {
                p = moved(s.solution, 0, 0);
                p.erase(p.begin() + long(i));
                const dc::Rating r = dc::rate(s.solution, p, s.frame);
                if (r.grade == dc::Grade::Richtig)
                    continue;
                QVERIFY2(r.findings.join('|').contains("Knick bei w = " + tf::number(s.solution[i].freq)),
                         qPrintable(where + " " + r.findings.join('|')));
                ++named;
            }
        });
        QVERIFY(named > 30);
    }
};

QTEST_MAIN(TestDrawing)
#include "test_drawing.moc"
