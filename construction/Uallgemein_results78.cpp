// The interim results of the constructions of lessons 7 and 8: for every
// step of pages 07_02 ... 08_03 the explanation shown in M_teilloes and the
// solution polygons drawn into the chart, in drawing order.
#include "construction/result_text.h"

namespace {

using namespace result_text;

// The tables of the total angle name the partial angles behind each slope.
QString phase_table(std::initializer_list<Section> sections)
{
    return section_table(QStringLiteral("Phi"), QStringLiteral("°"), sections, QStringLiteral("beteiligte Teilwinkel"),
                         QStringLiteral("mit Steigung in ° / Dek"));
}

// `knick` names the end of the section whose break the remark explains.
QString magnitude_table(const QString& knick, std::initializer_list<Section> sections)
{
    return section_table(QStringLiteral("|G|"), QStringLiteral("dB"), sections, QStringLiteral("Knick bei ") + knick,
                         QStringLiteral("Änderung : Ursache"));
}

// A partial angle as a polygon, from its equation: 0° up to `lower`, the
// slope between `lower` and `upper` with the angle at the corner frequency,
// and the end value above `upper`. The notes follow the bounds of the
// first and the last piece.
struct AnglePolygon {
    QString equation;
    QString lower;
    QString upper;
    QString slope;
    QString corner;
    QString at_corner;
    QString end;
    QString lower_note = {};
    QString upper_note = {};
};

QString angle_polygon(const AnglePolygon& a)
{
    const auto bound = [](const QString& w, const QString& note) {
        return note.isEmpty() ? w : w + QStringLiteral("  ") + note;
    };
    return lines({QStringLiteral("Teilwinkel   Phi = ") + a.equation + QStringLiteral(" ,   als Polygonzug:"),
                  QStringLiteral("     w <= ") + bound(a.lower, a.lower_note) + QStringLiteral(" :   Phi = 0°"),
                  QStringLiteral("     ") + a.lower + QStringLiteral(" < w < ") + a.upper +
                      QStringLiteral(" :   Steigung  ") + a.slope + QStringLiteral(" / Dekade,   Phi ( ") + a.corner +
                      QStringLiteral(" ) = ") + a.at_corner,
                  QStringLiteral("     w >= ") + bound(a.upper, a.upper_note) + QStringLiteral(" :   Phi = ") + a.end});
}

// ---------------------------------------------------------------- 07_02

std::vector<InterimResult> page_07_02()
{
    return {
        {"07_02", 1,
         lines({"", "",
                "Der Pol im Ursprung ( sx = 0 ) gehört zum I-Anteil der Funktion:   Gi ( s ) = K / s",
                "",
                "Für  s = jw  gilt   Gi ( jw ) = K / ( jw ) .",
                "Der Zähler K liefert den Winkel 0°, der Nenner  jw  den Winkel + 90°:",
                "",
                "     Phi { Gi ( jw ) } = 0° - 90° = - 90°",
                "",
                "Der Winkel des I-Anteils ist bei allen Frequenzen konstant.",
                "Der Polygonzug ist eine waagerechte Gerade bei  - 90°."}),
         {phase(fuchsia, 2, -1, {{0.1L, -90}, {1000, -90}})}},
        {"07_02", 2,
         lines({"", "",
                "Der erste Knick liegt bei  w = 5  und führt nach unten:",
                "die Steigung ändert sich von  - 20 dB / Dekade  auf  - 40 dB / Dekade.",
                "Ursache ist eine einfache Polstelle bei   sx_1 = - 5 ,   Eckkreisfrequenz   wx_1 = 5 .",
                "",
                angle_polygon({"- arctan ( w / 5 )", "0.5", "50", "- 45°", "wx_1", "- 45°", "- 90°",
                               "( eine Dekade unter wx_1 )", "( eine Dekade über wx_1 )"})}),
         {phase(maroon, 2, 1, {{0.1L, 0}, {0.5L, 0}, {50, -90}, {1000, -90}})}},
        {"07_02", 3,
         lines({"", "",
                "Der zweite Knick liegt bei  w = 50  und führt nach oben:",
                "die Steigung ändert sich von  - 40 dB / Dekade  auf  - 20 dB / Dekade.",
                "Ursache ist eine einfache Nullstelle bei   so_1 = - 50 ,   Eckkreisfrequenz   wo_1 = 50 .",
                "",
                angle_polygon({"+ arctan ( w / 50 )", "5", "500", "+ 45°", "wo_1", "+ 45°", "+ 90°"})}),
         {phase(red, 2, -1, {{0.1L, 0}, {5, 0}, {500, 90}, {1000, 90}})}},
        {"07_02", 4,
         summing_step(sections_opening(), end_value("- 20 dB / Dekade", "- 90°"),
                      phase_table({{"0.1", "0.5", "0", "-90", "-90", "keine ( I-Anteil konstant )"},
                                   {"0.5", "5", "-45", "-90", "-135", "wx_1 -45"},
                                   {"5", "50", "0", "-135", "-135", "wx_1 -45,  wo_1 +45"},
                                   {"50", "500", "+45", "-135", "-90", "wo_1 +45"},
                                   {"500", "1000", "0", "-90", "-90", "keine"}}),
                      {}),
         {phase(blue, 3, 0, {{0.1L, -90}, {0.5L, -90}, {5, -135}, {50, -135}, {500, -90}, {1000, -90}})},
         true},
    };
}

// ---------------------------------------------------------------- 07_03

std::vector<InterimResult> page_07_03()
{
    const std::vector<Vertex> asymptotes = {
        {1E-4L, 53.979L}, {0.01L, 13.979L}, {1, 13.979L}, {20, 40}, {1000, 40}};
    return {
        {"07_03", 1,
         lines({"", "",
                "Zähler:   100 s² + 101 s + 1 = ( 1 + 100 s ) · ( 1 + s ) = ( 1 + s / 0.01 ) · ( 1 + s / 1 )",
                "Nenner:   s² + 20 s = 20 s · ( 1 + s / 20 )",
                "",
                "                 0.05      ( 1 + s / 0.01 ) · ( 1 + s / 1 )",
                "G(s) = ------ · ---------------------------------------------",
                "                   s                   ( 1 + s / 20 )",
                "",
                "Kennwerte ( normiert ):   K = 1 / 20 = 0.05;   wo_1 = 0.01;   wo_2 = 1;   wx_1 = 20",
                "",
                "Pol im Ursprung:  sx = 0  ( I-Anteil );   Nullstellen:  so_1 = - 0.01,  so_2 = - 1;",
                "Polstelle:  sx_1 = - 20."}),
         {}},
        {"07_03", 2,
         lines({"", "",
                "Der I-Anteil   Gi ( s ) = K / s   mit  K = 0.05  hat den Betrag   | Gi ( jw ) | = 0.05 / w .",
                "Im Bode-Diagramm ist das eine Gerade mit der Steigung  - 20 dB / Dekade.",
                "",
                "Bei  | Gi | = 1  =>  0 dB  liegt der Punkt  w = K = 0.05  ( markiert ).",
                "Am linken Rand:   | Gi ( j1E-4 ) | = 0.05 / 1E-4 = 500   =>   + 53.979 dB",
                "",
                "Die Hilfslinie verläuft von  [ 1E-4 , + 53.979 dB ]  bis  [ 0.05 , 0 dB ]  und endet",
                "dort am unteren Rand des Betragsdiagramms."}),
         {magnitude(fuchsia, 1, 3, {{1E-4L, 53.979L}, {0.05L, 0}}), mark(fuchsia, 1, 0.05L, 0)}},
        {"07_03", 3,
         lines({"",
                "Bei tiefen Frequenzen bestimmt der I-Anteil den Verlauf: der Polygonzug",
                "beginnt auf der Hilfslinie bei  [ 1E-4 , + 53.979 dB ]  mit  - 20 dB / Dekade.",
                "Jede einfache Nullstelle knickt ihn um  + 20 dB / Dekade  nach oben,",
                "jede einfache Polstelle um  - 20 dB / Dekade  nach unten.",
                "",
                magnitude_table("w1",
                                {{"1E-4", "0.01", "-20", "+53.979", "+13.979", "Beginn : I-Anteil"},
                                 {"0.01", "1", "0", "+13.979", "+13.979", "+20 : Nullstelle wo_1"},
                                 {"1", "20", "+20", "+13.979", "+40.000", "+20 : Nullstelle wo_2"},
                                 {"20", "1000", "0", "+40.000", "+40.000", "-20 : Polstelle wx_1"}}),
                "",
                "| G ( j0.01 ) | = 0.05 / 0.01 = 5  =>  + 13.979 dB;",
                "| G ( j20 ) |  =>  + 13.979 dB + 20 dB · log ( 20 / 1 )",
                "              = + 13.979 dB + 26.021 dB = + 40 dB"}),
         {magnitude(blue, 3, 0, asymptotes)},
         true},
        {"07_03", 4,
         lines({"",
                "Für  s -> oo  gilt   G ( s ) -> 100 s² / s² = 100  =>  | G ( oo ) | = + 40 dB .",
                "Oberhalb der letzten Eckkreisfrequenz  wx_1 = 20  verläuft der Betrag",
                "waagerecht bei  + 40 dB.  Von dort wird der Polygonzug zu tiefen Frequenzen",
                "hin konstruiert; jeder Knick wird dabei in umgekehrter Richtung durchlaufen.",
                "",
                magnitude_table("w2",
                                {{"20", "1000", "0", "+40.000", "+40.000", "Ende : G ( oo ) = 100"},
                                 {"1", "20", "+20", "+13.979", "+40.000", "-20 : Polstelle wx_1"},
                                 {"0.01", "1", "0", "+13.979", "+13.979", "+20 : Nullstelle wo_2"},
                                 {"1E-4", "0.01", "-20", "+53.979", "+13.979", "+20 : Nullstelle wo_1"}}),
                "",
                "Dieser Weg ist nur praktikabel, wenn Zähler- und Nennerpolynom",
                "den gleichen Grad besitzen ( hier beide 2 ): nur dann strebt  | G ( jw ) |",
                "für  w -> oo  gegen einen endlichen Wert ungleich null.",
                "Das Ergebnis stimmt mit dem der 3. Teilaufgabe überein."}),
         {magnitude(blue, 3, 0, asymptotes)},
         true},
        {"07_03", 5,
         lines({"", "",
                "Der I-Anteil   Gi ( jw ) = 0.05 / ( jw )   hat bei allen Frequenzen den Winkel",
                "",
                "     Phi { Gi ( jw ) } = 0° - 90° = - 90° .",
                "",
                "Der Polygonzug ist eine waagerechte Gerade bei  - 90°."}),
         {phase(fuchsia, 2, 3, {{1E-4L, -90}, {1000, -90}})}},
        {"07_03", 6,
         lines({"", "",
                "Der erste Knick bei  w = 0.01  führt nach oben ( um + 20 dB / Dekade ):",
                "einfache Nullstelle bei   so_1 = - 0.01 ,   wo_1 = 0.01 .",
                "",
                angle_polygon({"+ arctan ( w / 0.01 )", "1E-3", "0.1", "+ 45°", "wo_1", "+ 45°", "+ 90°"})}),
         {phase(maroon, 2, -2, {{1E-4L, 0}, {1E-3L, 0}, {0.1L, 90}, {1000, 90}})}},
        {"07_03", 7,
         lines({"", "",
                "Der zweite Knick bei  w = 1  führt ebenfalls nach oben ( um + 20 dB / Dekade ):",
                "einfache Nullstelle bei   so_2 = - 1 ,   wo_2 = 1 .",
                "",
                angle_polygon({"+ arctan ( w / 1 )", "0.1", "10", "+ 45°", "wo_2", "+ 45°", "+ 90°"})}),
         {phase(red, 2, 0, {{1E-4L, 0}, {0.1L, 0}, {10, 90}, {1000, 90}})}},
        {"07_03", 8,
         lines({"", "",
                "Der dritte Knick bei  w = 20  führt nach unten ( um - 20 dB / Dekade ):",
                "einfache Polstelle bei   sx_1 = - 20 ,   wx_1 = 20 .",
                "",
                angle_polygon({"- arctan ( w / 20 )", "2", "200", "- 45°", "wx_1", "- 45°", "- 90°"})}),
         {phase(teal, 2, 1, {{1E-4L, 0}, {2, 0}, {200, -90}, {1000, -90}})}},
        {"07_03", 9,
         summing_step(sections_opening(), end_value("0 dB / Dekade", "0°"),
                      phase_table({{"1E-4", "1E-3", "0", "-90", "-90", "keine ( I-Anteil konstant )"},
                                   {"1E-3", "0.1", "+45", "-90", "0", "wo_1 +45"},
                                   {"0.1", "2", "+45", "0", "+58.546", "wo_2 +45"},
                                   {"2", "10", "0", "+58.546", "+58.546", "wo_2 +45,  wx_1 -45"},
                                   {"10", "200", "-45", "+58.546", "0", "wx_1 -45"},
                                   {"200", "1000", "0", "0", "0", "keine"}}),
                      {"Phi ( 2 ) = 0° + 45° · log ( 2 / 0.1 ) = + 58.546°"}),
         {phase(blue, 3, 0, {{1E-4L, -90}, {1E-3L, -90}, {2, 58.546L}, {10, 58.546L}, {200, 0}, {1000, 0}})},
         true},
    };
}

// ---------------------------------------------------------------- 07_04

std::vector<InterimResult> page_07_04()
{
    // The magnitude asymptotes, drawn again with the partial angles of the
    // breaks they explain.
    const std::vector<Vertex> asymptotes = {{0.01L, -40}, {0.2L, 12.041L}, {5, 12.041L}, {100, -40}};
    return {
        {"07_04", 1,
         lines({"",
                "Zähler:   100 · ( s² - s³ ) = 100 · s² · ( 1 - s )",
                "Nenner:   1 + 10 s + 25 s² = ( 1 + 5 s )² = ( 1 + s / 0.2 )²",
                "               1 + 0.4 s + 0.04 s² = ( 1 + 0.2 s )² = ( 1 + s / 5 )²",
                "",
                "                                  ( 1 - s )                      1",
                "G(s) = 100 · s² · ------------- · ---------------------------------------------",
                "                                  ( 1 + s )     ( 1 + s / 0.2 )² · ( 1 + s / 5 )²",
                "",
                "Bestandteile ( normiert ):",
                "-  doppelter D-Anteil   100 · s²   mit   K = 100   ( doppelte Nullstelle bei 0 )",
                "-  Allpass 1. Ordnung   ( 1 - s ) / ( 1 + s )   mit   w1 = 1",
                "   ( Nullstelle bei + 1, Polstelle bei - 1 )",
                "-  doppeltes PT1-Glied mit   wx_1 = 0.2   ( doppelte Polstelle bei - 0.2 )",
                "-  doppeltes PT1-Glied mit   wx_2 = 5   ( doppelte Polstelle bei - 5 )"}),
         {}},
        {"07_04", 2,
         lines({"", "",
                "Der doppelte D-Anteil   Gd ( s ) = 100 · s²   hat den Betrag   | Gd ( jw ) | = 100 · w² .",
                "Im Bode-Diagramm ist das eine Gerade mit der Steigung  + 40 dB / Dekade.",
                "",
                "Bei  w = 1  gilt   | Gd | = 100   =>   + 40 dB   ( markiert ).",
                "Am linken Rand:   | Gd ( j0.01 ) | = 100 · 1E-4 = 0.01   =>   - 40 dB",
                "",
                "Die Hilfslinie verläuft von  [ 0.01 , - 40 dB ]  bis  [ 1 , + 40 dB ]  und endet",
                "dort am oberen Rand des Betragsdiagramms."}),
         {magnitude(fuchsia, 1, -3, {{0.01L, -40}, {1, 40}}), mark(fuchsia, 1, 1, 40)}},
        {"07_04", 3,
         lines({"",
                "Bei tiefen Frequenzen bestimmt der doppelte D-Anteil den Verlauf:",
                "der Polygonzug beginnt auf der Hilfslinie bei  [ 0.01 , - 40 dB ]",
                "mit  + 40 dB / Dekade.",
                "Jede doppelte Polstelle knickt ihn um  - 40 dB / Dekade  nach unten.",
                "Der Allpass ändert den Betrag nicht ( | ( 1 - jw ) / ( 1 + jw ) | = 1 ).",
                "",
                magnitude_table("w1",
                                {{"0.01", "0.2", "+40", "-40.000", "+12.041", "Beginn : D-Anteil ( doppelt )"},
                                 {"0.2", "5", "0", "+12.041", "+12.041", "-40 : Doppelpol wx_1"},
                                 {"5", "100", "-40", "+12.041", "-40.000", "-40 : Doppelpol wx_2"}}),
                "",
                "| G ( j0.2 ) | = 100 · 0.2² = 4   =>   + 12.041 dB;",
                "| G ( j100 ) |   =>   + 12.041 dB - 40 dB · log ( 100 / 5 )",
                "                 = + 12.041 dB - 52.041 dB = - 40 dB"}),
         {magnitude(blue, 3, 0, asymptotes)},
         true},
        {"07_04", 4,
         lines({"", "",
                "Die doppelte Nullstelle im Ursprung ( D-Anteil  100 · s² ) liefert für  s = jw :",
                "",
                "     Gd ( jw ) = 100 · ( jw )² = - 100 · w²   =>   Phi = 2 · 90° = + 180°",
                "",
                "Der Winkel ist bei allen Frequenzen konstant.  Gleichwertig ist  - 180° :",
                "beide Angaben unterscheiden sich um 360°.  Hier wird  + 180°  verwendet."}),
         {phase(fuchsia, 2, 0, {{0.01L, 180}, {100, 180}})}},
        {"07_04", 5,
         lines({"", "",
                "Der Allpass   ( 1 - s ) / ( 1 + s )   hat bei allen Frequenzen den Betrag 1 ( 0 dB ):",
                "er hat keinen Einfluss auf den Betragsfrequenzgang.",
                "Zähler und Nenner liefern jeweils den Winkel  - arctan ( w ) :",
                "",
                "     Phi = - 2 · arctan ( w / 1 )   geht von 0° nach - 180° ,   Phi ( w1 = 1 ) = - 90°",
                "",
                "Polygonzug:   0°  bis  w = 0.1,   Steigung  - 90° / Dekade,   - 180°  oberhalb von  w = 10"}),
         {phase(maroon, 2, 0, {{0.01L, 0}, {0.1L, 0}, {10, -180}, {100, -180}})}},
        {"07_04", 6,
         lines({"", "",
                "Der erste Knick im Betragsfrequenzgang ( bei w = 0.2, um - 40 dB / Dekade ) entsteht",
                "durch die doppelte Polstelle   sx_1 = - 0.2 ,   wx_1 = 0.2 .",
                "",
                angle_polygon({"- 2 · arctan ( w / 0.2 )", "0.02", "2", "- 90°", "wx_1", "- 90°", "- 180°"})}),
         {magnitude(blue, 3, 0, asymptotes), phase(red, 2, 0, {{0.01L, 0}, {0.02L, 0}, {2, -180}, {100, -180}})}},
        {"07_04", 7,
         lines({"", "",
                "Der zweite Knick im Betragsfrequenzgang ( bei w = 5, um - 40 dB / Dekade ) entsteht",
                "durch die doppelte Polstelle   sx_2 = - 5 ,   wx_2 = 5 .",
                "",
                angle_polygon({"- 2 · arctan ( w / 5 )", "0.5", "50", "- 90°", "wx_2", "- 90°", "- 180°"})}),
         {magnitude(blue, 3, 0, asymptotes), phase(navy, 2, 0, {{0.01L, 0}, {0.5L, 0}, {50, -180}, {100, -180}})}},
        {"07_04", 8,
         summing_step(sections_opening(), {},
                      phase_table({{"0.01", "0.02", "0", "+180", "+180", "keine ( D-Anteil konstant )"},
                                   {"0.02", "0.1", "-90", "+180", "+117.09", "wx_1 -90"},
                                   {"0.1", "0.5", "-180", "+117.09", "-8.72", "AP -90,  wx_1 -90"},
                                   {"0.5", "2", "-270", "-8.72", "-171.28", "AP -90,  wx_1 -90,  wx_2 -90"},
                                   {"2", "10", "-180", "-171.28", "-297.09", "AP -90,  wx_2 -90"},
                                   {"10", "50", "-90", "-297.09", "-360", "wx_2 -90"},
                                   {"50", "100", "0", "-360", "-360", "keine"}}),
                      {"Bei einer Funktion mit Allpass lässt sich der Endwert des Phasenwinkels NICHT",
                       "aus der Endsteigung des Betragsfrequenzgangs ablesen:",
                       "eine minimalphasige Funktion mit  - 40 dB / Dekade  für  w -> oo  hätte den",
                       "Endwert + 180° - 2 · 180° = - 180° .  Der Allpass verschiebt den Winkel um",
                       "weitere - 180°, ohne den Betrag zu verändern:   Phi ( w -> oo ) = - 360°"}),
         {magnitude(blue, 3, 0, asymptotes),
          phase(blue, 3, 0,
                {{0.01L, 180},
                 {0.02L, 180},
                 {0.1L, 117.09L},
                 {0.5L, -8.72L},
                 {2, -171.3L},
                 {10, -297.09L},
                 {50, -360},
                 {100, -360}})},
         true},
    };
}

// ---------------------------------------------------------------- 08_01

std::vector<InterimResult> page_08_01()
{
    return {
        {"08_01", 1,
         lines({"", "",
                "Bei tiefen Frequenzen ist der Phasenwinkel konstant  - 90° .  Bei einer minimalphasigen",
                "Funktion entsteht dieser Winkel durch einen I-Anteil   Gi ( s ) = K / s .",
                "Zu ihm gehören bei tiefen Frequenzen die Steigung  - 20 dB / Dekade  im",
                "Betragsfrequenzgang und der konstante Teilwinkel  - 90° .",
                "",
                "Die Hilfslinie geht mit  - 20 dB / Dekade  durch den gegebenen Punkt",
                "[ w = 0.1 ;  | G | = 10  =>  + 20 dB ] :   bei  w = 0.01  + 40 dB,   bei  w = 1000  - 60 dB."}),
         {phase(fuchsia, 2, 3, {{0.01L, -90}, {1E5L, -90}}), magnitude(fuchsia, 1, 0, {{0.01L, 40}, {1000, -60}})}},
        {"08_01", 2,
         lines({"", "",
                "Ab  w = 0.1  steigt der Phasenwinkel mit  + 45° / Dekade  an.",
                "So beginnt der Teilwinkel einer einfachen Nullstelle, eine Dekade unterhalb ihrer",
                "Eckkreisfrequenz:   wo_1 = 10 · 0.1 = 1   ( so_1 = - 1 ).",
                "",
                "Teilwinkel:   0°  bis  w = 0.1,   + 45° / Dekade,   + 90°  oberhalb von  w = 10"}),
         {phase(maroon, 2, -3, {{0.01L, 0}, {0.1L, 0}, {10, 90}, {1E5L, 90}})}},
        {"08_01", 3,
         lines({"", "",
                "Damit der Gesamtwinkel ab  w = 1  bei  - 45°  bleibt, muss der Anstieg um  + 45° / Dekade",
                "ab  w = 1  durch einen Teilwinkel mit  - 45° / Dekade  aufgehoben werden:",
                "eine einfache Polstelle, deren Winkelverlauf bei  w = 1  beginnt:",
                "wx_1 = 10 · 1 = 10   ( sx_1 = - 10 ).",
                "",
                "Teilwinkel:   0°  bis  w = 1,   - 45° / Dekade,   - 90°  oberhalb von  w = 100"}),
         {phase(red, 2, 1, {{0.01L, 0}, {1, 0}, {100, -90}, {1E5L, -90}})}},
        {"08_01", 4,
         lines({"", "",
                "Der Teilwinkel der Nullstelle  wo_1  erreicht bei  w = 10  seinen Endwert + 90°.",
                "Ab dort würde der Gesamtwinkel mit  - 45° / Dekade  fallen.  Den Ausgleich liefert",
                "eine zweite einfache Nullstelle, deren Winkelverlauf bei  w = 10  beginnt:",
                "wo_2 = 10 · 10 = 100   ( so_2 = - 100 ).",
                "",
                "Teilwinkel:   0°  bis  w = 10,   + 45° / Dekade,   + 90°  oberhalb von  w = 1000"}),
         {phase(teal, 2, -1, {{0.01L, 0}, {10, 0}, {1000, 90}, {1E5L, 90}})}},
        {"08_01", 5,
         lines({"", "",
                "Der Teilwinkel der Polstelle  wx_1  erreicht bei  w = 100  seinen Endwert - 90°.",
                "Ab dort würde der Gesamtwinkel mit  + 45° / Dekade  steigen.  Den Ausgleich liefert",
                "eine zweite einfache Polstelle, deren Winkelverlauf bei  w = 100  beginnt:",
                "wx_2 = 10 · 100 = 1000   ( sx_2 = - 1000 ).",
                "",
                "Teilwinkel:   0°  bis  w = 100,   - 45° / Dekade,   - 90°  oberhalb von  w = 1E4",
                "",
                "Oberhalb von  w = 1000  wirkt nur noch dieser Teilwinkel: der Gesamtwinkel fällt",
                "von  - 45°  auf  - 90°  bei  w = 1E4,  so wie es vorgegeben ist."}),
         {phase(navy, 2, 3, {{0.01L, 0}, {100, 0}, {1E4L, -90}, {1E5L, -90}})}},
        {"08_01", 6,
         lines({"",
                "Der Betragsfrequenzgang beginnt auf der Hilfslinie des I-Anteils",
                "bei  [ 0.01 , + 40 dB ].",
                "An den Eckkreisfrequenzen ändert sich die Steigung um  + 20 dB / Dekade",
                "( Nullstelle ) oder  - 20 dB / Dekade  ( Polstelle ):",
                "",
                magnitude_table("w1",
                                {{"0.01", "1", "-20", "+40", "0", "Beginn : I-Anteil"},
                                 {"1", "10", "0", "0", "0", "+20 : Nullstelle wo_1"},
                                 {"10", "100", "-20", "0", "-20", "-20 : Polstelle wx_1"},
                                 {"100", "1000", "0", "-20", "-20", "+20 : Nullstelle wo_2"},
                                 {"1000", "1E5", "-20", "-20", "-60", "-20 : Polstelle wx_2"}})}),
         {magnitude(blue, 3, 0, {{0.01L, 40}, {1, 0}, {10, 0}, {100, -20}, {1000, -20}, {1E5L, -60}})},
         true},
        {"08_01", 7,
         lines({"", "",
                "Bei  w = 0.1  liegen alle Knicke noch darüber, der Betrag ist der des I-Anteils:",
                "",
                "     | G ( j0.1 ) | = K / 0.1 = 10   =>   K = 1",
                "",
                "                 K       ( 1 + s / 1 ) · ( 1 + s / 100 )",
                "G(s) = ---- · ----------------------------------------------       mit   K = 1",
                "                 s       ( 1 + s / 10 ) · ( 1 + s / 1E3 )"}),
         {}},
    };
}

// ---------------------------------------------------------------- 08_02

// A break of the given magnitude curve and the partial angle it causes.
QString knick(const QString& ordinal, const QString& at, const QString& change, const QString& cause,
              const QString& angle)
{
    return lines({"", "",
                  "Der " + ordinal + " Knick liegt bei  w = " + at + " :  die Steigung ändert sich um  " + change +
                      " dB / Dekade.",
                  "Ursache ist " + cause + " .",
                  "",
                  "Teilwinkel:   " + angle});
}

std::vector<InterimResult> page_08_02()
{
    return {
        {"08_02", 1,
         knick("erste", "1E-3", "+ 20", "eine einfache Nullstelle bei   so_1 = - 1E-3 ,   wo_1 = 1E-3",
               "0°  bis  w = 1E-4,   + 45° / Dekade,   + 90°  oberhalb von  w = 1E-2"),
         {phase(fuchsia, 2, 0, {{1E-5L, 0}, {1E-4L, 0}, {0.01L, 90}, {1E5L, 90}})}},
        {"08_02", 2,
         knick("zweite", "1E-2", "- 40", "eine doppelte Polstelle bei   sx_1 = - 1E-2 ,   wx_1 = 1E-2",
               "0°  bis  w = 1E-3,   - 90° / Dekade,   - 180°  oberhalb von  w = 0.1"),
         {phase(maroon, 2, 3, {{1E-5L, 0}, {1E-3L, 0}, {0.1L, -180}, {1E5L, -180}})}},
        {"08_02", 3,
         knick("dritte", "0.1", "+ 40", "eine doppelte Nullstelle bei   so_2 = - 0.1 ,   wo_2 = 0.1",
               "0°  bis  w = 1E-2,   + 90° / Dekade,   + 180°  oberhalb von  w = 1"),
         {phase(red, 2, -1, {{1E-5L, 0}, {0.01L, 0}, {1, 180}, {1E5L, 180}})}},
        {"08_02", 4,
         knick("vierte", "1", "- 40", "eine doppelte Polstelle bei   sx_2 = - 1 ,   wx_2 = 1",
               "0°  bis  w = 0.1,   - 90° / Dekade,   - 180°  oberhalb von  w = 10"),
         {phase(olive, 2, 2, {{1E-5L, 0}, {0.1L, 0}, {10, -180}, {1E5L, -180}})}},
        {"08_02", 5,
         knick("fünfte", "10", "+ 40", "eine doppelte Nullstelle bei   so_3 = - 10 ,   wo_3 = 10",
               "0°  bis  w = 1,   + 90° / Dekade,   + 180°  oberhalb von  w = 100"),
         {phase(teal, 2, -2, {{1E-5L, 0}, {1, 0}, {100, 180}, {1E5L, 180}})}},
        {"08_02", 6,
         knick("sechste", "100", "- 40", "eine doppelte Polstelle bei   sx_3 = - 100 ,   wx_3 = 100",
               "0°  bis  w = 10,   - 90° / Dekade,   - 180°  oberhalb von  w = 1E3"),
         {phase(navy, 2, 1, {{1E-5L, 0}, {10, 0}, {1000, -180}, {1E5L, -180}})}},
        {"08_02", 7,
         knick("letzte", "1E3", "+ 20", "eine einfache Nullstelle bei   so_4 = - 1E3 ,   wo_4 = 1E3",
               "0°  bis  w = 1E2,   + 45° / Dekade,   + 90°  oberhalb von  w = 1E4"),
         {phase(olive, 2, 0, {{1E-5L, 0}, {100, 0}, {1E4L, 90}, {1E5L, 90}})}},
        {"08_02", 8,
         summing_step("In der Tabelle sind sind die Abschnitte des Phasenwinkelverlaufs mit den zugehörigen "
                      "Steigungen zusammengestellt.",
                      {},
                      phase_table({{"1E-5", "1E-4", "0", "0", "0", "keine"},
                                   {"1E-4", "1E-3", "+45", "0", "+45", "wo_1 +45"},
                                   {"1E-3", "1E-2", "-45", "+45", "0", "wo_1 +45,  wx_1 -90"},
                                   {"1E-2", "0.1", "0", "0", "0", "wx_1 -90,  wo_2 +90"},
                                   {"0.1", "1", "0", "0", "0", "wo_2 +90,  wx_2 -90"},
                                   {"1", "10", "0", "0", "0", "wx_2 -90,  wo_3 +90"},
                                   {"10", "100", "0", "0", "0", "wo_3 +90,  wx_3 -90"},
                                   {"100", "1E3", "-45", "0", "-45", "wx_3 -90,  wo_4 +45"},
                                   {"1E3", "1E4", "+45", "-45", "0", "wo_4 +45"},
                                   {"1E4", "1E5", "0", "0", "0", "keine"}}),
                      {"Zwischen  1E-2  und  1E2  heben sich die Teilwinkel der Doppelpole und der",
                       "doppelten Nullstellen gegenseitig auf.  Es bleiben ein Höcker von  + 45°",
                       "bei  w = 1E-3  und eine Senke von  - 45°  bei  w = 1E3.",
                       "Zähler und Nenner haben den gleichen Grad ( 6 ): passend zur Endsteigung",
                       "von 0 dB / Dekade  ist der Endwert   Phi ( w -> oo ) = 0° ."}),
         {phase(blue, 3, 0,
                {{1E-5L, 0}, {1E-4L, 0}, {1E-3L, 45}, {0.01L, 0}, {100, 0}, {1000, -45}, {1E4L, 0}, {1E5L, 0}})},
         true},
        {"08_02", 9,
         lines({"", "",
                "Bei tiefen Frequenzen gilt   | G ( w -> 0 ) | = K = - 10 dB   =>   K = 10^( - 10 / 20 ) = 0.31623",
                "",
                "                          ( 1 + s / 1E-3 ) · ( 1 + s / 0.1 )² · ( 1 + s / 10 )² · ( 1 + s / 1E3 )",
                "G(s) = K · ---------------------------------------------------------------------------------",
                "                                ( 1 + s / 1E-2 )² · ( 1 + s / 1 )² · ( 1 + s / 100 )²",
                "",
                "mit   K = 0.31623"}),
         {}},
    };
}

// ---------------------------------------------------------------- 08_03

std::vector<InterimResult> page_08_03()
{
    return {
        {"08_03", 1,
         lines({"", "",
                "Bei tiefen Frequenzen:  Phasenwinkel  - 90°  und Steigung  - 20 dB / Dekade",
                "=>  I-Anteil   Gi ( s ) = K / s .",
                "",
                "Bis zum markierten Knick bei  w = 5  verläuft der Betrag wie der des I-Anteils:",
                "",
                "     | Gi ( j5 ) | = - 20 dB  =>  0.1 = K / 5   =>   K = 0.5",
                "",
                "Teilwinkel des I-Anteils:  - 90°  bei allen Frequenzen."}),
         {phase(fuchsia, 2, 3, {{0.01L, -90}, {1000, -90}}), mark(blue, 2, 5, -20)}},
        {"08_03", 2,
         lines({"", "",
                "Beim Knick bei  w = 5  ändert sich die Steigung von  - 20 dB / Dekade",
                "auf  + 20 dB / Dekade,  also um  + 40 dB / Dekade.",
                "Ursache ist eine doppelte Nullstelle bei   so_1 = - 5 ,   wo_1 = 5 .",
                "",
                "Teilwinkel   Phi = + 2 · arctan ( w / 5 ) ,   als Polygonzug:",
                "     0°  bis  w = 0.5,   + 90° / Dekade,   + 180°  oberhalb von  w = 50"}),
         {phase(maroon, 2, -1, {{0.01L, 0}, {0.5L, 0}, {50, 180}, {1000, 180}})}},
        {"08_03", 3,
         lines({"", "",
                "Gegeben ist aber ein Phasenwinkel von konstant  - 90° .  Die  + 180°  der doppelten",
                "Nullstelle müssen also durch einen Teilwinkel von  - 180°  ausgeglichen werden,",
                "der den Betrag nicht verändert:  ein Allpass 1. Ordnung mit  w1 = 5 :",
                "",
                "     ( 1 - s / 5 ) / ( 1 + s / 5 ) ,     Phi = - 2 · arctan ( w / 5 )",
                "",
                "Polygonzug:   0°  bis  w = 0.5,   - 90° / Dekade,   - 180°  oberhalb von  w = 50"}),
         {phase(red, 2, 1, {{0.01L, 0}, {0.5L, 0}, {50, -180}, {1000, -180}})}},
        {"08_03", 4,
         lines({"", "",
                "Gesamtfunktion mit  K = 0.5 :",
                "",
                "                K      ( 1 - s / 5 )",
                "G(s) = --- · --------------- · ( 1 + s / 5 )²  =  0.5 · ( 1 - s² / 25 ) / s",
                "                s      ( 1 + s / 5 )",
                "",
                "Ein Faktor  ( 1 + s / 5 )  kürzt sich heraus.",
                "Der Zählergrad ( 2 ) ist größer als der Nennergrad ( 1 ): eine solche Funktion lässt",
                "sich nicht über einen weiten Frequenzbereich verwirklichen."}),
         {}},
    };
}

} // namespace

const std::vector<InterimResult>& results_lessons_7_8()
{
    static const std::vector<InterimResult> results =
        result_text::join({page_07_02, page_07_03, page_07_04, page_08_01, page_08_02, page_08_03});
    return results;
}
