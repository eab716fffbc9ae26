#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

#include "doorgame/core/door_game.h"
#include "doorgame/core/game_screen.h"
#include "doorgame/view/door_pictures.h"

class QLabel;

namespace platform {
class PictureButton;
}

namespace doorgame {

// The door game's one window, "Tridora": a fixed 796 x 550 client area whose background
// picture carries all text, with the three door buttons on top. Every redraw paints the
// background from scratch and re-creates the controls.
class GameWindow : public QWidget {
    Q_OBJECT
  public:
    // Reads the pictures from `pictureFolder`, opens the window and starts the first game.
    GameWindow(std::uint32_t seed, const std::string& pictureFolder);

    const DoorGame& game() const { return game_; }
    const QImage& backgroundPicture() const { return backgroundPicture_; }

    // Brings the window up to date with the game state.
    void redrawGame();

  private:
    void destroyControls();
    void createControls(const GameScreen& screen);
    void onControlClicked(int controlNumber);

    DoorPictures pictures_;
    QImage backgroundPicture_;
    QLabel* pictureControl_ = nullptr;
    std::array<platform::PictureButton*, doorCount> doorButtons_{};
    DoorGame game_;
};

} // namespace doorgame
