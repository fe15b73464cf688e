#pragma once
// Drawing helpers shared by the pages of lesson 5: the asymptotes of an
// elementary function and the marks of its corner frequency.
#include "construction/Uallgemein.h"

#include <QColor>
#include <initializer_list>

// A magnitude given as a number, in dB.
long double dB(long double ratio);

// The magnitude and phase asymptotes, width 2. A shift draws a polyline
// that many pixels lower (negative: higher), so that the lines of two
// examples do not cover each other.
void draw_asymptotes(const QColor& color, std::initializer_list<Vertex> magnitude,
                     std::initializer_list<Vertex> phase, int magnitude_shift = 0, int phase_shift = 0);

// A dashed vertical at w from a level in dB above the magnitude diagram to
// an angle below the phase diagram.
void corner_line(const QColor& color, long double w, long double top_db, long double bottom_degrees);

// The corner frequency w: a square on each diagram's asymptotes and the
// dashed vertical that joins them.
void mark_corner(const QColor& color, long double w, long double db, long double degrees, long double top_db,
                 long double bottom_degrees);
