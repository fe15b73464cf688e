// The pages of lesson 2: page frame, panels, texts, the pictures of 02_01
// and the curves, lines and labels drawn into the chart.
#include "testutil.h"

#include "resources/pictures.h"

#include <cmath>

using namespace testutil;
using platform::CanvasOp;

namespace {

const QColor lime(0, 255, 0);
const QColor green(0, 128, 0);
const QColor aqua(0, 255, 255);
const QColor blue(0, 0, 255);

// Lesson 2 chosen, then forward to the page; records only the last page.
void openPage(TForm1& w, int page)
{
    chooseLesson(w, 2);
    for (int p = 1; p < page; ++p) {
        if (p == page - 1)
            record(w);
        click(w.B_rechts);
    }
    if (page == 1) {
        record(w);
        chooseLesson(w, 2);
    }
    QCOMPARE(page_no, page);
}

std::vector<CanvasOp> linesIn(const TForm1& w, const QColor& color)
{
    std::vector<CanvasOp> out;
    for (const auto& op : ops(w, CanvasOp::LineTo))
        if (op.pen.color == color)
            out.push_back(op);
    return out;
}

bool penIsPlain(const platform::Pen& pen)
{
    return pen.color == QColor(Qt::black) && pen.width == 1 && pen.style == platform::PenStyle::Solid;
}

// Whether the picture has a pixel of this colour within 2 pixels of (x, y).
bool colourNear(const QImage& image, int x, int y, const QColor& color)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (image.valid(x + dx, y + dy) && image.pixelColor(x + dx, y + dy) == color)
                return true;
    return false;
}

} // namespace

class TestLesson2 : public QObject {
    Q_OBJECT
private slots:
    void pageFrame_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("questions");
        QTest::addColumn<int>("memoHeight");
        QTest::addColumn<int>("frameBottom");
        QTest::newRow("02_01") << 1 << "2.1" << "2. Einführung:      2.1 Zweck des Bode- Diagramms" << false << 926 << 970;
        QTest::newRow("02_02") << 2 << "2.1" << "Fragen zur 2. Lektion ,  Abschnitt 2.1" << true << 0 << 970;
        QTest::newRow("02_03") << 3 << "2.2" << "2. Einführung:      2.2 Vorzüge des Bode-Diagramms" << false << 719 << 770;
        QTest::newRow("02_04") << 4 << "2.3" << "2. Einführung:      2.3 Näherungen beim Bode-Diagramm" << false << 926 << 970;
        QTest::newRow("02_05") << 5 << "2.3" << "Fragen zur 2. Lektion ,  Abschnitt 2.3" << true << 0 << 970;
        QTest::newRow("02_06") << 6 << "2.4" << "2. Einführung:      2.4 Steigungen bei den Polygonzug-Näherungen" << false << 926 << 970;
        QTest::newRow("02_07") << 7 << "2.4" << "2. Einführung:      2.4 Steigungen bei den Polygonzug-Näherungen" << false << 926 << 970;
    }
    void pageFrame()
    {
        QFETCH(int, page);
        QFETCH(QString, section);
        QFETCH(QString, title);
        QFETCH(bool, questions);
        QFETCH(int, memoHeight);
        QFETCH(int, frameBottom);
        auto w = newWindow();
        page_example = "3";
        openPage(*w, page);
        const QString id = QStringLiteral("02_0%1").arg(page);
        QCOMPARE(page_id, id);
        QCOMPARE(page_lesson, QString("2"));
        QCOMPARE(page_section, section);
        QVERIFY(page_example.isEmpty());
        QVERIFY(!point_mode && !line_mode && !constant_mode);

        const CanvasOp* head = findText(*w, title);
        QVERIFY(head);
        QCOMPARE(head->x1, 610);
        QCOMPARE(head->y1, 7);
        QVERIFY(findText(*w, "Seite " + id + "     Stand 07.11.07"));
        bool framed = false;
        for (const auto& r : ops(*w, CanvasOp::Rectangle))
            framed |= r.x1 == 600 && r.y1 == 1 && r.x2 == 1267 && r.y2 == frameBottom && r.pen.width == 2;
        QVERIFY(framed);

        QCOMPARE(w->P_aufgaben->isVisible(), questions);
        QCOMPARE(w->M_text->isVisible(), !questions);
        QVERIFY(!w->P_punkt->isVisible());
        QVERIFY(!w->P_diag->isVisible());
        QVERIFY(!w->M_teilaufg->isVisible());
        if (!questions) {
            QCOMPARE(w->M_text->geometry(), QRect(601, 41, 664, memoHeight));
            const QString text = w->M_text->text();
            QVERIFY(text.startsWith("\r\n"));
            QVERIFY(text.contains("\r\n" + QString(129, '-') + "\r\n"));
        }
        QVERIFY(penIsPlain(w->Canvas.pen));
        QCOMPARE(w->Canvas.brush.style, platform::BrushStyle::Clear);
    }

    void chartSettings_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<double>("fmin");
        QTest::addColumn<double>("fmax");
        QTest::addColumn<double>("bmin");
        QTest::addColumn<double>("bmax");
        QTest::addColumn<int>("pmin");
        QTest::addColumn<int>("pmax");
        QTest::addColumn<bool>("axisF");
        QTest::addColumn<bool>("magnitude");
        QTest::addColumn<bool>("phase");
        QTest::newRow("02_03") << 3 << 0.001 << 1000.0 << 0.01 << 100.0 << -90 << 90 << false << true << true;
        QTest::newRow("02_04") << 4 << 0.001 << 1000.0 << 0.01 << 100.0 << -90 << 90 << true << true << true;
        QTest::newRow("02_05") << 5 << 0.001 << 1000.0 << 0.01 << 100.0 << -90 << 90 << true << true << true;
        QTest::newRow("02_06") << 6 << 100.0 << 10000.0 << 0.001 << 1000.0 << -90 << 90 << false << true << false;
        QTest::newRow("02_07") << 7 << 10.0 << 100000.0 << 0.001 << 1000.0 << -360 << 360 << true << false << true;
    }
    void chartSettings()
    {
        QFETCH(int, page);
        QFETCH(double, fmin);
        QFETCH(double, fmax);
        QFETCH(double, bmin);
        QFETCH(double, bmax);
        QFETCH(int, pmin);
        QFETCH(int, pmax);
        QFETCH(bool, axisF);
        QFETCH(bool, magnitude);
        QFETCH(bool, phase);
        auto w = newWindow();
        openPage(*w, page);
        QCOMPARE(double(chart.fmin), fmin);
        QCOMPARE(double(chart.fmax), fmax);
        QCOMPARE(double(chart.bmin), bmin);
        QCOMPARE(double(chart.bmax), bmax);
        QCOMPARE(chart.pmin, pmin);
        QCOMPARE(chart.pmax, pmax);
        QCOMPARE(chart.axis_f, axisF);
        QCOMPARE(chart.with_units, axisF);
        bool magFrame = false, phaseFrame = false;
        for (const auto& r : ops(*w, CanvasOp::Rectangle)) {
            magFrame |= r.x1 == 60 && r.y1 == 30 && r.x2 == 511 && r.y2 == 431;
            phaseFrame |= r.x1 == 60 && r.y1 == 460 && r.x2 == 511 && r.y2 == 751;
        }
        QCOMPARE(magFrame, magnitude);
        QCOMPARE(phaseFrame, phase);
    }

    void purposePagePictures()
    {
        auto w = newWindow();
        openPage(*w, 1);
        const auto images = ops(*w, CanvasOp::Image);
        QCOMPARE(int(images.size()), 3);
        const QRect expected[] = {{170, 0, 301, 240}, {175, 245, 280, 240}, {100, 490, 422, 263}};
        for (int i = 0; i < 3; ++i) {
            const auto& op = images[size_t(i)];
            QCOMPARE(QRect(QPoint(op.x1, op.y1), QPoint(op.x2 - 1, op.y2 - 1)), expected[i]);
        }
        // The chart area is only cleared: no diagram, no label; the
        // pictures come before the frame and its title.
        int cleared = -1, firstImage = -1, frame = -1;
        for (int i = 0; i < int(w->Canvas.ops.size()); ++i) {
            const CanvasOp& op = w->Canvas.ops[size_t(i)];
            if (op.kind == CanvasOp::Rectangle && op.x1 == 0 && op.y1 == 0 && op.x2 == 599 && op.y2 == 850)
                cleared = i;
            if (op.kind == CanvasOp::Image && firstImage < 0)
                firstImage = i;
            if (op.kind == CanvasOp::Rectangle && op.x1 == 600 && op.y2 == 970)
                frame = i;
            QVERIFY(!(op.kind == CanvasOp::Rectangle && op.x1 == 60));
        }
        QVERIFY(cleared >= 0 && cleared < firstImage && firstImage < frame);
        QCOMPARE(texts(*w).first(), QString("2. Einführung:      2.1 Zweck des Bode- Diagramms"));
        // What the window shows is the pictures.
        QCOMPARE(w->image().copy(170, 0, 301, 240), locus_picture());
        QCOMPARE(w->image().copy(175, 245, 280, 240), nichols_picture());
        QCOMPARE(w->image().copy(100, 490, 422, 263), bode_picture());

        const QString text = w->M_text->text();
        QVERIFY(text.contains("\r\n1. ORTSKURVE, kurz OK  [ oberes Bild ]\r\n"));
        QVERIFY(text.contains("\r\n2. NICHOLS-DIAGRAMM  [ mittleres Bild ]\r\n"));
        QVERIFY(text.contains("\r\n3. BODE-DIAGRAMM   [ unteres Bild ]\r\n"));
    }

    void picturesShowTheExample()
    {
        const QImage& locus = locus_picture();
        const QImage& nichols = nichols_picture();
        const QImage& bode = bode_picture();
        QCOMPARE(locus.size(), QSize(301, 240));
        QCOMPARE(nichols.size(), QSize(280, 240));
        QCOMPARE(bode.size(), QSize(422, 263));
        // Drawn once and kept.
        QCOMPARE(locus_picture().cacheKey(), locus.cacheKey());

        // Locus, 36 pixels per unit around the origin at (64, 50): starts at
        // G(0) = 5, crosses the negative real axis at -0.625 (w = sqrt 3)
        // and passes (-1.25, -1.25) at w = 1.
        QVERIFY(colourNear(locus, 64 + 180, 50, blue));
        QVERIFY(colourNear(locus, 64 - 23, 50, blue));
        QVERIFY(colourNear(locus, 64 - 45, 50 + 45, blue));
        QVERIFY(!colourNear(locus, 64 + 90, 50 - 30, blue));

        // Nichols, angle -270..0 on x 52..268, dB 13.979..-166.021 on y 20..200:
        // w = 1 gives -135 degrees and 13.979 - 9.031 dB.
        QVERIFY(colourNear(nichols, 268, 20, blue));
        QVERIFY(colourNear(nichols, 52 + 108, 20 + 9, blue));
        QVERIFY(colourNear(nichols, 52, 200, blue));

        // Bode, w 1e-3..1e3 on x 52..394: the magnitude begins at the top
        // and ends at the bottom of its diagram, the phase passes -135
        // degrees at w = 1.
        QVERIFY(colourNear(bode, 52, 16, blue));
        QVERIFY(colourNear(bode, 394, 118, blue));
        QVERIFY(colourNear(bode, 223, 134 + 45, blue));
        QVERIFY(colourNear(bode, 394, 224, blue));
    }

    void approximationsPage()
    {
        auto w = newWindow();
        openPage(*w, 4);
        // Zero: magnitude approximation one pixel above 0 dB, bending at the
        // corner frequency and reaching the top at f = 100.
        QCOMPARE(freq_to_x(1), 285);
        QVERIFY(hasLine(*w, 60, 229, 285, 229, green));
        QVERIFY(hasLine(*w, 285, 229, 435, 30, green));
        QVERIFY(hasLine(*w, 60, 604, 210, 604, green));
        QVERIFY(hasLine(*w, 210, 604, 360, 460, green));
        QVERIFY(hasLine(*w, 360, 460, 510, 460, green));
        // Pole: one pixel below.
        QVERIFY(hasLine(*w, 60, 231, 285, 231, blue));
        QVERIFY(hasLine(*w, 285, 231, 435, 430, blue));
        QVERIFY(hasLine(*w, 210, 606, 360, 750, blue));

        // The exact curves, sample by sample: magnitude up to i = 281,
        // phase up to i = 450; each begins with a move to f = 0.001.
        const auto limeLines = linesIn(*w, lime);
        const auto aquaLines = linesIn(*w, aqua);
        QCOMPARE(int(limeLines.size()), 282 + 451);
        QCOMPARE(int(aquaLines.size()), 282 + 451);
        QCOMPARE(limeLines.front().x1, 60);
        QCOMPARE(limeLines.front().y1, 230);
        const long double f281 = 0.001L * std::pow(10.0L, 6.0L * 281 / 450);
        QCOMPARE(limeLines[281].x2, freq_to_x(f281));
        QCOMPARE(limeLines[281].y2, mag_to_y(std::sqrt(f281 * f281 + 1)));
        QCOMPARE(aquaLines[281].y2, mag_to_y(1 / std::sqrt(f281 * f281 + 1)));
        QCOMPARE(limeLines.back().x2, 510);
        QCOMPARE(limeLines.back().y2, phase_to_y(std::atan(1000.0L) * 57.295779513082320877L));
        QCOMPARE(aquaLines.back().y2, phase_to_y(-std::atan(1000.0L) * 57.295779513082320877L));

        // Order of drawing: lime, green, aqua, blue, all two pixels wide.
        QColor last;
        QList<QColor> order;
        for (const auto& op : ops(*w, CanvasOp::LineTo)) {
            if (op.pen.color == QColor(Qt::black) || op.pen.color == QColor(192, 192, 192))
                continue;
            QCOMPARE(op.pen.width, 2);
            if (op.pen.color != last)
                order << op.pen.color;
            last = op.pen.color;
        }
        QCOMPARE(order, (QList<QColor>{lime, green, aqua, blue}));
    }

    void magnitudeSlopesPage()
    {
        auto w = newWindow();
        openPage(*w, 6);
        QVERIFY(hasLine(*w, 60, 30, 510, 430, green));
        QVERIFY(hasLine(*w, 60, mag_to_y(0.01L), 510, mag_to_y(100), blue));
        const CanvasOp* g = findText(*w, "|G(jf)| = 1·(f/1 kHz)^(-3)");
        QVERIFY(g);
        QCOMPARE(QPoint(g->x1, g->y1), QPoint(freq_to_x(220), 30));
        QCOMPARE(g->font.name, QString("Courier New"));
        QCOMPARE(g->font.height, -15);
        QCOMPARE(g->font.color, green);
        const CanvasOp* s = findText(*w, "Steigung : +40 db/Dekade");
        QVERIFY(s);
        QCOMPARE(QPoint(s->x1, s->y1), QPoint(freq_to_x(220) - 50, mag_to_y(0.0195L) + 35));
        QCOMPARE(s->font.color, blue);
        QVERIFY(findText(*w, "Steigung : - 60 db/Dekade"));
        QVERIFY(findText(*w, "|G(jf)| = 1·(f/1 kHz)^(+2)"));
        QCOMPARE(w->Canvas.font.name, QString("MS Sans Serif"));
        QCOMPARE(w->Canvas.font.height, 8);
        QCOMPARE(w->Canvas.font.color, QColor(Qt::black));
        QVERIFY(w->M_text->text().contains("\r\n2.4.1 STEIGUNGEN IM BETRAGS-DIAGRAMM :\r\n"));
    }

    void phaseSlopesPage()
    {
        auto w = newWindow();
        openPage(*w, 7);
        const int x10k = freq_to_x(10000), right = freq_to_x(100000);
        QCOMPARE(phase_to_y(-360), 750);
        QVERIFY(hasLine(*w, x10k, 750, right, 750, green));
        QVERIFY(hasLine(*w, x10k, 460, right, 460, blue));
        QVERIFY(hasLine(*w, freq_to_x(10), 606, freq_to_x(100), 606, green));
        QVERIFY(hasLine(*w, freq_to_x(10), 604, freq_to_x(100), 604, blue));
        QCOMPARE(int(linesIn(*w, green).size()), 12);
        QCOMPARE(int(linesIn(*w, blue).size()), 12);

        const CanvasOp* n4 = findText(*w, "n = -4");
        QVERIFY(n4);
        QCOMPARE(QPoint(n4->x1, n4->y1), QPoint(freq_to_x(20000), phase_to_y(-315)));
        QCOMPARE(n4->font.color, green);
        const CanvasOp* p4 = findText(*w, "n = 4");
        QVERIFY(p4);
        QCOMPARE(QPoint(p4->x1, p4->y1), QPoint(freq_to_x(20000), phase_to_y(360)));
        QCOMPARE(p4->font.color, blue);
        const CanvasOp* formula = findText(*w, "F( jf )  =    ( 1 + j f / f_eck )^n");
        QVERIFY(formula);
        QCOMPARE(formula->y1, phase_to_y(1170));
        QVERIFY(findText(*w, "F( jf )  = -------------------------  ;     m = -n"));

        const CanvasOp* low = findText(*w, "Phi = 0°");
        QVERIFY(low);
        QCOMPARE(QPoint(low->x1, low->y1), QPoint(freq_to_x(20), phase_to_y(665)));
        QCOMPARE(low->font.name, QString("MS Sans Serif"));
        QCOMPARE(low->font.color, QColor(Qt::black));
        QVERIFY(findText(*w, "Phi = n·90°"));

        // Dotted: the two decade marks, the corner frequency in two parts.
        int dotted = 0;
        for (const auto& op : ops(*w, CanvasOp::LineTo))
            if (op.pen.style == platform::PenStyle::Dot) {
                ++dotted;
                QCOMPARE(op.pen.width, 1);
                QCOMPARE(op.x1, op.x2);
            }
        QCOMPARE(dotted, 4);
        QVERIFY(hasLine(*w, freq_to_x(1000), phase_to_y(620), freq_to_x(1000), phase_to_y(850)));

        // The dimension line with its arrow heads.
        const int y0 = phase_to_y(750);
        const int x100 = freq_to_x(100), x1k = freq_to_x(1000);
        QVERIFY(hasLine(*w, x100, y0, x10k, y0, Qt::black));
        QVERIFY(hasLine(*w, x100, y0, x100 + 6, y0 - 6));
        QVERIFY(hasLine(*w, x100, y0, x100 + 6, y0 + 6));
        QVERIFY(hasLine(*w, x1k, y0, x1k - 6, y0 + 6));
        QVERIFY(hasLine(*w, x1k, y0, x1k + 6, y0 - 6));
        QVERIFY(hasLine(*w, x10k, y0, x10k - 6, y0 + 6));
        QVERIFY(findText(*w, "nach unten"));
        QVERIFY(findText(*w, "nach oben"));
        QVERIFY(penIsPlain(w->Canvas.pen));
    }

    // Reached backwards, 02_02 leaves the chart as 02_03 drew it; reached
    // from 02_01 it keeps the three pictures.
    void questionPageKeepsTheChart()
    {
        auto w = newWindow();
        openPage(*w, 3);
        const QImage chartOf0203 = w->image().copy(0, 0, 595, 850);
        record(*w);
        click(w->B_links);
        QCOMPARE(page_id, QString("02_02"));
        QCOMPARE(w->image().copy(0, 0, 595, 850), chartOf0203);
        for (const auto& op : w->Canvas.ops)
            QVERIFY(op.x1 >= 599);

        chooseLesson(*w, 2);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("02_02"));
        QCOMPARE(w->image().copy(170, 0, 301, 240), locus_picture());
        QCOMPARE(w->image().copy(100, 490, 422, 263), bode_picture());
    }

    void secondQuestionPageScoresItsKeys()
    {
        auto w = newWindow();
        openPage(*w, 5);
        QCOMPARE(answer_key, (std::array<int, 6>{0, 2, 2, 7, 6, 5}));
        for (int k = 1; k <= 5; ++k)
            select(w->CB_A[k], answer_key[k]);
        click(w->B_auswert);
        QCOMPARE(lesson_solved[2], 5);
        QCOMPARE(w->Memo_L[4]->text(), QString("Lösung zur 4. Frage:\r\n\r\n|G(f=fo)| = 2^{1/2} ; Phi(f=fo) = +45° ; "
                                               "Fehler :  -3.0102 dB;   0°"));
    }
};

QTEST_MAIN(TestLesson2)
#include "test_lesson2.moc"
