#pragma once

#include <QImage>
#include <QWidget>

namespace engine {

// The image control behind every other control: shows the screen's background picture at
// its own size from the control's top-left corner. The picture covers the whole control,
// so nothing behind it is painted.
class BackgroundControl : public QWidget {
    Q_OBJECT
  public:
    BackgroundControl(const QImage& picture, QWidget* parent);

    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_; // shares the window's picture, no copy
};

} // namespace engine
