// Lesson 6: the three task pages and the three construction pages, driven
// through the lesson choice, the page buttons and the task panel.
#include "testutil.h"

#include "chart/chart.h"
#include "platform/controls.h"

using namespace testutil;
using platform::CanvasOp;

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QString hyphens(129, QLatin1Char('-'));

// Shows page n of lesson 6 the way a student gets there.
void goToPage(TForm1& w, int n, bool recordLastStep = true)
{
    if (n == 1 && recordLastStep)
        record(w);
    chooseLesson(w, 6);
    for (int i = 2; i <= n; ++i) {
        if (i == n && recordLastStep)
            record(w);
        click(w.B_rechts);
    }
}

const CanvasOp* line(const TForm1& w, int x1, int y1, int x2, int y2)
{
    for (const auto& op : w.Canvas.ops)
        if (op.kind == CanvasOp::LineTo && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2)
            return &op;
    return nullptr;
}

// The given curve: one blue line of width 3 between each pair of vertices.
void verifyGivenCurve(const TForm1& w, const QList<QPoint>& vertices)
{
    for (int i = 1; i < vertices.size(); ++i) {
        const QPoint a = vertices[i - 1], b = vertices[i];
        const CanvasOp* op = line(w, a.x(), a.y(), b.x(), b.y());
        QVERIFY2(op, qPrintable(QStringLiteral("line %1,%2 - %3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y())));
        QCOMPARE(op->pen.color, blue);
        QCOMPARE(op->pen.width, 3);
    }
}

// The red vertex marks, in the order drawn.
QList<QPoint> redMarks(const TForm1& w)
{
    QList<QPoint> centres;
    for (const auto& op : ops(w, CanvasOp::Rectangle))
        if (op.pen.color == red) {
            [&] {
                QCOMPARE(op.pen.width, 3);
                QCOMPARE(op.x2 - op.x1, 5);
                QCOMPARE(op.y2 - op.y1, 5);
            }();
            centres << QPoint(op.x1 + 2, op.y1 + 2);
        }
    return centres;
}

bool drewRectangle(const TForm1& w, int x1, int y1, int x2, int y2)
{
    for (const auto& op : ops(w, CanvasOp::Rectangle))
        if (op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2)
            return true;
    return false;
}

bool magnitudeDrawn(const TForm1& w) { return drewRectangle(w, 60, 30, 511, 431); }
bool phaseDrawn(const TForm1& w) { return drewRectangle(w, 60, 460, 511, 751); }

QStringList memoLines(const platform::Memo* m)
{
    return m->text().split(QStringLiteral("\r\n"));
}

const QString seeTexts = QStringLiteral("Lösung siehe \"Texte\"");

} // namespace

class TestLesson6 : public QObject {
    Q_OBJECT
private slots:
    void pagesCarryTheirStateTitleAndChart_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("date");
        QTest::addColumn<double>("fmin");
        QTest::addColumn<double>("fmax");
        QTest::addColumn<double>("bmin");
        QTest::addColumn<double>("bmax");
        QTest::addColumn<int>("pmin");
        QTest::addColumn<int>("pmax");
        QTest::addColumn<bool>("phase");
        QTest::addColumn<bool>("units");

        QTest::newRow("06_01") << 1 << "1" << "Lektion 6 : 1. Beispiel  |G(jw->0)| = K = konstant" << "15.05.09"
                               << 0.01 << 1e6 << 1e-5 << 100.0 << -360 << 360 << false << false;
        QTest::newRow("06_02") << 2 << "1" << "Lektion 6 : 1. Beispiel  Phasenwinkelverlauf" << "07.11.07" << 0.01
                               << 1e6 << 1e-5 << 100.0 << -180 << 180 << true << false;
        QTest::newRow("06_03") << 3 << "2" << "Lektion 6 : 2. Beispiel  |G(jw->0)| = K = konstant" << "15.05.09"
                               << 0.1 << 1000.0 << 1e-4 << 100.0 << -540 << 0 << false << false;
        QTest::newRow("06_04") << 4 << "2" << "Lektion 6 : 2. Beispiel  Phasenwinkelverlauf" << "07.11.07" << 0.1
                               << 1000.0 << 1e-4 << 100.0 << -270 << 0 << true << false;
        QTest::newRow("06_05") << 5 << "3" << "Lektion 6 : 3. Beispiel  |G(jw->0)| = K = konstant" << "15.05.09"
                               << 1e-4 << 1e4 << 0.001 << 10.0 << -270 << 90 << true << true;
        QTest::newRow("06_06") << 6 << "4" << "Lektion 6 : 4. Beispiel " << "07.11.07" << 0.1 << 1e5 << 0.001
                               << 10.0 << -180 << 90 << true << true;
    }

    void pagesCarryTheirStateTitleAndChart()
    {
        QFETCH(int, page);
        QFETCH(QString, example);
        QFETCH(QString, title);
        QFETCH(QString, date);
        QFETCH(double, fmin);
        QFETCH(double, fmax);
        QFETCH(double, bmin);
        QFETCH(double, bmax);
        QFETCH(int, pmin);
        QFETCH(int, pmax);
        QFETCH(bool, phase);
        QFETCH(bool, units);

        auto w = newWindow();
        goToPage(*w, page);
        const QString id = QStringLiteral("06_0%1").arg(page);
        QCOMPARE(lesson_no, 6);
        QCOMPARE(page_no, page);
        QCOMPARE(page_lesson, QString("6"));
        QVERIFY(page_section.isEmpty());
        QCOMPARE(page_id, id);
        QCOMPARE(page_example, example);
        QVERIFY(!point_mode && !line_mode && !constant_mode);

        const CanvasOp* t = findText(*w, title);
        QVERIFY(t);
        QCOMPARE(QPoint(t->x1, t->y1), QPoint(610, 7));
        const CanvasOp* d = findText(*w, "Seite " + id + "     Stand " + date);
        QVERIFY(d);
        QCOMPARE(QPoint(d->x1, d->y1), QPoint(1125, 26));

        QCOMPARE(double(chart.fmin), fmin);
        QCOMPARE(double(chart.fmax), fmax);
        QCOMPARE(double(chart.bmin), bmin);
        QCOMPARE(double(chart.bmax), bmax);
        QCOMPARE(chart.pmin, pmin);
        QCOMPARE(chart.pmax, pmax);
        QCOMPARE(chart.axis_f, false);
        QCOMPARE(chart.with_units, units);
        QVERIFY(magnitudeDrawn(*w));
        QCOMPARE(phaseDrawn(*w), phase);
        QVERIFY(!w->P_punkt->isVisible());
    }

    void firstPageShowsTheGivenMagnitudeOnly()
    {
        auto w = newWindow();
        goToPage(*w, 1);
        QVERIFY(!phaseDrawn(*w));
        // (0.01; +30) (1; +30) (100; -10) (1E4; -10) (1E6; -90) on 8 decades and -100 ... +40 dB.
        verifyGivenCurve(*w, {{60, 59}, {172, 59}, {285, 173}, {398, 173}, {510, 401}});
        QCOMPARE(redMarks(*w), (QList<QPoint>{{172, 59}, {285, 173}, {398, 173}}));
        for (const auto& op : ops(*w, CanvasOp::LineTo))
            if (op.pen.color == blue)
                QVERIFY(op.y1 < 431 && op.y2 < 431); // nothing in the phase diagram

        QVERIFY(w->P_aufgaben->isVisible());
        QVERIFY(!w->M_text->isVisible());
        QVERIFY(!w->M_teilaufg->isVisible());
        QVERIFY(!w->M_teilloes->isVisible());
        QVERIFY(!w->P_diag->isVisible());
        QVERIFY(w->B_auswert->isVisible() && w->B_auswert->isEnabled());
        QVERIFY(w->B_loes->isVisible() && !w->B_loes->isEnabled());
        QVERIFY(w->B_text->isVisible() && !w->B_text->isEnabled());
        QVERIFY(!w->B_druck->isVisibleTo(w.get()));
        QVERIFY(w->P_lektion->isVisible() && w->P_gesamt->isVisible());
        for (int k = 1; k <= 5; ++k) {
            QVERIFY(!w->Memo_L[k]->isVisible());
            QVERIFY(w->CB_A[k]->isEnabled());
            QCOMPARE(w->CB_A[k]->currentIndex(), 0);
        }
    }

    void firstPageTexts()
    {
        auto w = newWindow();
        goToPage(*w, 1);
        QCOMPARE(w->Memo_A[1]->text(),
                 QString("1. Aufgabe: \r\n\r\nErmitteln Sie den Wert der Konstante K als Zahl und in dB."));
        QCOMPARE(memoLines(w->Memo_A[2]),
                 (QStringList{"2. Aufgabe: ", "", "Ermitteln Sie die Anzahl nx , die Lage sx",
                              "und die Vielfachheiten vx der Polstellen.",
                              "Die Lösung wird wie folgt angezeigt :   nx ; [ sx_1, vx_1 ] ; [ sx_2, vx_2 ] ; ..."}));
        QCOMPARE(memoLines(w->Memo_L[5]),
                 (QStringList{"Lösung zur 5. Aufgabe:", "", "                           31.623·( 1 + s / 100 )   ",
                              "          G ( s ) = -------------------------------- ",
                              "                           ( 1 + s )·( 1 + s / 1E4 )²"}));
        QCOMPARE(w->CB_A[1]->item(0), QString("Lösung wählen"));
        QCOMPARE(w->CB_A[2]->item(2), QString(" 2 ;  [ -1, 1  ];  [ -1E4, 1 ]"));
        QCOMPARE(w->CB_A[3]->item(5), QString(" 3 ;  [ 1E2, 3 ] "));
        QCOMPARE(w->CB_A[4]->item(7), QString(" 1;   1E4"));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w->CB_A[5]->item(i), seeTexts);
        QVERIFY(w->CB_A[5]->item(8).isEmpty()); // written by no page
    }

    void thirdAndFifthPageTexts()
    {
        auto w = newWindow();
        goToPage(*w, 3);
        // A solution that ends with a line break.
        QCOMPARE(w->Memo_L[3]->text(),
                 QString("Lösung zur 3. Aufgabe:\r\n\r\n"
                         "w<2: 0 dB/Dek;  2<w<10: -20 dB/Dek; 10<w<50: -40 dB/Dek; w>50: -60 dB/Dek;\r\n"));
        QCOMPARE(memoLines(w->Memo_L[2]).size(), 4);
        QCOMPARE(w->CB_A[2]->item(1), QString(" 3;  [2,1];  [10,1]; [50,1] "));

        click(w->B_rechts);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("06_05"));
        QCOMPARE(memoLines(w->Memo_L[1]),
                 (QStringList{"Lösung zur 1. Aufgabe:",
                              "                                    5.6234 · ( 1 + s / [0.2/sec] )   ",
                              "          G® ( s ) = ----------------------------------------------------- ",
                              "                           ( 1 + s / [0.02/sec] ) · ( 1 + s / [20/sec] )"}));
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(w->CB_A[1]->item(i), seeTexts);
            QCOMPARE(w->CB_A[5]->item(i), seeTexts);
        }
        QCOMPARE(w->CB_A[3]->item(3), QString("  -90°"));
        QCOMPARE(w->CB_A[4]->item(1), QString("5E-3 sec"));
    }

    void keysAreScoredThroughTheLists_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<int>>("key");
        QTest::addColumn<QStringList>("correct");
        QTest::newRow("06_01") << 1 << QList<int>{6, 4, 7, 4, 0}
                               << QStringList{" 31.62 ;  30 dB", " 3 ;  [ -1, 1 ] ;  [ -1E4, 2 ]",
                                              " 3 ;  [ -1E2, 1 ] ;  [ oo, 2 ]", " 1;    1E4;  1E4", seeTexts};
        QTest::newRow("06_03") << 3 << QList<int>{5, 3, 5, 6, 6}
                               << QStringList{" 20 dB ;  10", " 3;  [-2,1];  [-10,1]; [-50,1]", " 0; -20; -40; -60",
                                              " 2; 10; 50", seeTexts};
        QTest::newRow("06_05") << 5 << QList<int>{0, 4, 3, 1, 0}
                               << QStringList{seeTexts, " -20 dB/Dekade; GU = -1", "  -90°", "5E-3 sec", seeTexts};
    }

    void keysAreScoredThroughTheLists()
    {
        QFETCH(int, page);
        QFETCH(QList<int>, key);
        QFETCH(QStringList, correct);

        auto w = newWindow();
        goToPage(*w, page);
        int scored = 0;
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(answer_key[k], key[k - 1]);
            select(w->CB_A[k], key[k - 1]);
            scored += key[k - 1] != 0;
        }
        click(w->B_auswert);
        QCOMPARE(lesson_answered[6], scored);
        QCOMPARE(lesson_solved[6], scored);
        QCOMPARE(total_solved, scored);

        click(w->B_loes);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(w->l_loes[k]->text(), correct[k - 1]);
        click(w->B_text);
        for (int k = 1; k <= 5; ++k)
            QVERIFY(w->Memo_L[k]->isVisible());

        // One step off every key: answered, none solved.
        click(w->B_rechts);
        click(w->B_links);
        for (int k = 1; k <= 5; ++k)
            select(w->CB_A[k], key[k - 1] == 7 ? 1 : key[k - 1] + 1);
        click(w->B_auswert);
        QCOMPARE(lesson_answered[6], scored + 5);
        QCOMPARE(lesson_solved[6], scored);
    }

    void aListOfEqualItemsStillHasOneKey()
    {
        auto w = newWindow();
        goToPage(*w, 3);
        select(w->CB_A[5], 2); // reads the same as the keyed item 6
        click(w->B_auswert);
        QCOMPARE(lesson_answered[6], 1);
        QCOMPARE(lesson_solved[6], 0);

        click(w->B_rechts);
        click(w->B_links);
        select(w->CB_A[5], 6);
        click(w->B_auswert);
        QCOMPARE(lesson_answered[6], 2);
        QCOMPARE(lesson_solved[6], 1);
    }

    void secondPageRedrawsTheCurveAndStartsTheConstruction()
    {
        auto w = newWindow();
        goToPage(*w, 2);
        QVERIFY(phaseDrawn(*w));
        verifyGivenCurve(*w, {{60, 59}, {172, 59}, {285, 173}, {398, 173}, {510, 401}});
        QCOMPARE(redMarks(*w), (QList<QPoint>{{172, 59}, {285, 173}, {398, 173}}));

        QVERIFY(!w->P_aufgaben->isVisible());
        QVERIFY(w->P_diag->isVisible());
        QVERIFY(w->B_next->isVisible() && w->B_next->isEnabled());
        QVERIFY(w->B_ergeb->isVisible() && !w->B_ergeb->isEnabled());
        QVERIFY(w->B_druck->isVisible() && w->B_druck->isEnabled());
        QVERIFY(!w->B_auswert->isVisibleTo(w.get()));
        QVERIFY(!w->P_lektion->isVisibleTo(w.get()));
        QCOMPARE(subtask_no, 0);
        QVERIFY(w->M_teilaufg->isVisible());
        QVERIFY(w->M_teilaufg->text().startsWith(
            "\r\n\r\n\r\n\r\nDrucken Sie sich zunächst ein zum Beispiel passendes Bode-Diagramm-Formular aus,"));
        QVERIFY(w->M_teilloes->isVisible());
        QVERIFY(w->M_teilloes->text().isEmpty());

        QVERIFY(w->M_text->isVisible());
        QCOMPARE(w->M_text->height(), 280);
        QCOMPARE(w->M_text->font().pixelSize(), platform::controlFont("Arial", 18).pixelSize());
        const QStringList text = memoLines(w->M_text);
        QCOMPARE(text.mid(0, 5),
                 (QStringList{"", "Konstruieren Sie unter der Annahme,",
                              "dass die betrachtete Funktion minimalphasig ist und stabiles Verhalten besitzt",
                              "den zum Betragsfrequenzgang gehörigen Phasenwinkelverlauf.",
                              hyphens + "Das Programm führt Sie schrittweise zur Lösung und nach jeder Teilaufgabe "
                                        "können Sie überprüfen, ob Sie auf dem richtigen Weg sind."}));
        QCOMPARE(text.mid(5),
                 (QStringList{
                     hyphens, ">> Achten Sie bei allen Eintragungen besonders auf eine hohe Zeichengenauigkeit. <<",
                     ">> Es ist sehr zu empfehlen, die Polygonzüge mit zwei Zeichendreiecken einzutragen. << ",
                     ">> Zeichnen Sie alle Polygonzüge immer im gesamten dargestellten Frequenzbereich. << ", hyphens,
                     "WICHTIGE ANMERKUNG : Bei den (Teil-)Lösungen werden manche Verläufe nur wegen der besseren "
                     "Lesbarkeit in y-Richtung etwas gegeneinander verschoben gezeichnet, obwohl sie tatsächlich "
                     "bereichsweise deckungsgleich verlaufen !"}));
    }

    void fourthPageDrawsTheSecondExample()
    {
        auto w = newWindow();
        goToPage(*w, 4);
        // (0.1; +20) (2; +20) (10; +6.02) (50; -21.94) (464.2; -80) on 4 decades and -80 ... +40 dB.
        verifyGivenCurve(*w, {{60, 97}, {206, 97}, {285, 143}, {364, 236}, {473, 430}});
        QCOMPARE(redMarks(*w), (QList<QPoint>{{206, 97}, {285, 143}, {364, 236}}));
        QCOMPARE(w->M_text->height(), 280);
        QVERIFY(w->M_text->text().startsWith("\r\nKonstruieren Sie unter der Annahme,\r\n"));
        QVERIFY(w->B_next->isEnabled());
        QCOMPARE(subtask_no, 0);
    }

    void fifthPageMarksSevenPhaseBreaksAndOffersThePrint()
    {
        auto w = newWindow();
        goToPage(*w, 5);
        // Magnitude (1E-4; +15) (0.02; +15) (0.2; -5) (20; -5) (1E4; -58.98) on 8 decades, -60 ... +20 dB.
        verifyGivenCurve(*w, {{60, 55}, {189, 55}, {246, 155}, {358, 155}, {510, 425}});
        // Phase from 0 deg over -45, 0, -45, -180 to -270 deg on -270 ... +90 deg.
        verifyGivenCurve(*w, {{60, 532}, {133, 532}, {189, 569}, {246, 569}, {302, 532}, {358, 569}, {414, 678},
                              {471, 750}, {510, 750}});
        QCOMPARE(redMarks(*w), (QList<QPoint>{{189, 55}, {246, 155}, {358, 155}, {133, 532}, {189, 569}, {246, 569},
                                              {302, 532}, {358, 569}, {414, 678}, {471, 750}}));

        QVERIFY(w->P_aufgaben->isVisible());
        QVERIFY(w->P_diag->isVisible());
        QVERIFY(w->B_druck->isVisible() && w->B_druck->isEnabled());
        QVERIFY(!w->B_next->isVisibleTo(w.get()));
        QVERIFY(!w->B_ergeb->isVisibleTo(w.get()));
        QVERIFY(w->B_auswert->isEnabled());
        QVERIFY(!w->M_teilaufg->isVisible());
    }

    void sixthPageStartsFromAnEmptyChart()
    {
        auto w = newWindow();
        goToPage(*w, 6);
        QVERIFY(redMarks(*w).isEmpty());
        for (const auto& op : ops(*w, CanvasOp::LineTo))
            QVERIFY(op.pen.color != blue);
        QVERIFY(w->P_diag->isVisible());
        QVERIFY(w->B_next->isEnabled());
        QVERIFY(!w->B_ergeb->isEnabled());
        QCOMPARE(subtask_no, 0);
        // 300 pixels asked for; it ends where the subtask memo begins.
        QCOMPARE(w->M_text->height(), 284);
        const QStringList text = memoLines(w->M_text);
        QCOMPARE(text[0], QString("Gegeben ist die Übertragungs-Funktion "));
        QVERIFY(text.contains("          G(s) = 2E2 / sec · ------------------------------------------------ "));
        const int bar = text.indexOf("          G(s) = 2E2 / sec · ------------------------------------------------ ");
        QCOMPARE(text[bar - 1].trimmed(), QString("( s + 2E0 / sec ) · ( s + 2E3 / sec )"));
        QCOMPARE(text[bar + 1].trimmed(), QString("( s + 5E1 / sec ) · ( s + 4E2 / sec )²"));
        QCOMPARE(text[bar + 2], hyphens + "Das Programm führt Sie schrittweise zur Lösung und nach jeder "
                                          "Teilaufgabe können Sie überprüfen, ob Sie auf dem richtigen Weg sind.");
    }

    void leavingAConstructionPageEndsTheSequence()
    {
        auto w = newWindow();
        goToPage(*w, 2, false);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("06_03"));
        QVERIFY(!w->P_diag->isVisible());
        QVERIFY(!w->M_teilaufg->isVisible());
        QVERIFY(!w->M_teilloes->isVisible());
        QVERIFY(!w->M_text->isVisible());
        QVERIFY(w->P_aufgaben->isVisible());

        click(w->B_rechts);
        click(w->B_links);
        QCOMPARE(page_id, QString("06_03"));
        QVERIFY(!w->P_diag->isVisible());
        QVERIFY(!w->M_teilaufg->isVisible());

        click(w->B_rechts);
        click(w->B_rechts);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("06_06"));
        click(w->B_links);
        QCOMPARE(page_id, QString("06_05"));
        QVERIFY(w->P_diag->isVisible()); // only for the print button
        QVERIFY(!w->B_next->isVisibleTo(w.get()));
        QVERIFY(!w->M_teilaufg->isVisible());
        QVERIFY(!w->M_teilloes->isVisible());
        QVERIFY(!w->M_text->isVisible());
    }

    void reenteringAConstructionPageRestartsIt()
    {
        auto w = newWindow();
        goToPage(*w, 2, false);
        subtask_no = 3;
        w->M_teilloes->setText(QStringLiteral("old result"));
        click(w->B_links);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("06_02"));
        QCOMPARE(subtask_no, 0);
        QVERIFY(w->M_teilloes->text().isEmpty());
        QVERIFY(w->B_next->isEnabled());
        QVERIFY(!w->B_ergeb->isEnabled());
    }
};

QTEST_MAIN(TestLesson6)
#include "test_lesson6.moc"
