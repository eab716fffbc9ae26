#pragma once

// A demonstration as its main runs it: runDemo makes the application and the window; once it
// is up, an exercise is answered wrong and right through the widgets, the solution is shown,
// the program's own check of its explore area runs, and the window is closed. The process
// status is the verdict: 0 only when runDemo came back with 0 and every step behaved.
#include "kit/view/demo_window.h"
#include "kit/view/practice_panel.h"
#include "kit/view/run_demo.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace run_demo_check {

inline int failures = 0;

inline void expect(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "FAILED: %s\n", what);
        ++failures;
    }
}

inline void driveTheWindow(const std::function<void(kit::DemoWindow&)>& exploreCheck) {
    kit::DemoWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* demo = qobject_cast<kit::DemoWindow*>(widget))
            window = demo;
    expect(window != nullptr && window->isVisible(), "the window is shown");
    if (!window) {
        QApplication::exit(2);
        return;
    }
    auto* field = window->findChild<QLineEdit*>("answerField");
    auto* verdict = window->findChild<QLabel*>("verdictLabel");
    QTest::keyClicks(field, "not a number");
    QTest::keyClick(field, Qt::Key_Return);
    expect(!verdict->text().contains("Correct."), "an answer that cannot be read is refused");
    field->clear();
    QTest::keyClicks(field, "12345678");
    QTest::keyClick(field, Qt::Key_Return);
    expect(!verdict->text().contains("Correct."), "a wrong answer is refused");
    field->setText(QString::fromStdString(window->practice()->current().expectedAnswer));
    QTest::keyClick(field, Qt::Key_Return);
    expect(verdict->text().contains("Correct."), "the right answer is accepted");
    QTest::mouseClick(window->findChild<QPushButton*>("solutionButton"), Qt::LeftButton);
    expect(!window->findChild<QTextBrowser*>("solutionView")->toPlainText().isEmpty(),
           "the first solution step is shown");
    exploreCheck(*window);
    window->close();
}

// What the program's own test checks in its explore area before the window is closed.
inline std::function<void(kit::DemoWindow&)> exploreCheck = [](kit::DemoWindow&) {};

// Picks the explore area's example at `index` in its "exampleChooser" as a learner's click does,
// and checks that the named text browser then shows `shown`.
inline void chosenExampleShows(kit::DemoWindow& window, int index, const char* browser,
                               const char* shown, const char* what) {
    auto* examples = window.findChild<QComboBox*>("exampleChooser");
    examples->setCurrentIndex(index);
    emit examples->activated(index);
    expect(window.findChild<QTextBrowser*>(browser)->toPlainText().contains(shown), what);
}

// Called when the application has been made (Q_COREAPP_STARTUP_FUNCTION in the test's file):
// the drive runs in runDemo's event loop, after the window is shown.
inline void scheduleTheDrive() {
    QTimer::singleShot(0, [] { driveTheWindow(exploreCheck); });
}

inline int runAndDrive(int argc, char** argv, kit::DemoDefinition definition) {
    const int status = kit::runDemo(argc, argv, std::move(definition));
    std::fprintf(stderr, "runDemo returned %d\n", status);
    return status == 0 && failures == 0 ? 0 : 1;
}

} // namespace run_demo_check
