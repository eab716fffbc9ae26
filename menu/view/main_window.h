#pragma once

#include "menu/core/main_layout.h"

#include <QImage>
#include <QMainWindow>

class QListWidget;

namespace platform {
class PictureButton;
}

namespace menu {

using platform::PictureButton;

// The menu's main window, shown maximised: the Index and Help menus, and on a pale yellow
// panel the list of Sections with the study and quit buttons under it.
//
// The controls are placed from W, the inner width, and H, the inner height counted with
// the menu bar, of the maximised window. The window system may take a moment to hand out
// the maximised size, so the placement follows the size of the maximised window; restored,
// moved or minimised, the window keeps its controls where they are.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(const QImage& studyPicture, const QImage& quitPicture);

    // The selected row of the Section list, or noRowSelected.
    int selectedRow() const;

    QWidget* backgroundPanel() const { return backgroundPanel_; }
    QListWidget* sectionList() const { return sectionList_; }
    PictureButton* studyButton() const { return studyButton_; }
    PictureButton* quitButton() const { return quitButton_; }
    const MainLayout& layout() const { return layout_; }

  signals:
    void commandChosen(int command);
    void controlEvent(int control);
    void closeRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildControls(const QImage& studyPicture, const QImage& quitPicture);
    void placeControls(int width, int height);

    QWidget* backgroundPanel_ = nullptr;
    QListWidget* sectionList_ = nullptr;
    PictureButton* studyButton_ = nullptr;
    PictureButton* quitButton_ = nullptr;
    MainLayout layout_{};
};

} // namespace menu
