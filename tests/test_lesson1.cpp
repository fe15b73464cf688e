// The pages of lesson 1: the task data of the six task pages, the pole-zero
// plan, scoring through the real controls, the chart every page resets and
// the ways into and out of the lesson.
#include "testutil.h"

#include "app/task_panel.h"

#include <QFontMetrics>
#include <QMap>
#include <QScrollBar>

using namespace testutil;
using platform::CanvasOp;

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

// Lesson 1 chosen, then forward to the page; records only the last page.
void openPage(TForm1& w, int page)
{
    chooseLesson(w, 1);
    for (int p = 1; p < page; ++p) {
        if (p == page - 1)
            record(w);
        click(w.B_rechts);
    }
    QCOMPARE(page_no, page);
}

bool hasOp(const TForm1& w, CanvasOp::Kind kind, QRect box, const QColor& color, int width)
{
    for (const auto& op : ops(w, kind))
        if (QRect(QPoint(op.x1, op.y1), QPoint(op.x2, op.y2)) == box && op.pen.color == color && op.pen.width == width)
            return true;
    return false;
}

// A pole mark: a red cross of two lines, two pixels wide.
bool hasPole(const TForm1& w, int x, int y)
{
    return hasLine(w, x - 10, y - 10, x + 10, y + 10, red) && hasLine(w, x - 10, y + 10, x + 10, y - 10, red);
}

bool hasZero(const TForm1& w, int x, int y)
{
    return hasOp(w, CanvasOp::Ellipse, QRect(QPoint(x - 10, y - 10), QPoint(x + 11, y + 11)), blue, 2);
}

} // namespace

class TestLesson1 : public QObject {
    Q_OBJECT
private slots:
    void taskData_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("solution");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("keyText");
        const QString formula11 = QStringList{"             A(s)        (24s + 48)(50s + 250)",
                                              "G(s) = ------ = -----------------------------------------------",
                                              "             E(s)      (3s + 9)(2s^2 + 16s + 32)(4s + 40)"}.join("\r\n");
        const QString formula12 = QStringList{"             A(s)        40 s^2 + 208 s + 40",
                                              "G(s) = ------ = --------------------------------",
                                              "             E(s)        2 s^3 + 22 s^2 + 20 s"}.join("\r\n");
        const QString formula14 = QStringList{"                 Z(s)           5·(s+1)     ",
                                              "     G(s) = ------ = -----------------------",
                                              "                N(s)      s·(s+2)²·(s+5)  "}.join("\r\n");
        QTest::newRow("1") << 2 << 1
            << QString("1. Aufgabe: \r\n\r\n"
                       "Berechnen Sie unter Verwendung von    log ( 2 ) = 0.30103    und    log ( 10 ) = 1"
                       "\r\n" "den Zahlenwert von       x = log ( 0.08 )")
            << QString("log( 0.08 ) = log( 8 / 100 ) = log( 2^3 / 10^2 ) = 3·log( 2 ) - 2·log( 10 )")
            << 3 << "x = -1.09691";
        QTest::newRow("2") << 2 << 2
            << QString("2. Aufgabe: \r\n\r\n"
                       "Berechnen Sie unter Verwendung von    log ( 2 ) = 0.30103    und    log ( 10 ) = 1"
                       "\r\n" "den Zahlenwert von       x = log ( 1.024 )")
            << QString("log( 1.024 ) = log( 1024 / 1000 ) = log( 2^10 / 10^3 ) = 10·log( 2 ) - 3·log( 10 )")
            << 5 << "x = 0.01030";
        QTest::newRow("3") << 2 << 3
            << QString("3. Aufgabe: \r\n\r\n"
                       "Berechnen Sie unter Verwendung von    log ( 2 ) = 0.30103    und    log ( 10 ) = 1"
                       "\r\n" "den Zahlenwert von       x = log ( 1250 )")
            << QString("log( 1250 ) = log( 125·10 ) = log( [10/2]^3 · 10 ) = 3·[log( 10 ) - log ( 2 )] + log( 10 )")
            << 6 << "x = 3.09691";
        QTest::newRow("4") << 2 << 4
            << QString("4. Aufgabe: \r\n\r\n"
                       "Berechnen Sie die Zahl  x  , für die gilt   log ( x ) = 1.5")
            << QString("x = 10^1.5 = 10^[3/2] = Wurzel [10³] = Wurzel [1000] = 10 · Wurzel[10]")
            << 2 << "x = 31.6228";
        QTest::newRow("5") << 2 << 5
            << QString("5. Aufgabe: \r\n\r\n"
                       "Berechnen Sie die Zahl  x  , für die gilt   log ( x ) = -2.69897")
            << QString("log( x ) = 0.30103 - 3 ;  x = 2 / 1000")
            << 4 << "x = 0.002";
        QTest::newRow("6") << 4 << 1
            << QString("6. Aufgabe: \r\n\r\n"
                       "Welchem Betrag der Spannungsverstärkung |G| entspricht   v = 22 dB?")
            << QString("v = 22 dB = 20 dB + 2· 1 dB  daraus folgt  |G| = 10· [1.12202]^2 = 10^[1.1]")
            << 3 << "x = 12.58925";
        QTest::newRow("7") << 4 << 2
            << QString("7. Aufgabe: \r\n\r\n"
                       "Welchem Betrag der Stromverstärkung |G| entspricht   v = -30 dB?")
            << QString("v = -30 dB = -60 dB · 0.5  daraus folgt  |G| = Wurzel[ ( 1 / 10 )^3] = 10^[-1.5]")
            << 7 << "x = 0.031623";
        QTest::newRow("8") << 4 << 3
            << QString("8. Aufgabe: \r\n\r\n"
                       "Berechnen Sie aus der Verstärkung |G| = 500"
                       "\r\n" "den zugehörigen Wert von  v / dB")
            << QString("|G| = 1000 / 2 = 10^3 / 2    daraus folgt   v / db = 3·20 - 6.02060 = 20·log(500)")
            << 4 << "x = 53.97940";
        QTest::newRow("9") << 4 << 4
            << QString("9. Aufgabe: \r\n\r\n"
                       "Berechnen Sie aus der Verstärkung |G| = 128"
                       "\r\n" "den zugehörigen Wert von  v / dB")
            << QString("|G| = 128 = 2^7    daraus folgt   v / db = 7 · 6.02060 = 20·log(128)")
            << 6 << "x = 42.14420";
        QTest::newRow("10") << 4 << 5
            << QString("10. Aufgabe: \r\n\r\n"
                       "Berechnen Sie aus der Verstärkung |G| = 0.125"
                       "\r\n" "den zugehörigen Wert von  v / dB")
            << QString("|G| = 0.125 = 1 / 2^3    daraus folgt   v / db = -3 · 6.02060 = 20·log(0.125)")
            << 1 << "x = -18.06180";
        QTest::newRow("11") << 6 << 1
            << QString("11. Aufgabe: \r\n\r\n"
                       "Berechnen Sie das Produkt    p = z1 · z2   der komplexen Zahlen"
                       "\r\n" "z1 = 100 · exp[ -j 60° ];  z2 = 0.2 · exp[ +j 30° ]")
            << QString("p = 100 · 0.2 · exp[ -j 60° + j 30° ] = 20 · exp[ -j 30° ]")
            << 3 << "20·exp[-j30°]";
        QTest::newRow("12") << 6 << 2
            << QString("12. Aufgabe: \r\n\r\n"
                       "Berechnen Sie den Quotienten    q = z1 / z3  der komplexen Zahlen"
                       "\r\n" "z1 = 100 · exp[ -j 60° ];  z3 = 5 · exp[ -j 45° ]")
            << QString("q = 100 / 5 · exp[ -j 60° -(-j 45°) ] = 20 · exp[ -j 15° ]")
            << 5 << "20·exp[-j15°]";
        QTest::newRow("13") << 6 << 3
            << QString("13. Aufgabe: \r\n\r\n"
                       "Berechnen Sie mit den Werten von z1, z2 und z3 der Aufgaben 1 und 2"
                       "\r\n" "das Resultat   r = z1 · z3 / z2")
            << QString("r = 100 · 5 / 0.2 · exp[ -j60° +(-j45°)-(j30°) ] = 2500 · exp[ -j135° ]")
            << 2 << "2500·exp[-j135°]";
        QTest::newRow("14") << 6 << 4
            << QString("14. Aufgabe: \r\n\r\n"
                       "Berechnen Sie aus z = 200 · exp[ -j60° ]"
                       "\r\n" "die kartesische Form von z.")
            << QString("re{z} = 200·cos(-60°) = 100;      im{z} = 200·sin(-60°) = -173.21")
            << 1 << "100 - j 173.21";
        QTest::newRow("15") << 6 << 5
            << QString("15. Aufgabe: \r\n\r\n"
                       "Berechnen Sie aus    re{z} = -100   und    im{z} = 200"
                       "\r\n" "Betrag und Winkel der komplexen Zahl z.")
            << QString("|G| = Wurzel[(-100)^2 + (200)^2] = 223.61;"
                       "\r\n" "phi = arctan[200/(-100)] + 180° = 116.57°")
            << 6 << "223.61·exp[j116.57°]";
        QTest::newRow("16") << 11 << 1
            << QString("16. Aufgabe: Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula11 +
                   "\r\n" "Ermitteln Sie den Grad n der Funktion und die Konstante Q  der Produktform."
            << QString("nz = 2; nn = 4; n = max{nz,nn} = 4;       Q = [ 24·50 ] / [ 3·2·4 ] = 50")
            << 2 << "4,     50";
        QTest::newRow("17") << 11 << 2
            << QString("17. Aufgabe: Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula11 +
                   "\r\n" "Ermitteln Sie die Konstante  K = |G(0)| ."
            << QString("|G(s=0)| = K = [ 48·250 ] / [ 9·32·40 ] = 150 / 144 = 1.04167")
            << 5 << "1.041667";
        QTest::newRow("18") << 11 << 3
            << QString("18. Aufgabe: Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula11 +
                   "\r\n" "Ermitteln Sie alle Nullstellen  so  und  alle Polstellen  sx  der Funktion."
            << QString("so_1 = -2; so_2 = -5; so_3 ->oo; so_4 -> oo;"
                       "\r\n" "sx_1 = -3; sx_2 = sx_3 = -4; sx_4 = -10")
            << 3 << "-2,-5, oo, oo;  -3, -4, -4, -10";
        QTest::newRow("19") << 11 << 4
            << QString("19. Aufgabe: Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula11 +
                   "\r\n" "Ermitteln Sie alle Eckkreisfrequenzen  wo  und  wx  der Funktion  G(jw)."
            << QString("wo_1 = -so_1 = 2; wo_2 = 5;        wx_1 = -sx_1 = 3; wx_2 = wx_3 = 4; wx_4 = 10")
            << 6 << "2, 5;     3, 4, 4, 10";
        QTest::newRow("20") << 11 << 5
            << QString("20. Aufgabe: Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula11 +
                   "\r\n" "Ermitteln Sie alle Zeitkonstanten  To  und  Tx  der Funktion  G(jw)."
            << QString("Es gilt nach Gl. (1.21) :  To = 1 / wo ;  Tx = 1 / wx"
                       "\r\n" ""
                       "\r\n" "To_1 = 1/2; To_2 = 1/5;         Tx_1 = 1/3; Tx_2 = Tx_3 = 1/4; Tx_4 = 1/10")
            << 7 << "0.5, 0.2;    1/3, 1/4, 1/4, 0.1";
        QTest::newRow("21") << 12 << 1
            << QString("21. Aufgabe: Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula12 +
                   "\r\n" "Ermitteln Sie den Grad n der Funktion und die Konstante Q  der Produktform."
            << QString("nz = 2; nn = 3; n = max{nz,nn} = 3;       Q = [ 40 ] / [ 2 ] = 20")
            << 6 << "3,     20";
        QTest::newRow("22") << 12 << 2
            << QString("22. Aufgabe: Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula12 +
                   "\r\n" "Ermitteln Sie alle Nullstellen  so  und alle Polstellen  sx  der Funktion."
            << QString("G(s) = 40·(s+0.2)·(s+5) / 2·s·(s+1)·(s+10)"
                       "\r\n" "so_1=-0.2, so_2=-5, s0_3->oo;  sx_1=0, sx_2=-1, sx_3=-10")
            << 3 << "-0.2, -5; 0, -1, -10";
        QTest::newRow("23") << 12 << 3
            << QString("23. Aufgabe:  Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula12 +
                   "\r\n" "Ermitteln Sie den Wert der Konstante  K   nach Gl.(1.19 / 1.20)."
            << QString("K = [ 40 · 0.2 · 5 ] / [ 2 · 1 · 10 ] = 40 / 20 = 2")
            << 5 << " 2";
        QTest::newRow("24") << 12 << 4
            << QString("24. Aufgabe:  Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula12 +
                   "\r\n" "Ermitteln Sie alle Eckkreisfrequenzen  wo  und  wx  der Funktion  G(jw)."
            << QString("wo_1 = 0.2; wo_2 = 5;           (wx_1 = 0); wx_2 = 1; wx_3 = 10")
            << 1 << "0.2, 5;  1, 10";
        QTest::newRow("25") << 12 << 5
            << QString("25. Aufgabe:   Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula12 +
                   "\r\n" "Ermitteln Sie alle Zeitkonstanten  To  und  Tx  der Funktion  G(jw)."
            << QString("Es gilt nach Gl. (1.21) :  To = 1 / wo ;  Tx = 1 / wx"
                       "\r\n" ""
                       "\r\n" "To_1 = 5; To_2 = 1/5;         (Tx_1 ->oo); Tx_2 = 1; Tx_3 = 1/10")
            << 2 << "5, 0.2; 1, 0.1";
        QTest::newRow("26") << 14 << 1
            << QString("26. Aufgabe: Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula14 +
                   "\r\n" "Ermitteln Sie den Wert der Konstante  K   nach Gl.(1.19)."
            << QString("K = [ 5 ] / [ 4·5 ] = 0.25      dazu (1 + s / wo) und (1 + s / wx) erzeugen ")
            << 4 << "0.25";
        QTest::newRow("27") << 14 << 2
            << QString("27. Aufgabe: Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula14 +
                   "\r\n" "Ermitteln Sie das Betragsquadrat |Z(jw)|² des Zählers (ohne K, nach Gl.(1.19))."
            << QString("|Z(jw) / K |² = 1 + w²       da   wo_1 = 1")
            << 2 << "1 + w²";
        QTest::newRow("28") << 14 << 3
            << QString("28. Aufgabe:  Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula14 +
                   "\r\n" "Ermitteln Sie das Betragsquadrat |N(jw)|² des Nenners nach Gl.(1.19)."
            << QString("|N(jw) / K |² =  w²·(1 + [w/2]²)² (1 + [w/5]²)       da   wx_1,2 = 2, wx_3 = 5")
            << 7 << "w²·(1+[w/2]²)²·(1+[w/5]²)";
        QTest::newRow("29") << 14 << 4
            << QString("29. Aufgabe:  Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula14 +
                   "\r\n" "Ermitteln Sie den Winkelbeitrag des Zählers  Phi{Z(jw)}."
            << QString("Phi{Z(jw)} = arctan w           da   wo_1 = 1")
            << 1 << "arctan[w]";
        QTest::newRow("30") << 14 << 5
            << QString("30. Aufgabe:   Gegeben ist die normierte Übertragungs-Funktion" "\r\n") + formula14 +
                   "\r\n" "Ermitteln Sie den Winkelbeitrag des Nenners  Phi{N(jw)}."
            << QString("Phi{N(jw)} = 90° + 2·arctan [w/2] + arctan[w/5]")
            << 5 << "90°+2·atan[w/2] + atan[w/5]";
    }
    void taskData()
    {
        QFETCH(int, page);
        QFETCH(int, box);
        QFETCH(QString, question);
        QFETCH(QString, solution);
        QFETCH(int, key);
        QFETCH(QString, keyText);
        auto w = newWindow();
        openPage(*w, page);
        const int n = QString(QTest::currentDataTag()).toInt();
        QCOMPARE(w->Memo_A[box]->text(), question);
        QCOMPARE(w->Memo_L[box]->text(), QString("Lösungsweg zur %1. Aufgabe:\r\n\r\n").arg(n) + solution);
        QVERIFY(!w->Memo_L[box]->isVisibleTo(w->P_aufgaben));
        QCOMPARE(answer_key[box], key);
        platform::ComboBox* cb = w->CB_A[box];
        QCOMPARE(cb->item(key), keyText);
        QCOMPARE(cb->count(), 10);
        QCOMPARE(cb->currentIndex(), 0);
        QVERIFY(cb->isEnabled());
        QCOMPARE(cb->item(0), QString("Lösung wählen"));
        QVERIFY(cb->item(8).isEmpty() && cb->item(9).isEmpty());
        if (n == 20) // the options of question 19, and the key past them
            QCOMPARE(cb->item(6), QString("2, 5;  3, 4, 4, 10"));
        if (n == 27)
            QCOMPARE(cb->item(3), QString("1"));
        // One list for the whole page on 01_02, 01_04 and 01_06, a list of
        // its own per question on 01_11, 01_12 and 01_14.
        const bool shared = page < 10;
        auto items = [](const platform::ComboBox* c) {
            QStringList out;
            for (int i = 0; i < c->count(); ++i)
                out << c->item(i);
            return out;
        };
        for (int k = 1; k <= 5; ++k)
            if (k != box)
                QCOMPARE(items(w->CB_A[k]) == items(cb), shared);
        // Every option shows whole in the closed box.
        for (const QString& option : items(cb))
            QVERIFY2(QFontMetrics(cb->font()).horizontalAdvance(option) <= option_room(cb), qPrintable(option));
    }

    // Every page, reached after a page with other ranges, axis and units.
    void everyPageResetsTheChart_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("title");
        const QMap<int, QString> tasks = {
            {2, "Abschnitt 1.1"}, {4, "Abschnitt 1.2"}, {6, "Abschnitt 1.3"},
            {11, "Abschnitte 1.5 + 1.6  [ Teil I ]"}, {12, "Abschnitte 1.5 + 1.6  [ Teil II ]"}, {14, "Abschnitt 1.7"}};
        for (int p = 1; p <= 14; ++p)
            QTest::addRow("01_%02d", p) << p
                                        << (tasks.contains(p) ? "Aufgaben zur 1. Lektion ,  " + tasks[p]
                                                              : "1. Vereinbarungen, Mathematische Grundlagen");
    }
    void everyPageResetsTheChart()
    {
        QFETCH(int, page);
        QFETCH(QString, title);
        const bool questions = title.startsWith("Aufgaben");
        auto w = newWindow();
        if (page > 1)
            openPage(*w, page - 1);
        page_example = "2";
        chart = ChartSettings{1, 100000, 0.01L, 1000, -360, 0, true, true};
        record(*w);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("01_%1").arg(page, 2, 10, QChar('0')));
        QCOMPARE(page_lesson, QString("1"));
        QVERIFY(page_example.isEmpty());
        QVERIFY(!point_mode && !line_mode && !constant_mode);
        QCOMPARE(double(chart.fmin), 0.001);
        QCOMPARE(double(chart.fmax), 1000.0);
        QCOMPARE(double(chart.bmin), 0.0001);
        QCOMPARE(double(chart.bmax), 100.0);
        QCOMPARE(chart.pmin, -90);
        QCOMPARE(chart.pmax, 90);
        QVERIFY(!chart.axis_f && !chart.with_units);
        QCOMPARE(w->P_aufgaben->isVisible(), questions);
        QCOMPARE(w->M_text->isVisible(), !questions);
        QVERIFY(findText(*w, title));
        QVERIFY(findText(*w, "Seite " + page_id + "     Stand 07.11.07"));
        if (questions) {
            QVERIFY(w->B_auswert->isEnabled() && !w->B_loes->isEnabled() && !w->B_text->isEnabled());
            QVERIFY(!w->P_diag->isVisible());
        } else {
            QCOMPARE(w->M_text->height(), page == 10 ? 590 : 926);
            QVERIFY(w->M_text->text().startsWith("\r\n"));
            QVERIFY(w->M_text->text().contains("\r\n" + QString(129, '-') + "\r\n"));
        }
    }

    // Equations, tables and fractions stand on lines of their own, indented;
    // none may wrap, and the whole text shows without scrolling.
    void textPagesFitTheirMemo_data()
    {
        QTest::addColumn<int>("page");
        for (int p : {1, 3, 5, 7, 8, 9, 10, 13})
            QTest::addRow("01_%02d", p) << p;
    }
    void textPagesFitTheirMemo()
    {
        QFETCH(int, page);
        auto w = newWindow();
        w->show();
        openPage(*w, page);
        const QFontMetrics m(w->M_text->font());
        const int room = w->M_text->viewport()->width() - 2 * int(w->M_text->document()->documentMargin());
        int displayed = 0;
        for (const QString& line : w->M_text->text().split("\r\n"))
            if (line.startsWith("     ")) {
                ++displayed;
                QVERIFY2(m.horizontalAdvance(line) <= room, qPrintable(line));
            }
        QVERIFY(displayed > 0);
        QCOMPARE(w->M_text->verticalScrollBar()->maximum(), 0);
    }

    void poleZeroPlan()
    {
        auto w = newWindow();
        openPage(*w, 10);
        QCOMPARE(w->M_text->geometry(), QRect(601, 41, 664, 590));
        QVERIFY(hasOp(*w, CanvasOp::Rectangle, QRect(QPoint(610, 640), QPoint(1255, 900)), Qt::black, 1));
        // Axes with their arrow heads, crossing at s = 0.
        QVERIFY(hasLine(*w, 650, 770, 1215, 770, Qt::black));
        QVERIFY(hasLine(*w, 1215, 770, 1209, 776) && hasLine(*w, 1215, 770, 1209, 764));
        QVERIFY(hasLine(*w, 1065, 890, 1065, 650, Qt::black));
        QVERIFY(hasLine(*w, 1065, 650, 1059, 656) && hasLine(*w, 1065, 650, 1071, 656));
        // Poles at 0, -2 (double: two crosses 6 pixels apart) and -5; a zero
        // at -1; three zeros at infinity in the lower half circle.
        QVERIFY(hasPole(*w, 1065, 770));
        QVERIFY(hasPole(*w, 942, 770) && hasPole(*w, 948, 770));
        QVERIFY(hasPole(*w, 765, 770));
        QVERIFY(hasZero(*w, 1005, 770));
        QVERIFY(hasZero(*w, 740, 665));
        const auto arcs = ops(*w, CanvasOp::Arc);
        QCOMPARE(int(arcs.size()), 1);
        const CanvasOp& a = arcs.front();
        QCOMPARE((QList<int>{a.x1, a.y1, a.x2, a.y2, a.x3, a.y3, a.x4, a.y4}),
                 (QList<int>{700, 610, 780, 690, 700, 650, 780, 650}));
        QVERIFY(hasOp(*w, CanvasOp::Ellipse, QRect(QPoint(1130, 680), QPoint(1170, 720)), Qt::black, 1));
        for (int k = 1; k <= 6; ++k) {
            const int x = 1065 - 60 * k;
            QVERIFY(hasLine(*w, x, 774, x, 765));
            const CanvasOp* label = findText(*w, QString::number(-k));
            QVERIFY(label);
            QCOMPARE(QPoint(label->x1, label->y1), QPoint(x - 5, 780));
        }
        const CanvasOp* fold = findText(*w, "3 - fach");
        QVERIFY(fold);
        QCOMPARE(QPoint(fold->x1, fold->y1), QPoint(790, 665));
        QCOMPARE(fold->font.color, blue);
        const QList<std::pair<QString, QPoint>> labels = {
            {"sigma", {1185, 780}}, {"j  omega", {1085, 650}}, {"Q = 5", {1115, 850}}, {"s", {1145, 690}},
            {"Bild 1.1 PN-Plan zur Übertragungs-Funktion G(s) in Gl.(1.23).", {610, 915}}};
        for (const auto& [text, at] : labels) {
            const CanvasOp* op = findText(*w, text);
            QVERIFY2(op, qPrintable(text));
            QCOMPARE(QPoint(op->x1, op->y1), at);
            QCOMPARE(op->font.color, QColor(Qt::black));
            QCOMPARE(op->font.height, 18);
        }
        // Below the memo and inside the frame: every line of the plan.
        auto plan = std::find_if(w->Canvas.ops.begin(), w->Canvas.ops.end(),
                                 [](const CanvasOp& op) { return op.kind == CanvasOp::Rectangle && op.x1 == 610; });
        QVERIFY(plan != w->Canvas.ops.end());
        for (auto op = plan + 1; op != w->Canvas.ops.end(); ++op)
            if (op->kind == CanvasOp::LineTo)
                QVERIFY(op->y1 > 631 && op->y2 > 631 && op->x1 > 610 && op->x2 < 1255 && op->y1 < 900 && op->y2 < 900);
        QCOMPARE(w->Canvas.pen.color, QColor(Qt::black));
        QCOMPARE(w->Canvas.pen.width, 1);
        QCOMPARE(w->Canvas.brush.style, platform::BrushStyle::Clear);
    }

    // 01_04 through the real controls: two right, one empty entry and one
    // wrong entry counted, one left out; solutions and texts on request.
    void scoringATaskPage()
    {
        auto w = newWindow();
        total_answered = 10;
        total_solved = 5;
        lesson_answered[1] = 3;
        openPage(*w, 4);
        QCOMPARE(lesson_answered[1], 3); // kept on entering the lesson
        for (auto [box, entry] : {std::pair{1, 3}, {2, 7}, {3, 8}, {4, 1}})
            select(w->CB_A[box], entry);
        click(w->B_auswert);
        QCOMPARE(lesson_answered[1], 7);
        QCOMPARE(lesson_solved[1], 2);
        QCOMPARE(total_answered, 14);
        QCOMPARE(total_solved, 7);
        QCOMPARE(w->l_lekt_bearb->text(), QString("7"));
        QCOMPARE(w->l_lekt_ok->text(), QString("2"));
        QVERIFY(!w->B_auswert->isEnabled() && !w->CB_A[1]->isEnabled());
        click(w->B_loes);
        QCOMPARE(w->l_loes[3]->text(), QString("x = 53.97940"));
        QCOMPARE(w->l_loes[5]->text(), QString("x = -18.06180"));
        click(w->B_text);
        QVERIFY(w->Memo_L[5]->isVisible());

        // Shown again, the page starts unanswered; the statistics carry on.
        click(w->B_rechts);
        click(w->B_links);
        QCOMPARE(page_id, QString("01_04"));
        QCOMPARE(w->CB_A[1]->currentIndex(), 0);
        QVERIFY(w->CB_A[1]->isEnabled() && !w->Memo_L[5]->isVisible());
        QVERIFY(w->l_loes[3]->text().isEmpty());
        QCOMPARE(w->l_lekt_bearb->text(), QString("7"));
    }

    void forwardFromTheIntroductionShowsTheFirstPage()
    {
        auto w = newWindow();
        record(*w);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("01_01"));
        QVERIFY(w->M_text->text().startsWith("\r\nDiese Lektion"));
        QVERIFY(findText(*w, "Seite 01_01     Stand 07.11.07"));

        // Back on the first page draws it again.
        record(*w);
        click(w->B_links);
        QCOMPARE(page_id, QString("01_01"));
        QCOMPARE(w->RG_Wahl->itemIndex(), 0);
        QVERIFY(findText(*w, "1. Vereinbarungen, Mathematische Grundlagen"));
    }

    void lessonBoundaries()
    {
        auto w = newWindow();
        openPage(*w, 14);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("02_01"));
        QCOMPARE(w->RG_Wahl->itemIndex(), 1);
        click(w->B_links);
        QCOMPARE(page_id, QString("01_14"));
        QCOMPARE(w->RG_Wahl->itemIndex(), 0);
        QVERIFY(w->P_aufgaben->isVisible() && !w->M_text->isVisible());
    }

    // Choosing lesson 1 on an exercise or construction page leaves nothing
    // of that page active; answers then count into lesson 1.
    void choosingLessonOneLeavesThePageBehind_data()
    {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<int>("page");
        QTest::newRow("03_01") << 3 << 1;
        QTest::newRow("04_01") << 4 << 1;
        QTest::newRow("06_02") << 6 << 2;
    }
    void choosingLessonOneLeavesThePageBehind()
    {
        QFETCH(int, lesson);
        QFETCH(int, page);
        auto w = newWindow();
        w->show();
        chooseLesson(*w, lesson);
        if (page == 2)
            click(w->B_rechts);
        QCOMPARE(page_no, page);
        chooseLesson(*w, 1);
        QCOMPARE(page_id, QString("01_01"));
        QVERIFY(!point_mode && !line_mode && !constant_mode);
        QVERIFY(w->M_text->isVisible());
        for (QWidget* gone : {static_cast<QWidget*>(w->P_punkt), static_cast<QWidget*>(w->P_diag),
                              static_cast<QWidget*>(w->M_teilaufg), static_cast<QWidget*>(w->M_teilloes),
                              static_cast<QWidget*>(w->P_aufgaben)})
            QVERIFY2(!gone->isVisible(), qPrintable(gone->objectName()));
        // A click into the chart starts no exercise.
        record(*w);
        clickAt(*w, 300, 200);
        QVERIFY(w->Canvas.ops.empty());

        click(w->B_rechts);
        select(w->CB_A[1], 3);
        click(w->B_auswert);
        QCOMPARE(lesson_answered[1], 1);
        QCOMPARE(lesson_solved[1], 1);
    }
};

QTEST_MAIN(TestLesson1)
#include "test_lesson1.moc"
