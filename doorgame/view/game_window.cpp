#include "doorgame/view/game_window.h"

#include "doorgame/core/game_layout.h"
#include "doorgame/core/game_screen.h"
#include "doorgame/view/background_painter.h"
#include "platform/qt/picture_button.h"

#include <QLabel>
#include <QPixmap>

namespace doorgame {

namespace {

constexpr Qt::WindowFlags gameWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

} // namespace

GameWindow::GameWindow(std::uint32_t seed, const std::string& pictureFolder)
    : QWidget(nullptr, gameWindowFlags), pictures_(pictureFolder),
      backgroundPicture_(layout::clientWidth, layout::clientHeight, QImage::Format_RGB32),
      game_(seed, [this] { redrawGame(); }) {
    setWindowTitle(QString::fromLatin1(layout::windowTitle.data(),
                                       static_cast<qsizetype>(layout::windowTitle.size())));
    setFixedSize(layout::clientWidth, layout::clientHeight);
    move(0, 0);
    game_.start();
}

void GameWindow::redrawGame() {
    destroyControls();
    const GameScreen screen = describeGameScreen(game_.state());
    paintBackground(backgroundPicture_, screen.lines);
    createControls(screen);
}

void GameWindow::destroyControls() {
    // A button may be the one whose click is being handled, so it goes once the click
    // is over; until then it is hidden.
    if (pictureControl_) {
        pictureControl_->hide();
        pictureControl_->deleteLater();
        pictureControl_ = nullptr;
    }
    for (auto*& button : doorButtons_) {
        if (!button)
            continue;
        button->hide();
        button->deleteLater();
        button = nullptr;
    }
}

void GameWindow::createControls(const GameScreen& screen) {
    pictureControl_ = new QLabel(this);
    pictureControl_->setGeometry(0, 0, layout::clientWidth, layout::clientHeight);
    pictureControl_->setPixmap(QPixmap::fromImage(backgroundPicture_));
    pictureControl_->show();
    for (std::size_t i = 0; i < doorButtons_.size(); ++i) {
        const DoorButtonFace& face = screen.buttons[i];
        auto* button = new platform::PictureButton(face.controlNumber,
                                                   pictures_.picture(face.pictureNumber), this);
        button->setFocusPolicy(Qt::NoFocus); // a door never takes the keyboard focus
        button->setGeometry(face.x, face.y, face.width, face.height);
        connect(button, &platform::PictureButton::controlEvent, this,
                &GameWindow::onControlClicked);
        button->show();
        doorButtons_[i] = button;
    }
    pictureControl_->lower();
    setFocus(); // no button shows a focus mark
}

void GameWindow::onControlClicked(int controlNumber) {
    game_.clickDoor(controlNumber - layout::firstDoorButtonNumber + 1);
}

} // namespace doorgame
