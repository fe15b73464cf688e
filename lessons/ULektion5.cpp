// Lesson 5: elementary frequency responses. The explanation pages of the
// PT1, I, D, PI, PD and all-pass elements, each with two examples drawn as
// asymptotes; the constant exercise of page 05_07 with its task generator;
// and the start of the guided all-pass example on page 05_13.
#include "app/Unit1.h"
#include "app/exercises.h"
#include "construction/Uallgemein.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"
#include "platform/numfmt.h"

#include <cmath>
#include <initializer_list>

namespace {

const QString date = QStringLiteral("07.11.07");

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor green(0, 128, 0);

// Squares of width 2 on magnitude points, labelled "Punkt 1", "Punkt 2", ...
// at an offset from the point, in the colour of the example.
void labelled_points(const QColor& color, std::initializer_list<Vertex> points, int dx, int dy)
{
    platform::Canvas& c = Form1->Canvas;
    int n = 0;
    for (const Vertex& v : points) {
        const int x = freq_to_x(v.freq);
        const int y = db_to_y(v.value);
        mark_point(x, y, color, 2);
        c.font.color = color;
        c.textOut(x + dx, y + dy, QStringLiteral("Punkt ") + numfmt::integer(++n));
        c.font.color = Qt::black;
    }
}

const QString frequency_heading = QStringLiteral(". Elementare Frequenzabhängigkeiten :       ");
const QString function_heading = QStringLiteral(". Elementare Funktionen :       ");

// An explanation page: page state, the chart in w without units, the text
// memo, the header lesson + heading + section + subject and the examples.
TextPage explanation(const QString& section, const QString& id, const QString& heading, const QString& subject,
                     const ChartSettings& range, const QStringList& text, std::function<void()> curves,
                     const QString& new_task_caption = QStringLiteral("Neue Funktion vorgeben"))
{
    TextPage page;
    page.state = {QStringLiteral("5"), section, id};
    page.title = page.state.lesson + heading + section + subject;
    page.date = date;
    page.chart = chart_of(range);
    page.text = text;
    page.curves = std::move(curves);
    page.new_task_caption = new_task_caption;
    return page;
}

} // namespace

long double dB(long double ratio)
{
    return 20 * std::log10(ratio);
}

void draw_asymptotes(const QColor& color, std::initializer_list<Vertex> magnitude,
                     std::initializer_list<Vertex> phase, int magnitude_shift, int phase_shift)
{
    set_mag_polygon(magnitude_shift, magnitude);
    draw_mag_polygon(2, color);
    set_phase_polygon(phase_shift, phase);
    draw_phase_polygon(2, color);
}

void corner_line(const QColor& color, long double w, long double top_db, long double bottom_degrees)
{
    const int x = freq_to_x(w);
    draw_segment(x, db_to_y(top_db), x, phase_to_y(bottom_degrees), 1, color, platform::PenStyle::Dash);
}

void mark_corner(const QColor& color, long double w, long double db, long double degrees, long double top_db,
                 long double bottom_degrees)
{
    const int x = freq_to_x(w);
    mark_point(x, db_to_y(db), color, 2);
    mark_point(x, phase_to_y(degrees), color, 2);
    corner_line(color, w, top_db, bottom_degrees);
}

// ---------------------------------------------------------------------------
// 05_01: first-order lag

void page_05_01()
{
    show_text_page(explanation(
        QStringLiteral("5.1"), QStringLiteral("05_01"), frequency_heading,
        QStringLiteral(" Tiefpass 1. Ordnung (PT1)"),
        {0.1L, 1000, 0.001L, 100, -90, 90, false, false},
        {
            QString(),
            QStringLiteral("TIEFPASS 1. ORDNUNG  ( PT1-Glied )"),
            QString(),
            QStringLiteral("Ein Tiefpass erster Ordnung hat eine einzige reelle Polstelle bei  s = - wx . Seine "
                           "Übertragungs-Funktion lautet"),
            QStringLiteral("                    G ( s ) = K / ( 1 + s / wx ) ,     s = j w ,     wx > 0 ."),
            QStringLiteral("K ist die Verstärkung bei tiefen Frequenzen, wx die Eckkreisfrequenz in 1/sec."),
            memo_rule,
            QStringLiteral("BETRAGSFREQUENZGANG"),
            QString(),
            QStringLiteral("Mit  s = j w  folgt für den Betrag"),
            QStringLiteral("     | G ( j w ) | = |K| / ( 1 + ( w / wx )² )^0.5"),
            QStringLiteral("     | G ( j w ) | dB = 20 · log10 |K|  -  20 · log10 ( 1 + ( w / wx )² )^0.5   dB"
                           "          (5.1)"),
            QStringLiteral("Daraus ergeben sich zwei Asymptoten:"),
            QStringLiteral("   o  w << wx :   | G | = |K| ,   eine Waagrechte auf der Höhe von K ;"),
            QStringLiteral("   o  w >> wx :   | G | = |K| · wx / w ,   eine Gerade mit der Steigung  -20 dB / Dekade ."),
            QStringLiteral("Die beiden Asymptoten schneiden sich bei der Eckkreisfrequenz  w = wx  (Knickpunkt). Dort "
                           "liegt der wahre Betrag um 3 dB unter dem Knickpunkt; das ist die größte Abweichung."),
            memo_rule,
            QStringLiteral("PHASENWINKELVERLAUF"),
            QString(),
            QStringLiteral("     Phi ( w ) = - arctan ( w / wx )          ( für K > 0 )          (5.2)"),
            QStringLiteral("Der Winkel fällt von 0° auf -90° und beträgt bei  w = wx  genau -45°. Die asymptotische "
                           "Näherung besteht aus drei Geraden:"),
            QStringLiteral("   o  w < wx / 10 :   Phi = 0° ;"),
            QStringLiteral("   o  wx / 10 < w < 10 · wx :   eine Gerade mit der Steigung  -45° / Dekade  durch  "
                           "( wx ; -45° ) ;"),
            QStringLiteral("   o  w > 10 · wx :   Phi = -90° ."),
            memo_rule,
            QStringLiteral("BEISPIELE  [ links ]"),
            QString(),
            QStringLiteral("   blau :   K = 30 dB ,   wx = 30 / sec"),
            QStringLiteral("   rot :     K = -10 dB ,   wx = 5 / sec"),
            QStringLiteral("Die Knickpunkte sind durch Quadrate markiert, die gestrichelten Senkrechten zeigen die "
                           "Eckkreisfrequenzen in beiden Diagrammen. Die Phasenverläufe sind um je einen Pixel "
                           "gegeneinander verschoben gezeichnet, damit sie sich nicht verdecken."),
        },
        [] {
            draw_asymptotes(blue, {{0.1L, 30}, {30, 30}, {1000, dB(0.9486L)}}, {{0.1L, 0}, {3, 0}, {300, -90}, {1000, -90}},
                            0, -1);
            mark_corner(blue, 30, 30, -45, 42, -92);
            draw_asymptotes(red, {{0.1L, -10}, {5, -10}, {1000, dB(0.001581L)}},
                            {{0.1L, 0}, {0.5L, 0}, {50, -90}, {1000, -90}}, 0, 1);
            mark_corner(red, 5, -10, -45, 42, -92);
        }));
}

// ---------------------------------------------------------------------------
// 05_03: integrating behaviour

void page_05_03()
{
    show_text_page(explanation(
        QStringLiteral("5.2"), QStringLiteral("05_03"), function_heading,
        QStringLiteral(" Integrierendes oder I- Verhalten"), {0.01L, 100000, 0.00001L, 100, -180, 180, false, false},
        {
            QString(),
            QStringLiteral("INTEGRIERENDES VERHALTEN  ( I-Glied )"),
            QString(),
            QStringLiteral("Ein I-Glied integriert sein Eingangssignal über der Zeit. Seine Übertragungs-Funktion hat "
                           "eine Polstelle im Ursprung:"),
            QStringLiteral("                    G ( s ) = K / s ,     s = j w ."),
            memo_rule,
            QStringLiteral("BETRAG UND PHASENWINKEL"),
            QString(),
            QStringLiteral("     | G ( j w ) | = |K| / w       bzw.       | G ( j w ) | dB = 20 · log10 |K|  -  "
                           "20 · log10 ( w )   dB"),
            QStringLiteral("Im Bode-Diagramm ist der Betrag bei allen Frequenzen eine Gerade mit der Steigung  ") +
                unbroken(QStringLiteral("-20 dB / Dekade :")) +
                QStringLiteral(" Steigt w auf das Zehnfache, sinkt der Betrag auf ein Zehntel."),
            QStringLiteral("     Phi = - 90°   bei allen Frequenzen  ( K > 0 ),  denn  1 / j = - j ."),
            memo_rule,
            QStringLiteral("PUNKTE DER GERADEN"),
            QString(),
            QStringLiteral("Da die Steigung feststeht, genügt ein einziger Punkt, um die Gerade zu zeichnen. Zwei "
                           "Wege führen ohne Rechenaufwand zu einem Punkt:"),
            QStringLiteral("   1.  Bei  w = 1 / sec  ist der Betrag gleich der Konstanten:   | G ( j1 ) | = |K| ."),
            QStringLiteral("   2.  Die Gerade schneidet die 0 dB-Linie  ( | G | = 1 )  bei  w = |K| ."),
            QStringLiteral("Weitere Punkte liegen je Dekade um 20 dB tiefer."),
            memo_rule,
            QStringLiteral("BEISPIELE  [ links ]"),
            QString(),
            QStringLiteral("   blau :   K1 = 10"),
            QStringLiteral("        Punkt 1 :  w = 1 / sec ,   | G | = 10 = 20 dB   ( 1. Weg )"),
            QStringLiteral("        Punkt 2 :  w = 10 / sec ,   | G | = 1 = 0 dB   ( 2. Weg )"),
            QStringLiteral("        Punkt 3 :  w = 100 / sec ,   -20 dB ;     Punkt 4 :  w = 10000 / sec ,   -60 dB"),
            QStringLiteral("   grün :   K2 = 0.2"),
            QStringLiteral("        Punkt 1 :  w = 0.2 / sec ,   0 dB   ( 2. Weg )"),
            QStringLiteral("        Punkt 2 :  w = 20 / sec ,   -40 dB ;     Punkt 3 :  w = 2000 / sec ,   -80 dB"),
            QStringLiteral("Beide Phasenwinkel liegen bei -90°; sie sind etwas gegeneinander verschoben gezeichnet, "
                           "damit sie sich nicht verdecken."),
        },
        [] {
            draw_asymptotes(blue, {{0.1L, 40}, {100000, -80}}, {{0.01L, -90}, {100000, -90}}, 0, -1);
            labelled_points(blue, {{1, 20}, {10, 0}, {100, -20}, {10000, -60}}, 5, -25);
            draw_asymptotes(green, {{0.01L, dB(20)}, {20000, -100}}, {{0.01L, -90}, {100000, -90}}, 0, 2);
            labelled_points(green, {{0.2L, 0}, {20, -40}, {2000, -80}}, -20, 15);
        },
        QStringLiteral("Neue Linie vorgeben")));
}

// ---------------------------------------------------------------------------
// 05_05: differentiating behaviour

void page_05_05()
{
    show_text_page(explanation(
        QStringLiteral("5.3"), QStringLiteral("05_05"), function_heading,
        QStringLiteral(" Differenzierendes oder D- Verhalten"), {0.01L, 100000, 0.00001L, 100, -180, 180, false, false},
        {
            QString(),
            QStringLiteral("DIFFERENZIERENDES VERHALTEN  ( D-Glied )"),
            QString(),
            QStringLiteral("Ein D-Glied differenziert sein Eingangssignal nach der Zeit. Seine Übertragungs-Funktion "
                           "hat eine Nullstelle im Ursprung:"),
            QStringLiteral("                    G ( s ) = K · s ,     s = j w ."),
            memo_rule,
            QStringLiteral("BETRAG UND PHASENWINKEL"),
            QString(),
            QStringLiteral("     | G ( j w ) | = |K| · w       bzw.       | G ( j w ) | dB = 20 · log10 |K|  +  "
                           "20 · log10 ( w )   dB"),
            QStringLiteral("Im Bode-Diagramm ist der Betrag bei allen Frequenzen eine Gerade mit der Steigung  ") +
                unbroken(QStringLiteral("+20 dB / Dekade :")) +
                QStringLiteral(" Steigt w auf das Zehnfache, steigt auch der Betrag auf das Zehnfache."),
            QStringLiteral("     Phi = + 90°   bei allen Frequenzen  ( K > 0 ),  denn  j = 1 · e^( j 90° ) ."),
            memo_rule,
            QStringLiteral("PUNKTE DER GERADEN"),
            QString(),
            QStringLiteral("Auch hier genügt ein Punkt, da die Steigung feststeht:"),
            QStringLiteral("   1.  Bei  w = 1 / sec  ist der Betrag gleich der Konstanten:   | G ( j1 ) | = |K| ."),
            QStringLiteral("   2.  Die Gerade schneidet die 0 dB-Linie  ( | G | = 1 )  bei  w = 1 / |K| ."),
            QStringLiteral("Weitere Punkte liegen je Dekade um 20 dB höher."),
            memo_rule,
            QStringLiteral("BEISPIELE  [ links ]"),
            QString(),
            QStringLiteral("   blau :   K1 = 0.01 sec"),
            QStringLiteral("        Punkt 1 :  w = 1 / sec ,   | G | = 0.01 = -40 dB   ( 1. Weg )"),
            QStringLiteral("        Punkt 2 :  w = 10 / sec ,   -20 dB ;     Punkt 3 :  w = 1 / K1 = 100 / sec ,   "
                           "0 dB   ( 2. Weg )"),
            QStringLiteral("        Punkt 4 :  w = 10000 / sec ,   +40 dB"),
            QStringLiteral("   grün :   K2 = 1.25E-5 sec"),
            QStringLiteral("        Punkt 1 :  w = 8 / sec ,   -80 dB ;     Punkt 2 :  w = 800 / sec ,   -40 dB"),
            QStringLiteral("        Punkt 3 :  w = 1 / K2 = 80000 / sec ,   0 dB   ( 2. Weg )"),
            QStringLiteral("Beide Phasenwinkel liegen bei +90°; sie sind etwas gegeneinander verschoben gezeichnet, "
                           "damit sie sich nicht verdecken."),
        },
        [] {
            draw_asymptotes(blue, {{0.01L, -80}, {10000, 40}}, {{0.01L, 90}, {100000, 90}}, 0, -1);
            labelled_points(blue, {{1, -40}, {10, -20}, {100, 0}, {10000, 40}}, 10, 2);
            draw_asymptotes(green, {{0.8L, -100}, {100000, dB(1.25L)}}, {{0.01L, 90}, {100000, 90}}, 0, 2);
            labelled_points(green, {{8, -80}, {800, -40}, {80000, 0}}, -45, -15);
        },
        QStringLiteral("Neue Linie vorgeben")));
}

// ---------------------------------------------------------------------------
// 05_07: the constant exercise

void page_05_07()
{
    ExercisePage page;
    page.state = {QStringLiteral("5"), QStringLiteral("5.2 + 5.3"), QStringLiteral("05_07")};
    page.title = task_title(page.state, QStringLiteral("Abschnitte"));
    page.date = date;
    page.mode = &constant_mode;
    page.new_task_caption = QStringLiteral("Neue Konstante vorgeben");
    page.check_caption = QStringLiteral("Kontrolle der Eingabe");
    page.chart = chart_of({0.1L, 100000, 0.00001L, 1000, -180, 180, false, false});
    page.text = {
        QString(),
        QStringLiteral("KONSTANTE VON I- UND D-GLIEDERN"),
        QString(),
        QStringLiteral("Das Programm gibt nach dem Zufallsprinzip eine Übertragungs-Funktion mit I-Verhalten"),
        QStringLiteral("                    G ( s ) = K / s"),
        QStringLiteral("oder mit D-Verhalten"),
        QStringLiteral("                    G ( s ) = K · s"),
        QStringLiteral("vor; auch der Wert der Konstanten K wird zufällig gewählt."),
        memo_rule,
        QStringLiteral("AUFGABE"),
        QString(),
        QStringLiteral("Setzen Sie mit der Maus einen Punkt auf den Betragsfrequenzgang  | G ( s = j w ) |  der "
                       "vorgegebenen Funktion. Einen passenden Punkt finden Sie mit einfacher Rechnung, die Sie "
                       "auch ohne Taschenrechner bewältigen, zum Beispiel:"),
        QStringLiteral("   o  G = K / s :   | G | = 1  bei  w = K ,   oder   | G | = K  bei  w = 1 / sec ;"),
        QStringLiteral("   o  G = K · s :   | G | = 1  bei  w = 1 / K ,   oder   | G | = K  bei  w = 1 / sec ."),
        QStringLiteral("Liegt dieser Punkt außerhalb des Diagramms, gehen Sie von ihm aus um ganze Dekaden weiter ") +
            unbroken(QStringLiteral("( 20 dB je Dekade ).")),
        memo_rule,
        QStringLiteral("Setzen Sie den Punkt so genau wie möglich und wählen Sie ihn so, dass Sie nicht zwischen "
                       "Gitterlinien schätzen ( interpolieren ) müssen: Ungenau gesetzte Punkte werden nicht "
                       "akzeptiert. Das Programm berechnet aus Ihrem Punkt die Konstante K und vergleicht sie mit "
                       "dem vorgegebenen Wert."),
        QStringLiteral("Mit  \"Kontrolle der Eingabe\"  wird Ihr Punkt bewertet und der gesuchte Betragsfrequenzgang "
                       "rot eingezeichnet."),
        memo_rule,
        QStringLiteral("Bearbeiten Sie eine größere Anzahl von Konstanten ( Richtwert 20 - 50 )."),
    };
    page.new_task = new_constant;
    page.statistics = constant_statistics;
    show_exercise_page(page);
}

void new_constant()
{
    TForm1* f = Form1;
    // Six decades of w, -80 .. +80 dB.
    chart = ChartSettings{0.01L, 10000, 0.0001L, 10000, -180, 180, false, false};
    draw_chart(true, false);

    exercise_kind = R(2);
    const int m = R(10);
    const int e = R(10) - 5;
    long double k = power_of_ten(e) * m;
    if (exercise_kind == 2)
        k = 1 / k;
    target_value = k;

    // The line |G| = K / w or K · w where it crosses the chart rectangle
    // w 0.01 .. 10000, |G| 0.0001 .. 10000.
    if (exercise_kind == 1) {
        if (k <= 1) {
            seg_f1 = 0.01L, seg_v1 = k / 0.01L;
            seg_f2 = k / 0.0001L, seg_v2 = 0.0001L;
        } else if (k <= 100) {
            seg_f1 = 0.01L, seg_v1 = k / 0.01L;
            seg_f2 = 10000, seg_v2 = k / 10000;
        } else {
            seg_f1 = k / 10000, seg_v1 = 10000;
            seg_f2 = 10000, seg_v2 = k / 10000;
        }
    } else {
        if (k <= 0.01L) {
            seg_f1 = 0.0001L / k, seg_v1 = 0.0001L;
            seg_f2 = 10000, seg_v2 = k * 10000;
        } else if (k <= 1) {
            seg_f1 = 0.01L, seg_v1 = k * 0.01L;
            seg_f2 = 10000, seg_v2 = k * 10000;
        } else {
            seg_f1 = 0.01L, seg_v1 = k * 0.01L;
            seg_f2 = 10000 / k, seg_v2 = 10000;
        }
    }

    show_exercise_panel();
    f->l_pkt_freq->setText(QStringLiteral("Übertr.-Fkt  G(s) ="));
    f->E_freq->setText(exercise_kind == 1 ? QStringLiteral(" K / s") : QStringLiteral(" K · s"));
    f->l_pkt_ueber->setText(QStringLiteral("Bewegen Sie die Maus auf einen Punkt des Betragsfrequenzgangs zur"));
    f->l_pkt_wert1->setText(QStringLiteral("                   mit    K ="));
    f->l_pkt_mli->setText(QStringLiteral("Mit einem Klick auf die LINKE MAUSTASTE wird der Punkt gespeichert"));
    f->l_pkt_mre->setText(QStringLiteral("Mit einem Klick auf die RECHTE MAUSTASTE löschen Sie den Punkt wieder"));
    f->P_statistik->setCaption(constant_statistics());
    f->E_wert->setText(QStringLiteral(" ") + numfmt::sci(k, 4));
    f->E_freq->setEnabled(false);
    f->E_wert->setEnabled(false);
}

// ---------------------------------------------------------------------------
// 05_08: PI behaviour

void page_05_08()
{
    show_text_page(explanation(
        QStringLiteral("5.4"), QStringLiteral("05_08"), frequency_heading, QStringLiteral(" PI-Verhalten"),
        {0.1L, 10000, 0.1L, 10000, -90, 90, false, false},
        {
            QString(),
            QStringLiteral("PI-VERHALTEN  ( PI-Glied )"),
            QString(),
            QStringLiteral("Ein PI-Glied addiert zu einem proportionalen Anteil Kp einen integrierenden Anteil Ki / s. "
                           "Seine Übertragungs-Funktion lässt sich gleichwertig in mehreren Formen schreiben:"),
            QStringLiteral("     G ( s ) = Kp + Ki / s  =  Kp · ( 1 + 1 / ( s · Tn ) )  =  Kp · ( 1 + s · Tn ) / "
                           "( s · Tn )  =  Kp · ( 1 + s / wo ) / ( s / wo )"),
            QStringLiteral("mit der Nachstellzeit   Tn = Kp / Ki = 1 / wo   ( \"Nachstellzeit\" )   und der "
                           "Eckkreisfrequenz  ") +
                unbroken(QStringLiteral("wo .")) +
                QStringLiteral(" Das PI-Glied hat eine Polstelle im Ursprung und eine Nullstelle bei  ") +
                unbroken(QStringLiteral("s = - wo .")),
            memo_rule,
            QStringLiteral("BETRAGSFREQUENZGANG"),
            QString(),
            QStringLiteral("     | G ( j w ) | = |Kp| · ( 1 + ( wo / w )² )^0.5"),
            QStringLiteral("     | G ( j w ) | dB = 20 · log10 |Kp|  +  20 · log10 ( 1 + ( wo / w )² )^0.5   dB"
                           "          (5.3)"),
            QStringLiteral("   o  w << wo :   | G | = |Kp| · wo / w = |Ki| / w ,   die Gerade des I-Anteils mit  "
                           "-20 dB / Dekade ;"),
            QStringLiteral("   o  w >> wo :   | G | = |Kp| ,   eine Waagrechte auf der Höhe von Kp ."),
            QStringLiteral("Die Asymptoten schneiden sich bei  w = wo ; dort liegt der wahre Betrag um 3 dB über dem "
                           "Knickpunkt."),
            memo_rule,
            QStringLiteral("PHASENWINKELVERLAUF"),
            QString(),
            QStringLiteral("     Phi ( w ) = arctan ( w / wo ) - 90°          ( für Kp > 0 )          (5.4)"),
            QStringLiteral("Der Winkel steigt von -90° ( I-Verhalten ) auf 0° ( P-Verhalten ) und beträgt bei  "
                           "w = wo  genau -45°. Asymptoten:"),
            QStringLiteral("   o  w < wo / 10 :   Phi = -90° ;"),
            QStringLiteral("   o  wo / 10 < w < 10 · wo :   eine Gerade mit der Steigung  +45° / Dekade ;"),
            QStringLiteral("   o  w > 10 · wo :   Phi = 0° ."),
            memo_rule,
            QStringLiteral("BEISPIELE  [ links ]"),
            QString(),
            QStringLiteral("   blau :   Kp = 20 dB ,   wo = 200 / sec   ( Tn = 5 msec )"),
            QStringLiteral("   rot :     Kp = -10 dB ,   wo = 7 / sec   ( Tn = 0.143 sec )"),
            QStringLiteral("Die Knickpunkte sind durch Quadrate markiert, die gestrichelten Senkrechten zeigen die "
                           "Eckkreisfrequenzen. Die Phasenverläufe sind um je einen Pixel gegeneinander verschoben "
                           "gezeichnet."),
        },
        [] {
            draw_asymptotes(blue, {{0.2L, 80}, {200, 20}, {10000, 20}}, {{0.1L, -90}, {20, -90}, {2000, 0}, {10000, 0}}, 0,
                            1);
            mark_corner(blue, 200, 20, -45, 82, -94);
            draw_asymptotes(red, {{0.1L, dB(22.136L)}, {7, -10}, {10000, -10}},
                            {{0.1L, -90}, {0.7L, -90}, {70, 0}, {10000, 0}}, 0, -1);
            mark_corner(red, 7, -10, -45, 82, -94);
        }));
}

// ---------------------------------------------------------------------------
// 05_10: PD behaviour

void page_05_10()
{
    show_text_page(explanation(
        QStringLiteral("5.5"), QStringLiteral("05_10"), frequency_heading, QStringLiteral(" PD-Verhalten"),
        {0.1L, 10000, 0.01L, 100, -90, 90, false, false},
        {
            QString(),
            QStringLiteral("PD-VERHALTEN  ( PD-Glied )"),
            QString(),
            QStringLiteral("Ein PD-Glied addiert zu einem proportionalen Anteil Kp einen differenzierenden Anteil "
                           "Kd · s. Gleichwertige Formen seiner Übertragungs-Funktion sind"),
            QStringLiteral("     G ( s ) = Kp + Kd · s  =  Kp · ( 1 + s · Tv )  =  Kp · ( 1 + s / wo )"),
            QStringLiteral("mit der Vorhaltezeit   Tv = Kd / Kp = 1 / wo   ( \"Vorhaltezeit\" )   und der "
                           "Eckkreisfrequenz  wo . Das PD-Glied hat eine reelle Nullstelle bei  s = - wo ."),
            memo_rule,
            QStringLiteral("BETRAGSFREQUENZGANG"),
            QString(),
            QStringLiteral("     | G ( j w ) | = |Kp| · ( 1 + ( w / wo )² )^0.5"),
            QStringLiteral("     | G ( j w ) | dB = 20 · log10 |Kp|  +  20 · log10 ( 1 + ( w / wo )² )^0.5   dB"
                           "          (5.5)"),
            QStringLiteral("   o  w << wo :   | G | = |Kp| ,   eine Waagrechte auf der Höhe von Kp ;"),
            // A second line of an item stands under the item's text.
            QStringLiteral("   o  w >> wo :   | G | = |Kp| · w / wo = |Kd| · w ,   die Gerade des D-Anteils"),
            QStringLiteral("       mit  +20 dB / Dekade ."),
            QStringLiteral("Die Asymptoten schneiden sich bei  w = wo ; dort liegt der wahre Betrag um 3 dB über dem "
                           "Knickpunkt."),
            memo_rule,
            QStringLiteral("PHASENWINKELVERLAUF"),
            QString(),
            QStringLiteral("     Phi ( w ) = arctan ( w / wo )          ( für Kp > 0 )          (5.6)"),
            QStringLiteral("Der Winkel steigt von 0° ( P-Verhalten ) auf +90° ( D-Verhalten ) und beträgt bei  "
                           "w = wo  genau +45°. Asymptoten:"),
            QStringLiteral("   o  w < wo / 10 :   Phi = 0° ;"),
            QStringLiteral("   o  wo / 10 < w < 10 · wo :   eine Gerade mit der Steigung  +45° / Dekade ;"),
            QStringLiteral("   o  w > 10 · wo :   Phi = +90° ."),
            memo_rule,
            QStringLiteral("BEISPIELE  [ links ]"),
            QString(),
            QStringLiteral("   rot :     Kp = 10 dB ,   wo = 5 / sec   ( Tv = 0.2 sec )"),
            QStringLiteral("   blau :   Kp = -20 dB ,   wo = 100 / sec   ( Tv = 10 msec )"),
            QStringLiteral("Die Knickpunkte sind durch Quadrate markiert, die gestrichelten Senkrechten zeigen die "
                           "Eckkreisfrequenzen. Die Phasenverläufe sind um je einen Pixel gegeneinander verschoben "
                           "gezeichnet."),
        },
        [] {
            draw_asymptotes(red, {{0.1L, 10}, {5, 10}, {50 * std::sqrt(10.0L), 40}},
                            {{0.1L, 0}, {0.5L, 0}, {50, 90}, {10000, 90}}, 0, -1);
            mark_corner(red, 5, 10, 45, 42, -94);
            draw_asymptotes(blue, {{0.1L, -20}, {100, -20}, {10000, 20}}, {{0.1L, 0}, {10, 0}, {1000, 90}, {10000, 90}}, 0,
                            1);
            mark_corner(blue, 100, -20, 45, 42, -94);
        }));
}

// ---------------------------------------------------------------------------
// 05_12: first-order all-pass

void page_05_12()
{
    show_text_page(explanation(
        QStringLiteral("5.6"), QStringLiteral("05_12"), frequency_heading, QStringLiteral(" Allpass erster Ordnung"),
        {0.1L, 10000, 0.1L, 10, -270, 90, false, false},
        {
            QString(),
            QStringLiteral("ALLPASS ERSTER ORDNUNG  ( AP1 )"),
            QString(),
            QStringLiteral("Die Übertragungs-Funktion des Allpasses erster Ordnung lautet"),
            QStringLiteral("     G ( s ) = ( 1 - s / w1 ) / ( 1 + s / w1 ) ,     w1 > 0"
                           "                              (5.7)"),
            QStringLiteral("Die Nullstelle  so = + w1  liegt in der rechten, die Polstelle  sx = - w1  in der linken "
                           "Halbebene: Pol- und Nullstelle liegen symmetrisch zur imaginären Achse."),
            memo_rule,
            QStringLiteral("BETRAGSFREQUENZGANG"),
            QString(),
            QStringLiteral("Zähler und Nenner haben für  s = j w  denselben Betrag  ( 1 + ( w / w1 )² )^0.5 . Damit "
                           "ist"),
            QStringLiteral("     | G ( j w ) | = 1 = 0 dB   bei allen Frequenzen"
                           "                                          (5.8)"),
            QStringLiteral("Der Allpass lässt alle Frequenzen mit unveränderter Amplitude passieren; daher sein Name."),
            memo_rule,
            QStringLiteral("PHASENWINKELVERLAUF"),
            QString(),
            QStringLiteral("Zähler und Nenner tragen je  - arctan ( w / w1 )  bei:"),
            QStringLiteral("     Phi ( w ) = - 2 · arctan ( w / w1 )"
                           "                                                    (5.9)"),
            QStringLiteral("Der Winkel fällt von 0° auf -180° und beträgt bei  w = w1  genau -90°. Asymptoten:"),
            QStringLiteral("   o  w < w1 / 10 :   Phi = 0° ;"),
            QStringLiteral("   o  w1 / 10 < w < 10 · w1 :   eine Gerade mit der Steigung  -90° / Dekade ;"),
            QStringLiteral("   o  w > 10 · w1 :   Phi = -180° ."),
            QStringLiteral("Am Betragsverlauf ist der Allpass nicht zu erkennen, nur am Phasenwinkel: Er dreht die "
                           "Phase um 180° mehr, als es der Betrag bei einer minimalphasigen Funktion erwarten lässt."),
            memo_rule,
            QStringLiteral("BEISPIELE  [ links ]"),
            QString(),
            QStringLiteral("   rot :     w1 = 3 / sec"),
            QStringLiteral("   blau :   w1 = 200 / sec"),
            QStringLiteral("Beide Beträge liegen bei 0 dB; sie sind um je einen Pixel gegeneinander verschoben "
                           "gezeichnet. Die Quadrate markieren den Winkel -90° bei  w = w1 ."),
        },
        [] {
            // Only the angle shows the all-pass: its squares sit on the phase alone.
            draw_asymptotes(red, {{0.1L, 0}, {10000, 0}}, {{0.1L, 0}, {0.3L, 0}, {30, -180}, {10000, -180}}, 1, 1);
            mark_point(freq_to_x(3), phase_to_y(-90), red, 2);
            corner_line(red, 3, 21, -276);
            draw_asymptotes(blue, {{0.1L, 0}, {10000, 0}}, {{0.1L, 0}, {20, 0}, {2000, -180}, {10000, -180}}, -1, -1);
            mark_point(freq_to_x(200), phase_to_y(-90), blue, 2);
            corner_line(blue, 200, 21, -276);
        }));
}

// ---------------------------------------------------------------------------
// 05_13: the guided all-pass example

void page_05_13()
{
    ConstructionPage page;
    page.state = {QStringLiteral("5"), QStringLiteral("5.6"), QStringLiteral("05_13"), QStringLiteral("1")};
    page.title = QStringLiteral("Lektion ") + page.state.lesson + QStringLiteral(" :   Abschnitt ") +
                 page.state.section + QStringLiteral("   ") + page.state.example + QStringLiteral(". Beispiel");
    page.date = QStringLiteral("12.11.07");
    page.chart = {0.0001L, 1000, 0.01L, 100, -180, 90, false, true};
    page.problem =
        crlf + QStringLiteral("Ermitteln Sie Betragsfrequenzgang und Phasenwinkelverlauf zu der Übertragungs-Funktion") +
        crlf + crlf + QStringLiteral("          G ( s ) = ( 0.5 - s · 10 sec ) / ( 0.5 + s · 10 sec )") + crlf + crlf;
    page.steps = {subtasks_05_13, results_05_13};
    page.sheet = fixed_sheet({.mm_per_20dB = 25, .mm_per_90deg = 45});
    show_construction_page(page);
}

std::span<const PageFunction> lesson_5_pages()
{
    static constexpr PageFunction pages[] = {
        page_05_01, page_05_02, page_05_03, page_05_04, page_05_05, page_05_06, page_05_07, page_05_08,
        page_05_09, page_05_10, page_05_11, page_05_12, page_05_13,
    };
    return pages;
}
