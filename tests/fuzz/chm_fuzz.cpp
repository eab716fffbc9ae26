// Bytes as the compiled help file: opened as the help window opens it, the contents file and
// the first listed objects read in full. (Parsing the contents has a target of its own;
// reading every object would cost a hundred times the runs.)
#include "platform/help/chm_archive.h"
#include "tests/fuzz/fuzz_scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::scratchFolder() / "help.chm";
    fuzz::writeFile(file, fuzz::asText(data, size));
    const platform::ChmArchive archive(file);
    if (archive.isOpen() != (archive.openStatus() == platform::ChmOpenStatus::Opened))
        fuzz::fail("open status and isOpen disagree");
    if (!archive.isOpen())
        return 0;
    std::size_t readCount = 0;
    for (const std::string& path : archive.filePaths()) {
        if (++readCount > 4)
            break;
        const platform::ChmObject object = archive.read(path);
        if (object.status == platform::ChmReadStatus::Read && !archive.contains(path))
            fuzz::fail("an object was read that the archive does not contain");
    }
    archive.read("/no such page.html");
    if (archive.read("/toc.hhc").status == platform::ChmReadStatus::Read &&
        !archive.contains("toc.hhc"))
        fuzz::fail("the contents were read but are not contained");
    return 0;
}
