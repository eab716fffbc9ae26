// page_change_bench <lesson folder> <picture folder> [rounds]
// Shows every Page of a lesson program in the real window (offscreen) several times over and
// prints how long a Page change takes (load, draw, controls) and how much memory is held.
#include "engine/catalogue/loaded_catalogue.h"
#include "engine/view/lesson_window.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

long peakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::cerr << "usage: page_change_bench <lesson folder> <picture folder> [rounds]\n";
        return 2;
    }
    const auto loaded = engine::loadCatalogueFolder(argv[1]);
    if (!loaded->errors.empty()) {
        std::cerr << loaded->errors.front() << "\n";
        return 1;
    }
    const engine::Catalogue& catalogue = loaded->catalogue;
    engine::QtPictureSlots pictures(argv[2]);
    pictures.load(0, "prof.bmp");
    engine::LessonWindow window(catalogue, pictures);
    window.show();
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
    auto& lesson = window.engine();
    lesson.state().lessonChosen = true;
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        for (int page = 1; page <= catalogue.pageCount(); ++page) {
            lesson.state().currentPage = page;
            const auto start = std::chrono::steady_clock::now();
            lesson.showCurrentPage();
            // The replaced controls are deleted once control is back in the event loop.
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
            times.push_back(std::chrono::duration<double, std::milli>(
                                std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times)
        sum += t;
    std::cout << catalogue.settings.name << ": " << times.size() << " Page changes over "
              << catalogue.pageCount() << " Pages\n"
              << "  mean " << sum / static_cast<double>(times.size()) << " ms, median "
              << times[times.size() / 2] << " ms, 95th percentile "
              << times[times.size() * 95 / 100] << " ms, slowest " << times.back() << " ms\n"
              << "  page picture slots held at the end: " << pictures.heldPageSlots()
              << " of 6, picture loads: " << pictures.loadCount() << "\n"
              << "  peak resident memory " << static_cast<double>(peakResidentKilobytes()) / 1024.0 << " MiB\n";
    return 0;
}
