// Lesson 1: conventions and mathematical basics. Logarithms, decibels,
// complex numbers, normalisation, rational transfer functions in sum and
// product form, poles and zeros with the pole-zero plan, and the frequency
// response. Eight text pages and six task pages of five questions each.
#include "app/Unit1.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"

namespace {

const QString date = QStringLiteral("07.11.07");
const QString lesson_title = QStringLiteral("1. Vereinbarungen, Mathematische Grundlagen");

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

PageState state(const QString& section, const QString& id)
{
    return {QStringLiteral("1"), section, id};
}

// Every page of the lesson shows the same empty chart beside its frame,
// whatever ranges, axis or units the page before used.
void draw_lesson_chart()
{
    chart = ChartSettings{0.001L, 1000, 0.0001L, 100, -90, 90, false, false};
    draw_chart(true, true);
}

TextPage text_page(const PageState& state, int memo_height, const QStringList& lines,
                   std::function<void()> curves = {})
{
    TextPage page;
    page.state = state;
    page.title = lesson_title;
    page.date = date;
    page.chart = draw_lesson_chart;
    page.memo_height = memo_height;
    page.text = lines;
    page.curves = std::move(curves);
    return page;
}

// "Abschnitt" or, on the pages that cover two sections, "Abschnitte".
QString task_text(int n, const QStringList& lines)
{
    return QString::number(n) + QStringLiteral(". Aufgabe: ") + crlf + crlf + memo_text::lines(lines);
}

// A question on the function the formula lines show; the blanks after the
// number differ from question to question.
QString formula_task(int n, const QString& blanks, const QStringList& formula, const QString& request)
{
    return QString::number(n) + QStringLiteral(". Aufgabe:") + blanks +
           QStringLiteral("Gegeben ist die normierte Übertragungs-Funktion") + crlf + memo_text::lines(formula) + crlf +
           request;
}

QString solution_text(int n, const QStringList& lines)
{
    return QStringLiteral("Lösungsweg zur ") + QString::number(n) + QStringLiteral(". Aufgabe:") + crlf + crlf +
           memo_text::lines(lines);
}

void draw_pole_mark(int x, int y)
{
    const platform::ScopedPen pen(Form1->Canvas, red, 2);
    line(x - 10, y - 10, x + 10, y + 10);
    line(x - 10, y + 10, x + 10, y - 10);
}

void draw_zero_mark(int x, int y)
{
    const platform::ScopedPen pen(Form1->Canvas, blue, 2);
    Form1->Canvas.ellipse(x - 10, y - 10, x + 11, y + 11);
}

// "Bild 1.1": the s-plane of the example (1.23) below the memo, origin at
// (1065, 770), 60 pixels per unit of the real axis.
void draw_pn_plan()
{
    platform::Canvas& c = Form1->Canvas;
    c.brush.style = platform::BrushStyle::Clear;
    const platform::ScopedPen pen(c, Qt::black);
    c.rectangle(610, 640, 1255, 900);
    c.font.name = QStringLiteral("Arial");
    c.font.height = 18;
    c.font.color = Qt::black;

    line(650, 770, 1215, 770);
    line(1215, 770, 1209, 776);
    line(1215, 770, 1209, 764);
    c.textOut(1185, 780, QStringLiteral("sigma"));
    line(1065, 890, 1065, 650);
    line(1065, 650, 1059, 656);
    line(1065, 650, 1071, 656);
    c.textOut(1085, 650, QStringLiteral("j  omega"));

    c.textOut(1115, 850, QStringLiteral("Q = 5"));
    c.ellipse(1130, 680, 1170, 720);
    c.textOut(1145, 690, QStringLiteral("s"));

    // The three zeros at infinity: a zero mark in a lower half circle.
    c.arc(700, 610, 780, 690, 700, 650, 780, 650);
    draw_zero_mark(740, 665);
    c.font.color = blue;
    c.textOut(790, 665, QStringLiteral("3 - fach"));
    c.font.color = Qt::black;

    draw_pole_mark(1065, 770);
    for (int k = 1; k <= 6; ++k) {
        const int x = 1065 - 60 * k;
        line(x, 774, x, 765);
        c.textOut(x - 5, 780, QString::number(-k));
        if (k == 1)
            draw_zero_mark(x, 770);
        if (k == 2) { // the double pole
            draw_pole_mark(x - 3, 770);
            draw_pole_mark(x + 3, 770);
        }
        if (k == 5)
            draw_pole_mark(x, 770);
    }
    c.textOut(610, 915, QStringLiteral("Bild 1.1 PN-Plan zur Übertragungs-Funktion G(s) in Gl.(1.23)."));
}

} // namespace

// ---------------------------------------------------------------------------
// 01_01: conventions; 1.1 logarithms

void page_01_01()
{
    show_text_page(text_page(state(QStringLiteral("1.1"), QStringLiteral("01_01")), 926, {
        QString(),
        QStringLiteral("Diese Lektion enthält Vereinbarungen zur Schreibweise und Darstellung im Programm"),
        QStringLiteral("und eine kurze Zusammenfassung der Mathematik, die später gebraucht wird."),
        memo_rule,
        QStringLiteral("WICHTIGE VEREINBARUNGEN ZUR BEZEICHNUNG UND DARSTELLUNG:"),
        QString(),
        QStringLiteral("   o  Dezimalzahlen werden gerundet, meist mit fünf Stellen (\"fünf Mantissenstellen\")."),
        QStringLiteral("   o  Das Dezimaltrennzeichen ist der Punkt, z.B. 3.1416 ."),
        QStringLiteral("   o  Potenzen werden mit \"^\" geschrieben, z.B. s^4 ; Quadrat und Kubus auch mit \"²\" und \"³\"."),
        QStringLiteral("   o  Zehnerpotenzen werden abgekürzt:   0.005 = 5E-3,   10 = 1E1,   0.1 = 1E-1"),
        QStringLiteral("   o  Wo der Platz knapp ist, steht  atan(x)  für  arctan(x)."),
        QStringLiteral("   o  Die Exponentialfunktion wird  exp(x)  geschrieben."),
        QStringLiteral("   o  Der Logarithmus der Zahl  r  zur Basis 10 heißt  log(r)."),
        QStringLiteral("   o  Zeiten tragen die Einheit  sec , zur Unterscheidung von der Laplace-Variablen  s ."),
        // A second line of an item stands under the item's text.
        QStringLiteral("   o  Die (Kreis-)Frequenzen, bei denen der Betragsverlauf abknickt, heißen"),
        QStringLiteral("       ECK(KREIS-)FREQUENZEN. Gleichbedeutend ist GRENZ(KREIS-)FREQUENZEN."),
        QStringLiteral("   o  Für die elementaren Frequenzabhängigkeiten stehen die Kurzzeichen der"),
        QStringLiteral("       Regelungstechnik ( I, D, PT1, PD, ... )."),
        QStringLiteral("   o  Normierte Größen heißen wie die zugehörigen physikalischen Größen."),
        QStringLiteral("   o  Unendlich wird  oo  geschrieben."),
        QString(),
        QStringLiteral("Außerdem:   ·  heißt \"mal\",   #  heißt \"ungleich\",   w  ist die Kreisfrequenz omega,   Phi  ein "
                       "Winkel."),
        memo_rule,
        QStringLiteral("1.1 RECHNEN MIT LOGARITHMEN ZUR BASIS 10"),
        QString(),
        QStringLiteral("Jede endliche, reelle Zahl  r > 0  hat einen Logarithmus  log(r). Er ist der Exponent, mit dem "
                       "man die Basis 10 potenzieren muss, um  r  zu erhalten:"),
        QStringLiteral("                                        r = 10^[ log(r) ]"),
        QStringLiteral("Beispiel:   log(2) = 0.30103 , denn   10^0.30103 = 2.0000 ."),
        QStringLiteral("Hinweis : log(2) # 0.3 !"),
        QString(),
        QStringLiteral("REGELN FÜR DAS RECHNEN MIT LOGARITHMEN:"),
        QString(),
        QStringLiteral("1. Der Logarithmus eines Produkts ist die Summe der Logarithmen der Faktoren:"),
        QStringLiteral("                         log(r1 · r2) = log(r1) + log(r2)                                                                            (1.1)"),
        QStringLiteral("      Beispiel:   log(20) = log(2 · 10) = log(2) + log(10) = 0.30103 + 1 = 1.30103"),
        QString(),
        QStringLiteral("2. Der Logarithmus eines Quotienten ist die Differenz der Logarithmen:"),
        QStringLiteral("                         log(r1 / r2) = log(r1) - log(r2)                                                                             (1.2)"),
        QStringLiteral("      Beispiel:   log(5) = log(10 / 2) = log(10) - log(2) = 1 - 0.30103 = 0.69897"),
        QString(),
        QStringLiteral("3. Der Logarithmus einer Potenz ist der Exponent mal dem Logarithmus der Basis:"),
        QStringLiteral("                         log(r^n) = n · log(r)                                                                                             (1.3)"),
        QStringLiteral("      Beispiel:   log(32) = log(2^5) = 5 · log(2) = 5 · 0.30103 = 1.50515"),
    }));
}

// ---------------------------------------------------------------------------
// 01_02: tasks 1 to 5, logarithms

void page_01_02()
{
    const PageState s = state(QStringLiteral("1.1"), QStringLiteral("01_02"));
    static const QStringList options = {
        choose_solution,
        QStringLiteral("x =  0.90309"),
        QStringLiteral("x = 31.6228"),
        QStringLiteral("x = -1.09691"),
        QStringLiteral("x = 0.002"),
        QStringLiteral("x = 0.01030"),
        QStringLiteral("x = 3.09691"),
        QStringLiteral("x = 3.01030"),
    };
    const QString given =
        QStringLiteral("Berechnen Sie unter Verwendung von    log ( 2 ) = 0.30103    und    log ( 10 ) = 1");
    show_question_page({
        s,
        task_title(s),
        date,
        {
            task_text(1, {given, QStringLiteral("den Zahlenwert von       x = log ( 0.08 )")}),
            task_text(2, {given, QStringLiteral("den Zahlenwert von       x = log ( 1.024 )")}),
            task_text(3, {given, QStringLiteral("den Zahlenwert von       x = log ( 1250 )")}),
            task_text(4, {QStringLiteral("Berechnen Sie die Zahl  x  , für die gilt   log ( x ) = 1.5")}),
            task_text(5, {QStringLiteral("Berechnen Sie die Zahl  x  , für die gilt   log ( x ) = -2.69897")}),
        },
        {
            solution_text(1, {QStringLiteral("log( 0.08 ) = log( 8 / 100 ) = log( 2^3 / 10^2 ) = 3·log( 2 ) - 2·log( 10 )")}),
            solution_text(2, {QStringLiteral("log( 1.024 ) = log( 1024 / 1000 ) = log( 2^10 / 10^3 ) = 10·log( 2 ) - 3·log( 10 )")}),
            solution_text(3, {QStringLiteral("log( 1250 ) = log( 125·10 ) = log( [10/2]^3 · 10 ) = 3·[log( 10 ) - log ( 2 )] + log( 10 )")}),
            solution_text(4, {QStringLiteral("x = 10^1.5 = 10^[3/2] = Wurzel [10³] = Wurzel [1000] = 10 · Wurzel[10]")}),
            solution_text(5, {QStringLiteral("log( x ) = 0.30103 - 3 ;  x = 2 / 1000")}),
        },
        {options, {}, {}, {}, {}},
        {3, 5, 6, 2, 4},
        draw_lesson_chart,
    });
}

// ---------------------------------------------------------------------------
// 01_03: 1.2 decibels

void page_01_03()
{
    show_text_page(text_page(state(QStringLiteral("1.2"), QStringLiteral("01_03")), 926, {
        QString(),
        QStringLiteral("1.2 DARSTELLUNG REELLER, POSITIVER ZAHLEN IN DEZIBEL [ dB ]"),
        QString(),
        QStringLiteral("In der Elektrotechnik werden die Beträge von Verhältnissen gleichartiger Größen oft "
                       "logarithmisch angegeben, zum Beispiel"),
        QStringLiteral("   o  der Betrag der Spannungsverstärkung   |Gu| = | Ua / Ue |"),
        QStringLiteral("   o  der Betrag der Stromverstärkung          |Gi| = | Ia / Ie | ."),
        QStringLiteral("Aus dem Betrag  |G|  wird das logarithmische Maß  v  mit der Pseudo-Einheit  dB  (Dezibel):"),
        QStringLiteral("                              v = 20 dB · log(|G|).                                                                                       (1.4)"),
        QStringLiteral("Umgekehrt folgt der Betrag aus dem dB-Wert:"),
        QStringLiteral("                              |G| = 10^[ v / 20 dB ].                                                                                    (1.5)"),
        QStringLiteral("Für Leistungsverhältnisse steht in (1.4) und (1.5)  10 dB  statt  20 dB. Sie werden hier nicht "
                       "behandelt."),
        memo_rule,
        QStringLiteral("Tabelle 1.1 Einige wichtige Zahlen mit den zugehörigen dB-Werten."),
        QString(),
        QStringLiteral("  Zahl |G|    1.0000    1.1220    1.4142    2.0000    3.0000      3.1623       4.0000    10.0000"),
        QStringLiteral("  v / dB        0.0000    1.0000    3.0103    6.0206    9.5424    10.0000    12.0412    20.0000"),
        memo_rule,
        QStringLiteral("Für  |G| > 1  ist  v > 0 dB. Für  0 < |G| < 1  ist der dB-Wert negativ."),
        QStringLiteral("Weitere Wertepaare findet man, indem man  |G|  in Faktoren aus Tabelle 1.1 zerlegt. Nach Regel "
                       "(1.1) werden aus den Faktoren Summanden der dB-Werte, nach Regel (1.2) wird aus einem Teiler "
                       "ein abgezogener dB-Wert."),
        QString(),
        QStringLiteral("BEISPIELE:"),
        QString(),
        QStringLiteral("a)  |G| = 1000 = 10^3"),
        QStringLiteral("      v = 20 dB · log(10^3) = 20 dB · 3 = 60 dB"),
        QString(),
        QStringLiteral("b)  |G| = 1 / 16 = 1 / 2^4"),
        QStringLiteral("      v = 20 dB · [ log(1) - 4 · log(2) ] = -4 · 6.0206 dB = -24.0824 dB"),
        QString(),
        QStringLiteral("c)  |G| = 0.2 = 2 / 10"),
        QStringLiteral("      v = 20 dB · [ log(2) - log(10) ] = 6.0206 dB - 20 dB = -13.9794 dB"),
        QString(),
        QStringLiteral("d)  v = 50 dB = 40 dB + 10 dB"),
        QStringLiteral("      |G| = 10^[ 50 dB / 20 dB ] = 10^2 · 10^0.5 = 100 · 3.1623 = 316.23"),
        QString(),
        QStringLiteral("e)  v = 80 dB = 4 · 20 dB"),
        QStringLiteral("      |G| = 10^[ 80 dB / 20 dB ] = 10^4 = 10000"),
    }));
}

// ---------------------------------------------------------------------------
// 01_04: tasks 6 to 10, decibels

void page_01_04()
{
    const PageState s = state(QStringLiteral("1.2"), QStringLiteral("01_04"));
    static const QStringList options = {
        choose_solution,
        QStringLiteral("x = -18.06180"),
        QStringLiteral("x = 31.62278"),
        QStringLiteral("x = 12.58925"),
        QStringLiteral("x = 53.97940"),
        QStringLiteral("x = 2.10721"),
        QStringLiteral("x = 42.14420"),
        QStringLiteral("x = 0.031623"),
    };
    const QString to_db = QStringLiteral("den zugehörigen Wert von  v / dB");
    show_question_page({
        s,
        task_title(s),
        date,
        {
            task_text(6, {QStringLiteral("Welchem Betrag der Spannungsverstärkung |G| entspricht   v = 22 dB?")}),
            task_text(7, {QStringLiteral("Welchem Betrag der Stromverstärkung |G| entspricht   v = -30 dB?")}),
            task_text(8, {QStringLiteral("Berechnen Sie aus der Verstärkung |G| = 500"), to_db}),
            task_text(9, {QStringLiteral("Berechnen Sie aus der Verstärkung |G| = 128"), to_db}),
            task_text(10, {QStringLiteral("Berechnen Sie aus der Verstärkung |G| = 0.125"), to_db}),
        },
        {
            solution_text(6, {QStringLiteral("v = 22 dB = 20 dB + 2· 1 dB  daraus folgt  |G| = 10· [1.12202]^2 = 10^[1.1]")}),
            solution_text(7, {QStringLiteral("v = -30 dB = -60 dB · 0.5  daraus folgt  |G| = Wurzel[ ( 1 / 10 )^3] = 10^[-1.5]")}),
            solution_text(8, {QStringLiteral("|G| = 1000 / 2 = 10^3 / 2    daraus folgt   v / db = 3·20 - 6.02060 = 20·log(500)")}),
            solution_text(9, {QStringLiteral("|G| = 128 = 2^7    daraus folgt   v / db = 7 · 6.02060 = 20·log(128)")}),
            solution_text(10, {QStringLiteral("|G| = 0.125 = 1 / 2^3    daraus folgt   v / db = -3 · 6.02060 = 20·log(0.125)")}),
        },
        {options, {}, {}, {}, {}},
        {3, 7, 4, 6, 1},
        draw_lesson_chart,
    });
}

// ---------------------------------------------------------------------------
// 01_05: 1.3 complex numbers; 1.4 normalisation

void page_01_05()
{
    show_text_page(text_page(state(QStringLiteral("1.3"), QStringLiteral("01_05")), 926, {
        QString(),
        QStringLiteral("1.3  KOMPLEXE ZAHLEN, KOMPLEXE RECHNUNG"),
        QString(),
        QStringLiteral("Eine komplexe Zahl  z  lässt sich in zwei Formen schreiben. Die kartesische Form nennt Realteil "
                       "und Imaginärteil:"),
        QStringLiteral("                              z = re{ z } + j im{ z } .                                                                                     (1.6)"),
        QStringLiteral("Die Polarform nennt Betrag  | z |  und Winkel  Phi :"),
        QStringLiteral("                              z = | z | · exp( j Phi ) .                                                                                    (1.7)"),
        QStringLiteral("Umrechnung von der Polarform in die kartesische Form:"),
        QStringLiteral("                    re{ z } = | z | · cos( Phi ) ;     im{ z } = | z | · sin( Phi )                                           (1.8)"),
        QStringLiteral("Umrechnung von der kartesischen Form in die Polarform:"),
        QStringLiteral("                    | z |² = [ re{ z } ]² + [ im{ z } ]²                                                                                    (1.9)"),
        QStringLiteral("                    Phi = arctan( im{ z } / re{ z } )                für  re{ z } > 0"),
        QStringLiteral("                    Phi = 90° · signum( im{ z } )                  für  re{ z } = 0                                        (1.10)"),
        QStringLiteral("                    Phi = arctan( im{ z } / re{ z } ) + 180°    für  re{ z } < 0"),
        QString(),
        QStringLiteral("Produkte und Quotienten komplexer Verstärkungen bildet man am besten in der Polarform. Die "
                       "Beträge werden multipliziert bzw. dividiert, die Winkel addiert bzw. subtrahiert:"),
        QStringLiteral("                    z1 · z2 = | z1 | · | z2 | · exp( j [ Phi1 + Phi2 ] )                                                    (1.11)"),
        QStringLiteral("                                      | z1 |"),
        QStringLiteral("                    z1 / z2 = ----------- · exp( j [ Phi1 - Phi2 ] )                                                           (1.12)"),
        QStringLiteral("                                      | z2 |"),
        QStringLiteral("Mit den Abschnitten 1.1 und 1.2 wird daraus eine einfache Rechnung: Aus dem Multiplizieren der "
                       "Beträge wird das Addieren ihrer Logarithmen und ihrer dB-Werte, aus dem Dividieren das "
                       "Subtrahieren."),
        QStringLiteral("      Beispiel:   | z1 | = 100 = 40 dB,   | z2 | = 2 = 6.0206 dB"),
        QStringLiteral("                       | z1 · z2 | = 40 dB + 6.0206 dB = 46.0206 dB = 200"),
        QStringLiteral("                       | z1 / z2 | = 40 dB - 6.0206 dB = 33.9794 dB = 50"),
        memo_rule,
        QStringLiteral("1.4  NORMIERUNG  UND  ENTNORMIERUNG"),
        QString(),
        QStringLiteral("Eine normierte Größe hat keine Einheit. Sie entsteht, indem man die physikalische Größe durch "
                       "eine Bezugsgröße gleicher Art teilt. Die Bezugsgrößen tragen den Index \"b\"."),
        QStringLiteral("      Beispiele:       s := s / wb;  w := w / wb;  f := f / fb;  t := t / Tb;      mit   Tb = 1 / wb"),
        QStringLiteral("Beim Entnormieren multipliziert man die normierte Größe wieder mit ihrer Bezugsgröße."),
        QStringLiteral("      Beispiel:   wb = 1000 / sec ,  normiert  w = 2.5   ergibt   w = 2.5 · 1000 / sec = 2500 / sec"),
        QString(),
        QStringLiteral("WICHTIGER HINWEIS: Frequenz- und Zeitnormierung hängen direkt zusammen ") +
            unbroken(QStringLiteral("[ Tb = 1 / wb ] !")),
    }));
}

// ---------------------------------------------------------------------------
// 01_06: tasks 11 to 15, complex numbers

void page_01_06()
{
    const PageState s = state(QStringLiteral("1.3"), QStringLiteral("01_06"));
    static const QStringList options = {
        choose_solution,
        QStringLiteral("100 - j 173.21"),
        QStringLiteral("2500·exp[-j135°]"),
        QStringLiteral("20·exp[-j30°]"),
        QStringLiteral("223.61·exp[-j63.44°]"),
        QStringLiteral("20·exp[-j15°]"),
        QStringLiteral("223.61·exp[j116.57°]"),
        QStringLiteral("-100 + j 173.21"),
    };
    show_question_page({
        s,
        task_title(s),
        date,
        {
            task_text(11, {QStringLiteral("Berechnen Sie das Produkt    p = z1 · z2   der komplexen Zahlen"),
                             QStringLiteral("z1 = 100 · exp[ -j 60° ];  z2 = 0.2 · exp[ +j 30° ]")}),
            task_text(12, {QStringLiteral("Berechnen Sie den Quotienten    q = z1 / z3  der komplexen Zahlen"),
                             QStringLiteral("z1 = 100 · exp[ -j 60° ];  z3 = 5 · exp[ -j 45° ]")}),
            task_text(13, {QStringLiteral("Berechnen Sie mit den Werten von z1, z2 und z3 der Aufgaben 1 und 2"),
                             QStringLiteral("das Resultat   r = z1 · z3 / z2")}),
            task_text(14, {QStringLiteral("Berechnen Sie aus z = 200 · exp[ -j60° ]"),
                             QStringLiteral("die kartesische Form von z.")}),
            task_text(15, {QStringLiteral("Berechnen Sie aus    re{z} = -100   und    im{z} = 200"),
                             QStringLiteral("Betrag und Winkel der komplexen Zahl z.")}),
        },
        {
            solution_text(11, {QStringLiteral("p = 100 · 0.2 · exp[ -j 60° + j 30° ] = 20 · exp[ -j 30° ]")}),
            solution_text(12, {QStringLiteral("q = 100 / 5 · exp[ -j 60° -(-j 45°) ] = 20 · exp[ -j 15° ]")}),
            solution_text(13, {QStringLiteral("r = 100 · 5 / 0.2 · exp[ -j60° +(-j45°)-(j30°) ] = 2500 · exp[ -j135° ]")}),
            solution_text(14, {QStringLiteral("re{z} = 200·cos(-60°) = 100;      im{z} = 200·sin(-60°) = -173.21")}),
            solution_text(15, {QStringLiteral("|G| = Wurzel[(-100)^2 + (200)^2] = 223.61;"),
                                 QStringLiteral("phi = arctan[200/(-100)] + 180° = 116.57°")}),
        },
        {options, {}, {}, {}, {}},
        {3, 5, 2, 1, 6},
        draw_lesson_chart,
    });
}

// ---------------------------------------------------------------------------
// 01_07: 1.5 rational transfer functions, part I: sum and product form

void page_01_07()
{
    show_text_page(text_page(state(QStringLiteral("1.5"), QStringLiteral("01_07")), 926, {
        QString(),
        QStringLiteral("1.5  GEBROCHEN RATIONALE ÜBERTRAGUNGS-FUNKTIONEN  G(s)    [ Teil I ]"),
        QString(),
        QStringLiteral("Lineare Anordnungen wie Regelkreise, Verstärker- und Filterschaltungen werden im "
                       "Laplace-Bereich durch gebrochen rationale Funktionen  G(s) = Z(s) / N(s)  beschrieben. "
                       "Ausgenommen sind Anordnungen mit Totzeit-Gliedern."),
        QStringLiteral("Ersetzt man  s  durch  j w = j · 2 · pi · f , so erhält man  G(j w)  bzw.  G(j f). Das ist die "
                       "komplexe Verstärkung für sinusförmige Größen im eingeschwungenen Zustand. Ihren Verlauf zeigt "
                       "das Bode-Diagramm."),
        memo_rule,
        QStringLiteral("SUMMENFORM"),
        QString(),
        QStringLiteral("Die Schaltungsanalyse oder die Differentialgleichung der Anordnung liefert  G(s)  zunächst in "
                       "der Summenform:"),
        QString(),
        QStringLiteral("                  A(s)           b0 + b1 s + b2 s^2 + ... + bm s^m          Z(s)"),
        QStringLiteral("     G(s) = -------- = ------------------------------------------------------ = --------                                    (1.13)"),
        QStringLiteral("                  E(s)           a0 + a1 s + a2 s^2 + ... + an s^n            N(s)"),
        QString(),
        QStringLiteral("Zähler und Nenner sind Polynome in  s  mit den reellen Koeffizienten  b0 ... bm  und  ") +
            unbroken(QStringLiteral("a0 ... an .")),
        memo_rule,
        QStringLiteral("PRODUKTFORM"),
        QString(),
        QStringLiteral("Zerlegt man Zähler und Nenner in Linearfaktoren, so erhält man die Produktform:"),
        QString(),
        QStringLiteral("                        bm · (s - so_1)·(s - so_2)· ... ·(s - so_m)"),
        QStringLiteral("     G(s) = ------------------------------------------------------------------                                                 (1.14)"),
        QStringLiteral("                         an · (s - sx_1)·(s - sx_2)· ... ·(s - sx_n)"),
        QString(),
        QStringLiteral("Die Konstante der Produktform ist der Quotient der höchsten Koeffizienten:"),
        QStringLiteral("                                        Q = bm / an"),
        memo_rule,
        QStringLiteral("BEZEICHNUNGEN:"),
        QString(),
        QStringLiteral("   o  so_m :  die  m-te  endliche, reelle Nullstelle von  Z(s) , also eine Nullstelle von  G(s)."),
        QStringLiteral("   o  sx_n :  die  n-te  endliche, reelle Nullstelle von  N(s) , also eine Polstelle von  G(s)."),
        QStringLiteral("   o  Q :      die Konstante der Produktform."),
        QString(),
        QStringLiteral("Die Produktform zeigt alle endlichen Null- und Polstellen von  G(s)  auf einen Blick. Die "
                       "nächste Seite formt sie so um, dass man die Knickstellen im Bode-Diagramm direkt ablesen kann."),
    }));
}

// ---------------------------------------------------------------------------
// 01_08: 1.5 part II: corner angular frequencies

void page_01_08()
{
    show_text_page(text_page(state(QStringLiteral("1.5"), QStringLiteral("01_08")), 926, {
        QString(),
        QStringLiteral("1.5  GEBROCHEN RATIONALE ÜBERTRAGUNGS-FUNKTIONEN  G(s)    [ Teil II ]"),
        QString(),
        QStringLiteral("Zum Zeichnen des Bode-Diagramms eignet sich eine andere Form besser: die Form mit "
                       "Eck(kreis)frequenzen. Dazu klammert man in jedem Linearfaktor der Produktform (1.14) die "
                       "negative Null- bzw. Polstelle aus:"),
        QStringLiteral("              ( s-so ) = -so·( 1 + s / [-so] ) = -so·( 1 + s / wo )                                                        (1.15)"),
        QStringLiteral("              ( s-sx ) = -sx·( 1 + s / [-sx] ) = -sx·( 1 + s / wx )                                                         (1.16)"),
        QStringLiteral("Alle ausgeklammerten Faktoren werden mit  Q  zur Konstanten  K  zusammengefasst:"),
        QStringLiteral("                                  (-so_1)·(-so_2)· ... ·(-so_m)"),
        QStringLiteral("                    K = Q · ---------------------------------------                                                                  (1.17)"),
        QStringLiteral("                                  (-sx_1)·(-sx_2)· ... ·(-sx_n)"),
        QStringLiteral("Damit lautet die Übertragungs-Funktion:"),
        QStringLiteral("                          (1 + s/wo_1)·(1 + s/wo_2)· ... ·(1 + s/wo_m)"),
        QStringLiteral("            G(s) = K · ------------------------------------------------------                                                   (1.18)"),
        QStringLiteral("                          (1 + s/wx_1)·(1 + s/wx_2)· ... ·(1 + s/wx_n)"),
        QString(),
        QStringLiteral("BEZEICHNUNGEN:"),
        QStringLiteral("   o  wo_m = 2 pi fo_m = -so_m :  Eckkreisfrequenz der  m-ten  endlichen Nullstelle"),
        QStringLiteral("   o  wx_n = 2 pi fx_n = -sx_n :  Eckkreisfrequenz der  n-ten  endlichen Polstelle"),
        QStringLiteral("   o  fo_m  und  fx_n  sind die zugehörigen Eckfrequenzen."),
        QStringLiteral("   o  K  ist die Verstärkung bei tiefen Frequenzen ( s -> 0 ). Im Allgemeinen gilt"),
        QStringLiteral("                                        K # Q"),
        QStringLiteral("Die Eck(kreis)frequenzen verursachen die Knicke der Betrags- und Winkelverläufe im "
                       "Bode-Diagramm."),
        memo_rule,
        QStringLiteral("POL- ODER NULLSTELLE BEI  s = 0"),
        QString(),
        QStringLiteral("Bei  s = 0  lässt sich nicht ausklammern, denn  -so = 0  bzw.  -sx = 0 . Eine einfache "
                       "Polstelle bei  s = 0  (integrierendes Verhalten) oder eine einfache Nullstelle bei  s = 0  "
                       "(differenzierendes Verhalten) wird deshalb vor dem Zeichnen abgespalten:"),
        QStringLiteral("                         K             (1+s/wo_1)· ... ·(1+s/wo_m)"),
        QStringLiteral("          G(s) = -------- · ------------------------------------------------                                                     (1.19)"),
        QStringLiteral("                         s             (1+s/wx_1)· ... ·(1+s/wx_n-1)"),
        QString(),
        QStringLiteral("                                   (1+s/wo_1)· ... ·(1+s/wo_m-1)"),
        QStringLiteral("          G(s) = K·s · ------------------------------------------------                                                         (1.20)"),
        QStringLiteral("                                     (1+s/wx_1)· ... ·(1+s/wx_n)"),
        QStringLiteral("Bei (1.19) bleiben im Nenner nur noch  n-1  Klammern, bei (1.20) im Zähler nur noch  m-1 ."),
    }));
}

// ---------------------------------------------------------------------------
// 01_09: 1.5 part III: time constants; 1.6 poles and zeros, part I

void page_01_09()
{
    show_text_page(text_page(state(QStringLiteral("1.5"), QStringLiteral("01_09")), 926, {
        QString(),
        QStringLiteral("1.5  GEBROCHEN RATIONALE ÜBERTRAGUNGS-FUNKTIONEN  G(s)    [ Teil III ]"),
        QString(),
        QStringLiteral("Statt der Eckkreisfrequenzen verwendet man für endliche, von null verschiedene, reelle Null- "
                       "und Polstellen oft Zeitkonstanten:"),
        QStringLiteral("          Nullstellen:   To = 1 / wo   ;      Polstellen:    Tx = 1 / wx                                             (1.21)"),
        QStringLiteral("Damit wird aus Gl. (1.18):"),
        QStringLiteral("                           (1 + s To_1)·(1 + s To_2)· ... ·(1 + s To_m)"),
        QStringLiteral("            G(s) = K · ------------------------------------------------------                                                   (1.22)"),
        QStringLiteral("                           (1 + s Tx_1)·(1 + s Tx_2)· ... ·(1 + s Tx_n)"),
        QStringLiteral("   o  To_m :  Zeitkonstante der  m-ten  endlichen Nullstelle,  To_m = 1 / wo_m"),
        QStringLiteral("   o  Tx_n :  Zeitkonstante der  n-ten  endlichen Polstelle,  Tx_n = 1 / wx_n"),
        QStringLiteral("   o  K  ist wieder die Verstärkung bei tiefen Frequenzen:"),
        QStringLiteral("                                        K # Q"),
        QString(),
        QStringLiteral("NORMIERTE FUNKTIONEN:  Alle frequenzbestimmenden Größen werden auf eine einzige Bezugsgröße "
                       "bezogen (Abschnitt 1.4). So werden  s , w , wo , wx  auf  wb  und  To , Tx  auf  Tb = 1 / wb  "
                       "bezogen."),
        QStringLiteral("!!!!!  Normierte Funktionen haben keine Einheiten."),
        QStringLiteral("!!!!!  Auch ihre Eckkreisfrequenzen und Zeitkonstanten sind reine Zahlen."),
        memo_rule,
        QStringLiteral("1.6  POLSTELLEN, NULLSTELLEN, PN-PLAN  [ Teil I ]"),
        QString(),
        QStringLiteral("Wie viele Pol- und Nullstellen eine Funktion hat, folgt aus ihrem Grad. Der Grad eines Polynoms "
                       "ist die höchste Potenz von  s  in  Z(s)  bzw.  N(s). Der Grad  n  der Funktion ist der größere "
                       "der beiden Grade."),
        QStringLiteral("Beispiel einer normierten Funktion:"),
        QStringLiteral("                                 A(s)                   5·(s + 1)"),
        QStringLiteral("                    G(s) = -------- = ---------------------------------                                                             (1.23)"),
        QStringLiteral("                                 E(s)            s·(s + 2)²·(s + 5)"),
        QStringLiteral("          Grad { Z(s) } : nz = 1"),
        QStringLiteral("          Grad { N(s) } :  nn = 4      ( s · s² · s = s^4 )"),
        QStringLiteral("          n = max{ nz , nn } = 4"),
        QStringLiteral("Nach dem Fundamentalsatz der Algebra hat eine gebrochen rationale Funktion vom Grad  n  genau  "
                       "n  Polstellen und  n  Nullstellen. Die Funktion (1.23) hat also je vier Pol- und Nullstellen."),
    }));
}

// ---------------------------------------------------------------------------
// 01_10: 1.6 part II with the pole-zero plan

void page_01_10()
{
    show_text_page(text_page(state(QStringLiteral("1.6"), QStringLiteral("01_10")), 590, {
        QString(),
        QStringLiteral("1.6  POLSTELLEN, NULLSTELLEN, PN-PLAN  [ Teil II ]"),
        QString(),
        QStringLiteral("Haben Zähler und Nenner verschiedene Grade, so liegen  | nz - nn |  Stellen im Unendlichen, "
                       "also bei  s -> oo : für  nz > nn  Polstellen, für  nn > nz  Nullstellen."),
        QStringLiteral("Polstellen von (1.23), die Nullstellen von  N(s) :"),
        QStringLiteral("     sx_1 = 0 [ einfach ];     sx_2,3 = -2 [ doppelt ];     sx_4 = -5 [ einfach ]. "),
        QStringLiteral("Nullstellen von (1.23): die endliche Nullstelle  so_1 = -1 . Für große  s  gilt:"),
        QStringLiteral("                                               5·s"),
        QStringLiteral("                    G(s -> oo) = -------------- = 5 / s³"),
        QStringLiteral("                                             s·s²·s"),
        QStringLiteral("Die übrigen drei Nullstellen liegen also im Unendlichen:  so_2,3,4 -> oo ."),
        memo_rule,
        QStringLiteral("Der PN-Plan ist ein Ausschnitt der s-Ebene mit allen Pol- und Nullstellen. Ergänzt um die "
                       "Konstante  Q  kennzeichnet er die Funktion vollständig."),
        QStringLiteral("SYMBOLE IM PN-PLAN:"),
        QStringLiteral("   o  Kreis                                         =  einfache Nullstelle"),
        QStringLiteral("   o  Doppelkreis                             =  doppelte Nullstelle"),
        QStringLiteral("   o  Kreis mit dem Text  n-fach     =  n-fache Nullstelle"),
        QStringLiteral("   o  Kreuz                                        =  einfache Polstelle"),
        QStringLiteral("   o  Doppelkreuz                            =  doppelte Polstelle"),
        QStringLiteral("   o  Kreuz mit dem Text  n-fach    =  n-fache Polstelle"),
        QStringLiteral("Das Verhalten bei  s -> oo  wird links oben in einem Halbkreis eingetragen."),
        QString(),
        QStringLiteral("Bild 1.1 zeigt den PN-Plan zu Gl.(1.23) mit je vier Pol- und Nullstellen."),
    }, draw_pn_plan));
}

// ---------------------------------------------------------------------------
// 01_11: tasks 16 to 20, a transfer function analysed

void page_01_11()
{
    const PageState s = state(QStringLiteral("1.5 + 1.6"), QStringLiteral("01_11"));
    static const QStringList formula = {
        QStringLiteral("             A(s)        (24s + 48)(50s + 250)"),
        QStringLiteral("G(s) = ------ = -----------------------------------------------"),
        QStringLiteral("             E(s)      (3s + 9)(2s^2 + 16s + 32)(4s + 40)"),
    };
    show_question_page({
        s,
        task_title(s, QStringLiteral("Abschnitte"), QStringLiteral("  [ Teil I ]")),
        date,
        {
            formula_task(16, QStringLiteral(" "), formula,
                         QStringLiteral("Ermitteln Sie den Grad n der Funktion und die Konstante Q  der Produktform.")),
            formula_task(17, QStringLiteral(" "), formula,
                         QStringLiteral("Ermitteln Sie die Konstante  K = |G(0)| .")),
            formula_task(18, QStringLiteral(" "), formula,
                         QStringLiteral("Ermitteln Sie alle Nullstellen  so  und  alle Polstellen  sx  der Funktion.")),
            formula_task(19, QStringLiteral(" "), formula,
                         QStringLiteral("Ermitteln Sie alle Eckkreisfrequenzen  wo  und  wx  der Funktion  G(jw).")),
            formula_task(20, QStringLiteral(" "), formula,
                         QStringLiteral("Ermitteln Sie alle Zeitkonstanten  To  und  Tx  der Funktion  G(jw).")),
        },
        {
            solution_text(16, {QStringLiteral("nz = 2; nn = 4; n = max{nz,nn} = 4;       Q = [ 24·50 ] / [ 3·2·4 ] = 50")}),
            solution_text(17, {QStringLiteral("|G(s=0)| = K = [ 48·250 ] / [ 9·32·40 ] = 150 / 144 = 1.04167")}),
            solution_text(18, {QStringLiteral("so_1 = -2; so_2 = -5; so_3 ->oo; so_4 -> oo;"),
                                 QStringLiteral("sx_1 = -3; sx_2 = sx_3 = -4; sx_4 = -10")}),
            solution_text(19, {QStringLiteral("wo_1 = -so_1 = 2; wo_2 = 5;        wx_1 = -sx_1 = 3; wx_2 = wx_3 = 4; wx_4 = 10")}),
            solution_text(20, {QStringLiteral("Es gilt nach Gl. (1.21) :  To = 1 / wo ;  Tx = 1 / wx"),
                                 QStringLiteral(""),
                                 QStringLiteral("To_1 = 1/2; To_2 = 1/5;         Tx_1 = 1/3; Tx_2 = Tx_3 = 1/4; Tx_4 = 1/10")}),
        },
        {
            QStringList{choose_solution,
                        QStringLiteral("2,     50"),
                        QStringLiteral("4,     50"),
                        QStringLiteral("2,     24"),
                        QStringLiteral("4,     24"),
                        QStringLiteral("2,      8"),
                        QStringLiteral("4,      8"),
                        QStringLiteral("4,   1200")},
            QStringList{choose_solution,
                        QStringLiteral("12000"),
                        QStringLiteral("  250"),
                        QStringLiteral("   48"),
                        QStringLiteral("   2.4"),
                        QStringLiteral("1.041667"),
                        QStringLiteral("0.56678"),
                        QStringLiteral("0.008681")},
            QStringList{choose_solution,
                        QStringLiteral("-48,-250,oo; -9,-16,-40"),
                        QStringLiteral("-3,-4,-4,-10; -2,-5,oo,oo"),
                        QStringLiteral("-2,-5, oo, oo;  -3, -4, -4, -10"),
                        QStringLiteral("-48, -250, oo, oo;   -9, -4, -4, -40"),
                        QStringLiteral("-0.5,-0.2,oo,oo; -1/3;-1/4;-1/4;-0.1"),
                        QStringLiteral("2,5,oo,oo;   3,4,4,10"),
                        QStringLiteral("-0.5,-0.2; -3,-4,-4,-10")},
            QStringList{choose_solution,
                        QStringLiteral("3, 4, 4, 10;     2, 5"),
                        QStringLiteral("-3,-4,-4,-10;    -2,-5"),
                        QStringLiteral("-2,-5;     -3, -4, -4, -10"),
                        QStringLiteral("2, 5;      -3, -4, -4, -40"),
                        QStringLiteral("4, 25;     9, 32, 40"),
                        QStringLiteral("2, 5;     3, 4, 4, 10"),
                        QStringLiteral("2, 5, oo, oo;      3, 4, 4, 10")},
            QStringList{choose_solution,
                        QStringLiteral("1/2,1/5,0,0;  1/3,1/4,1/10"),
                        QStringLiteral("-0.5,-0.2; -1/3,-1/4,-1/4,-0.1"),
                        QStringLiteral("-2,-5;  -3,-4,-4,-10"),
                        QStringLiteral("2, 5;  -3,-4,-4,-40"),
                        QStringLiteral("4, 25;  9, 32, 40"),
                        QStringLiteral("2, 5;  3, 4, 4, 10"),
                        QStringLiteral("0.5, 0.2;    1/3, 1/4, 1/4, 0.1")},
        },
        {2, 5, 3, 6, 7},
        draw_lesson_chart,
    });
}

// ---------------------------------------------------------------------------
// 01_12: tasks 21 to 25, a transfer function with a pole at s = 0

void page_01_12()
{
    const PageState s = state(QStringLiteral("1.5 + 1.6"), QStringLiteral("01_12"));
    static const QStringList formula = {
        QStringLiteral("             A(s)        40 s^2 + 208 s + 40"),
        QStringLiteral("G(s) = ------ = --------------------------------"),
        QStringLiteral("             E(s)        2 s^3 + 22 s^2 + 20 s"),
    };
    show_question_page({
        s,
        task_title(s, QStringLiteral("Abschnitte"), QStringLiteral("  [ Teil II ]")),
        date,
        {
            formula_task(21, QStringLiteral(" "), formula,
                         QStringLiteral("Ermitteln Sie den Grad n der Funktion und die Konstante Q  der Produktform.")),
            formula_task(22, QStringLiteral(" "), formula,
                         QStringLiteral("Ermitteln Sie alle Nullstellen  so  und alle Polstellen  sx  der Funktion.")),
            formula_task(23, QStringLiteral("  "), formula,
                         QStringLiteral("Ermitteln Sie den Wert der Konstante  K   nach Gl.(1.19 / 1.20).")),
            formula_task(24, QStringLiteral("  "), formula,
                         QStringLiteral("Ermitteln Sie alle Eckkreisfrequenzen  wo  und  wx  der Funktion  G(jw).")),
            formula_task(25, QStringLiteral("   "), formula,
                         QStringLiteral("Ermitteln Sie alle Zeitkonstanten  To  und  Tx  der Funktion  G(jw).")),
        },
        {
            solution_text(21, {QStringLiteral("nz = 2; nn = 3; n = max{nz,nn} = 3;       Q = [ 40 ] / [ 2 ] = 20")}),
            solution_text(22, {QStringLiteral("G(s) = 40·(s+0.2)·(s+5) / 2·s·(s+1)·(s+10)"),
                                 QStringLiteral("so_1=-0.2, so_2=-5, s0_3->oo;  sx_1=0, sx_2=-1, sx_3=-10")}),
            solution_text(23, {QStringLiteral("K = [ 40 · 0.2 · 5 ] / [ 2 · 1 · 10 ] = 40 / 20 = 2")}),
            solution_text(24, {QStringLiteral("wo_1 = 0.2; wo_2 = 5;           (wx_1 = 0); wx_2 = 1; wx_3 = 10")}),
            solution_text(25, {QStringLiteral("Es gilt nach Gl. (1.21) :  To = 1 / wo ;  Tx = 1 / wx"),
                                 QStringLiteral(""),
                                 QStringLiteral("To_1 = 5; To_2 = 1/5;         (Tx_1 ->oo); Tx_2 = 1; Tx_3 = 1/10")}),
        },
        {
            QStringList{choose_solution,
                        QStringLiteral("2,     40"),
                        QStringLiteral("3,     40"),
                        QStringLiteral("2,      2"),
                        QStringLiteral("3,      2"),
                        QStringLiteral("2,     20"),
                        QStringLiteral("3,     20"),
                        QStringLiteral("4,     20")},
            QStringList{choose_solution,
                        QStringLiteral("0.2, 5;  0, 1, 10"),
                        QStringLiteral("0, 1, 10;  0.2, 5"),
                        QStringLiteral("-0.2, -5; 0, -1, -10"),
                        QStringLiteral("5, 0.2; 0, 1, 0.1"),
                        QStringLiteral("-5, -0.25; 0, -1, -10"),
                        QStringLiteral("0, -1, -10; 5, 0.2"),
                        QStringLiteral("0, -1, -10; -5, -0.2")},
            QStringList{choose_solution,
                        QStringLiteral("40"),
                        QStringLiteral("20"),
                        QStringLiteral("10"),
                        QStringLiteral(" 5"),
                        QStringLiteral(" 2"),
                        QStringLiteral("-2"),
                        QStringLiteral("-5")},
            QStringList{choose_solution,
                        QStringLiteral("0.2, 5;  1, 10"),
                        QStringLiteral("0, 1, 10;  0.2, 5"),
                        QStringLiteral("-0.2, -5; 0, -1, -10"),
                        QStringLiteral("5, 0.2; 0, 1, 0.1"),
                        QStringLiteral("-5, -0.25; 0, -1, -10"),
                        QStringLiteral("0, -1, -10; 5, 0.2"),
                        QStringLiteral("0, -1, -10; -5, -0.2")},
            QStringList{choose_solution,
                        QStringLiteral("-5,-0.2;  -1, -0.1"),
                        QStringLiteral("5, 0.2; 1, 0.1"),
                        QStringLiteral("0, 0.1, 1;  5, 0.2"),
                        QStringLiteral("2, 5;  -3,-4,-4,-40"),
                        QStringLiteral("0, -0.1, -1;  -5, -0.2"),
                        QStringLiteral("10, 1; 0.2, 5"),
                        QStringLiteral("5, 0.2, 0;  1, 0.1")},
        },
        {6, 3, 5, 1, 2},
        draw_lesson_chart,
    });
}

// ---------------------------------------------------------------------------
// 01_13: 1.7 frequency response

void page_01_13()
{
    show_text_page(text_page(state(QStringLiteral("1.7"), QStringLiteral("01_13")), 926, {
        QString(),
        QStringLiteral("1.7  FREQUENZGANG, EINGESCHWUNGENER ZUSTAND"),
        QString(),
        QStringLiteral("Setzt man in  G(s)  für die Laplace-Variable  s = j w = j 2 pi f  ein, so erhält man den "
                       "Frequenzgang  G(j w)  bzw.  G(j f). Er ist die komplexe Verstärkung für sinusförmige Signale im "
                       "eingeschwungenen Zustand."),
        memo_rule,
        QStringLiteral("BEISPIEL MIT EINHEITEN:"),
        QStringLiteral("                                16·(1 + s·2.5 sec)"),
        QStringLiteral("          G(s) = ------------------------------------------                                                                          (1.24)"),
        QStringLiteral("                       (1 + s·10 sec)·(1 + s·50 sec)"),
        QString(),
        QStringLiteral("                                  16·(1 + j w·2.5 sec)"),
        QStringLiteral("          G(j w) = ------------------------------------------"),
        QStringLiteral("                       (1 + j w·10 sec)·(1 + j w·50 sec)"),
        QStringLiteral("Jede Klammer liefert eine Eckkreisfrequenz. Bei ihr sind Real- und Imaginärteil der Klammer "
                       "gleich groß:"),
        QStringLiteral("                    | re( j wo ) | = | im( j wo ) |                                                                                     (1.25)"),
        QStringLiteral("Das gilt ebenso für  wx . Aus den drei Klammern folgt:"),
        QStringLiteral("          Zähler:      wo_1 · 2.5 sec = 1    ->   wo_1 = 1 / 2.5 sec = 0.4 / sec"),
        QStringLiteral("          Nenner:    wx_1 · 10 sec = 1     ->   wx_1 = 1 / 10 sec = 0.1 / sec"),
        QStringLiteral("                            wx_2 · 50 sec = 1      ->   wx_2 = 1 / 50 sec = 0.02 / sec"),
        QStringLiteral("Mit  K = 16  lautet der Frequenzgang:"),
        QStringLiteral("                                          16 · (1 + j w / [0.4/sec])"),
        QStringLiteral("          G(j w) = ------------------------------------------------------------                                                 (1.26)"),
        QStringLiteral("                           (1 + j w / [0.1/sec]) · (1 + j w / [0.02/sec])"),
        memo_rule,
        QStringLiteral("BETRAG UND WINKEL:"),
        QStringLiteral("Der Betrag ist der Betrag des Zählers geteilt durch den Betrag des Nenners. Der Winkel ist der "
                       "Winkel des Zählers minus dem Winkel des Nenners (Gl. 1.11 und 1.12):"),
        QStringLiteral("                                                     {1 + (w / [0.4/sec])²}"),
        QStringLiteral("     | G(j w) |² = 16² · ----------------------------------------------------------                                       (1.27 a)"),
        QStringLiteral("                                  {1 + (w / [0.1/sec])²} · {1 + (w / [0.02/sec])²}"),
        QString(),
        QStringLiteral("     Phi( j w ) = arctan (w / [0.4/sec]) - arctan (w / [0.1/sec]) - arctan (w / [0.02/sec]).     (1.27 b)"),
        memo_rule,
        QStringLiteral("Zahlenbeispiel für  w = 0.1 / sec :"),
        QStringLiteral("      | G |² = 256 · ( 1 + 0.0625 ) / [ ( 1 + 1 ) · ( 1 + 25 ) ] = 256 · 1.0625 / 52 = 5.2308"),
        QStringLiteral("      | G | = 2.2871 ,   v = 20 dB · log( 2.2871 ) = 7.1857 dB"),
        QStringLiteral("      Phi = arctan( 0.25 ) - arctan( 1 ) - arctan( 5 ) = 14.036° - 45° - 78.690° = -109.654°"),
    }));
}

// ---------------------------------------------------------------------------
// 01_14: tasks 26 to 30, magnitude and phase terms

void page_01_14()
{
    const PageState s = state(QStringLiteral("1.7"), QStringLiteral("01_14"));
    static const QStringList formula = {
        QStringLiteral("                 Z(s)           5·(s+1)     "),
        QStringLiteral("     G(s) = ------ = -----------------------"),
        QStringLiteral("                N(s)      s·(s+2)²·(s+5)  "),
    };
    show_question_page({
        s,
        task_title(s),
        date,
        {
            formula_task(26, QStringLiteral(" "), formula,
                         QStringLiteral("Ermitteln Sie den Wert der Konstante  K   nach Gl.(1.19).")),
            formula_task(27, QStringLiteral(" "), formula,
                         QStringLiteral("Ermitteln Sie das Betragsquadrat |Z(jw)|² des Zählers (ohne K, nach Gl.(1.19)).")),
            formula_task(28, QStringLiteral("  "), formula,
                         QStringLiteral("Ermitteln Sie das Betragsquadrat |N(jw)|² des Nenners nach Gl.(1.19).")),
            formula_task(29, QStringLiteral("  "), formula,
                         QStringLiteral("Ermitteln Sie den Winkelbeitrag des Zählers  Phi{Z(jw)}.")),
            formula_task(30, QStringLiteral("   "), formula,
                         QStringLiteral("Ermitteln Sie den Winkelbeitrag des Nenners  Phi{N(jw)}.")),
        },
        {
            solution_text(26, {QStringLiteral("K = [ 5 ] / [ 4·5 ] = 0.25      dazu (1 + s / wo) und (1 + s / wx) erzeugen ")}),
            solution_text(27, {QStringLiteral("|Z(jw) / K |² = 1 + w²       da   wo_1 = 1")}),
            solution_text(28, {QStringLiteral("|N(jw) / K |² =  w²·(1 + [w/2]²)² (1 + [w/5]²)       da   wx_1,2 = 2, wx_3 = 5")}),
            solution_text(29, {QStringLiteral("Phi{Z(jw)} = arctan w           da   wo_1 = 1")}),
            solution_text(30, {QStringLiteral("Phi{N(jw)} = 90° + 2·arctan [w/2] + arctan[w/5]")}),
        },
        {
            QStringList{choose_solution,
                        QStringLiteral("  5"),
                        QStringLiteral("  1"),
                        QStringLiteral("0.5"),
                        QStringLiteral("0.25"),
                        QStringLiteral("0.1"),
                        QStringLiteral("0.05"),
                        QStringLiteral("0.01")},
            QStringList{choose_solution,
                        QStringLiteral("1 + w"),
                        QStringLiteral("1 + w²"),
                        QStringLiteral("1"),
                        QStringLiteral("w"),
                        QStringLiteral("w²"),
                        QStringLiteral("1 - w"),
                        QStringLiteral("1 - w²")},
            QStringList{choose_solution,
                        QStringLiteral("w·(1+[w/2]²)·(1+[w/5]²)"),
                        QStringLiteral("w²·(1+[w/2]²)·(1+[w/5]²)"),
                        QStringLiteral("w·(1+[w/2])²·(1+[w/5])"),
                        QStringLiteral("w·(2+w)²·(w+5)"),
                        QStringLiteral("w²·(2+w)²·(w+5)²"),
                        QStringLiteral("w²·(1+[2w]²)²·(1+[5w]²)"),
                        QStringLiteral("w²·(1+[w/2]²)²·(1+[w/5]²)")},
            QStringList{choose_solution,
                        QStringLiteral("arctan[w]"),
                        QStringLiteral("90°+arctan[w]"),
                        QStringLiteral("90°-arctan[w]"),
                        QStringLiteral("5·arctan[w]"),
                        QStringLiteral("arctan[w/5]"),
                        QStringLiteral("arctan[5w]"),
                        QStringLiteral("arctan[jw]")},
            QStringList{choose_solution,
                        QStringLiteral("-90°-2·atan[w/2]-atan[w/5]"),
                        QStringLiteral("90° + atan[w/2] + atan[w/5]"),
                        QStringLiteral("90° + 2·atan[2w] + atan[5w]"),
                        QStringLiteral("-90° + 2·atan[w/2] + atan[w/5]"),
                        QStringLiteral("90°+2·atan[w/2] + atan[w/5]"),
                        QStringLiteral("270°"),
                        QStringLiteral("-270°")},
        },
        {4, 2, 7, 1, 5},
        draw_lesson_chart,
    });
}

std::span<const PageFunction> lesson_1_pages()
{
    static constexpr PageFunction pages[] = {
        page_01_01, page_01_02, page_01_03, page_01_04, page_01_05, page_01_06, page_01_07, page_01_08,
        page_01_09, page_01_10, page_01_11, page_01_12, page_01_13, page_01_14,
    };
    return pages;
}
