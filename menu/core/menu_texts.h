#pragma once

#include <string_view>

namespace menu {

inline constexpr std::string_view splashTitle = "Welcome to Orvo the Tamlex";
inline constexpr std::string_view mainWindowTitle = "Orvo the Tamlex Main Menu";

// The menu title after "Index" that leads to the help file and the About box.
inline constexpr std::string_view helpMenuTitle = "Help";
inline constexpr std::string_view helpItemText = "Help...    F1";
inline constexpr std::string_view aboutItemText = "About...";
inline constexpr std::string_view helpFile = "help.chm";
inline constexpr std::string_view helpTopic = "introduction.html";

// Picture files of the installation folder.
inline constexpr std::string_view splashPictureFile = "vemtatitle.jpg";
inline constexpr std::string_view studyPictureFile = "study.bmp";
inline constexpr std::string_view quitPictureFile = "cancel.bmp";
inline constexpr std::string_view backPictureFile = "back.bmp";

// The splash window's and the main window's inner sizes as they are opened.
inline constexpr int splashWidth = 680;
inline constexpr int splashHeight = 500;
inline constexpr int mainWindowWidth = 795;
inline constexpr int mainWindowHeight = 600;

} // namespace menu
