// Guided construction: subtasks, interim results and the polygon stores.
#include "app/Unit1.h"

void TForm1::B_nextClick() {}
void TForm1::B_ergebClick() {}
