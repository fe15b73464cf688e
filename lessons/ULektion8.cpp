// Lesson 8: the closing examples, three reverse problems. The transfer
// function is found from a given phase curve and one magnitude value, from
// a given magnitude curve, and from a complete Bode diagram.
#include "app/state.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"

namespace {


// Header suffix behind "Lektion 8 : " and the example number.
const QString suffix = QStringLiteral(". Beispiel");

ConstructionPage construction(const char* id, const char* example, const char* date)
{
    ConstructionPage page;
    page.state = example_state(id, example);
    page.title = example_title(page.state, suffix);
    page.date = QString::fromLatin1(date);
    return page;
}

} // namespace

void page_08_01()
{
    ConstructionPage page = construction("08_01", "1", "08.05.09");
    page.problem =
        QStringLiteral("Von einer minimalphasigen und stabilen Funktion ist neben dem Verlauf des Phasenwinkels nur "
                       "der Betrag bei einer Kreisfrequenz bekannt:  | G ( jw = j0.1 ) | = 10.") +
        crlf + crlf +
        QStringLiteral("Ermitteln Sie den Betragsfrequenzgang und geben Sie die Übertragungs-Funktion G(s) an.") + crlf;
    page.chart = {0.01L, 1E5L, 0.001L, 100, -90, 90, false, false};
    page.steps = {subtasks_08_01, results_08_01};
    page.sheet = fixed_sheet({.mm_per_20dB = 32, .mm_per_90deg = 40, .mark_magnitude = true, .draw_phase = true,
                              .mark_phase = true});
    page.given = [] {
        draw_given_phase({{0.01L, -90}, {0.1L, -90}, {1, -45}, {1000, -45}, {1E4L, -90}, {1E5L, -90}});
        // The given magnitude value.
        mark_point(freq_to_x(0.1L), db_to_y(20), curve_colors[1], 2);
        // The printed sheet marks the corners of the magnitude store; until the
        // construction fills it, it would still hold another example's curve.
        clear_mag_polygon();
    };
    show_construction_page(page);
}

void page_08_02()
{
    ConstructionPage page = construction("08_02", "2", "07.11.07");
    page.problem =
        crlf +
        QStringLiteral("Eine minimalphasige und stabile Funktion ist durch den Betragsfrequenzgang beschrieben.") +
        crlf + crlf +
        QStringLiteral("Ermitteln Sie den Phasenwinkelverlauf und geben Sie die Übertragungs-Funktion G(s) an.") + crlf;
    page.chart = {1E-5L, 1E5L, 0.1L, 10, -180, 180, false, false};
    page.steps = {subtasks_08_02, results_08_02};
    page.sheet = fixed_sheet({.mm_per_20dB = 50, .mm_per_90deg = 35, .draw_magnitude = true, .mark_magnitude = true});
    page.given = [] {
        draw_given_magnitude({{1E-5L, -10}, {1E-3L, -10}, {0.01L, 10}, {0.1L, -10}, {1, 10}, {10, -10}, {100, 10},
                              {1000, -10}, {1E5L, -10}});
    };
    show_construction_page(page);
}

// The last page of the program, and one of the two ways into the own example.
void page_08_03()
{
    ConstructionPage page = construction("08_03", "3", "07.11.07");
    page.problem =
        crlf + QStringLiteral("Ermitteln Sie aus dem dargestellten Bode-Diagramm die Übertragungs-Funktion G(s).") +
        crlf + crlf;
    page.chart = {0.01L, 1000, 0.01L, 100, -180, 180, false, false};
    page.steps = {subtasks_08_03, results_08_03};
    page.sheet = fixed_sheet({.mm_per_20dB = 30, .mm_per_90deg = 30, .draw_magnitude = true, .mark_magnitude = true,
                              .draw_phase = true, .mark_phase = true});
    page.last_page = true;
    page.own_example_button = true;
    page.given = [] {
        draw_given_magnitude({{0.01L, 33.98L}, {5, -20}, {1000, 26.02L}});
        draw_given_phase({{0.01L, -90}, {1000, -90}});
    };
    show_construction_page(page);
}

std::span<const PageFunction> lesson_8_pages()
{
    static constexpr PageFunction pages[] = {
        page_08_01, page_08_02, page_08_03,
    };
    return pages;
}
