#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace menu {

// The welcome picture, 680 x 500 in the middle of the screen. It stays until the left or
// right mouse button is released over it or the window is asked to close; keys do nothing
// and there is no time-out.
class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SplashWindow(const QImage& picture);

    // Shows the window and handles events until the splash has been dismissed, then closes
    // it.
    void showUntilDismissed();

    bool isDismissed() const { return dismissed_; }
    QLabel* pictureControl() const { return pictureControl_; }

  signals:
    void dismissed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void dismiss();

    QLabel* pictureControl_;
    bool dismissed_ = false;
};

} // namespace menu
