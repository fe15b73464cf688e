#pragma once
// The four kinds of page: what a kind shows (the buttons and the panels of
// the right half), the record of each kind and the function that shows it.
// Every page function fills a record and hands it to the function of its
// kind, which goes through apply_page_kind.
#include "chart/chart.h"
#include "construction/Uallgemein.h"
#include "print/UDiagr.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

enum class PageKind { text, question, exercise, construction };

// Which page is shown; every page sets it first.
struct PageState {
    QString lesson{};  // e.g. "2"
    QString section{}; // e.g. "2.1"; empty where a page has none
    QString id{};      // e.g. "02_04"
    QString example{}; // worked example "1".."4" or empty
};

// The states set_buttons takes: a `button_state` per button, and for the
// two statistics panels shown or not.
namespace button_state {
enum : int { hidden = -1, disabled = 0, enabled = 1 };
}
namespace panel_state {
enum : int { absent = 0, shown = 1 };
}

// The first step of every page: sets the page state, clears the mouse
// exercise flags, and leaves the construction and the sheet of the page
// before.
void begin_page(const PageState& state);

// The printed sheet of the page shown, made when it is printed; empty on a
// page that prints none and wherever the page state names another page.
void set_page_sheet(SheetOfPage sheet);
const SheetOfPage& page_sheet();

// The rows of the kinds table that differ from their kind's row: a question
// page that adds the print button, the own example whose construction
// buttons stay hidden until it has a function.
enum class KindVariant { plain, with_print, without_buttons };

// Sets the buttons of the kind and shows the panels of the right half;
// `memo_height` is the height of the text memo where the kind shows it.
void apply_page_kind(PageKind kind, int memo_height = 926, KindVariant variant = KindVariant::plain);

// ------------------------------------------------------------ the records
//
// One record per kind holds what a page shows; the function of its kind
// shows it in the order every page follows: page state, kind (buttons and
// panels), chart, page frame, texts, curves.

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

// The data of one question page: five questions with their option lists,
// correct items and worked solutions.
struct QuestionPage {
    PageState state;
    QString title;
    QString date;
    std::array<QString, 5> questions; // CR LF line ends
    std::array<QString, 5> solutions;
    // Items from index 0 of CB_A1 .. CB_A5. An empty list copies the whole
    // list of the box before it (one list shared by several questions).
    std::array<QStringList, 5> options;
    std::array<int, 5> key;
    // Sets the chart and draws it; empty on a page that leaves the chart as
    // the previous page drew it. Runs after the buttons are set and before
    // the panels are shown, in the order of every page.
    std::function<void()> chart;
    // An item that scores as right besides the key, where a list offers the
    // right answer twice; 0 for none.
    std::array<int, 5> second_key{};
    // The page's example curves, drawn after the texts.
    std::function<void()> curves{};
    // The sheet of a page whose question asks for one, with its print button.
    SheetOfPage sheet{};
};

// Shows a question page: page state, buttons, chart, panels, statistics,
// page frame, texts, options, keys and the example curves
// (app/task_panel.cpp).
void show_question_page(const QuestionPage& page);

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
