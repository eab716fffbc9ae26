#include "menu/view/wait_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace menu {

WaitCursor::WaitCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace menu
