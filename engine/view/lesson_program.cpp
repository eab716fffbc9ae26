#include "engine/view/lesson_program.h"

#include "engine/core/about_text.h"
#include "engine/core/study_time.h"
#include "engine/core/window_layout.h"
#include "engine/view/study_time_file.h"
#include "platform/clock/monotonic_clock.h"
#include "platform/help/help_viewer.h"
#include "platform/qt/course_style.h"
#include "platform/qt/first_frame_probe.h"
#include "platform/qt/message_box.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/program_start.h"
#include "platform/qt/termination_signals.h"

#include <QApplication>
#include <QDir>

#include <filesystem>

namespace engine {

LessonProgram::LessonProgram(const Catalogue& catalogue, std::string folder,
                             SavedPlaceDialogs dialogs)
    : catalogue_(catalogue), folder_(std::move(folder)), pictures_(folder_) {
    pictures_.load(layout::tutorSlot, "prof.bmp");
    pictures_.load(layout::previousFaceSlot, "backbutt.bmp");
    pictures_.load(layout::nextFaceSlot, "forbutt.bmp");
    window_ = std::make_unique<LessonWindow>(catalogue, pictures_);
    // The study time runs from the moment the window and its menu exist.
    window_->engine().state().studyStartTime = platform::monotonicMilliseconds();
    window_->demonstrationRunner = [this](const std::string& program) {
        platform::runAndWait(folder_, program);
    };
    window_->onCommand = [this](LessonCommand command) { handleCommand(command); };
    window_->onClose = [this] {
        recordStudyTime();
        platform::closeAllHelpWindows();
    };
    savedPlaces_ =
        std::make_unique<SavedPlaceCommands>(window_->engine(), window_.get(), std::move(dialogs));
}

void LessonProgram::handleCommand(LessonCommand command) {
    switch (command) {
    case LessonCommand::Help:
        platform::showHelpTopic((std::filesystem::path(folder_) / "help.chm").string(),
                                "introduction.html");
        break;
    case LessonCommand::About:
        platform::showMessage(window_.get(), aboutTitle, aboutText());
        break;
    case LessonCommand::LoadPlace:
        if (!catalogue_.settings.savedPlace.filter.empty())
            savedPlaces_->load();
        break;
    case LessonCommand::SavePlace:
        if (!catalogue_.settings.savedPlace.extension.empty())
            savedPlaces_->save();
        break;
    }
}

void LessonProgram::recordStudyTime() {
    if (catalogue_.settings.studyTimeFile.empty())
        return;
    const int minutes =
        minutesOfRun(window_->engine().state().studyStartTime, platform::monotonicMilliseconds());
    addStudyMinutes(studyTimeFilePath(folder_, catalogue_.settings.studyTimeFile), minutes);
}

int runLessonProgram(int argc, char** argv, const Catalogue& catalogue) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    platform::useCourseStyle(app);
    platform::installFirstFrameProbe();
    platform::enterProgramFolder();
    LessonProgram program(catalogue, platform::programFolder());
    // A session that ends closes the window as its close box does: the study time counts.
    platform::closeOnTerminationSignals(&program.window());
    program.window().show();
    program.window().engine().start();
    return app.exec();
}

} // namespace engine
