// The printed diagram sheet.
#include "app/Unit1.h"

void TForm1::B_druckClick() {}
