// The kinds table: which buttons and panels each kind of page shows.
#include "app/page_kinds.h"

#include "app/Unit1.h"
#include "app/exercises.h"
#include "construction/Uallgemein.h"
#include "platform/text.h"

#include <algorithm>

using namespace button_state;
using panel_state::absent;
using panel_state::shown;

// The sheet of the page shown, with the lesson and id of that page.
static SheetOfPage shown_sheet;
static QString sheet_lesson, sheet_id;

void set_page_sheet(SheetOfPage sheet)
{
    shown_sheet = std::move(sheet);
    sheet_lesson = page_lesson;
    sheet_id = page_id;
}

const SheetOfPage& page_sheet()
{
    static const SheetOfPage none;
    return page_lesson == sheet_lesson && page_id == sheet_id ? shown_sheet : none;
}

void begin_page(const PageState& state)
{
    end_construction();
    shown_sheet = nullptr;
    page_lesson = state.lesson;
    page_section = state.section;
    page_id = state.id;
    page_example = state.example;
    // The mouse exercises are off until an exercise page switches its own on.
    point_mode = line_mode = constant_mode = false;
    if (Form1) {
        Form1->answers_checked = false;
        Form1->magnitude_shown = Form1->phase_shown = false;
        Form1->hide_readout();
    }
}

void apply_page_kind(PageKind kind, int memo_height, KindVariant variant)
{
    TForm1* f = Form1;
    // Every page but the question pages writes its own text into the memo
    // after this: the last page's text is not fitted to the new height first.
    if (kind != PageKind::question)
        f->M_text->clear();
    switch (kind) {
    case PageKind::text:
        f->P_aufgaben->hide();
        f->P_punkt->hide();
        f->P_diag->hide();
        f->M_teilaufg->hide();
        f->M_teilloes->hide();
        f->M_text->setHeight(memo_height);
        f->M_text->show();
        break;
    case PageKind::question:
        f->set_buttons(shown, shown, enabled, disabled, disabled, hidden, hidden,
                       variant == KindVariant::with_print ? enabled : hidden);
        f->M_text->hide();
        f->M_teilaufg->hide();
        f->M_teilloes->hide();
        // The exercise panel would lie over the lower questions.
        f->P_punkt->hide();
        f->P_aufgaben->show();
        break;
    case PageKind::exercise:
        f->P_punkt->show();
        f->P_diag->hide();
        f->P_aufgaben->hide();
        f->M_teilaufg->hide();
        f->M_teilloes->hide();
        f->M_text->setHeight(memo_height);
        f->M_text->show();
        break;
    case PageKind::construction:
        if (variant == KindVariant::without_buttons)
            f->set_buttons(absent, absent, hidden, hidden, hidden, hidden, hidden, hidden);
        else
            f->set_buttons(absent, absent, hidden, hidden, hidden, enabled, disabled, enabled);
        f->P_aufgaben->hide();
        f->P_punkt->hide();
        f->M_text->show();
        // The page text ends above the subtask memo, which would hide its
        // last line and the foot of its scroll bar.
        f->M_text->setHeight(std::min(memo_height, f->M_teilaufg->y() - f->M_text->y()), true);
        f->M_teilaufg->show();
        f->M_teilloes->show();
        break;
    }
}

// The guidance every construction page gives below its problem statement.
static QString construction_guidance()
{
    return memo_text::rule +
           QStringLiteral("Das Programm führt Sie schrittweise zur Lösung und nach jeder Teilaufgabe können Sie "
                          "überprüfen, ob Sie auf dem richtigen Weg sind.") +
           memo_text::crlf + memo_text::rule + memo_text::crlf +
           QStringLiteral(">> Achten Sie bei allen Eintragungen besonders auf eine hohe Zeichengenauigkeit. <<") + memo_text::crlf +
           QStringLiteral(">> Es ist sehr zu empfehlen, die Polygonzüge mit zwei Zeichendreiecken einzutragen. << ") +
           memo_text::crlf +
           QStringLiteral(">> Zeichnen Sie alle Polygonzüge immer im gesamten dargestellten Frequenzbereich. << ") +
           memo_text::crlf + memo_text::rule + memo_text::crlf +
           QStringLiteral("WICHTIGE ANMERKUNG : Bei den (Teil-)Lösungen werden manche Verläufe nur wegen der besseren "
                          "Lesbarkeit in y-Richtung etwas gegeneinander verschoben gezeichnet, obwohl sie tatsächlich "
                          "bereichsweise deckungsgleich verlaufen !");
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
    f->M_text->clear();
    f->M_text->setText(memo_text::lines(page.text));
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
    f->M_text->clear();
    f->M_text->setText(memo_text::lines(page.text));
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
