#pragma once
// The fixed data of the guided constructions: the instruction of every
// subtask and the interim result of every step, kept as tables.
#include "construction/Uallgemein.h"

#include <QString>
#include <vector>

// The subtasks of one construction page.
struct SubtaskPage {
    QString id;                 // e.g. "06_02"
    int heading_breaks;         // line breaks after the hyphen line of the heading (2 or 3)
    std::vector<QString> texts; // instruction of subtask 1..N
};

// One drawing of an interim result, in the order it is drawn.
struct ResultDrawing {
    // Exact curves are drawn point by point past the polygon stores.
    enum Kind { Magnitude, Phase, Mark, MagnitudeCurve, PhaseCurve };
    Kind kind;
    QColor color;
    int width;
    int shift;                    // polygons only
    std::vector<Vertex> vertices; // Mark: one (frequency; dB) point
};

struct InterimResult {
    QString id;  // page id
    int step;    // subtask number
    QString text;
    std::vector<ResultDrawing> drawings;
    bool table = false; // the text is laid out in columns and needs a fixed-pitch font
};

// Instructions that the worked examples and the own example share: the
// partial angle of the n-th break ("ersten" ...), the summing of the
// partial angles, and "... farbig im Diagramm ein."
QString knick_instruction(const QString& ordinal);
QString sum_instruction();
QString colour_instruction();

// The interim result of a step of the construction shown, the own
// example's included; none for another page or a step without one.
const InterimResult* find_interim_result(const QString& id, int step);

// The subtasks and the interim results of each worked example, which its
// page record names.
const SubtaskPage& subtasks_05_13();
const SubtaskPage& subtasks_06_02();
const SubtaskPage& subtasks_06_04();
const SubtaskPage& subtasks_06_06();
const SubtaskPage& subtasks_07_02();
const SubtaskPage& subtasks_07_03();
const SubtaskPage& subtasks_07_04();
const SubtaskPage& subtasks_08_01();
const SubtaskPage& subtasks_08_02();
const SubtaskPage& subtasks_08_03();
const std::vector<InterimResult>& results_05_13();
const std::vector<InterimResult>& results_06_02();
const std::vector<InterimResult>& results_06_04();
const std::vector<InterimResult>& results_06_06();
const std::vector<InterimResult>& results_07_02();
const std::vector<InterimResult>& results_07_03();
const std::vector<InterimResult>& results_07_04();
const std::vector<InterimResult>& results_08_01();
const std::vector<InterimResult>& results_08_02();
const std::vector<InterimResult>& results_08_03();

// The subtasks and interim results of the student's own example, made for
// the function last accepted (construction/own_example.cpp).
const SubtaskPage& own_subtask_page();
const std::vector<InterimResult>& own_results();
