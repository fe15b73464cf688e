// Lessons 7 and 8: the task page 07_01, the given curves of every page, the
// subtasks of the six construction pages walked through their buttons, and
// the printed sheet of each construction page.
#include "testutil.h"

#include "chart/chart.h"
#include "construction/construction_data.h"
#include "platform/printer.h"

#include <QLocale>
#include <algorithm>
#include <vector>

using namespace testutil;
using platform::CanvasOp;

using Vertices = std::vector<Vertex>;
Q_DECLARE_METATYPE(Vertices)

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QString crlf = QStringLiteral("\r\n");

// Shows a page the way a student gets there; the canvas records the page
// itself.
void goToPage(TForm1& w, int lesson, int page)
{
    if (page == 1)
        record(w);
    chooseLesson(w, lesson);
    for (int i = 2; i <= page; ++i) {
        if (i == page)
            record(w);
        click(w.B_rechts);
    }
}

QString lines(QString text)
{
    return text.replace(QLatin1Char('\n'), crlf);
}

// The pixel of a vertex in the magnitude or the phase diagram.
QPoint pixel(bool phase, const Vertex& v, int shift = 0)
{
    return QPoint(freq_to_x(v.freq), (phase ? phase_to_y(v.value) : db_to_y(v.value)) + shift);
}

// Whether a line or rectangle from a to b was drawn; an invalid colour or a
// width of 0 takes any pen.
bool drew(const TForm1& w, CanvasOp::Kind kind, QPoint a, QPoint b, const QColor& color = {}, int width = 0)
{
    for (const auto& op : ops(w, kind))
        if (QPoint(op.x1, op.y1) == a && QPoint(op.x2, op.y2) == b && (!color.isValid() || op.pen.color == color) &&
            (width == 0 || op.pen.width == width))
            return true;
    return false;
}

// The lines of a polyline through the vertices that were not drawn.
QStringList missingLines(const TForm1& w, bool phase, const Vertices& vertices, const QColor& color, int width,
                         int shift = 0)
{
    QStringList missing;
    for (size_t i = 1; i < vertices.size(); ++i) {
        const QPoint a = pixel(phase, vertices[i - 1], shift), b = pixel(phase, vertices[i], shift);
        if (!drew(w, CanvasOp::LineTo, a, b, color, width))
            missing << QStringLiteral("%1 %2,%3-%4,%5").arg(color.name()).arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
    }
    return missing;
}

int segments(const Vertices& vertices)
{
    return vertices.empty() ? 0 : int(vertices.size()) - 1;
}

// The square of `mark_point` around a vertex of the magnitude diagram.
bool drewSquare(const TForm1& w, const Vertex& v, const QColor& color, int width)
{
    const QPoint c = pixel(false, v);
    return drew(w, CanvasOp::Rectangle, c - QPoint(5, 5), c + QPoint(6, 6), color, width);
}

// Centres of the red vertex marks, in the order drawn.
QList<QPoint> redMarks(const TForm1& w)
{
    QList<QPoint> centres;
    for (const auto& op : ops(w, CanvasOp::Rectangle))
        if (op.pen.color == red && op.pen.width == 3 && op.x2 - op.x1 == 5)
            centres << QPoint(op.x1 + 2, op.y1 + 2);
    return centres;
}

} // namespace

class TestLesson78 : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void taskPageOf0701_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("question"); // lines joined by \n
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("solution");

        QTest::newRow("1") << 1
            << "1. Aufgabe: \n\nErmitteln Sie für die minimalphasige und stabile Funktion die Steigungen in   "
               "dB / Dekade , die bei wachsender Frequenz im Betragsfrequenzgang auftreten."
            << QStringList{"Lösung wählen", " -40, -60, -40", " -40, -80, -40", " -10, -20, -10", " -20, -40, -20",
                           " -20, -40, +20", "  20,  40,  20", "   20, -40,   20"}
            << 4
            << "Lösung zur 1. Aufgabe:\n0  < w <= 5   :  - 20 dB / Dekade\n5  < w <= 50  :  - 40 dB / Dekade\n"
               "        w > 50   :  - 20 dB / Dekade";
        // Asked for the D and I parts only: the function also holds a PD and
        // a PT1 part.
        QTest::newRow("2") << 2
            << "2. Aufgabe: \n\nWelche der Elementarfunktionen D bzw. I enthält die dargestellte Funktion ?"
            << QStringList{"Lösung wählen", " D", " I", " D und I", " keine", " PI", " PD", " PT1"} << 2
            << "Lösung zur 2. Aufgabe:\n\nAus der Steigung des Frequenzgangs für w->0 [ - 20 dB / Dekade ] folgt, \n"
               "dass in G(s) ein [ einfaches ] I-Verhalten der Form   K / s   enthalten ist.";
        // Items 3 and 6 read the same; neither is the key.
        QTest::newRow("3") << 3
            << "3. Aufgabe: \n\nErmitteln Sie alle Kennwerte der Übertragungs-Funktion der Form\n"
               "G(s) = [ K / s ] · [ ( 1 + s / wo_1 ) ··· ] / [ ( 1 + s / wx_1 ) ··· ].\n"
               "Reihenfolge bei der Lösung:    K;    wo_1;    wx_1"
            << QStringList{"Lösung wählen", " 20; 5; 50", " 100; 5; 50", " 100; 50; 5", " 10; 50; 5", " 20; 50; 5",
                           " 100; 50; 5", " 0.1; 50; 5"}
            << 4
            << "Lösung zur 3. Aufgabe:\nDa | G ( w = 1 ) | = 10   gilt bei Betrachtung des I-Anteils:   K = 10 \n"
               "wo_1 = 50  [ Knick nach oben, einfache Nullstelle bei so_1 = -50 ]\n"
               "wx_1 =  5    [ Knick nach unten, einfache Polstelle bei sx_1 = -5 ];";
        QTest::newRow("4") << 4
            << "4. Aufgabe: \n\nGeben Sie die Lage aller Pol- und Nullstellen in der s-Ebene an.\n"
               "Reihenfolge bei der Lösung:   sx1, sx_2, ... ;  so_1, so_2, ..."
            << QStringList{"Lösung wählen", " oo, 50;  5, 0", " oo, 5;  50, 0", " 0, oo;  5, 50",
                           " 0, 5/sec;  50/sec, oo", " 0, -5/sec; -50/sec, oo", " 0, -5;  -50, oo", " 0, -50; -5, oo"}
            << 6
            << "Lösung zur 4. Aufgabe:\n\nDie Übertragungs-Funktion ist vom Grad n = 2. Alle Singularitäten sind "
               "einfach.\nPole: sx_1 = 0, sx_2 = -5;  Nullstellen: so_1 = -50, so_2 => oo";
        QTest::newRow("5") << 5 << "5. Aufgabe: \n\nGegen welchen Wert strebt der Phasenwinkel für   w -> oo  ?"
            << QStringList{"Lösung wählen", "  + 270°", "  + 180°", "    + 90°", "       0°", "    - 90°", "   - 180°",
                           "   - 270°"}
            << 5
            << "Lösung zur 5. Aufgabe:\n\nDa die Nennerordnung [ nn = 2 ] um 1 höher ist als die Zählerordnung "
               "[ nz = 1 ]\ngeht der Phasenwinkel für   w->oo  bei dieser minimalphasigen Funktion\n"
               "gegen den Wert    Phi(w->oo) = ( nz - nn )·90° = - 90°";
    }

    void taskPageOf0701()
    {
        QFETCH(int, k);
        QFETCH(QString, question);
        QFETCH(QStringList, items);
        QFETCH(int, key);
        QFETCH(QString, solution);

        auto w = newWindow();
        goToPage(*w, 7, 1);
        QCOMPARE(w->Memo_A[k]->text(), lines(question));
        QCOMPARE(w->Memo_L[k]->text(), lines(solution));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w->CB_A[k]->item(i), items[i]);
        QCOMPARE(answer_key[k], key);
        QVERIFY(!w->P_diag->isVisible());

        select(w->CB_A[k], key);
        click(w->B_auswert);
        QCOMPARE(lesson_solved[7], 1);
        click(w->B_loes);
        QCOMPARE(w->l_loes[k]->text(), items[key]);
    }

    void givenCurves_data()
    {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("header"); // title, then page and date
        QTest::addColumn<QList<double>>("ranges"); // fmin, fmax, bmin, bmax, pmin, pmax
        QTest::addColumn<bool>("phaseDiagram");
        QTest::addColumn<Vertices>("magnitude");
        QTest::addColumn<Vertices>("phase");

        const Vertices example1 = {{0.1L, 40}, {5, 6.021L}, {50, -33.979L}, {1000, -60}};
        QTest::newRow("07_01") << 7 << 1
                               << "Lektion 7 : 1. Beispiel  |G(jw->0)| # konstant\nSeite 07_01     Stand 09.11.07"
                               << QList<double>{0.1, 1000, 0.001, 100, -180, 90} << false << example1 << Vertices{};
        QTest::newRow("07_02") << 7 << 2
                               << "Lektion 7 : 1. Beispiel  Phasenwinkelverlauf\nSeite 07_02     Stand 07.11.07"
                               << QList<double>{0.1, 1000, 0.001, 100, -180, 90} << true << example1 << Vertices{};
        QTest::newRow("07_03") << 7 << 3
                               << "Lektion 7 : 2. Beispiel \nSeite 07_03     Stand 07.11.07"
                               << QList<double>{1e-4, 1000, 1, 1000, -90, 90} << true << Vertices{} << Vertices{};
        QTest::newRow("07_04") << 7 << 4
                               << "Lektion 7 : 3. Beispiel \nSeite 07_04     Stand 07.11.07"
                               << QList<double>{0.01, 100, 0.01, 100, -360, 180} << true << Vertices{} << Vertices{};
        QTest::newRow("08_01") << 8 << 1
                               << "Lektion 8 : 1. Beispiel\nSeite 08_01     Stand 08.05.09"
                               << QList<double>{0.01, 1e5, 0.001, 100, -90, 90} << true << Vertices{}
                               << Vertices{{0.01L, -90}, {0.1L, -90}, {1, -45}, {1000, -45}, {1E4L, -90}, {1E5L, -90}};
        QTest::newRow("08_02") << 8 << 2
                               << "Lektion 8 : 2. Beispiel\nSeite 08_02     Stand 07.11.07"
                               << QList<double>{1e-5, 1e5, 0.1, 10, -180, 180} << true
                               << Vertices{{1E-5L, -10}, {1E-3L, -10}, {0.01L, 10}, {0.1L, -10}, {1, 10}, {10, -10},
                                           {100, 10}, {1000, -10}, {1E5L, -10}}
                               << Vertices{};
        QTest::newRow("08_03") << 8 << 3
                               << "Lektion 8 : 3. Beispiel\nSeite 08_03     Stand 07.11.07"
                               << QList<double>{0.01, 1000, 0.01, 100, -180, 180} << true
                               << Vertices{{0.01L, 33.98L}, {5, -20}, {1000, 26.02L}}
                               << Vertices{{0.01L, -90}, {1000, -90}};
    }

    void givenCurves()
    {
        QFETCH(int, lesson);
        QFETCH(int, page);
        QFETCH(QString, header);
        QFETCH(QList<double>, ranges);
        QFETCH(bool, phaseDiagram);
        QFETCH(Vertices, magnitude);
        QFETCH(Vertices, phase);

        auto w = newWindow();
        goToPage(*w, lesson, page);
        QCOMPARE(page_lesson, QString::number(lesson));
        QVERIFY(page_section.isEmpty());
        for (const QString& text : header.split(QLatin1Char('\n')))
            QVERIFY2(findText(*w, text), qPrintable(text));
        QCOMPARE((QList<double>{double(chart.fmin), double(chart.fmax), double(chart.bmin), double(chart.bmax),
                                double(chart.pmin), double(chart.pmax)}),
                 ranges);
        QVERIFY(!chart.axis_f && !chart.with_units);
        QCOMPARE(drew(*w, CanvasOp::Rectangle, {60, 460}, {511, 751}), phaseDiagram);

        QCOMPARE(missingLines(*w, false, magnitude, blue, 3) + missingLines(*w, true, phase, blue, 3), QStringList());
        int blueLines = 0;
        for (const auto& op : ops(*w, CanvasOp::LineTo))
            blueLines += op.pen.color == blue;
        QCOMPARE(blueLines, segments(magnitude) + segments(phase));
        // Red marks on the inner vertices, magnitude first.
        QList<QPoint> inner;
        for (size_t i = 1; i + 1 < magnitude.size(); ++i)
            inner << pixel(false, magnitude[i]);
        for (size_t i = 1; i + 1 < phase.size(); ++i)
            inner << pixel(true, phase[i]);
        QCOMPARE(redMarks(*w), inner);
        // 08_01: the given magnitude value.
        QCOMPARE(drewSquare(*w, {0.1L, 20}, blue, 2), page_id == "08_01");
    }

    void constructionWalk_data()
    {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("textHeight");
        QTest::addColumn<QString>("problem"); // lines joined by \n
        QTest::addColumn<QString>("lastInstruction");
        QTest::addColumn<QString>("lastResult");

        QTest::newRow("07_02") << 7 << 2 << 4 << 280
            << "\nKonstruieren Sie unter der Annahme,\ndass die betrachtete Funktion minimalphasig ist und stabiles "
               "Verhalten besitzt\nden zum Betragsfrequenzgang gehörigen Phasenwinkelverlauf.\n"
            << "und tragen Sie diesen farbig im Diagramm ein." << "Phi ( w -> oo ) = - 90°";
        QTest::newRow("07_03") << 7 << 3 << 9 << 300
            << "Gegeben ist die Übertragungs-Funktion \n\n                         100 s² + 101 s + 1\n"
               "          G(s) =  ------------------------------ \n                                  s² + 20 s\n"
            << "die vorher ermittelten Teilwinkel aufaddieren." << "Phi ( w -> oo ) = 0°";
        QTest::newRow("07_04") << 7 << 4 << 8 << 300
            << "Konstruieren Sie das Bode-Diagramm zur Übertragungs-Funktion \n\n"
               "                                    100 · ( s² - s³ )\n"
               "          G(s) = ----------------------------------------------------------------------- \n"
               "                       ( 1 + s ) · ( 1 + 10 s + 25 s² ) · ( 1 + 0.4s + 0.04 s² )\n"
            << "die vorher ermittelten Teilwinkel aufaddieren." << "Phi ( w -> oo ) = - 360°";
        QTest::newRow("08_01") << 8 << 1 << 7 << 280
            << "Von einer minimalphasigen und stabilen Funktion ist neben dem Verlauf des Phasenwinkels nur der "
               "Betrag bei einer Kreisfrequenz bekannt:  | G ( jw = j0.1 ) | = 10.\n\nErmitteln Sie den "
               "Betragsfrequenzgang und geben Sie die Übertragungs-Funktion G(s) an.\n"
            << "mit allen Kennwerten an." << "K = 1";
        QTest::newRow("08_02") << 8 << 2 << 9 << 280
            << "\nEine minimalphasige und stabile Funktion ist durch den Betragsfrequenzgang beschrieben.\n\n"
               "Ermitteln Sie den Phasenwinkelverlauf und geben Sie die Übertragungs-Funktion G(s) an.\n"
            << "zusammen mit allen zugehörigen Kennwerten an." << "K = 0.31623";
        QTest::newRow("08_03") << 8 << 3 << 4 << 280
            << "\nErmitteln Sie aus dem dargestellten Bode-Diagramm die Übertragungs-Funktion G(s).\n\n"
            << "zusammen mit allen zugehörigen Kennwerten an." << "0.5 · ( 1 - s² / 25 ) / s";
    }

    // From the page's start through every subtask and its interim result.
    void constructionWalk()
    {
        QFETCH(int, lesson);
        QFETCH(int, page);
        QFETCH(int, steps);
        QFETCH(int, textHeight);
        QFETCH(QString, problem);
        QFETCH(QString, lastInstruction);
        QFETCH(QString, lastResult);

        auto w = newWindow();
        goToPage(*w, lesson, page);
        const bool lastPage = page_id == "08_03";
        // The text ends where the subtask memo begins (y 325).
        QCOMPARE(w->M_text->height(), std::min(textHeight, 284));
        QVERIFY(w->M_text->text().startsWith(lines(problem) + QString(129, '-') + "Das Programm führt Sie"));
        QCOMPARE(subtask_no, 0);
        QVERIFY(w->M_teilaufg->text().contains("Drucken Sie sich zunächst ein zum Beispiel passendes"));
        QVERIFY(w->B_next->isEnabled() && !w->B_ergeb->isEnabled() && w->B_druck->isEnabled());
        QCOMPARE(w->B_rechts->isEnabled(), !lastPage);

        QVERIFY(construction_steps().subtasks);
        const SubtaskPage* subtasks = &construction_steps().subtasks();
        QCOMPARE(subtasks->id, page_id);
        QCOMPARE(int(subtasks->texts.size()), steps);
        const auto& results = construction_steps().results();
        for (int i = 1; i <= steps; ++i) {
            click(w->B_next);
            QCOMPARE(subtask_no, i);
            const QString instruction = w->M_teilaufg->text();
            const QString heading = QStringLiteral("\n\nTeilaufgabe Nr. %1    ( von %2 ) : ").arg(i).arg(steps);
            QVERIFY(instruction.startsWith(lines(heading)));
            QVERIFY(instruction.endsWith(subtasks->texts[size_t(i - 1)]));
            QVERIFY(w->M_teilloes->text().isEmpty());
            QCOMPARE(w->B_next->isEnabled(), i < steps);
            QVERIFY(w->B_ergeb->isEnabled());
            QCOMPARE(w->B_rechts->isEnabled(), !lastPage);

            const auto result = std::find_if(results.begin(), results.end(),
                                             [i](const auto& r) { return r.id == page_id && r.step == i; });
            QVERIFY(result != results.end());
            record(*w);
            click(w->B_ergeb);
            QVERIFY(!w->B_ergeb->isEnabled());
            QCOMPARE(w->M_teilloes->text(), result->text);
            QStringList missing;
            int drawnLines = 0;
            for (const ResultDrawing& d : result->drawings) {
                if (d.kind == ResultDrawing::Mark) {
                    QVERIFY(drewSquare(*w, d.vertices[0], d.color, d.width));
                    continue;
                }
                missing << missingLines(*w, d.kind == ResultDrawing::Phase, d.vertices, d.color, d.width, d.shift);
                drawnLines += segments(d.vertices);
            }
            QCOMPARE(missing, QStringList());
            QCOMPARE(int(ops(*w, CanvasOp::LineTo).size()), drawnLines);
        }
        QVERIFY(w->M_teilaufg->text().endsWith(lastInstruction));
        QVERIFY(w->M_teilloes->text().contains(lastResult));
        QVERIFY(!w->B_next->isEnabled() && !w->B_ergeb->isEnabled());
        QCOMPARE(w->B_rechts->isEnabled(), !lastPage);
    }

    void printedSheets_data()
    {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("curveLines");
        QTest::addColumn<int>("cornerMarks");

        QTest::newRow("07_02") << 7 << 2 << "Lektion 7: Diagramm zum 1. Beispiel"
                               << "[ 4 Dekaden mit je   35.00 mm ; 30 mm/20 dB ; 30 mm/90° ]" << 3 << 2;
        QTest::newRow("07_03") << 7 << 3 << "Lektion 7: Diagramm zum 2. Beispiel"
                               << "[ 7 Dekaden mit je   20.00 mm ; 50 mm/20 dB ; 45 mm/90° ]" << 0 << 0;
        QTest::newRow("07_04") << 7 << 4 << "Lektion 7: Diagramm zum 3. Beispiel"
                               << "[ 4 Dekaden mit je   35.00 mm ; 22 mm/20 dB ; 25 mm/90° ]" << 0 << 0;
        // Phase curve and its corners; the magnitude store holds nothing of
        // an earlier page.
        QTest::newRow("08_01") << 8 << 1 << "Lektion 8: Diagramm zum 1. Beispiel"
                               << "[ 7 Dekaden mit je   20.00 mm ; 32 mm/20 dB ; 40 mm/90° ]" << 5 << 4;
        QTest::newRow("08_02") << 8 << 2 << "Lektion 8: Diagramm zum 2. Beispiel"
                               << "[ 10 Dekaden mit je   14.00 mm ; 50 mm/20 dB ; 35 mm/90° ]" << 8 << 7;
        QTest::newRow("08_03") << 8 << 3 << "Lektion 8: Diagramm zum 3. Beispiel"
                               << "[ 5 Dekaden mit je   28.00 mm ; 30 mm/20 dB ; 30 mm/90° ]" << 3 << 1;
    }

    void printedSheets()
    {
        QFETCH(int, lesson);
        QFETCH(int, page);
        QFETCH(QString, title);
        QFETCH(QString, scale);
        QFETCH(int, curveLines);
        QFETCH(int, cornerMarks);

        platform::Canvas sheet;
        QStringList names;
        platform::setSheetHook([&](const QString& name) {
            sheet = platform::Canvas();
            sheet.recording = true;
            names << name;
            return &sheet;
        });
        auto w = newWindow();
        // 06_01 leaves its given magnitude in the store.
        goToPage(*w, 6, 1);
        goToPage(*w, lesson, page);
        click(w->B_druck);
        platform::setSheetHook(nullptr);

        QCOMPARE(names, QStringList{QStringLiteral("FALKORIN-Diagrammblatt-0%1_0%2").arg(lesson).arg(page)});
        QStringList texts;
        int wideLines = 0, wideSquares = 0;
        for (const auto& op : sheet.ops) {
            texts << op.text;
            wideLines += op.kind == CanvasOp::LineTo && op.pen.width == 5;
            wideSquares += op.kind == CanvasOp::Rectangle && op.pen.width == 5;
        }
        QVERIFY(texts.contains(title));
        QVERIFY(texts.contains(scale));
        QCOMPARE(wideLines, curveLines);
        QCOMPARE(wideSquares, cornerMarks);
    }
};

QTEST_MAIN(TestLesson78)
#include "test_lesson78.moc"
