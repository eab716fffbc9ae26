#pragma once

#include <QString>

class QLabel;
class QPlainTextEdit;
class QTextBrowser;
class QWidget;

namespace grids2 {

// The pieces every tab shares: a matrix field in a fixed-width font, the red message beside
// it, and the view of the working in the lesson's style.
QPlainTextEdit* makeMatrixField(const char* name, const QString& text, QWidget* parent);
QLabel* makeMessageLabel(const char* name, QWidget* parent);
QTextBrowser* makeResultView(const char* name, QWidget* parent);

} // namespace grids2
