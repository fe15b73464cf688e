// The mouse exercises: mouse, check and new-task handlers.
#include "app/Unit1.h"

void TForm1::maus_down(MouseButton, bool, int x, int y)
{
    click_x = x;
    click_y = y;
}
void TForm1::B_pruefClick() {}
void TForm1::B_neuClick() {}
