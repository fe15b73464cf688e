// Lesson 7: functions whose magnitude has no constant limit at low
// frequencies, because of poles or zeros at the origin (I and D parts).
// Example 1 is read off a given magnitude diagram and completed by its
// phase; examples 2 and 3 construct the whole Bode diagram from G(s).
#include "construction/result_text.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"

namespace {

using result_text::lines;


const QString construction_date = QStringLiteral("07.11.07");

// Example 1, G(s) = (10 / s) · (1 + s/50) / (1 + s/5): -20, -40 and -20 dB
// per decade.
void draw_example_1()
{
    draw_given_magnitude({{0.1L, 40}, {5, 6.021L}, {50, -33.979L}, {1000, -60}});
}

ConstructionPage construction(const char* id, const char* example, const QString& suffix)
{
    ConstructionPage page;
    page.state = example_state(id, example);
    page.title = example_title(page.state, suffix);
    page.date = construction_date;
    return page;
}

} // namespace

// ------------------------------------------------------------ example 1

void page_07_01()
{
    QuestionPage page;
    page.state = example_state("07_01", "1");
    page.title = example_title(page.state, QStringLiteral(". Beispiel  |G(jw->0)| # konstant"));
    page.date = QStringLiteral("09.11.07");
    page.questions = {
        lines({QStringLiteral("1. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie für die minimalphasige und stabile Funktion die Steigungen in   ") +
                   unbroken(QStringLiteral("dB / Dekade ,")) +
                   QStringLiteral(" die bei wachsender Frequenz im Betragsfrequenzgang auftreten.")}),
        // Asked as "which elementary function(s)", the PD and PT1 parts of
        // the function would be true answers scored wrong; the question is
        // about the D and I parts that set the slope for w -> 0.
        lines({QStringLiteral("2. Aufgabe: "), QString(),
               QStringLiteral("Welche der Elementarfunktionen D bzw. I enthält die dargestellte Funktion ?")}),
        lines({QStringLiteral("3. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie alle Kennwerte der Übertragungs-Funktion der Form"),
               QStringLiteral("G(s) = [ K / s ] · [ ( 1 + s / wo_1 ) ··· ] / [ ( 1 + s / wx_1 ) ··· ]."),
               QStringLiteral("Reihenfolge bei der Lösung:    K;    wo_1;    wx_1")}),
        lines({QStringLiteral("4. Aufgabe: "), QString(),
               QStringLiteral("Geben Sie die Lage aller Pol- und Nullstellen in der s-Ebene an."),
               QStringLiteral("Reihenfolge bei der Lösung:   sx1, sx_2, ... ;  so_1, so_2, ...")}),
        lines({QStringLiteral("5. Aufgabe: "), QString(),
               QStringLiteral("Gegen welchen Wert strebt der Phasenwinkel für   w -> oo  ?")}),
    };
    page.solutions = {
        lines({QStringLiteral("Lösung zur 1. Aufgabe:"), QStringLiteral("0  < w <= 5   :  - 20 dB / Dekade"),
               QStringLiteral("5  < w <= 50  :  - 40 dB / Dekade"),
               QStringLiteral("        w > 50   :  - 20 dB / Dekade")}),
        lines({QStringLiteral("Lösung zur 2. Aufgabe:"), QString(),
               QStringLiteral("Aus der Steigung des Frequenzgangs für w->0 [ - 20 dB / Dekade ] folgt, "),
               QStringLiteral("dass in G(s) ein [ einfaches ] I-Verhalten der Form   K / s   enthalten ist.")}),
        lines({QStringLiteral("Lösung zur 3. Aufgabe:"),
               QStringLiteral("Da | G ( w = 1 ) | = 10   gilt bei Betrachtung des I-Anteils:   K = 10 "),
               QStringLiteral("wo_1 = 50  [ Knick nach oben, einfache Nullstelle bei so_1 = -50 ]"),
               QStringLiteral("wx_1 =  5    [ Knick nach unten, einfache Polstelle bei sx_1 = -5 ];")}),
        lines({QStringLiteral("Lösung zur 4. Aufgabe:"), QString(),
               QStringLiteral("Die Übertragungs-Funktion ist vom Grad n = 2. Alle Singularitäten sind einfach."),
               QStringLiteral("Pole: sx_1 = 0, sx_2 = -5;  Nullstellen: so_1 = -50, so_2 => oo")}),
        lines({QStringLiteral("Lösung zur 5. Aufgabe:"), QString(),
               QStringLiteral("Da die Nennerordnung [ nn = 2 ] um 1 höher ist als die Zählerordnung [ nz = 1 ]"),
               QStringLiteral("geht der Phasenwinkel für   w->oo  bei dieser minimalphasigen Funktion"),
               QStringLiteral("gegen den Wert    Phi(w->oo) = ( nz - nn )·90° = - 90°")}),
    };
    page.options = {
        QStringList{choose_solution, QStringLiteral(" -40, -60, -40"), QStringLiteral(" -40, -80, -40"),
                    QStringLiteral(" -10, -20, -10"), QStringLiteral(" -20, -40, -20"),
                    QStringLiteral(" -20, -40, +20"), QStringLiteral("  20,  40,  20"),
                    QStringLiteral("   20, -40,   20")},
        QStringList{choose_solution, QStringLiteral(" D"), QStringLiteral(" I"), QStringLiteral(" D und I"),
                    QStringLiteral(" keine"), QStringLiteral(" PI"), QStringLiteral(" PD"), QStringLiteral(" PT1")},
        // Items 3 and 6 read the same and neither is the key.
        QStringList{choose_solution, QStringLiteral(" 20; 5; 50"), QStringLiteral(" 100; 5; 50"),
                    QStringLiteral(" 100; 50; 5"), QStringLiteral(" 10; 50; 5"), QStringLiteral(" 20; 50; 5"),
                    QStringLiteral(" 100; 50; 5"), QStringLiteral(" 0.1; 50; 5")},
        QStringList{choose_solution, QStringLiteral(" oo, 50;  5, 0"), QStringLiteral(" oo, 5;  50, 0"),
                    QStringLiteral(" 0, oo;  5, 50"), QStringLiteral(" 0, 5/sec;  50/sec, oo"),
                    QStringLiteral(" 0, -5/sec; -50/sec, oo"), QStringLiteral(" 0, -5;  -50, oo"),
                    QStringLiteral(" 0, -50; -5, oo")},
        QStringList{choose_solution, QStringLiteral("  + 270°"), QStringLiteral("  + 180°"),
                    QStringLiteral("    + 90°"), QStringLiteral("       0°"), QStringLiteral("    - 90°"),
                    QStringLiteral("   - 180°"), QStringLiteral("   - 270°")},
    };
    page.key = {4, 2, 4, 6, 5};
    page.chart = chart_of({0.1L, 1000, 0.001L, 100, -180, 90, false, false}, true, false);
    page.curves = draw_example_1;
    show_question_page(page);
}

void page_07_02()
{
    ConstructionPage page = construction("07_02", "1", phase_suffix);
    page.chart = {0.1L, 1000, 0.001L, 100, -180, 90, false, false};
    page.problem = phase_problem();
    page.steps = {subtasks_07_02, results_07_02};
    page.sheet = fixed_sheet({.mm_per_20dB = 30, .mm_per_90deg = 30, .draw_magnitude = true, .mark_magnitude = true});
    page.given = draw_example_1;
    show_construction_page(page);
}

// ------------------------------------------------------------ examples 2 and 3

// Examples 2 and 3 give only G(s); the chart stays empty until the interim
// results draw into it.

void page_07_03()
{
    ConstructionPage page = construction("07_03", "2", example_suffix);
    page.chart = {1E-4L, 1000, 1, 1000, -90, 90, false, false};
    page.problem = QStringLiteral("Gegeben ist die Übertragungs-Funktion ") + crlf + crlf +
                            QStringLiteral("                         100 s² + 101 s + 1") + crlf +
                            QStringLiteral("          G(s) =  ------------------------------ ") + crlf +
                            QStringLiteral("                                  s² + 20 s") + crlf;
    page.memo_height = 300;
    page.steps = {subtasks_07_03, results_07_03};
    page.sheet = fixed_sheet({.mm_per_20dB = 50, .mm_per_90deg = 45});
    show_construction_page(page);
}

void page_07_04()
{
    ConstructionPage page = construction("07_04", "3", example_suffix);
    page.chart = {0.01L, 100, 0.01L, 100, -360, 180, false, false};
    page.problem =
        QStringLiteral("Konstruieren Sie das Bode-Diagramm zur Übertragungs-Funktion ") + crlf + crlf +
        QStringLiteral("                                    100 · ( s² - s³ )") + crlf +
        QStringLiteral("          G(s) = ----------------------------------------------------------------------- ") +
        crlf +
        QStringLiteral("                       ( 1 + s ) · ( 1 + 10 s + 25 s² ) · ( 1 + 0.4s + 0.04 s² )") + crlf;
    page.memo_height = 300;
    page.steps = {subtasks_07_04, results_07_04};
    page.sheet = fixed_sheet({.mm_per_20dB = 22, .mm_per_90deg = 25});
    show_construction_page(page);
}

std::span<const PageFunction> lesson_7_pages()
{
    static constexpr PageFunction pages[] = {
        page_07_01, page_07_02, page_07_03, page_07_04,
    };
    return pages;
}
