#pragma once
// Program-wide state of the lesson program. Everything is set by the
// start-up handler and changed by the event handlers and page functions.
#include <QColor>
#include <QString>
#include <array>

// Page state.
extern int lesson_no;            // current lesson, 1..8
extern int page_no;              // current page within the lesson; 0 before the first page
extern QString page_lesson;      // the lesson as text, e.g. "2"
extern QString page_section;     // the section as text, e.g. "2.1"
extern QString page_id;          // e.g. "02_04"; "00_01" for the introduction
extern QString page_example;     // worked example "1".."4" or empty
extern std::array<int, 9> lesson_page_count; // [1..8]

// Which mouse exercise is active.
extern bool point_mode;
extern bool line_mode;
extern bool constant_mode;

// Scoring.
extern std::array<int, 6> answer_key;        // [1..5]
extern std::array<int, 6> second_key;        // [1..5] also right; 0 for none
extern std::array<int, 9> lesson_answered;   // [1..8]
extern std::array<int, 9> lesson_solved;     // [1..8]
// Counted in full width: the totals never wrap, however long a student works.
extern long long total_answered;
extern long long total_solved;

// Tables filled at start-up.
extern std::array<QColor, 11> curve_colors;   // [1..10]
extern std::array<QString, 4> readout_labels; // [1..3]
extern std::array<QString, 3> slope_labels;   // [1..2]

// Exercise state shared by the point, line and constant exercises.
extern int exercise_kind;
extern bool point_by_mouse;
extern bool line_by_mouse;
extern long double target_freq, target_value;
extern long double stored_freq, stored_value;
extern bool position_stored;
extern bool mark_drawn;
extern bool freq_ok, value_ok;
extern int click_x, click_y;
extern int target_px, target_py, stored_px, stored_py;
extern long double seg_f1, seg_v1, seg_f2, seg_v2;
extern int seg_x1, seg_y1, seg_x2, seg_y2;
extern long double entered_f2, entered_v2;
extern int points_done, points_right;
extern int lines_done, lines_right;
extern int constants_done, constants_right;
extern int drawings_done, drawings_right; // construction steps drawn on screen
extern bool escape_pressed;      // Esc in an exercise field: its exit leaves for the introduction

// Guided construction.
extern int subtask_no;
extern int subtask_count;

// Sets every item above to its start-up value.
void reset_program_state();
