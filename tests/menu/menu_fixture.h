#pragma once

#include "menu/core/menu_numbers.h"
#include "menu/core/topic_table.h"
#include "menu/view/menu_program.h"
#include "menu/view/subtest_window.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// One program start as the menu asked for it.
struct RecordedStart {
    std::string program;
    menu::StartMode mode;
    bool hourglass; // the wait cursor was showing when the start was asked for
    bool mainWindowEnabled;
};

// The menu with plain-coloured pictures, its program starts, help, About box and farewell
// tips recorded instead of carried out, and its main window shown maximised.
class MenuFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    menu::MainWindow& mainWindow() { return program->mainWindow(); }
    void selectRow(int row);
    void pressStudy();
    // Selects a subtest row, presses the study button and returns the window it opened.
    menu::SubtestWindow* openSection(int row);
    void pressBack();

    static QImage plainPicture(QSize size, QColor colour);

    menu::MenuPictures pictures;
    std::vector<RecordedStart> starts;
    int helpCount = 0;
    std::vector<QWidget*> aboutOwners;
    std::vector<std::string> farewells;
    std::vector<std::pair<int, int>> randomRanges;
    int nextRandom = 0;
    std::unique_ptr<menu::MenuProgram> program;
};

// Lets pending deletions and events run, without waiting.
void settle();
