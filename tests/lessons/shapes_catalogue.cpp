#include "shapes_catalogue.h"

namespace shapes {

const LessonProgram& program() {
    static const LessonProgram shapes(
        {"shapes", SHAPES_LESSONS, SHAPES_PICTURES, SHAPES_PAGE_TABLE});
    return shapes;
}

const engine::CatalogueSource& catalogueSource() {
    return program().source();
}

const engine::PageSource* sourcePage(int number) {
    return program().sourcePage(number);
}

const PageTable& pageTable() {
    return program().table();
}

const engine::Catalogue& storedCatalogue() {
    return program().catalogue();
}

std::filesystem::path pictureSource(const std::string& file) {
    return program().pictureSource(file);
}

} // namespace shapes
