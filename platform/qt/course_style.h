#pragma once

class QApplication;
class QStyle;

namespace platform {

// The widget style every program of the course runs with: the platform's own style (or the
// one named), except that the menu bar's overflow buttons get a chevron drawn in code. The
// standard style reads those icons from image files, and the first image file a program reads
// through Qt loads and asks every image-format plugin installed; a lesson window has no other
// reason to do that before its first frame.
QStyle* makeCourseStyle(const char* baseStyle = nullptr);
void useCourseStyle(QApplication& application, const char* baseStyle = nullptr);

} // namespace platform
