// The window on screens of other sizes and densities: the fit rule, screen
// points mapped to layout pixels, ratings at any scale, the drawing rendered
// at a finer resolution, and the keys.
#include "testutil.h"

#include "app/exercises.h"
#include "platform/printer.h"
#include "platform/scale_host.h"

#include <QGraphicsView>
#include <QScrollBar>
#include <QSignalSpy>

using namespace testutil;

namespace {

// 1366 x 768 and 1024 x 768: the layout and its caption in 768 - 28 pixels.
constexpr double fitted768 = 740.0 / 1024.0;

QGraphicsView* view(TForm1& w)
{
    return qobject_cast<QGraphicsView*>(w.shownWindow());
}

// Places the point of a known magnitude task with a click at `at` on the
// shown window and checks it: the stored pixel, the ratings and readouts.
QStringList placeAndCheck(TForm1& w, QPoint at)
{
    chart = ChartSettings{0.001L, 1000.0L, 0.01L, 100.0L, -90, 90, chart.axis_f, chart.with_units};
    draw_chart(true, true);
    point_by_mouse = true;
    exercise_kind = 1;
    target_freq = 20.0L;
    target_value = -20.0L;
    QTest::mouseClick(view(w) ? view(w)->viewport() : &w, Qt::LeftButton, Qt::NoModifier, at);
    click(w.B_pruef);
    return {QString::number(stored_px), QString::number(stored_py), w.l_pkt_bem_f->text(),
            w.l_pkt_bem_wert->text(), w.l_pkt_f->text(), w.l_pkt_wert2->text()};
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::setSheetHook(nullptr); }

    void layoutPixels_data()
    {
        QTest::addColumn<QPointF>("screen");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("layout");
        QTest::newRow("100 %") << QPointF(137, 402) << 1.0 << QPoint(137, 402);
        QTest::newRow("200 %, both device pixels") << QPointF(274, 805) << 2.0 << QPoint(137, 402);
        QTest::newRow("200 %, next") << QPointF(276, 806) << 2.0 << QPoint(138, 403);
        QTest::newRow("72 %") << QPointF(100, 290) << 0.72 << QPoint(139, 403);
        QTest::newRow("72 %, last pixels") << QPointF(921, 736) << 0.72 << QPoint(1279, 1022);
        QTest::newRow("50 %") << QPointF(10, 11) << 0.5 << QPoint(21, 23);
        QTest::newRow("fitted to 768") << QPointF(323, 238) << fitted768 << QPoint(447, 330);
    }
    void layoutPixels()
    {
        QFETCH(QPointF, screen);
        QFETCH(double, scale);
        QFETCH(QPoint, layout);
        QCOMPARE(platform::layoutPixel(screen, scale), layout);
    }

    // Smaller screens get the notice and then the whole window, scaled down;
    // the others keep the window at 100 % where it always stood.
    void fitRule_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("scale");
        QTest::newRow("1024 x 768") << QSize(1024, 768) << fitted768;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << fitted768;
        QTest::newRow("800 x 600") << QSize(800, 600) << 572.0 / 1024;
        QTest::newRow("640 x 480: never below half, scrolls") << QSize(640, 480) << 0.5;
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << 1.0;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.0;
    }
    void fitRule()
    {
        QFETCH(QSize, screen);
        QFETCH(double, scale);
        auto w = newWindow(screen);
        QCOMPARE(int(messages().size()), screen == QSize(1280, 1024) ? 0 : 1);
        QCOMPARE(w->zoom(), scale);
        QVERIFY(w->isVisible());
        QCOMPARE(view(*w) != nullptr, scale < 1);
        if (scale == 1.0)
            return;
        QVERIFY(view(*w)->isVisible());
        QCOMPARE(view(*w)->verticalScrollBar()->isVisible(), scale == 0.5);
        if (scale > 0.5) { // the whole window with its caption lies on the screen
            const QRect window(view(*w)->pos(), view(*w)->size() + QSize(0, platform::captionHeight));
            QVERIFY(QRect(QPoint(0, 0), screen).contains(window));
            QCOMPARE(view(*w)->size(), QSize(qCeil(1280 * scale), qCeil(1024 * scale)));
        }
    }

    // A click on the scaled window stores and rates the layout pixel under
    // it exactly as a click on that pixel at 100 %.
    void sameRatingWhenScaled_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("offset"); // layout pixels from the target
        QTest::newRow("72 %, on the target") << 0.72 << QPoint(0, 0);
        QTest::newRow("72 %, inexact in x") << 0.72 << QPoint(4, 1);
        QTest::newRow("fitted, wrong in y") << fitted768 << QPoint(-1, -8);
        QTest::newRow("200 %, wrong in x") << 2.0 << QPoint(7, 0);
        QTest::newRow("125 %, inexact in y") << 1.25 << QPoint(1, 5);
    }
    void sameRatingWhenScaled()
    {
        QFETCH(double, scale);
        QFETCH(QPoint, offset);
        const QPoint wanted = QPoint(freq_to_x(20.0L), db_to_y(-20.0L)) + offset;
        // The screen pixel that holds the centre of the wanted layout pixel.
        const QPoint at(int((wanted.x() + 0.5) * scale), int((wanted.y() + 0.5) * scale));
        const QPoint layout = platform::layoutPixel(at, scale);
        QVERIFY((layout - wanted).manhattanLength() <= 2);

        auto scaled = openLesson(3);
        scaled->setZoom(scale);
        const QStringList there = placeAndCheck(*scaled, at);
        scaled.reset();
        auto full = openLesson(3);
        const QStringList here = placeAndCheck(*full, layout);
        QCOMPARE(here.mid(0, 2), QStringList({QString::number(layout.x()), QString::number(layout.y())}));
        QCOMPARE(there, here);
    }

    // Rendered anew at a finer resolution, a one-pixel grid line covers
    // exactly its device pixels; below 100 % no line is lost. The 1x image
    // stays as it is.
    void sharpDrawing_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("first"); // device rows of the +20 dB line at y 130
        QTest::addColumn<int>("last");
        QTest::newRow("200 %") << 2.0 << 260 << 261;
        QTest::newRow("300 %") << 3.0 << 390 << 392;
        QTest::newRow("72 %") << 0.72 << 94 << 94;
    }
    void sharpDrawing()
    {
        QFETCH(double, scale);
        QFETCH(int, first);
        QFETCH(int, last);
        auto w = newWindow();
        const QImage before = w->image();
        const QImage& sharp = w->Canvas.sharpImage(scale);
        QCOMPARE(sharp.size(), QSize(qCeil(1280 * scale), qCeil(1024 * scale)));
        const int x = int(300 * scale); // inside the chart, off the vertical lines
        for (int y = first - 1; y <= last + 1; ++y)
            QCOMPARE(sharp.pixel(x, y), y < first || y > last ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        QCOMPARE(w->image(), before);
    }

    // The operations kept for rendering anew are one page's drawing, not the
    // whole history.
    void keptDrawingStaysOnePage()
    {
        auto w = openLesson(2);
        const size_t onePage = w->Canvas.keptOperations();
        for (int i = 0; i < 3; ++i) {
            w->B_rechtsClick();
            w->B_linksClick();
        }
        QCOMPARE(w->Canvas.keptOperations(), onePage);
    }

    void keys_data()
    {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("disabled"); // the page buttons disabled first
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("printed");
        QTest::addColumn<double>("zoom");
        const QStringList back{"Alt+Right", "Alt+Left"};
        QTest::newRow("Alt+Right") << 2 << QStringList{"Alt+Right"} << false << "02_02" << 0 << 1.0;
        QTest::newRow("Alt+Right, Alt+Left") << 2 << back << false << "02_01" << 0 << 1.0;
        QTest::newRow("disabled page buttons") << 2 << back << true << "02_01" << 0 << 1.0;
        QTest::newRow("Ctrl+P without the button") << 2 << QStringList{"Ctrl+P"} << false << "02_01" << 0 << 1.0;
        QTest::newRow("Ctrl+P where shown") << 6 << QStringList{"Alt+Right", "Ctrl+P"} << false << "06_02" << 1 << 1.0;
        QTest::newRow("Ctrl++ twice") << 3 << QStringList{"Ctrl++", "Ctrl++"} << false << "03_01" << 0 << 1.25;
        QTest::newRow("Ctrl+=") << 3 << QStringList{"Ctrl+="} << false << "03_01" << 0 << 1.1;
        QTest::newRow("Ctrl++, Ctrl+0") << 3 << QStringList{"Ctrl++", "Ctrl+0"} << false << "03_01" << 0 << 1.0;
        QTest::newRow("Ctrl+- to the end") << 3 << QStringList(7, "Ctrl+-") << false << "03_01" << 0 << 0.5;
    }
    void keys()
    {
        QFETCH(int, lesson);
        QFETCH(QStringList, keys);
        QFETCH(bool, disabled);
        QFETCH(QString, page);
        QFETCH(int, printed);
        QFETCH(double, zoom);
        int sheets = 0;
        platform::setSheetHook([&sheets](const QString&) {
            ++sheets;
            return nullptr;
        });
        auto w = openLesson(lesson);
        w->B_links->setEnabled(!disabled);
        w->B_rechts->setEnabled(!disabled);
        for (const QString& key : keys) {
            QWidget* shown = w->shownWindow();
            shown->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(shown));
            QTest::keySequence(shown, QKeySequence(key));
        }
        QCOMPARE(page_id, page);
        QCOMPARE(sheets, printed);
        QCOMPARE(w->zoom(), zoom);
        if (!view(*w))
            return;
        // The scaled window's controls take the student's clicks.
        const QRectF button(w->B_neu->mapTo(w.get(), QPoint(0, 0)), w->B_neu->size());
        view(*w)->ensureVisible(button, 0, 0);
        QSignalSpy clicked(w->B_neu, &QPushButton::clicked);
        const QPoint at = view(*w)->mapFromScene(button.center());
        QTest::mouseClick(view(*w)->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
