#include "menu/view/menu_program.h"

#include "menu/core/farewell_tips.h"
#include "menu/core/menu_dispatch.h"
#include "menu/core/subtest_windows.h"
#include "menu/view/subtest_window.h"
#include "menu/view/wait_cursor.h"

#include <QApplication>
#include <QShortcut>

#include <optional>

namespace menu {

MenuProgram::MenuProgram(MenuPictures pictures, ProgramStarter starter, MenuServices services)
    : pictures_(std::move(pictures)), starter_(std::move(starter)), services_(std::move(services)),
      mainWindow_(std::make_unique<MainWindow>(pictures_.study, pictures_.quit)) {
    MainWindow* window = mainWindow_.get();
    QObject::connect(window, &MainWindow::commandChosen, window,
                     [this](int command) { handleCommand(command); });
    QObject::connect(window, &MainWindow::controlEvent, window,
                     [this](int control) { handleControl(control); });
    QObject::connect(window, &MainWindow::closeRequested, window, [this] { leave(); });
}

MenuProgram::~MenuProgram() {
    delete subtestWindow_;
}

void MenuProgram::show() {
    mainWindow_->showMaximized();
}

int MenuProgram::run() {
    if (!leaveRequested_)
        loop_.exec();
    showFarewell();
    closeSubtest();
    mainWindow_->hide();
    if (services_.closeHelp)
        services_.closeHelp();
    return 0;
}

void MenuProgram::handleCommand(int command) {
    // A disabled main window takes no menu commands, whatever sends them.
    if (mainWindow_->isEnabled())
        perform(actionForCommand(command));
}

void MenuProgram::handleControl(int control) {
    perform(actionForControl(control, mainWindow_->selectedRow()));
}

void MenuProgram::perform(const MenuAction& action) {
    if (leaveRequested_)
        return;
    if (const auto* start = std::get_if<StartProgram>(&action))
        startProgram(*start);
    else if (const auto* open = std::get_if<OpenSubtest>(&action))
        openSubtest(open->section);
    else if (std::holds_alternative<CloseSubtest>(action))
        closeSubtest();
    else if (std::holds_alternative<ShowHelp>(action) && services_.showHelp)
        services_.showHelp();
    else if (std::holds_alternative<ShowAbout>(action) && services_.showAbout)
        services_.showAbout(mainWindow_.get());
    else if (std::holds_alternative<LeaveMenu>(action))
        leave();
}

void MenuProgram::startProgram(const StartProgram& start) {
    // The hourglass stays until the menu takes events again.
    std::optional<WaitCursor> hourglass;
    if (start.showWaitCursor)
        hourglass.emplace();
    const auto& run = start.mode == StartMode::Wait ? starter_.runAndWait : starter_.runDetached;
    if (run)
        run(start.program);
}

void MenuProgram::openSubtest(int section) {
    if (subtestWindow_)
        return;
    mainWindow_->setEnabled(false);
    subtestWindow_ =
        new SubtestWindow(subtestWindowForSection(section), pictures_.back, mainWindow_.get());
    QObject::connect(subtestWindow_, &SubtestWindow::controlEvent, subtestWindow_,
                     [this](int control) { handleControl(control); });
    QObject::connect(subtestWindow_, &SubtestWindow::closeRequested, subtestWindow_,
                     [this] { leave(); });
    // F1 opens the help here too, as it does on the (now disabled) main window.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), subtestWindow_);
    helpKey->setContext(Qt::WindowShortcut);
    QObject::connect(helpKey, &QShortcut::activated, subtestWindow_,
                     [this] { perform(ShowHelp{}); });
    subtestWindow_->show();
    subtestWindow_->activateWindow();
}

void MenuProgram::closeSubtest() {
    if (!subtestWindow_)
        return;
    // The back button that asked for this is still delivering its click.
    subtestWindow_->hide();
    subtestWindow_->deleteLater();
    subtestWindow_ = nullptr;
    mainWindow_->setEnabled(true);
    mainWindow_->activateWindow();
}

void MenuProgram::leave() {
    leaveRequested_ = true;
    loop_.exit(0);
}

void MenuProgram::showFarewell() {
    const int tip = services_.random ? chooseFarewellTip(services_.random) : 0;
    if (services_.showFarewell)
        services_.showFarewell(mainWindow_.get(), farewellTips().at(static_cast<std::size_t>(tip)));
}

} // namespace menu
