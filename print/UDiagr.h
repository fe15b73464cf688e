#pragma once
// The printed diagram sheet: an empty Bode diagram to scale, on one portrait
// page in sheet units of 0.1 mm, for the student's own construction.
#include "chart/chart.h"
#include "construction/Uallgemein.h"

#include <QString>
#include <functional>

namespace platform { class Canvas; }

// Everything one sheet shows.
struct SheetDescription {
    QString document; // the name of the print job
    QString title;    // written between the two diagrams
    // Frequency axis and units, frequency, magnitude and phase ranges.
    ChartSettings range;
    int mm_per_20dB = 0;  // vertical scale of the magnitude diagram
    int mm_per_90deg = 0; // vertical scale of the phase diagram
    // The construction stores and which of them are drawn and have their
    // inner vertices marked.
    PolygonStore magnitude;
    PolygonStore phase;
    bool draw_magnitude = false;
    bool mark_magnitude = false;
    bool draw_phase = false;
    bool mark_phase = false;
};

// What the sheet of a page shows besides the chart's ranges: its title, its
// scales, and which construction stores it draws and marks. A page makes
// it when the sheet is printed, so that it can follow the construction.
struct PageSheet {
    // Empty on a worked example: "Lektion L: Diagramm zum E. Beispiel".
    QString title{};
    int mm_per_20dB = 0;
    int mm_per_90deg = 0;
    bool draw_magnitude = false;
    bool mark_magnitude = false;
    bool draw_phase = false;
    bool mark_phase = false;
};

using SheetOfPage = std::function<PageSheet()>;

// The sheet of a page whose scales and curves are fixed.
SheetOfPage fixed_sheet(const PageSheet& sheet);


// Prints one sheet; true when it was printed or saved.
bool print_diagram_sheet(const SheetDescription& sheet);

// A horizontal dashed line from x1 to x2 at y: dashes and gaps of the given
// lengths, in sheet units.
void print_dashed_line(platform::Canvas& canvas, int x1, int x2, int y, int dash, int gap);
