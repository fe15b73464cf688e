#pragma once
// Helpers shared by the mouse exercises of the exercise panel: the random
// draw, the rating of an answer, the marks drawn on the chart and the
// statistics line; and the task generators of the point and line exercises.
#include "platform/canvas.h"

#include <QColor>
#include <QString>

namespace platform { class Label; }

inline const QColor mark_red(255, 0, 0);
inline const QColor mark_green(0, 128, 0);

// A uniform integer 1..n: Round(u·n + 0.5) for a random u in [0, 1). The
// single draw u = 0 would give 0 and is taken as 1.
int R(int n);

// Rates a coordinate by the pixel distance of the answer from the target:
// up to 2 pixels "RICHTIG", up to 5 "UNGENAU", beyond that "FALSCH". Writes
// the rating into the label and returns whether it is "RICHTIG".
bool rate_offset(int target, int stored, platform::Label* rating);

// Counts one check into the exercise's counters and into the statistics of
// the lesson and of all lessons.
void count_check(bool right, int& done, int& right_count);

// "Von   <done><noun><right>..." with the share of right answers once there
// is one check.
QString exercise_statistics_text(int done, int right, const QString& noun, const QString& tail);

// The statistics lines of the point, the line and the constant exercise.
QString point_statistics();
QString line_statistics();
QString constant_statistics();

// The pixel row of a value of the current exercise kind: point exercise dB,
// magnitude or degrees; line exercise dB or degrees (slopes are placed the
// same way).
int point_value_to_y(long double v);
int line_value_to_y(long double v);
// A value of the point exercise as it is written: a magnitude as a number
// in scientific notation, dB and degrees with two decimals.
QString point_value_text(long double v);

// Marks on the window canvas; each leaves the pen solid, width 1, black.
// A red crosshair through both diagrams.
void target_cross(int x, int y);
// A green double crosshair, 3 pixels either side of the point.
void stored_cross(int x, int y);
// An 11 x 11 square around the point with guide lines to the frequency axis
// and across the diagram of the current exercise kind.
void point_box(int x, int y, const QColor& color, int width);
// A straight line that includes its end pixel.
void draw_segment(int x1, int y1, int x2, int y2, int width, const QColor& color,
                  platform::PenStyle style = platform::PenStyle::Solid);

// 10 to the power e, as the task generators draw their ranges and targets.
long double power_of_ten(long double e);

// Shows the exercise panel in its font.
void show_exercise_panel();
// Forgets the student's answer to the task on screen: the stored position
// and click, the mark, the field flags and the stored values.
void reset_answer();
// A new task: empties the exercise fields, hides the check button, forgets
// the answer and the target, and lets the generator draw the next task.
void start_new_task(void (*make_task)());

// Task generators of the point exercise (lesson 3), the line exercise
// (lesson 4) and the constant exercise (lesson 5): chart, target and
// exercise panel of a new task.
void new_point();
void new_line();
void new_constant();
