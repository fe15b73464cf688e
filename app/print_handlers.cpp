// The window's two print buttons: the diagram sheet of the page shown and
// the record of progress.
#include "app/Unit1.h"
#include "app/page_kinds.h"
#include "print/UDiagr.h"
#include "print/record.h"

// The sheet of the page shown with the chart's ranges and the construction
// stores as they are now; a worked example is titled by its lesson and
// number.
static SheetDescription sheet_of_page(const PageSheet& page)
{
    SheetDescription sheet;
    sheet.document = QStringLiteral("FALKORIN-Diagrammblatt-") + page_id;
    sheet.title = !page.title.isEmpty() ? page.title
                                        : QStringLiteral("Lektion ") + page_lesson +
                                              QStringLiteral(": Diagramm zum ") + page_example +
                                              QStringLiteral(". Beispiel");
    sheet.range = chart;
    sheet.mm_per_20dB = page.mm_per_20dB;
    sheet.mm_per_90deg = page.mm_per_90deg;
    sheet.magnitude = mag_polygon;
    sheet.phase = phase_polygon;
    sheet.draw_magnitude = page.draw_magnitude;
    sheet.mark_magnitude = page.mark_magnitude;
    sheet.draw_phase = page.draw_phase;
    sheet.mark_phase = page.mark_phase;
    return sheet;
}

void TForm1::B_druckClick()
{
    // After a failed print the student tries again first.
    if (const SheetOfPage& sheet = page_sheet(); sheet && print_diagram_sheet(sheet_of_page(sheet())))
        B_next->setEnabled(true);
}

void TForm1::B_lernstandClick()
{
    QStringList lessons;
    for (int l = 1; l <= 8; ++l)
        lessons << RG_Wahl->button(l - 1)->text();
    print_progress_record(progress::current(), QDateTime::currentDateTime(), lessons);
}
