// Bytes as a saved-place file, loaded into the number theory lesson program as Load does: a
// place that parses is offered to the engine, which takes it only when it exists; a place
// taken is shown, and a place written back parses as the same place.
#include "engine/catalogue/loaded_catalogue.h"
#include "engine/core/lesson_engine.h"
#include "engine/core/saved_place.h"
#include "tests/fuzz/fuzz_scratch.h"
#include "tests/fuzz/quiet_host.h"

namespace {

const engine::LoadedCatalogue& numberTheory() {
    static const auto loaded = engine::loadCatalogueFolder(
        std::filesystem::path(COURSE_SOURCE_DIR) / "lessons/numbertheory");
    if (!loaded->errors.empty() || loaded->catalogue.pageCount() == 0)
        fuzz::fail("the number theory lessons do not load");
    return *loaded;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    numberTheory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto place = engine::parseSavedPlace(fuzz::asText(data, size));
    if (!place)
        return 0;
    fuzz::QuietHost host;
    engine::LessonEngine lesson(numberTheory().catalogue, host);
    const engine::LessonState before = lesson.state();
    const bool taken = lesson.restorePlace(place->page, place->lesson, place->stepButtonCount);
    if (!taken) {
        if (host.presented != 0 || lesson.state().currentPage != before.currentPage)
            fuzz::fail("a refused place changed the lesson");
        return 0;
    }
    if (host.presented != 1 || lesson.state().currentPage != place->page)
        fuzz::fail("a place taken was not shown");
    const auto again = engine::parseSavedPlace(engine::formatSavedPlace(lesson.state()));
    if (!again || again->page != lesson.state().currentPage ||
        again->lesson != lesson.state().currentLesson ||
        again->stepButtonCount != lesson.state().stepButtonCount)
        fuzz::fail("a saved place reads back differently");
    return 0;
}
