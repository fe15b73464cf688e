#pragma once
// The guided construction of a function the student typed: its subtasks and
// interim results are made from the factored function in the order of the
// worked examples (construction_data.h hands them to the subtask sequence).
#include "construction/transfer_function.h"

namespace own_example {

// The page that constructs the student's own example.
inline const QString page_id = QStringLiteral("09_01");

// Makes g the function of the construction: chart ranges, sheet scales,
// subtasks and interim results.
void set_function(const tf::TransferFunction& g);
// No function yet, as at start-up.
void reset();
const tf::TransferFunction& function();
// What the program understood: the product form and a line of the
// characteristics (K, the I/D part, the corner frequencies by name).
QString description();
const tf::Ranges& ranges();

// Whether a polygon store holds the total curve, the only curve the
// printed sheet shows.
bool magnitude_total_in_store();
bool phase_total_in_store();

} // namespace own_example
