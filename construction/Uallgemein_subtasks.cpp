// The instructions of the subtasks of every construction page.
#include "construction/construction_data.h"
#include "construction/result_text.h"
#include "platform/text.h"

namespace {

using result_text::unbroken;

const QString& nl = memo_text::crlf;

// The texts that recur on several pages.

QString knick(const char* ordinal)
{
    return knick_instruction(QString::fromUtf8(ordinal));
}

const QString summe = sum_instruction();
const QString betrag_tief =
    QStringLiteral("Zeichnen Sie den Betragsfrequenzgang   | G ( s = jw ) |   beginnend bei tiefen "
                   "Kreisfrequenzen farbig im Diagramm ein.");
const QString farbig = colour_instruction();
const QString eintragen = QStringLiteral("an und tragen Sie den zugehörigen Frequenzgang im Diagramm ein.");
const QString verlauf = QStringLiteral("an und tragen Sie den zugehörigen Verlauf im Diagramm ein.");
const QString teilwinkel = QStringLiteral("Zeichnen Sie den zugehörigen Teilwinkelverlauf im Diagramm ein.");
const QString wie_laesst = QStringLiteral("Wie lässt sich -unter Berücksichtigung der bereits eingetragenen "
                                          "Winkelverläufe- erreichen, ");
const QString polygon = QStringLiteral("Zeichnen Sie den zugehörigen Winkelverlauf als Polygonzug.");
const QString form = QStringLiteral("Bringen Sie die Übertragungs-Funktion auf die Form ");

// The four instructions of the two lesson 6 pages that only add the phase.
std::vector<QString> phase_of_three_breaks()
{
    return {knick("ersten"), knick("zweiten"), knick("dritten"), summe};
}

} // namespace

QString knick_instruction(const QString& ordinal)
{
    return QStringLiteral("Zeichnen Sie den Winkelverlauf als Polygonzug, der sich aus dem ") + ordinal +
           QStringLiteral(" Knick im Betragsfrequenzgang ergibt.");
}

QString sum_instruction()
{
    return QStringLiteral("Konstruieren Sie nun den Winkelverlauf der Gesamtfunktion, in dem Sie bei allen "
                          "Frequenzen die vorher ermittelten Teilwinkel aufaddieren.");
}

QString colour_instruction()
{
    return QStringLiteral("und tragen Sie diesen farbig im Diagramm ein.");
}

const SubtaskPage& subtasks_05_13()
{
    static const SubtaskPage page{
        QStringLiteral("05_13"),
        3,
        {QStringLiteral(
             "Bringen Sie die Übertragungs-Funktion auf die Form   G ( s ) = ( 1 - s / w1 ) / ( 1 + s / w1 )") +
             nl +
             QStringLiteral("und geben Sie den Wert der Eckkreisfrequenz    w1   sowie die Lage der Pol- und "
                            "Nullstelle an."),
         QStringLiteral("Geben Sie die Gleichung für den Betrag des Zählerausdrucks  ") +
             unbroken(QStringLiteral("| Zähler ( s = jw ) |")) + nl + eintragen,
         QStringLiteral("Geben Sie die Gleichung für den Betrag des Ausdrucks  ") +
             unbroken(QStringLiteral("1 / | Nenner ( s = jw ) |")) + nl + eintragen,
         QStringLiteral("Bilden Sie graphisch den Gesamtfrequenzgang der Funktion   ") +
             unbroken(QStringLiteral("| G ( s = jw ) |")) + nl + farbig,
         QStringLiteral("Geben Sie die Gleichung für den Phasenwinkel des Zählerausdrucks  ") +
             unbroken(QStringLiteral("Phi{ Zähler ( s = jw ) }")) + nl + verlauf,
         QStringLiteral("Geben Sie die Gleichung für den Phasenwinkel des Nennerausdrucks  ") +
             unbroken(QStringLiteral("Phi{ Nenner ( s = jw ) }")) + nl + verlauf,
         QStringLiteral("Bilden Sie graphisch den Gesamtverlauf des Phasenwinkels der Funktion") + nl + farbig}};
    return page;
}

const SubtaskPage& subtasks_06_02()
{
    static const SubtaskPage page{QStringLiteral("06_02"), 3, phase_of_three_breaks()};
    return page;
}

const SubtaskPage& subtasks_06_04()
{
    static const SubtaskPage page{QStringLiteral("06_04"), 3, phase_of_three_breaks()};
    return page;
}

const SubtaskPage& subtasks_06_06()
{
    static const SubtaskPage page{
        QStringLiteral("06_06"),
        2,
        {form + nl + nl + QStringLiteral("                   ( 1 + s / wo_1 ) · ( 1 + s / wo_2 ) ···") + nl +
             QStringLiteral("G(s) = K · -------------------------------------------------") + nl +
             QStringLiteral("                   ( 1 + s / wx_1 ) · ( 1 + s / wx_2 ) ··· "),
         QStringLiteral("Ermitteln Sie beginnend bei tiefen Frequenzen alle Eckkreisfrequenzen   wo_m   und   "
                        "wx_n   und geben Sie ihre Werte an."),
         betrag_tief, knick("ersten"), knick("zweiten"), knick("dritten"), knick("vierten"), summe}};
    return page;
}

const SubtaskPage& subtasks_07_02()
{
    static const SubtaskPage page{
        QStringLiteral("07_02"),
        3,
        {QStringLiteral("Zeichnen Sie im Diagramm den Polygonzug für den Phasenwinkelverlauf ein, der durch den Pol "
                        "im Ursprung entsteht."),
         QStringLiteral("Zeichnen Sie im Diagramm den Polygonzug für den Phasenwinkelverlauf ein, der mit dem "
                        "ersten Knick im Betragsfrequenzgang zusammenhängt."),
         QStringLiteral("Zeichnen Sie im Diagramm den Polygonzug für den Phasenwinkelverlauf ein, der mit dem "
                        "zweiten Knick im Betragsfrequenzgang zusammenhängt."),
         QStringLiteral("Bilden Sie graphisch den Gesamtverlauf des Phasenwinkels der Funktion") + nl + farbig}};
    return page;
}

const SubtaskPage& subtasks_07_03()
{
    static const SubtaskPage page{
        QStringLiteral("07_03"),
        2,
        {form + nl + nl + QStringLiteral("              K     ( 1 + s / wo_1 ) · ( 1 + s / wo_2 )") + nl +
             QStringLiteral("G(s) = ----- · --------------------------------------------") + nl +
             QStringLiteral("              s                ( 1 + s / wx_1 )"),
         QStringLiteral("Zeichnen Sie als Hilfslinie im Betragsdiagramm den Verlauf zur Teilfunktion des I-Anteils") +
             nl + nl + QStringLiteral("                      K") + nl +
             QStringLiteral("     |Gi(jw)| = -----         ein.") + nl + QStringLiteral("                      w"),
         nl + betrag_tief,
         QStringLiteral("Zeichnen Sie als Alternativlösung den Betragsfrequenzgang   | G ( s = jw ) |   beginnend "
                        "bei hohen Kreisfrequenzen farbig im Diagramm ein.") +
             nl + nl + QStringLiteral("Berechnen Sie dafür zunächst den Wert   | G ( oo ) |."),
         nl + QStringLiteral("Zeichnen Sie den Winkelverlauf des I-Anteils als Polygonzug im Diagramm ein."),
         nl + knick("ersten"), nl + knick("zweiten"), nl + knick("dritten"), nl + summe}};
    return page;
}

const SubtaskPage& subtasks_07_04()
{
    static const SubtaskPage page{
        QStringLiteral("07_04"),
        2,
        {nl + QStringLiteral("Formen Sie die gegebene Übertragungs-Funktion    G ( s )   so um, dass sämtliche "
                             "Eckfrequenzen direkt ablesbar sind."),
         QStringLiteral("Zeichnen Sie als Hilfslinie im Betragsdiagramm den Verlauf") + nl +
             QStringLiteral("zur Teilfunktion des (doppelten) D-Anteils ein.") + nl + nl +
             QStringLiteral("     | Gd ( jw ) | = 100 · w²"),
         nl + betrag_tief,
         nl + QStringLiteral("Zeichnen Sie den Winkelverlauf zum doppelten D-Verhalten im Diagramm ein."),
         nl + QStringLiteral("Zeichnen Sie den Winkelverlauf des Allpass-Anteils als Polygonzug im Diagramm ein."),
         nl + knick("ersten"), nl + knick("zweiten"), nl + summe}};
    return page;
}

const SubtaskPage& subtasks_08_01()
{
    static const SubtaskPage page{
        QStringLiteral("08_01"),
        2,
        {QStringLiteral("Mit welcher Steigung geht der Betragsfrequenzgang durch den gegebenen Punkt ?") + nl + nl +
             QStringLiteral("Tragen Sie die zugehörige Hilfslinie im Betragsdiagramm ") + nl +
             QStringLiteral("und den Winkelverlauf im Phasenwinkeldiagramm ein."),
         QStringLiteral("Wodurch entsteht der erste Knick im Phasenwinkelverlauf ?") + nl + nl + teilwinkel,
         wie_laesst +
             QStringLiteral("dass der Gesamtwinkel zu höheren Frequenzen hin zunächst konstant bei  - 45°  bleibt ?") +
             nl + nl + teilwinkel,
         wie_laesst + QStringLiteral("dass der Gesamtwinkel weiterhin zunächst konstant bei  - 45°  bleibt ?") + nl +
             nl + teilwinkel,
         wie_laesst +
             QStringLiteral("dass der Gesamtwinkel auch bei hohen Frequnezen entsprechend der Vorgabe verläuft ?") +
             nl + nl + teilwinkel,
         nl + QStringLiteral("Übertragen Sie nun alle vorher ermittelten Eckfrequenzen unter Berücksichtigung der "
                             "Steigungsänderungen in den Betragsfrequenzgang."),
         QStringLiteral("Geben Sie die Übertragungs-Funktion  G(s) ") + nl + nl +
             QStringLiteral("[ wo möglich mit Termen in der Form  ( 1 + s / w_eck ) ]") + nl + nl +
             QStringLiteral("mit allen Kennwerten an.")}};
    return page;
}

const SubtaskPage& subtasks_08_02()
{
    static const SubtaskPage page{
        QStringLiteral("08_02"),
        2,
        {nl + knick("ersten"), nl + knick("zweiten"), nl + knick("dritten"), nl + knick("vierten"),
         nl + knick("fünften"), nl + knick("sechsten"), nl + knick("letzten"), nl + summe,
         nl + QStringLiteral("Geben Sie die Übertragungs-Funktion  G(s) mit Termen in der Form  ( 1 + s / w_eck )   ") +
             nl + QStringLiteral("zusammen mit allen zugehörigen Kennwerten an.")}};
    return page;
}

const SubtaskPage& subtasks_08_03()
{
    static const SubtaskPage page{
        QStringLiteral("08_03"),
        2,
        {nl + QStringLiteral("Ermitteln Sie eine Teilfunktion [ mit Konstante ],die das Verhalten bei tiefen "
                             "Frequenzen zutreffend beschreibt."),
         nl + QStringLiteral("Welche Ursache führt zu dem Knick im Betragsfrequenzgang ? ") + nl + nl + polygon,
         nl + QStringLiteral("Wodurch kann die noch bestehende Winkeldifferenz ausgeglichen werden ?") + nl + nl +
             polygon,
         nl + QStringLiteral("Geben Sie die Übertragungs-Funktion  G(s) mit Termen in der Form  ( 1 + s / w_eck )") +
             nl + QStringLiteral("zusammen mit allen zugehörigen Kennwerten an.")}};
    return page;
}
