#pragma once
// The data of one question page: five questions with their option lists,
// correct items and worked solutions.
#include "app/page_kinds.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

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

namespace platform { class ComboBox; }

// The width a drop-down list has for the text of its selected option.
int option_room(const platform::ComboBox* box);

// Shows a question page: page state, buttons, chart, panels, statistics,
// page frame, texts, options, keys and the example curves.
void show_question_page(const QuestionPage& page);
