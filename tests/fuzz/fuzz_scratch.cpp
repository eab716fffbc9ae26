#include "tests/fuzz/fuzz_scratch.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fuzz {

namespace {

// Memory-backed when the system has such a folder: every input is written to files, and a
// busy disk would otherwise set the pace.
std::filesystem::path temporaryFolder() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error))
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

struct OwnFolder {
    std::filesystem::path path = temporaryFolder() / ("course-fuzz-" + std::to_string(::getpid()));
    OwnFolder() { std::filesystem::create_directories(path); }
    ~OwnFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

} // namespace

const std::filesystem::path& scratchFolder() {
    static const OwnFolder folder;
    return folder.path;
}

void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void fail(const char* what) {
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

void ensureGuiApplication() {
    // Kept for the whole run and never destroyed: the fuzzer ends the process with exit().
    static QGuiApplication* app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
}

} // namespace fuzz
