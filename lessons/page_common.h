#pragma once
// The records of the four kinds of page and the function that shows each
// kind, in the order every page follows: page state, kind (buttons and
// panels), chart, page frame, texts, curves. A page function hands its
// record to the function of its kind.
#include "app/page_kinds.h"
#include "app/task_panel.h"
#include "chart/chart.h"
#include "construction/Uallgemein.h"
#include "construction/construction_data.h"
#include "construction/result_text.h"
#include "print/UDiagr.h"
#include "platform/text.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

// Sets the chart settings and draws the empty chart: the chart of a page.
std::function<void()> chart_of(const ChartSettings& settings, bool magnitude = true, bool phase = true);

// ------------------------------------------------------------ text pages

struct TextPage {
    PageState state;
    QString title;
    QString date;
    // Sets the chart and draws it; empty where the chart stays as the page
    // before drew it.
    std::function<void()> chart;
    int memo_height = 926;
    int frame_bottom = 970;
    QStringList text;
    // Pictures on the left half, drawn before the frame.
    std::function<void()> pictures;
    // The example curves, drawn after the text.
    std::function<void()> curves;
    // The captions the explanation pages of lesson 5 leave on the exercise
    // buttons; empty on the other pages, which leave them as they are.
    QString new_task_caption;
};

void show_text_page(const TextPage& page);

// ---------------------------------------------------------- exercise pages

struct ExercisePage {
    PageState state;
    QString title;
    QString date;
    bool* mode = nullptr; // point_mode, line_mode or constant_mode
    QString new_task_caption;
    QString check_caption = QStringLiteral("Kontrolle der Eingaben");
    std::function<void()> chart;
    QStringList text;
    void (*new_task)() = nullptr;  // draws the first task
    QString (*statistics)() = nullptr; // the exercise's statistics line
};

void show_exercise_page(const ExercisePage& page);

// ------------------------------------------------------------ question pages

// Question pages: QuestionPage (app/task_panel.h) and show_question_page.

// ------------------------------------------------------- construction pages

struct ConstructionPage {
    PageState state;
    QString title;
    QString date;
    ChartSettings chart;
    // The problem; the guidance every construction page gives follows it
    // unless with_guidance is false.
    QString problem;
    bool with_guidance = true;
    int memo_height = 280;
    // The given curves and marks, drawn after the frame.
    std::function<void()> given;
    // The subtasks and interim results the construction steps through.
    ConstructionSteps steps;
    // The sheet "Diagrammblatt drucken" prints.
    SheetOfPage sheet;
    // The last page of the program: "Weiter zur nächsten Seite" stays disabled.
    bool last_page = false;
    // The way into the own example below the frame.
    bool own_example_button = false;
};

// Shows the page and starts its subtask sequence.
void show_construction_page(const ConstructionPage& page);

// ------------------------------------------------------------ shared pieces

// A rule across the memo between the blocks of a text: 129 hyphens.
inline const QString& memo_rule = memo_text::rule;
using memo_text::crlf;

// Formulas and units that a memo must not break (see result_text).
using result_text::unbroken;

// Replaces the text of the memo.
void set_memo_text(const QStringList& lines);

// A line on the window canvas with the current pen.
void line(int x1, int y1, int x2, int y2);

// The page state of an example page; the lesson is the one the page id
// names ("07_02" -> "7"), the section is empty.
PageState example_state(const char* id, const char* example);

// The header title of an example page: "Lektion L : E" and the suffix.
QString example_title(const PageState& state, const QString& suffix);

// The header title of a task page: "Aufgaben zur L. Lektion ,  Abschnitt S"
// ("Abschnitte" where the page covers several), and a suffix such as
// "  [ Teil I ]".
QString task_title(const PageState& state, const QString& sections = QStringLiteral("Abschnitt"),
                   const QString& part = QString());
// Suffixes that several lessons give their example pages: the pages that
// add the phase to a given magnitude, and the plain numbered example.
extern const QString phase_suffix;
extern const QString example_suffix;

// Item 0 of every option list of a question page.
extern const QString choose_solution;

// A given curve: blue, width 3, its interior vertices marked in red.
void draw_given_magnitude(std::initializer_list<Vertex> vertices);
void draw_given_phase(std::initializer_list<Vertex> vertices);

// The guidance every construction page gives below its problem statement.
QString construction_guidance();

// The problem of the examples that complete a given magnitude by its phase.
QString phase_problem();
