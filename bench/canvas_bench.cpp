// How long one canvas redraw takes while a point is dragged, at 1280 x 800: grid, axes with
// labels, a drawing of a few hundred shapes through the paint hook and the points. The
// drawing's curve is stroked as the programs stroke their curves (kit::strokeCurve) and, for
// comparison, as one outline. Prints the median and the 99th percentile (goal: under 4 ms).
//   QT_QPA_PLATFORM=offscreen build/bench/canvas_bench [frames]
// (a few frames under callgrind count the instructions of one redraw, steady on a busy machine;
// CANVAS_BENCH_PIECES_ONLY=1 leaves out the comparison)
#include "kit/view/canvas.h"
#include "kit/view/curve_stroke.h"
#include "kit/view/run_demo.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

bool curveInPieces = true;

void drawSample(QPainter& painter, const kit::CanvasTransform& t) {
    painter.setPen(QPen(Qt::darkBlue, 1.5));
    QPolygonF curve;
    for (int k = 0; k <= 400; ++k) {
        const double x = -20 + k * 0.1;
        curve << t.toPixels(QPointF(x, 5 * std::sin(x)));
    }
    if (curveInPieces)
        kit::strokeCurve(painter, curve);
    else
        painter.drawPolyline(curve);
    painter.setBrush(QColor(170, 210, 170));
    for (int k = 0; k < 200; ++k)
        painter.drawRect(t.toPixels(QRectF(k % 20 - 10, k / 20 - 10, 0.8, 0.8)));
}

struct Redraws {
    std::vector<double> wall, processor;
};

Redraws dragAround(kit::Canvas& canvas, int frames) {
    const QPointF start = canvas.transform().toPixels(QPointF(0, 0));
    QMouseEvent press(QEvent::MouseButtonPress, start, start, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&canvas, &press);
    Redraws redraws;
    for (int k = 0; k < frames; ++k) {
        const QPointF to = start + QPointF(300 * std::sin(k * 0.01), 200 * std::cos(k * 0.013));
        const double cpuBefore = threadCpuMilliseconds();
        const auto before = std::chrono::steady_clock::now();
        QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &move);
        canvas.repaint();
        const auto after = std::chrono::steady_clock::now();
        redraws.wall.push_back(std::chrono::duration<double, std::milli>(after - before).count());
        redraws.processor.push_back(threadCpuMilliseconds() - cpuBefore);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, start, start, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&canvas, &release);
    canvas.setPointPosition("z", QPointF(0, 0));
    std::sort(redraws.wall.begin(), redraws.wall.end());
    std::sort(redraws.processor.begin(), redraws.processor.end());
    return redraws;
}

double percentile(const std::vector<double>& sorted, int percent) {
    return sorted[sorted.size() * static_cast<std::size_t>(percent) / 100];
}

void print(const char* what, const Redraws& r) {
    // On a busy machine the wall time includes waiting for a processor; the thread's own
    // processor time is what the redraw costs.
    std::printf("  %-34s median %5.2f ms, 99th percentile %5.2f ms (processor time %5.2f, "
                "%5.2f)\n",
                what, percentile(r.wall, 50), percentile(r.wall, 99), percentile(r.processor, 50),
                percentile(r.processor, 99));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kit::applyCourseLook(app);
    kit::Canvas canvas;
    canvas.resize(1280, 800);
    canvas.setWorldRect(QRectF(-20, -12.5, 40, 25));
    canvas.setPainterCallback(drawSample);
    canvas.addPoint("z", QPointF(0, 0), 0.0, "z");
    canvas.addPoint("w", QPointF(3, 2), 0.5, "w");
    canvas.show();
    QApplication::processEvents();

    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const Redraws pieces = dragAround(canvas, frames);
    const bool compare = std::getenv("CANVAS_BENCH_PIECES_ONLY") == nullptr;
    Redraws outline;
    if (compare) {
        curveInPieces = false;
        outline = dragAround(canvas, frames);
    }
    double load = 0;
    if (std::FILE* file = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(file, "%lf", &load) != 1)
            load = 0;
        std::fclose(file);
    }
    std::printf("canvas redraw while dragging, 1280 x 800, %d frames (load average %.1f)\n", frames,
                load);
    print("curve in pieces, as programs draw", pieces);
    if (compare)
        print("the same curve as one outline", outline);
    std::printf("  goal: under 4 ms at the 99th percentile\n");
    return 0;
}
