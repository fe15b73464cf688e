// The window's two print buttons: the diagram sheet of the page shown and
// the record of progress.
#include "app/Unit1.h"
#include "print/UDiagr.h"
#include "print/record.h"

void TForm1::B_druckClick()
{
    // After a failed print the student tries again first.
    if (print_example_sheet(page_lesson, page_id, page_example))
        B_next->setEnabled(true);
}

void TForm1::B_lernstandClick()
{
    QStringList lessons;
    for (int l = 1; l <= 8; ++l)
        lessons << RG_Wahl->button(l - 1)->text();
    print_progress_record(progress::current(), QDateTime::currentDateTime(), lessons);
}
