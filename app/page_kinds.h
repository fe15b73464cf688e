#pragma once
// The four kinds of page and what a kind shows: the buttons and the panels
// of the right half. Every page function goes through apply_page_kind.
#include "print/UDiagr.h"

#include <QString>

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
