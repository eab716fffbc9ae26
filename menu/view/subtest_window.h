#pragma once

#include "menu/core/subtest_windows.h"

#include <QImage>
#include <QWidget>

#include <vector>

class QGroupBox;

namespace platform {
class PictureButton;
}

namespace menu {

using platform::PictureButton;
class TopicLink;

// A small window owned by the main window, with a title bar only: the "Select" frame, one
// link per lesson program of the subtest and the back button.
class SubtestWindow : public QWidget {
    Q_OBJECT
  public:
    SubtestWindow(const SubtestWindowLayout& subtestLayout, const QImage& backPicture,
                  QWidget* owner);

    int windowNumber() const { return windowNumber_; }
    QGroupBox* selectFrame() const { return selectFrame_; }
    const std::vector<TopicLink*>& links() const { return links_; }
    PictureButton* backButton() const { return backButton_; }

  signals:
    void controlEvent(int control);
    void closeRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createLinks(const SubtestWindowLayout& subtestLayout);

    int windowNumber_;
    QGroupBox* selectFrame_ = nullptr;
    std::vector<TopicLink*> links_;
    PictureButton* backButton_ = nullptr;
};

// The font of the links: "Arial", 14 point, bold, underlined.
QFont linkFont();

} // namespace menu
