#pragma once

#include <QWidget>

#include <string>

namespace platform {

enum class MessageIcon { None, Information };

// A modal box with an OK button; its text is Windows-1252 with CR or LF line breaks.
void showMessage(QWidget* owner, const std::string& title, const std::string& text,
                 MessageIcon icon = MessageIcon::None);

} // namespace platform
