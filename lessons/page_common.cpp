// Shared page building blocks of the lessons.
#include "lessons/page_common.h"

#include "app/Unit1.h"
#include "app/exercises.h"
#include "construction/result_text.h"

using result_text::lines;

void set_memo_text(const QStringList& lines)
{
    Form1->M_text->clear();
    Form1->M_text->setText(memo_text::lines(lines));
}

void line(int x1, int y1, int x2, int y2)
{
    Form1->Canvas.moveTo(x1, y1);
    Form1->Canvas.lineTo(x2, y2);
}

PageState example_state(const char* id, const char* example)
{
    const QString page = QString::fromLatin1(id);
    return {QString::number(page.left(2).toInt()), QString(), page, QString::fromLatin1(example)};
}

const QString phase_suffix = QStringLiteral(". Beispiel  Phasenwinkelverlauf");
const QString example_suffix = QStringLiteral(". Beispiel ");
const QString choose_solution = QStringLiteral("Lösung wählen");

QString task_title(const PageState& state, const QString& sections, const QString& part)
{
    return QStringLiteral("Aufgaben zur ") + state.lesson + QStringLiteral(". Lektion ,  ") + sections +
           QLatin1Char(' ') + state.section + part;
}

QString example_title(const PageState& state, const QString& suffix)
{
    return QStringLiteral("Lektion ") + state.lesson + QStringLiteral(" : ") + state.example + suffix;
}

void draw_given_magnitude(std::initializer_list<Vertex> vertices)
{
    set_mag_polygon(0, vertices);
    draw_mag_polygon(3, curve_colors[1]);
    for (int k = 2; k < mag_polygon.count; ++k)
        mark_mag_vertex(k);
}

void draw_given_phase(std::initializer_list<Vertex> vertices)
{
    set_phase_polygon(0, vertices);
    draw_phase_polygon(3, curve_colors[1]);
    for (int k = 2; k < phase_polygon.count; ++k)
        mark_phase_vertex(k);
}

QString phase_problem()
{
    return crlf + QStringLiteral("Konstruieren Sie unter der Annahme,") + crlf +
           QStringLiteral("dass die betrachtete Funktion minimalphasig ist und stabiles Verhalten besitzt") + crlf +
           QStringLiteral("den zum Betragsfrequenzgang gehörigen Phasenwinkelverlauf.") + crlf;
}
