#pragma once
// Rates a polygon the student drew into one diagram of the chart against the
// polygon of the solution. Everything is measured in pixels of the window
// layout, so the rating does not depend on the zoom the window is shown at.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <vector>

namespace drawing_check {

// A vertex of the solution: where it lies and the frequency it stands for
// (named in the findings as the course writes corner frequencies).
struct Corner {
    QPoint at;
    long double freq;
};

// The diagram the polygons lie in: its pixel frame and value range, to
// name frequencies and slopes in the course's units.
struct Diagram {
    int left = 60, right = 510;  // x of fmin and fmax
    int top = 30, bottom = 430;  // y of value_top and value_bottom
    long double fmin = 1, fmax = 10;
    long double value_top = 0, value_bottom = -1;
    QString slope_unit;          // "dB/Dekade" or "°/Dekade"
};

enum class Grade { Richtig, Ungenau, Falsch };

// The pixel rule of the point exercise: up to 2 pixels "RICHTIG", up to 5
// "UNGENAU", beyond that "FALSCH".
Grade grade_of(long double pixels);
QString grade_text(Grade g);
// A distance as it is reported: in whole pixels, rounded up.
long long whole_pixels(long double px);

struct Rating {
    Grade grade = Grade::Falsch;
    long double pixels = 0;     // the largest distance found
    QPoint worst;               // where it was found
    QStringList findings;       // what is off, left to right
};

// Every solution vertex is rated by its distance from the student's
// polygon, every student vertex by its distance from the solution, and the
// polygon's extent by how far it falls short of the solution's ends. A
// distance is that of the point exercise: the larger of the horizontal and
// the vertical offset. The student's vertices are taken in the order they
// were set; at least two are needed for a polygon.
Rating rate(const std::vector<Corner>& solution, const std::vector<QPoint>& student, const Diagram& d);

} // namespace drawing_check
