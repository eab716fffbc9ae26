#include "menu/view/subtest_window.h"

#include "menu/view/screen_centre.h"
#include "menu/view/topic_link.h"
#include "platform/qt/course_text.h"
#include "platform/qt/font_by_face.h"
#include "platform/qt/picture_button.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QWindow>

namespace menu {
namespace {

constexpr Qt::WindowFlags subtestFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// The subtest window stays above its owner and has no task bar entry of its own. It is
// not a child widget of the owner, so that disabling the owner leaves it usable.
void ownBy(QWidget& window, QWidget* owner) {
    if (!owner)
        return;
    window.winId();
    owner->winId();
    window.windowHandle()->setTransientParent(owner->windowHandle());
}

} // namespace

QFont linkFont() {
    QFont font = platform::fontByFace("Arial", 14, true);
    font.setUnderline(true);
    return font;
}

SubtestWindow::SubtestWindow(const SubtestWindowLayout& subtestLayout, const QImage& backPicture,
                             QWidget* owner)
    : QWidget(nullptr, subtestFlags), windowNumber_(subtestLayout.windowNumber) {
    setWindowTitle(platform::fromWindows1252(subtestLayout.title));
    const QSize inner(subtestLayout.innerSize.width, subtestLayout.innerSize.height);
    setFixedSize(inner);
    ownBy(*this, owner);
    centreOnScreen(*this, inner);

    selectFrame_ = new QGroupBox(platform::fromWindows1252(selectFrameCaption), this);
    selectFrame_->setGeometry(selectFramePosition.x, selectFramePosition.y,
                              subtestLayout.frameSize.width, subtestLayout.frameSize.height);
    createLinks(subtestLayout);
    backButton_ = new PictureButton(subtestLayout.backControl, backPicture, this);
    backButton_->setGeometry(subtestLayout.backPosition.x, subtestLayout.backPosition.y,
                             backButtonSize.width, backButtonSize.height);
    connect(backButton_, &PictureButton::controlEvent, this, &SubtestWindow::controlEvent);
}

void SubtestWindow::createLinks(const SubtestWindowLayout& subtestLayout) {
    const QFont font = linkFont(); // made anew for every window that opens
    int k = 0;
    for (const SubtestLink& link : subtestLayout.links) {
        auto* widget = new TopicLink(link.control, platform::fromWindows1252(link.text), this);
        const Point at = linkPosition(k++);
        widget->setGeometry(at.x, at.y, link.size.width, link.size.height);
        widget->setFont(font);
        connect(widget, &TopicLink::controlEvent, this, &SubtestWindow::controlEvent);
        links_.push_back(widget);
    }
}

void SubtestWindow::closeEvent(QCloseEvent* event) {
    // The window has no close box; a close request still ends the menu as on any window.
    event->ignore();
    emit closeRequested();
}

} // namespace menu
