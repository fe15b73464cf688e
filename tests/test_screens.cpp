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

struct Rated {
    int px, py;
    QString freq, value, freqText, valueText;
    bool operator==(const Rated&) const = default;
};

// Places the point of a known magnitude task with a click at `at` on the
// shown window, checks it, and returns what the check found.
Rated placeAndCheck(TForm1& w, QPoint at)
{
    chart = ChartSettings{0.001L, 1000.0L, 0.01L, 100.0L, -90, 90, chart.axis_f, chart.with_units};
    draw_chart(true, true);
    point_by_mouse = true;
    exercise_kind = 1;
    target_freq = 20.0L;
    target_value = -20.0L;
    QWidget* target = w.shownWindow() == &w ? static_cast<QWidget*>(&w)
                                             : static_cast<QGraphicsView*>(w.shownWindow())->viewport();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    click(w.B_pruef);
    return {stored_px, stored_py, w.l_pkt_bem_f->text(), w.l_pkt_bem_wert->text(), w.l_pkt_f->text(),
            w.l_pkt_wert2->text()};
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
        QTest::newRow("200 %, first of two") << QPointF(274, 804) << 2.0 << QPoint(137, 402);
        QTest::newRow("200 %, second of two") << QPointF(275, 805) << 2.0 << QPoint(137, 402);
        QTest::newRow("200 %, next") << QPointF(276, 806) << 2.0 << QPoint(138, 403);
        QTest::newRow("72 %") << QPointF(100, 290) << 0.72 << QPoint(139, 403);
        QTest::newRow("72 %, origin") << QPointF(0, 0) << 0.72 << QPoint(0, 0);
        QTest::newRow("72 %, last pixels") << QPointF(921, 736) << 0.72 << QPoint(1279, 1022);
        QTest::newRow("50 %") << QPointF(10, 11) << 0.5 << QPoint(21, 23);
        QTest::newRow("fitted to 768") << QPointF(323, 238) << fitted768 << QPoint(447, 330);
        QTest::newRow("125 %") << QPointF(100, 101) << 1.25 << QPoint(80, 81);
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
        QTest::newRow("1280 x 800") << QSize(1280, 800) << 772.0 / 1024;
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
        if (scale == 1.0) {
            QCOMPARE(w->shownWindow(), w.get());
            return;
        }
        auto* view = qobject_cast<QGraphicsView*>(w->shownWindow());
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->verticalScrollBar()->isVisible(), scale == 0.5);
        if (scale == 0.5)
            return;
        // The whole window with its caption lies on the screen.
        QVERIFY(QRect(QPoint(0, 0), screen).contains(QRect(view->pos(), view->size() + QSize(0, platform::captionHeight))));
        QCOMPARE(view->size(), QSize(qCeil(1280 * scale), qCeil(1024 * scale)));
        QVERIFY(!view->horizontalScrollBar()->isVisible());
    }

    // A click on the scaled window stores and rates the layout pixel under
    // it exactly as a click on that pixel at 100 %.
    void sameRatingWhenScaled_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("offset"); // layout pixels from the target
        QTest::newRow("72 %, on the target") << 0.72 << QPoint(0, 0);
        QTest::newRow("72 %, inexact in x") << 0.72 << QPoint(4, 1);
        QTest::newRow("72 %, wrong in y") << 0.72 << QPoint(-1, -8);
        QTest::newRow("fitted, inexact in y") << fitted768 << QPoint(2, 5);
        QTest::newRow("200 %, wrong in x") << 2.0 << QPoint(7, 0);
        QTest::newRow("125 %, on the target") << 1.25 << QPoint(1, -1);
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
        const Rated there = placeAndCheck(*scaled, at);
        scaled.reset();
        auto full = openLesson(3);
        const Rated here = placeAndCheck(*full, layout);
        QCOMPARE(here.px, layout.x());
        QCOMPARE(here.py, layout.y());
        QCOMPARE(there.px, here.px);
        QCOMPARE(there.py, here.py);
        QCOMPARE(there.freq, here.freq);
        QCOMPARE(there.value, here.value);
        QVERIFY(there == here);
    }

    // Above 100 % the drawing is rendered anew at the finer resolution: a
    // one-pixel grid line covers exactly its device pixels, and at less than
    // 100 % no line gets lost. The 1x image stays as it is.
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
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
        for (int y = first; y <= last; ++y)
            QCOMPARE(sharp.pixel(x, y), black);
        if (scale > 1) {
            QCOMPARE(sharp.pixel(x, first - 1), white);
            QCOMPARE(sharp.pixel(x, last + 1), white);
        }
        QCOMPARE(w->image(), before);
    }

    // The operations kept for rendering anew hold one page's drawing, not
    // the whole history.
    void keptDrawingStaysOnePage()
    {
        auto w = openLesson(2);
        const size_t onePage = w->Canvas.keptOperations();
        for (int i = 0; i < 3; ++i) {
            w->B_rechtsClick();
            w->B_linksClick();
        }
        QCOMPARE(page_id, QString("02_01"));
        QCOMPARE(w->Canvas.keptOperations(), onePage);
    }

    void pageKeys_data()
    {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("disabled"); // the page buttons disabled first
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("printed");
        QTest::newRow("Alt+Right") << 2 << "Alt+Right" << false << "02_02" << 0;
        QTest::newRow("Alt+Right, Alt+Left") << 2 << "Alt+Right, Alt+Left" << false << "02_01" << 0;
        QTest::newRow("disabled buttons") << 2 << "Alt+Right, Alt+Left" << true << "02_01" << 0;
        QTest::newRow("Ctrl+P without the button") << 2 << "Ctrl+P" << false << "02_01" << 0;
        QTest::newRow("Ctrl+P on a construction page") << 6 << "Alt+Right, Ctrl+P" << false << "06_02" << 1;
    }
    void pageKeys()
    {
        QFETCH(int, lesson);
        QFETCH(QString, keys);
        QFETCH(bool, disabled);
        QFETCH(QString, page);
        QFETCH(int, printed);
        int sheets = 0;
        platform::setSheetHook([&sheets](const QString&) {
            ++sheets;
            return nullptr;
        });
        auto w = openLesson(lesson);
        w->B_links->setEnabled(!disabled);
        w->B_rechts->setEnabled(!disabled);
        QTest::keySequence(w.get(), QKeySequence(keys));
        QCOMPARE(page_id, page);
        QCOMPARE(sheets, printed);
    }

    void zoomKeys_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<double>("zoom");
        QTest::newRow("Ctrl++") << QStringList{"Ctrl++"} << 1.1;
        QTest::newRow("Ctrl+=") << QStringList{"Ctrl+="} << 1.1;
        QTest::newRow("Ctrl++ twice") << QStringList{"Ctrl++", "Ctrl++"} << 1.25;
        QTest::newRow("Ctrl+-") << QStringList{"Ctrl+-"} << 0.9;
        QTest::newRow("Ctrl++, Ctrl+0") << QStringList{"Ctrl++", "Ctrl+0"} << 1.0;
        QTest::newRow("down to the end") << QStringList(7, "Ctrl+-") << 0.5;
    }
    void zoomKeys()
    {
        QFETCH(QStringList, keys);
        QFETCH(double, zoom);
        auto w = openLesson(3);
        for (const QString& key : keys) {
            QWidget* shown = w->shownWindow();
            shown->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(shown));
            QTest::keySequence(shown, QKeySequence(key));
        }
        QCOMPARE(w->zoom(), zoom);
        // The scaled window's controls take the student's clicks.
        auto* view = qobject_cast<QGraphicsView*>(w->shownWindow());
        QVERIFY(view);
        const QRectF button(w->B_neu->mapTo(w.get(), QPoint(0, 0)), w->B_neu->size());
        view->ensureVisible(button, 0, 0);
        QSignalSpy clicked(w->B_neu, &QPushButton::clicked);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->mapFromScene(button.center()));
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
