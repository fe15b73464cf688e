// Page state, the page dispatcher, the lesson choice, the page buttons, the
// button states every page sets and the common page frame.
#include "app/Unit1.h"
#include "app/progress.h"
#include "construction/own_example.h"
#include "lessons/pages.h"

#include <array>

// The lessons in the order of the lesson choice; each module lists its pages.
static constexpr std::array<std::span<const PageFunction> (*)(), 8> lessons = {
    lesson_1_pages, lesson_2_pages, lesson_3_pages, lesson_4_pages,
    lesson_5_pages, lesson_6_pages, lesson_7_pages, lesson_8_pages,
};

PageFunction page_function(int lesson, int page)
{
    if (lesson < 1 || lesson > 8 || page < 1)
        return nullptr;
    const std::span<const PageFunction> pages = lessons[static_cast<size_t>(lesson - 1)]();
    return page <= static_cast<int>(pages.size()) ? pages[static_cast<size_t>(page - 1)] : nullptr;
}

std::array<int, 9> page_counts()
{
    std::array<int, 9> counts{};
    for (int lesson = 1; lesson <= 8; ++lesson)
        counts[static_cast<size_t>(lesson)] = static_cast<int>(lessons[static_cast<size_t>(lesson - 1)]().size());
    return counts;
}

// The construction panel and its memos belong to the page that showed them,
// and so do the fields of the own example.
static void leave_page()
{
    Form1->P_diag->hide();
    Form1->M_teilaufg->hide();
    Form1->M_teilloes->hide();
    Form1->P_eigen->hide();
}

// The page that opened the own example, where "Zurück zur letzten Seite"
// returns to: the introductory page or 08_03.
static QString own_example_origin;

void TForm1::B_eigenClick()
{
    own_example_origin = page_id;
    point_mode = line_mode = constant_mode = false;
    leave_page();
    page_09_01();
}

// Back from the own example to the page it was opened from; lesson_no and
// page_no still name that page.
static void leave_own_example()
{
    TForm1* f = Form1;
    leave_page();
    for (int k = 1; k <= 5; ++k)
        f->l_loes[k]->setText(QString());
    f->B_rechts->setEnabled(true);
    if (own_example_origin == QLatin1String("00_01")) {
        f->intro_page();
    } else {
        f->show_page(lesson_no, page_no);
    }
}

void TForm1::show_page(int lesson, int page)
{
    if (lesson < 1 || lesson > 8)
        return;
    // A page that is not there leaves the shown page working as it is,
    // its exercise included.
    if (PageFunction f = page_function(lesson, page)) {
        point_mode = line_mode = constant_mode = false;
        leave_page();
        f();
    }
}

void TForm1::lektion_wahl()
{
    const int index = RG_Wahl->itemIndex();
    if (index < 0)
        return;
    lesson_no = index + 1;
    page_no = 1;
    // A lesson whose pages are not there yet leaves the window as it is.
    if (PageFunction first = page_function(lesson_no, 1)) {
        B_rechts->setEnabled(true);
        P_punkt->hide();
        clear_solutions();

        Canvas.brush.style = platform::BrushStyle::Solid;
        Canvas.brush.color = window_color;
        {
            const platform::ScopedPen pen(Canvas, window_color);
            Canvas.rectangle(0, 0, 1280, 1024);
        }
        Canvas.brush.style = platform::BrushStyle::Clear;

        if (lesson_no == 3)
            clear_point_fields();
        point_mode = line_mode = constant_mode = false;
        leave_page();
        first();
    }
    // Each lesson keeps its counters for the whole course: entering it
    // again shows them as they were.
}

void TForm1::B_linksClick()
{
    if (page_id == own_example::page_id) {
        leave_own_example();
        return;
    }
    if (page_no > 1) {
        page_no -= 1;
    } else if (lesson_no > 1) {
        lesson_no -= 1;
        RG_Wahl->setItemIndex(lesson_no - 1);
        page_no = lesson_page_count[lesson_no];
    }
    for (int k = 1; k <= 5; ++k)
        l_loes[k]->setText(QString());
    B_rechts->setEnabled(true);
    show_page(lesson_no, page_no);
}

void TForm1::B_rechtsClick()
{
    // The own example is no page of a lesson: there is no next page.
    if (page_id == own_example::page_id)
        return;
    if (page_no < lesson_page_count[lesson_no]) {
        page_no += 1;
    } else if (lesson_no < 8) {
        page_no = 1;
        lesson_no += 1;
    }
    RG_Wahl->setItemIndex(lesson_no - 1);
    for (int k = 1; k <= 5; ++k)
        l_loes[k]->setText(QString());
    show_page(lesson_no, page_no);
}

static void apply_state(QWidget* w, int state)
{
    w->setVisible(state >= 0);
    w->setEnabled(state > 0);
}

void TForm1::set_buttons(int lesson_panel, int total_panel, int evaluate, int solutions, int texts,
                         int next, int interim, int print)
{
    P_lektion->setVisible(lesson_panel == 1);
    P_gesamt->setVisible(total_panel == 1);
    apply_state(B_auswert, evaluate);
    apply_state(B_loes, solutions);
    apply_state(B_text, texts);
    apply_state(B_next, next);
    apply_state(B_ergeb, interim);
    apply_state(B_druck, print);
    P_diag->setVisible(next > 0 || solutions > 0 || print > 0);
    // Where the statistics show, the construction buttons move below the
    // page frame so that both stay in sight.
    if (lesson_panel == 1 || total_panel == 1)
        P_diag->move(601, 971);
    else
        P_diag->move(601, 905);
}

void TForm1::clear_solutions()
{
    for (int k = 1; k <= 5; ++k)
        l_loes[k]->setText(QString());
    B_loes->setEnabled(true);
}

void TForm1::clear_point_fields()
{
    for (platform::Label* l : {l_pkt_loes, l_pkt_f, l_pkt_wert2, l_pkt_bem_f, l_pkt_bem_wert})
        l->setText(QString());
    E_wert->clear();
    E_freq->clear();
}

void TForm1::draw_page_frame(const QString& title, const QString& date, int frame_bottom, bool own_example_button)
{
    platform::Canvas& c = Canvas;
    c.brush.style = platform::BrushStyle::Solid;
    c.brush.color = window_color;
    {
        const platform::ScopedPen pen(c, window_color);
        c.rectangle(599, 0, 1270, 1024);
    }

    c.brush.style = platform::BrushStyle::Clear;
    {
        const platform::ScopedPen pen(c, Qt::black, 2);
        c.rectangle(600, 1, 1267, frame_bottom);

        // The title ends a little before the page line; the page line stays
        // inside the frame and above the header rule (y 36).
        c.font.name = QStringLiteral("Arial");
        c.font.height = 22;
        c.textOutFit(610, 7, title, 1121);
        c.font.height = 12;
        c.textOutFit(1125, 26, QStringLiteral("Seite ") + page_id + QStringLiteral("     Stand ") + date, 1265, 36);
        c.font.height = 22;
        c.moveTo(600, 37);
        c.lineTo(1265, 37);
    }
    c.font.name = QStringLiteral("MS Sans Serif");
    c.font.height = 8;

    // The way into the own example lies below the frame of the pages that
    // offer it, where they have nothing.
    B_eigen->setVisible(own_example_button);
    progress::page_shown();
}
