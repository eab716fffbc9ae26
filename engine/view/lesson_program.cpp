#include "engine/view/lesson_program.h"

#include "engine/core/window_layout.h"
#include "engine/view/lesson_window.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/program_start.h"

#include <QApplication>

namespace engine {

int runLessonProgram(int argc, char** argv, const Catalogue& catalogue) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    platform::enterProgramFolder();
    const std::string folder = platform::programFolder();

    QtPictureSlots pictures(folder);
    pictures.load(layout::tutorSlot, "prof.bmp");
    pictures.load(layout::previousFaceSlot, "backbutt.bmp");
    pictures.load(layout::nextFaceSlot, "forbutt.bmp");

    LessonWindow window(catalogue, pictures);
    window.demonstrationRunner = [folder](const std::string& program) {
        platform::runAndWait(folder, program);
    };
    window.show();
    window.engine().start();
    return app.exec();
}

} // namespace engine
