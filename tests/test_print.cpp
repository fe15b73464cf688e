// The printed diagram sheet: example table, layout in sheet units, labels,
// curves, and the printing service's PDF sheet when there is no printer.
#include "testutil.h"

#include "construction/Uallgemein.h"
#include "platform/numfmt.h"
#include "platform/printer.h"
#include "print/UDiagr.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <climits>
#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace testutil;
using platform::CanvasOp;

namespace {

constexpr int X0 = 310, XR = 1710, Y0 = 220;

// The sheets drawn while the recording hook is set.
platform::Canvas sheet;
QStringList sheetNames;

void recordSheets()
{
    sheetNames.clear();
    platform::setSheetHook([](const QString& name) {
        sheet = platform::Canvas();
        sheet.recording = true;
        sheetNames << name;
        return &sheet;
    });
}

std::vector<CanvasOp> sheetOps(CanvasOp::Kind kind)
{
    std::vector<CanvasOp> out;
    std::copy_if(sheet.ops.begin(), sheet.ops.end(), std::back_inserter(out),
                 [kind](const CanvasOp& op) { return op.kind == kind; });
    return out;
}

const CanvasOp* sheetText(const QString& text)
{
    for (const auto& op : sheet.ops)
        if (op.kind == CanvasOp::TextOut && op.text == text)
            return &op;
    return nullptr;
}

// The texts drawn at x, from top to bottom.
QStringList textsAt(int x)
{
    QStringList out;
    for (const auto& op : sheetOps(CanvasOp::TextOut))
        if (op.x1 == x)
            out << op.text;
    return out;
}

// The lines running from x1 to x2 at one height, by height.
std::vector<CanvasOp> horizontals(int x1, int x2)
{
    std::vector<CanvasOp> out;
    for (const auto& op : sheetOps(CanvasOp::LineTo))
        if (op.y1 == op.y2 && op.x1 == x1 && op.x2 == x2)
            out.push_back(op);
    return out;
}

std::vector<CanvasOp> verticalsFrom(int y1, int y2)
{
    std::vector<CanvasOp> out;
    for (const auto& op : sheetOps(CanvasOp::LineTo))
        if (op.x1 == op.x2 && op.y1 == y1 && op.y2 == y2)
            out.push_back(op);
    return out;
}

int widePenLines()
{
    int n = 0;
    for (const auto& op : sheetOps(CanvasOp::LineTo))
        n += op.pen.width == 5;
    return n;
}

// The cell a text occupies on the sheet with the font it was drawn in.
QRect textCell(const CanvasOp& op)
{
    const QFontMetrics m(platform::qtFont(op.font));
    return QRect(op.x1, op.y1, m.horizontalAdvance(op.text), m.height());
}

// The ink of a text: cells of neighbouring labels may share their empty
// descent, the letters must not touch.
QRect textInk(const CanvasOp& op)
{
    const QFontMetrics m(platform::qtFont(op.font));
    return m.tightBoundingRect(op.text).translated(op.x1, op.y1 + m.ascent());
}

struct Ranges {
    long double fmin, fmax, bmin, bmax;
    int pmin, pmax;
};

constexpr Ranges ranges_06_02{0.01L, 1e6L, 1e-5L, 100.0L, -180, 180};

// Shows page `id` through its record, where the course has it, with the
// stores and chart settings the test made and the ranges and page state
// given; shows the print button (and B_next as asked) and presses it.
void printPage(TForm1& w, const QString& lesson, const QString& id, const QString& example, const Ranges& r,
               int next_state = 0)
{
    const PolygonStore magnitude = mag_polygon, phase = phase_polygon;
    const ChartSettings settings = chart;
    openConstructionPage(w, id);
    mag_polygon = magnitude;
    phase_polygon = phase;
    chart = settings;
    page_lesson = lesson;
    page_id = id;
    page_example = example;
    chart.fmin = r.fmin;
    chart.fmax = r.fmax;
    chart.bmin = r.bmin;
    chart.bmax = r.bmax;
    chart.pmin = r.pmin;
    chart.pmax = r.pmax;
    w.set_buttons(0, 0, 0, 0, 0, next_state, 0, 1);
    click(w.B_druck);
}

void setStore(PolygonStore& store, std::initializer_list<Vertex> vertices)
{
    store = PolygonStore{};
    for (const Vertex& v : vertices) {
        ++store.count;
        store.freq[store.count] = v.freq;
        store.value[store.count] = v.value;
    }
}

// Centres of the runs of consecutive indices whose count exceeds the threshold.
QList<double> runCentres(const QList<int>& counts, int threshold)
{
    QList<double> centres;
    int start = -1;
    for (int i = 0; i <= counts.size(); ++i) {
        const bool dark = i < counts.size() && counts[i] > threshold;
        if (dark && start < 0)
            start = i;
        if (!dark && start >= 0) {
            centres << (start + i - 1) / 2.0;
            start = -1;
        }
    }
    return centres;
}

// Limits the size of the files this process writes, as a nearly full disk
// would, until the end of the scope. The signal the system sends for a
// write beyond the limit is ignored, so that the write fails instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = rlim_t(bytes);
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            qFatal("the file size limit cannot be set");
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

// Root may write anywhere: while this lives, the file system checks this
// thread's access as an ordinary user's, who may write into `folder`.
struct OrdinaryUser {
    explicit OrdinaryUser(const QString& folder) : folder(folder)
    {
        if (geteuid() == 0 && QFile::setPermissions(folder, QFile::permissions(folder) | QFile::WriteOther | QFile::ExeOther))
            setfsgid(65534), setfsuid(65534);
    }
    ~OrdinaryUser()
    {
        if (geteuid() == 0)
            setfsuid(0), setfsgid(0), QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString folder;
};

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    QString documents() const { return home.filePath(QStringLiteral("Documents")); }
    QStringList pdfFiles(const QString& folder) const
    {
        return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    // The PDF's one A4 page, checked by pdfinfo and rendered in grey, at
    // 254 dpi one pixel to 0.1 mm. A null image after a failure or a skip
    // (without poppler-utils).
    QImage renderedSheet(const QString& pdf, int dpi = 254)
    {
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdfinfo.isEmpty() || pdftoppm.isEmpty()) {
            QTest::qSkip("poppler-utils are not installed", __FILE__, __LINE__);
            return {};
        }
        QProcess info;
        info.start(pdfinfo, {pdf});
        const QString out = info.waitForFinished(30000) ? QString::fromUtf8(info.readAllStandardOutput()) : QString();
        const auto pages = QRegularExpression(R"(Pages:\s+(\d+))").match(out);
        const auto size = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+))").match(out);
        // A4 portrait, in points.
        if (!QTest::qVerify(pages.hasMatch() && pages.captured(1).toInt() == 1 && size.hasMatch() &&
                                qAbs(size.captured(1).toDouble() - 595.28) < 0.5 &&
                                qAbs(size.captured(2).toDouble() - 841.89) < 0.5,
                            "one A4 page", qPrintable(out), __FILE__, __LINE__))
            return {};
        const QString prefix = home.filePath("sheet");
        QProcess render;
        render.start(pdftoppm, {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-png", "-singlefile",
                                pdf, prefix});
        render.waitForFinished(60000);
        const QImage page(prefix + ".png");
        // The renderer rounds 297 mm up.
        if (!QTest::qVerify(page.width() == 2100 * dpi / 254 && qAbs(page.height() - 2970 * dpi / 254) <= 1,
                            "an A4 page", "", __FILE__, __LINE__))
            return {};
        return page.convertToFormat(QImage::Format_Grayscale8);
    }

private slots:
    void initTestCase()
    {
        // Sheets that reach the printing service go to this folder, never to
        // a printer or the real documents folder.
        QVERIFY(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
        platform::setPrintersIgnored(true);
    }

    void init()
    {
        QLocale::setDefault(QLocale::c());
        recordSheets();
        mag_polygon = PolygonStore{};
        phase_polygon = PolygonStore{};
        QDir(documents()).removeRecursively();
        QVERIFY(QDir().mkpath(documents()));
        for (const QString& f : pdfFiles(home.path()))
            QFile::remove(home.filePath(f));
    }

    void cleanup() { platform::setSheetHook(nullptr); }

    void pagesOutsideTheTablePrintNothing_data()
    {
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("next");
        QTest::newRow("question page") << "6" << "06_01" << 0;
        QTest::newRow("id of another lesson") << "7" << "06_02" << 0;
        QTest::newRow("lesson 5 before the example") << "5" << "05_12" << 1;
        QTest::newRow("after the last example") << "8" << "08_04" << 1;
    }
    void pagesOutsideTheTablePrintNothing()
    {
        QFETCH(QString, lesson);
        QFETCH(QString, id);
        QFETCH(int, next);
        auto w = newWindow();
        printPage(*w, lesson, id, "1", ranges_06_02, next);
        QVERIFY(sheetNames.isEmpty());
        QCOMPARE(w->B_next->isEnabled(), next == 1);
        QVERIFY(messages().empty());
    }

    void scaleLineReportsDecadesAndScales_data()
    {
        QTest::addColumn<double>("fmin");
        QTest::addColumn<double>("fmax");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("line");
        QTest::newRow("six decades") << 0.001 << 1000.0 << "C"
                                     << "[ 6 Dekaden mit je   23.33 mm ; 25 mm/20 dB ; 45 mm/90° ]";
        QTest::newRow("five decades") << 1.0 << 1e5 << "C"
                                      << "[ 5 Dekaden mit je   28.00 mm ; 25 mm/20 dB ; 45 mm/90° ]";
        QTest::newRow("German separator") << 0.001 << 1000.0 << "de_DE"
                                          << "[ 6 Dekaden mit je   23.33 mm ; 25 mm/20 dB ; 45 mm/90° ]";
        QTest::newRow("one decade") << 10.0 << 100.0 << "C"
                                    << "[ 1 Dekaden mit je  140.00 mm ; 25 mm/20 dB ; 45 mm/90° ]";
    }
    void scaleLineReportsDecadesAndScales()
    {
        QFETCH(double, fmin);
        QFETCH(double, fmax);
        QFETCH(QString, locale);
        QFETCH(QString, line);
        QLocale::setDefault(QLocale(locale));
        auto w = newWindow();
        printPage(*w, "5", "05_13", "1", {fmin, fmax, 0.01L, 100.0L, -90, 90});
        const CanvasOp* op = sheetText(line);
        QVERIFY2(op, qPrintable(textsAt(410).join('|')));
        QCOMPARE(QPoint(op->x1, op->y1), QPoint(410, 120));
    }

    void headerLinesAreReadableAndApart()
    {
        auto w = newWindow();
        printPage(*w, "6", "06_02", "1", ranges_06_02);
        const auto texts = sheetOps(CanvasOp::TextOut);
        QVERIFY(texts.size() > 2);
        const CanvasOp& banner = texts[0];
        const CanvasOp& scale = texts[1];
        QCOMPARE(QPoint(banner.x1, banner.y1), QPoint(100, 80));
        QVERIFY(banner.text.startsWith("FALKORIN"));
        QCOMPARE(QPoint(scale.x1, scale.y1), QPoint(410, 120));
        for (const CanvasOp* op : {&banner, &scale}) {
            QCOMPARE(op->font.size(), 25);
            QCOMPARE(op->font.pixelsPerInch, platform::sheetFontPixelsPerInch);
            QVERIFY(op->font.name.contains("courier", Qt::CaseInsensitive));
        }
        // The banner's cell ends before the scale line begins, and both fit
        // beside each other on an A4 sheet (190 mm printable).
        QVERIFY(textCell(banner).bottom() < scale.y1);
        QVERIFY(textCell(banner).right() < 1900);
        QVERIFY(textCell(scale).right() < 1900);
        // All further text is in cells of 4 mm.
        for (size_t i = 2; i < texts.size(); ++i) {
            QCOMPARE(texts[i].font.height, 40);
            QVERIFY(textCell(texts[i]).height() <= 40);
        }
    }

    void frequencyAxisIsAlways140mm_data()
    {
        QTest::addColumn<double>("fmin");
        QTest::addColumn<double>("fmax");
        QTest::addColumn<int>("decades");
        QTest::newRow("1") << 10.0 << 100.0 << 1;
        QTest::newRow("3") << 0.01 << 10.0 << 3;
        QTest::newRow("6") << 0.001 << 1000.0 << 6;
        QTest::newRow("8") << 0.01 << 1e6 << 8;
        QTest::newRow("18") << 1e-6 << 1e12 << 18;
    }
    void frequencyAxisIsAlways140mm()
    {
        QFETCH(double, fmin);
        QFETCH(double, fmax);
        QFETCH(int, decades);
        auto w = newWindow();
        printPage(*w, "5", "05_13", "1", {fmin, fmax, 0.01L, 100.0L, -90, 90});
        // 80 dB at 25 mm per 20 dB.
        const auto magnitude = verticalsFrom(Y0, Y0 + 1000 + 15);
        QCOMPARE(int(magnitude.size()), decades * 10);
        QCOMPARE(magnitude.front().x1, X0);
        QCOMPARE(magnitude.back().x1, XR);
        QCOMPARE(magnitude.front().pen.width, 3);
        QCOMPARE(magnitude.back().pen.width, 3);
        QCOMPARE(magnitude[1].pen.width, 1);
        // The second decade starts one decade width further right.
        if (decades > 1)
            QCOMPARE(magnitude[10].x1, X0 + int(numfmt::nearest(1400.0L / decades)));
        const int yp = Y0 + 1000 + 200;
        const auto phase = verticalsFrom(yp - 15, yp + 2 * 450);
        QCOMPARE(int(phase.size()), decades * 10);
        for (size_t i = 0; i < phase.size(); ++i)
            QCOMPARE(phase[i].x1, magnitude[i].x1);
    }

    void magnitudeLinesEvery10dB()
    {
        auto w = newWindow();
        // -80 dB ... +40 dB at 15 mm per 20 dB: 10 dB are 75 units.
        printPage(*w, "6", "06_02", "1", {0.01L, 1e6L, 1e-4L, 100.0L, -180, 180});
        auto y = [](int db) { return Y0 + (40 - db) / 10 * 75; };
        const auto solid = horizontals(X0 - 15, XR + 15);
        const int magnitudeBottom = y(-80);
        std::vector<CanvasOp> lines;
        for (const auto& op : solid)
            if (op.y1 <= magnitudeBottom)
                lines.push_back(op);
        QCOMPARE(int(lines.size()), 12); // 13 lines, the 0-dB line dashed
        for (const auto& op : lines) {
            const int db = 40 - (op.y1 - Y0) / 75 * 10;
            QCOMPARE(op.y1, y(db));
            QVERIFY(db != 0);
            QCOMPARE(op.pen.width, db % 20 == 0 ? 2 : 1);
        }

        int dashCount = 0;
        for (const auto& op : sheetOps(CanvasOp::LineTo))
            if (op.y1 == y(0) && op.y2 == y(0) && op.x2 - op.x1 == 10 && op.pen.width == 3)
                ++dashCount;
        QCOMPARE(dashCount, 70);
        QVERIFY(!horizontals(X0, X0 + 10).empty());
        QCOMPARE(horizontals(X0 - 15, X0 + 15).front().pen.width, 3);
        QCOMPARE(horizontals(XR - 15, XR + 15).front().pen.width, 3);

        QStringList labels;
        for (const QString& t : textsAt(X0 - 210))
            if (t.endsWith(" dB"))
                labels << t;
        QCOMPARE(labels, QStringList({"  +40 dB", "  +20 dB", "    0 dB", "  -20 dB", "  -40 dB", "  -60 dB",
                                      "  -80 dB"}));
        QCOMPARE(sheetText("  +20 dB")->y1, y(20) - 20);
        QCOMPARE(sheetText("    0 dB")->y1, y(0) - 20);
        const CanvasOp* betrag = sheetText(" BETRAG");
        QVERIFY(betrag);
        QCOMPARE(QPoint(betrag->x1, betrag->y1), QPoint(X0 - 210, y(30) - 20));

        QStringList exponents;
        for (const auto& op : sheetOps(CanvasOp::TextOut))
            if (op.x1 == XR + 70) {
                exponents << op.text;
                QCOMPARE(op.y1, y(op.text.toInt() * 20) - 35);
            }
        QCOMPARE(exponents, QStringList({"+2", "+1", "0", "-1", "-2", "-3", "-4"}));
        QCOMPARE(textsAt(XR + 25).count("10"), 7);
    }

    void phaseLinesEvery45Degrees()
    {
        auto w = newWindow();
        // -180 ... +90 degrees at 30 mm per 90 degrees, -60 ... +40 dB above.
        printPage(*w, "6", "06_02", "1", {0.01L, 1e6L, 1e-3L, 100.0L, -180, 90});
        const int yp = Y0 + 5 * 150 + 200;
        auto y = [yp](int deg) { return yp + (90 - deg) / 45 * 150; };
        QCOMPARE(textsAt(X0 - 150), QStringList({" +90°", "   0°", " -90°", " -180°"}));
        QCOMPARE(textsAt(XR + 10), QStringList({" +90°", "   0°", " -90°", " -180°"}));
        QCOMPARE(sheetText(" -90°")->y1, y(-90) - 20);
        const CanvasOp* winkel = sheetText(" WINKEL");
        QCOMPARE(QPoint(winkel->x1, winkel->y1), QPoint(X0 - 210, y(45) - 20));

        std::vector<int> widths;
        for (const auto& op : horizontals(X0 - 15, XR + 15))
            if (op.y1 >= yp)
                widths.push_back(op.pen.width);
        QCOMPARE(widths, std::vector<int>({2, 1, 1, 2, 1, 2})); // +90 +45 | -45 -90 -135 -180
        int dashCount = 0;
        for (const auto& op : sheetOps(CanvasOp::LineTo))
            dashCount += op.y1 == y(0) && op.y2 == y(0) && op.x2 - op.x1 == 10 && op.pen.width == 3;
        QCOMPARE(dashCount, 70);
    }

    void titleAndAxisName_data()
    {
        QTest::addColumn<bool>("axis_f");
        QTest::addColumn<bool>("with_units");
        QTest::addColumn<QString>("name");
        QTest::newRow("omega") << false << false << "   OMEGA  ->";
        QTest::newRow("omega with unit") << false << true << "OMEGA in 1/sec ->";
        QTest::newRow("f") << true << false << "  FREQUENZ  ->";
        QTest::newRow("f with unit") << true << true << "FREQUENZ in Hz ->";
    }
    void titleAndAxisName()
    {
        QFETCH(bool, axis_f);
        QFETCH(bool, with_units);
        QFETCH(QString, name);
        auto w = newWindow();
        chart.axis_f = axis_f;
        chart.with_units = with_units;
        // -40 ... +40 dB at 50 mm per 20 dB: the diagram is 200 mm high.
        printPage(*w, "7", "07_03", "3", {0.1L, 100.0L, 0.01L, 100.0L, -90, 0});
        const int y = Y0 + 2000 + 80;
        const CanvasOp* title = sheetText("Lektion 7: Diagramm zum 3. Beispiel");
        QVERIFY(title);
        QCOMPARE(QPoint(title->x1, title->y1), QPoint(110, y));
        const CanvasOp* axis = sheetText(name);
        QVERIFY(axis);
        QCOMPARE(QPoint(axis->x1, axis->y1), QPoint(1160, y));
        QCOMPARE(sheetNames, QStringList({"FALKORIN-Diagrammblatt-07_03"}));
    }

    void polygonsWithFewVertices_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("segments");
        QTest::addColumn<int>("marks");
        QTest::newRow("empty store") << 0 << 0 << 0;
        QTest::newRow("one vertex") << 1 << 0 << 0;
        QTest::newRow("two vertices") << 2 << 1 << 0;
        QTest::newRow("three vertices") << 3 << 2 << 1;
    }
    void polygonsWithFewVertices()
    {
        QFETCH(int, count);
        QFETCH(int, segments);
        QFETCH(int, marks);
        const Vertex vertices[] = {{0.1L, 0}, {1, 0}, {10, -20}};
        auto w = newWindow();
        mag_polygon = PolygonStore{};
        phase_polygon = PolygonStore{};
        for (int k = 1; k <= count; ++k) {
            mag_polygon.freq[k] = phase_polygon.freq[k] = vertices[k - 1].freq;
            mag_polygon.value[k] = phase_polygon.value[k] = vertices[k - 1].value;
        }
        mag_polygon.count = phase_polygon.count = count;
        printPage(*w, "6", "06_05", "3", {0.1L, 100.0L, 0.01L, 100.0L, -90, 90});
        // Both polygons and both sets of marks are printed on 06_05.
        QCOMPARE(widePenLines(), 2 * segments);
        QCOMPARE(int(sheetOps(CanvasOp::Rectangle).size()), 2 * marks);
    }

    void workedLayoutOf0602()
    {
        auto w = newWindow();
        setStore(mag_polygon, {{0.01L, 20}, {1, 20}, {100, -60}, {1e6L, -60}});
        setStore(phase_polygon, {{0.01L, 0}, {1, -90}, {1e6L, -90}});
        printPage(*w, "6", "06_02", "1", ranges_06_02);
        QCOMPARE(sheetNames, QStringList({"FALKORIN-Diagrammblatt-06_02"}));
        QVERIFY(w->B_next->isEnabled());
        QVERIFY(sheetText("[ 8 Dekaden mit je   17.50 mm ; 15 mm/20 dB ; 30 mm/90° ]"));

        // Magnitude diagram 220 ... 1270, phase diagram 1470 ... 2670.
        QCOMPARE(int(verticalsFrom(220, 1285).size()), 80);
        QCOMPARE(int(verticalsFrom(1455, 2670).size()), 80);
        QStringList db;
        for (const QString& t : textsAt(X0 - 210))
            if (t.endsWith(" dB"))
                db << t;
        QCOMPARE(db, QStringList({"  +40 dB", "  +20 dB", "    0 dB", "  -20 dB", "  -40 dB", "  -60 dB",
                                  "  -80 dB", " -100 dB"}));
        QCOMPARE(sheetText(" -100 dB")->y1, 1270 - 20);
        QCOMPARE(textsAt(XR + 70), QStringList({"+2", "+1", "0", "-1", "-2", "-3", "-4", "-5"}));
        int magnitudeLines = 0, phaseLines = 0;
        for (const auto& op : horizontals(X0 - 15, XR + 15))
            ++(op.y1 <= 1270 ? magnitudeLines : phaseLines);
        QCOMPARE(magnitudeLines, 14); // 15 with the dashed 0-dB line
        QCOMPARE(phaseLines, 8);      // 9 with the dashed 0-degree line
        const QStringList degrees = {" +180°", " +90°", "   0°", " -90°", " -180°"};
        QCOMPARE(textsAt(X0 - 150), degrees);
        QCOMPARE(textsAt(XR + 10), degrees);
        QCOMPARE(sheetText(" +180°")->y1, 1470 - 20);
        QCOMPARE(sheetText(" -180°")->y1, 2670 - 20);
        QCOMPARE(sheetText(" WINKEL")->y1, 1470 + 150 - 20);

        QCOMPARE(QPoint(sheetText("Lektion 6: Diagramm zum 1. Beispiel")->x1,
                        sheetText("Lektion 6: Diagramm zum 1. Beispiel")->y1),
                 QPoint(110, 1350));
        QCOMPARE(sheetText("   OMEGA  ->")->y1, 1350);

        QStringList exponents, prefixes;
        for (const auto& op : sheetOps(CanvasOp::TextOut)) {
            if (op.y1 == 1285)
                exponents << op.text;
            if (op.y1 == 1400)
                prefixes << op.text;
        }
        QCOMPARE(exponents, QStringList({"-2", "-1", "0", "1", "2", "3", "4", "5", "6"}));
        QCOMPARE(prefixes, QStringList({" 10m", "100m", " 1  ", " 10 ", " 100", " 1k ", " 10k", "100k", " 1M "}));
        QCOMPARE(sheetText(" 1M ")->x1, XR - 45);
        int tens = 0;
        for (const auto& op : sheetOps(CanvasOp::TextOut))
            tens += op.text == "10" && op.y1 == 1300;
        QCOMPARE(tens, 9);

        // The magnitude polygon with its two corners marked; no phase curve.
        QVERIFY(hasWideLine(310, 370, 660, 370));
        QVERIFY(hasWideLine(660, 370, 1010, 970));
        QVERIFY(hasWideLine(1010, 970, 1710, 970));
        QCOMPARE(widePenLines(), 3);
        const auto squares = sheetOps(CanvasOp::Rectangle);
        QCOMPARE(int(squares.size()), 2);
        QCOMPARE(QRect(QPoint(squares[0].x1, squares[0].y1), QPoint(squares[0].x2, squares[0].y2)),
                 QRect(QPoint(655, 365), QPoint(666, 376)));
        QCOMPARE(QRect(QPoint(squares[1].x1, squares[1].y1), QPoint(squares[1].x2, squares[1].y2)),
                 QRect(QPoint(1005, 965), QPoint(1016, 976)));
        QCOMPARE(squares[0].pen.width, 5);
        QCOMPARE(squares[0].brush.style, platform::BrushStyle::Clear);

        // No text runs into another.
        const auto texts = sheetOps(CanvasOp::TextOut);
        for (size_t i = 0; i < texts.size(); ++i)
            for (size_t j = i + 1; j < texts.size(); ++j)
                QVERIFY2(!textInk(texts[i]).intersects(textInk(texts[j])),
                         qPrintable(texts[i].text + " / " + texts[j].text));
    }

    void magnitudeCornersWithoutPolygonOn0801()
    {
        auto w = newWindow();
        setStore(mag_polygon, {{0.01L, 20}, {0.1L, 20}, {10, -20}});
        setStore(phase_polygon, {{0.01L, 0}, {0.1L, -45}, {100, -90}});
        printPage(*w, "8", "08_01", "1", {0.01L, 100.0L, 0.01L, 100.0L, -90, 0});
        // Only the phase polygon is drawn: its two segments lie in the phase diagram.
        const int yp = Y0 + 4 * 320 + 200;
        int wide = 0;
        for (const auto& op : sheetOps(CanvasOp::LineTo))
            if (op.pen.width == 5) {
                ++wide;
                QVERIFY(op.y1 >= yp && op.y2 >= yp);
            }
        QCOMPARE(wide, 2);
        const auto squares = sheetOps(CanvasOp::Rectangle);
        QCOMPARE(int(squares.size()), 2);
        // 0.1 lies one decade of 35 mm right of 0.01; +20 dB is 20 dB below the top.
        QCOMPARE(QPoint(squares[0].x1, squares[0].y1), QPoint(X0 + 350 - 5, Y0 + 320 - 5));
        QVERIFY(squares[1].y1 > yp);
    }

    void dashedLine_data()
    {
        QTest::addColumn<int>("x2");
        QTest::addColumn<int>("dashes");
        QTest::newRow("whole periods") << 100 << 5;
        QTest::newRow("three quarters over") << 95 << 5;
        QTest::newRow("half a period, to even") << 50 << 2;
    }
    void dashedLine()
    {
        QFETCH(int, x2);
        QFETCH(int, dashes);
        platform::Canvas c;
        c.recording = true;
        print_dashed_line(c, 0, x2, 7, 10, 10);
        std::vector<QLine> lines;
        for (const auto& op : c.ops)
            if (op.kind == CanvasOp::LineTo)
                lines.emplace_back(op.x1, op.y1, op.x2, op.y2);
        QCOMPARE(int(lines.size()), dashes);
        for (int i = 0; i < dashes; ++i)
            QCOMPARE(lines[size_t(i)], QLine(20 * i, 7, 20 * i + 10, 7));
        QCOMPARE(c.penPos(), QPoint(20 * dashes, 7));
    }

    // A print that fails leaves "Nächste Teilaufgabe" as it was on the own
    // example too; one that succeeds enables it.
    void ownExampleEnablesTheSubtaskButtonOnlyAfterAPrint()
    {
        auto w = newWindow();
        click(w->B_eigen);
        w->E_zaehler->setText(QStringLiteral("10"));
        w->E_nenner->setText(QStringLiteral("s · (1 + s)"));
        click(w->B_uebernehmen);
        QCOMPARE(page_id, QStringLiteral("09_01"));
        w->B_next->setEnabled(false);
        platform::setSheetHook([](const QString&) -> platform::Canvas* { return nullptr; });
        click(w->B_druck);
        QVERIFY(!w->B_next->isEnabled());
        recordSheets();
        click(w->B_druck);
        QCOMPARE(sheetNames, QStringList({"FALKORIN-Diagrammblatt-09_01"}));
        QVERIFY(w->B_next->isEnabled());
    }

    void withoutPrinterTheSheetIsSavedAsPdf()
    {
        platform::setSheetHook(nullptr);
        auto w = newWindow();
        for (int n = 1; n <= 3; ++n)
            printPage(*w, "6", "06_02", "1", ranges_06_02);
        QCOMPARE(pdfFiles(documents()),
                 QStringList({"FALKORIN-Diagrammblatt-06_02-2.pdf", "FALKORIN-Diagrammblatt-06_02-3.pdf",
                              "FALKORIN-Diagrammblatt-06_02.pdf"}));
        QCOMPARE(int(messages().size()), 3);
        const QStringList suffixes = {".pdf", "-2.pdf", "-3.pdf"};
        for (int i = 0; i < 3; ++i) {
            const auto& m = messages()[size_t(i)];
            QCOMPARE(m.type, platform::MessageType::Information);
            QVERIFY(m.text.startsWith("Es ist kein Drucker eingerichtet."));
            const QString path = QDir::toNativeSeparators(
                QDir(documents()).filePath("FALKORIN-Diagrammblatt-06_02" + suffixes[i]));
            QVERIFY2(m.text.contains("\r" + path + "\r"), qPrintable(m.text));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.read(5) == "%PDF-");
        }
        QVERIFY(w->B_next->isEnabled());
    }

    void withoutDocumentsFolderThePdfGoesHome()
    {
        platform::setSheetHook(nullptr);
        QVERIFY(QDir(documents()).removeRecursively());
        auto w = newWindow();
        printPage(*w, "5", "05_13", "1", {0.001L, 1000.0L, 0.01L, 100.0L, -90, 90});
        QCOMPARE(pdfFiles(home.path()), QStringList({"FALKORIN-Diagrammblatt-05_13.pdf"}));
        QCOMPARE(int(messages().size()), 1);
        QVERIFY(messages()[0].text.contains(QDir::toNativeSeparators(home.path())));
    }

    void pdfThatCannotBeWrittenIsReported()
    {
        platform::setSheetHook(nullptr);
        const QByteArray realHome = qgetenv("HOME");
        const QString missing = home.filePath("nowhere/at/all");
        qputenv("HOME", QFile::encodeName(missing));
        auto w = newWindow();
        printPage(*w, "6", "06_02", "1", ranges_06_02);
        qputenv("HOME", realHome);
        QCOMPARE(int(messages().size()), 1);
        QCOMPARE(messages()[0].type, platform::MessageType::Error);
        QVERIFY(messages()[0].text.startsWith("Das Diagrammblatt konnte nicht als PDF-Datei gespeichert werden:"));
        QVERIFY(messages()[0].text.contains(QDir::toNativeSeparators(missing)));
        QVERIFY(!QFileInfo::exists(missing));
    }

    // A link in the sheet's place is left alone, whether it leads anywhere
    // or not: the sheet takes the next free name as a file of its own.
    void sheetIsNeverWrittenThroughALink_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("dangling link") << false;
        QTest::newRow("link to a file") << true;
    }
    void sheetIsNeverWrittenThroughALink()
    {
        QFETCH(bool, targetExists);
        platform::setSheetHook(nullptr);
        const QString target = home.filePath("target"), link = QDir(documents()).filePath("FALKORIN-Diagrammblatt-06_02.pdf");
        QFile::remove(target);
        QFile file(target);
        QVERIFY(!targetExists || (file.open(QIODevice::WriteOnly) && file.write("keep") == 4));
        file.close();
        QVERIFY(QFile::link(target, link));
        auto w = newWindow();
        printPage(*w, "6", "06_02", "1", ranges_06_02);
        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
        QCOMPARE(QFileInfo(target).size(), targetExists ? 4 : 0);
        const QString sheetPath = QDir(documents()).filePath("FALKORIN-Diagrammblatt-06_02-2.pdf");
        QVERIFY(QFileInfo(sheetPath).isFile() && !QFileInfo(sheetPath).isSymLink());
        QCOMPARE(int(messages().size()), 1);
        QVERIFY(messages()[0].text.contains(QDir::toNativeSeparators(sheetPath)));
    }

    // Without a home folder there is nowhere to save the sheet (the toolkit
    // would take the root folder); the message says why.
    void withoutHomeNothingIsWritten_data()
    {
        QTest::addColumn<QString>("value"); // "-": unset
        QTest::addColumn<QString>("named"); // in the message
        QTest::newRow("unset") << "-" << "HOME";
        QTest::newRow("empty") << "" << "HOME";
        QTest::newRow("a file") << home.filePath("Documents/file") << home.filePath("Documents/file");
        QTest::newRow("relative") << "Documents" << "Documents";
    }
    void withoutHomeNothingIsWritten()
    {
        QFETCH(QString, value);
        QFETCH(QString, named);
        platform::setSheetHook(nullptr);
        QFile file(home.filePath("Documents/file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray realHome = qgetenv("HOME");
        if (value == "-")
            qunsetenv("HOME");
        else
            qputenv("HOME", QFile::encodeName(value));
        auto w = newWindow();
        printPage(*w, "6", "06_02", "1", ranges_06_02);
        qputenv("HOME", realHome);
        QCOMPARE(int(messages().size()), 1);
        QCOMPARE(messages()[0].type, platform::MessageType::Error);
        QVERIFY(messages()[0].text.contains(QDir::toNativeSeparators(named)));
        for (const QString& folder : {QDir::rootPath(), QDir::currentPath(), home.path(), documents()})
            QCOMPARE(pdfFiles(folder), QStringList());
    }

    // A documents folder that takes no file sends the sheet home, and the
    // message says where and why.
    void unwritableDocumentsFolderFallsBackHome_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"missing", "a file", "read-only"})
            QTest::newRow(kind) << QString(kind);
    }
    void unwritableDocumentsFolderFallsBackHome()
    {
        QFETCH(QString, kind);
        platform::setSheetHook(nullptr);
        QVERIFY(QDir(documents()).removeRecursively());
        if (kind == "a file")
            QVERIFY(QFile(documents()).open(QIODevice::WriteOnly));
        if (kind == "read-only")
            QVERIFY(QDir().mkdir(documents(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        auto w = newWindow();
        {
            const OrdinaryUser user(home.path());
            printPage(*w, "6", "06_02", "1", ranges_06_02);
        }
        QFile::remove(documents());
        QCOMPARE(pdfFiles(home.path()), QStringList({"FALKORIN-Diagrammblatt-06_02.pdf"}));
        QCOMPARE(int(messages().size()), 1);
        QCOMPARE(messages()[0].type, platform::MessageType::Information);
        QVERIFY(messages()[0].text.contains(QDir::toNativeSeparators(home.filePath("FALKORIN-Diagrammblatt-06_02.pdf"))));
        QVERIFY(messages()[0].text.contains(QDir::toNativeSeparators(documents())));
    }

    // A nearly full disk takes only the first bytes of the sheet: the
    // process's file size limit makes every write beyond them fail as a full
    // file system does. No cut sheet may be left or announced.
    void sheetCutOffByAFullDiskIsReported_data()
    {
        QTest::addColumn<qint64>("room"); // bytes that fit; negative: that many less than the sheet
        QTest::newRow("no room at all") << qint64(0);
        QTest::newRow("room for the beginning") << qint64(4096);
        QTest::newRow("all but the last byte") << qint64(-1);
    }
    void sheetCutOffByAFullDiskIsReported()
    {
        QFETCH(qint64, room);
        platform::setSheetHook(nullptr);
        auto w = newWindow();
        const QString pdf = QDir(documents()).filePath("FALKORIN-Diagrammblatt-06_02.pdf");
        if (room < 0) {
            printPage(*w, "6", "06_02", "1", ranges_06_02);
            room += QFileInfo(pdf).size();
            QVERIFY(QFile::remove(pdf));
            messages().clear();
        }
        {
            const FileSizeLimit full(room);
            printPage(*w, "6", "06_02", "1", ranges_06_02);
        }
        QCOMPARE(int(messages().size()), 1);
        QCOMPARE(messages()[0].type, platform::MessageType::Error);
        QCOMPARE(messages()[0].text, "Das Diagrammblatt konnte nicht als PDF-Datei gespeichert werden:\r\r" +
                                         QDir::toNativeSeparators(pdf));
        QCOMPARE(QDir(documents()).entryList(QDir::Files | QDir::Hidden), QStringList());

        // With room again the sheet is saved under the name it was meant to have.
        printPage(*w, "6", "06_02", "1", ranges_06_02);
        QCOMPARE(messages().back().type, platform::MessageType::Information);
        QCOMPARE(pdfFiles(documents()), QStringList({"FALKORIN-Diagrammblatt-06_02.pdf"}));
    }

    void pdfSheetIsToScale()
    {
        platform::setSheetHook(nullptr);
        auto w = newWindow();
        printPage(*w, "6", "06_02", "1", ranges_06_02);
        const QString pdf = QDir(documents()).filePath("FALKORIN-Diagrammblatt-06_02.pdf");
        QVERIFY(QFileInfo::exists(pdf));

        QImage page = renderedSheet(pdf);
        if (page.isNull())
            return;

        QList<int> rows(page.height()), columns(page.width());
        for (int y = 0; y < page.height(); ++y) {
            const uchar* line = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x)
                if (line[x] < 128) {
                    ++rows[y];
                    ++columns[x];
                }
        }
        // Grid lines are 143 mm long, vertical lines cross both diagrams; the
        // dashed zero lines are half ink and stay below the threshold.
        const QList<double> horizontal = runCentres(rows, 1300);
        const QList<double> vertical = runCentres(columns, 1500);
        QCOMPARE(horizontal.size(), 14 + 8);
        QCOMPARE(vertical.size(), 8 * 9 + 1);
        const double axis = vertical.back() - vertical.front();
        const double db20 = horizontal[2] - horizontal[0];   // +40 dB to +20 dB
        const double deg90 = horizontal[16] - horizontal[14]; // +180 to +90 degrees
        qInfo("frequency axis %.1f mm, 20 dB %.1f mm, 90 degrees %.1f mm", axis / 10, db20 / 10, deg90 / 10);
        QVERIFY(qAbs(axis - 1400) <= 5);
        QVERIFY(qAbs(db20 - 150) <= 5);
        QVERIFY(qAbs(deg90 - 300) <= 5);
    }

    // Every sheet, with the ranges its page sets, stands centred between top
    // and bottom with at least 10 mm of paper free at each edge (a printer
    // prints the PDF to about 5 mm of the edge), and keeps its scales.
    void everySheetHasRoomAtEveryEdge_data()
    {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<int>("page");
        for (auto [lesson, page] : {std::pair{5, 13}, {6, 2}, {6, 4}, {6, 5}, {6, 6}, {7, 2}, {7, 3}, {7, 4}, {8, 1},
                                    {8, 2}, {8, 3}})
            QTest::addRow("%02d_%02d", lesson, page) << lesson << page;
    }
    void everySheetHasRoomAtEveryEdge()
    {
        QFETCH(int, lesson);
        QFETCH(int, page);
        auto w = newWindow();
        w->show_page(lesson, page);
        click(w->B_druck);
        int top = INT_MAX, bottom = 0; // the recorded grid lines that span both edges
        for (const auto& op : horizontals(X0 - 15, XR + 15)) {
            top = std::min(top, op.y1);
            bottom = std::max(bottom, op.y1);
        }
        platform::setSheetHook(nullptr);
        click(w->B_druck);
        // One pixel to 0.2 mm: enough for margins, and a quarter of the rendering time.
        const QImage sheet =
            renderedSheet(QDir(documents()).filePath("FALKORIN-Diagrammblatt-" + page_id + ".pdf"), 127);
        if (sheet.isNull())
            return;
        QList<int> rows(sheet.height()), columns(sheet.width());
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                if (sheet.constScanLine(y)[x] < 128) {
                    ++rows[y];
                    ++columns[x];
                }
        auto firstInk = [](const QList<int>& counts) { return int(std::find_if(counts.begin(), counts.end(), [](int n) { return n > 0; }) - counts.begin()); };
        QList<int> reversedRows(rows.rbegin(), rows.rend()), reversedColumns(columns.rbegin(), columns.rend());
        const int above = firstInk(rows), below = firstInk(reversedRows);
        const int left = firstInk(columns), right = firstInk(reversedColumns);
        qInfo("free: top %.1f mm, bottom %.1f mm, left %.1f mm, right %.1f mm", above / 5.0, below / 5.0,
              left / 5.0, right / 5.0);
        QVERIFY(std::min({above, below, left, right}) >= 50);
        QVERIFY(qAbs(above - below) <= 10); // ink and text cells differ by a few tenths of a millimetre
        const QList<double> grid = runCentres(rows, 650);
        QVERIFY(qAbs((grid.back() - grid.front()) * 2 - (bottom - top)) <= 3);
    }

private:
    static bool hasWideLine(int x1, int y1, int x2, int y2)
    {
        for (const auto& op : sheetOps(CanvasOp::LineTo))
            if (op.pen.width == 5 && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2)
                return true;
        return false;
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
