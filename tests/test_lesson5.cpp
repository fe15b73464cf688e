// Lesson 5: the examples of the explanation pages, the constant exercise of
// 05_07 and the guided all-pass example of 05_13, driven through the lesson
// choice, the page buttons and the mouse.
#include "testutil.h"

#include "app/exercises.h"
#include "platform/numfmt.h"

#include <cmath>

using namespace testutil;
using platform::CanvasOp;

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor green(0, 128, 0);

using Points = QList<QPoint>;

// Shows page n of lesson 5 the way a student gets there, recording the
// last step.
std::unique_ptr<TForm1> goToPage(int n, unsigned long long seed = 1)
{
    auto w = newWindow(wholeScreen, seed);
    if (n == 1)
        record(*w);
    chooseLesson(*w, 5);
    for (int i = 2; i <= n; ++i) {
        if (i == n)
            record(*w);
        click(w->B_rechts);
    }
    return w;
}

bool hasSquare(const TForm1& w, QPoint c, const QColor& color, int width)
{
    for (const auto& op : ops(w, CanvasOp::Rectangle))
        if (op.x1 == c.x() - 5 && op.y1 == c.y() - 5 && op.x2 == c.x() + 6 && op.y2 == c.y() + 6 &&
            op.pen.color == color && op.pen.width == width)
            return true;
    return false;
}

// The draws of a task generator that the seed gives, in order: kind, m, e.
bool seedGives(unsigned long long seed, int kind, int m, int e)
{
    platform::seedRandom(seed);
    const auto draw = [](int n) { return std::max(1, int(std::nearbyint(platform::random() * n + 0.5L))); };
    const int k = draw(2);
    const int mm = draw(10);
    const int ee = draw(10) - 5;
    return k == kind && mm == m && ee == e;
}

// A new constant task on page 05_07 with the given draws.
void newTask(TForm1& w, int kind, int m, int e)
{
    unsigned long long seed = 1;
    while (!seedGives(seed, kind, m, e))
        ++seed;
    platform::seedRandom(seed);
    click(w.B_neu);
}

bool near(long double a, long double b)
{
    return std::fabs(a - b) <= 1e-9L * std::fabs(b);
}

} // namespace

class TestLesson5 : public QObject {
    Q_OBJECT
private slots:
    void headers_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("date");
        QTest::newRow("05_01") << 1 << "5. Elementare Frequenzabhängigkeiten :       5.1 Tiefpass 1. Ordnung (PT1)"
                               << "07.11.07";
        QTest::newRow("05_03") << 3 << "5. Elementare Funktionen :       5.2 Integrierendes oder I- Verhalten"
                               << "07.11.07";
        QTest::newRow("05_05") << 5 << "5. Elementare Funktionen :       5.3 Differenzierendes oder D- Verhalten"
                               << "07.11.07";
        QTest::newRow("05_07") << 7 << "Aufgaben zur 5. Lektion ,  Abschnitte 5.2 + 5.3" << "07.11.07";
        QTest::newRow("05_08") << 8 << "5. Elementare Frequenzabhängigkeiten :       5.4 PI-Verhalten" << "07.11.07";
        QTest::newRow("05_10") << 10 << "5. Elementare Frequenzabhängigkeiten :       5.5 PD-Verhalten" << "07.11.07";
        QTest::newRow("05_12") << 12 << "5. Elementare Frequenzabhängigkeiten :       5.6 Allpass erster Ordnung"
                               << "07.11.07";
        QTest::newRow("05_13") << 13 << "Lektion 5 :   Abschnitt 5.6   1. Beispiel" << "12.11.07";
    }

    void headers()
    {
        QFETCH(int, page);
        QFETCH(QString, title);
        QFETCH(QString, date);
        auto w = goToPage(page);
        const QString id = QStringLiteral("05_%1").arg(page, 2, 10, QLatin1Char('0'));
        QCOMPARE(page_id, id);
        const CanvasOp* t = findText(*w, title);
        QVERIFY2(t, qPrintable(texts(*w).join('|')));
        // Long titles are made to fit inside the frame.
        QVERIFY(t->x1 + w->Canvas.textWidth(title) <= 1264 || t->font.height < 22);
        QVERIFY(findText(*w, "Seite " + id + "     Stand " + date));
        QVERIFY(w->M_text->text().startsWith("\r\n"));
        QCOMPARE(page_example, QString(page == 13 ? "1" : ""));
        QCOMPARE(constant_mode, page == 7);
        QVERIFY(!point_mode && !line_mode);
    }

    // One row per example: the polylines of width 2 (shifted rows included),
    // the squares of width 2 and the dashed vertical (x, top, bottom).
    void examples_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<Points>("magnitude");
        QTest::addColumn<Points>("phase");
        QTest::addColumn<Points>("squares");
        QTest::addColumn<QList<int>>("dashed");
        const auto row = [](const char* name, int page, QColor c, Points m, Points p, Points s, QList<int> d) {
            QTest::newRow(name) << page << c << m << p << s << d;
        };
        row("05_01 blue", 1, blue, {{60, 70}, {339, 70}, {510, 192}}, {{60, 604}, {226, 604}, {451, 749}, {510, 749}},
            {{339, 70}, {339, 678}}, {339, 22, 753});
        row("05_01 red", 1, red, {{60, 230}, {251, 230}, {510, 414}}, {{60, 606}, {139, 606}, {364, 751}, {510, 751}},
            {{251, 230}, {251, 678}}, {251, 22, 753});
        row("05_03 blue", 3, blue, {{124, 30}, {510, 373}}, {{60, 677}, {510, 677}},
            {{189, 87}, {253, 144}, {317, 201}, {446, 316}}, {});
        row("05_03 green", 3, green, {{60, 70}, {465, 430}}, {{60, 680}, {510, 680}},
            {{144, 144}, {272, 259}, {401, 373}}, {});
        row("05_05 blue", 5, blue, {{60, 373}, {446, 30}}, {{60, 531}, {510, 531}},
            {{189, 259}, {253, 201}, {317, 144}, {446, 30}}, {});
        row("05_05 green", 5, green, {{182, 430}, {510, 139}}, {{60, 534}, {510, 534}},
            {{247, 373}, {375, 259}, {504, 144}}, {});
        row("05_08 blue", 8, blue, {{87, 30}, {357, 270}, {510, 270}}, {{60, 751}, {267, 751}, {447, 606}, {510, 606}},
            {{357, 270}, {357, 678}}, {357, 22, 756});
        row("05_08 red", 8, red, {{60, 242}, {226, 390}, {510, 390}}, {{60, 749}, {136, 749}, {316, 604}, {510, 604}},
            {{226, 390}, {226, 678}}, {226, 22, 756});
        row("05_10 red", 10, red, {{60, 180}, {213, 180}, {348, 30}}, {{60, 604}, {123, 604}, {303, 459}, {510, 459}},
            {{213, 180}, {213, 532}}, {213, 20, 756});
        row("05_10 blue", 10, blue, {{60, 330}, {330, 330}, {510, 130}},
            {{60, 606}, {240, 606}, {420, 461}, {510, 461}}, {{330, 330}, {330, 532}}, {330, 20, 756});
        row("05_12 red", 12, red, {{60, 231}, {510, 231}}, {{60, 533}, {103, 533}, {283, 679}, {510, 679}},
            {{193, 605}}, {193, 20, 755});
        row("05_12 blue", 12, blue, {{60, 229}, {510, 229}}, {{60, 531}, {267, 531}, {447, 677}, {510, 677}},
            {{357, 605}}, {357, 20, 755});
    }

    void examples()
    {
        QFETCH(int, page);
        QFETCH(QColor, color);
        QFETCH(Points, magnitude);
        QFETCH(Points, phase);
        QFETCH(Points, squares);
        QFETCH(QList<int>, dashed);
        auto w = goToPage(page);
        verifyPolyline(*w, magnitude, color);
        verifyPolyline(*w, phase, color);
        for (QPoint s : squares)
            QVERIFY(hasSquare(*w, s, color, 2));
        if (!dashed.isEmpty()) {
            const int x = dashed[0], top = dashed[1], bottom = dashed[2];
            const CanvasOp* down = findLine(*w, {x, top}, {x, bottom}, color);
            QVERIFY(down);
            QCOMPARE(down->pen.style, platform::PenStyle::Dash);
            QCOMPARE(down->pen.width, 1);
            QVERIFY(findLine(*w, {x, bottom}, {x + 1, bottom + 1}, color)); // the end pixel
        }
        QCOMPARE(w->Canvas.pen.color, QColor(Qt::black));
        QCOMPARE(w->Canvas.font.color, QColor(Qt::black));
        QVERIFY(!w->B_pruef->isVisible() && !w->P_punkt->isVisible());
    }

    void pointLabels()
    {
        auto w = goToPage(3);
        const CanvasOp* blue4 = nullptr;
        const CanvasOp* green3 = nullptr;
        const auto texts = ops(*w, CanvasOp::TextOut);
        for (const auto& op : texts) {
            if (op.text == "Punkt 4")
                blue4 = &op;
            if (op.text == "Punkt 3" && op.font.color == green)
                green3 = &op;
        }
        QVERIFY(blue4 && green3);
        QCOMPARE(QPoint(blue4->x1, blue4->y1), QPoint(446 + 5, 316 - 25));
        QCOMPARE(blue4->font.color, blue);
        QCOMPARE(QPoint(green3->x1, green3->y1), QPoint(401 - 20, 373 + 15));
    }

    // The visible piece of |G| = K / w (kind 1) or K · w (kind 2) on the
    // chart w 0.01 .. 10000, |G| 1E-4 .. 1E4.
    void newConstant_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("e");
        QTest::addColumn<QList<double>>("segment");
        QTest::newRow("K/s, K = 1: to the bottom edge") << 1 << 1 << 0 << QList<double>{0.01, 100, 1E4, 1E-4};
        QTest::newRow("K/s, K = 100: edge to edge") << 1 << 10 << 1 << QList<double>{0.01, 1E4, 1E4, 0.01};
        QTest::newRow("K/s, K = 5000: from the top edge") << 1 << 5 << 3 << QList<double>{0.5, 1E4, 1E4, 0.5};
        QTest::newRow("K·s, K = 1E-6: from the bottom edge") << 2 << 10 << 5 << QList<double>{100, 1E-4, 1E4, 0.01};
        QTest::newRow("K·s, K = 0.5: edge to edge") << 2 << 2 << 0 << QList<double>{0.01, 0.005, 1E4, 5000};
        QTest::newRow("K·s, K = 25: to the top edge") << 2 << 4 << -2 << QList<double>{0.01, 0.25, 400, 1E4};
    }

    void newConstant()
    {
        QFETCH(int, kind);
        QFETCH(int, m);
        QFETCH(int, e);
        QFETCH(QList<double>, segment);
        auto w = goToPage(7);
        newTask(*w, kind, m, e);
        const long double k = kind == 1 ? m * std::pow(10.0L, e) : 1 / (m * std::pow(10.0L, e));
        QCOMPARE(exercise_kind, kind);
        QVERIFY(near(target_value, k));
        QVERIFY(near(seg_f1, segment[0]) && near(seg_v1, segment[1]));
        QVERIFY(near(seg_f2, segment[2]) && near(seg_v2, segment[3]));
        QCOMPARE(w->E_freq->text(), QString(kind == 1 ? " K / s" : " K · s"));
        QCOMPARE(w->E_wert->text(), " " + numfmt::sci(k, 4));
        QVERIFY(!w->E_freq->isEnabled() && !w->E_wert->isEnabled());
        QCOMPARE(double(chart.fmin), 0.01);
        QCOMPARE(double(chart.bmax), 10000.0);
    }

    // K / s with K = 10: the line runs through (w = 1, |G| = 10) at pixel
    // (210, 180); one pixel up is 4.7 % more, two pixels 9.6 %.
    void check_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("rating");
        QTest::addColumn<QString>("value");
        QTest::newRow("on the line") << QPoint(210, 180) << "RICHTIG" << "1.0000E+001";
        QTest::newRow("one pixel up") << QPoint(210, 179) << "UNGENAU" << "1.0471E+001";
        QTest::newRow("two pixels up") << QPoint(210, 178) << "FALSCH" << "1.0965E+001";
        QTest::newRow("in the phase diagram") << QPoint(210, 600) << "" << "";
    }

    void check()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, rating);
        QFETCH(QString, value);
        auto w = goToPage(7);
        newTask(*w, 1, 1, 1);
        QVERIFY(!w->B_pruef->isVisible());
        record(*w);
        clickAt(*w, at.x(), at.y());
        QCOMPARE(w->B_pruef->isVisible(), !rating.isEmpty());
        if (rating.isEmpty()) {
            QVERIFY(!position_stored);
            QVERIFY(w->Canvas.ops.empty());
            return;
        }
        QVERIFY(hasSquare(*w, at, green, 1));
        click(w->B_pruef);
        QCOMPARE(w->l_pkt_loes->text(), QString("Sie haben mit der Maus den folgenden Kennwert gespeichert:"));
        QCOMPARE(w->l_pkt_f->text(), "Konstante  K = " + value);
        QCOMPARE(w->l_pkt_bem_f->text(), rating);
        QVERIFY(hasLine(*w, 60, 80, 511, 381, red)); // the solution: 0.01 .. 10000, 1000 .. 0.001
        const int right = rating == "RICHTIG";
        QCOMPARE(constants_done, 1);
        QCOMPARE(constants_right, right);
        QCOMPARE(lesson_answered[5], 1);
        QCOMPARE(lesson_solved[5], right);
        QCOMPARE(w->P_statistik->caption(),
                 right ? QString("Von   1 Konstante(n) wurde(n) bisher   1   ( das sind   100.00  %  )   richtig "
                                 "bearbeitet")
                       : QString("Von   1 Konstante(n) wurde(n) bisher   0   ( das sind   0.00  %  )   richtig "
                                 "bearbeitet"));
        QVERIFY(!w->B_pruef->isVisible());
    }

    void rightClickErasesThePoint()
    {
        auto w = goToPage(7);
        newTask(*w, 2, 1, 0);
        clickAt(*w, 300, 200);
        QVERIFY(position_stored && w->B_pruef->isVisible());
        record(*w);
        clickAt(*w, 300, 200, Qt::RightButton);
        QVERIFY(!position_stored && !mark_drawn && !w->B_pruef->isVisible());
        QCOMPARE(stored_value, 0.0L);
        // Both diagrams come back, the phase diagram that the task left out included.
        bool phaseFrame = false;
        for (const auto& op : ops(*w, CanvasOp::Rectangle))
            phaseFrame |= op.y1 == 460;
        QVERIFY(phaseFrame);
    }

    // Leaving the exercise switches it off; 05_08 stores no clicks.
    void leavingTheExercise()
    {
        auto w = goToPage(7);
        clickAt(*w, 300, 200);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("05_08"));
        QVERIFY(!constant_mode && !w->P_punkt->isVisible() && !w->B_pruef->isVisible());
        position_stored = false;
        clickAt(*w, 300, 200);
        QVERIFY(!position_stored);
        click(w->B_links);
        click(w->B_links);
        QCOMPARE(page_id, QString("05_06"));
        QVERIFY(!constant_mode && !w->P_punkt->isVisible() && !w->B_pruef->isVisible());
    }

    void allPassExample()
    {
        auto w = goToPage(13);
        QCOMPARE(page_section, QString("5.6"));
        QVERIFY(w->M_text->text().contains(
            "Ermitteln Sie Betragsfrequenzgang und Phasenwinkelverlauf zu der Übertragungs-Funktion"));
        QVERIFY(w->M_text->text().contains("( 0.5 - s · 10 sec ) / ( 0.5 + s · 10 sec )"));
        QCOMPARE(w->M_text->height(), 280);
        QVERIFY(w->B_next->isEnabled() && !w->B_ergeb->isEnabled() && w->B_druck->isEnabled());
        QVERIFY(!w->P_aufgaben->isVisible() && !w->P_punkt->isVisible() && w->P_diag->isVisible());
        QCOMPARE(double(chart.fmin), 1E-4);
        QCOMPARE(chart.pmin, -180);
        QVERIFY(chart.with_units);
        for (int n = 1; n <= 7; ++n) {
            click(w->B_next);
            QVERIFY(w->M_teilaufg->text().contains(QStringLiteral("Teilaufgabe Nr. %1    ( von 7 )").arg(n)));
            QVERIFY(w->B_ergeb->isEnabled());
            click(w->B_ergeb);
            QVERIFY(!w->M_teilloes->text().isEmpty());
        }
        QVERIFY(!w->B_next->isEnabled());

        click(w->B_links);
        QCOMPARE(page_id, QString("05_12"));
        QVERIFY(!w->P_diag->isVisible() && !w->M_teilaufg->isVisible() && !w->M_teilloes->isVisible());
        click(w->B_rechts);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("06_01"));
        QVERIFY(!w->B_next->isVisible() && !w->M_teilaufg->isVisible());
        click(w->B_links); // back over the lesson boundary: the example starts afresh
        QCOMPARE(page_id, QString("05_13"));
        QCOMPARE(subtask_no, 0);
        QVERIFY(w->B_next->isEnabled() && !w->B_ergeb->isEnabled());
    }
};

QTEST_MAIN(TestLesson5)
#include "test_lesson5.moc"
