#pragma once

#include "kit/view/demo_definition.h"

#include <QMainWindow>

class QTextBrowser;

namespace kit {

class PracticePanel;

// The one window of every demonstration: a title band, the lesson pane, the explore area and
// the practice pane side by side (resizable with a splitter), a Help menu with About.
// Ctrl+1, Ctrl+2 and Ctrl+3 move the keyboard focus to the lesson, explore and practice panes.
class DemoWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit DemoWindow(DemoDefinition def, QWidget* parent = nullptr);

    PracticePanel* practice() { return practice_; }
    QTextBrowser* lesson() { return lesson_; }
    QWidget* explore() { return explore_; }
    const DemoDefinition& definition() const { return def_; }

  public slots:
    void showAbout();
    void showKeys();

  private:
    QWidget* makeTitleBand();
    QWidget* makeLessonPane();
    QWidget* framed(const QString& heading, QWidget* content);
    void makeMenus();

    DemoDefinition def_;
    QTextBrowser* lesson_ = nullptr;
    QWidget* explore_ = nullptr;
    PracticePanel* practice_ = nullptr;
};

} // namespace kit
