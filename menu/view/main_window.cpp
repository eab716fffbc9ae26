#include "menu/view/main_window.h"

#include "menu/core/menu_numbers.h"
#include "menu/core/menu_texts.h"
#include "menu/core/section_table.h"
#include "menu/view/index_menu.h"
#include "platform/qt/course_text.h"
#include "platform/qt/font_by_face.h"
#include "platform/qt/picture_button.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QShortcut>

namespace menu {
namespace {

constexpr Qt::WindowFlags mainWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;

const QColor panelColour(254, 254, 177);

void place(QWidget& widget, const Rect& rect) {
    widget.setGeometry(rect.x, rect.y, rect.width, rect.height);
}

} // namespace

MainWindow::MainWindow(const QImage& studyPicture, const QImage& quitPicture)
    : QMainWindow(nullptr, mainWindowFlags) {
    setWindowTitle(platform::fromWindows1252(mainWindowTitle));
    buildMenus();
    setCentralWidget(new QWidget(this));
    buildControls(studyPicture, quitPicture);
    move(0, 0);
    resize(mainWindowWidth, mainWindowHeight);
    placeControls(width(), height());
}

void MainWindow::buildMenus() {
    buildMenuBar(*menuBar(), [this](int command) { emit commandChosen(command); });
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setContext(Qt::WindowShortcut);
    connect(helpKey, &QShortcut::activated, this, [this] { emit commandChosen(command::help); });
}

void MainWindow::buildControls(const QImage& studyPicture, const QImage& quitPicture) {
    backgroundPanel_ = new QWidget(centralWidget());
    QPalette colours = backgroundPanel_->palette();
    colours.setColor(QPalette::Window, panelColour);
    backgroundPanel_->setPalette(colours);
    backgroundPanel_->setAutoFillBackground(true);

    sectionList_ = new QListWidget(backgroundPanel_);
    sectionList_->setFont(platform::fontByFace("Arial", 12, true));
    sectionList_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    sectionList_->setSelectionMode(QAbstractItemView::SingleSelection);
    sectionList_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sectionList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (std::string_view text : sectionTexts)
        sectionList_->addItem(platform::fromWindows1252(text));
    sectionList_->setCurrentRow(noRowSelected);

    studyButton_ = new PictureButton(control::studyButton, studyPicture, backgroundPanel_);
    quitButton_ = new PictureButton(control::quitButton, quitPicture, backgroundPanel_);
    for (PictureButton* button : {studyButton_, quitButton_})
        connect(button, &PictureButton::controlEvent, this, &MainWindow::controlEvent);
}

// The panel sits at the origin of the area under the menu bar and is as high as the whole
// inner area with the menu bar; its lower edge is cut off by the window.
void MainWindow::placeControls(int width, int height) {
    layout_ = mainLayoutFor(width, height);
    place(*backgroundPanel_, layout_.backgroundPanel);
    place(*sectionList_, layout_.sectionList);
    place(*studyButton_, layout_.studyButton);
    place(*quitButton_, layout_.quitButton);
}

int MainWindow::selectedRow() const {
    const QList<QListWidgetItem*> selected = sectionList_->selectedItems();
    return selected.isEmpty() ? noRowSelected : sectionList_->row(selected.front());
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // A resize back to the opening size is the window being restored, whatever order the
    // window system reports the restore and the new size in.
    const QSize opening(mainWindowWidth, mainWindowHeight);
    if (isMaximized() && size() != opening)
        placeControls(width(), height());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window stays up for the farewell tip; the program closes it at the end.
    event->ignore();
    if (isEnabled())
        emit closeRequested();
}

} // namespace menu
