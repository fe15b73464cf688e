// Guided construction: the subtask sequence, the interim results and the
// polygon stores with their drawing on the window chart.
#include "construction/Uallgemein.h"

#include "app/state.h"
#include "chart/chart.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "construction/construction_data.h"
#include "construction/drawing_exercise.h"
#include "construction/result_text.h"
#include "platform/numfmt.h"
#include "platform/text.h"

static ConstructionView attached;

void attach_construction(const ConstructionView& view)
{
    attached = view;
}

const ConstructionView& construction_view()
{
    return attached;
}

// ---------------------------------------------------------------- polygons

static void clear_store(PolygonStore& p)
{
    p = PolygonStore{};
}

void clear_mag_polygon()
{
    clear_store(mag_polygon);
}

void clear_phase_polygon()
{
    clear_store(phase_polygon);
}

static void fill_store(PolygonStore& p, int shift, const Vertex* first, const Vertex* last)
{
    clear_store(p);
    p.shift = shift;
    for (const Vertex* v = first; v != last && p.count < 10; ++v) { // the store has ten slots
        ++p.count;
        p.freq[p.count] = v->freq;
        p.value[p.count] = v->value;
    }
}

void set_mag_polygon(int shift, std::initializer_list<Vertex> vertices)
{
    fill_store(mag_polygon, shift, vertices.begin(), vertices.end());
}

void set_phase_polygon(int shift, std::initializer_list<Vertex> vertices)
{
    fill_store(phase_polygon, shift, vertices.begin(), vertices.end());
}

static QPoint mag_vertex(int k)
{
    return QPoint(freq_to_x(mag_polygon.freq[k]), db_to_y(mag_polygon.value[k]) + mag_polygon.shift);
}

static QPoint phase_vertex(int k)
{
    return QPoint(freq_to_x(phase_polygon.freq[k]), phase_to_y(phase_polygon.value[k]) + phase_polygon.shift);
}

static void draw_store(const PolygonStore& p, QPoint (*vertex)(int), int width, const QColor& color)
{
    platform::Canvas& c = *construction_view().Canvas;
    const platform::ScopedPen pen(c, color, width);
    if (p.count >= 1) {
        const QPoint first = vertex(1);
        c.moveTo(first.x(), first.y());
        for (int i = 2; i <= p.count; ++i) {
            const QPoint v = vertex(i);
            c.lineTo(v.x(), v.y());
        }
    }
}

void draw_mag_polygon(int width, const QColor& color)
{
    draw_store(mag_polygon, mag_vertex, width, color);
}

void draw_phase_polygon(int width, const QColor& color)
{
    draw_store(phase_polygon, phase_vertex, width, color);
}

static void mark_vertex(QPoint v)
{
    platform::Canvas& c = *construction_view().Canvas;
    const auto pen = platform::ScopedPen::part(c, Qt::red, 3);
    c.rectangle(v.x() - 2, v.y() - 2, v.x() + 3, v.y() + 3);
}

void mark_mag_vertex(int k)
{
    mark_vertex(mag_vertex(k));
}

void mark_phase_vertex(int k)
{
    mark_vertex(phase_vertex(k));
}

void mark_point(int x, int y, const QColor& color, int width)
{
    platform::Canvas& c = *construction_view().Canvas;
    const platform::ScopedPen pen(c, color, width);
    c.rectangle(x - 5, y - 5, x + 6, y + 6);
}

// ---------------------------------------------------------------- subtasks

using memo_text::crlf;

// The sequence shown, and whether its page is the last page of the program.
static ConstructionSteps shown_steps;
static bool on_last_page = false;

void end_construction()
{
    shown_steps = ConstructionSteps{};
    on_last_page = false;
}

void reset_construction()
{
    clear_mag_polygon();
    clear_phase_polygon();
    end_construction();
}

const ConstructionSteps& construction_steps()
{
    return shown_steps;
}

// The instructions of page `id` where its sequence is the one shown.
static const SubtaskPage* shown_subtasks(const QString& id)
{
    if (!shown_steps.subtasks || shown_steps.subtasks().id != id)
        return nullptr;
    return &shown_steps.subtasks();
}

void start_construction(const ConstructionSteps& steps, bool last_page)
{
    const ConstructionView* f = &construction_view();
    shown_steps = steps;
    on_last_page = last_page;
    subtask_no = 0;
    f->B_next->show();
    f->B_next->setEnabled(true);
    f->B_ergeb->setEnabled(false);
    f->B_druck->show();
    advance_subtask(page_lesson, page_id, subtask_no);
    drawing_exercise::show_controls();
}

// The writer of one construction page: the heading and instruction of
// subtask `no`, which it clamps to the page's last subtask.
static void write_subtask_text(const SubtaskPage& page, int& no)
{
    const ConstructionView* f = &construction_view();
    if (on_last_page)
        f->B_rechts->setEnabled(false);
    const int n = static_cast<int>(page.texts.size());
    subtask_count = n;
    if (no < n) {
        f->B_next->setEnabled(true);
    } else {
        no = n;
        f->B_next->setEnabled(false);
    }
    if (no != 0) {
        const QString heading = crlf + crlf + QStringLiteral("Teilaufgabe Nr. ") + numfmt::integer(no) +
                                QStringLiteral("    ( von ") + numfmt::integer(n) + QStringLiteral(" ) : ") +
                                crlf.repeated(3) + memo_text::rule + crlf.repeated(page.heading_breaks);
        f->M_teilaufg->setText(heading);
        if (no >= 1) // a counter below 1 has no instruction
            f->M_teilaufg->setText(f->M_teilaufg->text() +
                                   result_text::units_kept(page.texts[static_cast<size_t>(no - 1)]));
    }
}

// The lesson a page id belongs to, as text ("06_02" -> "6").
static QString lesson_of(const QString& id)
{
    return QString::number(id.left(2).toInt());
}

void advance_subtask(const QString& lesson, const QString& id, int& no)
{
    const ConstructionView* f = &construction_view();
    f->M_teilloes->clear();
    f->B_ergeb->show();
    f->B_ergeb->setEnabled(false);
    if (no == 0) {
        f->M_teilaufg->clear();
        f->M_teilaufg->setText(
            crlf.repeated(4) +
            QStringLiteral("Drucken Sie sich zunächst ein zum Beispiel passendes Bode-Diagramm-Formular aus,") + crlf +
            QStringLiteral("in das Sie Ihre graphischen Lösungen eintragen.") + crlf + crlf +
            QStringLiteral("Übertragen Sie dann gegebenenfalls alle bekannten Informationen in das Diagramm."));
    }
    if (lesson != lesson_of(id))
        return;
    // Before a function is accepted the own example has no subtasks.
    if (const SubtaskPage* page = shown_subtasks(id); page && !page->texts.empty())
        write_subtask_text(*page, no);
}

// ---------------------------------------------------------------- results

// An exact curve through many points; the points are within the chart.
static void draw_curve(const ResultDrawing& d, int (*to_y)(long double))
{
    platform::Canvas& c = *construction_view().Canvas;
    const platform::ScopedPen pen(c, d.color, d.width);
    for (size_t i = 0; i < d.vertices.size(); ++i) {
        const int x = freq_to_x(d.vertices[i].freq);
        const int y = to_y(d.vertices[i].value);
        if (i == 0)
            c.moveTo(x, y);
        else
            c.lineTo(x, y);
    }
}

static void draw_result(const InterimResult& r)
{
    const ConstructionView* f = &construction_view();
    // Tables of sections line up only in a fixed-pitch font; prose keeps the
    // memo's own font.
    static const QFont prose = platform::controlFont(QStringLiteral("Arial"), 18);
    static const QFont columns = platform::controlFont(QStringLiteral("Courier New"), 16);
    f->M_teilloes->clear();
    f->M_teilloes->setFont(r.table ? columns : prose);
    f->M_teilloes->setText(result_text::units_kept(r.text));
    for (const ResultDrawing& d : r.drawings) {
        const Vertex* first = d.vertices.data();
        const Vertex* last = first + d.vertices.size();
        switch (d.kind) {
        case ResultDrawing::Magnitude:
            fill_store(mag_polygon, d.shift, first, last);
            draw_mag_polygon(d.width, d.color);
            break;
        case ResultDrawing::Phase:
            fill_store(phase_polygon, d.shift, first, last);
            draw_phase_polygon(d.width, d.color);
            break;
        case ResultDrawing::Mark:
            mark_point(freq_to_x(d.vertices.front().freq), db_to_y(d.vertices.front().value), d.color, d.width);
            break;
        case ResultDrawing::MagnitudeCurve:
            draw_curve(d, db_to_y);
            break;
        case ResultDrawing::PhaseCurve:
            draw_curve(d, phase_to_y);
            break;
        }
    }
}

void show_interim_result(const QString& lesson, const QString& id, int step)
{
    const ConstructionView* f = &construction_view();
    // The solution is drawn over the student's drawing, which ends here.
    drawing_exercise::end();
    f->M_teilloes->clear();
    f->B_ergeb->setEnabled(false);
    if (lesson != lesson_of(id))
        return;
    if (const InterimResult* r = find_interim_result(id, step))
        draw_result(*r);
}

const InterimResult* find_interim_result(const QString& id, int step)
{
    if (!shown_steps.results)
        return nullptr;
    for (const InterimResult& r : shown_steps.results())
        if (r.id == id && r.step == step)
            return &r;
    return nullptr;
}
