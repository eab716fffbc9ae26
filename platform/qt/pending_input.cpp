#include "platform/qt/pending_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace platform {
namespace {

bool isLearnerInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

class InputSwallower : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override { return isLearnerInput(event->type()); }
};

} // namespace

void discardPendingInput() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr)
        return;
    InputSwallower swallower;
    application->installEventFilter(&swallower);
    // The window system's queue is read and turned into events first; those posted by it
    // are then delivered, and the filter drops the input among them.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    application->removeEventFilter(&swallower);
}

} // namespace platform
