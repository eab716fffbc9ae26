// The history program as its main runs it: once the window is up, an entry is clicked on the
// timeline, a word is searched, a quiz question is answered, and the window is closed. The
// process status is the verdict: 0 only when the program came back with 0 and every step
// behaved.
#include "chronicle/view/chronicle_window.h"
#include "chronicle/view/quiz_pane.h"
#include "chronicle/view/run_chronicle.h"
#include "chronicle/view/timeline_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>

namespace {

int failures = 0;

void expect(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "FAILED: %s\n", what);
        ++failures;
    }
}

void driveTheWindow() {
    chronicle::ChronicleWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<chronicle::ChronicleWindow*>(widget))
            window = found;
    expect(window && window->isVisible(), "the window is shown");
    if (!window || !window->timeline()) {
        expect(false, "the built-in entries were read");
        QApplication::exit(2);
        return;
    }
    expect(window->chronicle().entries.size() >= 80, "at least 80 entries are built in");
    const auto newton = chronicle::entryNamed(window->chronicle(), "Isaac Newton");
    expect(newton.has_value(), "Newton is in the history");
    window->timeline()->centreOn(*newton);
    const auto centre = window->timeline()->markCentre(*newton);
    expect(centre.has_value(), "Newton is drawn");
    if (centre)
        QTest::mouseClick(window->timeline(), Qt::LeftButton, {}, centre->toPoint());
    expect(window->detail()->text()->toPlainText().contains("Principia"),
           "the click shows Newton's entry");
    window->searchField()->setText("Königsberg");
    expect(window->results()->count() == 1, "the search finds the bridges by name");
    const auto& question = window->quiz()->question();
    window->quiz()->choose(static_cast<int>(question.rightChoice));
    expect(window->quiz()->score().correct() == 1, "the quiz takes the right answer");
    window->close();
}

void scheduleTheDrive() {
    QTimer::singleShot(0, [] { driveTheWindow(); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleTheDrive)

int main(int argc, char** argv) {
    const int status = chronicle::runChronicle(argc, argv);
    std::fprintf(stderr, "runChronicle returned %d\n", status);
    return status == 0 && failures == 0 ? 0 : 1;
}
