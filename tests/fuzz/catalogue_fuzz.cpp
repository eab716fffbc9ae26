// Bytes as a lesson program's folder (see catalogue_input.h). The reader must report faults,
// never fail itself; and a catalogue it passes without a fault must survive a learner
// pressing every button on every Page of every lesson, because a lesson program trusts what
// the catalogue compiler passed.
#include "engine/catalogue/catalogue_source.h"
#include "tests/fuzz/catalogue_input.h"
#include "tests/fuzz/fuzz_scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto folder = fuzz::scratchFolder() / "lessons";
    static const bool made = std::filesystem::create_directories(folder);
    (void)made;
    fuzz::writeCatalogueFolder(folder, fuzz::asText(data, size));
    engine::CatalogueSource source = engine::readCatalogueFolder(folder);
    const std::string content = engine::buildStoredContent(source.pages);
    if (source.errors.empty())
        fuzz::pressEveryButton(fuzz::catalogueOf(source, content));
    return 0;
}
