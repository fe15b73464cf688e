// The own example: the student types a transfer function and is led through
// its construction like in the worked examples. The page is no part of a
// lesson; it is opened from the introductory page and from 08_03.
#include "app/Unit1.h"
#include "construction/own_example.h"
#include "construction/practice.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"
#include "platform/system.h"

namespace {

const QString title = QStringLiteral("Eigenes Beispiel : Bode-Diagramm zu  G(s)");
const QString date = QStringLiteral("08.12.26");
// The problem statement sits above the input panel.
constexpr int text_height = 150;
PageState state()
{
    return {QStringLiteral("9"), QString(), own_example::page_id};
}

const QStringList entry = {
    QStringLiteral("Geben Sie Zähler und Nenner einer Übertragungs-Funktion  G(s)  ein, deren Bode-Diagramm Sie "
                   "konstruieren möchten, und drücken Sie  \"Funktion übernehmen\"."),
    QString(),
    QStringLiteral("Das Programm zeigt Ihnen, wie es die Funktion verstanden hat, und führt Sie dann wie in den "
                   "Beispielen der Lektionen schrittweise zur Lösung."),
};

const QStringList forms = {
    QString(),
    QStringLiteral("So geben Sie die Funktion ein :"),
    QString(),
    QStringLiteral("o  Produktform:   10 · ( 1 + s / 50 )   über   s · ( 1 + s / 5 )"),
    QStringLiteral("o  Zeitkonstanten:   ( 1 + s · 2.5 ) ;   Potenzen:   ( 1 + s / 0.2 )^2   oder   ( 1 + s / 0.2 )²"),
    QStringLiteral("o  Allpass-Faktor:   ( 1 - s / 200 ) ;   Potenzen von s:   s^2   oder   s²"),
    QStringLiteral("o  Summenform:   100 s^2 + 101 s + 1   über   s^2 + 20 s"),
    QStringLiteral("     ( das Programm zerlegt sie in Faktoren )"),
    QStringLiteral("o  Konjugiert komplexes Paar:   ( 1 + 2·0.1·s/10 + (s/10)^2 )   oder in einer Summe:   s^2 + 2 s + 100"),
    QStringLiteral("o  Malzeichen  ·  oder  *  ( es darf fehlen: 100 s )"),
    QStringLiteral("o  Dezimalpunkt oder -komma ;   1E-3  für  0.001"),
    QString(),
    QStringLiteral("\"Zufällige Aufgabe\" stellt Ihnen eine Übungsfunktion in der daneben gewählten Stufe und Form."),
};

const QStringList limits = {
    QString(),
    QStringLiteral("Unterstützt werden reelle Pol- und Nullstellen ( auch im Ursprung und in der rechten s-Halbebene ) "
                   "und konjugiert komplexe Paare mit Eck- oder Kennkreisfrequenzen von 1E-5 bis 1E11, positive oder "
                   "negative Konstanten und Zähler und Nenner bis zum 10. Grad."),
    QString(),
    QStringLiteral("Nicht unterstützt werden Paare auf der imaginären Achse ( Dämpfung  D = 0 ) und Funktionen, deren "
                   "Polygonzüge mehr als 10 Eckpunkte hätten oder nicht ins Diagramm passen."),
    QString(),
    QStringLiteral("Ein Beispiel:   Zähler   100 · ( 1 + s / 10 ) ,   Nenner   s · ( 1 + s )^2 · ( 1 + s / 1000 )"),
};

} // namespace

void page_09_01()
{
    TForm1* f = Form1;
    begin_page(state());
    // The construction buttons come with the accepted function.
    apply_page_kind(PageKind::construction, text_height, KindVariant::without_buttons);
    // No lesson page follows; "Zurück zur letzten Seite" returns.
    f->B_rechts->setEnabled(false);
    chart = ChartSettings{};
    draw_chart(true, true);
    f->M_text->setFont(platform::controlFont(QStringLiteral("Arial"), 18));
    f->M_text->setText(memo_text::lines(entry));
    f->M_teilaufg->setText(memo_text::lines(forms));
    f->M_teilloes->setFont(platform::controlFont(QStringLiteral("Arial"), 18));
    f->M_teilloes->setText(memo_text::lines(limits));
    f->P_eigen->show();
    f->draw_page_frame(title, date);
    f->E_zaehler->setFocus();
}

void TForm1::B_uebernehmenClick()
{
    const tf::Parsed parsed = tf::parse(E_zaehler->text(), E_nenner->text());
    if (!parsed.g) {
        platform::showMessage(platform::MessageType::Error, parsed.message);
        return;
    }
    own_example::set_function(parsed);
    const tf::Ranges& r = own_example::ranges();
    // The sheet shows only what this construction draws.
    clear_mag_polygon();
    clear_phase_polygon();
    const QString problem = QStringLiteral("Konstruieren Sie das Bode-Diagramm zur Übertragungs-Funktion") + crlf +
                            crlf + own_example::description() + crlf;
    ConstructionPage page;
    page.state = state();
    page.title = title;
    page.date = date;
    page.chart = {r.fmin, r.fmax, r.bmin, r.bmax, r.pmin, r.pmax, false, false};
    page.problem = problem;
    page.memo_height = text_height;
    // The short memo above the entry panel holds the problem alone; the
    // guidance of the lessons' examples would not fit in a legible size.
    page.with_guidance = false;
    page.steps = {own_subtask_page, own_results};
    // The scales follow the function's ranges; a polygon is printed once the
    // construction has reached the total curve.
    page.sheet = [] {
        const tf::Ranges& r = own_example::ranges();
        PageSheet sheet{.title = QStringLiteral("Diagramm zum eigenen Beispiel"),
                        .mm_per_20dB = r.mm_per_20dB,
                        .mm_per_90deg = r.mm_per_90deg};
        sheet.draw_magnitude = sheet.mark_magnitude = own_example::magnitude_total_in_store();
        sheet.draw_phase = sheet.mark_phase = own_example::phase_total_in_store();
        return sheet;
    };
    show_construction_page(page);
    P_eigen->show();
}

void TForm1::B_zufallClick()
{
    const int choice = CB_zufall->currentIndex();
    const practice::Task t = practice::random_function(choice % 2 == 1, choice >= 2, [] { return platform::random(); });
    E_zaehler->setText(t.numerator);
    E_nenner->setText(t.denominator);
    B_uebernehmenClick();
}
