#pragma once
// The record of the student's progress for the teacher: one A4 page with
// the lessons, the exercises and the last scores of the question pages.
#include "app/progress.h"

#include <QDateTime>
#include <QStringList>

// Prints the record, or saves it as a PDF file where there is no printer;
// the lessons are named as in the lesson choice (lesson_names[0] is lesson
// 1). True when it was printed or saved.
bool print_progress_record(const CourseProgress& p, const QDateTime& when, const QStringList& lesson_names);
