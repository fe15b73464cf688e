// Lesson 2: introduction to the Bode diagram. Why it is used, its
// advantages, the asymptotic approximations of a simple zero and pole, and
// the slopes of the polygonal approximations.
#include "app/Unit1.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"
#include "platform/numfmt.h"
#include "resources/pictures.h"

#include <cmath>

namespace {

using platform::PenStyle;

const QString date = QStringLiteral("07.11.07");
// The header of both pages on the slopes of the polygonal approximations.
const QString slopes_title = QStringLiteral("2. Einführung:      2.4 Steigungen bei den Polygonzug-Näherungen");

const QColor lime(0, 255, 0);
const QColor green(0, 128, 0);
const QColor aqua(0, 255, 255);
const QColor blue(0, 0, 255);

constexpr long double degrees_per_radian = 57.295779513082320877L;

PageState state(const QString& section, const QString& id)
{
    return {QStringLiteral("2"), section, id};
}

QString question_title(const PageState& state)
{
    return QStringLiteral("Fragen zur ") + state.lesson + QStringLiteral(". Lektion ,  Abschnitt ") + state.section;
}

void use_pen(const QColor& color, int width = 1, PenStyle style = PenStyle::Solid)
{
    platform::Canvas& c = Form1->Canvas;
    c.pen.color = color;
    c.pen.width = width;
    c.pen.style = style;
}

void use_font(const QString& name, int height, const QColor& color)
{
    platform::Canvas& c = Form1->Canvas;
    c.font.name = name;
    c.font.height = height;
    c.font.color = color;
}

void text(int x, int y, const QString& s)
{
    Form1->Canvas.textOut(x, y, s);
}

} // namespace

// ---------------------------------------------------------------------------
// 02_01: purpose of the Bode diagram

void page_02_01()
{
    TextPage page;
    page.state = state(QStringLiteral("2.1"), QStringLiteral("02_01"));
    page.title = QStringLiteral("2. Einführung:      2.1 Zweck des Bode- Diagramms");
    page.date = date;
    // The settings the page before left.
    page.chart = [] { draw_chart(false, false); };
    page.pictures = [] {
        platform::Canvas& c = Form1->Canvas;
        c.draw(170, 0, locus_picture());
        c.draw(175, 245, nichols_picture());
        c.draw(100, 490, bode_picture());
    };
    page.text = {
        QString(),
        QStringLiteral("DARSTELLUNG DES FREQUENZGANGS"),
        QString(),
        QStringLiteral("Der Frequenzgang eines linearen Systems ist seine komplexe Verstärkung G ( j w ) in "
                       "Abhängigkeit von der Kreisfrequenz  w  ( bzw. G ( j f ) in Abhängigkeit von der Frequenz  f ). "
                       "Zur grafischen Darstellung dieser komplexen Funktion sind drei Diagramm-Typen gebräuchlich."),
        QStringLiteral("Die drei Bilder links zeigen alle dasselbe Beispiel, ein Verzögerungsglied dritter Ordnung mit"),
        QStringLiteral("                    G ( s ) = 5 / ( 1 + s )^3 ,   s = j w ,   w in 1/sec."),
        QStringLiteral("Sein Betrag beginnt bei  5 = 13.979 dB,  sein Winkel fällt von 0° bis auf -270°."),
        memo_rule,
        QStringLiteral("1. ORTSKURVE, kurz OK  [ oberes Bild ]"),
        QString(),
        QStringLiteral("Für jede Frequenz wird der Realteil der Verstärkung nach rechts und der Imaginärteil nach oben "
                       "aufgetragen; beide Achsen sind linear geteilt. Die Punkte aller Frequenzen von w = 0 bis "
                       "w -> unendlich bilden die Ortskurve."),
        QStringLiteral("Realteil und Imaginärteil lassen sich direkt ablesen, Betrag und Winkel als Länge und Richtung "
                       "des Zeigers vom Ursprung zum Kurvenpunkt. Zu welcher Frequenz ein Punkt gehört, kann man "
                       "dagegen nicht ablesen: Es gibt keine Frequenzachse."),
        memo_rule,
        QStringLiteral("2. NICHOLS-DIAGRAMM  [ mittleres Bild ]"),
        QString(),
        QStringLiteral("Der Winkel der Verstärkung wird in Grad auf der linear geteilten x-Achse aufgetragen, der Betrag "
                       "in dB auf der y-Achse. Durch das logarithmische Maß dB passen sehr große und sehr kleine "
                       "Beträge in ein Bild."),
        QStringLiteral("Auch hier gibt es keine Frequenzachse: Die Frequenz eines Kurvenpunktes ist nicht abzulesen."),
        memo_rule,
        QStringLiteral("3. BODE-DIAGRAMM   [ unteres Bild ]"),
        QString(),
        QStringLiteral("Betrag in dB und Winkel in Grad werden in zwei Diagrammen über einer gemeinsamen, logarithmisch "
                       "geteilten Achse der Frequenz  f  oder der Kreisfrequenz  w  aufgetragen. Damit gilt:"),
        QStringLiteral("   o  Betrag und Winkel lassen sich für jede Frequenz unmittelbar ablesen."),
        QStringLiteral("   o  Der Betrag wird überall mit dem gleichen relativen Fehler abgelesen."),
        QStringLiteral("   o  Ein sehr weiter Frequenzbereich hat in einem Diagramm Platz."),
        // A second line of an item stands under the item's text.
        QStringLiteral("   o  Für reelle Pol- und Nullstellen gibt es einfache asymptotische Näherungen, mit denen"),
        QStringLiteral("       sich das Diagramm schnell von Hand zeichnen lässt."),
        memo_rule,
        QString(),
        QStringLiteral("Wegen dieser Eigenschaften ist das Bode-Diagramm in der Praxis weit verbreitet. Es ist das "
                       "Thema dieses Lernprogramms."),
    };
    show_text_page(page);
}

// ---------------------------------------------------------------------------
// 02_02: questions on section 2.1

void page_02_02()
{
    const PageState s = state(QStringLiteral("2.1"), QStringLiteral("02_02"));
    static const QStringList options = {
        choose_solution, QStringLiteral("OK + Nich.+ Bode"), QStringLiteral("Nichols + Bode"),
        QStringLiteral("Nichols + OK"),  QStringLiteral("Bode + OK"),        QStringLiteral("Nichols"),
        QStringLiteral("Bode"),          QStringLiteral("OK"),
    };
    show_question_page({
        s,
        question_title(s),
        date,
        {
            QStringLiteral("1. Frage: \r\n\r\nBei welchem der vorgestellten Diagramm-Typen können\r\n"
                           "Realteil und Imaginärteil der Verstärkung direkt abgelesen werden ?"),
            QStringLiteral("2. Frage: \r\n\r\nIn welcher / welchen Darstellung(en) lässt sich ein sehr großer Bereich\r\n"
                           "des Betrags darstellen?"),
            QStringLiteral("3. Frage: \r\n\r\nIn welcher Darstellung kann ein sehr breiter Frequenzbereich abgedeckt "
                           "werden?"),
            QStringLiteral("4. Frage: \r\n\r\nIn welchem Diagramm-Typ können Betrag und Winkel bei jeder Frequenz\r\n"
                           "unmittelbar abgelesen werden?"),
            QStringLiteral("5. Frage: \r\n\r\nIn welcher / welchen Darstellung(en) lässt sich der Betrag mit einem "
                           "konstanten relativen Fehler ablesen?"),
        },
        {
            QStringLiteral("Lösung zur 1. Frage:\r\n\r\nRealteil und Imaginärteil sind nur bei der Ortskurve unmittelbar "
                           "abzulesen."),
            QStringLiteral("Lösung zur 2. Frage:\r\n\r\nNur im Nichols- und im Bode-Diagramm wird der Betrag logarithmisch "
                           "geteilt."),
            QStringLiteral("Lösung zur 3. Frage:\r\n\r\nEine logarithmische Teilung der Frequenz ist in allen drei "
                           "Diagrammen möglich."),
            QStringLiteral("Lösung zur 4. Frage:\r\n\r\nDas ist nur im Bode-Diagramm möglich, da es dort eine "
                           "Frequenzachse gibt."),
            QStringLiteral("Lösung zur 5. Frage:\r\n\r\nDer Betrag wird nur im Nichols- und im Bode-Diagramm in dB "
                           "dargestellt."),
        },
        {options, {}, {}, {}, {}},
        {7, 2, 1, 6, 2},
        {},
    });
}

// ---------------------------------------------------------------------------
// 02_03: advantages of the Bode diagram

void page_02_03()
{
    TextPage page;
    page.state = state(QStringLiteral("2.2"), QStringLiteral("02_03"));
    page.title = QStringLiteral("2. Einführung:      2.2 Vorzüge des Bode-Diagramms");
    page.date = date;
    page.chart = chart_of(ChartSettings{0.001L, 1000, 0.01L, 100, -90, 90, false, false});
    page.memo_height = 719;
    page.frame_bottom = 770;
    page.text = {
        QString(),
        QStringLiteral("VORZÜGE DES BODE-DIAGRAMMS"),
        QString(),
        QStringLiteral("Gegenüber der Ortskurve und dem Nichols-Diagramm hat das Bode-Diagramm eine Reihe von "
                       "Vorzügen:"),
        memo_rule,
        QStringLiteral("a.)  Das Betrags- und das Winkeldiagramm haben eine gemeinsame Frequenzachse. Betrag und "
                       "Winkel einer Frequenz stehen senkrecht untereinander."),
        QString(),
        QStringLiteral("b.)  Die logarithmisch geteilte Frequenzachse überdeckt einen sehr weiten Frequenzbereich, "
                       "links zum Beispiel sechs Dekaden. Die Frequenz  f = 0 Hz  ( w = 0 1/sec )  kann allerdings "
                       "nicht dargestellt werden, denn  log( 0 )  liegt bei minus unendlich."),
        QString(),
        QStringLiteral("c.)  Der Betrag wird in dB angegeben, also ebenfalls logarithmisch. Sehr große und sehr kleine "
                       "Verstärkungen erscheinen in einem Bild, und der Betrag lässt sich überall mit dem gleichen "
                       "relativen Fehler ablesen."),
        QString(),
        QStringLiteral("d.)  Aus Produkten und Quotienten von Verstärkungen werden Summen und Differenzen ihrer dB-Werte "
                       "und Winkel. Gebrochen rationale Funktionen höherer Ordnung und Ketten rückwirkungsfreier "
                       "Stufen zeichnet man deshalb Faktor für Faktor und addiert die Teilkurven."),
        QString(),
        QStringLiteral("e.)  Reelle Pol- und Nullstellen lassen sich durch genaue asymptotische Näherungen darstellen, "
                       "die als Polygonzüge mit dem Lineal gezeichnet werden."),
        QString(),
        QStringLiteral("f.)  Die Höhen des Betrags- und des Winkeldiagramms können unabhängig voneinander so gewählt "
                       "werden, wie es die geforderte Ablese-Genauigkeit verlangt."),
        memo_rule,
    };
    show_text_page(page);
}

// ---------------------------------------------------------------------------
// 02_04: approximations in the Bode diagram

// A curve of 02_04: from its value at f = 0.001 along the samples
// f(i) = fmin * 10^(lg(fmax / fmin) * i / 450), i = 0 .. last.
template <typename Y>
static void sampled_curve(int last, Y y_of)
{
    platform::Canvas& c = Form1->Canvas;
    c.moveTo(freq_to_x(0.001L), y_of(0.001L));
    const long double span = std::log10(chart.fmax / chart.fmin);
    for (int i = 0; i <= last; ++i) {
        const long double f = chart.fmin * std::pow(10.0L, span * i / 450);
        c.lineTo(freq_to_x(f), y_of(f));
    }
}

void page_02_04()
{
    TextPage page;
    page.state = state(QStringLiteral("2.3"), QStringLiteral("02_04"));
    page.title = QStringLiteral("2. Einführung:      2.3 Näherungen beim Bode-Diagramm");
    page.date = date;
    page.chart = chart_of(ChartSettings{0.001L, 1000, 0.01L, 100, -90, 90, true, true});
    page.text = {
        QString(),
        QStringLiteral("ASYMPTOTISCHE NÄHERUNGEN"),
        QString(),
        QStringLiteral("Betrag und Winkel einfacher reeller Null- und Polstellen lassen sich im Bode-Diagramm durch "
                       "Geraden, die Asymptoten, gut annähern. Links sind die exakten Verläufe und ihre Näherungen "
                       "für  fo = fx = 1 Hz  gezeichnet."),
        memo_rule,
        QStringLiteral("EINFACHE NULLSTELLE  ( PD-Glied ):      G ( j f ) = 1 + j f / fo ,    fo = 1 Hz"),
        QString(),
        QStringLiteral("Betrag exakt:     | G ( j f ) | = [ 1 + ( f / fo )² ]^( + 1/2 )"),
        QStringLiteral("Näherung:           | G ( j f ) | = 1  für  f < fo ,      | G ( j f ) | = f / fo  für  f > fo"),
        QStringLiteral("Winkel exakt:      Phi ( f ) = + arctan ( f / fo )"),
        QStringLiteral("Näherung:           Phi ( f ) = 0°  für  f < 0.1·fo ,      Phi ( f ) = + 90°  für  f > 10·fo ,"),
        QStringLiteral("                          Phi ( f ) = + 45°·[ 1 + log ( f / fo ) ]  für  0.1·fo < f < 10·fo"),
        QStringLiteral("Die exakten Verläufe sind hellgrün, die Näherungen grün gezeichnet."),
        memo_rule,
        QStringLiteral("EINFACHE POLSTELLE  ( PT1-Glied ):      G ( j f ) = 1 / ( 1 + j f / fx ) ,    fx = 1 Hz"),
        QString(),
        QStringLiteral("Betrag exakt:     | G ( j f ) | = [ 1 + ( f / fx )² ]^( - 1/2 )"),
        QStringLiteral("Näherung:           | G ( j f ) | = 1  für  f < fx ,      | G ( j f ) | = fx / f  für  f > fx"),
        QStringLiteral("Winkel exakt:      Phi ( f ) = - arctan ( f / fx )"),
        QStringLiteral("Näherung:           Phi ( f ) = 0°  für  f < 0.1·fx ,      Phi ( f ) = - 90°  für  f > 10·fx ,"),
        QStringLiteral("                          Phi ( f ) = - 45°·[ 1 + log ( f / fx ) ]  für  0.1·fx < f < 10·fx"),
        QStringLiteral("Die exakten Verläufe sind hellblau, die Näherungen blau gezeichnet."),
        memo_rule,
        QStringLiteral("FEHLER DER NÄHERUNGEN"),
        QString(),
        QStringLiteral("Betrag:  Der größte Fehler tritt bei der Eckfrequenz auf. Dort ist der exakte Betrag  2^( + 1/2 )  "
                       "bzw.  2^( - 1/2 ),  die Näherung dagegen  1 = 0 dB. Die Näherung liegt also bei der Nullstelle "
                       "um  3.0102 dB  zu tief ( Fehler  - 3.0102 dB ) und bei der Polstelle um  3.0102 dB  zu hoch "
                       "( Fehler  + 3.0102 dB )."),
        QString(),
        QStringLiteral("Winkel:  Bei der Eckfrequenz stimmen Näherung und exakter Winkel mit  + 45°  bzw.  - 45°  "
                       "überein. Die Fehler bleiben im ganzen Frequenzbereich zwischen  - 5.7°  und  + 5.7°; "
                       "am größten sind sie bei  0.1·fo  und  10·fo."),
        memo_rule,
        QString(),
        QStringLiteral("Wegen dieser kleinen Fehler genügen die Näherungen für viele Aufgaben der Praxis."),
    };
    page.curves = [] {
        const platform::ScopedPen pen(Form1->Canvas, Qt::black);
        platform::Canvas& c = Form1->Canvas;
        // The zero: exact curves light green, approximations green; the pole:
        // exact curves aqua, approximations blue. The approximations keep one
        // pixel above (zero) or below (pole) the 0 dB and 0 degree lines.
        use_pen(lime, 2);
        sampled_curve(281, [](long double f) { return mag_to_y(std::sqrt(f * f + 1)); });
        sampled_curve(450, [](long double f) { return phase_to_y(std::atan(f) * degrees_per_radian); });

        use_pen(green, 2);
        c.moveTo(freq_to_x(0.001L), mag_to_y(1) - 1);
        c.lineTo(freq_to_x(1), mag_to_y(1) - 1);
        c.lineTo(freq_to_x(100), mag_to_y(100));
        c.moveTo(freq_to_x(0.001L), phase_to_y(0) - 1);
        c.lineTo(freq_to_x(0.1L), phase_to_y(0) - 1);
        c.lineTo(freq_to_x(10), phase_to_y(90));
        c.lineTo(freq_to_x(1000), phase_to_y(90));

        use_pen(aqua, 2);
        sampled_curve(281, [](long double f) { return mag_to_y(1 / std::sqrt(f * f + 1)); });
        sampled_curve(450, [](long double f) { return phase_to_y(-std::atan(f) * degrees_per_radian); });

        use_pen(blue, 2);
        c.moveTo(freq_to_x(0.001L), mag_to_y(1) + 1);
        c.lineTo(freq_to_x(1), mag_to_y(1) + 1);
        c.lineTo(freq_to_x(100), mag_to_y(0.01L));
        c.moveTo(freq_to_x(0.001L), phase_to_y(0) + 1);
        c.lineTo(freq_to_x(0.1L), phase_to_y(0) + 1);
        c.lineTo(freq_to_x(10), phase_to_y(-90));
        c.lineTo(freq_to_x(1000), phase_to_y(-90));

    };
    show_text_page(page);
}

// ---------------------------------------------------------------------------
// 02_05: questions on section 2.3

void page_02_05()
{
    const PageState s = state(QStringLiteral("2.3"), QStringLiteral("02_05"));
    show_question_page({
        s,
        question_title(s),
        date,
        {
            QStringLiteral("1. Frage: \r\n\r\nWie ändert sich der Betrag als Folge einer einfachen Polstelle bzw.\r\n"
                           "einer einfachen Nullstelle oberhalb der Eckfrequenz ?"),
            QStringLiteral("2. Frage: \r\n\r\nWie ändert sich der Winkel als Folge einer einfachen Polstelle bzw.\r\n"
                           "einer einfachen Nullstelle von tiefen zu hohen Frequenzen hin ?"),
            QStringLiteral("3. Frage: \r\n\r\nWie groß kann der Winkelfehler der asymptotischen Näherungen bei einer "
                           "Funktion mit einer einfachen Polstelle oder einer einfachen Nullstelle maximal werden?"),
            QStringLiteral("4. Frage: \r\n\r\nWelche Fehler entstehen durch die asymptotischen Näherungen bei der "
                           "Eckfrequenz als Folge einer einfachen Nullstelle im Betrag und im Winkel ?"),
            QStringLiteral("5. Frage: \r\n\r\nWelche Fehler entstehen durch die asymptotischen Näherungen bei der "
                           "Eckfrequenz als Folge einer einfachen Polstelle im Betrag und im Winkel ?"),
        },
        {
            QStringLiteral("Lösung zur 1. Frage:\r\n\r\nEs wächst der Betrag des Nenners bzw. des Zählers\r\n"
                           "Als Folge davon   fällt  bzw.  steigt  der Betrag mit der Frequenz."),
            QStringLiteral("Lösung zur 2. Frage:\r\n\r\nPhi(f)= - arctan( f / fx )   bzw.   Phi(f) = + arctan( f / fo ) :  "
                           "Phi  fällt bzw. steigt"),
            QStringLiteral("Lösung zur 3. Frage:\r\n\r\nDer maximale Fehler gegenüber der arctan-Funktion beträgt etwa  "
                           "+/- 5.7°."),
            QStringLiteral("Lösung zur 4. Frage:\r\n\r\n|G(f=fo)| = 2^{1/2} ; Phi(f=fo) = +45° ; Fehler :  -3.0102 dB;   "
                           "0°"),
            QStringLiteral("Lösung zur 5. Frage:\r\n\r\n|G(f=fo)| = 2^{-1/2} ; Phi(f=fo) = -45° ; Fehler :  +3.0102 dB;   "
                           "0°"),
        },
        {
            QStringList{choose_solution, QStringLiteral("fällt / fällt"), QStringLiteral("fällt / steigt"),
                        QStringLiteral("steigt / fällt"), QStringLiteral("steigt / steigt"),
                        QStringLiteral("gleich / steigt"), QStringLiteral("steigt / gleich"),
                        QStringLiteral("gleich / gleich")},
            {},
            QStringList{choose_solution, QStringLiteral("+ 45 °"), QStringLiteral("- 45 °"),
                        QStringLiteral("+ 90 °"), QStringLiteral("- 90 °"), QStringLiteral("+ 5.7 °"),
                        QStringLiteral("- 5.7 °"), QStringLiteral("+/- 5.7 °")},
            QStringList{choose_solution, QStringLiteral("0 dB / + 5.7 °"),
                        QStringLiteral("0 dB / - 5.7 °"), QStringLiteral("+ 3 dB / 0 °"), QStringLiteral("- 3 dB / 0 °"),
                        QStringLiteral("+ 3.0102 dB / 0 °"), QStringLiteral("- 3.0102 dB / 0 °"),
                        QStringLiteral("0 dB / 0 °")},
            {},
        },
        {2, 2, 7, 6, 5},
        [] {
            chart = ChartSettings{0.001L, 1000, 0.01L, 100, -90, 90, true, true};
            draw_chart(true, true);
        },
    });
}

// ---------------------------------------------------------------------------
// 02_06: slopes in the magnitude diagram

void page_02_06()
{
    TextPage page;
    page.state = state(QStringLiteral("2.4"), QStringLiteral("02_06"));
    page.title = slopes_title;
    page.date = date;
    page.chart = chart_of(ChartSettings{100, 10000, 0.001L, 1000, -90, 90, false, false}, true, false);
    page.text = {
        QString(),
        QStringLiteral("2.4.1 STEIGUNGEN IM BETRAGS-DIAGRAMM :"),
        QString(),
        QStringLiteral("Auf der logarithmisch geteilten Frequenzachse bedeuten gleiche Abstände gleiche "
                       "Frequenz-Verhältnisse. Zwei Verhältnisse haben eigene Namen:"),
        QStringLiteral("   o  DEKADE:  Die Frequenz ändert sich um den Faktor 10,  z.B. von 100 Hz auf 1 kHz."),
        QStringLiteral("   o  OKTAVE:  Die Frequenz ändert sich um den Faktor 2,  z.B. von 1 kHz auf 2 kHz."),
        memo_rule,
        QStringLiteral("GERADEN IM BETRAGS-DIAGRAMM"),
        QString(),
        QStringLiteral("Eine Funktion der Form"),
        QStringLiteral("                    | G ( j f ) | = K·( f / fo )^n        mit ganzzahligem  n"),
        QStringLiteral("ergibt im Bode-Diagramm eine Gerade, denn in dB gilt"),
        QStringLiteral("                    | G ( j f ) | / dB = 20·log ( K ) + n·20·log ( f / fo ) ."),
        QStringLiteral("Steigt die Frequenz um eine Dekade, wächst  log ( f / fo )  um 1, und der Betrag ändert sich "
                       "um  n·20 dB.  Steigt sie um eine Oktave, wächst  log ( f / fo )  um  log ( 2 ) = 0.30103, "
                       "und der Betrag ändert sich um  n·6.0206 dB."),
        QString(),
        QStringLiteral("                    Steigung  =  n·20 dB / Dekade  =  n·6.0206 dB / Oktave"),
        QString(),
        QStringLiteral("Für  n > 0  steigt die Gerade, für  n < 0  fällt sie, für  n = 0  verläuft sie waagerecht. "
                       "Bei  f = fo  hat sie den Wert  K."),
        memo_rule,
        QStringLiteral("BEISPIELE  [ links ]"),
        QString(),
        QStringLiteral("Beide Beispiele haben  K = 1  und  fo = 1 kHz;  ihre Geraden gehen deshalb bei  1 kHz  durch  "
                       "0 dB."),
        QStringLiteral("   o  n = - 3  ( grün ):   Steigung  - 60 dB / Dekade  =  - 18.06 dB / Oktave"),
        QStringLiteral("   o  n = + 2  ( blau ):    Steigung  + 40 dB / Dekade  =  + 12.04 dB / Oktave"),
        QStringLiteral("Das Diagramm umfasst zwei Dekaden der Frequenz und 120 dB des Betrags: Die grüne Gerade "
                       "fällt darin um 120 dB, die blaue steigt um 80 dB."),
        memo_rule,
    };
    page.curves = [] {
        const platform::ScopedPen pen(Form1->Canvas, Qt::black);
        platform::Canvas& c = Form1->Canvas;
        use_pen(green, 2);
        use_font(QStringLiteral("Courier New"), -15, green);
        line(freq_to_x(100), mag_to_y(1000), freq_to_x(10000), mag_to_y(0.001L));
        // "db" as the course writes it on this picture; the memo says "dB".
        text(freq_to_x(220), mag_to_y(1000), QStringLiteral("|G(jf)| = 1·(f/1 kHz)^(-3)"));
        text(freq_to_x(220), mag_to_y(560), QStringLiteral("Steigung : - 60 db/Dekade"));

        use_pen(blue, 2);
        c.font.color = blue;
        line(freq_to_x(100), mag_to_y(0.01L), freq_to_x(10000), mag_to_y(100));
        text(freq_to_x(220) - 50, mag_to_y(0.031L) + 35, QStringLiteral("|G(jf)| = 1·(f/1 kHz)^(+2)"));
        text(freq_to_x(220) - 50, mag_to_y(0.0195L) + 35, QStringLiteral("Steigung : +40 db/Dekade"));

        use_font(QStringLiteral("MS Sans Serif"), 8, Qt::black);
    };
    show_text_page(page);
}

// ---------------------------------------------------------------------------
// 02_07: slopes in the phase diagram

void page_02_07()
{
    TextPage page;
    page.state = state(QStringLiteral("2.4"), QStringLiteral("02_07"));
    page.title = slopes_title;
    page.date = date;
    page.chart = chart_of(ChartSettings{10, 100000, 0.001L, 1000, -360, 360, true, true}, false, true);
    page.text = {
        QString(),
        QStringLiteral("2.4.2 STEIGUNGEN IM PHASENWINKEL-DIAGRAMM :"),
        QString(),
        QStringLiteral("Betrachtet wird die Funktion"),
        QStringLiteral("                    G ( j f ) = K·( 1 + j f / f_eck )^n        mit ganzzahligem  n ."),
        QStringLiteral("Ihr Winkel ist"),
        QStringLiteral("                    Phi ( f ) = n·arctan ( f / f_eck ) ,"),
        QStringLiteral("bei der Eckfrequenz  f = f_eck  also genau  n·45°."),
        QString(),
        QStringLiteral("Für  n > 0  hat die Funktion eine n-fache Nullstelle, für  n < 0  eine |n|-fache Polstelle, "
                       "jeweils bei  s = - w_eck  ( w_eck = 2·pi·f_eck )."),
        memo_rule,
        QStringLiteral("POLYGONZUG-NÄHERUNG DES WINKELS"),
        QString(),
        QStringLiteral("   o  Phi ( f ) = 0°   für  f <= 0.1·f_eck"),
        QStringLiteral("   o  Phi ( f ) = n·45°·[ 1 + log ( f / f_eck ) ]   für  0.1·f_eck <= f <= 10·f_eck"),
        QStringLiteral("   o  Phi ( f ) = n·90°   für  f >= 10·f_eck"),
        QString(),
        QStringLiteral("Die gesamte Änderung des Winkels um  n·90°  verteilt sich also auf zwei Dekaden, eine unterhalb "
                       "und eine oberhalb der Eckfrequenz. Die schräge Gerade hat die Steigung  n·45° pro Dekade."),
        QStringLiteral("Bei sehr tiefen und sehr hohen Frequenzen nimmt der Winkel nur Vielfache von 90° an."),
        memo_rule,
        QStringLiteral("BEISPIELE  [ links ]"),
        QString(),
        QStringLiteral("Gezeichnet sind die Näherungen für  K = 1  und  f_eck = 1 kHz:"),
        QStringLiteral("   o  n = - 1 ... - 4  ( Polstellen, grün ):   Der Winkel fällt bis auf  n·90°."),
        QStringLiteral("   o  n = + 1 ... + 4  ( Nullstellen, blau ):   Der Winkel steigt bis auf  n·90°."),
        memo_rule,
        QStringLiteral("ACHTUNG"),
        QString(),
        QStringLiteral("Ein häufiger Fehler ist es, die Änderung des Winkels auf nur eine Dekade zu verteilen. "
                       "Richtig sind zwei Dekaden: von  0.1·f_eck  bis  10·f_eck."),
        memo_rule,
    };
    page.curves = [] {
        const platform::ScopedPen pen(Form1->Canvas, Qt::black);
        platform::Canvas& c = Form1->Canvas;
        use_font(QStringLiteral("Courier New"), -15, green);
        use_pen(green, 2);
        for (int m = 1; m <= 4; ++m) {
            c.moveTo(freq_to_x(10), phase_to_y(0) + 1);
            c.lineTo(freq_to_x(100), phase_to_y(0) + 1);
            c.lineTo(freq_to_x(10000), phase_to_y(-90 * m));
            c.lineTo(freq_to_x(100000), phase_to_y(-90 * m));
            text(freq_to_x(20000), phase_to_y(-90 * m + 45), QStringLiteral("n = ") + numfmt::integer(-m));
        }
        text(freq_to_x(30), phase_to_y(1050), QStringLiteral("                     1"));
        text(freq_to_x(30), phase_to_y(1010), QStringLiteral("F( jf )  = -------------------------  ;     m = -n"));
        text(freq_to_x(30), phase_to_y(970), QStringLiteral("              ( 1 + j f / f_eck )^m"));

        use_pen(blue, 2);
        c.font.color = blue;
        for (int m = 1; m <= 4; ++m) {
            c.moveTo(freq_to_x(10), phase_to_y(0) - 1);
            c.lineTo(freq_to_x(100), phase_to_y(0) - 1);
            c.lineTo(freq_to_x(10000), phase_to_y(90 * m));
            c.lineTo(freq_to_x(100000), phase_to_y(90 * m));
            text(freq_to_x(20000), phase_to_y(90 * m), QStringLiteral("n = ") + numfmt::integer(m));
        }
        text(freq_to_x(30), phase_to_y(1170), QStringLiteral("F( jf )  =    ( 1 + j f / f_eck )^n"));

        use_font(QStringLiteral("MS Sans Serif"), 8, Qt::black);
        static const QString low[] = {QStringLiteral("Asymptote"), QStringLiteral("für tiefe"),
                                      QStringLiteral("Frequenzen:"), QStringLiteral("Phi = 0°")};
        static const QString high[] = {QStringLiteral("Asymptote"), QStringLiteral("für hohe"),
                                       QStringLiteral("Frequenzen:"), QStringLiteral("Phi = n·90°")};
        static constexpr int heights[] = {800, 755, 710, 665};
        for (int k = 0; k < 4; ++k)
            text(freq_to_x(20), phase_to_y(heights[k]), low[k]);
        for (int k = 0; k < 4; ++k)
            text(freq_to_x(20000), phase_to_y(heights[k]), high[k]);

        // The corner frequency and the two decades around it.
        use_pen(Qt::black, 1, PenStyle::Dot);
        line(freq_to_x(100), phase_to_y(420), freq_to_x(100), phase_to_y(850));
        line(freq_to_x(10000), phase_to_y(420), freq_to_x(10000), phase_to_y(850));
        line(freq_to_x(1000), phase_to_y(420), freq_to_x(1000), phase_to_y(480));
        text(freq_to_x(500), phase_to_y(600), QStringLiteral("   Eckfrequenz"));
        text(freq_to_x(500), phase_to_y(555), QStringLiteral(" f_eck = 1 kHz"));
        text(freq_to_x(400), phase_to_y(510), QStringLiteral("Phi ( f_eck )  = n·45°"));
        line(freq_to_x(1000), phase_to_y(620), freq_to_x(1000), phase_to_y(850));

        use_pen(Qt::black);
        const int y0 = phase_to_y(750);
        line(freq_to_x(100), y0, freq_to_x(10000), y0);
        auto arrow = [&](int x, int dx) {
            line(x, y0, x + dx, y0 - 6);
            line(x, y0, x + dx, y0 + 6);
        };
        arrow(freq_to_x(100), 6);
        arrow(freq_to_x(1000), -6);
        arrow(freq_to_x(1000), 6);
        arrow(freq_to_x(10000), -6);
        text(freq_to_x(200), phase_to_y(800), QStringLiteral("1 Dekade"));
        text(freq_to_x(200), phase_to_y(740), QStringLiteral("nach unten"));
        text(freq_to_x(2000), phase_to_y(800), QStringLiteral("1 Dekade"));
        text(freq_to_x(2000), phase_to_y(740), QStringLiteral("nach oben"));

    };
    show_text_page(page);
}

std::span<const PageFunction> lesson_2_pages()
{
    static constexpr PageFunction pages[] = {
        page_02_01, page_02_02, page_02_03, page_02_04, page_02_05, page_02_06, page_02_07,
    };
    return pages;
}
