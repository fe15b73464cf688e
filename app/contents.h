#pragma once
// The table of contents: every lesson and page by its title, with the pages
// seen and the question pages' last scores marked; a page is opened from it
// exactly as paging there from the start of its lesson would open it.
#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Opens page `page` of lesson `lesson` (1..8) as the page buttons would
// reach it: the lesson is chosen as at a lesson boundary and its pages are
// passed one by one, unseen, up to the page. Lesson 9 is the own example.
void open_course_page(int lesson, int page);

// The id of a page of the course, e.g. "05_13".
QString course_page_id(int lesson, int page);

// The contents' own title of a page of the course, e.g. "1.2 Dezibel".
QString contents_title(int lesson, int page);
// Whether the page poses five questions that are scored.
bool is_question_page(int lesson, int page);

class ContentsWindow : public QDialog {
public:
    explicit ContentsWindow(QWidget* parent);
    // Writes the marks afresh and selects the page shown in the main window.
    void refresh();
    // Opens the page of the selected line; false on a lesson's own line.
    bool openSelected();

    QTreeWidget* LV_inhalt;
    QPushButton* B_oeffnen;
    QPushButton* B_zuruecksetzen;
    QPushButton* B_schliessen;

private:
    QTreeWidgetItem* itemOf(const QString& id) const;
};

// The contents window of the main window, made on first use.
ContentsWindow* contents_window();
