#pragma once
// The page functions of all lessons, one per page id. The dispatcher of the
// main window calls them; each draws its whole page.

using PageFunction = void (*)();

// The function of page `page` of lesson `lesson` (1..8), or nullptr where
// the lesson has no such page (yet).
PageFunction page_function(int lesson, int page);

// Lesson 2: introduction to the Bode diagram.
void page_02_01();
void page_02_02();
void page_02_03();
void page_02_04();
void page_02_05();
void page_02_06();
void page_02_07();

// Lesson 3: points in the Bode diagram.
void point_page();

// Lesson 4: lines in the Bode diagram.
void line_page();

// Lesson 6: functions with a constant magnitude at low frequencies.
void page_06_01();
void page_06_02();
void page_06_03();
void page_06_04();
void page_06_05();
void page_06_06();
