#include "chances_catalogue.h"

namespace chances {

const LessonProgram& program() {
    static const LessonProgram chances(
        {"chances", CHANCES_LESSONS, CHANCES_PICTURES, CHANCES_PAGE_TABLE});
    return chances;
}

const engine::PageSource* sourcePage(int number) {
    return program().sourcePage(number);
}

} // namespace chances
