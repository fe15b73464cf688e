// Guided construction: the subtask sequence of the construction pages, the
// interim results of lessons 5 and 6 and the drawing primitives.
#include "construction/Uallgemein.h"
#include "construction/construction_data.h"
#include "testutil.h"

#include <QFontInfo>

#include <cmath>

using namespace testutil;
using platform::CanvasOp;

namespace {

const QString nl = QStringLiteral("\r\n");
const QString hyphens = QString(129, QLatin1Char('-'));
const QString introduction =
    QStringLiteral("\r\n\r\n\r\n\r\nDrucken Sie sich zunächst ein zum Beispiel passendes Bode-Diagramm-Formular aus,\r\n"
                   "in das Sie Ihre graphischen Lösungen eintragen.\r\n\r\n"
                   "Übertragen Sie dann gegebenenfalls alle bekannten Informationen in das Diagramm.");

// A construction page with the length of its subtask sequence.
struct Page {
    const char* lesson;
    const char* id;
    int subtasks;
    int heading_breaks;
};

constexpr Page pages[] = {
    {"5", "05_13", 7, 3},
    {"6", "06_02", 4, 3},
    {"6", "06_04", 4, 3},
    {"6", "06_06", 8, 2},
    {"7", "07_02", 4, 3},
    {"7", "07_03", 9, 2},
    {"7", "07_04", 8, 2},
    {"8", "08_01", 7, 2},
    {"8", "08_02", 9, 2},
    {"8", "08_03", 4, 2},
};

const Page& page(const char* id)
{
    for (const Page& p : pages)
        if (qstrcmp(p.id, id) == 0)
            return p;
    qFatal("no page %s", id);
}

void openPage(TForm1& w, const Page& p)
{
    openConstructionPage(w, QString::fromLatin1(p.id));
}

QString heading(int no, int n, int breaks)
{
    return nl + nl + QStringLiteral("Teilaufgabe Nr. %1    ( von %2 ) : ").arg(no).arg(n) + nl + nl + nl + hyphens +
           nl.repeated(breaks);
}

// The polyline recorded since the last record(): its pen and its vertices.
struct Polyline {
    QColor color;
    int width = 0;
    std::vector<QPoint> points;
};

std::vector<Polyline> polylines(const TForm1& w)
{
    std::vector<Polyline> out;
    for (const CanvasOp& op : w.Canvas.ops) {
        if (op.kind == CanvasOp::MoveTo) {
            out.push_back({op.pen.color, op.pen.width, {QPoint(op.x1, op.y1)}});
        } else if (op.kind == CanvasOp::LineTo) {
            Polyline& p = out.back();
            if (p.points.size() == 1) {
                p.color = op.pen.color;
                p.width = op.pen.width;
            }
            p.points.push_back(QPoint(op.x2, op.y2));
        }
    }
    return out;
}

const QColor blue(0, 0, 255), fuchsia(255, 0, 255), maroon(128, 0, 0), red(255, 0, 0), teal(0, 128, 128);

struct Expected {
    const char* id;
    int step;
    QColor color;
    int width;
    std::vector<QPoint> points; // empty: the result only explains
};

// Pixel vertices of every result, shift included, on the page's chart.
const std::vector<Expected>& expected_results()
{
    static const std::vector<Expected> e = {
        {"05_13", 1, {}, 0, {}},
        {"05_13", 2, fuchsia, 2, {{60, 229}, {234, 229}, {362, 29}}},
        {"05_13", 3, maroon, 2, {{60, 231}, {234, 231}, {362, 431}}},
        {"05_13", 4, blue, 3, {{60, 230}, {510, 230}}},
        {"05_13", 5, fuchsia, 2, {{60, 556}, {169, 556}, {298, 652}, {510, 652}}},
        {"05_13", 6, maroon, 2, {{60, 559}, {169, 559}, {298, 655}, {510, 655}}},
        {"05_13", 7, blue, 3, {{60, 557}, {169, 557}, {298, 750}, {510, 750}}},
        {"06_02", 1, fuchsia, 2, {{60, 605}, {116, 605}, {229, 678}, {510, 678}}},
        {"06_02", 2, maroon, 2, {{60, 605}, {229, 605}, {341, 532}, {510, 532}}},
        {"06_02", 3, red, 2, {{60, 607}, {341, 607}, {454, 752}, {510, 752}}},
        {"06_02", 4, blue, 3, {{60, 605}, {116, 605}, {229, 678}, {341, 605}, {454, 750}, {510, 750}}},
        {"06_04", 1, fuchsia, 2, {{60, 460}, {94, 460}, {319, 557}, {510, 557}}},
        {"06_04", 2, maroon, 2, {{60, 460}, {172, 460}, {398, 557}, {510, 557}}},
        {"06_04", 3, red, 2, {{60, 460}, {251, 460}, {476, 557}, {510, 557}}},
        {"06_04", 4, blue, 3,
         {{60, 460}, {94, 460}, {172, 494}, {251, 561}, {319, 649}, {398, 716}, {476, 750}, {510, 750}}},
        {"06_06", 1, {}, 0, {}},
        {"06_06", 2, {}, 0, {}},
        {"06_06", 3, blue, 3, {{60, 230}, {158, 230}, {262, 90}, {330, 90}, {383, 230}, {510, 400}}},
        {"06_06", 4, fuchsia, 2, {{60, 556}, {83, 556}, {233, 459}, {510, 459}}},
        {"06_06", 5, maroon, 2, {{60, 558}, {187, 558}, {337, 654}, {510, 654}}},
        {"06_06", 6, red, 2, {{60, 558}, {255, 558}, {405, 751}, {510, 751}}},
        {"06_06", 7, teal, 2, {{60, 556}, {308, 556}, {458, 459}, {510, 459}}},
        {"06_06", 8, blue, 3,
         {{60, 557}, {83, 557}, {187, 489}, {233, 489}, {255, 504}, {308, 605}, {337, 643}, {405, 687}, {458, 653},
          {510, 653}}},
    };
    return e;
}

bool isFixedPitch(const QFont& f)
{
    return QFontInfo(f).fixedPitch();
}

} // namespace

class TestConstruction : public QObject {
    Q_OBJECT
private slots:
    void pageStartShowsTheIntroduction()
    {
        auto w = newWindow();
        for (const Page& p : pages) {
            w->M_teilloes->setText(QStringLiteral("alt"));
            w->B_next->setEnabled(false);
            openPage(*w, p);
            QCOMPARE(subtask_no, 0);
            QCOMPARE(subtask_count, p.subtasks);
            QCOMPARE(w->M_teilaufg->text(), introduction);
            QCOMPARE(w->M_teilloes->text(), QString());
            QVERIFY(w->B_next->isVisible());
            QVERIFY(w->B_next->isEnabled());
            QVERIFY(w->B_ergeb->isVisible());
            QVERIFY(!w->B_ergeb->isEnabled());
            QVERIFY(w->B_druck->isVisible());
        }
    }

    void lastSubtaskDisablesNext()
    {
        auto w = newWindow();
        openPage(*w, page("06_02"));
        for (int i = 1; i <= 3; ++i) {
            click(w->B_next);
            QCOMPARE(subtask_no, i);
            QVERIFY(w->M_teilaufg->text().startsWith(heading(i, 4, 3)));
            QVERIFY(w->B_next->isEnabled());
            QVERIFY(w->B_ergeb->isEnabled());
        }
        click(w->B_next);
        QCOMPARE(subtask_no, 4);
        QCOMPARE(w->M_teilaufg->text(),
                 heading(4, 4, 3) +
                     QStringLiteral("Konstruieren Sie nun den Winkelverlauf der Gesamtfunktion, in dem Sie bei allen "
                                    "Frequenzen die vorher ermittelten Teilwinkel aufaddieren."));
        QVERIFY(!w->B_next->isEnabled());
        QVERIFY(w->B_ergeb->isEnabled());

        // Pressing on regardless never runs past the last subtask.
        w->B_nextClick();
        QCOMPARE(subtask_no, 4);
        QVERIFY(w->M_teilaufg->text().startsWith(heading(4, 4, 3)));
        QVERIFY(!w->B_next->isEnabled());
    }

    void interimResultOncePerSubtask()
    {
        auto w = newWindow();
        openPage(*w, page("06_02"));
        click(w->B_next);
        click(w->B_ergeb);
        QVERIFY(!w->B_ergeb->isEnabled());
        QVERIFY(!w->M_teilloes->text().isEmpty());
        // The disabled button ignores a second press.
        record(*w);
        click(w->B_ergeb);
        QVERIFY(w->Canvas.ops.empty());

        // The first partial angle runs at 0° on the left of the chart.
        QCOMPARE(w->image().pixelColor(90, 605), fuchsia);

        click(w->B_next);
        QCOMPARE(w->M_teilloes->text(), QString());
        QVERIFY(w->B_ergeb->isEnabled());
        // The next subtask leaves the earlier drawing on the chart.
        QCOMPARE(w->image().pixelColor(90, 605), fuchsia);
    }

    void everyInstructionOfEveryPage()
    {
        auto w = newWindow();
        QHash<QString, QString> seen; // "id/step" -> instruction
        for (const Page& p : pages) {
            openPage(*w, p);
            for (int i = 1; i <= p.subtasks; ++i) {
                int no = i;
                advance_subtask(page_lesson, page_id, no);
                QCOMPARE(no, i);
                QCOMPARE(subtask_count, p.subtasks);
                QCOMPARE(w->B_next->isEnabled(), i < p.subtasks);
                const QString text = w->M_teilaufg->text();
                const QString head = heading(i, p.subtasks, p.heading_breaks);
                QVERIFY2(text.startsWith(head), qPrintable(QStringLiteral("%1/%2").arg(p.id).arg(i)));
                QVERIFY(text.size() > head.size());
                seen.insert(QStringLiteral("%1/%2").arg(p.id).arg(i), text.mid(head.size()));
            }
        }
        QCOMPARE(seen.size(), 64);

        const QString knick = QStringLiteral("Zeichnen Sie den Winkelverlauf als Polygonzug, der sich aus dem %1 Knick "
                                             "im Betragsfrequenzgang ergibt.");
        const QString teilwinkel = QStringLiteral("Zeichnen Sie den zugehörigen Teilwinkelverlauf im Diagramm ein.");
        const QString polygon = QStringLiteral("Zeichnen Sie den zugehörigen Winkelverlauf als Polygonzug.");
        const QHash<QString, QString> exact = {
            {"05_13/1",
             "Bringen Sie die Übertragungs-Funktion auf die Form   G ( s ) = ( 1 - s / w1 ) / ( 1 + s / w1 )\r\n"
             "und geben Sie den Wert der Eckkreisfrequenz    w1   sowie die Lage der Pol- und Nullstelle an."},
            {"05_13/6", "Geben Sie die Gleichung für den Phasenwinkel des Nennerausdrucks  Phi{ Nenner ( s = jw ) }\r\n"
                        "an und tragen Sie den zugehörigen Verlauf im Diagramm ein."},
            {"05_13/7", "Bilden Sie graphisch den Gesamtverlauf des Phasenwinkels der Funktion\r\n"
                        "und tragen Sie diesen farbig im Diagramm ein."},
            {"06_02/1", knick.arg("ersten")},
            {"06_04/3", knick.arg("dritten")},
            {"06_06/1", "Bringen Sie die Übertragungs-Funktion auf die Form \r\n\r\n"
                        "                   ( 1 + s / wo_1 ) · ( 1 + s / wo_2 ) ···\r\n"
                        "G(s) = K · -------------------------------------------------\r\n"
                        "                   ( 1 + s / wx_1 ) · ( 1 + s / wx_2 ) ··· "},
            {"06_06/3", "Zeichnen Sie den Betragsfrequenzgang   | G ( s = jw ) |   beginnend bei tiefen "
                        "Kreisfrequenzen farbig im Diagramm ein."},
            {"06_06/7", knick.arg("vierten")},
            {"07_02/2", "Zeichnen Sie im Diagramm den Polygonzug für den Phasenwinkelverlauf ein, der mit dem ersten "
                        "Knick im Betragsfrequenzgang zusammenhängt."},
            {"07_03/2", "Zeichnen Sie als Hilfslinie im Betragsdiagramm den Verlauf zur Teilfunktion des I-Anteils"
                        "\r\n\r\n                      K\r\n     |Gi(jw)| = -----         ein.\r\n"
                        "                      w"},
            {"07_03/9", "\r\nKonstruieren Sie nun den Winkelverlauf der Gesamtfunktion, in dem Sie bei allen "
                        "Frequenzen die vorher ermittelten Teilwinkel aufaddieren."},
            {"07_04/2", "Zeichnen Sie als Hilfslinie im Betragsdiagramm den Verlauf\r\n"
                        "zur Teilfunktion des (doppelten) D-Anteils ein.\r\n\r\n     | Gd ( jw ) | = 100 · w²"},
            {"08_01/5", "Wie lässt sich -unter Berücksichtigung der bereits eingetragenen Winkelverläufe- erreichen, "
                        "dass der Gesamtwinkel auch bei hohen Frequnezen entsprechend der Vorgabe verläuft ?\r\n\r\n" +
                            teilwinkel},
            {"08_01/7", "Geben Sie die Übertragungs-Funktion  G(s) \r\n\r\n"
                        "[ wo möglich mit Termen in der Form  ( 1 + s / w_eck ) ]\r\n\r\nmit allen Kennwerten an."},
            {"08_02/6", nl + knick.arg("sechsten")},
            {"08_02/7", nl + knick.arg("letzten")},
            {"08_03/1", "\r\nErmitteln Sie eine Teilfunktion [ mit Konstante ],die das Verhalten bei tiefen Frequenzen "
                        "zutreffend beschreibt."},
            {"08_03/2", "\r\nWelche Ursache führt zu dem Knick im Betragsfrequenzgang ? \r\n\r\n" + polygon},
        };
        for (auto it = exact.begin(); it != exact.end(); ++it)
            QCOMPARE(seen.value(it.key()), it.value());
        // The two pages of lesson 6 that only add the phase share their texts.
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(seen.value(QStringLiteral("06_02/%1").arg(i)), seen.value(QStringLiteral("06_04/%1").arg(i)));
    }

    void lastPageOfTheProgramDisablesForward()
    {
        auto w = newWindow();
        w->B_rechts->setEnabled(true);
        openPage(*w, page("08_02"));
        click(w->B_next);
        QVERIFY(w->B_rechts->isEnabled());

        openPage(*w, page("08_03"));
        QVERIFY(!w->B_rechts->isEnabled());
        for (int i = 1; i <= 4; ++i) {
            w->B_rechts->setEnabled(true);
            click(w->B_next);
            QVERIFY(!w->B_rechts->isEnabled());
        }
    }

    void unknownPagesGetOnlyTheCommonSteps()
    {
        auto w = newWindow();
        openPage(*w, page("06_02"));
        click(w->B_next);
        const QString shown = w->M_teilaufg->text();
        subtask_count = 99;
        struct Call {
            const char* lesson;
            const char* id;
        };
        for (Call c : {Call{"6", "06_01"}, Call{"5", "06_02"}, Call{"06", "06_02"}, Call{"9", "09_01"},
                       Call{"6", "6_02"}}) {
            w->M_teilloes->setText(QStringLiteral("Ergebnis"));
            w->B_ergeb->setEnabled(true);
            int no = 2;
            advance_subtask(QString::fromLatin1(c.lesson), QString::fromLatin1(c.id), no);
            QCOMPARE(no, 2);
            QCOMPARE(w->M_teilloes->text(), QString());
            QVERIFY(!w->B_ergeb->isEnabled());
            QCOMPARE(w->M_teilaufg->text(), shown);
            QCOMPARE(subtask_count, 99);

            no = 0;
            advance_subtask(QString::fromLatin1(c.lesson), QString::fromLatin1(c.id), no);
            QCOMPARE(w->M_teilaufg->text(), introduction);
            QCOMPARE(subtask_count, 99);
            w->M_teilaufg->setText(shown);
        }
    }

    void resultsOfLessonsFiveAndSixThroughTheButtons()
    {
        auto w = newWindow();
        for (const char* id : {"05_13", "06_02", "06_04", "06_06"}) {
            const Page& p = page(id);
            openPage(*w, p);
            for (int step = 1; step <= p.subtasks; ++step) {
                click(w->B_next);
                record(*w);
                click(w->B_ergeb);
                const QString where = QStringLiteral("%1/%2").arg(id).arg(step);
                const Expected* e = nullptr;
                for (const Expected& x : expected_results())
                    if (qstrcmp(x.id, id) == 0 && x.step == step)
                        e = &x;
                QVERIFY2(e, qPrintable(where));
                QVERIFY2(w->M_teilloes->text().startsWith(nl), qPrintable(where));
                QVERIFY(!w->M_teilloes->text().startsWith(nl.repeated(5)));
                const std::vector<Polyline> lines = polylines(*w);
                if (e->points.empty()) {
                    QVERIFY2(w->Canvas.ops.empty(), qPrintable(where));
                    continue;
                }
                QCOMPARE(lines.size(), size_t(1));
                QCOMPARE(lines[0].color, e->color);
                QCOMPARE(lines[0].width, e->width);
                QCOMPARE(lines[0].points, e->points);
                QCOMPARE(w->Canvas.pen.color, QColor(Qt::black));
                QCOMPARE(w->Canvas.pen.width, 1);
            }
        }
    }

    void tenVertexTotalOfTheFourthExample()
    {
        auto w = newWindow();
        openPage(*w, page("06_06"));
        for (int i = 0; i < 8; ++i)
            click(w->B_next);
        click(w->B_ergeb);
        QCOMPARE(phase_polygon.count, 10);
        QCOMPARE(phase_polygon.shift, 0);
        QCOMPARE(phase_polygon.freq[10], 1E5L);
        QCOMPARE(double(phase_polygon.value[5]), 49.361);
        // The drawn total is blue and three pixels wide at a vertex.
        for (int dy = -1; dy <= 1; ++dy)
            QCOMPARE(w->image().pixelColor(187, 489 + dy), blue);
    }

    void explanationsOfTheFirstExample()
    {
        auto w = newWindow();
        openPage(*w, page("05_13"));
        click(w->B_next);
        click(w->B_next);
        click(w->B_ergeb);
        QCOMPARE(w->M_teilloes->text(),
                 QStringLiteral(
                     "\r\n\r\n\r\n| Zähler ( s = jw ) | = [ 1 + ( - w / [ 0.05 / sec ] )² ]^1/2= [ 1 + ( w / [ 0.05 / "
                     "sec ] )² ]^1/2\r\n\r\nDer Betragsverlauf des Zählerausdrucks gleicht dem einer Nullstelle bei   "
                     "so = - 0.05/sec,\r\nda durch das Quadrieren des Imaginärteil das Minuszeichen verschwindet.\r\n"
                     "\r\n\r\nDer zugehörige Polygonzug beginnt im Diagramm am Punkt   [ 1E-4 / sec , 0 dB ],\r\n"
                     "besitzt einen Knick nach oben bei  [ 0.05 / sec , 0 dB ]     und verläuft \r\nzu hohen "
                     "Frequenzen hin mit einer Steigung von + 20 dB / Dekade [ einfache Nullstelle ]."));
        QVERIFY(!isFixedPitch(w->M_teilloes->font()));

        openPage(*w, page("05_13"));
        click(w->B_next);
        click(w->B_ergeb);
        const QString first = w->M_teilloes->text();
        QVERIFY(first.contains(QStringLiteral("w1 = 1 / ( 20 sec ) = 0.05 / sec")));
        QVERIFY(first.contains(QStringLiteral("so_1 = + 0.05 / sec")));
        QVERIFY(first.contains(QStringLiteral("sx_1 = - 0.05 / sec")));
    }

    void summingStepsTabulateTheSections_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("slope");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastRow");
        QTest::newRow("06_02") << "06_02" << 4 << "- 40 dB / Dekade" << "- 180°" << 5
                               << "  1E5  ...  1E6          0      -180      -180";
        QTest::newRow("06_04") << "06_04" << 4 << "- 60 dB / Dekade" << "- 270°" << 7
                               << "  500  ...  1000         0   -270.00   -270.00";
        QTest::newRow("06_06") << "06_06" << 8 << "- 20 dB / Dekade" << "- 90°" << 9
                               << "  2E4  ...  1E5          0   -90.000   -90.000";
    }

    void summingStepsTabulateTheSections()
    {
        QFETCH(QString, id);
        QFETCH(int, step);
        QFETCH(QString, slope);
        QFETCH(QString, end);
        QFETCH(int, rows);
        QFETCH(QString, lastRow);
        auto w = newWindow();
        openPage(*w, page(qPrintable(id)));
        for (int i = 0; i < step; ++i)
            click(w->B_next);
        click(w->B_ergeb);
        const QString text = w->M_teilloes->text();
        QVERIFY(text.startsWith(
            nl + QStringLiteral("In der Tabelle sind sind die Abschnitte mit den zugehörigen Steigungen zusammengestellt.") +
            nl + QStringLiteral("Entsprechend der Steigung im Betragsfrequenzgang von ") + slope +
            QStringLiteral(" für w -> oo\r\nerhält man als Endwert beim Phasenwikel   Phi ( w -> oo ) = ") + end + nl));

        // Title lines, the rule, then rows of the title's width: the columns
        // line up in the fixed-pitch font the table is shown in.
        const QStringList lines = text.split(nl);
        const qsizetype rule = lines.indexOf(hyphens);
        QVERIFY(rule >= 2);
        QVERIFY(lines[rule - 2].contains(QStringLiteral("Frequenzbereich")));
        QVERIFY(lines[rule - 2].endsWith(QStringLiteral("Phi(w2)")));
        for (int r = 1; r <= rows; ++r)
            QCOMPARE(lines[rule + r].size(), lines[rule - 2].size());
        QCOMPARE(lines[rule + rows], lastRow);
        QCOMPARE(lines[rule + rows + 1], QString());
        QVERIFY(isFixedPitch(w->M_teilloes->font()));

        // The next result in prose gets the memo's own font back.
        openPage(*w, page(qPrintable(id)));
        click(w->B_next);
        click(w->B_ergeb);
        QVERIFY(!isFixedPitch(w->M_teilloes->font()));
        QCOMPARE(w->M_teilloes->font().family(), w->M_teilaufg->font().family());
    }

    void resultTablesAreWithinTheirCharts()
    {
        // Every result of lessons 5 and 6 lies in the ranges its page sets, with
        // at most ten vertices in rising frequency.
        auto w = newWindow();
        size_t count = 0;
        for (const Page& p : pages) {
            if (qstrcmp(p.lesson, "6") > 0)
                continue;
            openPage(*w, p); // the page's own chart settings and results
            const ChartSettings range = chart;
            for (const InterimResult& r : construction_steps().results()) {
                ++count;
                QCOMPARE(r.id, QString::fromLatin1(p.id));
                QVERIFY(r.step >= 1 && r.step <= p.subtasks);
                for (const ResultDrawing& d : r.drawings) {
                    QVERIFY(d.vertices.size() >= 2 && d.vertices.size() <= 10);
                    for (size_t i = 0; i < d.vertices.size(); ++i) {
                        const Vertex v = d.vertices[i];
                        QVERIFY(v.freq >= range.fmin && v.freq <= range.fmax);
                        if (i > 0)
                            QVERIFY(v.freq > d.vertices[i - 1].freq);
                        if (d.kind == ResultDrawing::Phase)
                            QVERIFY(v.value >= range.pmin && v.value <= range.pmax);
                        else
                            QVERIFY(v.value >= 20 * std::log10(range.bmin) - 1E-9L &&
                                    v.value <= 20 * std::log10(range.bmax) + 1E-9L);
                    }
                }
            }
        }
        QCOMPARE(count, size_t(7 + 4 + 4 + 8));
    }

    void stepsWithoutAResultOnlyClear()
    {
        auto w = newWindow();
        openPage(*w, page("06_04"));
        for (int step : {0, 5, -1}) {
            w->M_teilloes->setText(QStringLiteral("alt"));
            w->B_ergeb->setEnabled(true);
            record(*w);
            show_interim_result(QStringLiteral("6"), QStringLiteral("06_04"), step);
            QCOMPARE(w->M_teilloes->text(), QString());
            QVERIFY(!w->B_ergeb->isEnabled());
            QVERIFY(w->Canvas.ops.empty());
        }
        // A lesson that does not own the page selects nothing.
        record(*w);
        show_interim_result(QStringLiteral("5"), QStringLiteral("06_04"), 1);
        QVERIFY(w->Canvas.ops.empty());
        QCOMPARE(w->M_teilloes->text(), QString());
    }

    void primitivesLeaveThePen()
    {
        auto w = newWindow();
        openPage(*w, page("06_02"));
        platform::Canvas& c = w->Canvas;
        set_mag_polygon(2, {{0.01L, 30}, {1, 30}, {100, -10}});
        set_phase_polygon(-1, {{0.01L, 0}, {0.1L, 0}, {10, -90}});

        c.pen.color = QColor(0, 255, 0);
        c.pen.width = 2;
        record(*w);
        mark_mag_vertex(3);
        QCOMPARE(c.pen.color, QColor(0, 255, 0));
        QCOMPARE(c.pen.width, 2);
        const auto rects = ops(*w, CanvasOp::Rectangle);
        QCOMPARE(rects.size(), size_t(1));
        // Vertex (100; -10 dB) lies at (285, 173) on this chart, two pixels lower for the shift.
        QCOMPARE(QRect(QPoint(rects[0].x1, rects[0].y1), QPoint(rects[0].x2, rects[0].y2)),
                 QRect(QPoint(283, 173), QPoint(288, 178)));
        QCOMPARE(rects[0].pen.color, red);
        QCOMPARE(rects[0].pen.width, 3);

        record(*w);
        mark_phase_vertex(3);
        QCOMPARE(c.pen.color, QColor(0, 255, 0));
        const auto phaseRects = ops(*w, CanvasOp::Rectangle);
        QCOMPARE(QPoint(phaseRects[0].x1 + 2, phaseRects[0].y1 + 2), QPoint(229, 677));

        for (auto draw : {+[] { draw_mag_polygon(3, QColor(0, 0, 255)); },
                          +[] { draw_phase_polygon(2, QColor(128, 0, 0)); },
                          +[] { mark_point(100, 100, QColor(255, 0, 255), 2); }}) {
            c.pen.color = QColor(0, 255, 0);
            c.pen.width = 3;
            draw();
            QCOMPARE(c.pen.color, QColor(Qt::black));
            QCOMPARE(c.pen.width, 1);
        }

        record(*w);
        mark_point(100, 120, fuchsia, 1);
        const auto square = ops(*w, CanvasOp::Rectangle);
        QCOMPARE(square.size(), size_t(1));
        QCOMPARE(QRect(QPoint(square[0].x1, square[0].y1), QPoint(square[0].x2, square[0].y2)),
                 QRect(QPoint(95, 115), QPoint(106, 126)));
        QCOMPARE(square[0].pen.color, fuchsia);
        QCOMPARE(square[0].pen.width, 1);
    }
};

QTEST_MAIN(TestConstruction)
#include "test_construction.moc"
