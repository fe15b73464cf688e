// The buttons of the construction panel: the next subtask, its interim
// result and the check of a drawing made on screen.
#include "app/Unit1.h"
#include "construction/Uallgemein.h"
#include "construction/drawing_exercise.h"

void TForm1::B_nextClick()
{
    subtask_no += 1;
    advance_subtask(page_lesson, page_id, subtask_no);
    B_ergeb->setEnabled(true);
    drawing_exercise::begin_step();
}

void TForm1::B_ergebClick()
{
    show_interim_result(page_lesson, page_id, subtask_no);
}

void TForm1::B_zeichnungClick()
{
    drawing_exercise::check_drawing();
}
