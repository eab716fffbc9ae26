#include "platform/qt/message_box.h"

#include "platform/qt/course_text.h"

#include <QMessageBox>

namespace platform {

void showMessage(QWidget* owner, const std::string& title, const std::string& text,
                 MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                    fromWindows1252(title), messageBoxText(text), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace platform
