#pragma once
// The printed diagram sheet: an empty Bode diagram to scale, on one portrait
// page in sheet units of 0.1 mm, for the student's own construction.
#include <QString>

namespace platform { class Canvas; }

// Prints the sheet of a worked example (the page's lesson, id and example
// number) with its fixed scales and curves and enables "Nächste Teilaufgabe";
// any other page prints nothing.
void print_example_sheet(const QString& lesson, const QString& id, const QString& example);

// Prints one sheet: frequency range fmin..fmax, magnitudes bmin..bmax (as
// ratios), phases pmin..pmax degrees, mm_per_20dB and mm_per_90deg the
// vertical scales; the flags choose which polygons of the construction
// stores are drawn and whose inner vertices are marked. True when the sheet
// was printed or saved.
bool print_diagram_sheet(bool axis_f, bool with_units, int mm_per_20dB, long double fmin, long double fmax,
                         long double bmin, long double bmax, int pmin, int pmax, int mm_per_90deg,
                         const QString& title, bool draw_mag_polygon, bool mark_mag_vertices,
                         bool draw_phase_polygon, bool mark_phase_vertices);

// A horizontal dashed line from x1 to x2 at y: dashes and gaps of the given
// lengths, in sheet units.
void print_dashed_line(platform::Canvas& canvas, int x1, int x2, int y, int dash, int gap);
