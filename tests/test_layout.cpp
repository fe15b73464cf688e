// Every page and every interim result of the program reads cleanly: each
// text drawn on the window lies inside its area, no memo line is smaller
// than legible, and no table line, formula line or rule of a memo wraps or
// is cut at the memo's edge unless it is too wide even at that size.
#include "testutil.h"

#include "platform/canvas.h"
#include "platform/printer.h"
#include "platform/system.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>

using namespace testutil;

namespace {

// Drawn texts: the chart keeps left of the page frame (cleared from x 599),
// the header stays above its rule (y 36) inside the frame (x 602 … 1264),
// everything else of the page inside the frame.
constexpr int chart_limit = 599;
constexpr int frame_left = 602;
constexpr int frame_right = 1265;
constexpr int header_rule = 36;

struct Extent {
    int left, top, right, bottom;
};

// Trailing blanks draw nothing (the brush is clear on every page).
Extent extent(const platform::CanvasOp& op)
{
    QString shown = op.text;
    while (!shown.isEmpty() && shown.back().isSpace())
        shown.chop(1);
    const QFontMetrics m(platform::qtFont(op.font));
    return {op.x1, op.y1, op.x1 + m.horizontalAdvance(shown), op.y1 + m.height()};
}

void checkTexts(const TForm1& w, const QString& where, QStringList& findings)
{
    std::vector<std::pair<Extent, QString>> header;
    for (const auto& op : w.Canvas.ops) {
        if (op.kind != platform::CanvasOp::TextOut || op.text.trimmed().isEmpty())
            continue;
        const Extent e = extent(op);
        auto report = [&](const char* what, int pixels) {
            findings << QStringLiteral("%1: \"%2\" %3 by %4 px").arg(where, op.text, QLatin1String(what)).arg(pixels);
        };
        if (op.x1 < chart_limit) {
            if (e.right > chart_limit)
                report("runs into the page frame", e.right - chart_limit);
        } else if (op.y1 < header_rule) {
            if (e.right > frame_right)
                report("leaves the header", e.right - frame_right);
            if (e.bottom > header_rule)
                report("crosses the header rule", e.bottom - header_rule);
            for (const auto& [other, text] : header)
                if (e.left < other.right && other.left < e.right && e.top < other.bottom && other.top < e.bottom)
                    report(qPrintable(QStringLiteral("overlaps \"%1\"").arg(text)),
                           std::min(e.right, other.right) - std::max(e.left, other.left));
            header.emplace_back(e, op.text);
        } else if (e.left < frame_left || e.right > frame_right) {
            report("leaves the page frame", std::max(frame_left - e.left, e.right - frame_right));
        }
    }
}

// No line that keeps its layout (see Memo::keepsLayout; in a solution memo
// every line) is wider than the memo; solution memos show their whole text
// without scrolling.
void checkMemo(platform::Memo* memo, const QString& where, QStringList& findings, bool solution = false)
{
    if (!memo->isVisibleTo(memo->window()) || memo->toPlainText().isEmpty())
        return;
    const int available = memo->lineWidth();
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        QString shown = b.text();
        while (!shown.isEmpty() && shown.back().isSpace())
            shown.chop(1);
        if (shown.isEmpty())
            continue;
        // A line is shown in one font; trailing blanks may run past the edge unseen.
        const QFont f = b.begin().fragment().charFormat().font().resolve(memo->font());
        if (QFontInfo(f).pixelSize() < platform::Memo::minTextPixels && !platform::Memo::isRule(shown))
            findings << QStringLiteral("%1 %2: line \"%3\" is only %4 px high")
                            .arg(where, memo->objectName(), shown)
                            .arg(QFontInfo(f).pixelSize());
        // Text glued to a rule starts the next line.
        const qsizetype dashes = shown.indexOf(QRegularExpression(QStringLiteral("[^-]")));
        if (dashes >= 10 && b.layout()->lineAt(0).textLength() != dashes)
            findings << QStringLiteral("%1 %2: \"%3\" shares the rule's line").arg(where, memo->objectName(), shown.mid(dashes));
        // A list item is broken by hand, its second line under its text.
        if (shown.startsWith(QLatin1String("   o  ")) && b.layout()->lineCount() > 1)
            findings << QStringLiteral("%1 %2: item \"%3\" wraps to the left edge").arg(where, memo->objectName(), shown);
        // A wrapped line starts with a word: no unit torn from its number, no stop from its sentence.
        static const QRegularExpression stop(QStringLiteral("^[/.,;:!)}\\]]"));
        static const QRegularExpression unit(QStringLiteral("\\d\\s*$"));
        for (int k = 1; k < b.layout()->lineCount(); ++k) {
            const int start = b.layout()->lineAt(k).textStart();
            const QString next = b.text().mid(start);
            if (stop.match(next).hasMatch() ||
                ((next.startsWith(QLatin1String("dB")) || next.startsWith(QChar(0xB0))) && unit.match(b.text().left(start)).hasMatch()))
                findings << QStringLiteral("%1 %2: line \"%3\" wraps before \"%4\"")
                                .arg(where, memo->objectName(), shown, next.left(12));
        }
        // Too wide even at the smallest legible size, a line wraps.
        const int width = QFontMetrics(f).horizontalAdvance(shown);
        if ((solution || memo->keepsLayout(shown)) && width > available &&
            (QFontInfo(f).pixelSize() > platform::Memo::minTextPixels || platform::Memo::isRule(shown)))
            findings << QStringLiteral("%1 %2: line \"%3\" is %4 px too wide")
                            .arg(where, memo->objectName(), shown)
                            .arg(width - available);
    }
    // A text longer than its memo shows the scroll bar that reaches the rest.
    QScrollBar* bar = memo->verticalScrollBar();
    if (bar->maximum() > 0 && !bar->isVisibleTo(memo->window()))
        findings << QStringLiteral("%1 %2: lines hidden without a scroll bar").arg(where, memo->objectName());
}

// Controls that would hide each other: the page text and the subtask memo,
// the subtask and result memos, the construction buttons and the
// statistics; and the labels of a statistics line among themselves.
void checkControls(const TForm1& w, const QString& where, QStringList& findings)
{
    auto inWindow = [&w](const QWidget* c) { return QRect(c->mapTo(&w, QPoint(0, 0)), c->size()); };
    const std::pair<const QWidget*, const QWidget*> pairs[] = {
        {w.M_text, w.M_teilaufg}, {w.M_teilaufg, w.M_teilloes}, {w.P_diag, w.P_lektion}, {w.P_diag, w.P_gesamt}};
    for (const auto& [a, b] : pairs)
        if (a->isVisibleTo(&w) && b->isVisibleTo(&w) && inWindow(a).intersects(inWindow(b)))
            findings << QStringLiteral("%1: %2 covers %3 by %4 px")
                            .arg(where, b->objectName(), a->objectName())
                            .arg(inWindow(a).intersected(inWindow(b)).height());
    for (const QWidget* line : {w.P_lektion, w.P_gesamt, w.P_statistik}) {
        if (!line->isVisibleTo(&w))
            continue;
        const auto labels = line->findChildren<QLabel*>();
        for (const QLabel* a : labels)
            for (const QLabel* b : labels)
                if (a < b && !a->text().isEmpty() && !b->text().isEmpty() && a->geometry().intersects(b->geometry()))
                    findings << QStringLiteral("%1: \"%2\" overlaps \"%3\" by %4 px")
                                    .arg(where, a->text(), b->text())
                                    .arg(a->geometry().intersected(b->geometry()).width());
    }
}

void checkMemos(TForm1& w, const QString& where, QStringList& findings)
{
    checkControls(w, where, findings);
    QCoreApplication::processEvents();
    for (platform::Memo* m : {w.M_text, w.M_teilaufg, w.M_teilloes})
        checkMemo(m, where, findings);
    // The problem above the subtask and the subtask itself are read whole.
    if (w.M_teilaufg->isVisibleTo(&w))
        for (platform::Memo* m : {w.M_text, w.M_teilaufg})
            if (m->isVisibleTo(&w) && m->verticalScrollBar()->maximum() > 0)
                findings << QStringLiteral("%1 %2: the text needs scrolling").arg(where, m->objectName());
    for (int k = 1; k <= 5; ++k) {
        checkMemo(w.Memo_A[k], where, findings);
        checkMemo(w.Memo_L[k], where, findings, true);
        // A solution is seen at a glance, without scrolling.
        if (w.Memo_L[k]->isVisibleTo(&w) && w.Memo_L[k]->verticalScrollBar()->maximum() > 0)
            findings << QStringLiteral("%1 Memo_L%2: the solution needs scrolling").arg(where).arg(k);
    }
}

// Walks a construction page through all of its subtasks and interim results.
void walkSubtasks(TForm1& w, const QString& where, QStringList& findings)
{
    for (int step = 0; step < 12 && w.B_next->isVisible() && w.B_next->isEnabled(); ++step) {
        record(w);
        click(w.B_next);
        checkMemos(w, QStringLiteral("%1 subtask %2").arg(where).arg(subtask_no), findings);
        if (w.B_ergeb->isEnabled()) {
            click(w.B_ergeb);
            checkTexts(w, QStringLiteral("%1 result %2").arg(where).arg(subtask_no), findings);
            checkMemos(w, QStringLiteral("%1 result %2").arg(where).arg(subtask_no), findings);
        }
    }
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyPageReadsCleanly()
    {
        auto w = newWindow();
        w->show();
        QStringList findings;
        // The introduction as start-up draws it.
        w->Canvas.recording = true;
        w->intro_page();
        checkTexts(*w, QStringLiteral("00_01"), findings);
        checkMemos(*w, QStringLiteral("00_01"), findings);

        // The pages of the eight lessons.
        constexpr int page_counts[] = {14, 7, 1, 1, 13, 6, 4, 3};
        int pages = 0;
        for (int lesson = 1; lesson <= 8; ++lesson)
            for (int page = 1; page <= page_counts[lesson - 1]; ++page) {
                ++pages;
                lesson_no = lesson;
                page_no = page;
                record(*w);
                w->show_page(lesson, page);
                checkTexts(*w, page_id, findings);
                checkMemos(*w, page_id, findings);
                if (w->B_auswert->isVisible()) {
                    // The statistics and the solution texts, as after scoring.
                    for (int k = 1; k <= 5; ++k)
                        select(w->CB_A[k], answer_key[k] > 0 ? answer_key[k] : 1);
                    click(w->B_auswert);
                    click(w->B_text);
                    checkMemos(*w, page_id + QStringLiteral(" solutions"), findings);
                }
                QCOMPARE(page_id, QStringLiteral("%1_%2")
                                      .arg(lesson, 2, 10, QLatin1Char('0'))
                                      .arg(page, 2, 10, QLatin1Char('0')));
                walkSubtasks(*w, page_id, findings);
            }
        QCOMPARE(pages, 49);

        // The student's own example, with a function of several corners.
        w->intro_page();
        click(w->B_eigen);
        w->E_zaehler->setText(QStringLiteral("100 · (1 + s/10)"));
        w->E_nenner->setText(QStringLiteral("s · (1 + s)^2 · (1 + s/1000)"));
        record(*w);
        click(w->B_uebernehmen);
        QCOMPARE(page_id, QStringLiteral("09_01"));
        checkTexts(*w, page_id, findings);
        checkMemos(*w, page_id, findings);
        walkSubtasks(*w, page_id, findings);

        if (!findings.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 findings:\n").arg(findings.size()) + findings.join(QLatin1Char('\n'))));
    }

    // Edit fields look like fields: white when they take input, grey when
    // not; the frequency field keeps its selection in sight when left.
    void editFieldsLookLikeFields()
    {
        auto w = openLesson(3);
        auto centre = [](QWidget* field) {
            const QImage image = field->grab().toImage();
            return image.pixelColor(image.width() - 6, image.height() / 2);
        };
        w->E_wert->setEnabled(true);
        QCOMPARE(centre(w->E_wert), QColor(Qt::white));
        w->E_wert->setEnabled(false);
        QVERIFY(centre(w->E_wert) != QColor(Qt::white));
        QVERIFY(centre(w->E_wert) != w->P_punkt->palette().color(QPalette::Window));

        w->E_freq->setText(QStringLiteral("12,5"));
        w->E_freq->setFocus();
        w->E_freq->selectAll();
        w->B_neu->setFocus();
        QCOMPARE(w->E_freq->selectedText(), QStringLiteral("12,5"));
    }

    // A message box shows the text in the window's proportional font and
    // breaks lines only where the text does.
    void messageBoxesKeepTheirLines()
    {
        auto w = newWindow();
        const QString text = QStringLiteral("Die Eingabe ist keine gültige Zahl und wird deshalb nicht übernommen.\r"
                                            "Bitte geben Sie eine Zahl zwischen 1.000E-003 und 1.000E+003 ein.");
        auto box = platform::messageBox(platform::MessageType::Error, text, w.get());
        auto* label = box->findChild<QLabel*>(QStringLiteral("message_text"));
        QVERIFY(label);
        QVERIFY(!label->wordWrap());
        QCOMPARE(label->text().count(QLatin1Char('\n')), 1);
        QVERIFY(!QFontInfo(label->font()).fixedPitch());
        QCOMPARE(box->windowTitle(), QStringLiteral("Fehler"));
    }

    // Choosing a lesson again shows its own counters at once, as they were
    // (lesson 7 opens on a question page).
    void lessonStatisticsReturnVisibly()
    {
        auto w = openLesson(7);
        for (int k = 1; k <= 5; ++k)
            select(w->CB_A[k], answer_key[k]);
        click(w->B_auswert);
        QCOMPARE(w->l_lekt_bearb->text(), QStringLiteral("5"));
        chooseLesson(*w, 6);
        chooseLesson(*w, 7);
        QCOMPARE(w->l_lekt_bearb->text(), QStringLiteral("5"));
        QCOMPARE(w->l_lekt_proz->text(), QStringLiteral("100.00"));
        QCOMPARE(w->l_ges_bearb->text(), QStringLiteral("5"));
    }

    // A print that fails leaves "Nächste Teilaufgabe" as it was.
    void failedPrintKeepsTheSubtaskButton()
    {
        auto w = openLesson(6);
        click(w->B_rechts);
        QCOMPARE(page_id, QStringLiteral("06_02"));
        QVERIFY(w->B_next->isEnabled());
        click(w->B_next);
        w->B_next->setEnabled(false);
        platform::setSheetHook([](const QString&) -> platform::Canvas* { return nullptr; });
        click(w->B_druck);
        platform::setSheetHook(nullptr);
        QVERIFY(!w->B_next->isEnabled());
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
