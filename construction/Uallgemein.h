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

// Subtask sequence. On the last page of the program every subtask keeps
// "Weiter zur nächsten Seite" disabled.
void start_construction(bool last_page = false);
void advance_subtask(const QString& lesson, const QString& id, int& no);

// Interim results.
void show_interim_result(const QString& lesson, const QString& id, int step);
