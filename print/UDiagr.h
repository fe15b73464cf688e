#pragma once
// The printed diagram sheet: an empty Bode diagram to scale, on one portrait
// page in sheet units of 0.1 mm, for the student's own construction.
#include "chart/chart.h"
#include "construction/Uallgemein.h"

#include <QString>

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

// Prints the sheet of a worked example or of the own example (the page's
// lesson, id and example number) with its scales and curves; any other
// page prints nothing. True when the sheet was printed or saved.
bool print_example_sheet(const QString& lesson, const QString& id, const QString& example);

// Prints one sheet; true when it was printed or saved.
bool print_diagram_sheet(const SheetDescription& sheet);

// A horizontal dashed line from x1 to x2 at y: dashes and gaps of the given
// lengths, in sheet units.
void print_dashed_line(platform::Canvas& canvas, int x1, int x2, int y, int dash, int gap);
