#pragma once
// Building blocks that pages of several lessons share: the text memo of an
// explanation page, and the frame, task panel, guidance and given curves of
// the worked-example pages of lessons 5 to 8.
#include "app/task_panel.h"
#include "chart/chart.h"
#include "construction/Uallgemein.h"
#include "construction/result_text.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

// ------------------------------------------------------------ text pages

// A rule across the memo between the blocks of a text: 129 hyphens.
extern const QString memo_rule;

// Memo lines joined by CR LF.
QString memo_text(const QStringList& lines);

// Formulas and units that a memo must not break (see result_text).
using result_text::unbroken;

// The right half of a text page: the text memo alone, `height` pixels high.
void show_text_memo(int height);
// Replaces the text of the memo.
void set_memo_text(const QStringList& lines);

// A line on the window canvas with the current pen.
void line(int x1, int y1, int x2, int y2);

// ---------------------------------------------------- worked-example pages

// Sets the page state of an example page; the lesson is the one the page
// id names ("07_02" -> "7"), the section is empty.
void begin_example_page(const char* id, const char* example);

// The header title of an example page: "Lektion L : E" and the suffix.
QString example_title(const QString& suffix);

// The header title of a task page: "Aufgaben zur L. Lektion ,  Abschnitt S"
// ("Abschnitte" where the page covers several), and a suffix such as
// "  [ Teil I ]".
QString task_title(const QString& sections = QStringLiteral("Abschnitt"), const QString& part = QString());
// Suffixes that several lessons give their example pages: the pages that
// add the phase to a given magnitude, and the plain numbered example.
extern const QString phase_suffix;
extern const QString example_suffix;

// Item 0 of every option list of a question page.
extern const QString choose_solution;

// A given curve: blue, width 3, its interior vertices marked in red.
void draw_given_magnitude(std::initializer_list<Vertex> vertices);
void draw_given_phase(std::initializer_list<Vertex> vertices);

// The chart and the task panel of an example's question page; `phase`
// draws the phase diagram below the magnitude diagram. The curves follow.
void show_example_task_page(const ChartSettings& range, bool phase, QuestionPage page);

// The guidance every construction page gives below its problem statement.
QString construction_guidance();

// Everything of a construction page up to its given curves: buttons, chart,
// panels, the problem (with the guidance, where asked) in a memo
// `text_height` high, the start of the subtask sequence and the page frame.
void show_construction_page(const ChartSettings& range, const QString& problem, int text_height,
                            const QString& title, const QString& date, bool with_guidance = true);

// The problem of the examples that complete a given magnitude by its phase.
QString phase_problem();
