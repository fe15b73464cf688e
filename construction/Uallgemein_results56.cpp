// The interim results of the constructions of lessons 5 and 6: the guided
// example 05_13 and the construction pages 06_02, 06_04 and 06_06.
#include "construction/result_text.h"

using namespace result_text;

namespace {

// The partial angle of one break of the magnitude asymptote: the break, its
// cause with the angle's equation, and the polygon.
QString partial_angle(const QString& knick, const QString& cause, const QString& equation, const QString& polygon)
{
    return lines({"", "", knick, "", cause, "", QStringLiteral("          ") + equation, "", polygon});
}

// The summing step of a phase construction of a minimum-phase function.
QString summing_step(const QString& final_slope, const QString& end, std::initializer_list<Section> sections,
                     const QString& remark)
{
    return result_text::summing_step(
        sections_opening(), end_value(final_slope, end), section_table("Phi", "°", sections),
        {QStringLiteral("Steigung eines Abschnitts = Summe der Steigungen aller Teilwinkel."), remark});
}

} // namespace

// ------------------------------------------------------------------ 05_13

const std::vector<InterimResult>& results_05_13()
{
    const QString id = QStringLiteral("05_13");
    static const std::vector<InterimResult> results = {
        {id, 1,
         lines({"", "",
                "Nach Division von Zähler und Nenner durch 0.5 erhält man die normierte Form",
                "",
                "G ( s ) = ( 0.5 - s · 10 sec ) / ( 0.5 + s · 10 sec ) = ( 1 - s · 20 sec ) / ( 1 + s · 20 sec )",
                "",
                "G ( s ) = ( 1 - s / [ 0.05 / sec ] ) / ( 1 + s / [ 0.05 / sec ] )",
                "",
                "Die Eckkreisfrequenz beträgt   w1 = 1 / ( 20 sec ) = 0.05 / sec .   Die Angabe ist erst mit "
                "der Einheit vollständig: 0.05 allein wäre falsch !",
                "",
                "Nullstelle:   1 - s / w1 = 0   =>   so_1 = + 0.05 / sec   ( einfach, positive reelle Achse )",
                "Polstelle:     1 + s / w1 = 0   =>   sx_1 = - 0.05 / sec   ( einfach, negative reelle Achse )",
                "",
                "Pol- und Nullstelle liegen spiegelbildlich zur imaginären Achse."}),
         {}},
        {id, 2,
         lines({"", "", "",
                "| Zähler ( s = jw ) | = [ 1 + ( - w / [ 0.05 / sec ] )² ]^1/2= [ 1 + ( w / [ 0.05 / sec ] )² ]^1/2",
                "",
                "Der Betragsverlauf des Zählerausdrucks gleicht dem einer Nullstelle bei   so = - 0.05/sec,",
                "da durch das Quadrieren des Imaginärteil das Minuszeichen verschwindet.",
                "",
                "",
                "Der zugehörige Polygonzug beginnt im Diagramm am Punkt   [ 1E-4 / sec , 0 dB ],",
                "besitzt einen Knick nach oben bei  [ 0.05 / sec , 0 dB ]     und verläuft ",
                "zu hohen Frequenzen hin mit einer Steigung von + 20 dB / Dekade [ einfache Nullstelle ]."}),
         {magnitude(fuchsia, 2, -1, {{1E-4L, 0}, {0.05L, 0}, {5, 40}})}},
        {id, 3,
         lines({"", "", "",
                "1 / | Nenner ( s = jw ) | = 1 / [ 1 + ( w / [ 0.05 / sec ] )² ]^1/2",
                "",
                "Das ist der Betragsverlauf einer einfachen Polstelle bei   sx = - 0.05/sec.",
                "",
                "",
                "Der zugehörige Polygonzug beginnt im Diagramm am Punkt   [ 1E-4 / sec , 0 dB ],",
                "besitzt einen Knick nach unten bei  [ 0.05 / sec , 0 dB ]     und verläuft ",
                "zu hohen Frequenzen hin mit einer Steigung von - 20 dB / Dekade [ einfache Polstelle ]."}),
         {magnitude(maroon, 2, 1, {{1E-4L, 0}, {0.05L, 0}, {5, -40}})}},
        {id, 4,
         lines({"", "", "",
                "| G ( s = jw ) | = | Zähler ( s = jw ) | / | Nenner ( s = jw ) |",
                "",
                "                     = [ 1 + ( w / [ 0.05 / sec ] )² ]^1/2 / [ 1 + ( w / [ 0.05 / sec ] )² ]^1/2 "
                "= 1",
                "",
                "",
                "Im Diagramm werden die beiden Polygonzüge addiert: oberhalb von   0.05 / sec   heben sich die "
                "Steigungen von + 20 dB / Dekade und - 20 dB / Dekade gegenseitig auf.",
                "",
                "Der Betrag ist bei allen Frequenzen gleich 1, der Gesamtfrequenzgang verläuft also "
                "waagerecht bei   0 dB."}),
         {magnitude(blue, 3, 0, {{1E-4L, 0}, {1000, 0}})}},
        {id, 5,
         lines({"", "", "",
                "Phi{ Zähler ( s = jw ) } = arctan ( - w / [ 0.05 / sec ] ) = - arctan ( w / [ 0.05 / sec ] )",
                "",
                "Wegen des negativen Imaginärteils verläuft der Winkel des Zählerausdrucks wie der einer Polstelle "
                "bei   sx = - 0.05/sec :   er fällt von 0° bei tiefen auf - 90° bei hohen Frequenzen.",
                "",
                "",
                "Der zugehörige Polygonzug verläuft bis   w = 0.1 · w1 = 5E-3 / sec   bei 0°, fällt dann "
                "mit - 45° / Dekade ( bei   w1 = 0.05 / sec   beträgt der Winkel - 45° ) und bleibt "
                "oberhalb von   w = 10 · w1 = 0.5 / sec   konstant bei - 90°."}),
         {phase(fuchsia, 2, -1, {{1E-4L, 0}, {5E-3L, 0}, {0.5L, -90}, {1000, -90}})}},
        {id, 6,
         lines({"", "", "",
                "Phi{ Nenner ( s = jw ) } = arctan ( w / [ 0.05 / sec ] )",
                "",
                "Der Nennerausdruck geht mit umgekehrtem Vorzeichen in den Gesamtwinkel ein:",
                "",
                "Phi{ 1 / Nenner ( s = jw ) } = - Phi{ Nenner ( s = jw ) } = - arctan ( w / [ 0.05 / sec ] )",
                "",
                "",
                "Das ist der Winkelverlauf einer einfachen Polstelle bei   sx = - 0.05/sec :   der Polygonzug "
                "verläuft bis   5E-3 / sec   bei 0°, fällt mit - 45° / Dekade bis   0.5 / sec   auf - 90° und "
                "bleibt dann konstant.",
                "",
                "Er ist deckungsgleich mit dem Polygonzug des Zählerausdrucks."}),
         {phase(maroon, 2, 2, {{1E-4L, 0}, {5E-3L, 0}, {0.5L, -90}, {1000, -90}})}},
        {id, 7,
         lines({"", "", "",
                "Phi{ G ( s = jw ) } = Phi{ Zähler ( s = jw ) } - Phi{ Nenner ( s = jw ) }",
                "",
                "                         = - 2 · arctan ( w / [ 0.05 / sec ] )",
                "",
                "",
                "Die beiden Teilwinkel werden addiert: zwischen   5E-3 / sec   und   0.5 / sec   fällt der "
                "Gesamtwinkel mit - 90° / Dekade, bei der Eckkreisfrequenz   w1 = 0.05 / sec   beträgt er - 90°, "
                "oberhalb von   0.5 / sec   bleibt er konstant bei - 180°.",
                "",
                "Der Betrag ist konstant, nur der Winkel hängt von der Frequenz ab: G ( s ) ist ein Allpass "
                "1. Ordnung."}),
         {phase(blue, 3, 0, {{1E-4L, 0}, {5E-3L, 0}, {0.5L, -180}, {1000, -180}})}},
    };
    return results;
}

// ------------------------------------------------------------------ 06_02

const std::vector<InterimResult>& results_06_02()
{
    const QString id = QStringLiteral("06_02");
    static const std::vector<InterimResult> results = {
        {id, 1,
         partial_angle("Der erste Knick im Betragsfrequenzgang liegt bei   w = 1 :   die Steigung ändert sich von 0 auf "
                       "- 20 dB / Dekade, der Knick führt also nach unten.",
                       "Ursache ist eine einfache Polstelle bei   sx_1 = - 1   mit der Eckkreisfrequenz   wx_1 = 1   "
                       "( normiert ). Ihr Winkelbeitrag ist",
                       "Phi_1 ( w ) = - arctan ( w / wx_1 ) .",
                       "Der Polygonzug verläuft bei 0° bis   w = 0.1 · wx_1 = 0.1 ,   fällt dann mit - 45° / Dekade "
                       "( bei   w = wx_1 = 1   beträgt der Winkel - 45° ) und bleibt oberhalb von   w = 10 · wx_1 = "
                       "10   konstant bei - 90°."),
         {phase(fuchsia, 2, 0, {{0.01L, 0}, {0.1L, 0}, {10, -90}, {1E6L, -90}})}},
        {id, 2,
         partial_angle("Der zweite Knick im Betragsfrequenzgang liegt bei   w = 100 :   die Steigung ändert sich von - "
                       "20 auf 0 dB / Dekade, der Knick um + 20 dB / Dekade führt also nach oben.",
                       "Ursache ist eine einfache Nullstelle bei   so_1 = - 100   mit der Eckkreisfrequenz   wo_1 = "
                       "100 . Ihr Winkelbeitrag ist",
                       "Phi_2 ( w ) = + arctan ( w / wo_1 ) .",
                       "Der Polygonzug verläuft bei 0° bis   w = 10 ,   steigt dann mit + 45° / Dekade ( bei   w = 100 "
                       "  beträgt der Winkel + 45° ) und bleibt oberhalb von   w = 1000   konstant bei + 90°."),
         {phase(maroon, 2, 0, {{0.01L, 0}, {10, 0}, {1000, 90}, {1E6L, 90}})}},
        {id, 3,
         partial_angle("Der dritte Knick im Betragsfrequenzgang liegt bei   w = 1E4 :   die Steigung ändert sich von 0 "
                       "auf - 40 dB / Dekade, der Knick führt also um - 40 dB / Dekade nach unten.",
                       "Eine Steigungsänderung um - 40 dB / Dekade entsteht durch eine doppelte Polstelle bei   sx_2 "
                       "= - 1E4   mit der Eckkreisfrequenz   wx_2 = 1E4 . Ihr Winkelbeitrag ist",
                       "Phi_3 ( w ) = - 2 · arctan ( w / wx_2 ) .",
                       "Der Polygonzug verläuft bei 0° bis   w = 1E3 ,   fällt dann mit - 90° / Dekade ( bei   w = 1E4 "
                       "  beträgt der Winkel - 90° ) und bleibt oberhalb von   w = 1E5   konstant bei - 180°."),
         {phase(red, 2, 2, {{0.01L, 0}, {1000, 0}, {1E5L, -180}, {1E6L, -180}})}},
        {id, 4,
         summing_step("- 40 dB / Dekade", "- 180°",
                      {{"0.01", "0.1", "0", "0", "0"},
                       {"0.1", "10", "-45", "0", "-90"},
                       {"10", "1E3", "+45", "-90", "0"},
                       {"1E3", "1E5", "-90", "0", "-180"},
                       {"1E5", "1E6", "0", "-180", "-180"}},
                      "Winkel am Abschnittsende = Winkel am Anfang + Steigung · Anzahl der Dekaden."),
         {phase(blue, 3, 0, {{0.01L, 0}, {0.1L, 0}, {10, -90}, {1000, 0}, {1E5L, -180}, {1E6L, -180}})},
         true},
    };
    return results;
}

// ------------------------------------------------------------------ 06_04

const std::vector<InterimResult>& results_06_04()
{
    const QString id = QStringLiteral("06_04");
    static const std::vector<InterimResult> results = {
        {id, 1,
         partial_angle("Der erste Knick im Betragsfrequenzgang liegt bei   w = 2 :   die Steigung ändert sich von 0 auf "
                       "- 20 dB / Dekade.",
                       "Ursache ist eine einfache Polstelle bei   sx_1 = - 2   mit der Eckkreisfrequenz   wx_1 = 2   ( "
                       "normiert ). Ihr Winkelbeitrag ist",
                       "Phi_1 ( w ) = - arctan ( w / wx_1 ) .",
                       "Der Polygonzug verläuft bei 0° bis   w = 0.1 · wx_1 = 0.2 ,   fällt dann mit - 45° / Dekade "
                       "( bei   w = wx_1 = 2   beträgt der Winkel - 45° ) und bleibt oberhalb von   w = 10 · wx_1 = "
                       "20   konstant bei - 90°."),
         {phase(fuchsia, 2, 0, {{0.1L, 0}, {0.2L, 0}, {20, -90}, {1000, -90}})}},
        {id, 2,
         partial_angle("Der zweite Knick im Betragsfrequenzgang liegt bei   w = 10 :   die Steigung ändert sich von - "
                       "20 auf - 40 dB / Dekade.",
                       "Ursache ist eine einfache Polstelle bei   sx_2 = - 10   mit der Eckkreisfrequenz   wx_2 = 10 "
                       ". Ihr Winkelbeitrag ist",
                       "Phi_2 ( w ) = - arctan ( w / wx_2 ) .",
                       "Der Polygonzug verläuft bei 0° bis   w = 1 ,   fällt dann mit - 45° / Dekade ( bei   w = 10   "
                       "beträgt der Winkel - 45° ) und bleibt oberhalb von   w = 100   konstant bei - 90°."),
         {phase(maroon, 2, 0, {{0.1L, 0}, {1, 0}, {100, -90}, {1000, -90}})}},
        {id, 3,
         partial_angle("Der dritte Knick im Betragsfrequenzgang liegt bei   w = 50 :   die Steigung ändert sich von - "
                       "40 auf - 60 dB / Dekade.",
                       "Ursache ist eine einfache Polstelle bei   sx_3 = - 50   mit der Eckkreisfrequenz   wx_3 = 50 "
                       ". Ihr Winkelbeitrag ist",
                       "Phi_3 ( w ) = - arctan ( w / wx_3 ) ,   also   Phi_3 ( wx_3 ) = - 45° .",
                       "Der Polygonzug verläuft bei 0° bis   w = 5 ,   fällt dann mit - 45° / Dekade und bleibt "
                       "oberhalb von   w = 500   konstant bei - 90°."),
         {phase(red, 2, 0, {{0.1L, 0}, {5, 0}, {500, -90}, {1000, -90}})}},
        {id, 4,
         summing_step("- 60 dB / Dekade", "- 270°",
                      {{"0.1", "0.2", "0", "0.00", "0.00"},
                       {"0.2", "1", "-45", "0.00", "-31.45"},
                       {"1", "5", "-90", "-31.45", "-94.36"},
                       {"5", "20", "-135", "-94.36", "-175.64"},
                       {"20", "100", "-90", "-175.64", "-238.55"},
                       {"100", "500", "-45", "-238.55", "-270.00"},
                       {"500", "1000", "0", "-270.00", "-270.00"}},
                      "Winkel am Abschnittsende = Winkel am Anfang + Steigung · lg ( w2 / w1 ),   z. B.   - 45° · lg "
                      "( 1 / 0.2 ) = - 31.45° ."),
         {phase(blue, 3, 0,
                {{0.1L, 0},
                 {0.2L, 0},
                 {1, -31.45L},
                 {5, -94.36L},
                 {20, -175.64L},
                 {100, -238.55L},
                 {500, -270},
                 {1000, -270}})},
         true},
    };
    return results;
}

// ------------------------------------------------------------------ 06_06

const std::vector<InterimResult>& results_06_06()
{
    const QString id = QStringLiteral("06_06");
    static const std::vector<InterimResult> results = {
        {id, 1,
         lines({"", "",
                "In jedem Linearfaktor wird die zugehörige Eckkreisfrequenz ausgeklammert:",
                "",
                "( s + 2E0 / sec )   = 2E0 / sec · ( 1 + s / [ 2E0 / sec ] )",
                "( s + 2E3 / sec )   = 2E3 / sec · ( 1 + s / [ 2E3 / sec ] )",
                "( s + 5E1 / sec )   = 5E1 / sec · ( 1 + s / [ 5E1 / sec ] )",
                "( s + 4E2 / sec )² = 1.6E5 / sec² · ( 1 + s / [ 4E2 / sec ] )²",
                "",
                "K = ( 2E2 / sec · 2E0 / sec · 2E3 / sec ) / ( 5E1 / sec · 1.6E5 / sec² ) = 8E5 / 8E6 = 1E-1",
                "",
                "                         ( 1 + s / [ 2E0 / sec ] ) · ( 1 + s / [ 2E3 / sec ] )",
                "G(s) = 1E-1 · ------------------------------------------------------------",
                "                         ( 1 + s / [ 5E1 / sec ] ) · ( 1 + s / [ 4E2 / sec ] )²",
                "",
                "Die Konstante K ist dimensionslos:   | G ( w -> 0 ) | = K = 0.1   =>   - 20 dB ."}),
         {}},
        {id, 2,
         lines({"", "",
                "Die Eckkreisfrequenzen in der Reihenfolge steigender Frequenzen:",
                "",
                "wo_1 = 2E0 / sec :   einfache Nullstelle bei   so_1 = - 2E0 / sec",
                "wx_1 = 5E1 / sec :   einfache Polstelle bei   sx_1 = - 5E1 / sec",
                "wx_2 = 4E2 / sec :   doppelte Polstelle bei   sx_2 = - 4E2 / sec",
                "wo_2 = 2E3 / sec :   einfache Nullstelle bei   so_2 = - 2E3 / sec",
                "",
                "An jeder Eckkreisfrequenz ändert sich die Steigung des Betragsfrequenzgangs je Vielfachheit "
                "um + 20 dB / Dekade ( Nullstelle ) oder um - 20 dB / Dekade ( Polstelle )."}),
         {}},
        {id, 3,
         lines({"",
                "Bei tiefen Frequenzen gilt   | G ( j · 1E-1 / sec ) | = K = 0.1  =>  - 20 dB .",
                "Von dort aus ändert sich die Steigung an jeder Eckkreisfrequenz ( w in 1/sec ):",
                "",
                section_table("|G|", "dB",
                              {{"0.1", "2", "0", "-20.000", "-20.000"},
                               {"2", "50", "+20", "-20.000", "+7.959"},
                               {"50", "400", "0", "+7.959", "+7.959"},
                               {"400", "2E3", "-40", "+7.959", "-20.000"},
                               {"2E3", "1E5", "-20", "-20.000", "-53.979"}}),
                "",
                "Pegeländerung eines Abschnitts = Steigung · Anzahl der Dekaden,",
                "z. B.   + 20 dB / Dekade · lg ( 50 / 2 ) = + 27.959 dB ."}),
         {magnitude(blue, 3, 0, {{0.1L, -20}, {2, -20}, {50, 7.959L}, {400, 7.959L}, {2000, -20}, {1E5L, -53.979L}})},
         true},
        {id, 4,
         partial_angle("Der erste Knick im Betragsfrequenzgang bei   w = 2E0 / sec   führt um + 20 dB / Dekade nach oben.",
                       "Ursache ist die einfache Nullstelle bei   so_1 = - 2E0 / sec   ( wo_1 = 2E0 / sec ). Ihr "
                       "Winkelbeitrag ist",
                       "Phi_1 ( w ) = + arctan ( w / wo_1 ) .",
                       "Der Polygonzug verläuft bei 0° bis   w = 0.2 / sec ,   steigt dann mit + 45° / Dekade ( bei   "
                       "w = 2 / sec   beträgt der Winkel + 45° ) und bleibt oberhalb von   w = 20 / sec   konstant bei "
                       "+ 90°."),
         {phase(fuchsia, 2, -1, {{0.1L, 0}, {0.2L, 0}, {20, 90}, {1E5L, 90}})}},
        {id, 5,
         partial_angle("Der zweite Knick im Betragsfrequenzgang bei   w = 5E1 / sec   führt um - 20 dB / Dekade nach "
                       "unten.",
                       "Ursache ist die einfache Polstelle bei   sx_1 = - 5E1 / sec   ( wx_1 = 5E1 / sec ). Ihr "
                       "Winkelbeitrag ist",
                       "Phi_2 ( w ) = - arctan ( w / wx_1 ) .",
                       "Der Polygonzug verläuft bei 0° bis   w = 5 / sec ,   fällt dann mit - 45° / Dekade ( bei   w = "
                       "50 / sec   beträgt der Winkel - 45° ) und bleibt oberhalb von   w = 500 / sec   konstant bei - "
                       "90°."),
         {phase(maroon, 2, 1, {{0.1L, 0}, {5, 0}, {500, -90}, {1E5L, -90}})}},
        {id, 6,
         partial_angle("Der dritte Knick im Betragsfrequenzgang bei   w = 4E2 / sec   führt um - 40 dB / Dekade nach "
                       "unten.",
                       "Ursache ist die doppelte Polstelle bei   sx_2 = - 4E2 / sec   ( wx_2 = 4E2 / sec ). Ihr "
                       "Winkelbeitrag ist",
                       "Phi_3 ( w ) = - 2 · arctan ( w / wx_2 ) .",
                       "Der Polygonzug verläuft bei 0° bis   w = 40 / sec ,   fällt dann mit - 90° / Dekade ( bei   w "
                       "= 400 / sec   beträgt der Winkel - 90° ) und bleibt oberhalb von   w = 4E3 / sec   konstant "
                       "bei - 180°."),
         {phase(red, 2, 1, {{0.1L, 0}, {40, 0}, {4000, -180}, {1E5L, -180}})}},
        {id, 7,
         partial_angle("Der vierte Knick im Betragsfrequenzgang bei   w = 2E3 / sec   führt um + 20 dB / Dekade nach "
                       "oben.",
                       "Ursache ist die einfache Nullstelle bei   so_2 = - 2E3 / sec   ( wo_2 = 2E3 / sec ). Ihr "
                       "Winkelbeitrag ist",
                       "Phi_4 ( w ) = + arctan ( w / wo_2 ) .",
                       "Der Polygonzug verläuft bei 0° bis   w = 2E2 / sec ,   steigt dann mit + 45° / Dekade ( bei   "
                       "w = 2E3 / sec   beträgt der Winkel + 45° ) und bleibt oberhalb von   w = 2E4 / sec   konstant "
                       "bei + 90°."),
         {phase(teal, 2, -1, {{0.1L, 0}, {200, 0}, {2E4L, 90}, {1E5L, 90}})}},
        {id, 8,
         summing_step("- 20 dB / Dekade", "- 90°",
                      {{"0.1", "0.2", "0", "0.000", "0.000"},
                       {"0.2", "5", "+45", "0.000", "+62.907"},
                       {"5", "20", "0", "+62.907", "+62.907"},
                       {"20", "40", "-45", "+62.907", "+49.361"},
                       {"40", "200", "-135", "+49.361", "-45.000"},
                       {"200", "500", "-90", "-45.000", "-80.815"},
                       {"500", "4E3", "-45", "-80.815", "-121.454"},
                       {"4E3", "2E4", "+45", "-121.454", "-90.000"},
                       {"2E4", "1E5", "0", "-90.000", "-90.000"}},
                      "Frequenzen in 1/sec."),
         {phase(blue, 3, 0,
                {{0.1L, 0},
                 {0.2L, 0},
                 {5, 62.907L},
                 {20, 62.907L},
                 {40, 49.361L},
                 {200, -45},
                 {500, -80.815L},
                 {4000, -121.454L},
                 {2E4L, -90},
                 {1E5L, -90}})},
         true},
    };
    return results;
}
