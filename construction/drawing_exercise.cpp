// Drawing a construction step on screen and having it rated.
#include "construction/drawing_exercise.h"

#include "app/state.h"
#include "chart/chart.h"
#include "construction/Uallgemein.h"
#include "platform/controls.h"
#include "app/exercises.h"
#include "construction/drawing_check.h"
#include "platform/numfmt.h"

#include <algorithm>

namespace drawing_exercise {

namespace {

const QString crlf = QStringLiteral("\r\n");

struct Click {
    Diagram diagram;
    long double freq;
    long double value; // dB or degrees
};

// The drawing of the step on screen. The canvas as it was before the first
// vertex is kept, so that a vertex taken back leaves no trace.
struct State {
    bool active = false;
    QString id;
    int step = 0;
    StepPolygons asked;
    std::vector<Click> clicks;
    bool checked = false; // rated, and unchanged since
    bool saved = false;
    platform::Canvas::Snapshot before;
};

State& state()
{
    static State s;
    return s;
}

bool same(const std::vector<Vertex>& a, const std::vector<Vertex>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const Vertex& u, const Vertex& v) {
               return u.freq == v.freq && u.value == v.value;
           });
}

QPoint pixel(Diagram d, long double freq, long double value)
{
    return QPoint(freq_to_x(freq), d == Magnitude ? db_to_y(value) : phase_to_y(value));
}

std::vector<QPoint> pixels(Diagram d)
{
    std::vector<QPoint> out;
    for (const Click& c : state().clicks)
        if (c.diagram == d)
            out.push_back(pixel(d, c.freq, c.value));
    return out;
}

void update_button()
{
    const State& s = state();
    construction_view().B_zeichnung->setEnabled(s.active && !s.checked);
}

// The chart as before the drawing, then the student's polygons in green.
void redraw()
{
    State& s = state();
    platform::Canvas& c = *construction_view().Canvas;
    if (!s.saved) {
        s.before = c.snapshot();
        s.saved = true;
    }
    c.restore(s.before);
    const platform::Brush brush = c.brush;
    c.brush.style = platform::BrushStyle::Clear;
    for (Diagram d : {Magnitude, Phase}) {
        const std::vector<QPoint> v = pixels(d);
        const platform::ScopedPen pen(c, mark_green, 2);
        for (size_t k = 0; k < v.size(); ++k) {
            if (k == 0)
                c.moveTo(v[k].x(), v[k].y());
            else
                c.lineTo(v[k].x(), v[k].y());
        }
        c.pen.width = 1;
        for (QPoint p : v)
            c.rectangle(p.x() - 2, p.y() - 2, p.x() + 3, p.y() + 3);
    }
    c.brush = brush;
}

drawing_check::Diagram diagram_of(Diagram d)
{
    drawing_check::Diagram g;
    g.left = chart_left;
    g.right = chart_right;
    g.fmin = chart.fmin;
    g.fmax = chart.fmax;
    if (d == Magnitude) {
        g.top = mag_top;
        g.bottom = mag_bottom;
        g.value_top = 20 * std::log10(chart.bmax);
        g.value_bottom = 20 * std::log10(chart.bmin);
        g.slope_unit = QStringLiteral("dB/Dekade");
    } else {
        g.top = phase_top;
        g.bottom = phase_bottom;
        g.value_top = chart.pmax;
        g.value_bottom = chart.pmin;
        g.slope_unit = QStringLiteral("°/Dekade");
    }
    return g;
}

QString diagram_name(Diagram d)
{
    return d == Magnitude ? QStringLiteral("Betragsdiagramm") : QStringLiteral("Phasenwinkeldiagramm");
}

QString how_to(const StepPolygons& asked)
{
    QString where;
    if (asked.polygon[Magnitude].size() >= 2 && asked.polygon[Phase].size() >= 2)
        where = QStringLiteral("im Betragsdiagramm und im Phasenwinkeldiagramm");
    else
        where = QStringLiteral("im ") + diagram_name(asked.polygon[Magnitude].size() >= 2 ? Magnitude : Phase);
    return crlf + crlf + QStringLiteral("Sie können den Polygonzug dieser Teilaufgabe auch direkt ") + where +
           QStringLiteral(" zeichnen:") + crlf + crlf +
           QStringLiteral("Mit einem Klick auf die LINKE MAUSTASTE setzen Sie den nächsten Eckpunkt,") + crlf +
           QStringLiteral("mit einem Klick auf die RECHTE MAUSTASTE nehmen Sie den letzten Eckpunkt wieder zurück.") +
           crlf + crlf +
           QStringLiteral("Zeichnen Sie den Polygonzug im gesamten dargestellten Frequenzbereich und drücken Sie dann  "
                          "\"Zeichnung prüfen\".");
}

void check()
{
    State& s = state();
    const ConstructionView* f = &construction_view();
    static const QFont prose = platform::controlFont(QStringLiteral("Arial"), 18);
    f->M_teilloes->setFont(prose);
    if (s.clicks.empty()) {
        f->M_teilloes->setText(how_to(s.asked));
        return;
    }
    const bool both = s.asked.polygon[Magnitude].size() >= 2 && s.asked.polygon[Phase].size() >= 2;
    drawing_check::Rating total;
    total.grade = drawing_check::Grade::Richtig;
    bool missing = false;
    QPoint missing_at;
    QStringList findings;
    for (Diagram d : {Magnitude, Phase}) {
        const std::vector<Vertex>& asked = s.asked.polygon[d];
        if (asked.size() < 2)
            continue;
        std::vector<drawing_check::Corner> solution;
        for (const Vertex& v : asked)
            solution.push_back({pixel(d, v.freq, v.value), v.freq});
        const std::vector<QPoint> drawn = pixels(d);
        const QString prefix = both ? diagram_name(d) + QStringLiteral(":  ") : QString();
        if (drawn.size() < 2) {
            findings << QStringLiteral("Polygonzug im ") + diagram_name(d) +
                            (drawn.empty() ? QStringLiteral(" fehlt") : QStringLiteral(" hat nur einen Eckpunkt"));
            if (!missing)
                missing_at = solution.front().at;
            missing = true;
            continue;
        }
        const drawing_check::Rating r = drawing_check::rate(solution, drawn, diagram_of(d));
        for (const QString& t : r.findings)
            findings << prefix + t;
        if (r.pixels > total.pixels) {
            total.pixels = r.pixels;
            total.worst = r.worst;
        }
    }
    total.grade = missing ? drawing_check::Grade::Falsch : drawing_check::grade_of(total.pixels);
    const bool right = total.grade == drawing_check::Grade::Richtig;

    redraw(); // a mark of an earlier check goes
    if (!right) {
        const QPoint at = missing ? missing_at : total.worst;
        mark_point(at.x(), at.y(), mark_red, 2);
    }

    QString text = crlf + QStringLiteral("Bewertung Ihres Polygonzugs :   ") + drawing_check::grade_text(total.grade);
    if (!missing)
        text += QStringLiteral("      ( größte Abweichung  ") +
                numfmt::integer(drawing_check::whole_pixels(total.pixels)) + QStringLiteral(" Pixel )");
    text += crlf + crlf;
    if (findings.isEmpty() && right)
        text += QStringLiteral("Ihr Polygonzug stimmt im Rahmen der Zeichengenauigkeit mit der Lösung überein.");
    // The memo shows the first findings from the left; the red mark shows
    // the worst wherever it is.
    constexpr int shown = 8;
    for (int k = 0; k < findings.size() && k < shown; ++k)
        text += QStringLiteral("   o  ") + findings[k] + crlf;
    if (findings.size() > shown)
        text += QStringLiteral("   o  ...") + crlf;
    if (!right)
        text += crlf + QStringLiteral("Die Stelle der größten Abweichung ist im Diagramm rot markiert.");
    text += crlf + crlf + QStringLiteral("Mit  \"Zwischenergebnis anzeigen\"  sehen Sie die Lösung über Ihrer Zeichnung.");
    f->M_teilloes->setText(text);

    count_check(right, drawings_done, drawings_right);
    f->P_zeichn_statistik->setCaption(drawing_statistics());
    s.checked = true;
    update_button();
}

} // namespace

QString drawing_statistics()
{
    return exercise_statistics_text(drawings_done, drawings_right, QStringLiteral(" Zeichnung(en) wurde(n) bisher   "),
                                    QStringLiteral("  richtig bearbeitet"));
}

StepPolygons step_polygons(const QString& id, int step)
{
    StepPolygons out;
    const InterimResult* r = find_interim_result(id, step);
    if (!r)
        return out;
    for (const ResultDrawing& d : r->drawings)
        if ((d.kind == ResultDrawing::Magnitude || d.kind == ResultDrawing::Phase) && d.vertices.size() >= 2)
            out.polygon[d.kind == ResultDrawing::Magnitude ? Magnitude : Phase] = d.vertices;
    if (!(out.polygon[Magnitude].size() >= 2 && out.polygon[Phase].size() >= 2))
        return out;
    // Drawn in both diagrams: a polygon shown before on the page is there
    // for orientation only.
    for (int earlier = 1; earlier < step; ++earlier)
        if (const InterimResult* e = find_interim_result(id, earlier))
            for (const ResultDrawing& d : e->drawings) {
                const Diagram in = d.kind == ResultDrawing::Magnitude ? Magnitude : Phase;
                if ((d.kind == ResultDrawing::Magnitude || d.kind == ResultDrawing::Phase) &&
                    same(d.vertices, out.polygon[in]))
                    out.polygon[in].clear();
            }
    return out;
}

void end()
{
    State& s = state();
    s.active = false;
    s.clicks.clear();
    s.saved = false;
    s.before = platform::Canvas::Snapshot();
    s.checked = false;
    update_button();
}

void leave()
{
    end();
    construction_view().B_zeichnung->hide();
    construction_view().P_zeichn_statistik->hide();
}

void show_controls()
{
    end();
    construction_view().B_zeichnung->show();
    construction_view().P_zeichn_statistik->show();
    construction_view().P_zeichn_statistik->setCaption(drawing_statistics());
}

void begin_step()
{
    end();
    State& s = state();
    s.id = page_id;
    s.step = subtask_no;
    s.asked = step_polygons(page_id, subtask_no);
    s.active = s.asked.any();
    update_button();
}

bool active()
{
    const State& s = state();
    return s.active && s.id == page_id && s.step == subtask_no;
}

void mouse(bool left, bool right, int x, int y)
{
    State& s = state();
    if (!active())
        return;
    // Polygons begin and end on the frame and often run along it: a click
    // on the grid lines' ends, up to 5 pixels outside, is taken onto the
    // frame. In a window shown smaller not every pixel of the frame can be
    // hit exactly.
    constexpr int margin = 5;
    if (left && x >= chart_left - margin && x <= chart_right + margin) {
        x = std::clamp(x, chart_left, chart_right);
        Diagram d;
        if (y >= mag_top - margin && y <= mag_bottom + margin) {
            d = Magnitude;
            y = std::clamp(y, mag_top, mag_bottom);
        } else if (y >= phase_top - margin && y <= phase_bottom + margin) {
            d = Phase;
            y = std::clamp(y, phase_top, phase_bottom);
        } else {
            return;
        }
        if (s.asked.polygon[d].size() < 2)
            return;
        s.clicks.push_back({d, x_to_freq(x), d == Magnitude ? y_to_db(y) : y_to_phase(y)});
    } else if (right && !s.clicks.empty()) {
        s.clicks.pop_back();
    } else {
        return;
    }
    s.checked = false;
    redraw();
    update_button();
}

std::vector<QPoint> vertices(Diagram d)
{
    return pixels(d);
}

void check_drawing()
{
    if (active())
        check();
}

} // namespace drawing_exercise
