// Shared page building blocks of the lessons.
#include "lessons/page_common.h"

#include "app/Unit1.h"
#include "construction/result_text.h"

#include <algorithm>

using result_text::lines;

const QString memo_rule(129, QLatin1Char('-'));

namespace {
const QString crlf = QStringLiteral("\r\n");
}

QString memo_text(const QStringList& lines)
{
    return lines.join(crlf);
}

void show_text_memo(int height)
{
    TForm1* f = Form1;
    f->P_aufgaben->hide();
    f->P_punkt->hide();
    f->P_diag->hide();
    f->M_teilaufg->hide();
    f->M_teilloes->hide();
    f->M_text->setHeight(height);
    f->M_text->show();
}

void set_memo_text(const QStringList& lines)
{
    Form1->M_text->clear();
    Form1->M_text->setText(memo_text(lines));
}

void line(int x1, int y1, int x2, int y2)
{
    Form1->Canvas.moveTo(x1, y1);
    Form1->Canvas.lineTo(x2, y2);
}

void begin_example_page(const char* id, const char* example)
{
    const QString page = QString::fromLatin1(id);
    set_page_state(QString::number(page.left(2).toInt()), QString(), page, QString::fromLatin1(example));
}

const QString phase_suffix = QStringLiteral(". Beispiel  Phasenwinkelverlauf");
const QString example_suffix = QStringLiteral(". Beispiel ");
const QString choose_solution = QStringLiteral("Lösung wählen");

QString task_title(const QString& sections, const QString& part)
{
    return QStringLiteral("Aufgaben zur ") + page_lesson + QStringLiteral(". Lektion ,  ") + sections +
           QLatin1Char(' ') + page_section + part;
}

QString example_title(const QString& suffix)
{
    return QStringLiteral("Lektion ") + page_lesson + QStringLiteral(" : ") + page_example + suffix;
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

void show_example_task_page(const ChartSettings& range, bool phase, QuestionPage page)
{
    chart = range;
    draw_chart(true, phase);
    Form1->P_punkt->hide();
    setup_question_page(page);
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

void show_construction_page(const ChartSettings& range, const QString& problem, int text_height,
                            const QString& title, const QString& date, bool with_guidance)
{
    TForm1* f = Form1;
    f->set_buttons(0, 0, -1, -1, -1, 1, 0, 1);
    chart = range;
    draw_chart(true, true);
    f->P_aufgaben->hide();
    f->P_punkt->hide();
    f->P_diag->show();
    f->M_teilaufg->show();
    f->M_teilloes->show();
    f->M_text->show();
    // The page text ends above the subtask memo, which would hide its last
    // line and the foot of its scroll bar.
    f->M_text->setHeight(std::min(text_height, f->M_teilaufg->y() - f->M_text->y()), true);
    f->M_text->clear();
    f->M_text->setFont(platform::controlFont(QStringLiteral("Arial"), 18));
    f->M_text->setText(with_guidance ? problem + construction_guidance() : problem);
    start_construction();
    f->draw_page_frame(title, date);
}

QString phase_problem()
{
    return crlf + QStringLiteral("Konstruieren Sie unter der Annahme,") + crlf +
           QStringLiteral("dass die betrachtete Funktion minimalphasig ist und stabiles Verhalten besitzt") + crlf +
           QStringLiteral("den zum Betragsfrequenzgang gehörigen Phasenwinkelverlauf.") + crlf;
}
