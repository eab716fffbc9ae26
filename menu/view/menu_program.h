#pragma once

#include "menu/core/menu_action.h"
#include "menu/view/main_window.h"
#include "menu/view/menu_pictures.h"
#include "menu/view/menu_services.h"
#include "menu/view/program_starter.h"

#include <QEventLoop>

#include <memory>

namespace menu {

class SubtestWindow;

// The menu after the splash: the main window, at most one subtest window, and the one
// event loop that serves them until the learner leaves.
class MenuProgram {
  public:
    MenuProgram(MenuPictures pictures, ProgramStarter starter, MenuServices services);
    ~MenuProgram();
    MenuProgram(const MenuProgram&) = delete;
    MenuProgram& operator=(const MenuProgram&) = delete;

    // Shows the main window maximised.
    void show();

    // Runs the event loop until the learner leaves, shows one farewell tip and closes every
    // window. Returns the exit code, 0.
    int run();

    void handleCommand(int command);
    void handleControl(int control);

    MainWindow& mainWindow() { return *mainWindow_; }
    // The open subtest window, or null.
    SubtestWindow* subtestWindow() const { return subtestWindow_; }
    bool leaveRequested() const { return leaveRequested_; }

  private:
    void perform(const MenuAction& action);
    void startProgram(const StartProgram& start);
    void openSubtest(int section);
    void closeSubtest();
    void leave();
    void showFarewell();

    MenuPictures pictures_;
    ProgramStarter starter_;
    MenuServices services_;
    std::unique_ptr<MainWindow> mainWindow_;
    SubtestWindow* subtestWindow_ = nullptr;
    QEventLoop loop_;
    bool leaveRequested_ = false;
};

} // namespace menu
