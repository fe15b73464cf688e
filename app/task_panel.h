#pragma once
// The data of one question page: five questions with their option lists,
// correct items and worked solutions.
#include <QString>
#include <QStringList>
#include <array>

struct QuestionPage {
    QString title;
    QString date;
    std::array<QString, 5> questions; // CR LF line ends
    std::array<QString, 5> solutions;
    // Items from index 0 of CB_A1 .. CB_A5. An empty list copies the whole
    // list of the box before it (one list shared by several questions).
    std::array<QStringList, 5> options;
    std::array<int, 5> key;
};

// Sets up the task panel for a question page: buttons, panels, statistics,
// page frame, texts, options and keys. Chart and curves are the page's own.
void setup_question_page(const QuestionPage& page);
