#include "menu_fixture.h"

#include "platform/qt/picture_button.h"

#include <QCursor>
#include <QGuiApplication>
#include <QListWidget>
#include <QTest>

namespace {

bool hourglassShowing() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QImage MenuFixture::plainPicture(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

void MenuFixture::SetUp() {
    pictures.study = plainPicture({60, 30}, QColor(200, 30, 30));
    pictures.quit = plainPicture({60, 30}, QColor(30, 200, 30));
    pictures.back = plainPicture({60, 24}, QColor(30, 30, 200));
    const auto record = [this](menu::StartMode mode) {
        return [this, mode](const std::string& name) {
            starts.push_back(
                {name, mode, hourglassShowing(), program && program->mainWindow().isEnabled()});
        };
    };
    menu::ProgramStarter starter{record(menu::StartMode::Wait), record(menu::StartMode::Detached)};
    menu::MenuServices services{
        [this] { ++helpCount; },
        [this](QWidget* owner) { aboutOwners.push_back(owner); },
        [this](QWidget*, const std::string& tip) { farewells.push_back(tip); },
        [] {},
        [this](int low, int high) {
            randomRanges.emplace_back(low, high);
            return nextRandom;
        },
    };
    program = std::make_unique<menu::MenuProgram>(pictures, starter, services);
    program->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow()));
}

void MenuFixture::TearDown() {
    program.reset();
    settle();
}

void MenuFixture::selectRow(int row) {
    QListWidget* list = mainWindow().sectionList();
    const QRect place = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

void MenuFixture::pressStudy() {
    QTest::mouseClick(mainWindow().studyButton(), Qt::LeftButton);
}

menu::SubtestWindow* MenuFixture::openSection(int row) {
    selectRow(row);
    pressStudy();
    return program->subtestWindow();
}

void MenuFixture::pressBack() {
    if (menu::SubtestWindow* window = program->subtestWindow())
        QTest::mouseClick(window->backButton(), Qt::LeftButton);
    settle();
}
