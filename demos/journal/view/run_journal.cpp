#include "journal/view/run_journal.h"

#include "journal/view/diary_store.h"
#include "journal/view/journal_window.h"
#include "kit/view/run_demo.h"
#include "platform/qt/first_frame_probe.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/termination_signals.h"

#include <QApplication>

namespace journal {

int runJournal(int argc, char** argv, const QString& diaryPath) {
    QApplication app(argc, argv);
    app.setApplicationName("journal");
    kit::applyCourseLook(app);
    platform::installFirstFrameProbe();
    JournalWindow window(platform::programFolder(),
                         diaryPath.isEmpty() ? DiaryStore::defaultPath() : diaryPath);
    platform::closeOnTerminationSignals(&window);
    window.show();
    return app.exec();
}

} // namespace journal
