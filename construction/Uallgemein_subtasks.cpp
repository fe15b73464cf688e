// The instructions of the subtasks of every construction page.
#include "construction/construction_data.h"

const std::vector<SubtaskPage>& subtask_pages()
{
    static const std::vector<SubtaskPage> pages;
    return pages;
}
