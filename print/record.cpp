// The record of progress, drawn in sheet units of 0.1 mm.
#include "print/record.h"

#include "app/contents.h"
#include "app/state.h"
#include "platform/numfmt.h"
#include "platform/printer.h"

namespace {

QString percent(const Count& c)
{
    return numfmt::fixed(c.answered == 0 ? 0.0L : 100.0L * c.solved / c.answered, 2) + QStringLiteral(" %");
}

// One table row: a text on the left, then numbers right-aligned at the
// right ends of their columns.
void row(platform::Canvas& c, int y, const QString& text, const QStringList& numbers)
{
    static const int right_ends[] = {1330, 1560, 1730, 1900};
    c.textOut(100, y, text);
    for (int i = 0; i < numbers.size() && i < 4; ++i)
        c.textOut(right_ends[i] - c.textWidth(numbers.at(i)), y, numbers.at(i));
}

void rule(platform::Canvas& c, int y, int width = 3)
{
    const auto pen = platform::ScopedPen::part(c, width);
    c.moveTo(100, y);
    c.lineTo(1900, y);
}

} // namespace

bool print_progress_record(const CourseProgress& p, const QDateTime& when, const QStringList& lesson_names)
{
    platform::PrintJob job(QStringLiteral("FALKORIN-Lernstand"), QStringLiteral("Das Lernstandsblatt"));
    if (!job.begin())
        return false;
    platform::Canvas& c = job.canvas();
    c.pen = platform::Pen{};
    c.pen.width = 3;
    c.brush.style = platform::BrushStyle::Clear;
    c.font.color = Qt::black;
    c.font.name = QStringLiteral("Arial");

    c.font.height = 60;
    c.textOut(100, 80, QStringLiteral("FALKORIN  -  Lernstand"));
    c.font.height = 35;
    c.textOut(100, 170, QStringLiteral("Lernprogramm zum Bode-Diagramm"));
    const QString date = QStringLiteral("Stand: ") + when.toString(QStringLiteral("dd.MM.yyyy, HH:mm")) +
                         QStringLiteral(" Uhr");
    c.textOut(1900 - c.textWidth(date), 170, date);
    c.textOut(100, 300, QStringLiteral("Name:"));
    c.moveTo(260, 335);
    c.lineTo(1100, 335);

    int y = 440;
    c.font.height = 40;
    c.textOut(100, y, QStringLiteral("Lektionen"));
    y += 70;
    c.font.height = 32;
    row(c, y, QStringLiteral("Lektion"),
        {QStringLiteral("Seiten gesehen"), QStringLiteral("bearbeitet"), QStringLiteral("gelöst"),
         QStringLiteral("Prozent")});
    rule(c, y + 45);
    y += 65;
    int seen_in_course = 0;
    for (int l = 1; l <= 8; ++l) {
        const int pages = lesson_page_count[static_cast<size_t>(l)];
        int seen = 0;
        for (int page = 1; page <= pages; ++page)
            seen += p.seen.contains(course_page_id(l, page));
        seen_in_course += seen;
        const Count& n = p.lessons[static_cast<size_t>(l)];
        row(c, y, lesson_names.value(l - 1),
            {numfmt::integer(seen) + QStringLiteral(" von ") + numfmt::integer(pages), numfmt::integer(n.answered),
             numfmt::integer(n.solved), percent(n)});
        y += 55;
    }
    rule(c, y + 5, 2);
    y += 20;
    row(c, y, QStringLiteral("Alle Lektionen"),
        {numfmt::integer(seen_in_course) + QStringLiteral(" von 49"), numfmt::integer(p.total.answered),
         numfmt::integer(p.total.solved), percent(p.total)});

    y += 140;
    c.font.height = 40;
    c.textOut(100, y, QStringLiteral("Übungen mit der Maus"));
    y += 70;
    c.font.height = 32;
    row(c, y, QStringLiteral("Übung"),
        {QString(), QStringLiteral("bearbeitet"), QStringLiteral("richtig"), QStringLiteral("Prozent")});
    rule(c, y + 45);
    y += 65;
    const QString exercises[3] = {QStringLiteral("Punkte im Bode-Diagramm (Seite 03_01)"),
                                  QStringLiteral("Linien im Bode-Diagramm (Seiten 04_01 und 05_08)"),
                                  QStringLiteral("Konstanten von I- und D-Gliedern (Seite 05_07)")};
    for (size_t e = 0; e < 3; ++e) {
        const Count& n = p.exercises[e];
        row(c, y, exercises[e], {QString(), numfmt::integer(n.answered), numfmt::integer(n.solved), percent(n)});
        y += 55;
    }

    y += 110;
    c.font.height = 40;
    c.textOut(100, y, QStringLiteral("Letzte Auswertung der Aufgabenseiten"));
    y += 70;
    c.font.height = 32;
    row(c, y, QStringLiteral("Seite"), {QString(), QStringLiteral("bearbeitet"), QStringLiteral("gelöst")});
    rule(c, y + 45);
    y += 65;
    for (int l = 1; l <= 8; ++l)
        for (int page = 1; page <= lesson_page_count[static_cast<size_t>(l)]; ++page) {
            if (!is_question_page(l, page))
                continue;
            const QString id = course_page_id(l, page);
            const auto it = p.scores.constFind(id);
            const bool scored = it != p.scores.constEnd();
            row(c, y, id + QStringLiteral("   ") + contents_title(l, page),
                {QString(), scored ? numfmt::integer(it->answered) : QStringLiteral("-"),
                 scored ? numfmt::integer(it->solved) : QStringLiteral("-")});
            y += 50;
        }

    y += 40;
    c.font.height = 28;
    c.textOut(100, y, QStringLiteral("Jede Auswertung einer Aufgabenseite zählt; eine Seite kann mehrmals bearbeitet "
                                     "werden. \"-\": noch nicht ausgewertet."));
    return job.end();
}
