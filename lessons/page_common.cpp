// Shared page building blocks of the lessons.
#include "lessons/page_common.h"

#include "app/Unit1.h"
#include "app/exercises.h"
#include "construction/result_text.h"

using result_text::lines;

void set_memo_text(const QStringList& lines)
{
    Form1->M_text->clear();
    Form1->M_text->setText(memo_text::lines(lines));
}

void line(int x1, int y1, int x2, int y2)
{
    Form1->Canvas.moveTo(x1, y1);
    Form1->Canvas.lineTo(x2, y2);
}

PageState example_state(const char* id, const char* example)
{
    const QString page = QString::fromLatin1(id);
    return {QString::number(page.left(2).toInt()), QString(), page, QString::fromLatin1(example)};
}

const QString phase_suffix = QStringLiteral(". Beispiel  Phasenwinkelverlauf");
const QString example_suffix = QStringLiteral(". Beispiel ");
const QString choose_solution = QStringLiteral("Lösung wählen");

QString task_title(const PageState& state, const QString& sections, const QString& part)
{
    return QStringLiteral("Aufgaben zur ") + state.lesson + QStringLiteral(". Lektion ,  ") + sections +
           QLatin1Char(' ') + state.section + part;
}

QString example_title(const PageState& state, const QString& suffix)
{
    return QStringLiteral("Lektion ") + state.lesson + QStringLiteral(" : ") + state.example + suffix;
}

void draw_given_magnitude(std::initializer_list<Vertex> vertices)
{
    set_mag_polygon(0, vertices);
    draw_mag_polygon(3, curve_colors[1]);
    for (int k = 2; k < mag_polygon.count; ++k)
        mark_mag_vertex(k);
}

void draw_given_phase(std::initializer_list<Vertex> vertices)
{
    set_phase_polygon(0, vertices);
    draw_phase_polygon(3, curve_colors[1]);
    for (int k = 2; k < phase_polygon.count; ++k)
        mark_phase_vertex(k);
}

QString construction_guidance()
{
    return memo_rule +
           QStringLiteral("Das Programm führt Sie schrittweise zur Lösung und nach jeder Teilaufgabe können Sie "
                          "überprüfen, ob Sie auf dem richtigen Weg sind.") +
           crlf + memo_rule + crlf +
           QStringLiteral(">> Achten Sie bei allen Eintragungen besonders auf eine hohe Zeichengenauigkeit. <<") + crlf +
           QStringLiteral(">> Es ist sehr zu empfehlen, die Polygonzüge mit zwei Zeichendreiecken einzutragen. << ") +
           crlf +
           QStringLiteral(">> Zeichnen Sie alle Polygonzüge immer im gesamten dargestellten Frequenzbereich. << ") +
           crlf + memo_rule + crlf +
           QStringLiteral("WICHTIGE ANMERKUNG : Bei den (Teil-)Lösungen werden manche Verläufe nur wegen der besseren "
                          "Lesbarkeit in y-Richtung etwas gegeneinander verschoben gezeichnet, obwohl sie tatsächlich "
                          "bereichsweise deckungsgleich verlaufen !");
}

QString phase_problem()
{
    return crlf + QStringLiteral("Konstruieren Sie unter der Annahme,") + crlf +
           QStringLiteral("dass die betrachtete Funktion minimalphasig ist und stabiles Verhalten besitzt") + crlf +
           QStringLiteral("den zum Betragsfrequenzgang gehörigen Phasenwinkelverlauf.") + crlf;
}

std::function<void()> chart_of(const ChartSettings& settings, bool magnitude, bool phase)
{
    return [settings, magnitude, phase] {
        chart = settings;
        draw_chart(magnitude, phase);
    };
}

void show_text_page(const TextPage& page)
{
    TForm1* f = Form1;
    begin_page(page.state);
    if (!page.new_task_caption.isEmpty()) {
        f->B_neu->setText(page.new_task_caption);
        f->B_pruef->setText(QStringLiteral("Kontrolle der Eingaben"));
    }
    apply_page_kind(PageKind::text, page.memo_height);
    if (page.chart)
        page.chart();
    if (page.pictures)
        page.pictures();
    f->draw_page_frame(page.title, page.date, page.frame_bottom);
    f->M_text->setFont(platform::controlFont(QStringLiteral("Arial"), 18));
    set_memo_text(page.text);
    if (page.curves)
        page.curves();
    if (!page.new_task_caption.isEmpty())
        f->B_pruef->hide();
}

void show_exercise_page(const ExercisePage& page)
{
    TForm1* f = Form1;
    begin_page(page.state);
    *page.mode = true;
    f->B_neu->setText(page.new_task_caption);
    f->B_pruef->setText(page.check_caption);
    apply_page_kind(PageKind::exercise);
    if (page.chart)
        page.chart();
    f->draw_page_frame(page.title, page.date);
    set_memo_text(page.text);
    // Nothing stored on another page may be checked here.
    start_new_task(page.new_task);
    f->P_statistik->setCaption(page.statistics());
}

void show_construction_page(const ConstructionPage& page)
{
    TForm1* f = Form1;
    begin_page(page.state);
    apply_page_kind(PageKind::construction, page.memo_height);
    chart = page.chart;
    draw_chart(true, true);
    f->M_text->clear();
    f->M_text->setFont(platform::controlFont(QStringLiteral("Arial"), 18));
    f->M_text->setText(page.with_guidance ? page.problem + construction_guidance() : page.problem);
    set_page_sheet(page.sheet);
    start_construction(page.steps, page.last_page);
    f->draw_page_frame(page.title, page.date, 970, page.own_example_button);
    if (page.given)
        page.given();
}
