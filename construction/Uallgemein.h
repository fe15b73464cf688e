#pragma once
// Guided construction: the subtask sequence of the construction pages, the
// interim results, and the two polygon stores with their drawing.
#include <QColor>
#include <QString>
#include <array>
#include <initializer_list>
#include <vector>

// An asymptotic curve: up to ten vertices of (angular) frequency and value
// (dB in the magnitude store, degrees in the phase store), in rising
// frequency, drawn `shift` pixels lower than the values say.
struct PolygonStore {
    int count = 0;
    int shift = 0;
    std::array<long double, 11> freq{};  // [1..10]
    std::array<long double, 11> value{}; // [1..10]
};

extern PolygonStore mag_polygon;
extern PolygonStore phase_polygon;

struct Vertex {
    long double freq;
    long double value;
};

void clear_mag_polygon();
void clear_phase_polygon();
// Clears the store and fills it with the vertices and the shift.
void set_mag_polygon(int shift, std::initializer_list<Vertex> vertices);
void set_phase_polygon(int shift, std::initializer_list<Vertex> vertices);

// Draw the store as a polyline on the window chart; the pen ends black, width 1.
void draw_mag_polygon(int width, const QColor& color);
void draw_phase_polygon(int width, const QColor& color);
// A red square around vertex k; the pen is left as it was found.
void mark_mag_vertex(int k);
void mark_phase_vertex(int k);
// A square around a pixel; the pen ends black, width 1.
void mark_point(int x, int y, const QColor& color, int width);

// The stores and the sequence as at start-up.
void reset_construction();

struct SubtaskPage;
struct InterimResult;

namespace platform {
class Button;
class Canvas;
class Memo;
class Panel;
} // namespace platform

// What the construction draws on and writes into: the window's chart and
// the controls of its construction panel, handed over by the main window.
struct ConstructionView {
    platform::Canvas* Canvas = nullptr;
    platform::Memo* M_teilaufg = nullptr;
    platform::Memo* M_teilloes = nullptr;
    platform::Button* B_next = nullptr;
    platform::Button* B_ergeb = nullptr;
    platform::Button* B_druck = nullptr;
    platform::Button* B_rechts = nullptr;
    platform::Button* B_zeichnung = nullptr;
    platform::Panel* P_zeichn_statistik = nullptr;
};
void attach_construction(const ConstructionView& view);
const ConstructionView& construction_view();

// What the subtask sequence of a construction page steps through: its
// instructions and its interim results (construction/construction_data.h).
struct ConstructionSteps {
    const SubtaskPage& (*subtasks)() = nullptr;
    const std::vector<InterimResult>& (*results)() = nullptr;
};

// Subtask sequence of the page shown. On the last page of the program every
// subtask keeps "Weiter zur nächsten Seite" disabled.
void start_construction(const ConstructionSteps& steps, bool last_page = false);
// A page that is not a construction page steps through nothing.
void end_construction();
// The steps of the construction shown; empty on any other page.
const ConstructionSteps& construction_steps();
// Writes subtask `no` of page `id` where that page's sequence is the one
// shown and belongs to `lesson`; clears the result memo in any case.
void advance_subtask(const QString& lesson, const QString& id, int& no);

// Interim results, of the sequence shown as well.
void show_interim_result(const QString& lesson, const QString& id, int step);
