#include "app/state.h"

#include "construction/Uallgemein.h"
#include "construction/own_example.h"
#include "lessons/pages.h"

int lesson_no;
int page_no;
QString page_lesson;
QString page_section;
QString page_id;
QString page_example;
std::array<int, 9> lesson_page_count;

bool point_mode;
bool line_mode;
bool constant_mode;

std::array<int, 6> answer_key;
std::array<int, 6> second_key;
std::array<int, 9> lesson_answered;
std::array<int, 9> lesson_solved;
long long total_answered;
long long total_solved;

std::array<QColor, 11> curve_colors;
std::array<QString, 4> readout_labels;
std::array<QString, 3> slope_labels;

int exercise_kind;
bool point_by_mouse;
bool line_by_mouse;
long double target_freq, target_value;
long double stored_freq, stored_value;
bool position_stored;
bool mark_drawn;
bool freq_ok, value_ok;
int click_x, click_y;
int target_px, target_py, stored_px, stored_py;
long double seg_f1, seg_v1, seg_f2, seg_v2;
int seg_x1, seg_y1, seg_x2, seg_y2;
long double entered_f2, entered_v2;
int points_done, points_right;
int lines_done, lines_right;
int constants_done, constants_right;
int drawings_done, drawings_right;
bool escape_pressed;

int subtask_no;
int subtask_count;

void reset_program_state()
{
    lesson_no = 1;
    page_no = 0;
    page_lesson.clear();
    page_section.clear();
    page_id.clear();
    page_example.clear();
    lesson_page_count = page_counts();
    point_mode = line_mode = constant_mode = false;
    answer_key.fill(0);
    second_key.fill(0);
    lesson_answered.fill(0);
    lesson_solved.fill(0);
    total_answered = total_solved = 0;
    curve_colors = {QColor(), QColor(0, 0, 255), QColor(255, 0, 255), QColor(128, 0, 0),
                    QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 255, 255),
                    QColor(0, 128, 128), QColor(0, 0, 128), QColor(128, 128, 0),
                    QColor(0, 0, 0)};
    readout_labels = {QString(), QStringLiteral("   Betrag in dB ="),
                      QStringLiteral("Betrag als Zahl ="), QStringLiteral("    Winkel in ° =")};
    slope_labels = {QString(), QStringLiteral("Steigung in dB / Dek. ="),
                    QStringLiteral(" Steigung in ° / Dek. =")};
    exercise_kind = 0;
    point_by_mouse = line_by_mouse = false;
    target_freq = target_value = stored_freq = stored_value = 0;
    position_stored = mark_drawn = false;
    freq_ok = value_ok = false;
    click_x = click_y = 0;
    target_px = target_py = stored_px = stored_py = 0;
    seg_f1 = seg_v1 = seg_f2 = seg_v2 = 0;
    seg_x1 = seg_y1 = seg_x2 = seg_y2 = 0;
    entered_f2 = entered_v2 = 0;
    points_done = points_right = 0;
    lines_done = lines_right = 0;
    constants_done = constants_right = 0;
    drawings_done = drawings_right = 0;
    escape_pressed = false;
    subtask_no = subtask_count = 0;
    reset_construction();
    own_example::reset();
}
