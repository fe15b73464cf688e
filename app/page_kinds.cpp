// The kinds table: which buttons and panels each kind of page shows.
#include "app/page_kinds.h"

#include "app/Unit1.h"

#include <algorithm>

using namespace button_state;
using panel_state::absent;
using panel_state::shown;

void begin_page(const PageState& state)
{
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
