#include "menu/view/splash_window.h"

#include "menu/core/menu_texts.h"
#include "menu/view/screen_centre.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>

namespace menu {
namespace {

constexpr Qt::WindowFlags splashFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

SplashWindow::SplashWindow(const QImage& picture)
    : QWidget(nullptr, splashFlags), pictureControl_(new QLabel(this)) {
    setWindowTitle(QString::fromLatin1(splashTitle.data(), qsizetype(splashTitle.size())));
    setFixedSize(splashWidth, splashHeight);
    centreOnScreen(*this, size());
    // The picture control takes the picture's own size; clicks on it reach the window.
    pictureControl_->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!picture.isNull()) {
        pictureControl_->setPixmap(QPixmap::fromImage(picture));
        pictureControl_->setGeometry(0, 0, picture.width(), picture.height());
    } else {
        pictureControl_->setGeometry(0, 0, 0, 0);
    }
}

void SplashWindow::showUntilDismissed() {
    QEventLoop loop;
    connect(this, &SplashWindow::dismissed, &loop, &QEventLoop::quit);
    show();
    if (!dismissed_)
        loop.exec();
    hide();
}

void SplashWindow::dismiss() {
    if (dismissed_)
        return;
    dismissed_ = true;
    emit dismissed();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void SplashWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool endingButton =
        event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (endingButton && rect().contains(event->position().toPoint()))
        dismiss();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the splash ends, the window is put away by showUntilDismissed
    dismiss();
}

} // namespace menu
