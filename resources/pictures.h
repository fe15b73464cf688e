#pragma once
// The three pictures of the introduction to the Bode diagram. All show one
// example, the third-order lag G(s) = 5 / (1 + s)^3, in the three usual
// forms. They are drawn with the program's own canvas on first use and kept
// for the rest of the run.
#include <QImage>

// Locus: real part against imaginary part, 301 x 240 pixels.
const QImage& locus_picture();
// Nichols diagram: magnitude in dB against angle in degrees, 280 x 240 pixels.
const QImage& nichols_picture();
// Bode diagram: magnitude in dB and angle in degrees over the angular
// frequency, 422 x 263 pixels.
const QImage& bode_picture();
