#pragma once

#include "engine/core/catalogue.h"
#include "engine/core/lesson_engine.h"
#include "engine/core/lesson_host.h"
#include "engine/view/lesson_fonts.h"
#include "engine/view/qt_picture_slots.h"

#include <QImage>
#include <QMenuBar>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

namespace engine {

class BalloonTooltip;

// Menu commands of a lesson window.
enum class LessonCommand { LoadPlace = 0, SavePlace = 1, Help = 4, About = 5 };

// The lesson program's one main window: fixed 796 x 560 with the "Help" menu, a background
// picture behind all controls, and the controls that the engine lists for each screen.
class LessonWindow : public QWidget, public LessonHost {
    Q_OBJECT
  public:
    LessonWindow(const Catalogue& catalogue, QtPictureSlots& pictures);

    LessonEngine& engine() { return engine_; }
    const QtPictureSlots& pictures() const { return pictures_; }

    // Called for menu commands 0, 1, 4 and 5 (F1 sends 4, Ctrl+O 0 and Ctrl+S 1 where a
    // program has saved places); any other command does nothing. Page Down and Alt+Right
    // press Next, Page Up and Alt+Left Previous, Enter in a fill-in field presses Done.
    std::function<void(LessonCommand)> onCommand;
    // Called when the close box is pressed, before the program ends.
    std::function<void()> onClose;
    // Starts a demonstration program and waits for it; replaceable by tests.
    std::function<void(const std::string&)> demonstrationRunner;

    // What is shown now.
    const QImage& backgroundPicture() const { return background_; }
    QWidget* clientArea() const { return client_; }
    QMenuBar* menuBar() const { return menuBar_; }
    QWidget* control(int number) const;
    BalloonTooltip* tooltipOf(int number) const;
    int presentCount() const { return presents_; }

    // LessonHost
    void runDemonstration(const std::string& program) override;
    void present(const Screen& screen) override;
    void activate() override;
    std::string fieldText(int control) const override;
    PictureSlots& pictureSlots() override { return pictures_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void buildPagingKeys();
    void pressButton(int number);
    void sendCommand(LessonCommand command);
    void destroyControls();
    QWidget* createControl(const Control& control);

    const Catalogue& catalogue_;
    QtPictureSlots& pictures_;
    LessonFonts fonts_;
    LessonEngine engine_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QImage background_;
    QWidget* layer_ = nullptr; // holds every control of the screen shown
    std::map<int, QWidget*> controls_;
    std::map<int, BalloonTooltip*> tooltips_;
    int presents_ = 0;
};

} // namespace engine
