#pragma once
// Drawing a construction step on screen: after "Nächste Teilaufgabe" the
// student may click the step's polygon into the chart, vertex by vertex,
// and have it rated against the polygon that the interim result draws.
#include "construction/construction_data.h"

#include <QPoint>
#include <vector>

namespace drawing_exercise {

enum Diagram { Magnitude = 0, Phase = 1 };

// The polygons a step asks for, one per diagram at most, as its interim
// result draws them (without their shift). A polygon that the result only
// draws again next to a new one in the other diagram is not asked for.
struct StepPolygons {
    std::vector<Vertex> polygon[2];
    bool any() const { return polygon[Magnitude].size() >= 2 || polygon[Phase].size() >= 2; }
};
StepPolygons step_polygons(const QString& id, int step);

// A step begins (B_next): a step with a polygon can be drawn from now on.
void begin_step();
// The construction panel of a page that starts its sequence shows the
// check button and the statistics line; the drawing is off.
void show_controls();
// The interim result is shown, the chart is redrawn or the page is left:
// the drawing ends; it stays on the chart as drawn.
void end();
// Off a construction page the controls are hidden as well.
void leave();
bool active();

// Left click: next vertex in the diagram the step draws in; right click:
// the last vertex back. Clicks of any other kind, or outside such a
// diagram, do nothing; a click up to 5 pixels outside a diagram's frame
// counts on the frame. Pixels are layout pixels.
void mouse(bool left, bool right, int x, int y);

// "Zeichnung prüfen": rates the drawing of the step shown, if it has one.
void check_drawing();

// "Von   <done> Zeichnung(en) ..." as the exercises write their statistics.
QString drawing_statistics();

// The student's vertices in one diagram, in layout pixels, in click order.
std::vector<QPoint> vertices(Diagram d);

} // namespace drawing_exercise
