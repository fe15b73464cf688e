#pragma once
// The guided construction of a function the student typed: its subtasks and
// interim results are made from the factored function in the order of the
// worked examples (construction_data.h hands them to the subtask sequence).
#include "construction/transfer_function.h"

namespace own_example {

// The page that constructs the student's own example.
inline const QString page_id = QStringLiteral("09_01");

// Makes the accepted function the one of the construction: chart ranges,
// sheet scales, subtasks (the factoring step first) and interim results.
void set_function(const tf::Parsed& parsed);
// No function yet, as at start-up.
void reset();
const tf::TransferFunction& function();
// The function as the student typed it; its product form and
// characteristics are the result of the first subtask.
QString description();
const tf::Ranges& ranges();

// Whether a polygon store holds the total curve, the only curve the
// printed sheet shows.
bool magnitude_total_in_store();
bool phase_total_in_store();

} // namespace own_example
