// Lesson 6: functions whose magnitude tends to a constant at low frequencies.
// Examples 1 and 2 are read off a given magnitude diagram and then completed
// by constructing the phase; example 3 detects an all-pass; example 4
// constructs the whole Bode diagram from G(s).
#include "construction/Uallgemein.h"
#include "construction/result_text.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"

#include <initializer_list>

namespace {

using result_text::lines;


// Header suffix of the read-off pages behind "Lektion 6 : " and the example number.
const QString read_off_suffix = QStringLiteral(". Beispiel  |G(jw->0)| = K = konstant");

const QString task_date = QStringLiteral("15.05.09");
const QString construction_date = QStringLiteral("07.11.07");

void draw_example_1()
{
    draw_given_magnitude({{0.01L, 30}, {1, 30}, {100, -10}, {1E4L, -10}, {1E6L, -90}});
}

void draw_example_2()
{
    draw_given_magnitude({{0.1L, 20}, {2, 20}, {10, 6.02L}, {50, -21.94L}, {464.2L, -80}});
}

// ------------------------------------------------------------ task pages

// Options whose every item points to the solution text.
QStringList see_texts()
{
    QStringList items;
    for (int i = 0; i < 8; ++i)
        items << QStringLiteral("Lösung siehe \"Texte\"");
    return items;
}

// The title, date and chart of a task page.
void set_task_page(QuestionPage& page, const ChartSettings& range, bool phase)
{
    page.title = example_title(page.state, read_off_suffix);
    page.date = task_date;
    page.chart = chart_of(range, true, phase);
}

ConstructionPage construction(const char* id, const char* example, const ChartSettings& range,
                              const QString& problem, int text_height, const QString& suffix)
{
    ConstructionPage page;
    page.state = example_state(id, example);
    page.title = example_title(page.state, suffix);
    page.date = construction_date;
    page.chart = range;
    page.problem = problem;
    page.memo_height = text_height;
    return page;
}

} // namespace

// ------------------------------------------------------------ example 1

void page_06_01()
{
    QuestionPage page;
    page.state = example_state("06_01", "1");
    page.questions = {
        lines({QStringLiteral("1. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie den Wert der Konstante K als Zahl und in dB.")}),
        lines({QStringLiteral("2. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie die Anzahl nx , die Lage sx"),
               QStringLiteral("und die Vielfachheiten vx der Polstellen."),
               QStringLiteral("Die Lösung wird wie folgt angezeigt :   nx ; [ sx_1, vx_1 ] ; [ sx_2, vx_2 ] ; ...")}),
        lines({QStringLiteral("3. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie die Anzahl no , die Lage so"),
               QStringLiteral("und die Vielfachheiten vo der Nullstellen."),
               QStringLiteral("Die Lösung wird wie folgt angezeigt :   no ; [ so_1, vo_1 ] ; [ so_2, vo_2 ] ; ...")}),
        lines({QStringLiteral("4. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie die Werte der Eckkreisfrequenzen wx_n, die als Folge der Polstellen "
                              "auftreten.    Die Lösung wird wie folgt angezeigt :    wx1  ; wx_2 ; ...")}),
        lines({QStringLiteral("5. Aufgabe: "), QString(),
               QStringLiteral("Geben Sie die zum Bode-Diagramm gehörige Übertragungs-Funktion  G(s)"),
               QStringLiteral("in der Form     G ( s ) = K [( 1 + s / wo_1 )··· ] / [ ( 1 + s / wx_1 )···]   an. ")}),
    };
    page.solutions = {
        lines({QStringLiteral("Lösung zur 1. Aufgabe:"), QString(),
               QStringLiteral("Der Wert der Konstante K entspricht der Verstärkung bei w->0."),
               QStringLiteral("K = | G ( 0 ) | = 31.62 => +30 dB")}),
        lines({QStringLiteral("Lösung zur 2. Aufgabe:"), QString(),
               QStringLiteral("1. Knick um -20 dB/Dek bei wx_1=1:      sx_1=-1;      vx_1=1;"),
               QStringLiteral("2. Knick um -40 dB/Dek bei wx_2=1E4: sx_2=-1E4; vx_2=2;  nx = vx_1+vx_2=3.")}),
        lines({QStringLiteral("Lösung zur 3. Aufgabe:"), QString(),
               QStringLiteral("Nur ein Knick um +20 dB/Dek bei wo_1=100:      so_1=-100;      vo_1=1;"),
               QStringLiteral("Durch den Gradunterschied entstehen die beiden Nullstellen bei so_2,3->oo.")}),
        lines({QStringLiteral("Lösung zur 4. Aufgabe:"), QString(),
               QStringLiteral("Nach Gl.(1.18) gilt wx_n = |sx_n| :   wx_1 = 1 [ einfach ];   wx_2 = 1E4 [ doppelt ]")}),
        lines({QStringLiteral("Lösung zur 5. Aufgabe:"), QString(),
               QStringLiteral("                           31.623·( 1 + s / 100 )   "),
               QStringLiteral("          G ( s ) = -------------------------------- "),
               QStringLiteral("                           ( 1 + s )·( 1 + s / 1E4 )²")}),
    };
    page.options = {
        QStringList{choose_solution, QStringLiteral(" 30 dB"), QStringLiteral(" 30"), QStringLiteral(" 31.62 dB"),
                    QStringLiteral(" 31.62"), QStringLiteral(" 30 dB ;  31.62"), QStringLiteral(" 31.62 ;  30 dB"),
                    QStringLiteral(" 30 ;  31.62 dB")},
        QStringList{choose_solution, QStringLiteral(" 2 ;  [ 1, 1 ] ;  [ 1E4, 1 ]"),
                    QStringLiteral(" 2 ;  [ -1, 1  ];  [ -1E4, 1 ]"), QStringLiteral(" 3 ;  [ 1, 1 ] ;  [ 1E4, 2 ]"),
                    QStringLiteral(" 3 ;  [ -1, 1 ] ;  [ -1E4, 2 ]"), QStringLiteral(" 4 ;  [ -1, 2 ] ;  [ 1E4, 2 ]"),
                    QStringLiteral(" 4 ;  [ 1, 2 ] ;  [ 1E4, 2 ]"), QStringLiteral(" 5 ;  [ -1, 2 ] ;  [ -1E4, 3 ]")},
        QStringList{choose_solution, QStringLiteral(" 1 ;  [ -1E2, 1 ]"), QStringLiteral(" 1 ;  [ -1E2, 2 ]"),
                    QStringLiteral(" 2 ;  [ 1E-2, 1 ] ;  [ 1E2, 1 ]"),
                    QStringLiteral(" 2 ;  [ -1E-2, 1  ];  [ -1E2, 1 ]"), QStringLiteral(" 3 ;  [ 1E2, 3 ] "),
                    QStringLiteral(" 3 ;  [ -1E2, 3 ]"), QStringLiteral(" 3 ;  [ -1E2, 1 ] ;  [ oo, 2 ]")},
        QStringList{choose_solution, QStringLiteral(" 1E-4;  1E-2;  1"), QStringLiteral(" 1E-4;  1E-4;  1"),
                    QStringLiteral(" 1E-4;  1;   1E2"), QStringLiteral(" 1;    1E4;  1E4"),
                    QStringLiteral(" 1E-2;   1;   1E2"), QStringLiteral(" 1E2;   oo;   oo"),
                    QStringLiteral(" 1;   1E4")},
        see_texts(),
    };
    page.key = {6, 4, 7, 4, 0};
    set_task_page(page, {0.01L, 1E6L, 1E-5L, 100, -360, 360, false, false}, false);
    page.curves = draw_example_1;
    show_question_page(page);
}

void page_06_02()
{
    ConstructionPage page =
        construction("06_02", "1", {0.01L, 1E6L, 1E-5L, 100, -180, 180, false, false}, phase_problem(), 280, phase_suffix);
    page.steps = {subtasks_06_02, results_06_02};
    page.sheet = fixed_sheet({.mm_per_20dB = 15, .mm_per_90deg = 30, .draw_magnitude = true, .mark_magnitude = true});
    page.given = draw_example_1;
    show_construction_page(page);
}

// ------------------------------------------------------------ example 2

void page_06_03()
{
    QuestionPage page;
    page.state = example_state("06_03", "2");
    page.questions = {
        lines({QStringLiteral("1. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie den Wert der Konstante K in dB und als Zahl.")}),
        lines({QStringLiteral("2. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie die Anzahl   nx , die Lage   sx"),
               QStringLiteral("und die Vielfachheiten    vx    der Polstellen."),
               QStringLiteral("Die Lösung wird wie folgt angezeigt :   nx ; [ sx_1, vx_1 ] ; [ sx_2, vx_2 ] ; ...")}),
        lines({QStringLiteral("3. Aufgabe: "), QString(),
               QStringLiteral("Welche Steigungen [ in dB / Dekade ] treten im Betragsfrequenzgang auf ?"),
               QStringLiteral("Geben Sie die Werte in der Reihenfolge für steigende Frequenzen an.")}),
        lines({QStringLiteral("4. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie die Werte der Eckkreisfrequenzen wx_n, die als Folge der Polstellen "
                              "auftreten.    Die Lösung wird wie folgt angezeigt :    wx_1  ; wx_2 ; ...")}),
        lines({QStringLiteral("5. Aufgabe: "), QString(),
               QStringLiteral("Geben Sie die zum Bode-Diagramm gehörige Übertragungs-Funktion  G(s)"),
               QStringLiteral("in der Form     G ( s ) = K [( 1 + s / wo_1 )··· ] / [ ( 1 + s / wx_1 )···]   an. ")}),
    };
    page.solutions = {
        lines({QStringLiteral("Lösung zur 1. Aufgabe:"), QString(),
               QStringLiteral("Der Wert von K entspricht der Verstärkung bei w->0 : K = |G(0)| = 20 dB => 10")}),
        lines({QStringLiteral("Lösung zur 2. Aufgabe:   Es treten 3 Knicke mit je -20 dB/Dek auf bei"),
               QStringLiteral("                    wx_1=2:        sx_1=-2;       vx_1=1;"),
               QStringLiteral("                    wx_2=10:      sx_2=-10;     vx_2=1;"),
               QStringLiteral("                    wx_3=50:      sx_3=-50;     vx_3=1;")}),
        lines({QStringLiteral("Lösung zur 3. Aufgabe:"), QString(),
               QStringLiteral("w<2: 0 dB/Dek;  2<w<10: -20 dB/Dek; 10<w<50: -40 dB/Dek; w>50: -60 dB/Dek;"),
               QString()}),
        lines({QStringLiteral("Lösung zur 4. Aufgabe:"), QString(),
               QStringLiteral("Nach Gl.(1.18) gilt wx_n = |sx_n| :   wx_1 = 2;   wx_2 = 10;   wx_3 = 50")}),
        lines({QStringLiteral("Lösung zur 5. Aufgabe:"), QString(),
               QStringLiteral("                                                    10   "),
               QStringLiteral("          G ( s ) = ------------------------------------------------ "),
               QStringLiteral("                          ( 1 + s / 2 )·( 1 + s / 10 )·(1 + s / 50 )")}),
    };
    page.options = {
        QStringList{choose_solution, QStringLiteral(" 10 dB"), QStringLiteral(" 10"), QStringLiteral(" 20 dB"),
                    QStringLiteral(" 20"), QStringLiteral(" 20 dB ;  10"), QStringLiteral(" 10 ;  20 dB"),
                    QStringLiteral(" 20 ;  20 dB")},
        QStringList{choose_solution, QStringLiteral(" 3;  [2,1];  [10,1]; [50,1] "),
                    QStringLiteral(" 3;  [0.02,1];  [0.1,1]; [0.5,1] "),
                    QStringLiteral(" 3;  [-2,1];  [-10,1]; [-50,1]"), QStringLiteral(" 4;  [-2,1];  [-10,2]; [-50,1]"),
                    QStringLiteral(" 5;  [-2,1];  [-10,1]; [-50,3]"), QStringLiteral(" 5;  [-2,1];  [-10,2]; [-50,2]"),
                    QStringLiteral(" 6;  [-2,1];  [-10,2]; [-50,3]")},
        QStringList{choose_solution, QStringLiteral(" 0; 10; 20; 30"), QStringLiteral(" 0; 20; 40; 60"),
                    QStringLiteral(" 0; 20; 40"), QStringLiteral(" 0; -10; -20; -30"),
                    QStringLiteral(" 0; -20; -40; -60"), QStringLiteral(" 0; -20; -40"),
                    QStringLiteral(" 0; -20; -60")},
        QStringList{choose_solution, QStringLiteral(" 0.02;  0.1;  0.5"), QStringLiteral(" -0.02;  -0.1;  -0.5"),
                    QStringLiteral(" 2; 9; 50"), QStringLiteral(" 3; 10; 50"), QStringLiteral(" 2; 10; 60"),
                    QStringLiteral(" 2; 10; 50"), QStringLiteral(" 1; 10; 100")},
        see_texts(),
    };
    page.key = {5, 3, 5, 6, 6};
    set_task_page(page, {0.1L, 1000, 1E-4L, 100, -540, 0, false, false}, false);
    page.curves = draw_example_2;
    show_question_page(page);
}

void page_06_04()
{
    ConstructionPage page =
        construction("06_04", "2", {0.1L, 1000, 1E-4L, 100, -270, 0, false, false}, phase_problem(), 280, phase_suffix);
    page.steps = {subtasks_06_04, results_06_04};
    page.sheet = fixed_sheet({.mm_per_20dB = 20, .mm_per_90deg = 40, .draw_magnitude = true, .mark_magnitude = true});
    page.given = draw_example_2;
    show_construction_page(page);
}

// ------------------------------------------------------------ example 3

void page_06_05()
{
    QuestionPage page;
    page.state = example_state("06_05", "3");
    page.questions = {
        lines({QStringLiteral("1. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie ausgehend vom >>BETRAGSFREQUENZGANG<< die modifizierte "
                              "Übertragungs-Funktion  G®(s)"),
               QStringLiteral("in der Form     G® ( s ) = K [( 1 + s / wo_1 )··· ] / [ ( 1 + s / wx_1 )···] . ")}),
        lines({QStringLiteral("2. Aufgabe: "), QString(),
               QStringLiteral("Welche Steigung besitzt der Betragsfrequenzgang bei  w->oo   ?"),
               QStringLiteral("Welcher Gradunterschied GU = Grad{Zählerpolynom} - Grad{Nennerpolynom} "),
               QStringLiteral("GU = nz - nn   besteht bei  der Übertragungs-Funktion  G®(s)  der 1. Aufgabe ?")}),
        lines({QStringLiteral("3. Aufgabe: "), QString(),
               QStringLiteral("Drucken Sie ein Diagramm-Formular aus und konstruieren Sie den Verlauf des "
                              "Phasenwinkels  Phi®(w) zur Übertragungs-Funktion G®(s) der 1. Aufgabe."),
               QStringLiteral("Welchen Endwert des Phasenwinkels   Phi(w->oo)   erhalten Sie ?")}),
        lines({QStringLiteral("4. Aufgabe: "), QString(),
               QStringLiteral("Ermitteln Sie die Differenz zwischen dem gegebenen und dem in der"),
               QStringLiteral("3. Aufgabe ermittelten Phasenwinkelverlauf. Wodurch entsteht die Differenz ? "
                              "Welchen Wert hat die zugehörige Kenngröße [ als Zeitkonstante ]?")}),
        lines({QStringLiteral("5. Aufgabe: "), QString(),
               QStringLiteral("Geben Sie die zum Bode-Diagramm gehörige, vollständige Übertragungs-Funktion  G(s)   "
                              "in der Form"),
               QStringLiteral("    G ( s ) = K [( 1 + s / wo_1 )··· ] / [ ( 1 + s / wx_1 )···]   an. ")}),
    };
    page.solutions = {
        lines({QStringLiteral("Lösung zur 1. Aufgabe:"),
               QStringLiteral("                                    5.6234 · ( 1 + s / [0.2/sec] )   "),
               QStringLiteral("          G® ( s ) = ----------------------------------------------------- "),
               QStringLiteral("                           ( 1 + s / [0.02/sec] ) · ( 1 + s / [20/sec] )")}),
        lines({QStringLiteral("Lösung zur 2. Aufgabe:"), QString(),
               QStringLiteral("Die Steigung beträgt - 20 dB / Dekade und deshalb gilt für G®(s) : GU = -1 ")}),
        lines({QStringLiteral("Lösung zur 3. Aufgabe:"), QString(),
               QStringLiteral("Zu einem Gradunterschied GU = -1 gehört der Endwert  Phi(w->oo) = -90°")}),
        lines({QStringLiteral("Lösung zur 4. Aufgabe:"), QString(),
               QStringLiteral("Verantwortlich für die zusätzliche Winkeländerung um -180° ist ein AP1."),
               QStringLiteral("Seine Eckfrequenz liegt bei   w1 = 200 / sec    =>    T1 = 1 / w1 = 5E-3 sec")}),
        lines({QStringLiteral("Lösung zur 5. Aufgabe:"), QString(),
               QStringLiteral("                                   5.6234 · ( 1 + s / [0.2/sec] )                  "
                              "( 1 - s / [200/sec] )"),
               QStringLiteral("          G ( s ) = ----------------------------------------------------- · "
                              "--------------------------"),
               QStringLiteral("                          ( 1 + s / [0.02/sec] ) · ( 1 + s / [20/sec] )     "
                              "( 1 + s / [200/sec] )")}),
    };
    page.options = {
        see_texts(),
        QStringList{choose_solution, QStringLiteral(" -40 dB/Dekade; GU = -1"),
                    QStringLiteral(" -40 dB/Dekade; GU = -2"), QStringLiteral(" -20 dB/Dekade; GU = -2"), QStringLiteral(" -20 dB/Dekade; GU = -1"),
                    QStringLiteral(" -20 dB/Dekade; GU = 0"), QStringLiteral(" -20 dB/Dekade; GU = +1"),
                    QStringLiteral(" -20 dB/Dekade; GU = +2")},
        QStringList{choose_solution, QStringLiteral(" -270°"), QStringLiteral(" -180°"), QStringLiteral("  -90°"),
                    QStringLiteral("   0°"), QStringLiteral("  +90°"), QStringLiteral(" +180°"),
                    QStringLiteral(" +270°")},
        QStringList{choose_solution, QStringLiteral("5E-3 sec"), QStringLiteral("5E-3"), QStringLiteral("200 sec"),
                    QStringLiteral("200 / sec"), QStringLiteral("5E-2 sec"), QStringLiteral("5E-1 sec"),
                    QStringLiteral("5E-2 / sec")},
        see_texts(),
    };
    page.key = {0, 4, 3, 1, 0};
    set_task_page(page, {1E-4L, 1E4L, 0.001L, 10, -270, 90, false, true}, true);
    // The third question asks for a printed diagram sheet.
    page.sheet = fixed_sheet({.mm_per_20dB = 25, .mm_per_90deg = 32, .draw_magnitude = true, .mark_magnitude = true,
                              .draw_phase = true, .mark_phase = true});
    page.curves = [] {
        draw_given_magnitude({{1E-4L, 15}, {0.02L, 15}, {0.2L, -5}, {20, -5}, {1E4L, -58.98L}});
        draw_given_phase({{1E-4L, 0}, {2E-3L, 0}, {0.02L, -45}, {0.2L, -45}, {2, 0}, {20, -45}, {200, -180},
                          {2000, -270}, {1E4L, -270}});
    };
    show_question_page(page);
}

// ------------------------------------------------------------ example 4

void page_06_06()
{
    // The blanks centre numerator and denominator over the fraction bar in
    // the memo's Arial 18.
    const QString problem =
        QStringLiteral("Gegeben ist die Übertragungs-Funktion ") + crlf + crlf +
        QStringLiteral("                                          ( s + 2E0 / sec ) · ( s + 2E3 / sec )") + crlf +
        QStringLiteral("          G(s) = 2E2 / sec · ------------------------------------------------ ") + crlf +
        QStringLiteral("                                          ( s + 5E1 / sec ) · ( s + 4E2 / sec )²") + crlf;
    ConstructionPage page =
        construction("06_06", "4", {0.1L, 1E5L, 0.001L, 10, -180, 90, false, true}, problem, 300, example_suffix);
    page.steps = {subtasks_06_06, results_06_06};
    page.sheet = fixed_sheet({.mm_per_20dB = 30, .mm_per_90deg = 40});
    show_construction_page(page);
}

std::span<const PageFunction> lesson_6_pages()
{
    static constexpr PageFunction pages[] = {
        page_06_01, page_06_02, page_06_03, page_06_04, page_06_05, page_06_06,
    };
    return pages;
}
