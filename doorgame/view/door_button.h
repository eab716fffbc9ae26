#pragma once

#include <QImage>
#include <QPushButton>

namespace doorgame {

// A door's push button: a plain button face with a picture drawn unscaled and centred on
// it, or no picture at all when the picture is null. It never takes the keyboard focus.
class DoorButton : public QPushButton {
    Q_OBJECT
  public:
    DoorButton(int controlNumber, QImage picture, QWidget* parent);

    int controlNumber() const { return controlNumber_; }

  signals:
    void clickedControl(int controlNumber);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int controlNumber_;
    QImage picture_;
};

} // namespace doorgame
