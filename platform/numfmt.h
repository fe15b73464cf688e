#pragma once
// All number formatting and parsing of the program. Written numbers always
// use the point, as every lesson text does, whatever the user's locale;
// typed numbers accept a point or a comma.
#include <QString>

namespace numfmt {

// Rounds to the nearest integer, ties to the even integer.
long long nearest(long double v);

// Any value and any number of decimals is written in full, however long the
// text; a negative number of decimals counts as none.

// "%.Nf": fixed point with N decimals, e.g. 66.67.
QString fixed(long double v, int decimals);
// "%W.Nf": as fixed(), right-aligned in a field of W characters.
QString fixed(long double v, int decimals, int width);
// "%.Ne": one digit, N decimals and a signed exponent of at least three
// digits, e.g. 1.000E+003 or 1.00000E-002.
QString sci(long double v, int decimals);
// Plain integer with a minus sign when negative.
QString integer(long long v);

enum class ParseResult { Ok, Empty, Invalid, OutOfRange };

// Reads a decimal number (optional sign, digits with an optional point,
// optional exponent with E or e); the whole text must be used, so that
// not even a blank or a line break may follow the number.
// OutOfRange: the exponent is beyond the range of extended reals.
ParseResult parse(const QString& text, long double& value);

} // namespace numfmt
