// Lesson 5, the five task pages: their questions, lists and keys, the
// numbered lines of the I and D examples, the corner examples of the PT1,
// PI and PD elements, and the scoring of a list that offers its right
// answer twice.
#include "testutil.h"

#include "lessons/pages.h"
#include "platform/controls.h"

using namespace testutil;
using platform::CanvasOp;

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

PageFunction taskPage(int n)
{
    switch (n) {
    case 2: return page_05_02;
    case 4: return page_05_04;
    case 6: return page_05_06;
    case 9: return page_05_09;
    default: return page_05_11;
    }
}

// Shows task page n of lesson 5 as the dispatcher does once lesson 5 is
// chosen, recording what it draws.
void showPage(TForm1& w, int n)
{
    page_no = n;
    record(w);
    taskPage(n)();
}

std::unique_ptr<TForm1> openPage(int n)
{
    auto w = newWindow();
    chooseLesson(*w, 5);
    showPage(*w, n);
    return w;
}

// The recorded operation of a kind at these coordinates; a text by its
// position alone.
const CanvasOp* find(const TForm1& w, CanvasOp::Kind kind, int x1, int y1, int x2 = 0, int y2 = 0)
{
    for (const auto& op : w.Canvas.ops) {
        const bool ends = kind == CanvasOp::TextOut || (op.x2 == x2 && op.y2 == y2);
        if (op.kind == kind && op.x1 == x1 && op.y1 == y1 && ends)
            return &op;
    }
    return nullptr;
}

// A solid line of width 2 through the points, in the colour.
void verifyPolyline(const TForm1& w, const QList<QPoint>& points, const QColor& color)
{
    for (int i = 1; i < points.size(); ++i) {
        const QPoint a = points[i - 1], b = points[i];
        const CanvasOp* op = find(w, CanvasOp::LineTo, a.x(), a.y(), b.x(), b.y());
        QVERIFY2(op, qPrintable(QStringLiteral("line %1,%2 - %3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y())));
        QCOMPARE(op->pen.color, color);
        QCOMPARE(op->pen.width, 2);
        QCOMPARE(op->pen.style, platform::PenStyle::Solid);
    }
}

} // namespace

class TestLesson5Tasks : public QObject {
    Q_OBJECT

private slots:
    void taskData_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("phase");
        QTest::addColumn<QList<int>>("key");
        QTest::addColumn<QStringList>("keyed");
        QTest::addColumn<QString>("question1");
        QTest::addColumn<QString>("solution5");
        QTest::newRow("05_02")
            << 2 << "5.1" << "07.11.07" << true << QList<int>{4, 7, 2, 5, 6}
            << QStringList{"K1 = -17.783; wx_1 = 4/sec", "K2 = 0.1; fx_2 = 15", "K3 = 100; wx_3 = 500",
                           "K4 = 50; fx_4 = 200", "K5 = 31.623; wx_5 = 1"}
            << "1. Aufgabe: \r\n\r\nErmitteln Sie aus dem Bode-Diagramm auf der linken Seite die zugehörigen "
               "Kennwerte  K1  und  wx_1   für das PT1-Glied."
            << "Lösung zur 5. Aufgabe:\r\n\r\nSteigung = -45°/Dek: -60° treten deshalb auf bei w = wx_5·10^(1/3) -> "
               "wx_5 = 1\r\nDamit |G(jw = j 2.1544·wx_5)| = 23.333 dB, muss |G(0)| um einen Faktor\r\n2.1544 => "
               "6.6667 dB größer sein: K5 = 30 dB => 31.623";
        QTest::newRow("05_04")
            << 4 << "5.2" << "15.05.09" << false << QList<int>{5, 6, 6, 1, 6}
            << QStringList{"G ( s ) = K / s", " -20 dB / Dek, Phi = -90°", " 2E3", " 5E-2", "4E4;  4E4"}
            << "1. Aufgabe: \r\n\r\nWelche Form besitzt die Übertragungs-Funktion  G ( s )  eines Systems mit\r\n"
               "integrierenden Verhalten ?"
            << "Lösung zur 5. Aufgabe:\r\n\r\nw1 = 2E3; w3 = 0.05; |G| = 1 = K1/w1 = K3/w3 ; K1/K3 = w1/w3 = 4E4";
        QTest::newRow("05_06")
            << 6 << "5.3" << "07.11.07" << false << QList<int>{6, 3, 2, 5, 7}
            << QStringList{"D-Verhalten, + 20 dB / Dek", " 1.25E-3", " 5E-6", " 3.162", " 1E7"}
            << "1. Aufgabe: \r\n\r\nErmitteln Sie aus den Betragsfrequenzgänge den Typ der Funktion sowie \r\n"
               "die Steigungen in  dB / Dekade."
            << "Lösung zur 5. Aufgabe:\r\n\r\nAbzulesen z.B. bei w = 100 = 1E2 : G1 = 50 dB, G6 = -90 dB;\r\n"
               "K1 / K6 = 140 dB = 1E7";
        QTest::newRow("05_09")
            << 9 << "5.4" << "07.11.07" << true << QList<int>{6, 5, 7, 2, 4}
            << QStringList{"Kp_1=0.56234; fo_1=20 Hz", "Tn_1=7.9577 ms; Ki_1=70.666/s", "Kp_3=4; fo_3=7.9577 Hz",
                           "wo_4 = 0.05; |G(oo)| = 6.0206 dB", "Kp_5 = 3; wo_5 = 0.5/sec"}
            << "1. Aufgabe: \r\n\r\nErmitteln Sie aus dem Bode-Diagramm auf der linken Seite die zugehörigen "
               "Kennwerte  Kp_1  und  fo_1   für das PI-Glied."
            << "Lösung zur 5. Aufgabe:\r\n\r\nwo_5 = 1 / Tn_5 = 0.5/sec ;\r\nKp_5 = Ki_5 · Tn_5 = 3 => 9.5424 dB";
        QTest::newRow("05_11")
            << 11 << "5.5" << "07.11.07" << true << QList<int>{4, 6, 3, 4, 6}
            << QStringList{"Kp_1=0.17783; fo_1=30", "wo_1=188.50;  Tv_1=5.3051E-3",
                           "Kp_1=1.7783E-1;  Kd_1=9.4342E-4", "wo_4=0.2/s;  |G(wo_4)|=-6.0206 dB",
                           "wo_5 = 0.05/s; |G(wo_5)|=30 dB"}
            << "1. Aufgabe: \r\n\r\nErmitteln Sie aus dem Bode-Diagramm auf der linken Seite die zugehörigen "
               "Kennwerte  Kp_1  und  fo_1   für das PD-Glied."
            // The formula names the derivative time that the question gives.
            << "Lösung zur 5. Aufgabe:\r\n\r\nwo_5 = 1 / Tv_5 = 0.05 / s ;\r\n|G(jw=jwo_5)| = |G(0)| = Kp_5 = "
               "31.623 => 30 dB";
    }

    void taskData()
    {
        QFETCH(int, page);
        QFETCH(QString, section);
        QFETCH(QString, date);
        QFETCH(bool, phase);
        QFETCH(QList<int>, key);
        QFETCH(QStringList, keyed);
        QFETCH(QString, question1);
        QFETCH(QString, solution5);

        auto w = openPage(page);
        const QString id = QStringLiteral("05_%1").arg(page, 2, 10, QLatin1Char('0'));
        QCOMPARE(page_lesson, QString("5"));
        QCOMPARE(page_section, section);
        QCOMPARE(page_id, id);
        QVERIFY(page_example.isEmpty());
        QVERIFY(findText(*w, "Aufgaben zur 5. Lektion ,  Abschnitt " + section));
        QVERIFY(findText(*w, "Seite " + id + "     Stand " + date));
        QVERIFY(find(*w, CanvasOp::Rectangle, 60, 30, 511, 431));
        QCOMPARE(find(*w, CanvasOp::Rectangle, 60, 460, 511, 751) != nullptr, phase);

        QVERIFY(w->P_aufgaben->isVisible());
        QVERIFY(!w->P_diag->isVisible() && !w->M_text->isVisible() && !w->P_punkt->isVisible());
        QVERIFY(w->B_auswert->isEnabled());
        QVERIFY(w->B_loes->isVisible() && !w->B_loes->isEnabled());
        QCOMPARE(w->Memo_A[1]->text(), question1);
        QCOMPARE(w->Memo_L[5]->text(), solution5);
        for (int k = 1; k <= 5; ++k) {
            QVERIFY(w->Memo_A[k]->text().startsWith(QStringLiteral("%1. Aufgabe: \r\n\r\n").arg(k)));
            QVERIFY(w->Memo_L[k]->text().startsWith(QStringLiteral("Lösung zur %1. Aufgabe:\r\n\r\n").arg(k)));
            QVERIFY(!w->Memo_L[k]->isVisible());
            QVERIFY(w->CB_A[k]->isEnabled());
            QCOMPARE(w->CB_A[k]->currentIndex(), 0);
            QCOMPARE(w->CB_A[k]->item(0), QString("Lösung wählen"));
            for (int i = 1; i <= 7; ++i)
                QVERIFY(!w->CB_A[k]->item(i).isEmpty());
            QCOMPARE(answer_key[k], key[k - 1]);
            QCOMPARE(w->CB_A[k]->item(key[k - 1]), keyed[k - 1]);
        }
        QCOMPARE(w->Canvas.pen.color, QColor(Qt::black));
        QCOMPARE(w->Canvas.pen.width, 1);
    }

    void sharedLists_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("05_04 question 4") << 4 << 3 << 4;
        QTest::newRow("05_06 question 3") << 6 << 2 << 3;
        QTest::newRow("05_06 question 4") << 6 << 2 << 4;
    }

    void sharedLists()
    {
        QFETCH(int, page);
        QFETCH(int, from);
        QFETCH(int, to);
        auto w = openPage(page);
        for (int i = 0; i < w->CB_A[from]->count(); ++i)
            QCOMPARE(w->CB_A[to]->item(i), w->CB_A[from]->item(i));
    }

    void mendedSolution()
    {
        auto w = openPage(11);
        QCOMPARE(w->Memo_L[1]->text(),
                 QString("Lösung zur 1. Aufgabe:\r\n\r\nKp = |G(0)| = -15 dB => 10^(-15/20) = 0.17783;\r\n"
                         "fo_1 = 30;   ohne Einheit, da Diagramm auch ohne Einheit!"));
    }

    void numberedLines_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("label");
        QTest::addColumn<QColor>("color");
        QTest::newRow("05_04 1") << 4 << "1" << QPoint(272, 30) << QPoint(510, 241) << QPoint(277, 44) << blue;
        QTest::newRow("05_04 2") << 4 << "2" << QPoint(60, 30) << QPoint(510, 430) << QPoint(65, 44) << blue;
        QTest::newRow("05_04 3") << 4 << "3" << QPoint(60, 104) << QPoint(426, 430) << QPoint(65, 121) << blue;
        QTest::newRow("05_06 1") << 6 << "1" << QPoint(60, 205) << QPoint(322, 30) << QPoint(66, 180) << red;
        QTest::newRow("05_06 2") << 6 << "2" << QPoint(60, 290) << QPoint(450, 30) << QPoint(66, 260) << red;
        QTest::newRow("05_06 3") << 6 << "3" << QPoint(60, 375) << QPoint(510, 75) << QPoint(66, 355) << red;
        QTest::newRow("05_06 4") << 6 << "4" << QPoint(60, 430) << QPoint(510, 130) << QPoint(63, 410) << red;
        QTest::newRow("05_06 5") << 6 << "5" << QPoint(158, 430) << QPoint(510, 195) << QPoint(161, 410) << red;
        QTest::newRow("05_06 6") << 6 << "6" << QPoint(246, 430) << QPoint(510, 254) << QPoint(249, 410) << red;
        QTest::newRow("05_06 7") << 6 << "7" << QPoint(330, 430) << QPoint(510, 310) << QPoint(333, 410) << red;
    }

    void numberedLines()
    {
        QFETCH(int, page);
        QFETCH(QString, number);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, label);
        QFETCH(QColor, color);
        auto w = openPage(page);
        verifyPolyline(*w, {from, to}, color);
        const CanvasOp* text = find(*w, CanvasOp::TextOut, label.x(), label.y());
        QVERIFY(text);
        QCOMPARE(text->text, number);
        QCOMPARE(text->font.color, color);
        QCOMPARE(text->font.name, QString("Arial"));
        QCOMPARE(w->Canvas.font.color, QColor(Qt::black));
    }

    void cornerExamples_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QList<QPoint>>("magnitude");
        QTest::addColumn<QList<QPoint>>("phase");
        QTest::addColumn<QList<int>>("corner"); // x, the two squares' y, the dashed line's ends
        QTest::newRow("05_02 PT1") << 2 << blue << QList<QPoint>{{60, 90}, {227, 90}, {500, 430}}
                                   << QList<QPoint>{{60, 653}, {163, 653}, {292, 750}, {510, 750}}
                                   << QList<int>{227, 90, 702, 22, 755};
        QTest::newRow("05_09 PI") << 9 << blue << QList<QPoint>{{60, 125}, {255, 255}, {510, 255}}
                                  << QList<QPoint>{{60, 653}, {105, 653}, {405, 557}, {510, 557}}
                                  << QList<int>{255, 255, 605, 20, 752};
        QTest::newRow("05_11 PD") << 11 << red << QList<QPoint>{{60, 305}, {283, 305}, {510, 53}}
                                  << QList<QPoint>{{60, 605}, {193, 605}, {373, 460}, {510, 460}}
                                  << QList<int>{283, 305, 532, 20, 756};
    }

    void cornerExamples()
    {
        QFETCH(int, page);
        QFETCH(QColor, color);
        QFETCH(QList<QPoint>, magnitude);
        QFETCH(QList<QPoint>, phase);
        QFETCH(QList<int>, corner);
        auto w = openPage(page);
        verifyPolyline(*w, magnitude, color);
        verifyPolyline(*w, phase, color);
        const int x = corner[0];
        for (int y : {corner[1], corner[2]}) {
            const CanvasOp* square = find(*w, CanvasOp::Rectangle, x - 5, y - 5, x + 6, y + 6);
            QVERIFY(square);
            QCOMPARE(square->pen.color, color);
            QCOMPARE(square->pen.width, 2);
        }
        // Straight down, then one pixel on so that the end pixel is drawn.
        const CanvasOp* dashed = find(*w, CanvasOp::LineTo, x, corner[3], x, corner[4]);
        QVERIFY(dashed);
        QCOMPARE(dashed->pen.style, platform::PenStyle::Dash);
        QCOMPARE(dashed->pen.width, 1);
        QCOMPARE(dashed->pen.color, color);
        QVERIFY(find(*w, CanvasOp::LineTo, x, corner[4], x + 1, corner[4] + 1));
        QCOMPARE(w->Canvas.pen.style, platform::PenStyle::Solid);
    }

    void scoring_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<int>("solved");
        QTest::newRow("05_04 the keys") << 4 << QList<int>{5, 6, 6, 1, 6} << 5;
        // Item 3 of question 5 reads as its key and is right there only.
        QTest::newRow("05_04 item 3 everywhere") << 4 << QList<int>{3, 3, 3, 3, 3} << 1;
        QTest::newRow("05_04 item 6 everywhere") << 4 << QList<int>{6, 6, 6, 6, 6} << 3;
        QTest::newRow("05_04 the empty item 8") << 4 << QList<int>{0, 0, 0, 0, 8} << 0;
        // After 05_04 no second item is right any more.
        QTest::newRow("05_06 item 3 everywhere") << 6 << QList<int>{3, 3, 3, 3, 3} << 1;
        QTest::newRow("05_09 the keys") << 9 << QList<int>{6, 5, 7, 2, 4} << 5;
    }

    void scoring()
    {
        QFETCH(int, page);
        QFETCH(QList<int>, chosen);
        QFETCH(int, solved);
        auto w = openPage(4);
        if (page != 4)
            showPage(*w, page);
        int answered = 0;
        for (int k = 1; k <= 5; ++k) {
            select(w->CB_A[k], chosen[k - 1]);
            answered += chosen[k - 1] != 0;
        }
        click(w->B_auswert);
        QCOMPARE(lesson_answered[5], answered);
        QCOMPARE(lesson_solved[5], solved);
        QCOMPARE(total_solved, solved);
        QCOMPARE(w->l_lekt_ok->text(), QString::number(solved));

        // The shown solutions are the keyed items.
        click(w->B_loes);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(w->l_loes[k]->text(), w->CB_A[k]->item(answer_key[k]));
    }
};

QTEST_MAIN(TestLesson5Tasks)
#include "test_lesson5_tasks.moc"
