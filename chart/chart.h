#pragma once
// The screen Bode chart: its settings, its fixed geometry, the conversions
// between values and pixels, and the drawing of the empty chart.
#include "chart/axis.h"

#include <QString>

namespace platform { class Canvas; }

// Value ranges and labelling of the chart; pages set them before draw_chart.
struct ChartSettings {
    long double fmin = 0.001L; // left edge of the frequency axis
    long double fmax = 1000.0L; // right edge
    long double bmin = 0.01L;  // bottom of the magnitude diagram, as a ratio
    long double bmax = 100.0L; // top of the magnitude diagram
    int pmin = -90;            // bottom of the phase diagram, degrees
    int pmax = 90;             // top of the phase diagram
    bool axis_f = false;       // true: frequency f in Hz; false: angular frequency w
    bool with_units = false;   // the axis title carries the unit
};

extern ChartSettings chart;

// Pixel geometry of the chart in the window's client area.
constexpr int chart_left = 60;
constexpr int chart_right = 510;
constexpr int mag_top = 30;
constexpr int mag_bottom = 430;
constexpr int phase_top = 460;
constexpr int phase_bottom = 750;
// Grid lines and marks reach this far beyond the frames.
constexpr int grid_overhang = 5;
// The row of frequency labels below the magnitude diagram.
constexpr int frequency_label_y = mag_bottom + 10;
// The column of value labels right of the chart.
constexpr int right_label_x = chart_right + 10;

// The decimal logarithm, in which the axes of every chart are divided.
long double lg(long double v);

// The three axes of the screen chart in the current settings.
AxisMap frequency_axis();
AxisMap magnitude_axis();
AxisMap phase_axis();

int freq_to_x(long double f);
long double x_to_freq(int x);
int mag_to_y(long double m);
long double y_to_mag(int y);
int db_to_y(long double db);
long double y_to_db(int y);
int phase_to_y(long double phi);
long double y_to_phase(int y);

// Makes the settings drawable (ordered, non-empty ranges).
void normalize_ranges();
// Number of decades the grid divides the frequency axis into.
int decades();

// Draws the empty chart on the canvas: the magnitude and/or phase diagram.
void draw_chart(platform::Canvas& canvas, bool magnitude, bool phase);
