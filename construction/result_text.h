#pragma once
// The building blocks of the interim results: memo lines, the tables of
// sections, the summing step of a phase construction, and the drawings.
#include "construction/construction_data.h"
#include "platform/text.h"

#include <initializer_list>

namespace result_text {

// Curve colours by role: blue for given and total curves, then one colour
// per partial curve of a page.
inline const QColor blue(0, 0, 255);
inline const QColor fuchsia(255, 0, 255);
inline const QColor maroon(128, 0, 0);
inline const QColor red(255, 0, 0);
inline const QColor teal(0, 128, 128);
inline const QColor navy(0, 0, 128);
inline const QColor olive(128, 128, 0);

ResultDrawing magnitude(const QColor& color, int width, int shift, std::vector<Vertex> vertices);
ResultDrawing phase(const QColor& color, int width, int shift, std::vector<Vertex> vertices);
// A square around the point (freq; dB) of the magnitude diagram.
ResultDrawing mark(const QColor& color, int width, long double freq, long double db);

// Memo lines joined by CR LF.
using memo_text::lines;

// A formula or a unit that a memo must not break across lines: its blanks
// become non-breaking ones, and a sign stays with its number.
QString unbroken(const QString& formula);
// The text with every number kept together with its sign and its unit
// ("- 45° / Dekade", "w = 40 / sec"), so no line starts with a torn-off
// unit or ends with a lone sign.
QString units_kept(const QString& text);

// The line of 129 hyphens under the column titles of a table.
QString rule();

// One section of a piecewise linear curve as a table row: its frequency
// range, its slope, the values at both ends and, in tables that have the
// column, a remark (the partial angles involved, the cause of a break).
struct Section {
    QString from;
    QString to;
    QString slope;
    QString start;
    QString end;
    QString remark = {};
};

// A table of sections in fixed-width columns, to be shown in a fixed-pitch
// font: a line of column titles, a line of units, the rule, one row per
// section. `value` is the tabulated quantity ("Phi" or "|G|") in `unit`
// ("°" or "dB"); a remark column is added when `remark_title` is given.
// The rows are joined by CR LF, without a line break after the last.
QString section_table(const QString& value, const QString& unit, const std::vector<Section>& sections,
                      const QString& remark_title = {}, const QString& remark_unit = {});

// The opening of the summing step of a phase construction.
QString sections_opening();

// The end value of the phase of a minimum-phase function, read off its
// final magnitude slope (two lines).
QString end_value(const QString& final_slope, const QString& phi);

// The summing step of a phase construction: the opening, the end value
// lines where the end value follows from the final slope (`end` may be
// empty), the table of the sections of the total angle, and closing lines
// below it.
QString summing_step(const QString& opening, const QString& end, const QString& table,
                     std::initializer_list<QString> closing);

// The table of the total angle, naming the partial angles behind each slope.
QString phase_table(const std::vector<Section>& sections);
// The table of a magnitude built from its breaks; `knick` names the end of
// the section whose break the remark explains.
QString magnitude_table(const QString& knick, const std::vector<Section>& sections);

// A partial angle as a polygon, from its equation: 0° up to `lower`, the
// slope between `lower` and `upper` with the angle at the corner frequency,
// and the end value above `upper`. The notes follow the bounds of the
// first and the last piece.
struct AnglePolygon {
    QString equation;
    QString lower;
    QString upper;
    QString slope;
    QString corner;
    QString at_corner;
    QString end;
    QString lower_note = {};
    QString upper_note = {};
};
QString angle_polygon(const AnglePolygon& a);

} // namespace result_text
