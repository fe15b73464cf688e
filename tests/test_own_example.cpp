// The own example, driven as a student would: the way in from the
// introductory page and back, a rejected and an accepted function, every
// subtask with its interim result, and the printed sheet.
#include "testutil.h"

#include "construction/Uallgemein.h"
#include "platform/printer.h"

using namespace testutil;
using platform::CanvasOp;

namespace {

platform::Canvas sheet;
int sheets = 0;

void enter(TForm1& w, const QString& numerator, const QString& denominator)
{
    w.E_zaehler->setText(numerator);
    w.E_nenner->setText(denominator);
    click(w.B_uebernehmen);
}

// Lines of the recorded window canvas with this pen.
int linesWith(const TForm1& w, const QColor& color, int width)
{
    int n = 0;
    for (const auto& op : ops(w, CanvasOp::LineTo))
        n += op.pen.color == color && op.pen.width == width;
    return n;
}

int sheetPolylineSegments()
{
    int n = 0;
    for (const auto& op : sheet.ops)
        n += op.kind == CanvasOp::LineTo && op.pen.width == 5;
    return n;
}

} // namespace

class TestOwnExample : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        platform::setSheetHook([](const QString&) {
            sheet = platform::Canvas();
            sheet.recording = true;
            ++sheets;
            return &sheet;
        });
    }
    void cleanup() { platform::setSheetHook(nullptr); }

    // The button lies below the frame of the two pages that offer it and
    // nowhere else; back from 09_01 is the introductory page with its totals.
    void wayInAndBack()
    {
        auto w = newWindow();
        QVERIFY(w->B_eigen->isVisible());
        QVERIFY(w->B_eigen->geometry().top() > 970);
        QVERIFY(w->B_eigen->geometry().left() >= 600);
        total_answered = 7;
        click(w->B_eigen);
        QCOMPARE(page_id, QStringLiteral("09_01"));
        QVERIFY(w->P_eigen->isVisible());
        QVERIFY(!w->B_eigen->isVisible());
        QVERIFY(!w->P_diag->isVisible());
        QVERIFY(!w->B_rechts->isEnabled());
        click(w->B_rechts);
        QCOMPARE(page_id, QStringLiteral("09_01"));
        click(w->B_links);
        QCOMPARE(page_id, QStringLiteral("00_01"));
        QVERIFY(w->B_eigen->isVisible());
        QVERIFY(!w->P_eigen->isVisible());
        QVERIFY(w->B_rechts->isEnabled());
        QCOMPARE(total_answered, 7LL);
        // The lesson choice goes on as before; a lesson page has no such button.
        chooseLesson(*w, 2);
        QCOMPARE(page_id, QStringLiteral("02_01"));
        QVERIFY(!w->B_eigen->isVisible());
    }

    void buttonOnlyOnItsPages_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("shown");
        QTest::newRow("introduction") << "00_01" << true;
        QTest::newRow("last page") << "08_03" << true;
        QTest::newRow("construction page") << "08_02" << false;
        QTest::newRow("first page") << "01_01" << false;
        QTest::newRow("own example") << "09_01" << false;
    }

    void buttonOnlyOnItsPages()
    {
        QFETCH(QString, id);
        QFETCH(bool, shown);
        auto w = newWindow();
        w->show();
        if (id == QLatin1String("09_01"))
            click(w->B_eigen);
        else if (id != QLatin1String("00_01"))
            w->show_page(id.left(2).toInt(), id.mid(3).toInt());
        QCOMPARE(w->B_eigen->isVisible(), shown);
    }

    // Opened from the last page of the course, back leads there again.
    void backTo08_03()
    {
        auto w = openLesson(8);
        click(w->B_rechts);
        click(w->B_rechts);
        QCOMPARE(page_id, QStringLiteral("08_03"));
        QVERIFY(w->B_eigen->isVisible());
        click(w->B_eigen);
        enter(*w, QStringLiteral("10"), QStringLiteral("1 + s"));
        QVERIFY(w->P_diag->isVisible());
        click(w->B_links);
        QCOMPARE(page_id, QStringLiteral("08_03"));
        QCOMPARE(page_no, 3);
        QVERIFY(!w->P_eigen->isVisible());
        QVERIFY(w->B_eigen->isVisible());
        QVERIFY(!w->B_rechts->isEnabled());
        QCOMPARE(subtask_count, 4);
        // The page before it is 08_02 as ever.
        click(w->B_links);
        QCOMPARE(page_id, QStringLiteral("08_02"));
        QVERIFY(!w->B_eigen->isVisible());
    }

    // "Zufällige Aufgabe" covers no other control, fills both fields and
    // starts the construction, in each level and form.
    void randomTask()
    {
        auto w = newWindow();
        click(w->B_eigen);
        for (QWidget* c : w->P_eigen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            for (QWidget* mine : {static_cast<QWidget*>(w->B_zufall), static_cast<QWidget*>(w->CB_zufall)})
                QVERIFY(c == mine || !c->geometry().intersects(mine->geometry()));
            QVERIFY(w->P_eigen->rect().contains(c->geometry()));
        }
        for (int choice = 0; choice < w->CB_zufall->count(); ++choice) {
            w->CB_zufall->setCurrentIndex(choice);
            w->E_zaehler->clear();
            click(w->B_zufall);
            QVERIFY(messages().empty());
            QVERIFY(!w->E_zaehler->text().isEmpty() && !w->E_nenner->text().isEmpty());
            QVERIFY(w->P_diag->isVisible());
            QVERIFY(subtask_count >= 6);
        }
    }

    // A rejected function changes nothing and says why.
    void rejected()
    {
        auto w = newWindow();
        click(w->B_eigen);
        enter(*w, QStringLiteral("1"), QStringLiteral("s^2 + 1"));
        QCOMPARE(messages().size(), size_t(1));
        QCOMPARE(messages().back().type, platform::MessageType::Error);
        QVERIFY(messages().back().text.contains(QStringLiteral("D = 0")));
        QVERIFY(!w->P_diag->isVisible());
        QCOMPARE(chart.fmin, 0.001L);

        enter(*w, QStringLiteral("10"), QStringLiteral("1 + s"));
        const int count = subtask_count;
        enter(*w, QStringLiteral("10"), QStringLiteral("1 + x"));
        QCOMPARE(messages().size(), size_t(2));
        QCOMPARE(subtask_count, count);
        QVERIFY(w->M_text->text().contains(QStringLiteral("G(s) = ( 10 ) / ( 1 + s )")));
    }

    // The test function of the page through every subtask: partial curves in
    // the colours of the worked examples, the totals in blue, the exact
    // curves last, and the sheet with the totals once they are drawn.
    void walk()
    {
        auto w = newWindow();
        click(w->B_eigen);
        enter(*w, QStringLiteral("100 · (1 + s/10)"), QStringLiteral("s · (1 + s)^2 · (1 + s/1000)"));
        // The problem shows the function as typed; the first subtask factors it.
        QVERIFY(w->M_text->text().contains(QStringLiteral("G(s) = ( 100 · (1 + s/10) ) / ( s · (1 + s)^2 · (1 + s/1000) )")));
        QCOMPARE(chart.fmin, 0.1L);
        QCOMPARE(chart.fmax, 1E4L);
        QVERIFY(w->B_next->isEnabled());
        QVERIFY(!w->B_ergeb->isEnabled());

        sheets = 0;
        click(w->B_druck);
        QCOMPARE(sheets, 1);
        QCOMPARE(sheetPolylineSegments(), 0);

        struct Expect {
            QColor color;
            int width;
            bool phase;
        };
        // I part, double pole 1, zero 10, pole 1000; total; the same for the
        // angle: the partial curves in the worked examples' order of
        // `curve_colors` (fuchsia, maroon, red, teal), totals blue, exact curves black.
        const QColor blue = curve_colors[1], fuchsia = curve_colors[2], maroon = curve_colors[3],
                     red = curve_colors[4], teal = curve_colors[7], black = curve_colors[10];
        const Expect steps[] = {{black, 0, false},   {fuchsia, 2, false}, {maroon, 2, false}, {red, 2, false}, {teal, 2, false},
                                {blue, 3, false},    {fuchsia, 2, true}, {maroon, 2, true}, {red, 2, true},
                                {teal, 2, true},     {blue, 3, true},    {black, 2, false}};
        for (int s = 1; s <= 12; ++s) {
            click(w->B_next);
            QCOMPARE(subtask_no, s);
            QVERIFY(w->M_teilaufg->text().contains(QStringLiteral("Teilaufgabe Nr. %1    ( von 12 )").arg(s)));
            record(*w);
            click(w->B_ergeb);
            QVERIFY(!w->M_teilloes->text().isEmpty());
            if (s == 1) {
                QVERIFY(w->M_teilloes->text().contains(
                    QStringLiteral("G(s) = 100 · ( 1 + s / 10 ) / [ s · ( 1 + s / 1 )² · ( 1 + s / 1000 ) ]")));
                QVERIFY(!w->M_text->text().contains(QStringLiteral("Kennwerte")));
                QCOMPARE(ops(*w, CanvasOp::LineTo).size(), size_t(0));
                continue;
            }
            QVERIFY2(linesWith(*w, steps[s - 1].color, steps[s - 1].width) > 0, qPrintable(QString::number(s)));
            const PolygonStore& store = steps[s - 1].phase ? phase_polygon : mag_polygon;
            if (steps[s - 1].color == blue)
                QCOMPARE(store.shift, 0);
        }
        QVERIFY(!w->B_next->isEnabled());
        // 0.1 ... 1 ... 10 ... 1000 ... the chart's bottom; the angle from -90°.
        QCOMPARE(mag_polygon.count, 5);
        QCOMPARE(double(phase_polygon.value[1]), -90.0);
        QCOMPARE(double(phase_polygon.value[phase_polygon.count]), -270.0);

        click(w->B_druck);
        QCOMPARE(sheets, 2);
        QCOMPARE(sheetPolylineSegments(), (mag_polygon.count - 1) + (phase_polygon.count - 1));
        QVERIFY(w->B_next->isEnabled());
    }

    // Every subtask of other functions draws within the chart: corners at
    // the ends of the frequency range, an all-pass, a negative constant, a
    // pole in the right half plane, a D part, no corner at all.
    void drawsWithinTheChart_data()
    {
        QTest::addColumn<QString>("numerator");
        QTest::addColumn<QString>("denominator");
        QTest::newRow("lowest corner") << "(1 + s/1E-5)" << "(1 + s/1E-4)";
        QTest::newRow("highest corner") << "(1 + s/1E10)" << "(1 + s/1E11)";
        QTest::newRow("all-pass") << "0.5 - s · 10 sec" << "0.5 + s · 10 sec";
        QTest::newRow("negative constant") << "-20 (1 + s/3)" << "(1 + s/0.3)^3";
        QTest::newRow("unstable pole") << "1" << "s - 3";
        QTest::newRow("D part") << "100 · ( s² - s³ )"
                                << "( 1 + s ) · ( 1 + 10 s + 25 s² ) · ( 1 + 0.4s + 0.04 s² )";
        QTest::newRow("I part only") << "5" << "s^3";
    }

    void drawsWithinTheChart()
    {
        QFETCH(QString, numerator);
        QFETCH(QString, denominator);
        auto w = newWindow();
        click(w->B_eigen);
        enter(*w, numerator, denominator);
        QVERIFY(messages().empty());
        QVERIFY(subtask_count >= 4);
        for (int s = 1; s <= subtask_count; ++s) {
            click(w->B_next);
            record(*w);
            click(w->B_ergeb);
            QVERIFY(!w->M_teilloes->text().isEmpty());
            for (const auto& op : ops(*w, CanvasOp::LineTo)) {
                const QString at = QStringLiteral("step %1: %2,%3 - %4,%5").arg(s).arg(op.x1).arg(op.y1).arg(op.x2).arg(op.y2);
                QVERIFY2(op.x1 >= 60 && op.x2 <= 510, qPrintable(at));
                const bool magnitude = op.y1 <= 440;
                QVERIFY2(magnitude ? op.y1 >= 27 && op.y2 <= 433 && op.y2 >= 27 : op.y1 >= 457 && op.y2 <= 753,
                         qPrintable(at));
            }
        }
    }
};

QTEST_MAIN(TestOwnExample)
#include "test_own_example.moc"
