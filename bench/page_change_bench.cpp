// page_change_bench <lesson folder> <picture folder> [rounds]
// Shows every Page of a lesson program in the real window (offscreen) several times over and,
// for the same Page right after, its floor: the same engine and renderer without any window
// or control, i.e. decoding the Page's pictures and painting the 796 x 560 background with
// its text. Prints the median, 99th percentile and maximum of both and their ratio, and, for
// comparison, the floor with the picture also shown in a bare window of the same size.
// Figures are given as wall-clock time and as the thread's processor time; on a machine
// shared with other work the second is the steadier one.
#include "bench/sample_figures.h"
#include "engine/catalogue/loaded_catalogue.h"
#include "engine/core/window_layout.h"
#include "engine/view/lesson_window.h"
#include "engine/view/screen_renderer.h"

#include <QApplication>
#include <QPainter>

#include <chrono>
#include <ctime>
#include <fstream>
#include <iomanip>
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

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double wallMilliseconds() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Timings {
    std::vector<double> wall;
    std::vector<double> processor;
};

// Shows the engine's current Page and handles the events that follow: the replaced controls
// are deleted once control is back in the event loop, and the window is painted there too.
// Kept out of line, one function per kind, so that a profiler tells them apart
// (valgrind --tool=callgrind --toggle-collect='*showInLessonWindow*').
[[gnu::noinline]] void showInLessonWindow(engine::LessonEngine& lesson) {
    lesson.showCurrentPage();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

[[gnu::noinline]] void showAsFloor(engine::LessonEngine& floor) {
    floor.showCurrentPage();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void timeOnce(Timings& timings, void (*show)(engine::LessonEngine&), engine::LessonEngine& on) {
    const double wall = wallMilliseconds();
    const double processor = threadMilliseconds();
    show(on);
    timings.processor.push_back(threadMilliseconds() - processor);
    timings.wall.push_back(wallMilliseconds() - wall);
}

// A top-level window of the background's size that shows one picture and nothing else.
class BareWindow : public QWidget {
  public:
    BareWindow() { setFixedSize(engine::layout::clientWidth, engine::layout::clientHeight); }
    void showPicture(QImage picture) {
        picture_ = std::move(picture);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }

  private:
    QImage picture_;
};

// The lesson engine's Page change without controls: the same Page reading, picture loading
// and background painting as the lesson window; the picture is put into a bare window only
// when `shown`.
class FloorHost : public engine::LessonHost {
  public:
    FloorHost(const engine::Catalogue& catalogue, const std::string& pictureFolder, bool shown)
        : pictures_(pictureFolder), fonts_(catalogue.settings.fontFace), engine_(catalogue, *this),
          shown_(shown) {
        pictures_.load(engine::layout::tutorSlot, "prof.bmp");
        if (shown_)
            window_.show();
    }
    engine::LessonEngine& engine() { return engine_; }

    void runDemonstration(const std::string&) override {}
    void present(const engine::Screen& screen) override {
        QImage picture = engine::renderBackground(screen, fonts_, pictures_);
        if (shown_)
            window_.showPicture(std::move(picture));
    }
    void activate() override {}
    std::string fieldText(int) const override { return {}; }
    engine::PictureSlots& pictureSlots() override { return pictures_; }

  private:
    engine::QtPictureSlots pictures_;
    engine::LessonFonts fonts_;
    engine::LessonEngine engine_;
    BareWindow window_;
    bool shown_;
};

void printRow(const char* name, const bench::SampleFigures& f) {
    std::cout << "  " << std::left << std::setw(14) << name << std::right << std::fixed
              << std::setprecision(2) << std::setw(8) << f.median << " ms" << std::setw(8)
              << f.percentile99 << " ms" << std::setw(8) << f.maximum << " ms\n";
}

void printRatio(const bench::SampleFigures& change, const bench::SampleFigures& floor) {
    std::cout << "  " << std::left << std::setw(14) << "ratio" << std::right << std::fixed
              << std::setprecision(2) << std::setw(8) << change.median / floor.median << " x "
              << std::setw(8) << change.percentile99 / floor.percentile99 << " x " << std::setw(8)
              << change.maximum / floor.maximum << " x\n";
}

void printComparison(const char* clock, const std::vector<double>& change,
                     const std::vector<double>& floor, const std::vector<double>& shown) {
    const auto changeFigures = bench::figuresOf(change);
    const auto floorFigures = bench::figuresOf(floor);
    std::cout << " " << clock << "\n  " << std::setw(14) << "" << std::setw(11) << "median"
              << std::setw(11) << "99th pct" << std::setw(11) << "maximum"
              << "\n";
    printRow("Page change", changeFigures);
    printRow("floor", floorFigures);
    printRatio(changeFigures, floorFigures);
    printRow("floor shown", bench::figuresOf(shown));
}

// The offscreen platform warns on every raise() of the lesson window.
void quietRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QStringLiteral("does not support raise()")))
        return;
    std::cerr << qFormatLogMessage(type, context, text).toStdString() << "\n";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietRaiseWarnings);
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
    pictures.load(engine::layout::tutorSlot, "prof.bmp");
    pictures.load(engine::layout::previousFaceSlot, "backbutt.bmp");
    pictures.load(engine::layout::nextFaceSlot, "forbutt.bmp");
    engine::LessonWindow window(catalogue, pictures);
    window.show();
    window.engine().start();
    FloorHost floor(catalogue, argv[2], false);
    FloorHost floorShown(catalogue, argv[2], true);
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 4;
    auto& lesson = window.engine();
    auto& bare = floor.engine();
    auto& shown = floorShown.engine();
    Timings changes;
    Timings floors;
    Timings shownFloors;
    for (int round = 0; round < rounds; ++round) {
        for (int page = 1; page <= catalogue.pageCount(); ++page) {
            for (auto* engine : {&lesson, &bare, &shown})
                engine->state().currentPage = page;
            // Whichever runs first pays for glyphs not drawn before, so the order alternates.
            if (round % 2 == 0)
                timeOnce(changes, showInLessonWindow, lesson);
            timeOnce(floors, showAsFloor, bare);
            timeOnce(shownFloors, showAsFloor, shown);
            if (round % 2 == 1)
                timeOnce(changes, showInLessonWindow, lesson);
        }
    }
    std::cout << catalogue.settings.name << ": " << changes.wall.size() << " Page changes over "
              << catalogue.pageCount() << " Pages (" << rounds << " rounds)\n";
    printComparison("wall clock", changes.wall, floors.wall, shownFloors.wall);
    printComparison("thread processor time", changes.processor, floors.processor,
                    shownFloors.processor);
    std::cout << "  goal: at most 1.5 x the floor at the median and 99th percentile, maximum "
                 "under 16 ms\n"
              << "  page picture slots held at the end: " << pictures.heldPageSlots()
              << " of 6, picture loads: " << pictures.loadCount() << "\n"
              << "  peak resident memory " << std::setprecision(1)
              << static_cast<double>(peakResidentKilobytes()) / 1024.0 << " MiB\n";
    return 0;
}
