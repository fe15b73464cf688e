#pragma once
// The page functions of all lessons, one per page id. The dispatcher of the
// main window calls them; each draws its whole page.

#include <array>
#include <span>

using PageFunction = void (*)();

// The function of page `page` of lesson `lesson` (1..8), or nullptr where
// the lesson has no such page.
PageFunction page_function(int lesson, int page);
// The number of pages of each lesson [1..8], as the dispatcher has them.
std::array<int, 9> page_counts();

// The pages of each lesson, page 1 first, as its module lists them.
std::span<const PageFunction> lesson_1_pages();
std::span<const PageFunction> lesson_2_pages();
std::span<const PageFunction> lesson_3_pages();
std::span<const PageFunction> lesson_4_pages();
std::span<const PageFunction> lesson_5_pages();
std::span<const PageFunction> lesson_6_pages();
std::span<const PageFunction> lesson_7_pages();
std::span<const PageFunction> lesson_8_pages();

// Lesson 1: conventions and mathematical basics.
void page_01_01();
void page_01_02();
void page_01_03();
void page_01_04();
void page_01_05();
void page_01_06();
void page_01_07();
void page_01_08();
void page_01_09();
void page_01_10();
void page_01_11();
void page_01_12();
void page_01_13();
void page_01_14();

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

// Lesson 5: elementary frequency responses.
void page_05_01();
void page_05_02();
void page_05_03();
void page_05_04();
void page_05_05();
void page_05_06();
void page_05_07();
void page_05_08();
void page_05_09();
void page_05_10();
void page_05_11();
void page_05_12();
void page_05_13();

// Lesson 6: functions with a constant magnitude at low frequencies.
void page_06_01();
void page_06_02();
void page_06_03();
void page_06_04();
void page_06_05();
void page_06_06();

// Lesson 7: functions without a constant magnitude at low frequencies.
void page_07_01();
void page_07_02();
void page_07_03();
void page_07_04();

// Lesson 8: the closing examples.
void page_08_01();
void page_08_02();
void page_08_03();

// The student's own example, opened from the introductory page and 08_03.
void page_09_01();
