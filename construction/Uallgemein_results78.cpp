// The interim results of the constructions of lessons 7 and 8.
#include "construction/construction_data.h"

const std::vector<InterimResult>& results_lessons_7_8()
{
    static const std::vector<InterimResult> results;
    return results;
}
