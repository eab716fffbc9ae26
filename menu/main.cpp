#include "menu/core/install_folder.h"
#include "menu/view/menu_pictures.h"
#include "menu/view/menu_program.h"
#include "menu/view/splash_window.h"
#include "platform/qt/course_style.h"
#include "platform/qt/first_frame_probe.h"
#include "platform/qt/program_folder.h"

#include <QApplication>
#include <QDir>

// The course's main menu. It takes no arguments and writes no files: it shows the welcome
// picture until it is clicked away, then the main window from which the lesson programs and
// the course's other programs are started, and a study tip when the learner leaves.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::useCourseStyle(application);
    platform::installFirstFrameProbe();
    const std::string folder = menu::installFolderFromEnvironment(platform::programFolder());
    QDir::setCurrent(QString::fromStdString(folder)); // a failure leaves the directory as it is

    menu::MenuPictures pictures = menu::MenuPictures::loadFrom(folder);
    {
        menu::SplashWindow splash(pictures.splash);
        // Under the start-up benchmark the welcome picture is closed as soon as it is shown.
        platform::passThroughFirstFrameProbe(splash, [&splash] { splash.close(); });
        splash.showUntilDismissed();
    }
    pictures.splash = QImage();

    menu::MenuProgram program(std::move(pictures), menu::ProgramStarter::inFolder(folder),
                              menu::MenuServices::standard(folder));
    program.show();
    return program.run();
}
