// The mouse exercises: the shared marks, rating and statistics, and the
// mouse, check and new-task handlers with a branch per exercise.
#include "app/exercises.h"

#include "app/Unit1.h"
#include "construction/Uallgemein.h"
#include "construction/drawing_exercise.h"
#include "platform/numfmt.h"
#include "platform/system.h"

#include <QPalette>
#include <cmath>
#include <cstdlib>

int R(int n)
{
    const long long r = numfmt::nearest(platform::random() * n + 0.5L);
    return r < 1 ? 1 : static_cast<int>(r);
}

bool rate_offset(int target, int stored, platform::Label* rating)
{
    const int d = std::abs(target - stored);
    if (d <= 2) {
        rating->setText(QStringLiteral("RICHTIG"));
        return true;
    }
    rating->setText(d <= 5 ? QStringLiteral("UNGENAU") : QStringLiteral("FALSCH"));
    return false;
}

void count_check(bool right, int& done, int& right_count)
{
    done += 1;
    lesson_answered[lesson_no] += 1;
    total_answered += 1;
    if (right) {
        right_count += 1;
        lesson_solved[lesson_no] += 1;
        total_solved += 1;
    }
}

QString exercise_statistics_text(int done, int right, const QString& noun, const QString& tail)
{
    const QString counts = QStringLiteral("Von   ") + numfmt::integer(done) + noun + numfmt::integer(right);
    if (done <= 0)
        return counts + tail;
    return counts + QStringLiteral("   ( das sind   ") + numfmt::fixed(100.0L * right / done, 2) +
           QStringLiteral("  %  )   richtig bearbeitet");
}

QString point_statistics()
{
    return exercise_statistics_text(points_done, points_right, QStringLiteral(" Punkt(en) wurde(n) bisher   "),
                                    QStringLiteral("  richtig bearbeitet"));
}

QString line_statistics()
{
    return exercise_statistics_text(lines_done, lines_right, QStringLiteral(" Linie(n) wurde(n) bisher   "),
                                    QStringLiteral("   richtig bearbeitet"));
}

QString constant_statistics()
{
    return exercise_statistics_text(constants_done, constants_right,
                                    QStringLiteral(" Konstante(n) wurde(n) bisher   "),
                                    QStringLiteral("  richtig bearbeitet"));
}

int point_value_to_y(long double v)
{
    switch (exercise_kind) {
    case 1: return db_to_y(v);
    case 2: return mag_to_y(v);
    default: return phase_to_y(v);
    }
}

int line_value_to_y(long double v)
{
    return exercise_kind == 1 ? db_to_y(v) : phase_to_y(v);
}

QString point_value_text(long double v)
{
    return exercise_kind == 2 ? numfmt::sci(v, 4) : numfmt::fixed(v, 2);
}

static platform::Canvas& canvas()
{
    return Form1->Canvas;
}

static void line(int x1, int y1, int x2, int y2)
{
    canvas().moveTo(x1, y1);
    canvas().lineTo(x2, y2);
}

// A vertical through both diagrams, leaving out the gap between them.
static void cross_vertical(int x)
{
    line(x, phase_bottom, x, phase_top - 5);
    line(x, mag_bottom + 5, x, mag_top);
}

static void cross_horizontal(int y)
{
    line(chart_left - 5, y, chart_right + 5, y);
}

void target_cross(int x, int y)
{
    const platform::ScopedPen pen(canvas(), mark_red, 3);
    cross_vertical(x);
    // The horizontal line is drawn twice, as the course has always drawn
    // it; the recorded drawing keeps both.
    cross_horizontal(y);
    cross_horizontal(y);
}

void stored_cross(int x, int y)
{
    const platform::ScopedPen pen(canvas(), mark_green, 3);
    cross_vertical(x - 3);
    cross_vertical(x + 3);
    cross_horizontal(y - 3);
    cross_horizontal(y + 3);
}

void point_box(int x, int y, const QColor& color, int width)
{
    const platform::ScopedPen pen(canvas(), color, width);
    canvas().brush.style = platform::BrushStyle::Clear;
    canvas().rectangle(x - 5, y - 5, x + 6, y + 6);
    line(chart_left, y, chart_right, y);
    if (exercise_kind == 1)
        line(x, mag_top, x, mag_bottom + grid_overhang);
    else
        line(x, phase_top - grid_overhang, x, phase_bottom);
}

void draw_segment(int x1, int y1, int x2, int y2, int width, const QColor& color, platform::PenStyle style)
{
    const platform::ScopedPen pen(canvas(), color, width, style);
    canvas().moveTo(x1, y1);
    // A vertical stays vertical; the step that takes in the end pixel follows.
    if (x1 == x2)
        canvas().lineTo(x2, y2);
    // One pixel further along the line, so that the end point is drawn too.
    canvas().lineTo(x2 + 1, y1 < y2 ? y2 + 1 : y1 == y2 ? y2 : y2 - 1);
}

long double power_of_ten(long double e)
{
    return std::pow(10.0L, e);
}

void show_exercise_panel()
{
    TForm1* f = Form1;
    f->P_punkt->setFont(platform::controlFont(QStringLiteral("Arial"), -15));
    // Enter on the focused check or new-task button presses it, so that the
    // whole exercise runs from the keyboard.
    f->B_pruef->setAutoDefault(true);
    f->B_neu->setAutoDefault(true);
    // Disabled fields show the coordinates of the task: they must stay
    // readable, in a plain grey rather than the style's faint one.
    for (QWidget* field : {static_cast<QWidget*>(f->E_freq), static_cast<QWidget*>(f->E_wert)}) {
        QPalette p = field->palette();
        p.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
        field->setPalette(p);
    }
    f->P_punkt->show();
}

void reset_answer()
{
    position_stored = false;
    mark_drawn = false;
    stored_freq = 0;
    stored_value = 0;
    freq_ok = false;
    value_ok = false;
    click_x = click_y = 0;
}

static void update_check_button_after_click()
{
    if (position_stored) {
        Form1->B_pruef->show();
        Form1->B_pruef->setFocus();
    } else {
        Form1->B_pruef->hide();
    }
}

static bool in_magnitude_diagram(int y)
{
    return y >= mag_top && y <= mag_bottom;
}

static bool in_phase_diagram(int y)
{
    return y >= phase_top && y <= phase_bottom;
}

static bool in_frequency_range(int x)
{
    return x >= chart_left && x <= chart_right;
}

// A click outside the diagram of the task's kind stores nothing, not even
// its frequency: the stored point always comes from one click.
static void point_mouse(bool left, bool right, int x, int y)
{
    if (left && in_frequency_range(x)) {
        const bool magnitude = exercise_kind == 1 || exercise_kind == 2;
        if ((magnitude && in_magnitude_diagram(y)) || (exercise_kind == 3 && in_phase_diagram(y))) {
            stored_freq = x_to_freq(x);
            stored_value = exercise_kind == 1 ? y_to_db(y) : exercise_kind == 2 ? y_to_mag(y) : y_to_phase(y);
            position_stored = true;
            stored_px = freq_to_x(stored_freq);
        }
        if (position_stored && !mark_drawn) {
            mark_drawn = true;
            stored_py = point_value_to_y(stored_value);
            stored_cross(stored_px, stored_py);
        }
    } else if (right && position_stored) {
        reset_answer();
        Form1->B_neu->setFocus();
        draw_chart(true, true);
    }
    update_check_button_after_click();
}

static void line_mouse(bool left, bool right, int x, int y)
{
    if (left && in_frequency_range(x)) {
        const bool fits = (exercise_kind == 1 && in_magnitude_diagram(y)) ||
                          (exercise_kind == 2 && in_phase_diagram(y));
        const long double ratio = x_to_freq(x) / seg_f1;
        const long double decades = std::log10(ratio);
        // A click at f anf itself (ratio 1 up to rounding) gives no slope.
        if (fits && std::fabs(decades) > 1e-9L) {
            const long double rise = (exercise_kind == 1 ? y_to_db(y) : y_to_phase(y)) - seg_v1;
            const long double slope = rise / decades;
            stored_freq = ratio;
            stored_value = slope == 0 ? 0.0L : slope; // no "-0.00" left of f anf
            position_stored = true;
        }
        if (position_stored && !mark_drawn) {
            mark_drawn = true;
            point_box(x, y, mark_green, 1);
        }
    } else if (right && position_stored) {
        reset_answer();
        draw_chart(true, true);
        point_box(seg_x1, seg_y1, mark_red, 1);
    }
    update_check_button_after_click();
}

// The student's K follows from the clicked point of the magnitude line:
// |G| = K / w or |G| = K · w. Clicks in the phase diagram, which the task
// does not show, store nothing.
static void constant_mouse(bool left, bool right, int x, int y)
{
    if (left && in_frequency_range(x)) {
        if (in_magnitude_diagram(y)) {
            stored_freq = x_to_freq(x);
            stored_value = exercise_kind == 1 ? y_to_mag(y) * x_to_freq(x) : y_to_mag(y) / x_to_freq(x);
            position_stored = true;
        }
        if (position_stored && !mark_drawn) {
            mark_drawn = true;
            mark_point(x, y, mark_green, 1);
        }
    } else if (right && position_stored) {
        reset_answer();
        draw_chart(true, true);
    }
    update_check_button_after_click();
}

void TForm1::maus_down(MouseButton button, bool shift_empty, int x, int y)
{
    click_x = x;
    click_y = y;
    const bool left = shift_empty && button == MouseButton::Left;
    const bool right = shift_empty && button == MouseButton::Right;
    if (point_mode)
        point_mouse(left, right, x, y);
    if (line_mode)
        line_mouse(left, right, x, y);
    if (constant_mode)
        constant_mouse(left, right, x, y);
    drawing_exercise::mouse(left, right, x, y);
}

static void check_point()
{
    TForm1* f = Form1;
    const long double freq = point_by_mouse ? stored_freq : target_freq;
    const long double value = point_by_mouse ? stored_value : target_value;
    f->l_pkt_loes->setText(point_by_mouse
                               ? QStringLiteral("Sie haben die folgenden Koordinaten mit der Maus gespeichert:")
                               : QStringLiteral("Die vorgegebenen Sollkoordinaten lauten:"));
    f->l_pkt_f->setText(QStringLiteral("Frequenz in Hz =    ") + numfmt::sci(freq, 3));
    f->l_pkt_wert2->setText(readout_labels[exercise_kind] + QStringLiteral("    ") + point_value_text(value));
    f->B_neu->setFocus();

    target_px = freq_to_x(target_freq);
    stored_px = freq_to_x(stored_freq);
    freq_ok = rate_offset(target_px, stored_px, f->l_pkt_bem_f);
    target_py = point_value_to_y(target_value);
    stored_py = point_value_to_y(stored_value);
    value_ok = rate_offset(target_py, stored_py, f->l_pkt_bem_wert);

    if (point_by_mouse)
        target_cross(target_px, target_py);
    else
        stored_cross(stored_px, stored_py);

    count_check(freq_ok && value_ok, points_done, points_right);
    f->P_statistik->setCaption(point_statistics());
}

static void check_line()
{
    TForm1* f = Form1;
    const long double ratio = line_by_mouse ? stored_freq : target_freq;
    const long double slope = line_by_mouse ? stored_value : target_value;
    f->l_pkt_loes->setText(line_by_mouse
                               ? QStringLiteral("Sie haben die folgenden Kennwerte mit der Maus gespeichert:")
                               : QStringLiteral("Die vorgegebenen Sollkoordinaten lauten:"));
    f->l_pkt_f->setText(QStringLiteral("f end / f anf     ") + numfmt::fixed(ratio, 2));
    f->l_pkt_wert2->setText(slope_labels[exercise_kind] + QStringLiteral("    ") + numfmt::fixed(slope, 2));
    f->B_neu->setFocus();

    // The ratios are placed on the axis as if they were frequencies, the
    // slopes as if they were values of the diagram.
    target_px = freq_to_x(target_freq);
    stored_px = freq_to_x(stored_freq);
    freq_ok = rate_offset(target_px, stored_px, f->l_pkt_bem_f);
    target_py = line_value_to_y(target_value);
    stored_py = line_value_to_y(stored_value);
    value_ok = rate_offset(target_py, stored_py, f->l_pkt_bem_wert);

    if (line_by_mouse) {
        draw_segment(seg_x1, seg_y1, seg_x2, seg_y2, 1, mark_red);
    } else {
        entered_f2 = seg_f1 * stored_freq;
        entered_v2 = std::log10(stored_freq) * stored_value + seg_v1;
        draw_segment(seg_x1, seg_y1, freq_to_x(entered_f2), line_value_to_y(entered_v2), 3, mark_green);
    }

    count_check(freq_ok && value_ok, lines_done, lines_right);
    f->P_statistik->setCaption(line_statistics());
}

// Rated by the relative error of K: one pixel is about 3.1 % in w and
// 4.7 % in |G|, so "RICHTIG" asks for a click within about a pixel.
static void check_constant()
{
    TForm1* f = Form1;
    f->l_pkt_loes->setText(QStringLiteral("Sie haben mit der Maus den folgenden Kennwert gespeichert:"));
    f->l_pkt_f->setText(QStringLiteral("Konstante  K = ") + numfmt::sci(stored_value, 4));
    const long double error = std::fabs((stored_value - target_value) / target_value);
    freq_ok = error <= 0.03L;
    f->l_pkt_bem_f->setText(freq_ok            ? QStringLiteral("RICHTIG")
                            : error <= 0.05L ? QStringLiteral("UNGENAU")
                                             : QStringLiteral("FALSCH"));
    f->l_pkt_wert2->setText(QString());
    f->l_pkt_bem_wert->setText(QString());
    f->B_neu->setFocus();

    draw_segment(freq_to_x(seg_f1), mag_to_y(seg_v1), freq_to_x(seg_f2), mag_to_y(seg_v2), 1, mark_red);

    count_check(freq_ok, constants_done, constants_right);
    f->P_statistik->setCaption(constant_statistics());
}

void TForm1::B_pruefClick()
{
    B_pruef->hide();
    answers_checked = true;
    if (point_mode)
        check_point();
    if (line_mode)
        check_line();
    if (constant_mode)
        check_constant();
}

void start_new_task(void (*make_task)())
{
    TForm1* f = Form1;
    f->clear_point_fields();
    f->B_pruef->hide();
    reset_answer();
    target_value = 0;
    target_freq = 0;
    make_task();
}

void TForm1::B_neuClick()
{
    answers_checked = false;
    hide_readout();
    if (point_mode)
        start_new_task(new_point);
    if (line_mode)
        start_new_task(new_line);
    if (constant_mode)
        start_new_task(new_constant);
}
