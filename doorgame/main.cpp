#include "doorgame/view/game_window.h"
#include "platform/clock/tick_count.h"
#include "platform/qt/first_frame_probe.h"
#include "platform/qt/program_folder.h"

#include <QApplication>

// The door game takes no arguments and writes no files; closing its window ends it.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    platform::installFirstFrameProbe();
    const std::string folder = platform::programFolder();
    const std::uint32_t seed = platform::millisecondTickCount();
    doorgame::GameWindow window(seed, folder);
    window.show();
    return QApplication::exec();
}
