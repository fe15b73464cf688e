// Lesson 5: the task pages that close the sections 5.1 to 5.5. Each shows
// an example in the chart and poses five questions on it and on the section.
#include "app/Unit1.h"
#include "construction/Uallgemein.h"
#include "lessons/ULektion5.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"

#include <cmath>
#include <initializer_list>

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

PageState state(const char* section, const char* id)
{
    return {QStringLiteral("5"), QString::fromLatin1(section), QString::fromLatin1(id)};
}

// The title, date and chart of a task page.
void set_task_page(QuestionPage& page, const ChartSettings& range, bool phase, const char* date)
{
    page.title = task_title(page.state);
    page.date = QString::fromLatin1(date);
    page.chart = chart_of(range, true, phase);
}

// A straight magnitude line and, beside it, the number the questions call
// it by, in the line's colour and the chart's font.
void numbered_line(const QColor& color, Vertex from, Vertex to, const char* number, Vertex label)
{
    set_mag_polygon(0, {from, to});
    draw_mag_polygon(2, color);
    platform::Canvas& c = Form1->Canvas;
    c.font.name = QStringLiteral("Arial");
    c.font.height = 14;
    c.font.color = color;
    c.textOut(freq_to_x(label.freq), db_to_y(label.value), QString::fromLatin1(number));
    c.font.color = Qt::black;
}

} // namespace

// ---------------------------------------------------------------------------
// 05_02: PT1 element

void page_05_02()
{
    QuestionPage page;
    page.state = state("5.1", "05_02");
    page.questions = {
        QStringLiteral("1. Aufgabe: \r\n\r\n"
                       "Ermitteln Sie aus dem Bode-Diagramm auf der linken Seite die zugehörigen "
                       "Kennwerte  K1  und  wx_1   für das PT1-Glied."),
        QStringLiteral("2. Aufgabe: \r\n\r\n"
                       "Bei  f = 150 erreicht der Winkel erstmals den Wert -90°  und für den Betrag der "
                       "Funktion bei  f = 1.2  gilt |G(jf)| = -20 dB.\r\n"
                       "Ermitteln Sie daraus die Kennwerte  K2  und  fx_2  für das PT1-Glied."),
        QStringLiteral("3. Aufgabe: \r\n\r\n"
                       "Es gilt  |G(jw = j5E3)| = 20 dB    und   bei  w=5E2  beträgt der Winkel -45°.\r\n"
                       "Berechnen Sie daraus die Kennwerte  K3  und  fx_3  für das PT1-Glied."),
        QStringLiteral("4. Aufgabe: \r\n\r\n"
                       "Gegeben  sind   a.) Phi( jf =j200) = -45°;   b.) |G( jf =j1E3)| = 10.\r\n"
                       "Berechnen Sie daraus die Kennwerte  K3  und  fx_3  für das PT1-Glied."),
        QStringLiteral("5. Aufgabe: \r\n\r\n"
                       "Berechnen Sie nach den Abschnitten 2.4.1 und 2.4.2 die Werte K5 und wx_5\r\n"
                       "aus  |G(jw = j2.1544)| = +23.333 dB;  Phi(jw = j2.1544) = -60°."),
    };
    page.solutions = {
        QStringLiteral("Lösung zur 1. Aufgabe:\r\n\r\n"
                       "|K1| = |G(0)| = 25 dB => 10^(25/20) = 17.783;  da Phi(0) = -180° -> K1 = -17.783;\r\n"
                       "wx_1 = 4 1/sec;   Einheit nötig, da Diagramm auch mit Einheit!"),
        QStringLiteral("Lösung zur 2. Aufgabe:\r\n\r\n"
                       "f = 150 = 10·fx_2 ; fx_2 = 15 [ ohne Einheit ];  |G(f=1.2)| = |G(0)| = K2 = 0.1"),
        QStringLiteral("Lösung zur 3. Aufgabe:\r\n\r\n"
                       "Aus Phi(w=5E2) = -45° folgt  wx_3 = 5E2 = 500    und wenn bei   w = 5E3  |G| = "
                       "10  auftritt, folgt daraus eine Dekade tiefer (bei wx_3): |G(jwx_3)| = 100 = |G(0)| = "
                       "K3."),
        QStringLiteral("Lösung zur 4. Aufgabe:\r\n\r\n"
                       "-45° bei  fx_4 = 200 [ Keine Einheit, da Diagramm auch ohne Einheit ];\r\n"
                       "Damit |G(j5·fx_4)|=10, muss |G(jfx_4)| = |G(0)| = K4 =50 sein."),
        QStringLiteral("Lösung zur 5. Aufgabe:\r\n\r\n"
                       "Steigung = -45°/Dek: -60° treten deshalb auf bei w = wx_5·10^(1/3) -> wx_5 = 1\r\n"
                       "Damit |G(jw = j 2.1544·wx_5)| = 23.333 dB, muss |G(0)| um einen Faktor\r\n"
                       "2.1544 => 6.6667 dB größer sein: K5 = 30 dB => 31.623"),
    };
    page.options = {
        QStringList{choose_solution, QStringLiteral("K1 = 25;  wx_1 = 4/sec"), QStringLiteral("K1 = 17.783; wx_1 = 4"),
                    QStringLiteral("K1 = -17.783; wx_1 = 4"), QStringLiteral("K1 = -17.783; wx_1 = 4/sec"),
                    QStringLiteral("K1 = 17.783; wx_1 = 4"), QStringLiteral("K1 = -25; wx_1 = 4/sec"),
                    QStringLiteral("K1 = -17.783; wx_1 = 3")},
        QStringList{choose_solution, QStringLiteral("K2 = -20;  fx_2 = 150"), QStringLiteral("K2 = 0.1; fx_2 = 150"),
                    QStringLiteral("K2 = -0.1; fx_2 = 15"), QStringLiteral("K2 = 0.1; fx_2 = 15 Hz"),
                    QStringLiteral("K2 = 0.1; fx_2 = 15/sec"), QStringLiteral("K2 = 20; wx_2 = 15/sec"),
                    QStringLiteral("K2 = 0.1; fx_2 = 15")},
        QStringList{choose_solution, QStringLiteral("K3 = 40;  wx_3 = 500/sec"), QStringLiteral("K3 = 100; wx_3 = 500"),
                    QStringLiteral("K3 = 40; fx_3 = 50"), QStringLiteral("K3 = 100; wx_3 = 50/sec"),
                    QStringLiteral("K3 = 1; wx_3 = 500"), QStringLiteral("K3 = 10; wx_3 = 500/sec"),
                    QStringLiteral("K3 = 10; fx_3 = 500 Hz")},
        QStringList{choose_solution, QStringLiteral("K4 = 200;  fx_4 = 10"), QStringLiteral("K4 = 10; fx_4 = 200"),
                    QStringLiteral("K4 = 100; fx_4 = 200"), QStringLiteral("K4 = 100; fx_4 = 50/sec"),
                    QStringLiteral("K4 = 50; fx_4 = 200"), QStringLiteral("K4 = 50; fx_4 = 200/sec"),
                    QStringLiteral("K4 = 50; fx_4 = 200 Hz")},
        QStringList{choose_solution, QStringLiteral("K5 = 14.677;  wx_5 = 2.1544"),
                    QStringLiteral("K5 = 30 dB; wx_5 = 1/sec"), QStringLiteral("K5 = 31.623; fx_5 = 1 Hz"),
                    QStringLiteral("K5 = 30; wx_5 = 1/sec"), QStringLiteral("K5 = 31.626 dB; wx_5 = 1"),
                    QStringLiteral("K5 = 31.623; wx_5 = 1"), QStringLiteral("K5 = 3.1623E-2; wx_5 = 1")},
    };
    page.key = {4, 7, 2, 5, 6};
    set_task_page(page, {0.01L, 1E5L, 0.001L, 100, -270, 0, false, true}, true, "07.11.07");
    page.curves = [] {
        // K1 = -17.783 (25 dB, the phase starting at -180 degrees), wx = 4.
        draw_asymptotes(blue, {{0.01L, 25}, {4, 25}, {71100, -60}},
                        {{0.01L, -180}, {0.4L, -180}, {40, -270}, {1E5L, -270}});
        mark_corner(blue, 4, 25, -225, 42, -275);
    };
    show_question_page(page);
}

// ---------------------------------------------------------------------------
// 05_04: I behaviour

void page_05_04()
{
    QuestionPage page;
    page.state = state("5.2", "05_04");
    page.questions = {
        QStringLiteral("1. Aufgabe: \r\n\r\n"
                       "Welche Form besitzt die Übertragungs-Funktion  G ( s )  eines Systems mit\r\n"
                       "integrierenden Verhalten ?"),
        QStringLiteral("2. Aufgabe: \r\n\r\n"
                       "Welche Aussagen zu Steigung und Winkelverlauf sind bei den dargestellten\r\n"
                       "Verläufen zutreffend ?"),
        QStringLiteral("3. Aufgabe: \r\n\r\n"
                       "Berechnen Sie ( ohne Interpolation ) den Wert der Konstante  K1 > 0, die zu\r\n"
                       "dem Betragsfrequenzgang mit der Nummer 1 gehört."),
        QStringLiteral("4. Aufgabe: \r\n\r\n"
                       "Berechnen Sie ( ohne Interpolation ) den Wert der Konstante  K3 > 0, die zu\r\n"
                       "dem Betragsfrequenzgang mit der Nummer 3 gehört."),
        QStringLiteral("5. Aufgabe: \r\n\r\n"
                       "Bilden Sie die Quotienten der Konstanten  K1 / K3  sowie\r\n"
                       "der Kreisfrequenzen  w1 / w3,  für die gilt |G1| = |G3| = 1 "),
    };
    page.solutions = {
        QStringLiteral("Lösung zur 1. Aufgabe:\r\n\r\n"
                       "Die gesuchte Übertragungs-Funktion lautet  G ( s ) = K / s"),
        QStringLiteral("Lösung zur 2. Aufgabe:\r\n\r\n"
                       "G(jw) = K / jw : Der Betrag verläuft mit - 20 dB / Dekade, Phi = -90° = konstant."),
        QStringLiteral("Lösung zur 3. Aufgabe:\r\n\r\n"
                       "|G1| = K1 / w = 0 dB => 1   bei w = 2E3;   K1 = |G1| * w = 1 * 2E3 = 2E3"),
        QStringLiteral("Lösung zur 4. Aufgabe:\r\n\r\n"
                       "|G3| = K3 / w = 0 dB => 1   bei w = 0.05;   K3 = |G3| * w = 0.05"),
        QStringLiteral("Lösung zur 5. Aufgabe:\r\n\r\n"
                       "w1 = 2E3; w3 = 0.05; |G| = 1 = K1/w1 = K3/w3 ; K1/K3 = w1/w3 = 4E4"),
    };
    page.options = {
        QStringList{choose_solution, QStringLiteral("G ( jw ) = j K · w"), QStringLiteral("G ( jw ) =  K · w"),
                    QStringLiteral("G ( w ) = K · w"), QStringLiteral("G ( s ) = K · s"),
                    QStringLiteral("G ( s ) = K / s"), QStringLiteral("G ( jw ) = K / w"),
                    QStringLiteral("G ( jw ) = K / jw")},
        QStringList{choose_solution, QStringLiteral(" +20 dB / Dek, Phi = +180°"),
                    QStringLiteral(" +20 dB / Dek, Phi = +90°"), QStringLiteral(" +20 dB / Dek, Phi = -90°"),
                    QStringLiteral(" +20 dB / Dek, Phi = 0°"), QStringLiteral(" -20 dB / Dek, Phi = +90°"),
                    QStringLiteral(" -20 dB / Dek, Phi = -90°"), QStringLiteral(" -20 dB / Dek, Phi = -180°")},
        QStringList{choose_solution, QStringLiteral(" 5E-2"), QStringLiteral(" 5E-1"), QStringLiteral(" 5"),
                    QStringLiteral(" 20"), QStringLiteral(" 2E2"), QStringLiteral(" 2E3"), QStringLiteral(" 2E4")},
        {}, // a copy of the list above
        QStringList{choose_solution, QStringLiteral("4E-4;  2E3"), QStringLiteral("4E-4;  2E-3"), QStringLiteral("4E4;  4E4"),
                    QStringLiteral("4E4;  4E-4"), QStringLiteral("4E-4; 4E-4"), QStringLiteral("4E4;  4E4"),
                    QStringLiteral("2E3;  4E4")},
    };
    page.key = {5, 6, 6, 1, 6};
    // Items 3 and 6 of the fifth list read alike; either is the right answer.
    page.second_key = {0, 0, 0, 0, 3};
    set_task_page(page, {0.001L, 1E4L, 1E-4L, 1000, -90, 90, false, false}, false, "15.05.09");
    page.curves = [] {
        // K / s with K1 = 2E3, K = 1 and K3 = 0.05.
        numbered_line(blue, {2, 60}, {1E4L, dB(0.2L)}, "1", {2.4L, 55});
        numbered_line(blue, {0.001L, 60}, {1E4L, -80}, "2", {0.0012L, 55});
        numbered_line(blue, {0.001L, 33.979L}, {500, -80}, "3", {0.0012L, 28});
    };
    show_question_page(page);
}

// ---------------------------------------------------------------------------
// 05_06: D behaviour

void page_05_06()
{
    QuestionPage page;
    page.state = state("5.3", "05_06");
    page.questions = {
        QStringLiteral("1. Aufgabe: \r\n\r\n"
                       "Ermitteln Sie aus den Betragsfrequenzgänge den Typ der Funktion sowie \r\n"
                       "die Steigungen in  dB / Dekade."),
        QStringLiteral("2. Aufgabe: \r\n\r\n"
                       "Berechnen Sie ( ohne Interpolation ) den Wert der Konstante  K3 > 0, die zu\r\n"
                       "dem Betragsfrequenzgang mit der Nummer 3 gehört."),
        QStringLiteral("3. Aufgabe: \r\n\r\n"
                       "Berechnen Sie ( ohne Interpolation ) den Wert der Konstante  K5 > 0, die zu\r\n"
                       "dem Betragsfrequenzgang mit der Nummer 5 gehört."),
        QStringLiteral("4. Aufgabe: \r\n\r\n"
                       "Berechnen Sie ( ohne Interpolation ) den Wert der Konstante  K1 > 0, die zu\r\n"
                       "dem Betragsfrequenzgang mit der Nummer 1 gehört."),
        QStringLiteral("5. Aufgabe: \r\n\r\n"
                       "Bilden Sie den Quotienten der Konstanten K1 / K6 , die zu den\r\n"
                       "Betragsfrequenzgängen mit den Nummern 1 und 6 gehören."),
    };
    page.solutions = {
        QStringLiteral("Lösung zur 1. Aufgabe:\r\n\r\n"
                       "Es handelt sich um differenzierendes Verhalten,\r\n"
                       "da  |G| = K · w , + 20 dB / Dekade."),
        QStringLiteral("Lösung zur 2. Aufgabe:\r\n\r\n"
                       "|G3| = K3 · w = 1 => 0 dB   bei w = 800;   K3 = |G3| / w = 1 / 800 = 1.25E-3."),
        QStringLiteral("Lösung zur 3. Aufgabe:\r\n\r\n"
                       "|G5| = K5 · w = 0.01 => -40 dB   bei w = 2E3;   K5 = |G5| / w = 0.01 / 2E3 = 5E-6."),
        QStringLiteral("Lösung zur 4. Aufgabe:\r\n\r\n"
                       "|G1| = K1 · w = -10 dB => 0.3162   bei w = 0.1;\r\n"
                       "K1 = |G1| / w = 0.3162 / 0.1 = 3.162."),
        QStringLiteral("Lösung zur 5. Aufgabe:\r\n\r\n"
                       "Abzulesen z.B. bei w = 100 = 1E2 : G1 = 50 dB, G6 = -90 dB;\r\n"
                       "K1 / K6 = 140 dB = 1E7"),
    };
    page.options = {
        QStringList{choose_solution, QStringLiteral("I-Verhalten, + 20 dB / Dek"),
                    QStringLiteral("I-Verhalten, - 20 dB / Dek"), QStringLiteral("P-Verhalten,    0 dB / Dek"),
                    QStringLiteral("PI-Verhalten, -20 dB / Dek"), QStringLiteral("PD-Verhalten, +20 dB / Dek"),
                    QStringLiteral("D-Verhalten, + 20 dB / Dek"), QStringLiteral("D-Verhalten, - 20 dB / Dek")},
        QStringList{choose_solution, QStringLiteral(" 3.162E-7"), QStringLiteral(" 5E-6"), QStringLiteral(" 1.25E-3"),
                    QStringLiteral(" 0.3162"), QStringLiteral(" 3.162"), QStringLiteral(" 800"),
                    QStringLiteral(" 2E3")},
        {}, // a copy of the list above
        {}, // a copy of the list above
        QStringList{choose_solution, QStringLiteral(" 1E-7"), QStringLiteral(" 1E-5"), QStringLiteral(" 1E-3"),
                    QStringLiteral(" 1E-1"), QStringLiteral(" 1E3"), QStringLiteral(" 1E5"), QStringLiteral(" 1E7")},
    };
    page.key = {6, 3, 2, 5, 7};
    set_task_page(page, {0.1L, 1E5L, 1E-5L, 1000, -180, 180, false, false}, false, "07.11.07");
    page.curves = [] {
        // K * s with K1 = 3.162, K3 = 1.25E-3, K5 = 5E-6 and K1 / K6 = 1E7.
        const long double root10 = std::sqrt(10.0L);
        numbered_line(red, {0.1L, -10}, {100 * root10, 60}, "1", {0.12L, 0});
        numbered_line(red, {0.1L, dB(2E-2L / root10)}, {5E3L * root10, 60}, "2", {0.12L, -32});
        numbered_line(red, {0.1L, dB(1.25E-4L)}, {1E5L, dB(125)}, "3", {0.12L, -70});
        numbered_line(red, {0.1L, -100}, {1E5L, 20}, "4", {0.11L, -92});
        numbered_line(red, {2, -100}, {1E5L, dB(0.5L)}, "5", {2.2L, -92});
        numbered_line(red, {30, -100}, {1E5L, dB(1 / 30.0L)}, "6", {33, -92});
        numbered_line(red, {400, -100}, {1E5L, dB(0.0025L)}, "7", {440, -92});
    };
    show_question_page(page);
}

// ---------------------------------------------------------------------------
// 05_09: PI element

void page_05_09()
{
    QuestionPage page;
    page.state = state("5.4", "05_09");
    page.questions = {
        QStringLiteral("1. Aufgabe: \r\n\r\n"
                       "Ermitteln Sie aus dem Bode-Diagramm auf der linken Seite die zugehörigen "
                       "Kennwerte  Kp_1  und  fo_1   für das PI-Glied."),
        QStringLiteral("2. Aufgabe: \r\n\r\n"
                       "Ermitteln Sie aus dem Bode-Diagramm auf der linken Seite die zugehörigen "
                       "Kennwerte  Tn_1  und  Ki_1   für das PI-Glied."),
        QStringLiteral("3. Aufgabe: \r\n\r\n"
                       "Der Knickpunkt im Betragsfrequenzgang liegt bei dem Wertepaar\r\n"
                       "       w = 50/sec     und     |G| = 12.041 dB .\r\n"
                       "Berechnen Sie daraus die Kennwerte  Kp_3  und  fo_3  für das PI-Glied."),
        QStringLiteral("4. Aufgabe: \r\n\r\n"
                       "Gegeben  sind   a.) Kp_4 = 2;   b.) Ki_4 = 0.1.\r\n"
                       "Berechnen Sie daraus die Koordinaten ( wo_4   ;   |G(jw=jwo_4)| in dB ) für den "
                       "Knickpunkt im Betragsfrequenzgang zu diesem PI-Glied."),
        QStringLiteral("5. Aufgabe: \r\n\r\n"
                       "Gegeben  sind   a.) Ki_5 = 1.5/sec;   b.) Tn_5 = 2 sec.\r\n"
                       "Berechnen Sie daraus die Koordinaten ( wo_5   ;   |G(jw=jwo_5)| in dB ) für den "
                       "Knickpunkt im Betragsfrequenzgang zu diesem PI-Glied."),
    };
    page.solutions = {
        QStringLiteral("Lösung zur 1. Aufgabe:\r\n\r\n"
                       "Kp_1 = |G(oo)| = -5 dB => 10^(-5/20) = 0.56234;\r\n"
                       "fo_1 = 20 Hz;   Einheit nötig, da Diagramm auch mit Einheit!"),
        QStringLiteral("Lösung zur 2. Aufgabe:\r\n\r\n"
                       "Tn_1 = 1/(2 pi fo_1)  = 7.9577 msec;\r\n"
                       "Ki_1 = Kp_1 / Tn_1 = 70.666/sec"),
        QStringLiteral("Lösung zur 3. Aufgabe:\r\n\r\n"
                       "wo_3 = 2 pi fo_3 = 50/sec  ->  fo_3 = 7.9577 Hz;       Achtung :  Hz  #  1/sec  !\r\n"
                       "Kp_3 = 10^(12.041 dB/20 dB) = 4."),
        QStringLiteral("Lösung zur 4. Aufgabe:\r\n\r\n"
                       "wo_4 = Ki_4 / Kp_4 = 0.05 [ Keine Einheit, da  Ki_4 ohne Einheit gegeben ]\r\n"
                       "|G(jw=jwo_4)| = 20 log(Kp_4) = 6.0206 dB;"),
        QStringLiteral("Lösung zur 5. Aufgabe:\r\n\r\n"
                       "wo_5 = 1 / Tn_5 = 0.5/sec ;\r\n"
                       "Kp_5 = Ki_5 · Tn_5 = 3 => 9.5424 dB"),
    };
    page.options = {
        QStringList{choose_solution, QStringLiteral("Kp_1=-5;  fo_1=20 Hz"), QStringLiteral("Kp_1=5; fo_1=20"),
                    QStringLiteral("Kp_1=1.7783; fo_1=20"), QStringLiteral("Kp_1=1.7783; fo_1=20 Hz"),
                    QStringLiteral("Kp_1=0.56234; fo_1=20/s"), QStringLiteral("Kp_1=0.56234; fo_1=20 Hz"),
                    QStringLiteral("Kp_1=0.56234; fo_1=20")},
        QStringList{choose_solution, QStringLiteral("Tn_1=7.9577E-3;  Ki_1=70.666"),
                    QStringLiteral("Tn_1=125.66 s; Ki_1=14.151E-3/s"), QStringLiteral("Tn_1=50 ms; Ki_1=11.247/sec"),
                    QStringLiteral("Tn_1=50E-3; Ki_1=11.247"), QStringLiteral("Tn_1=7.9577 ms; Ki_1=70.666/s"),
                    QStringLiteral("Tn_1=20; Ki_1=28.117E-3"), QStringLiteral("Tn_1=20 s; Ki_1=28.117E-3")},
        QStringList{choose_solution, QStringLiteral("Kp_3=0.25;  fo_3=500/s"), QStringLiteral("Kp_3=12.041; fo_3=500"),
                    QStringLiteral("Kp_3=4; fx_3=50/s"), QStringLiteral("Kp_3=40; fo_3=50/s"),
                    QStringLiteral("Kp_3=4; fo_3=50"), QStringLiteral("Kp_3=4; fo_3=50 Hz"),
                    QStringLiteral("Kp_3=4; fo_3=7.9577 Hz")},
        // Item 2 names the break point that the solution computes.
        QStringList{choose_solution, QStringLiteral("wo_4 = 2;  |G(oo)| = 10 dB"),
                    QStringLiteral("wo_4 = 0.05; |G(oo)| = 6.0206 dB"), QStringLiteral("wo_4 = 2; |G(oo)| = 3.1623"),
                    QStringLiteral("wo_4 = 4; |G(oo)| = 2"), QStringLiteral("wo_4 = 4/sec; |G(oo)| = 2 dB"),
                    QStringLiteral("wo_4 = 4 Hz; |G(oo)| = 6.0206 dB"), QStringLiteral("fo_4 = 4 Hz; |G(oo)| = 2")},
        QStringList{choose_solution, QStringLiteral("Kp_5 = 1.5/s;  wo_5 = 2/s"),
                    QStringLiteral("Kp_5 = 9.5424 dB; wo_5 = 0.5 Hz"),
                    QStringLiteral("Kp_5 = 9.5424; fo_5 = 0.5 Hz"), QStringLiteral("Kp_5 = 3; wo_5 = 0.5/sec"),
                    QStringLiteral("Kp_5 = 2; wo_5 = 1.5/s"), QStringLiteral("Kp_5 = 2/s; wo_5 = 1.5/s"),
                    QStringLiteral("Kp_5 = 0.5/s; wo_5 = 3")},
    };
    page.key = {6, 5, 7, 2, 4};
    set_task_page(page, {1, 1000, 0.01L, 100, -180, 90, true, true}, true, "07.11.07");
    page.curves = [] {
        // Kp = -5 dB, fo = 20 Hz.
        draw_asymptotes(blue, {{1, 21.021L}, {20, -5}, {1000, -5}}, {{1, -90}, {2, -90}, {200, 0}, {1000, 0}});
        mark_corner(blue, 20, -5, -45, 42, -182);
    };
    show_question_page(page);
}

// ---------------------------------------------------------------------------
// 05_11: PD element

void page_05_11()
{
    QuestionPage page;
    page.state = state("5.5", "05_11");
    page.questions = {
        QStringLiteral("1. Aufgabe: \r\n\r\n"
                       "Ermitteln Sie aus dem Bode-Diagramm auf der linken Seite die zugehörigen "
                       "Kennwerte  Kp_1  und  fo_1   für das PD-Glied."),
        QStringLiteral("2. Aufgabe: \r\n\r\n"
                       "Ermitteln Sie aus dem Bode-Diagramm auf der linken Seite die zugehörigen "
                       "Kennwerte  wo_1  und  Tv_1   für das PD-Glied."),
        QStringLiteral("3. Aufgabe: \r\n\r\n"
                       "Ermitteln Sie aus dem Bode-Diagramm auf der linken Seite die zugehörigen "
                       "Kennwerte  Kp_1  und  Kd_1   für das PD-Glied."),
        QStringLiteral("4. Aufgabe: \r\n\r\n"
                       "Gegeben  sind   a.) Kp_4 = 0.5;   b.) Kd_4 = 2.5 sec.\r\n"
                       "Berechnen Sie daraus die Koordinaten ( wo_4   und   |G(jw=jwo_4)| in dB )\r\n"
                       "für den Knickpunkt im Betragsfrequenzgang zu diesem PD-Glied."),
        QStringLiteral("5. Aufgabe: \r\n\r\n"
                       "Gegeben  sind   a.) |G(0)| = 31.623;   b.) Tv_5 = 20 sec.\r\n"
                       "Berechnen Sie daraus die Koordinaten ( wo_5   ;   |G(jw=jwo_5)| in dB )\r\n"
                       "für den Knickpunkt im Betragsfrequenzgang zu diesem PD-Glied."),
    };
    page.solutions = {
        QStringLiteral("Lösung zur 1. Aufgabe:\r\n\r\n"
                       "Kp = |G(0)| = -15 dB => 10^(-15/20) = 0.17783;\r\n"
                       "fo_1 = 30;   ohne Einheit, da Diagramm auch ohne Einheit!"),
        QStringLiteral("Lösung zur 2. Aufgabe:\r\n\r\n"
                       "wo_1  = 2 pi fo_1  = 188.50;   ohne Einheit\r\n"
                       "Tv_1 = 1 / wo_1 = 5.3051E-3;   ohne Einheit"),
        QStringLiteral("Lösung zur 3. Aufgabe:\r\n\r\n"
                       "Kp_1 = |G(0)| = -15 dB => 0.17783;\r\n"
                       "Kd_1 = Kp_1·Tv_1 = 9.4342E-4"),
        QStringLiteral("Lösung zur 4. Aufgabe:\r\n\r\n"
                       "wo_4 = Kp_4 / Kd_4 = 0.2 / sec [ Mit Einheit, da  Kd_4 mit Einheit gegeben ]\r\n"
                       "|G(jw=jwo_4)| = 20 log(Kp_4) = -6.0206 dB;"),
        QStringLiteral("Lösung zur 5. Aufgabe:\r\n\r\n"
                       "wo_5 = 1 / Tv_5 = 0.05 / s ;\r\n"
                       "|G(jw=jwo_5)| = |G(0)| = Kp_5 = 31.623 => 30 dB"),
    };
    page.options = {
        QStringList{choose_solution, QStringLiteral("Kp_1=-15;  fo_1=30 Hz"), QStringLiteral("Kp_1=3.1623E-2; fo_1=30"),
                    QStringLiteral("Kp_1=0.17783 s; fo_1=30 Hz"), QStringLiteral("Kp_1=0.17783; fo_1=30"),
                    QStringLiteral("Kp_1=-0.17783; fo_1=30/s"), QStringLiteral("Kp_1=15; fo_1=30 Hz"),
                    QStringLiteral("Kp_1=5.6234; fo_1=30")},
        QStringList{choose_solution, QStringLiteral("wo_1=30 / s;  Tv_1=5.3051E-3"),
                    QStringLiteral("wo_1=188.50 Hz;  Tv_1=5.3051E-3"), QStringLiteral("wo_1=30;  Tv_1=3.3333E-3"),
                    QStringLiteral("fo_1=30 Hz; Tv_1=3.3333E-3 s"), QStringLiteral("wo_1=60;  Tv_1=5.3051 ms"),
                    QStringLiteral("wo_1=188.50;  Tv_1=5.3051E-3"), QStringLiteral("wo_1=188.50;  Tv_1=5.3051 ms")},
        QStringList{choose_solution, QStringLiteral("Kp_1=-15;  Kd_1=30/s"),
                    QStringLiteral("Kp_1=3.1623E-2;  Kd_1=9.4342E-4"),
                    QStringLiteral("Kp_1=1.7783E-1;  Kd_1=9.4342E-4"), QStringLiteral("Kp_1=0.17783;  Kd_1=30 s"),
                    QStringLiteral("Kp_1=-0.17783;  Kd_1=9.4342E-4"), QStringLiteral("Kp_1=15;  Kd_1=30 Hz"),
                    QStringLiteral("Kp_1=5.6234;  Kd_1=30 1/s")},
        QStringList{choose_solution, QStringLiteral("wo_4=5;  |G(wo_4)|=10 dB"),
                    QStringLiteral("wo_4=5/s;  |G(wo_4)|=6.0206 dB"),
                    QStringLiteral("wo_4=0.2;  |G(wo_4)|=7.9588 dB"),
                    QStringLiteral("wo_4=0.2/s;  |G(wo_4)|=-6.0206 dB"),
                    QStringLiteral("wo_4=5 Hz;  |G(wo_4)|=-6.0206 dB"),
                    QStringLiteral("wo_4=0.2;  |G(wo_4)|=0.5 dB"), QStringLiteral("fo_4=5/s;  |G(wo_4)|=10 dB")},
        QStringList{choose_solution, QStringLiteral("wo_5 = 20/s; |G(wo_5)|=10 dB"),
                    QStringLiteral("wo_5 = 0.05 Hz;  |G(wo_5)|=30 dB"),
                    QStringLiteral("fo_5 = 0.05; |G(wo_5)|=-30 dB"),
                    QStringLiteral("wo_5 = 0.05/s; |G(wo_5)|=31.623 dB"),
                    QStringLiteral("wo_5 = 20 Hz; |G(wo_5)|=30 dB"),
                    QStringLiteral("wo_5 = 0.05/s; |G(wo_5)|=30 dB"),
                    QStringLiteral("wo_5 = 31.623/s; |G(wo_5)|=20 dB")},
    };
    page.key = {4, 6, 3, 4, 6};
    set_task_page(page, {0.1L, 1E4L, 0.01L, 100, -90, 90, true, false}, true, "07.11.07");
    page.curves = [] {
        // Kp = -15 dB, fo = 30.
        draw_asymptotes(red, {{0.1L, -15}, {30, -15}, {1E4L, 35.458L}}, {{0.1L, 0}, {3, 0}, {300, 90}, {1E4L, 90}});
        mark_corner(red, 30, -15, 45, 42, -94);
    };
    show_question_page(page);
}
