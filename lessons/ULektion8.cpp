// Lesson 8: the closing examples, three reverse problems. The transfer
// function is found from a given phase curve and one magnitude value, from
// a given magnitude curve, and from a complete Bode diagram.
#include "app/Unit1.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"

namespace {

const QString crlf = QStringLiteral("\r\n");

// Header suffix behind "Lektion 8 : " and the example number.
const QString suffix = QStringLiteral(". Beispiel");

} // namespace

void page_08_01()
{
    begin_example_page("08_01", "1");
    const QString problem =
        QStringLiteral("Von einer minimalphasigen und stabilen Funktion ist neben dem Verlauf des Phasenwinkels nur "
                       "der Betrag bei einer Kreisfrequenz bekannt:  | G ( jw = j0.1 ) | = 10.") +
        crlf + crlf +
        QStringLiteral("Ermitteln Sie den Betragsfrequenzgang und geben Sie die Übertragungs-Funktion G(s) an.") + crlf;
    show_construction_page({0.01L, 1E5L, 0.001L, 100, -90, 90, false, false}, problem, 280, example_title(suffix),
                           QStringLiteral("08.05.09"));
    draw_given_phase({{0.01L, -90}, {0.1L, -90}, {1, -45}, {1000, -45}, {1E4L, -90}, {1E5L, -90}});
    // The given magnitude value.
    mark_point(freq_to_x(0.1L), db_to_y(20), curve_colors[1], 2);
    // The printed sheet marks the corners of the magnitude store; until the
    // construction fills it, it would still hold another example's curve.
    clear_mag_polygon();
}

void page_08_02()
{
    begin_example_page("08_02", "2");
    const QString problem =
        crlf +
        QStringLiteral("Eine minimalphasige und stabile Funktion ist durch den Betragsfrequenzgang beschrieben.") +
        crlf + crlf +
        QStringLiteral("Ermitteln Sie den Phasenwinkelverlauf und geben Sie die Übertragungs-Funktion G(s) an.") + crlf;
    show_construction_page({1E-5L, 1E5L, 0.1L, 10, -180, 180, false, false}, problem, 280, example_title(suffix),
                           QStringLiteral("07.11.07"));
    draw_given_magnitude({{1E-5L, -10}, {1E-3L, -10}, {0.01L, 10}, {0.1L, -10}, {1, 10}, {10, -10}, {100, 10},
                          {1000, -10}, {1E5L, -10}});
}

// The last page of the program: its subtasks keep "Weiter zur nächsten
// Seite" disabled.
void page_08_03()
{
    begin_example_page("08_03", "3");
    const QString problem =
        crlf + QStringLiteral("Ermitteln Sie aus dem dargestellten Bode-Diagramm die Übertragungs-Funktion G(s).") +
        crlf + crlf;
    show_construction_page({0.01L, 1000, 0.01L, 100, -180, 180, false, false}, problem, 280, example_title(suffix),
                           QStringLiteral("07.11.07"));
    draw_given_magnitude({{0.01L, 33.98L}, {5, -20}, {1000, 26.02L}});
    draw_given_phase({{0.01L, -90}, {1000, -90}});
}
