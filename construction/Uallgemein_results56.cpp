// The interim results of the constructions of lessons 5 and 6.
#include "construction/construction_data.h"

const std::vector<InterimResult>& results_lessons_5_6()
{
    static const std::vector<InterimResult> results;
    return results;
}
