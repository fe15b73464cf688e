// The numeric input fields of the exercise panel.
#include "app/Unit1.h"

void TForm1::E_Exit(platform::Edit*) {}
bool TForm1::E_KeyPress(platform::Edit*, int) { return false; }
void TForm1::E_freq_click() {}
void TForm1::E_wert_click() {}
void TForm1::check_freq_field(platform::Edit*) {}
void TForm1::check_value_field(platform::Edit*) {}
