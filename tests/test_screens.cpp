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
    return w.scaledView();
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

    // The whole window, caption and all, in the screen's free area: scaled
    // down where that is smaller, 1:1 where it holds the window.
    void fitRule_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("available"); // empty: no panels
        QTest::addColumn<double>("scale");
        QTest::newRow("1280 x 1024, 32 px panel at the top")
            << QSize(1280, 1024) << QRect(0, 32, 1280, 992) << (992.0 - 28) / 1024;
        QTest::newRow("1920 x 1080, 40 px panel at the bottom")
            << QSize(1920, 1080) << QRect(0, 0, 1920, 1040) << (1040.0 - 28) / 1024;
        QTest::newRow("1366 x 768, 30 px panel on the left")
            << QSize(1366, 768) << QRect(30, 0, 1336, 768) << fitted768;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << QRect() << fitted768;
        QTest::newRow("800 x 600") << QSize(800, 600) << QRect() << 572.0 / 1024;
        QTest::newRow("640 x 480: never below half, scrolls") << QSize(640, 480) << QRect() << 0.5;
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QRect() << (1024.0 - 28) / 1024;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QRect() << 1.0;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << QRect() << 1.0;
    }
    void fitRule()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, available);
        QFETCH(double, scale);
        auto w = newWindow(screen, available);
        QCOMPARE(w->zoom(), scale);
        QVERIFY(w->isVisible());
        QCOMPARE(view(*w) != nullptr, scale < 1);
        QWidget* shown = w->shownWindow();
        if (scale > 0.5) { // the whole window with its caption lies in the free area
            const QRect window(shown->pos(), shown->size() + QSize(0, platform::captionHeight));
            QVERIFY(platform::availableArea().contains(window));
            QCOMPARE(shown->size(), QSize(qCeil(1280 * scale), qCeil(1024 * scale)));
        }
        if (scale == 1.0)
            return;
        QVERIFY(view(*w)->isVisible());
        QCOMPARE(view(*w)->verticalScrollBar()->isVisible(), scale == 0.5);
    }

    // Every screen pixel of a layout pixel reads that layout pixel, at every
    // zoom and device pixel ratio, wherever the layout starts; above 1:1 no
    // layout pixel is out of reach.
    void everyScreenPixelReadsItsLayoutPixel_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("zoom");
        QTest::newRow("1:1") << 1.0 << 1.0;
        QTest::newRow("ratio 1.25") << 1.25 << 1.0;
        QTest::newRow("ratio 2 at 67.5 %: 1.35") << 2.0 << 0.675;
        QTest::newRow("ratio 1.5") << 1.5 << 1.0;
        QTest::newRow("ratio 2") << 2.0 << 1.0;
        QTest::newRow("zoom 72 %") << 1.0 << 0.72;
        QTest::newRow("zoom 135 %") << 1.0 << 1.35;
    }
    void everyScreenPixelReadsItsLayoutPixel()
    {
        QFETCH(double, ratio);
        QFETCH(double, zoom);
        const double unit = ratio * zoom; // screen pixels per layout pixel
        for (const QPointF origin : {QPointF(0, 0), QPointF(101.6, 40.8)}) {
            const double start = origin.x() * ratio; // the layout's corner on the screen
            for (int layout : {0, 143, 146, 149, 517}) {
                int hits = 0;
                for (int d = int(start + layout * unit) - 2; d <= int(start + (layout + 1) * unit) + 2; ++d) {
                    const double centre = d + 0.5 - start; // of the screen pixel, from the corner
                    if (centre >= layout * unit && centre < (layout + 1) * unit) {
                        ++hits; // delivered as the screen pixel over the ratio
                        QCOMPARE(platform::layoutPixel(QPointF(d / ratio, origin.y()), ratio, origin, zoom).x(), layout);
                    }
                }
                QVERIFY(hits >= (unit >= 1 ? 1 : 0));
            }
        }
    }

    // The real scaled window: every pixel of a few layout pixels, clicked.
    void clicksOnTheScaledWindow()
    {
        auto w = openLesson(3);
        w->setZoom(1.35);
        point_by_mouse = true;
        for (int x = int(143 * 1.35); x <= int(150 * 1.35); ++x) {
            QTest::mouseClick(view(*w)->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, int(300 * 1.35)));
            QCOMPARE(stored_px, int(std::floor((x + 0.5) / 1.35)));
            QCOMPARE(stored_py, 300);
        }
    }

    // The window follows the student's size, the layout scaled uniformly and
    // centred in it, without scroll bars; Ctrl+0 brings back the fitted size.
    void resizeAndMaximize()
    {
        auto w = openLesson(3);
        QWidget* shown = w->shownWindow();
        shown->resize(1000, 700);
        QCOMPARE(w->zoom(), 700.0 / 1024);
        QVERIFY(view(*w));
        QCOMPARE(view(*w)->geometry(), QRect((1000 - 875) / 2, 0, 875, 700));
        QVERIFY(!view(*w)->verticalScrollBar()->isVisible() && !view(*w)->horizontalScrollBar()->isVisible());
        shown->showMaximized();
        QTRY_VERIFY(shown->isMaximized());
        QCOMPARE(w->zoom(), platform::fitScale(shown->size(), QSize(1280, 1024)));
        QTest::keySequence(shown, QKeySequence("Ctrl+0"));
        QVERIFY(!shown->isMaximized());
        QCOMPARE(w->zoom(), 1.0);
        QCOMPARE(shown->size(), QSize(1280, 1024));
        QVERIFY(!view(*w));
    }

    // Zoomed out and back on a desktop with a panel: the fitted size again,
    // whole on the screen, nothing to scroll.
    void backToTheFittedSize()
    {
        auto w = newWindow(QSize(1280, 1024), QRect(0, 32, 1280, 992));
        QWidget* shown = w->shownWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        for (const char* key : {"Ctrl+-", "Ctrl++", "Ctrl++"})
            QTest::keySequence(shown, QKeySequence(key));
        QCOMPARE(w->zoom(), 1.1);
        QTest::keySequence(shown, QKeySequence("Ctrl+0"));
        // Fitted with the frame the window has now.
        QVERIFY(w->zoom() < 1 && w->zoom() >= (992.0 - 28) / 1024);
        QCOMPARE(shown->size(), QSize(qCeil(1280 * w->zoom()), qCeil(1024 * w->zoom())));
        QVERIFY(platform::availableArea().contains(shown->frameGeometry()));
        QVERIFY(!view(*w)->verticalScrollBar()->isVisible() && !view(*w)->horizontalScrollBar()->isVisible());
    }

    // Size and zoom are kept for the next start where the screen holds them.
    void sizeAndZoomKept()
    {
        auto w = newWindow();
        w->shownWindow()->resize(1100, 900);
        click(w->B_Ende);
        w = newWindow(testutil::wholeScreen, QRect(), 1, true);
        QCOMPARE(w->shownWindow()->size(), QSize(1100, 900));
        QCOMPARE(w->zoom(), 1100.0 / 1280);
        QVERIFY(messages().empty());
        w = newWindow(QSize(1366, 768), QRect(), 1, true);
        QCOMPARE(w->zoom(), fitted768);
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
        QTest::newRow("Alt+W, Alt+W, Alt+Z") << 2 << QStringList{"Alt+W", "Alt+W", "Alt+Z"} << false << "02_02" << 0
                                            << 1.0;
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
