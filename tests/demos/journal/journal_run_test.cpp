// The diary as its main runs it: once the window is up, an entry is added through the form and
// found in the diary file, then the session-end signal closes the window; the process status
// is the verdict (0 only when the program came back with 0 and every step behaved).
#include "journal/core/diary.h"
#include "journal/view/journal_window.h"
#include "journal/view/run_journal.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

int failures = 0;
QString diaryFile;

void expect(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "FAILED: %s\n", what);
        ++failures;
    }
}

void driveTheWindow() {
    journal::JournalWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<journal::JournalWindow*>(widget))
            window = found;
    expect(window && window->isVisible(), "the window is shown");
    if (!window) {
        QApplication::exit(2);
        return;
    }
    QTest::keyClicks(window->findChild<QLineEdit*>("entryNote"), "run check");
    QTest::mouseClick(window->findChild<QPushButton*>("addButton"), Qt::LeftButton);
    QFile file(diaryFile);
    expect(file.open(QIODevice::ReadOnly), "the diary file is written");
    const auto reading = journal::readDiary(file.readAll().toStdString());
    expect(reading.problem.empty() && reading.diary.entries.size() == 1,
           "the file holds the one entry");
    std::raise(SIGTERM); // the session ends: the window closes as if its close box was pressed
}

void scheduleTheDrive() {
    QTimer::singleShot(0, driveTheWindow);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    QTemporaryDir data;
    diaryFile = data.filePath("study-diary.txt");
    const int status = journal::runJournal(argc, argv, diaryFile);
    std::fprintf(stderr, "runJournal returned %d\n", status);
    return status == 0 && failures == 0 ? 0 : 1;
}
