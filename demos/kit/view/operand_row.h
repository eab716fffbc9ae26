#pragma once

class QHBoxLayout;
class QWidget;

namespace kit {

// The row of controls over an explorer of two numbers: "a = [first] [between] b = [second]",
// each label the buddy of its box (Alt+A, Alt+B), the rest of the row left empty. `between`
// (an operation chooser, say) may be null. The widgets are put in the row, which the caller
// adds to a layout of `parent`.
QHBoxLayout* operandRow(QWidget* parent, QWidget* first, QWidget* between, QWidget* second);

} // namespace kit
