#pragma once
// The building blocks the lessons share: titles, suffixes, given curves
// and texts. A page function fills the record of its kind (app/page_kinds.h)
// and hands it to the function of that kind.
#include "app/page_kinds.h"
#include "construction/construction_data.h"
#include "construction/result_text.h"
#include "platform/text.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

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

// The problem of the examples that complete a given magnitude by its phase.
QString phase_problem();
