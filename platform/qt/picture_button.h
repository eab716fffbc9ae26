#pragma once

#include <QImage>
#include <QPushButton>

namespace platform {

// A push button whose face is a picture, drawn centred at its natural size: moved one
// pixel right and down while pressed, clipped to the face inside the button's border,
// greyed while the button is disabled. A null picture leaves the face empty. A click or
// the space bar, while the button has the focus, issues its control event. The lesson
// window's Previous and Next buttons, the menu's buttons and the doors are all this button.
class PictureButton : public QPushButton {
    Q_OBJECT
  public:
    PictureButton(int controlNumber, QImage picture, QWidget* parent);

    int controlNumber() const { return controlNumber_; }
    const QImage& picture() const { return picture_; }

  signals:
    void controlEvent(int controlNumber);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap faceForState() const;

    int controlNumber_;
    QImage picture_;
};

} // namespace platform
