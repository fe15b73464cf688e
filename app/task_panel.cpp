// The task panel: five multiple-choice questions, scoring and statistics.
#include "app/task_panel.h"

#include "app/Unit1.h"
#include "app/page_kinds.h"
#include "app/progress.h"
#include "platform/numfmt.h"

#include <QStyle>
#include <QStyleOptionComboBox>

int option_room(const platform::ComboBox* box)
{
    QStyleOptionComboBox opt;
    opt.initFrom(box);
    opt.rect = box->rect();
    opt.editable = false;
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, box);
    // The style keeps a few pixels of margin inside the field.
    return field.width() - 4;
}

// An option wider than its closed box would show cut: the box's font then
// shrinks by the least amount that shows every option whole.
static void fit_options(platform::ComboBox* box)
{
    QFont font = box->parentWidget()->font();
    const int room = option_room(box);
    auto widest = [box](const QFont& f) {
        const QFontMetrics m(f);
        int w = 0;
        for (int i = 0; i < box->count(); ++i)
            w = std::max(w, m.horizontalAdvance(box->item(i)));
        return w;
    };
    while (font.pixelSize() > 6 && widest(font) > room)
        font.setPixelSize(font.pixelSize() - 1);
    box->setFont(font);
}

void show_question_page(const QuestionPage& page)
{
    TForm1* f = Form1;
    begin_page(page.state);
    set_page_sheet(page.sheet);
    apply_page_kind(PageKind::question, 926, page.sheet ? KindVariant::with_print : KindVariant::plain);
    if (page.chart)
        page.chart();
    for (int k = 1; k <= 5; ++k) {
        f->Memo_L[k]->hide();
        f->CB_A[k]->setEnabled(true);
        f->L_marke[k]->setKind(platform::Mark::Kind::None);
    }
    f->show_statistics();
    answer_key.fill(0);
    second_key.fill(0);
    f->draw_page_frame(page.title, page.date);

    for (int k = 1; k <= 5; ++k) {
        f->Memo_A[k]->clear();
        f->Memo_A[k]->setText(page.questions[k - 1]);
        f->Memo_L[k]->clear();
        f->Memo_L[k]->setText(page.solutions[k - 1]);
    }
    for (int k = 1; k <= 5; ++k) {
        platform::ComboBox* box = f->CB_A[k];
        const QStringList& items = page.options[k - 1];
        if (items.isEmpty() && k > 1) {
            for (int i = 0; i < box->count(); ++i)
                box->setItem(i, f->CB_A[k - 1]->item(i));
        } else {
            for (int i = 0; i < items.size() && i < box->count(); ++i)
                box->setItem(i, items.at(i));
        }
    }
    for (int k = 1; k <= 5; ++k)
        fit_options(f->CB_A[k]);
    for (int k = 1; k <= 5; ++k) {
        answer_key[k] = page.key[k - 1];
        second_key[k] = page.second_key[k - 1];
    }
    for (int k = 1; k <= 5; ++k)
        f->CB_A[k]->setCurrentIndex(0);
    if (page.curves)
        page.curves();
}

void TForm1::B_auswertClick()
{
    answers_checked = true;
    const int L = lesson_no;
    Count score;
    for (int k = 1; k <= 5; ++k) {
        const int i = CB_A[k]->currentIndex();
        const bool right = i != 0 && (i == answer_key[k] || i == second_key[k]);
        if (i != 0) {
            lesson_answered[L] += 1;
            total_answered += 1;
            score.answered += 1;
            if (right) {
                lesson_solved[L] += 1;
                total_solved += 1;
                score.solved += 1;
            }
        }
        // A question without a scored answer gets no mark.
        using Kind = platform::Mark::Kind;
        L_marke[k]->setKind(answer_key[k] == 0 ? Kind::None : i == 0 ? Kind::Open : right ? Kind::Right : Kind::Wrong);
    }
    progress::page_scored(page_id, score);
    show_statistics();
    for (int k = 1; k <= 5; ++k)
        CB_A[k]->setEnabled(false);
    B_loes->setEnabled(true);
    B_text->setEnabled(true);
    B_auswert->setEnabled(false);
}

void TForm1::B_loesClick()
{
    for (int k = 1; k <= 5; ++k)
        l_loes[k]->setText(CB_A[k]->item(answer_key[k]));
    B_loes->setEnabled(false);
}

void TForm1::B_textClick()
{
    for (int k = 1; k <= 5; ++k)
        Memo_L[k]->show();
    B_text->setEnabled(false);
}

static QString percentage(long long solved, long long answered)
{
    return numfmt::fixed(answered == 0 ? 0.0L : 100.0L * solved / answered, 2);
}

// The statistics stay visible on every question page and follow each scoring.
void TForm1::show_statistics()
{
    const int L = lesson_no;
    l_lekt_bearb->setText(numfmt::integer(lesson_answered[L]));
    l_lekt_ok->setText(numfmt::integer(lesson_solved[L]));
    l_lekt_proz->setText(percentage(lesson_solved[L], lesson_answered[L]));
    l_ges_bearb->setText(numfmt::integer(total_answered));
    l_ges_ok->setText(numfmt::integer(total_solved));
    l_ges_proz->setText(percentage(total_solved, total_answered));
}
