#pragma once

#include "matrixkit/core/matrix.h"

#include <QString>

#include <functional>
#include <string>

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

// A tab's column: the label (the buddy of the field), the field, the message and the view,
// which takes the height left over.
void layOutMatrixTab(QWidget* tab, QLabel* label, QPlainTextEdit* field, QLabel* message,
                     QTextBrowser* view);

// Reads the matrix typed in `field` and shows its page in `view`. A matrix that cannot be read,
// one `refusal` finds a fault in (it names the fault, or is empty), or a fault met while working
// is said in `message`; only the first of these also clears the view, with a word of what to do.
void showTypedMatrix(const QPlainTextEdit& field, QLabel& message, QTextBrowser& view,
                     const std::function<QString(const matrixkit::Matrix&)>& refusal,
                     const std::function<std::string(const matrixkit::Matrix&)>& page);

} // namespace grids2
