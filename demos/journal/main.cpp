#include "journal/view/diary_store.h"
#include "journal/view/journal_window.h"
#include "kit/view/run_demo.h"
#include "kit/view/termination_signals.h"
#include "platform/qt/first_frame_probe.h"
#include "platform/qt/program_folder.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("journal");
    kit::applyCourseLook(app);
    platform::installFirstFrameProbe();
    journal::JournalWindow window(platform::programFolder(), journal::DiaryStore::defaultPath());
    kit::closeOnTerminationSignals(&window);
    window.show();
    return app.exec();
}
